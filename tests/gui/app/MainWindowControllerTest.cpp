#include "../GuiTestEnvironment.h"
#include "../displays/TestArtifacts.h"
#include "PictureChecks.h"
#include "ViewerTestSupport.h"

#include "core/displays/TorvaSpeedUnit.h"
#include "core/playback/PlaybackTick.h"
#include "core/video/UnsupportedVideoAlert.h"
#include "gui/app/MainWindow.h"
#include "gui/app/MainWindowController.h"
#include "gui/app/MainWindowMenus.h"
#include "gui/app/MapCoverView.h"
#include "gui/controls/ElidingLabel.h"
#include "gui/controls/ImageButton.h"
#include "gui/displays/VolumeSliderView.h"
#include "gui/video/TorvaAVView.h"

#include "TestMedia.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <cmath>

using namespace ViewerTestSupport;

TEST(MainWindowController, PlaysTheDemoCardWithItsTelemetry)
{
    ASSERT_TRUE(Volumes::instance().insertCard());
    Viewer viewer;
    MainWindowController &controller = viewer.controller;
    const MainWindow::Outlets &o = viewer.outlets();
    ASSERT_EQ(rowCount(controller), 9);
    const QList<QUrl> rows = controller.library().filteredVideoFileList();
    EXPECT_TRUE(rows.first().path().endsWith("Saved_Videos/REC_20260514_083010.avi"));
    EXPECT_NE(o.modelLabel->text(), localized("unknown"));

    // A conversion cancelled from its progress dialog plays nothing and
    // shows no alert.
    doubleClickRow(o.fileTable, 1);
    QProgressDialog *progress = controller.window()->findChild<QProgressDialog *>();
    ASSERT_NE(progress, nullptr);
    progress->cancel();
    GuiTestEnvironment::wait(300);
    EXPECT_EQ(controller.unsupportedFileAlert(), nullptr);
    EXPECT_EQ(o.bigMovieView->status(), VideoStatus::NoFile);
    EXPECT_EQ(controller.session().state(), PlaybackSession::State::Converting);

    // The front file of an MP4 pair plays with its rear partner.
    doubleClickRow(o.fileTable, 1);
    ASSERT_TRUE(
        GuiTestEnvironment::waitFor([&] { return bothViewsReady(controller); }, kPlayTimeoutMs));
    EXPECT_NE(controller.session().subtitleData(), nullptr);
    EXPECT_TRUE(o.swapButton->isEnabled());

    // A double click converts the two-camera AVI and starts both views.
    doubleClickRow(o.fileTable, 0);
    ASSERT_TRUE(
        GuiTestEnvironment::waitFor([&] { return bothViewsReady(controller); }, kPlayTimeoutMs));
    EXPECT_EQ(controller.session().currentVideoUrl(), rows.first());
    EXPECT_EQ(o.bigMovieStack->currentWidget(), o.bigMovieScrollView) << "the cover is gone";
    ASSERT_TRUE(
        GuiTestEnvironment::waitFor([&] { return o.bigMovieView->currentTime() > 1.2; }, 10000));
    EXPECT_FALSE(controller.session().isVideoPaused());

    // Paused, the read-outs show the sample of the current time.
    pressKey(controller.window(), Qt::Key_Space);
    EXPECT_TRUE(controller.session().isVideoPaused());
    GuiTestEnvironment::wait(300);
    controller.refreshReadouts();
    const double t = o.bigMovieView->currentTime();
    const double d = o.bigMovieView->duration();
    EXPECT_EQ(o.playTimeLabel->text(), PlaybackTick::updatePlayTime(t, d));
    EXPECT_EQ(o.playTimeLabel->text(), QStringLiteral("00:01/00:10"));
    const TorvaClipData &clip = controller.session().clipData();
    ASSERT_GT(clip.clipDataCount(), uint32_t(t * 10.0));
    int32_t x = 0, y = 0, z = 0;
    uint32_t speed = 0;
    float lat = 0.0f, lng = 0.0f;
    clip.getClipDataWithIndex(int32_t(t * 10.0), x, y, z, lat, lng, speed);
    EXPECT_EQ(o.gxLabel->text(), PlaybackTick::accelerationText(x));
    EXPECT_EQ(o.gyLabel->text(), PlaybackTick::accelerationText(y));
    EXPECT_EQ(o.gzLabel->text(), PlaybackTick::accelerationText(z));
    EXPECT_EQ(o.latLabel->text(), PlaybackTick::positionText(lat));
    EXPECT_EQ(o.lngLabel->text(), PlaybackTick::positionText(lng));
    EXPECT_FALSE(o.mapView->isCoverShown());
    // The map page draws the route and the car a moment after it is shown.
    GuiTestEnvironment::wait(800);
    TestArtifacts::saveScreenshot(controller.window(), QStringLiteral("mainwindow_playing"));
    PictureChecks::expectLargeViewFillsItsPlace(o.bigMovieScrollView, o.bigMovieView);

    // Swap: the large view takes the rear camera's file and plays on.
    const QString front = o.bigMovieView->fileName();
    const QString rear = o.smallMovieView->fileName();
    ASSERT_FALSE(rear.isEmpty());
    const QImage frontPicture = o.bigMovieView->snapshot();
    const QImage rearPicture = o.smallMovieView->snapshot();
    EXPECT_NE(frontPicture, rearPicture);
    controller.toggleVideoSwithButtonTouched();
    EXPECT_EQ(o.bigMovieView->fileName(), rear);
    EXPECT_EQ(o.smallMovieView->fileName(), front);
    EXPECT_TRUE(controller.session().isVideoSwitched());
    EXPECT_FALSE(controller.session().isVideoPaused());
    GuiTestEnvironment::wait(500);
    TestArtifacts::saveScreenshot(controller.window(), QStringLiteral("mainwindow_swapped"));
    PictureChecks::expectLargeViewFillsItsPlace(o.bigMovieScrollView, o.bigMovieView);

    // Zoom in twice: the large picture grows past its scroll view.
    controller.videoScaleUpButtonTouched();
    controller.videoScaleUpButtonTouched();
    GuiTestEnvironment::waitFor(
        [&] { return o.bigMovieView->width() > o.bigMovieScrollView->viewport()->width(); });
    EXPECT_NEAR(controller.session().zoom().videoScale(), 1.4, 1e-9);
    EXPECT_GT(o.bigMovieView->width(), o.bigMovieScrollView->viewport()->width());

    // The end of the last row goes on with row 0.
    const int last = int(rows.size()) - 1;
    doubleClickRow(o.fileTable, last);
    EXPECT_EQ(controller.selectedRow(), last);
    ASSERT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return o.bigMovieView->status() == VideoStatus::ReadyToPlay; }, kPlayTimeoutMs));
    EXPECT_EQ(controller.session().currentVideoUrl(), rows.at(last));
    EXPECT_FALSE(o.swapButton->isEnabled()) << "a single-camera recording cannot swap";
    o.bigMovieView->setCurrentTime(o.bigMovieView->duration() - 1.0);
    ASSERT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return controller.session().currentVideoUrl() == rows.first(); }, 15000));
    EXPECT_EQ(controller.selectedRow(), 0);
    EXPECT_TRUE(
        GuiTestEnvironment::waitFor([&] { return bothViewsReady(controller); }, kPlayTimeoutMs));
}

