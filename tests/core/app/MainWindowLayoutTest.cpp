#include "core/app/MainWindowLayout.h"
#include "core/playback/PlayAnimation.h"
#include "core/playback/VolumeControl.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> bandsAt(double width)
{
    const MainWindowLayout::Bands bands = MainWindowLayout::windowDidResize(width);
    return {bands.toolbarBg3, bands.dashBg3, bands.toolbarButtons, bands.dashboardCtrls};
}

} // namespace

TEST(MainWindowLayout, BandsStayCentredAroundTheDesignWidth)
{
    EXPECT_EQ(bandsAt(1024), std::vector<int>({25, 18, 10, 43}));
    EXPECT_EQ(bandsAt(1200), std::vector<int>({113, 106, 98, 131}));
    // Half points are truncated toward zero, on both sides of 1024.
    EXPECT_EQ(MainWindowLayout::horizontalOffset(1201), 88);
    EXPECT_EQ(MainWindowLayout::horizontalOffset(1025), 0);
    EXPECT_EQ(MainWindowLayout::horizontalOffset(1023), 0);
    EXPECT_EQ(MainWindowLayout::horizontalOffset(1021), -1);
    EXPECT_EQ(bandsAt(900), std::vector<int>({-37, -44, -52, -19}));
}

TEST(MainWindowLayout, DraggingAndFullScreenControls)
{
    EXPECT_EQ(MainWindowLayout::windowDragOffset(QPointF(100, 100), QPointF(110.7, 96.1)),
              QPoint(10, -3));
    // Centred across the screen, its bottom half its height above an eighth
    // of the screen from the top.
    EXPECT_EQ(MainWindowLayout::fullscreenControlFrame(QRectF(0, 0, 1920, 1080), QSizeF(300, 60)),
              QRectF(810, 45, 300, 60));
    EXPECT_EQ(
        MainWindowLayout::fullscreenControlFrame(QRectF(1920, 200, 1280, 1024), QSizeF(200, 50)),
        QRectF(2460, 253, 200, 50));
    // Never above the screen.
    EXPECT_EQ(MainWindowLayout::fullscreenControlFrame(QRectF(0, 0, 800, 480), QSizeF(300, 80)),
              QRectF(250, 0, 300, 80));
}

TEST(PlayAnimation, FramesAlternate)
{
    PlayAnimation animation;
    EXPECT_EQ(animation.playAnimationTimerCallback(), 1);
    EXPECT_EQ(animation.playAnimationTimerCallback(), 2);
    EXPECT_EQ(animation.playAnimationTimerCallback(), 1);
    EXPECT_EQ(PlayAnimation::shockGageImage(2), "shock_gage2");
    EXPECT_EQ(PlayAnimation::earthImage(1), "earth1");
}

TEST(VolumeControl, StepsLandOnSilenceAndFullVolume)
{
    float volume = 1.0f;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(VolumeControl::muteButtonImage(volume), "volume1");
        volume = VolumeControl::volumeDown(volume);
    }
    EXPECT_EQ(volume, 0.0f);
    EXPECT_EQ(VolumeControl::muteButtonImage(volume), "volume2");
    EXPECT_EQ(VolumeControl::volumeDown(volume), 0.0f);
    for (int i = 0; i < 10; ++i)
        volume = VolumeControl::volumeUp(volume);
    EXPECT_EQ(volume, 1.0f);
    EXPECT_EQ(VolumeControl::volumeUp(volume), 1.0f);
    // A dragged volume steps from where it is.
    EXPECT_FLOAT_EQ(VolumeControl::volumeUp(0.55f), 0.65f);
    EXPECT_EQ(VolumeControl::volumeDown(0.04f), 0.0f);
    EXPECT_EQ(VolumeControl::muteButtonImageWhenMuted(true), "volume2");
    EXPECT_EQ(VolumeControl::muteButtonImageWhenMuted(false), "volume1");
}
