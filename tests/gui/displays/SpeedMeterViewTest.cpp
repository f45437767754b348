#include "TestArtifacts.h"

#include "core/displays/TorvaSpeedUnit.h"
#include "core/i18n/TorvaPreferences.h"
#include "gui/controls/TorvaImageView.h"
#include "gui/displays/SpeedMeterView.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

namespace {

class SpeedMeterViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }

    // The digit pictures, hundreds first; "" for an empty place.
    static QStringList digits(const SpeedMeterView &meter)
    {
        return {meter.number100()->imageName(), meter.number10()->imageName(),
                meter.number1()->imageName()};
    }

    static int litSegments(const SpeedMeterView &meter)
    {
        int lit = 0;
        bool inOrder = true;
        for (const TorvaImageView *segment : meter.gaugeList()) {
            const bool shown = !segment->isHidden();
            inOrder = inOrder && (!shown || lit == meter.gaugeList().indexOf(segment));
            lit += shown ? 1 : 0;
        }
        // Lit segments are always the lowest ones.
        return inOrder ? lit : -1;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SpeedMeterViewTest, KilometresPerHour)
{
    SpeedMeterView meter;
    ASSERT_EQ(meter.gaugeList().size(), 24);
    EXPECT_EQ(litSegments(meter), 0);
    EXPECT_EQ(digits(meter), (QStringList{"", "", ""}));

    struct Case
    {
        int32_t speed;
        QStringList digits;
        int segments;
    };
    const Case cases[] = {
        {0, {"", "", ""}, 0},    {8, {"", "", ""}, 0},       {9, {"", "", "9"}, 0},
        {10, {"", "1", "0"}, 1}, {105, {"1", "0", "5"}, 10}, {250, {"2", "5", "0"}, 24},
        {47, {"", "4", "7"}, 4}, {0, {"", "", ""}, 0},
    };
    for (const Case &c : cases) {
        meter.setSpeed(c.speed);
        EXPECT_EQ(meter.speed(), c.speed);
        EXPECT_EQ(digits(meter), c.digits) << c.speed;
        EXPECT_EQ(litSegments(meter), c.segments) << c.speed;
        EXPECT_TRUE(meter.speedUnitImageView()->isHidden());
    }
}

TEST_F(SpeedMeterViewTest, FollowsTheUnitPreference)
{
    SpeedMeterView meter;
    meter.setSpeed(100);
    EXPECT_EQ(digits(meter), (QStringList{"1", "0", "0"}));

    // Choosing mph redraws the same speed at once.
    TorvaSpeedUnit::SharedTorvaSpeedUnit()->setSpeedUnit(TorvaSpeedUnit::kMph);
    EXPECT_EQ(meter.speed(), 100);
    EXPECT_EQ(digits(meter), (QStringList{"", "6", "2"}));
    EXPECT_EQ(litSegments(meter), 6);
    EXPECT_FALSE(meter.speedUnitImageView()->isHidden());

    meter.setSpeed(12);
    EXPECT_EQ(digits(meter), (QStringList{"", "", "7"}));

    TorvaSpeedUnit::SharedTorvaSpeedUnit()->setSpeedUnit(TorvaSpeedUnit::kKmph);
    EXPECT_EQ(digits(meter), (QStringList{"", "1", "2"}));
    EXPECT_EQ(litSegments(meter), 1);
    EXPECT_TRUE(meter.speedUnitImageView()->isHidden());
}

TEST_F(SpeedMeterViewTest, PartsScaleWithTheView)
{
    SpeedMeterView meter;
    EXPECT_EQ(meter.size(), SpeedMeterView::kDesignSize);
    EXPECT_EQ(meter.bgImageView()->geometry(), QRect(0, 0, 200, 110));
    EXPECT_EQ(meter.number1()->geometry(), QRect(114, 48, 28, 44));
    EXPECT_EQ(meter.gaugeList().first()->geometry(), QRect(16, 28, 5, 8));
    EXPECT_EQ(meter.gaugeList().last()->geometry(), QRect(177, 12, 5, 24));
    meter.show();
    meter.resize(400, 220);
    EXPECT_EQ(meter.bgImageView()->geometry(), QRect(0, 0, 400, 220));
    EXPECT_EQ(meter.number1()->geometry(), QRect(228, 96, 56, 88));
}

TEST_F(SpeedMeterViewTest, Screenshots)
{
    SpeedMeterView meter;
    meter.show();
    meter.setSpeed(137);
    EXPECT_FALSE(TestArtifacts::saveScreenshot(&meter, "speed_meter_137_kmh").isEmpty());
    TorvaSpeedUnit::SharedTorvaSpeedUnit()->setSpeedUnit(TorvaSpeedUnit::kMph);
    const QString path = TestArtifacts::saveScreenshot(&meter, "speed_meter_137_kmh_in_mph");
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(QImage(path).size(), QSize(200, 110));
    meter.setSpeed(0);
    EXPECT_FALSE(TestArtifacts::saveScreenshot(&meter, "speed_meter_stopped").isEmpty());
}