TEST(MainWindowController, RemovingTheCardEmptiesTheList)
{
    ASSERT_TRUE(Volumes::instance().insertCard());
    Viewer viewer;
    const MainWindow::Outlets &o = viewer.outlets();
    ASSERT_EQ(rowCount(viewer.controller), 9);
    const QString model = o.modelLabel->text();
    EXPECT_NE(model, localized("unknown"));

    ASSERT_TRUE(Volumes::instance().removeCard());
    EXPECT_TRUE(
        GuiTestEnvironment::waitFor([&] { return rowCount(viewer.controller) == 0; }, 8000));
    EXPECT_EQ(o.modelLabel->text(), localized("unknown"));
    EXPECT_TRUE(o.selectedFolderLabel->text().isEmpty());

    ASSERT_TRUE(Volumes::instance().reinsertCard());
    EXPECT_TRUE(
        GuiTestEnvironment::waitFor([&] { return rowCount(viewer.controller) == 9; }, 8000));
    EXPECT_EQ(o.modelLabel->text(), model);
}

TEST(MainWindowController, OpeningARecordingListsItsCardAndPlaysIt)
{
    ASSERT_TRUE(Volumes::instance().insertCard());
    Viewer viewer;
    MainWindowController &controller = viewer.controller;
    // Another folder first, so that the card's listing comes from the path.
    QTemporaryDir elsewhere;
    controller.openPath(elsewhere.path());
    EXPECT_EQ(rowCount(controller), 0);
    EXPECT_EQ(viewer.outlets().selectedFolderLabel->text(), elsewhere.path());

    const QString recording =
        QDir(Volumes::instance().cardPath()).filePath("cont_rec/REC_20260514_083030.avi");
    controller.openPath(recording);
    ASSERT_EQ(rowCount(controller), 9);
    EXPECT_EQ(viewer.outlets().selectedFolderLabel->text(), Volumes::instance().cardPath());
    const int row =
        int(controller.library().filteredVideoFileList().indexOf(QUrl::fromLocalFile(recording)));
    EXPECT_EQ(controller.selectedRow(), row);
    EXPECT_TRUE(
        GuiTestEnvironment::waitFor([&] { return bothViewsReady(controller); }, kPlayTimeoutMs));
    EXPECT_EQ(controller.session().currentVideoUrl(), QUrl::fromLocalFile(recording));
}

