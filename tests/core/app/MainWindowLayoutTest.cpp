#include "core/app/MainWindowLayout.h"
#include "core/playback/VolumeControl.h"

#include <gtest/gtest.h>

TEST(MainWindowLayout, BandsStayCentredAroundTheDesignWidth)
{
    const MainWindowLayout::Bands bands = MainWindowLayout::windowDidResize(1200);
    EXPECT_EQ(std::vector<int>(
                  {bands.toolbarBg3, bands.dashBg3, bands.toolbarButtons, bands.dashboardCtrls}),
              std::vector<int>({113, 106, 98, 131}));
    // Half points are truncated toward zero, on both sides of 1024.
    for (const auto &[width, offset] : {std::pair{1201, 88}, {1025, 0}, {1023, 0}, {1021, -1}})
        EXPECT_EQ(MainWindowLayout::horizontalOffset(width), offset) << width;
}

TEST(MainWindowLayout, DraggingAndFullScreenControls)
{
    EXPECT_EQ(MainWindowLayout::windowDragOffset(QPointF(100, 100), QPointF(110.7, 96.1)),
              QPoint(10, -3));
    // Centred across the screen, its bottom half its height above an eighth
    // of the screen from the top, never above the screen.
    EXPECT_EQ(MainWindowLayout::fullscreenControlFrame(QRectF(1920, 200, 1280, 1024), {200, 50}),
              QRectF(2460, 253, 200, 50));
    EXPECT_EQ(MainWindowLayout::fullscreenControlFrame(QRectF(0, 0, 800, 480), {300, 80}),
              QRectF(250, 0, 300, 80));
}

TEST(VolumeControl, StepsLandOnSilenceAndFullVolume)
{
    float volume = 1.0f;
    for (int i = 0; i < 10; ++i)
        volume = VolumeControl::volumeDown(volume);
    EXPECT_EQ(volume, 0.0f);
    EXPECT_EQ(VolumeControl::volumeDown(volume), 0.0f);
    for (int i = 0; i < 10; ++i)
        volume = VolumeControl::volumeUp(volume);
    EXPECT_EQ(volume, 1.0f);
    EXPECT_EQ(VolumeControl::volumeUp(volume), 1.0f);
    // A dragged volume steps from where it is; only silence shows as muted.
    EXPECT_FLOAT_EQ(VolumeControl::volumeUp(0.55f), 0.65f);
    EXPECT_EQ(VolumeControl::volumeDown(0.04f), 0.0f);
    EXPECT_EQ(VolumeControl::muteButtonImage(0.0f), "volume2");
    EXPECT_EQ(VolumeControl::muteButtonImage(0.01f), "volume1");
}
