#include "core/playback/VideoZoom.h"

#include <gtest/gtest.h>

TEST(VideoZoom, ScaleStaysOnItsGridWithinOneToFive)
{
    VideoZoom zoom;
    // Steps up or down, and the scale after them.
    for (const auto &[count, scale] : {std::pair{5, 2.0}, {16, 5.0}, {-1, 4.8}, {-30, 1.0}}) {
        for (int i = 0; i < std::abs(count); ++i)
            count > 0 ? zoom.videoScaleUp() : zoom.videoScaleDown();
        EXPECT_EQ(zoom.videoScale(), scale) << count;
    }
    // A step below 1.0 keeps 1.0 and centres the picture again.
    zoom.videoScaleUp();
    zoom.boundDidChange(QPointF(3, 0), QSizeF(120, 60), QSizeF(100, 50));
    zoom.videoScaleDown();
    EXPECT_TRUE(zoom.touchedBigMovieScroll());
    zoom.videoScaleDown();
    EXPECT_FALSE(zoom.touchedBigMovieScroll());
}

TEST(VideoZoom, FrameAndScrollersFollowScaleAndPanMode)
{
    VideoZoom zoom;
    for (int i = 0; i < 3; ++i)
        zoom.videoScaleUp();
    zoom.boundDidChange(QPointF(0, 0), QSizeF(1024, 576), QSizeF(640, 360));
    zoom.enterScrollMode();
    // A new recording: 1.0, pan mode off, centred.
    zoom.resetForNewRecording();
    EXPECT_EQ(zoom.videoScale(), 1.0);
    EXPECT_FALSE(zoom.touchedBigMovieScroll() || zoom.enableBigMovieViewScroll());
    for (int i = 0; i < 3; ++i)
        zoom.videoScaleUp();
    VideoZoom::Frame frame = zoom.changeVideoScale(QSizeF(640, 360));
    EXPECT_EQ(frame.viewSize, QSizeF(1024, 576));
    EXPECT_FALSE(frame.horizontalScroller || frame.verticalScroller);
    zoom.enterScrollMode();
    frame = zoom.changeVideoScale(QSizeF(640, 360));
    EXPECT_TRUE(frame.horizontalScroller && frame.verticalScroller);
    zoom.resetVideoScale();
    EXPECT_FALSE(zoom.changeVideoScale(QSizeF(640, 360)).horizontalScroller);
}

TEST(VideoZoom, CentredPositionIsInWholePoints)
{
    // 0.2 steps give odd margins: the scroll position the view can take is
    // the rounded one, and being there is no move by the user.
    const QSizeF view(641 * 1.2, 361 * 1.2);
    EXPECT_EQ(VideoZoom::centredScrollPoint(view, QSizeF(641, 361)), QPoint(64, 36));
    VideoZoom zoom;
    zoom.boundDidChange(QPointF(64.1, 36.0), view, QSizeF(641, 361));
    EXPECT_FALSE(zoom.touchedBigMovieScroll());
    zoom.boundDidChange(QPointF(65, 36), view, QSizeF(641, 361));
    EXPECT_TRUE(zoom.touchedBigMovieScroll());
}
