#include "core/settings_ui/EditorSections.h"

#include <gtest/gtest.h>

namespace {

using Section = EditorSections::Section;

// One letter per model type 0-19: s shown, h hidden, - as laid out; types 6,
// 16 and 17 have no row.
struct Row
{
    Section section;
    const char *byType;
};

const Row kRows[] = {
    {Section::AudioRecording, "---hhh-hhhhhhhhh--hh"},
    {Section::VoiceGuidance, "---hhh-hhhhhhhhh--hh"},
    {Section::RearBrightness, "hhhsss-hhsshhhhh--sh"},
    {Section::LcdBrightness, "hh-ssh-ssshhhhsh--hh"},
    {Section::LcdOffTimer, "hh-ssh-ssshhhhsh--hh"},
    {Section::CameraClock, "-hshhh-sshhsssss--hs"},
    {Section::VideoDateFormat, "-hhhhh-hhhhhhhhh--hh"},
    {Section::DrivingGuideCommon, "h-hhhh-hhhhhhhhh--hh"},
    {Section::SpeedStamp, "hhhhhh-sssssssss--ss"},
    {Section::Resolution, "---hhs-sshssssss--ss"},
    {Section::RearRadios, "h-------------------"},
    {Section::FrameRate, "---hhh-hhhhhhhhh--hh"},
    {Section::Quality, "--hhhh-hhhhhhhhh--hh"},
    {Section::DrivingGuideAlways, "hhhsss-ssssssshh--ss"},
    {Section::SafetyCameraAlert, "-----h-hh-hhhshh--hs"},
    {Section::Wdr, "hhhsss-hhsshhhhh--sh"},
    {Section::VehicleType, "hhhhhs-hhsshhhhh--sh"},
    {Section::Ldws, "hhhhhs-hhsshhhhh--sh"},
    {Section::LdwsSpeed, "hhhhhs-hhsshhhhh--sh"},
    {Section::Fcws, "hhhhhs-hhsshhhhh--sh"},
    {Section::LdwsRightSensitivity, "-----h-hh--hhhhh---h"},
    {Section::FrontVehicleDeparture, "hhhhhh-hhshhhhhh--hh"},
    {Section::ParkingResolution, "---hhh-hhhhhhhhh--hh"},
    {Section::ParkingFrameRate, "---hhh-hhhhhhhhh--hh"},
    {Section::ParkingQuality, "--hhhh-hhhhhhhhh--hh"},
    {Section::ParkingMotion, "---hhh-hhhhhhhhh--hh"},
    {Section::ParkingNightVision, "---hhh-hh--hhhhh---h"},
    {Section::SecurityLed, "-----------hhh-h---h"},
    {Section::TouchCalibration, "hhshhh-hhhhhhhhh--hh"},
    {Section::MemoryCardFormat, "hhhhhh-hhhhhhhhh--hh"},
};

} // namespace

TEST(EditorSections, EachModelShowsAndHidesItsSections)
{
    ASSERT_EQ(std::size(kRows), size_t(EditorSections::kSectionCount));
    for (const Row &row : kRows) {
        std::string byType;
        for (int type = 0; type < 20; ++type)
            byType += "sh-"[int(EditorSections::visibility(row.section, type, 0))];
        EXPECT_EQ(byType, row.byType) << EditorSections::id(row.section).toStdString();
        EXPECT_EQ(EditorSections::fromId(EditorSections::id(row.section)), row.section);
    }
    EXPECT_EQ(EditorSections::fromId("nope"), std::nullopt);
    EXPECT_EQ(EditorSections::visibility(Section::Wdr, 27, 0),
              EditorSections::Visibility::AsLaidOut);
}

TEST(EditorSections, TheV580GainsDriverAssistanceWithFirmware17)
{
    for (const qint64 type : {3, 4}) {
        EXPECT_FALSE(EditorSections::isPresent(Section::Ldws, type, 16));
        EXPECT_TRUE(EditorSections::isPresent(Section::Ldws, type, 17));
        EXPECT_TRUE(EditorSections::isPresent(Section::Fcws, type, 17));
        // Only the four driver assistance sections follow the firmware.
        EXPECT_FALSE(EditorSections::isPresent(Section::FrontVehicleDeparture, type, 17));
    }
}
