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
    for (const auto &[chosen, announced] : {std::pair{TorvaSpeedUnit::kKmph, 0},
                                            {TorvaSpeedUnit::kMph, 1},
                                            {TorvaSpeedUnit::kMph, 1},
                                            {TorvaSpeedUnit::kKmph, 2}}) {
        unit.setSpeedUnit(chosen);
        EXPECT_EQ(TorvaSpeedUnit::isMph(), chosen == TorvaSpeedUnit::kMph);
        EXPECT_EQ(refreshes, announced);
        EXPECT_EQ(TorvaPreferences().value(TorvaPreferences::kSpeedUnitKey).toInt(), chosen);
    }
    // Only a stored 1 means mph.
    for (const QVariant &stored : {QVariant(2), QVariant("mph")}) {
        TorvaPreferences preferences;
        preferences.setValue(TorvaPreferences::kSpeedUnitKey, stored);
        preferences.save();
        EXPECT_FALSE(TorvaSpeedUnit::isMph());
    }
}
