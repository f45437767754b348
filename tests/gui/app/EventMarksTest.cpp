#include "../GuiTestEnvironment.h"
#include "ViewerTestSupport.h"

#include "gui/controls/BGColorView.h"
#include "gui/displays/SeekTimeSliderView.h"
#include "gui/video/TorvaAVView.h"

#include <QTableView>

#include <gtest/gtest.h>

using namespace ViewerTestSupport;

// The demo drive brakes hard near the end of its first recording: a tick on
// the seek bar there, and "." jumps to it, also with the table focused.
TEST(EventMarks, TickOnTheSeekBarAndJumpToIt)
{
    ASSERT_TRUE(insertCard());
    Viewer viewer;
    viewer.ignoreMountChanges();
    const MainWindow::Outlets &o = viewer.outlets();
    ASSERT_TRUE(viewer.play(QStringLiteral("cont_rec/REC_20260514_083000.avi")));
    viewer.controller.session().pauseVideo();
    const QList<BGColorView *> &ticks = o.seekTimeSlider->eventMarkViews();
    ASSERT_EQ(ticks.size(), 1);
    const double duration = o.seekTimeSlider->maxSliderValue();
    const double x = o.seekTimeSlider->sliderTravel().xPointForValue(27.3, duration);
    EXPECT_NEAR(ticks.first()->geometry().center().x(), x, 2.0);
    EXPECT_TRUE(ticks.first()->isVisible());

    GuiTestEnvironment::sendKey(o.fileTable, Qt::Key_Period);
    EXPECT_NEAR(o.seekTimeSlider->currentSliderValue(), 27.3, 1e-9);
    EXPECT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return std::abs(o.bigMovieView->currentTime() - 27.3) < 0.05; }, 20000));
    // Just at it, "," finds nothing earlier and stays.
    GuiTestEnvironment::sendKey(o.fileTable, Qt::Key_Comma);
    EXPECT_NEAR(o.seekTimeSlider->currentSliderValue(), 27.3, 1e-9);
}
