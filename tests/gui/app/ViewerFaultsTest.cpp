#include "../GuiTestEnvironment.h"
#include "ViewerTestSupport.h"

#include "core/library/RecordingFilter.h"
#include "core/playback/PlaybackTick.h"
#include "core/telemetry/DemoDrive.h"
#include "gui/app/FullScreenMovieWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/app/MainWindowController.h"
#include "gui/app/MapCoverView.h"
#include "gui/controls/ImageButton.h"
#include "gui/displays/SeekTimeSliderView.h"
#include "gui/video/TorvaAVView.h"

#include "TestMedia.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QWindow>

#include <memory>

using namespace ViewerTestSupport;

namespace {

QString cardFile(const QString &recording)
{
    return QDir(Volumes::instance().cardPath()).filePath(recording);
}

// The main window on the demo card, playing what a test opens.
class ViewerFaults : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Volumes::instance().insertCard());
        m_viewer = std::make_unique<Viewer>();
    }

    MainWindowController &controller() { return m_viewer->controller; }
    const MainWindow::Outlets &o() const { return m_viewer->outlets(); }

    // Opens the recording (a path, or a file of the card) and waits until it plays.
    void play(const QString &recording)
    {
        controller().openPath(QFileInfo(recording).isAbsolute() ? recording : cardFile(recording));
        ASSERT_TRUE(GuiTestEnvironment::waitFor(
            [&] {
                return controller().session().state() == PlaybackSession::State::Playing &&
                       o().bigMovieView->currentTime() > 0.3;
            },
            kPlayTimeoutMs));
    }

    std::unique_ptr<Viewer> m_viewer;
};

// The read-outs show the telemetry sample of the large view's time.
void expectReadoutsOfTheCurrentFrame(MainWindowController &controller)
{
    const MainWindow::Outlets &o = controller.window()->outlets();
    const double t = o.bigMovieView->currentTime();
    EXPECT_EQ(o.playTimeLabel->text(), PlaybackTick::updatePlayTime(t, o.bigMovieView->duration()));
    int32_t x = 0, y = 0, z = 0;
    uint32_t speed = 0;
    float lat = 0.0f, lng = 0.0f;
    const TorvaClipData &clip = controller.session().clipData();
    ASSERT_LT(uint32_t(t * 10.0), clip.clipDataCount());
    clip.getClipDataWithIndex(int32_t(t * 10.0), x, y, z, lat, lng, speed);
    EXPECT_EQ(o.gxLabel->text(), PlaybackTick::accelerationText(x));
    EXPECT_EQ(o.gyLabel->text(), PlaybackTick::accelerationText(y));
    EXPECT_EQ(o.latLabel->text(), PlaybackTick::positionText(lat));
}

} // namespace

TEST_F(ViewerFaults, TheEndOfAShorterRearFileStopsNothing)
{
    QTemporaryDir folder;
    const QString front = folder.filePath("EVT_20260101_000000_F.mp4");
    DemoDrive::Options options;
    options.seconds = 4;
    ASSERT_TRUE(TestMedia::mp4WithSubtitles(front, DemoDrive(options).srtText(),
                                            QStringLiteral("320x180"), 4));
    options.seconds = 1;
    ASSERT_TRUE(TestMedia::mp4WithSubtitles(folder.filePath("EVT_20260101_000000_R.mp4"),
                                            DemoDrive(options).srtText(), QStringLiteral("160x90"),
                                            1));
    play(front);
    ASSERT_TRUE(bothViewsReady(controller()));
    const MainWindow::Outlets &o = this->o();

    // The rear picture ends after a second; the time label, the slider and
    // the read-outs go on with the front picture.
    ASSERT_TRUE(
        GuiTestEnvironment::waitFor([&] { return o.bigMovieView->currentTime() > 2.0; }, 15000));
    EXPECT_EQ(o.smallMovieView->rate(), 0.0) << "the rear file has ended";
    const QString label = o.playTimeLabel->text();
    const double slider = o.seekTimeSlider->currentSliderValue();
    EXPECT_TRUE(GuiTestEnvironment::waitFor(
        [&] {
            return o.playTimeLabel->text() != label &&
                   o.seekTimeSlider->currentSliderValue() > slider + 0.5;
        },
        5000))
        << "still " << label.toStdString();
    EXPECT_FALSE(controller().session().isVideoPaused());
}

