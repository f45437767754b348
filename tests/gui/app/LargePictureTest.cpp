#include "../GuiTestEnvironment.h"
#include "ViewerTestSupport.h"

#include "gui/app/FullScreenMovieWindow.h"
#include "gui/controls/ImageButton.h"
#include "gui/video/TorvaAVView.h"

#include <QScrollArea>

#include <vector>

using namespace ViewerTestSupport;
using Gui = GuiTestEnvironment;

namespace {

// The picture fills its letterboxed place and moves on while the video
// plays.
void expectPictureFillsItsView(Viewer &viewer, const QString &name)
{
    SCOPED_TRACE(name.toStdString());
    const MainWindow::Outlets &o = viewer.outlets();
    // Well before the end, so that the same recording goes on playing.
    o.bigMovieView->setCurrentTime(1.0);
    o.smallMovieView->setCurrentTime(1.0);
    QScrollArea *scroll = o.bigMovieScrollView;
    const auto [image, place] =
        expectPictureFillsItsPlace(scroll, scroll->viewport()->rect(), o.bigMovieView);
    Gui::saveScreenshot(scroll, QStringLiteral("large_") + name);
    Gui::wait(500);
    const auto [later, laterPlace] =
        expectPictureFillsItsPlace(scroll, scroll->viewport()->rect(), o.bigMovieView);
    EXPECT_EQ(place, laterPlace);
    EXPECT_NE(image.copy(place), later.copy(place)) << "the picture moves on";
}

// Full screen: the picture fills the screen's height or width, the rest
// black, and the strip shows only while the pointer is near the top.
void expectFullScreenPicture(Viewer &viewer, const QString &name)
{
    const MainWindow::Outlets &o = viewer.outlets();
    const PlaybackSession &session = viewer.controller.session();
    Gui::sendKey(viewer.controller.window(), Qt::Key_Return);
    ASSERT_TRUE(session.isFullScreenMode());
    auto *fullScreen = qobject_cast<FullScreenMovieWindow *>(o.bigMovieView->window());
    ASSERT_NE(fullScreen, nullptr);
    ASSERT_TRUE(Gui::waitFor([&] { return fullScreen->isFullScreen(); }));
    const QWidget *strip = fullScreen->playPauseButton();
    EXPECT_TRUE(Gui::waitFor([&] { return strip->isVisible(); }));
    moveMouse(fullScreen, QPoint(fullScreen->width() / 2, fullScreen->height() * 9 / 10));
    EXPECT_TRUE(Gui::waitFor([&] { return !strip->isVisible(); }, 2000))
        << "the strip hides when the pointer leaves the top quarter";
    expectPictureFillsItsPlace(fullScreen, fullScreen->rect(), o.bigMovieView);
    Gui::saveScreenshot(fullScreen, QStringLiteral("fullscreen_") + name);
    moveMouse(fullScreen, QPoint(fullScreen->width() / 2, fullScreen->height() / 10));
    EXPECT_TRUE(Gui::waitFor([&] { return strip->isVisible(); }, 2000));
    // A right click over the picture takes it back.
    QWidget *under = fullScreen->childAt(fullScreen->rect().center());
    ASSERT_NE(under, nullptr);
    Gui::sendMouse(under, QEvent::MouseButtonRelease, under->rect().center(), Qt::RightButton);
    ASSERT_TRUE(Gui::waitFor([&] { return !session.isFullScreenMode(); }));
    EXPECT_EQ(o.bigMovieScrollView->widget(), o.bigMovieView);
    EXPECT_FALSE(fullScreen->isVisible());
}

// The x origins of the bands that stay centred in a wider window.
std::vector<int> bandOrigins(QWidget *window)
{
    std::vector<int> origins;
    for (const char *band : {"toolbarBg3", "dashBg3", "toolbarButtons", "dashboardCtrls"}) {
        const QWidget *widget = window->findChild<QWidget *>(band);
        origins.push_back(widget ? widget->mapTo(window, QPoint()).x() : -1);
    }
    return origins;
}

} // namespace

TEST(LargePicture, FillsItsViewForEveryKindOfRecordingAndKeepsItsZoom)
{
    ASSERT_TRUE(insertCard());
    Viewer viewer;
    const MainWindow::Outlets &o = viewer.outlets();
    MainWindowController &controller = viewer.controller;
    QWidget *window = controller.window();
    const auto resizeWindow = [window](const QSize &size) {
        window->resize(size);
        Gui::waitFor([&] { return window->size() == size; });
    };
    const struct
    {
        const char *name;
        const char *recording;
        bool twoCameras;
    } kinds[] = {
        {"avi", "cont_rec/REC_20260514_083000.avi", true},
        {"mp4_pair", "evt_rec/EVT_20260514_083050_F.mp4", true},
        {"single", "sos_rec/SOS_20260514_083120.avi", false},
    };
    for (const auto &kind : kinds) {
        const QString name = QString::fromLatin1(kind.name);
        ASSERT_TRUE(viewer.play(QString::fromLatin1(kind.recording))) << kind.recording;
        expectPictureFillsItsView(viewer, name);
        for (const QSize size : {QSize(1400, 950), QSize(1024, 720)}) {
            resizeWindow(size);
            const QString sized =
                QStringLiteral("%1_%2x%3").arg(name).arg(size.width()).arg(size.height());
            expectPictureFillsItsView(viewer, sized);
            Gui::saveScreenshot(window, "mainwindow_" + sized);
            const int shift = (size.width() - 1024) / 2;
            EXPECT_EQ(bandOrigins(window),
                      (std::vector{25 + shift, 18 + shift, 10 + shift, 43 + shift}));
        }
        EXPECT_EQ(o.swapButton->isEnabled(), kind.twoCameras);
        if (kind.twoCameras) {
            controller.toggleVideoSwithButtonTouched();
            expectPictureFillsItsView(viewer, name + QStringLiteral("_swapped"));
            controller.toggleVideoSwithButtonTouched();
        }
        expectFullScreenPicture(viewer, name);
        expectPictureFillsItsView(viewer, name + QStringLiteral("_after_full_screen"));
    }
    // Never narrower than the design.
    window->resize(800, 720);
    Gui::wait(100);
    EXPECT_EQ(window->width(), 1024);

    // Zoomed in, the picture keeps its scale and centre when the window
    // changes.
    controller.videoScaleUpButtonTouched();
    controller.videoScaleUpButtonTouched();
    QScrollArea *scroll = o.bigMovieScrollView;
    const QSize before = scroll->size();
    ASSERT_TRUE(
        Gui::waitFor([&] { return o.bigMovieView->width() == qRound(before.width() * 1.4); }));
    EXPECT_GT(o.bigMovieView->width(), scroll->viewport()->width());

    resizeWindow(QSize(1400, 950));
    ASSERT_TRUE(Gui::waitFor([&] { return scroll->width() > before.width(); }));
    Gui::wait(400);
    const QSize expected = scroll->size() * 1.4;
    EXPECT_NEAR(o.bigMovieView->width(), expected.width(), 1);
    EXPECT_NEAR(o.bigMovieView->height(), expected.height(), 1);
    // Centred: the visible part is the middle of the picture.
    const QPoint shown = -o.bigMovieView->pos() + scroll->viewport()->rect().center();
    EXPECT_NEAR(shown.x(), o.bigMovieView->width() / 2, 2);
    EXPECT_NEAR(shown.y(), o.bigMovieView->height() / 2, 2);
}