TEST(MainWindowController, BrokenRecordingShowsTheAlert)
{
    Volumes::instance();
    QTemporaryDir folder;
    const QString broken = QDir(folder.path()).filePath(QStringLiteral("REC_20260101_000000.avi"));
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("RIFF\x10\0\0\0AVI nothing playable here", 32));
    }
    Viewer viewer;
    viewer.controller.openPath(broken);
    EXPECT_EQ(rowCount(viewer.controller), 1);
    ASSERT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return viewer.controller.unsupportedFileAlert() != nullptr; }, 20000));
    QMessageBox *alert = viewer.controller.unsupportedFileAlert();
    EXPECT_EQ(alert->text(), localized(UnsupportedVideoAlert::kTitleKey));
    EXPECT_EQ(alert->informativeText(), localized(UnsupportedVideoAlert::kMessageKey));
    EXPECT_TRUE(viewer.controller.session().currentVideoUrl().isEmpty());
    EXPECT_NE(viewer.outlets().bigMovieStack->currentWidget(), viewer.outlets().bigMovieScrollView)
        << "the cover stands in for the picture";
    alert->close();
    EXPECT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return viewer.controller.unsupportedFileAlert() == nullptr; }));
}

TEST(MainWindowController, LanguageSwitchRetitlesTheWindow)
{
    Volumes::instance();
    Viewer viewer;
    MainWindowMenus *menus = viewer.controller.menus();
    const MainWindow::Outlets &o = viewer.outlets();
    EXPECT_EQ(viewer.controller.window()->windowTitle(), QStringLiteral("Torvaview"));
    const QString englishAll = o.filterButtons.first()->text();

    menus->languageAction(QStringLiteral("fr"))->trigger();
    EXPECT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return menus->languageMenu()->title() == QStringLiteral("Langue"); }));
    EXPECT_EQ(o.filterButtons.first()->text(), QStringLiteral("Tout"));
    EXPECT_EQ(menus->speedUnitMenu()->title(), QStringLiteral("Unité de vitesse"));
    if (rowCount(viewer.controller) == 0) {
        EXPECT_EQ(o.modelLabel->text(), QStringLiteral("Inconnu"));
    }
    EXPECT_TRUE(menus->languageAction(QStringLiteral("fr"))->isChecked());

    menus->languageAction(QStringLiteral("ja"))->trigger();
    EXPECT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return menus->languageMenu()->title() != QStringLiteral("Langue"); }));
    EXPECT_NE(o.filterButtons.first()->text(), QStringLiteral("Tout"));
    EXPECT_NE(o.filterButtons.first()->text(), englishAll);

    menus->languageAction(QStringLiteral("en"))->trigger();
    EXPECT_TRUE(
        GuiTestEnvironment::waitFor([&] { return o.filterButtons.first()->text() == englishAll; }));
}