TEST_F(ViewerFaults, FrameStepsShowTheSteppedFramesValues)
{
    play(QStringLiteral("cont_rec/REC_20260514_083000.avi"));
    MainWindowController &controller = this->controller();
    const MainWindow::Outlets &o = this->o();
    pressKey(controller.window(), Qt::Key_Space);
    o.bigMovieView->setCurrentTime(2.0);
    o.smallMovieView->setCurrentTime(2.0);
    GuiTestEnvironment::wait(500);
    controller.refreshReadouts();
    ASSERT_EQ(o.playTimeLabel->text(), QStringLiteral("00:02/00:30"));

    // One frame back from 2.0 s is in second 1 and sample 19.
    pressKey(controller.window(), Qt::Key_Left);
    EXPECT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return o.playTimeLabel->text() == QStringLiteral("00:01/00:30"); }, 5000));
    EXPECT_LT(o.bigMovieView->currentTime(), 2.0);
    expectReadoutsOfTheCurrentFrame(controller);

    // Forward again, twice: second 2, sample 20.
    pressKey(controller.window(), Qt::Key_Right);
    EXPECT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return o.playTimeLabel->text() == QStringLiteral("00:02/00:30"); }, 5000));
    pressKey(controller.window(), Qt::Key_Right);
    EXPECT_TRUE(
        GuiTestEnvironment::waitFor([&] { return o.bigMovieView->currentTime() > 2.01; }, 5000));
    GuiTestEnvironment::wait(200);
    expectReadoutsOfTheCurrentFrame(controller);
    EXPECT_TRUE(controller.session().isVideoPaused());
}

TEST_F(ViewerFaults, PanButtonAndSelectionFollowWhatPlays)
{
    const QUrl second = QUrl::fromLocalFile(cardFile("cont_rec/REC_20260514_083030.avi"));
    play(second.toLocalFile());
    MainWindowController &controller = this->controller();
    const MainWindow::Outlets &o = this->o();
    controller.enterScrollMode();
    EXPECT_EQ(o.panButton->imageName(), QStringLiteral("pan_2"));

    // Only the table changes with the filter: the recording that plays stays
    // selected, and "next" goes on from it.
    controller.videoFileFilterTouched(RecordingFilter::Continuous);
    const QList<QUrl> rows = controller.library().filteredVideoFileList();
    ASSERT_EQ(rows.size(), 2);
    ASSERT_EQ(rows.indexOf(second), 1);
    EXPECT_EQ(controller.selectedRow(), 1);
    EXPECT_EQ(controller.session().currentVideoUrl(), second);

    // A new recording turns pan mode off, and the button says so.
    controller.playNextFileButtonTouched();
    EXPECT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return controller.session().currentVideoUrl() == rows.first(); }, kPlayTimeoutMs))
        << "after the last, the first";
    EXPECT_FALSE(controller.session().zoom().enableBigMovieViewScroll());
    EXPECT_EQ(o.panButton->imageName(), QStringLiteral("pan_1"));
}

TEST_F(ViewerFaults, FullScreenStripHidesAwayFromTheTop)
{
    play(QStringLiteral("sos_rec/SOS_20260514_083120.avi"));
    MainWindowController &controller = this->controller();
    const MainWindow::Outlets &o = this->o();
    pressKey(controller.window(), Qt::Key_Return);
    ASSERT_TRUE(controller.session().isFullScreenMode());
    auto *fullScreen = qobject_cast<FullScreenMovieWindow *>(o.bigMovieView->window());
    ASSERT_NE(fullScreen, nullptr);
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return fullScreen->isFullScreen(); }));
    QWidget *strip = fullScreen->playPauseButton();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return strip->isVisible(); }));

    const int height = fullScreen->height();
    moveMouse(fullScreen, QPoint(fullScreen->width() / 2, height * 9 / 10));
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return !strip->isVisible(); }, 2000))
        << "the strip hides when the pointer leaves the top quarter";
    moveMouse(fullScreen, QPoint(fullScreen->width() / 2, height / 10));
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return strip->isVisible(); }, 2000));

    // A right click over the picture leaves full screen.
    const QPoint centre = fullScreen->rect().center();
    QWidget *under = fullScreen->childAt(centre);
    ASSERT_NE(under, nullptr);
    QMouseEvent rightClick(QEvent::MouseButtonRelease, QPointF(under->mapFrom(fullScreen, centre)),
                           fullScreen->mapToGlobal(QPointF(centre)), Qt::RightButton, Qt::NoButton,
                           Qt::NoModifier);
    QApplication::sendEvent(under, &rightClick);
    EXPECT_TRUE(
        GuiTestEnvironment::waitFor([&] { return !controller.session().isFullScreenMode(); }));
}

TEST_F(ViewerFaults, AClickOnTheMapLeavesTheKeysToPlayback)
{
    play(QStringLiteral("cont_rec/REC_20260514_083000.avi"));
    MainWindowController &controller = this->controller();
    const MainWindow::Outlets &o = this->o();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return o.mapView->isMapShown(); }, 10000));
    QWebEngineView *web = o.mapView->mapWebView();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return web->focusProxy() != nullptr; }, 10000));
    // A click as the window system delivers it, to the window, which gives
    // the focus by the focus policies on its way to the page.
    QWidget *page = web->focusProxy();
    QWindow *handle = controller.window()->windowHandle();
    const QPointF at = page->mapTo(controller.window(), QPointF(page->rect().center()));
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, handle->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(handle, &click);
    }
    GuiTestEnvironment::wait(200);

    QWidget *focus = controller.window()->focusWidget();
    EXPECT_FALSE(focus && o.mapView->isAncestorOf(focus)) << "the map took the keyboard";
    pressKey(focus ? focus : controller.window(), Qt::Key_Space);
    EXPECT_TRUE(controller.session().isVideoPaused()) << "Space pauses";
}
