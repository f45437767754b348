#include "core/settings_ui/SliderSteps.h"

#include <gtest/gtest.h>

using C = EditorControl;

TEST(SliderSteps, EachStepHasItsGuideLabel)
{
    const auto guide = [](C control, qint64 type, int value) -> QString {
        const auto range = SliderSteps::forSlider(control, type);
        const auto index = SliderSteps::guideIndex(*range, value);
        return index ? range->guides.at(*index) : QStringLiteral("none");
    };
    EXPECT_EQ(guide(C::AlwaysShock, 1, 10), "10");
    EXPECT_EQ(guide(C::AlwaysShock, 8, 6), "none");
    EXPECT_EQ(guide(C::VoiceVolume, 8, 0), "0");
    EXPECT_EQ(guide(C::VoiceVolume, 0, 0), "none");
    EXPECT_EQ(guide(C::LcdBrightness, 2, 0), "none") << "a stored 0 has no label";
    EXPECT_EQ(guide(C::LcdBrightness, 2, 1), "1");
    EXPECT_EQ(guide(C::LdwsLeftSensitivity, 9, 0), "1");
    EXPECT_EQ(guide(C::TimeLimit36x, 0, 7), "48h");
    EXPECT_EQ(guide(C::TimeLimit36x, 3, 1), "6h");
    EXPECT_EQ(guide(C::TimeLimit36o, 1, 7), "36h");
    EXPECT_EQ(guide(C::Battery12V, 1, 0), "11.6V");
    EXPECT_EQ(guide(C::Battery12V, 1, 7), "12.3V");
    EXPECT_EQ(guide(C::Battery24V, 1, 7), "24.6V");
    EXPECT_EQ(SliderSteps::forSlider(C::Ldws, 9), std::nullopt);
}
