#include "core/displays/TorvaSpeedUnit.h"
#include "core/i18n/TorvaPreferences.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(TorvaSpeedUnit, AChangedUnitIsStoredAndAnnounced)
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    TorvaSpeedUnit unit;
    int refreshes = 0;
    QObject::connect(&unit, &TorvaSpeedUnit::refreshSpeedUnit, [&] { ++refreshes; });
    // Nothing stored reads as km/h, so choosing km/h changes nothing.
    EXPECT_FALSE(TorvaSpeedUnit::isMph());
    const std::tuple<int, bool, int> steps[] = {{TorvaSpeedUnit::kKmph, false, 0},
                                                {TorvaSpeedUnit::kMph, true, 1},
                                                {TorvaSpeedUnit::kMph, true, 1},
                                                {TorvaSpeedUnit::kKmph, false, 2}};
    for (const auto &[chosen, mph, announced] : steps) {
        unit.setSpeedUnit(chosen);
        EXPECT_EQ(TorvaSpeedUnit::isMph(), mph);
        EXPECT_EQ(refreshes, announced);
        EXPECT_EQ(TorvaPreferences().value(TorvaPreferences::kSpeedUnitKey).toInt(), chosen);
    }
    // Only a stored 1 means mph.
    for (const QVariant &stored : {QVariant(2), QVariant(QStringLiteral("mph"))}) {
        TorvaPreferences preferences;
        preferences.setValue(TorvaPreferences::kSpeedUnitKey, stored);
        preferences.save();
        EXPECT_FALSE(TorvaSpeedUnit::isMph());
    }
}