TEST(MainWindowController, ShortcutsAndFullScreen)
{
    Volumes::instance();
    QTemporaryDir folder;
    const QString recording = QDir(folder.path()).filePath("REC_20260101_000000.avi");
    ASSERT_TRUE(TestMedia::dualCameraAvi(recording));
    Viewer viewer;
    MainWindowController &controller = viewer.controller;
    const MainWindow::Outlets &o = viewer.outlets();
    MainWindow *window = controller.window();
    controller.openPath(recording);
    ASSERT_TRUE(
        GuiTestEnvironment::waitFor([&] { return bothViewsReady(controller); }, kPlayTimeoutMs));

    pressKey(window, Qt::Key_Space);
    EXPECT_TRUE(controller.session().isVideoPaused());
    pressKey(window, Qt::Key_Space);
    EXPECT_FALSE(controller.session().isVideoPaused());
    pressKey(window, Qt::Key_Down);
    EXPECT_FLOAT_EQ(o.volumeSlider->volume(), 0.9f);
    EXPECT_FLOAT_EQ(o.bigMovieView->volume(), 0.9f);
    EXPECT_FLOAT_EQ(o.smallMovieView->volume(), 0.0f);
    pressKey(window, Qt::Key_Up);
    EXPECT_FLOAT_EQ(o.volumeSlider->volume(), 1.0f);
    pressKey(window, Qt::Key_Q);
    EXPECT_TRUE(window->isVisible()) << "Q without Control does nothing";

    // Return shows the large picture full screen, and Return again takes it back.
    pressKey(window, Qt::Key_Return);
    ASSERT_TRUE(controller.session().isFullScreenMode());
    QWidget *fullScreen = o.bigMovieView->window();
    EXPECT_NE(fullScreen, window);
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return fullScreen->isFullScreen(); }));
    GuiTestEnvironment::wait(500);
    // The strip goes when the pointer leaves the top, leaving the picture alone.
    moveMouse(fullScreen, QPoint(fullScreen->width() / 2, fullScreen->height() - 10));
    GuiTestEnvironment::wait(500);
    TestArtifacts::saveScreenshot(fullScreen, QStringLiteral("mainwindow_fullscreen"));
    // The picture fills the screen's height or width, the rest black.
    const QImage frame = o.bigMovieView->snapshot();
    EXPECT_EQ(PictureChecks::placeFault(
                  fullScreen->grab().toImage().convertToFormat(QImage::Format_RGB32),
                  PictureChecks::letterboxed(frame.size(), fullScreen->rect()), frame)
                  .toStdString(),
              "");
    pressKey(fullScreen, Qt::Key_Return);
    EXPECT_FALSE(controller.session().isFullScreenMode());
    EXPECT_EQ(o.bigMovieScrollView->widget(), o.bigMovieView);
    EXPECT_EQ(o.bigMovieView->window(), window);
    EXPECT_FALSE(fullScreen->isVisible());

    // A right click on the small picture asks for it full screen; Escape leaves.
    const QPoint centre = o.smallMovieView->rect().center();
    QMouseEvent rightClick(QEvent::MouseButtonRelease, QPointF(centre),
                           o.smallMovieView->mapToGlobal(QPointF(centre)), Qt::RightButton,
                           Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(o.smallMovieView, &rightClick);
    ASSERT_TRUE(
        GuiTestEnvironment::waitFor([&] { return controller.session().isFullScreenMode(); }));
    EXPECT_EQ(controller.session().fullScreenView(), PlaybackSession::View::Small);
    EXPECT_FLOAT_EQ(o.smallMovieView->volume(), 1.0f);
    EXPECT_FLOAT_EQ(o.bigMovieView->volume(), 0.0f);
    pressKey(o.smallMovieView->window(), Qt::Key_Escape);
    EXPECT_FALSE(controller.session().isFullScreenMode());
    EXPECT_EQ(o.smallMovieView->parentWidget(), o.smallMovieSlot);
    EXPECT_FLOAT_EQ(o.smallMovieView->volume(), 0.0f);
    EXPECT_FLOAT_EQ(o.bigMovieView->volume(), 1.0f);
    EXPECT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return o.bigMovieView->rate() > 0.0 && o.smallMovieView->rate() > 0.0; }));
}

TEST(MainWindowController, SpeedUnitMenu)
{
    Volumes::instance();
    Viewer viewer;
    MainWindowMenus *menus = viewer.controller.menus();
    EXPECT_TRUE(menus->kmphAction()->isChecked());
    menus->mphAction()->trigger();
    EXPECT_TRUE(TorvaSpeedUnit::isMph());
    EXPECT_TRUE(menus->mphAction()->isChecked());
    EXPECT_FALSE(menus->kmphAction()->isChecked());
    menus->kmphAction()->trigger();
    EXPECT_FALSE(TorvaSpeedUnit::isMph());
}
