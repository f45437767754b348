#include "core/app/MainWindowLayout.h"
#include "core/playback/PlayAnimation.h"
#include "core/playback/VolumeControl.h"

#include <gtest/gtest.h>

TEST(MainWindowLayout, BandsStayCentredAroundTheDesignWidth)
{
    // Half points are truncated toward zero, on both sides of 1024.
    const std::pair<double, int> offsets[] = {{1024, 0}, {1200, 88}, {1201, 88}, {1025, 0},
                                              {1023, 0}, {1021, -1}, {900, -62}};
    for (const auto &[width, offset] : offsets) {
        const MainWindowLayout::Bands bands = MainWindowLayout::windowDidResize(width);
        EXPECT_EQ(std::vector<int>({bands.toolbarBg3, bands.dashBg3, bands.toolbarButtons,
                                    bands.dashboardCtrls}),
                  std::vector<int>({offset + 25, offset + 18, offset + 10, offset + 43}))
            << width;
    }
}

TEST(MainWindowLayout, DraggingAndFullScreenControls)
{
    EXPECT_EQ(MainWindowLayout::windowDragOffset(QPointF(100, 100), QPointF(110.7, 96.1)),
              QPoint(10, -3));
    // Centred across the screen, its bottom half its height above an eighth
    // of the screen from the top, never above the screen.
    const std::tuple<QRectF, QSizeF, QPointF> cases[] = {
        {{0, 0, 1920, 1080}, {300, 60}, {810, 45}},
        {{1920, 200, 1280, 1024}, {200, 50}, {2460, 253}},
        {{0, 0, 800, 480}, {300, 80}, {250, 0}}};
    for (const auto &[screen, size, origin] : cases)
        EXPECT_EQ(MainWindowLayout::fullscreenControlFrame(screen, size), QRectF(origin, size));
}

TEST(PlayAnimation, FramesAlternate)
{
    PlayAnimation animation;
    for (const int frame : {1, 2, 1})
        EXPECT_EQ(animation.playAnimationTimerCallback(), frame);
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
    EXPECT_EQ(VolumeControl::muteButtonImageWhenMuted(false), "volume1");
}
