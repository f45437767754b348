#include "../GuiTestEnvironment.h"
#include "ViewerTestSupport.h"

#include "gui/app/FullScreenMovieWindow.h"
#include "gui/controls/ImageButton.h"
#include "gui/video/TorvaAVView.h"

#include <QScrollArea>

#include <memory>
#include <vector>

using namespace ViewerTestSupport;
using Gui = GuiTestEnvironment;

namespace {

class LargePictureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(insertCard());
        m_viewer = std::make_unique<Viewer>();
    }

    const MainWindow::Outlets &o() const { return m_viewer->outlets(); }
    MainWindowController &controller() { return m_viewer->controller; }

    // The picture fills its letterboxed place and moves on while the video
    // plays.
    void expectPictureFillsItsView(const QString &name)
    {
        SCOPED_TRACE(name.toStdString());
        // Well before the end, so that the same recording goes on playing.
        o().bigMovieView->setCurrentTime(1.0);
        o().smallMovieView->setCurrentTime(1.0);
        QScrollArea *scroll = o().bigMovieScrollView;
        const auto [image, place] =
            expectPictureFillsItsPlace(scroll, scroll->viewport()->rect(), o().bigMovieView);
        GuiTestEnvironment::saveScreenshot(scroll, QStringLiteral("large_") + name);
        Gui::wait(500);
        const auto [later, laterPlace] =
            expectPictureFillsItsPlace(scroll, scroll->viewport()->rect(), o().bigMovieView);
        EXPECT_EQ(place, laterPlace);
        EXPECT_NE(image.copy(place), later.copy(place)) << "the picture moves on";
    }

    // Full screen: the picture fills the screen's height or width, the rest
    // black, and the strip shows only while the pointer is near the top.
    void expectFullScreenPicture(const QString &name)
    {
        Gui::sendKey(controller().window(), Qt::Key_Return);
        ASSERT_TRUE(controller().session().isFullScreenMode());
        auto *fullScreen = qobject_cast<FullScreenMovieWindow *>(o().bigMovieView->window());
        ASSERT_NE(fullScreen, nullptr);
        ASSERT_TRUE(Gui::waitFor([&] { return fullScreen->isFullScreen(); }));
        const QWidget *strip = fullScreen->playPauseButton();
        EXPECT_TRUE(Gui::waitFor([&] { return strip->isVisible(); }));
        moveMouse(fullScreen, QPoint(fullScreen->width() / 2, fullScreen->height() * 9 / 10));
        EXPECT_TRUE(Gui::waitFor([&] { return !strip->isVisible(); }, 2000))
            << "the strip hides when the pointer leaves the top quarter";
        expectPictureFillsItsPlace(fullScreen, fullScreen->rect(), o().bigMovieView);
        GuiTestEnvironment::saveScreenshot(fullScreen, QStringLiteral("fullscreen_") + name);
        moveMouse(fullScreen, QPoint(fullScreen->width() / 2, fullScreen->height() / 10));
        EXPECT_TRUE(Gui::waitFor([&] { return strip->isVisible(); }, 2000));
        // A right click over the picture takes it back.
        QWidget *under = fullScreen->childAt(fullScreen->rect().center());
        ASSERT_NE(under, nullptr);
        Gui::sendMouse(under, QEvent::MouseButtonRelease, under->rect().center(), Qt::RightButton);
        ASSERT_TRUE(Gui::waitFor([&] { return !controller().session().isFullScreenMode(); }));
        EXPECT_EQ(o().bigMovieScrollView->widget(), o().bigMovieView);
        EXPECT_FALSE(fullScreen->isVisible());
    }

    void resizeWindow(const QSize &size)
    {
        controller().window()->resize(size);
        Gui::waitFor([&] { return controller().window()->size() == size; });
    }

    // The x origins of the bands that stay centred in a wider window.
    std::vector<int> bandOrigins()
    {
        std::vector<int> origins;
        for (const char *band : {"toolbarBg3", "dashBg3", "toolbarButtons", "dashboardCtrls"}) {
            const QWidget *widget = controller().window()->findChild<QWidget *>(band);
            origins.push_back(widget ? widget->mapTo(controller().window(), QPoint()).x() : -1);
        }
        return origins;
    }

    std::unique_ptr<Viewer> m_viewer;
};

} // namespace

TEST_F(LargePictureTest, FillsItsViewForEveryKindOfRecordingAndKeepsItsZoom)
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
        ASSERT_TRUE(m_viewer->play(QString::fromLatin1(kind.recording))) << kind.recording;
        expectPictureFillsItsView(name);
        for (const QSize size : {QSize(1400, 950), QSize(1024, 720)}) {
            resizeWindow(size);
            const QString sized =
                QStringLiteral("%1_%2x%3").arg(name).arg(size.width()).arg(size.height());
            expectPictureFillsItsView(sized);
            GuiTestEnvironment::saveScreenshot(controller().window(), "mainwindow_" + sized);
            const int shift = (size.width() - 1024) / 2;
            EXPECT_EQ(bandOrigins(), (std::vector{25 + shift, 18 + shift, 10 + shift, 43 + shift}));
        }
        EXPECT_EQ(o().swapButton->isEnabled(), kind.twoCameras);
        if (kind.twoCameras) {
            controller().toggleVideoSwithButtonTouched();
            expectPictureFillsItsView(name + QStringLiteral("_swapped"));
            controller().toggleVideoSwithButtonTouched();
        }
        expectFullScreenPicture(name);
        expectPictureFillsItsView(name + QStringLiteral("_after_full_screen"));
    }
    // Never narrower than the design.
    controller().window()->resize(800, 720);
    Gui::wait(100);
    EXPECT_EQ(controller().window()->width(), 1024);

    // Zoomed in, the picture keeps its scale and centre when the window
    // changes.
    controller().videoScaleUpButtonTouched();
    controller().videoScaleUpButtonTouched();
    QScrollArea *scroll = o().bigMovieScrollView;
    const QSize before = scroll->size();
    ASSERT_TRUE(
        Gui::waitFor([&] { return o().bigMovieView->width() == qRound(before.width() * 1.4); }));
    EXPECT_GT(o().bigMovieView->width(), scroll->viewport()->width());

    resizeWindow(QSize(1400, 950));
    ASSERT_TRUE(Gui::waitFor([&] { return scroll->width() > before.width(); }));
    Gui::wait(400);
    const QSize expected = scroll->size() * 1.4;
    EXPECT_NEAR(o().bigMovieView->width(), expected.width(), 1);
    EXPECT_NEAR(o().bigMovieView->height(), expected.height(), 1);
    // Centred: the visible part is the middle of the picture.
    const QPoint shown = -o().bigMovieView->pos() + scroll->viewport()->rect().center();
    EXPECT_NEAR(shown.x(), o().bigMovieView->width() / 2, 2);
    EXPECT_NEAR(shown.y(), o().bigMovieView->height() / 2, 2);
}
