#include "core/displays/TorvaSpeedUnit.h"
#include "core/i18n/TorvaPreferences.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TorvaSpeedUnitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }

    static void store(const QVariant &value)
    {
        TorvaPreferences preferences;
        preferences.setValue(TorvaPreferences::kSpeedUnitKey, value);
        preferences.save();
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(TorvaSpeedUnitTest, OnlyAStoredOneMeansMph)
{
    EXPECT_FALSE(TorvaSpeedUnit::isMph());
    store(1);
    EXPECT_TRUE(TorvaSpeedUnit::isMph());
    store(0);
    EXPECT_FALSE(TorvaSpeedUnit::isMph());
    store(2);
    EXPECT_FALSE(TorvaSpeedUnit::isMph());
    store(QStringLiteral("mph"));
    EXPECT_FALSE(TorvaSpeedUnit::isMph());
}

TEST_F(TorvaSpeedUnitTest, AChangedUnitIsStoredAndAnnounced)
{
    TorvaSpeedUnit unit;
    int refreshes = 0;
    QObject::connect(&unit, &TorvaSpeedUnit::refreshSpeedUnit, [&] { ++refreshes; });

    // Nothing stored reads as km/h, so choosing km/h changes nothing.
    unit.setSpeedUnit(TorvaSpeedUnit::kKmph);
    EXPECT_EQ(refreshes, 0);

    unit.setSpeedUnit(TorvaSpeedUnit::kMph);
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(TorvaSpeedUnit::isMph());
    EXPECT_EQ(TorvaPreferences().value(TorvaPreferences::kSpeedUnitKey).toInt(), 1);

    unit.setSpeedUnit(TorvaSpeedUnit::kMph);
    EXPECT_EQ(refreshes, 1);

    unit.setSpeedUnit(TorvaSpeedUnit::kKmph);
    EXPECT_EQ(refreshes, 2);
    EXPECT_FALSE(TorvaSpeedUnit::isMph());
}
