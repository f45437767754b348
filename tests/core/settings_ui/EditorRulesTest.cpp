#include "core/settings_ui/EditorRules.h"

#include <gtest/gtest.h>

using C = EditorControl;

TEST(EditorRules, SwitchesGovernWhatTheyEnable)
{
    EditorControls controls;
    controls.setValue(C::Ldws, 1);
    EditorRules::controlChanged(controls, C::Ldws);
    EXPECT_FALSE(controls.isEnabled(C::LdwsSpeed));
    EXPECT_FALSE(controls.isEnabled(C::LdwsRightSensitivity));
    controls.setValue(C::Ldws, 0);
    EditorRules::controlChanged(controls, C::Ldws);
    EXPECT_TRUE(controls.isEnabled(C::LdwsLeftSensitivity));

    controls.setValue(C::DrivingGuideAlways, 1);
    EditorRules::controlChanged(controls, C::DrivingGuideAlways);
    EXPECT_FALSE(controls.isEnabled(C::SafetyCameraAlert));
    EXPECT_TRUE(controls.isEnabled(C::FcwsSensitivity)) << "untouched by other switches";

    controls.setValue(C::RearResolution, 1);
    controls.setValue(C::FrontResolution, 0);
    EditorRules::controlChanged(controls, C::FrontResolution);
    EXPECT_EQ(controls.value(C::RearResolution), 0);
    EXPECT_FALSE(controls.isEnabled(C::RearResolution));
    controls.setValue(C::FrontResolution, 2);
    EditorRules::controlChanged(controls, C::FrontResolution);
    EXPECT_TRUE(controls.isEnabled(C::RearResolution));
}

TEST(EditorRules, LaneDepartureSpeedsFollowTheSpeedUnit)
{
    EditorControls controls;
    controls.setValue(C::SpeedUnit, 1);
    EXPECT_EQ(EditorRules::ldwsSpeedTitles(9, controls).last(), "65mph");
    controls.setValue(C::SpeedUnit, 0);
    EXPECT_EQ(EditorRules::ldwsSpeedTitles(9, controls).first(), "50km");
    EXPECT_TRUE(EditorRules::ldwsSpeedTitles(1, controls).isEmpty());
}
