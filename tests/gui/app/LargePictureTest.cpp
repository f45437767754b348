#include "../GuiTestEnvironment.h"
#include "../displays/TestArtifacts.h"
#include "PictureChecks.h"
#include "ViewerTestSupport.h"

#include "gui/app/MainWindow.h"
#include "gui/app/MainWindowController.h"
#include "gui/video/TorvaAVView.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QScrollArea>

#include <memory>

using namespace ViewerTestSupport;

namespace {

using namespace PictureChecks;

class LargePictureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Volumes::instance().insertCard());
        m_viewer = std::make_unique<Viewer>();
    }

    const MainWindow::Outlets &o() const { return m_viewer->outlets(); }
    MainWindowController &controller() { return m_viewer->controller; }

    void play(const QString &recording)
    {
        controller().openPath(QDir(Volumes::instance().cardPath()).filePath(recording));
        ASSERT_TRUE(GuiTestEnvironment::waitFor(
            [&] {
                return controller().session().state() == PlaybackSession::State::Playing &&
                       o().bigMovieView->currentTime() > 0.5;
            },
            kPlayTimeoutMs))
            << recording.toStdString();
    }

    // The picture fills its letterboxed place and moves on while the video
    // plays.
    void expectPictureFillsItsView(const QString &name)
    {
        SCOPED_TRACE(name.toStdString());
        // Well before the end, so that the same recording goes on playing.
        o().bigMovieView->setCurrentTime(1.0);
        o().smallMovieView->setCurrentTime(1.0);
        const Grab first = expectLargeViewFillsItsPlace(o().bigMovieScrollView, o().bigMovieView);
        TestArtifacts::saveScreenshot(o().bigMovieScrollView, QStringLiteral("large_") + name);
        GuiTestEnvironment::wait(500);
        const Grab second = expectLargeViewFillsItsPlace(o().bigMovieScrollView, o().bigMovieView);
        EXPECT_EQ(first.place, second.place);
        EXPECT_GT(differingShare(first.image, second.image, first.place), 0.01)
            << "the picture moves on";
    }

    void resizeWindow(const QSize &size)
    {
        controller().window()->resize(size);
        GuiTestEnvironment::waitFor([&] { return controller().window()->size() == size; });
    }

    std::unique_ptr<Viewer> m_viewer;
};

} // namespace

TEST_F(LargePictureTest, FillsItsViewForEveryKindOfRecording)
{
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
        play(QString::fromLatin1(kind.recording));
        expectPictureFillsItsView(name);

        resizeWindow(QSize(1400, 950));
        expectPictureFillsItsView(name + QStringLiteral("_1400x950"));
        resizeWindow(QSize(1024, 720));
        expectPictureFillsItsView(name + QStringLiteral("_1024x720"));

        if (kind.twoCameras) {
            controller().toggleVideoSwithButtonTouched();
            expectPictureFillsItsView(name + QStringLiteral("_swapped"));
            controller().toggleVideoSwithButtonTouched();
        }

        pressKey(controller().window(), Qt::Key_Return);
        ASSERT_TRUE(controller().session().isFullScreenMode());
        GuiTestEnvironment::wait(500);
        pressKey(o().bigMovieView->window(), Qt::Key_Return);
        ASSERT_FALSE(controller().session().isFullScreenMode());
        expectPictureFillsItsView(name + QStringLiteral("_after_full_screen"));
    }
}

TEST_F(LargePictureTest, ZoomKeepsItsScaleAndCentreWhenTheWindowChanges)
{
    play(QStringLiteral("cont_rec/REC_20260514_083000.avi"));
    controller().videoScaleUpButtonTouched();
    controller().videoScaleUpButtonTouched();
    QScrollArea *scroll = o().bigMovieScrollView;
    const QSize before = scroll->size();
    ASSERT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return o().bigMovieView->width() == qRound(before.width() * 1.4); }));

    resizeWindow(QSize(1400, 950));
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return scroll->width() > before.width(); }));
    GuiTestEnvironment::wait(400);
    const QSize expected = scroll->size() * 1.4;
    EXPECT_NEAR(o().bigMovieView->width(), expected.width(), 1);
    EXPECT_NEAR(o().bigMovieView->height(), expected.height(), 1);
    // Centred: the visible part is the middle of the picture.
    const QPoint shown = -o().bigMovieView->pos() + scroll->viewport()->rect().center();
    EXPECT_NEAR(shown.x(), o().bigMovieView->width() / 2, 2);
    EXPECT_NEAR(shown.y(), o().bigMovieView->height() / 2, 2);
}
