#include "../GuiTestEnvironment.h"
#include "ViewerTestSupport.h"

#include "core/displays/TorvaSpeedUnit.h"
#include "core/library/RecordingFilter.h"
#include "core/playback/PlaybackTick.h"
#include "core/telemetry/DemoDrive.h"
#include "core/video/UnsupportedVideoAlert.h"
#include "core/video/Utils.h"
#include "gui/app/MainWindowMenus.h"
#include "gui/app/MapCoverView.h"
#include "gui/controls/ElidingLabel.h"
#include "gui/controls/ImageButton.h"
#include "gui/displays/SeekTimeSliderView.h"
#include "gui/displays/VolumeSliderView.h"
#include "gui/video/TorvaAVView.h"

#include "FileBytes.h"
#include "TempFolder.h"
#include "TestMedia.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QWindow>

using namespace ViewerTestSupport;
using Gui = GuiTestEnvironment;

namespace {

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
    EXPECT_EQ(o.gzLabel->text(), PlaybackTick::accelerationText(z));
    EXPECT_EQ(o.latLabel->text(), PlaybackTick::positionText(lat));
    EXPECT_EQ(o.lngLabel->text(), PlaybackTick::positionText(lng));
}

// A click as the window system delivers it, to the window, which gives the
// focus by the focus policies on its way to the widget.
void clickThroughTheWindow(QWidget *window, QWidget *widget)
{
    QWindow *handle = window->windowHandle();
    const QPointF at = widget->mapTo(window, QPointF(widget->rect().center()));
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, handle->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(handle, &click);
    }
}

} // namespace

TEST(MainWindowController, PlaysTheDemoCardWithItsTelemetry)
{
    ASSERT_TRUE(insertCard());
    Viewer viewer;
    MainWindowController &controller = viewer.controller;
    const MainWindow::Outlets &o = viewer.outlets();
    MainWindow *window = controller.window();
    ASSERT_EQ(rowCount(controller), kDemoCardRows);
    const QList<QUrl> rows = controller.library().filteredVideoFileList();
    EXPECT_TRUE(rows.first().path().endsWith("Saved_Videos/REC_20260514_083010.avi"));

    // A double click converts the two-camera AVI and starts both views.
    ASSERT_TRUE(viewer.playRow(0));
    EXPECT_EQ(controller.session().currentVideoUrl(), rows.first());
    EXPECT_EQ(o.bigMovieStack->currentWidget(), o.bigMovieScrollView) << "the cover is gone";
    ASSERT_TRUE(Gui::waitFor([&] { return o.bigMovieView->currentTime() > 1.2; }, 10000));

    // Paused, the read-outs show the sample of the current time.
    Gui::sendKey(window, Qt::Key_Space);
    EXPECT_TRUE(controller.session().isVideoPaused());
    Gui::wait(300);
    controller.refreshReadouts();
    EXPECT_EQ(o.playTimeLabel->text(), QStringLiteral("00:01/00:10"));
    expectReadoutsOfTheCurrentFrame(controller);
    EXPECT_FALSE(o.mapView->isCoverShown());

    // Frame steps: one back from 2.0 s is in second 1, and the read-outs
    // follow each step.
    o.bigMovieView->setCurrentTime(2.0);
    o.smallMovieView->setCurrentTime(2.0);
    Gui::wait(500);
    controller.refreshReadouts();
    ASSERT_EQ(o.playTimeLabel->text(), QStringLiteral("00:02/00:10"));
    Gui::sendKey(window, Qt::Key_Left);
    EXPECT_TRUE(Gui::waitFor([&] { return o.playTimeLabel->text() == "00:01/00:10"; }));
    expectReadoutsOfTheCurrentFrame(controller);
    Gui::sendKey(window, Qt::Key_Right);
    EXPECT_TRUE(Gui::waitFor([&] { return o.playTimeLabel->text() == "00:02/00:10"; }));
    EXPECT_TRUE(controller.session().isVideoPaused());

    // A click on the map leaves the keys to playback.
    Gui::sendKey(window, Qt::Key_Space);
    EXPECT_FALSE(controller.session().isVideoPaused());
    QWebEngineView *web = o.mapView->mapWebView();
    ASSERT_TRUE(Gui::waitFor([&] { return web->focusProxy() != nullptr; }, 10000));
    clickThroughTheWindow(window, web->focusProxy());
    Gui::wait(200);
    QWidget *focus = window->focusWidget();
    EXPECT_FALSE(focus && o.mapView->isAncestorOf(focus)) << "the map took the keyboard";
    Gui::sendKey(focus ? focus : window, Qt::Key_Space);
    EXPECT_TRUE(controller.session().isVideoPaused()) << "Space pauses";
    Gui::sendKey(window, Qt::Key_Space);

    // The map page draws the route and the car a moment after it is shown.
    Gui::wait(800);
    Gui::saveScreenshot(window, QStringLiteral("mainwindow_playing"));

    // Only the table changes with the filter: the recording that plays stays
    // selected, and its end goes on with the next row (after the last, the
    // first) with pan mode off again.
    const QUrl last = QUrl::fromLocalFile(cardFile("cont_rec/REC_20260514_083050.avi"));
    ASSERT_TRUE(viewer.play(last.toLocalFile()));
    controller.enterScrollMode();
    EXPECT_EQ(o.panButton->imageName(), QStringLiteral("pan_2"));
    controller.videoFileFilterTouched(RecordingFilter::Continuous);
    const QList<QUrl> continuous = controller.library().filteredVideoFileList();
    ASSERT_EQ(continuous.size(), 3);
    ASSERT_EQ(continuous.indexOf(last), 2);
    EXPECT_EQ(controller.selectedRow(), 2);
    EXPECT_EQ(controller.session().currentVideoUrl(), last);
    o.bigMovieView->setCurrentTime(o.bigMovieView->duration() - 1.0);
    ASSERT_TRUE(Gui::waitFor(
        [&] { return controller.session().currentVideoUrl() == continuous.first(); }, 15000));
    EXPECT_EQ(controller.selectedRow(), 0);
    EXPECT_TRUE(viewer.bothViewsPlay());
    EXPECT_FALSE(controller.session().zoom().enableBigMovieViewScroll());
    EXPECT_EQ(o.panButton->imageName(), QStringLiteral("pan_1"));
}

TEST(MainWindowController, OpeningAndRemovingTheCardInEveryLanguage)
{
    ASSERT_TRUE(insertCard());
    Viewer viewer;
    MainWindowController &controller = viewer.controller;
    const MainWindow::Outlets &o = viewer.outlets();
    const QString model = o.modelLabel->text();
    EXPECT_NE(model, localized("unknown"));

    // Another folder first, so that the card's listing comes from the path.
    // Its long name shows its end, shortened in the middle, and whole as a tip.
    QTemporaryDir root;
    const QString deep = root.filePath(
        QStringLiteral("a folder with a rather long name/another long folder name/recordings"));
    ASSERT_TRUE(QDir().mkpath(deep));
    controller.openPath(deep);
    EXPECT_EQ(rowCount(controller), 0);
    Gui::wait(100);
    ElidingLabel *folder = o.selectedFolderLabel;
    EXPECT_EQ(folder->text(), deep);
    EXPECT_EQ(folder->toolTip(), deep);
    const QString shown = folder->displayedText();
    EXPECT_TRUE(shown.contains(QChar(0x2026)) && shown.endsWith("recordings"))
        << shown.toStdString();
    EXPECT_LE(folder->fontMetrics().horizontalAdvance(shown), folder->contentsRect().width());
    const QString version = o.versionLabel->text();
    EXPECT_TRUE(version.startsWith(QStringLiteral("Ver ")) && version.size() > 4);
    EXPECT_GE(o.versionLabel->width(), o.versionLabel->fontMetrics().horizontalAdvance(version));
    const QString recording = cardFile("cont_rec/REC_20260514_083030.avi");
    controller.openPath(recording);
    ASSERT_EQ(rowCount(controller), kDemoCardRows);
    EXPECT_EQ(o.selectedFolderLabel->text(), cardPath());
    EXPECT_EQ(controller.selectedRow(),
              controller.library().filteredVideoFileList().indexOf(QUrl::fromLocalFile(recording)));
    EXPECT_TRUE(viewer.bothViewsPlay());
    EXPECT_EQ(controller.session().currentVideoUrl(), QUrl::fromLocalFile(recording));

    ASSERT_TRUE(takeCardOut(true));
    EXPECT_TRUE(Gui::waitFor([&] { return rowCount(controller) == 0; }, 8000));
    EXPECT_EQ(o.modelLabel->text(), localized("unknown"));
    EXPECT_TRUE(o.selectedFolderLabel->text().isEmpty());

    // The texts follow the language, the unknown model's too.
    MainWindowMenus *menus = controller.menus();
    const QString englishAll = o.filterButtons.first()->text();

    menus->languageAction(QStringLiteral("fr"))->trigger();
    EXPECT_TRUE(
        Gui::waitFor([&] { return menus->languageMenu()->title() == QStringLiteral("Langue"); }));
    EXPECT_EQ(o.filterButtons.first()->text(), QStringLiteral("Tout"));
    EXPECT_EQ(menus->speedUnitMenu()->title(), QStringLiteral("Unité de vitesse"));
    EXPECT_EQ(o.modelLabel->text(), QStringLiteral("Inconnu"));
    EXPECT_TRUE(menus->languageAction(QStringLiteral("fr"))->isChecked());
    menus->languageAction(QStringLiteral("ja"))->trigger();
    EXPECT_TRUE(
        Gui::waitFor([&] { return menus->languageMenu()->title() != QStringLiteral("Langue"); }));
    EXPECT_NE(o.filterButtons.first()->text(), QStringLiteral("Tout"));
    EXPECT_NE(o.filterButtons.first()->text(), englishAll);
    menus->languageAction(QStringLiteral("en"))->trigger();
    EXPECT_TRUE(Gui::waitFor([&] { return o.filterButtons.first()->text() == englishAll; }));

    menus->mphAction()->trigger();
    EXPECT_TRUE(TorvaSpeedUnit::isMph() && !menus->kmphAction()->isChecked());
    menus->kmphAction()->trigger();
    EXPECT_FALSE(TorvaSpeedUnit::isMph());

    ASSERT_TRUE(takeCardOut(false));
    EXPECT_TRUE(Gui::waitFor([&] { return rowCount(controller) == kDemoCardRows; }, 8000));
    EXPECT_EQ(o.modelLabel->text(), model);
}

TEST(MainWindowController, AlertsShortcutsFullScreenAndAShorterRearFile)
{
    TempFolder folder;
    const QString broken = folder.write(QStringLiteral("broken/REC_20260101_000000.avi"),
                                        QByteArray("RIFF\x10\0\0\0AVI nothing playable here", 32));
    // An MP4 pair never converted before, so that its conversion takes a while.
    ASSERT_TRUE(insertCard());
    for (const char *camera : {"F", "R"})
        folder.write(QStringLiteral("EVT_20260101_000000_%1.mp4").arg(camera),
                     FileBytes::read(cardFile(
                         QStringLiteral("evt_rec/EVT_20260514_083050_%1.mp4").arg(camera))));
    Viewer viewer;
    MainWindowController &controller = viewer.controller;
    const MainWindow::Outlets &o = viewer.outlets();
    MainWindow *window = controller.window();

    // A file that cannot play: the alert, and the cover stays.
    controller.openPath(broken);
    EXPECT_EQ(rowCount(controller), 1);
    ASSERT_TRUE(Gui::waitFor([&] { return controller.unsupportedFileAlert() != nullptr; }, 20000));
    QMessageBox *alert = controller.unsupportedFileAlert();
    EXPECT_EQ(alert->text(), localized(UnsupportedVideoAlert::kTitleKey));
    EXPECT_EQ(alert->informativeText(), localized(UnsupportedVideoAlert::kMessageKey));
    EXPECT_TRUE(controller.session().currentVideoUrl().isEmpty());
    EXPECT_NE(o.bigMovieStack->currentWidget(), o.bigMovieScrollView);
    alert->close();
    EXPECT_TRUE(Gui::waitFor([&] { return controller.unsupportedFileAlert() == nullptr; }));

    // A conversion cancelled from its progress dialog plays nothing, shows
    // no alert and leaves no partial file. On a busy machine it may finish
    // before the cancel arrives: then the whole converted file plays.
    controller.openPath(folder.path("EVT_20260101_000000_F.mp4"));
    if (auto *progress = window->findChild<QProgressDialog *>())
        progress->findChild<QPushButton *>()->click();
    const auto partialFiles = [] {
        QStringList partial;
        for (QDirIterator it(Utils::GetWorkingDirectoryPath() + "/temp_video", {".*"},
                             QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
             it.hasNext();)
            partial << it.next();
        return partial;
    };
    EXPECT_TRUE(Gui::waitFor([&] { return partialFiles().isEmpty(); }, 10000))
        << partialFiles().join(' ').toStdString();
    EXPECT_EQ(controller.unsupportedFileAlert(), nullptr);
    if (controller.session().state() == PlaybackSession::State::Converting)
        EXPECT_EQ(o.bigMovieView->status(), VideoStatus::NoFile);
    else // finished first
        EXPECT_TRUE(viewer.bothViewsPlay() && QFileInfo(o.bigMovieView->fileName()).isFile());

    ASSERT_TRUE(viewer.play(QStringLiteral("cont_rec/REC_20260514_083000.avi")));
    ASSERT_TRUE(viewer.bothViewsPlay());
    Gui::sendKey(window, Qt::Key_Down);
    EXPECT_FLOAT_EQ(o.volumeSlider->volume(), 0.9f);
    EXPECT_FLOAT_EQ(o.bigMovieView->volume(), 0.9f);
    EXPECT_FLOAT_EQ(o.smallMovieView->volume(), 0.0f);
    Gui::sendKey(window, Qt::Key_Up);
    EXPECT_FLOAT_EQ(o.volumeSlider->volume(), 1.0f);
    Gui::sendKey(window, Qt::Key_Q);
    EXPECT_TRUE(window->isVisible()) << "Q without Control does nothing";

    // A right click on the small picture asks for it full screen, with its
    // sound; Escape leaves, and both play on together.
    Gui::sendMouse(o.smallMovieView, QEvent::MouseButtonRelease, o.smallMovieView->rect().center(),
                   Qt::RightButton);
    ASSERT_TRUE(Gui::waitFor([&] { return controller.session().isFullScreenMode(); }));
    EXPECT_EQ(controller.session().fullScreenView(), PlaybackSession::View::Small);
    EXPECT_FLOAT_EQ(o.smallMovieView->volume(), 1.0f);
    EXPECT_FLOAT_EQ(o.bigMovieView->volume(), 0.0f);
    Gui::sendKey(o.smallMovieView->window(), Qt::Key_Escape);
    EXPECT_FALSE(controller.session().isFullScreenMode());
    EXPECT_EQ(o.smallMovieView->parentWidget(), o.smallMovieSlot);
    EXPECT_FLOAT_EQ(o.smallMovieView->volume(), 0.0f);
    EXPECT_FLOAT_EQ(o.bigMovieView->volume(), 1.0f);
    EXPECT_TRUE(Gui::waitFor(
        [&] { return o.bigMovieView->rate() > 0.0 && o.smallMovieView->rate() > 0.0; }));

    // A shorter rear file: its end stops nothing.
    const QString front = folder.path("EVT_20260101_000100_F.mp4");
    DemoDrive::Options options;
    options.seconds = 4;
    ASSERT_TRUE(TestMedia::mp4WithSubtitles(front, DemoDrive(options).srtText(),
                                            QStringLiteral("320x180"), 4));
    options.seconds = 1;
    ASSERT_TRUE(TestMedia::mp4WithSubtitles(folder.path("EVT_20260101_000100_R.mp4"),
                                            DemoDrive(options).srtText(), QStringLiteral("160x90"),
                                            1));
    ASSERT_TRUE(viewer.play(front));
    ASSERT_TRUE(viewer.bothViewsPlay());

    // The rear picture ends after a second; the time label, the slider and
    // the read-outs go on with the front picture.
    ASSERT_TRUE(Gui::waitFor([&] { return o.bigMovieView->currentTime() > 2.0; }, 15000));
    EXPECT_EQ(o.smallMovieView->rate(), 0.0) << "the rear file has ended";
    const QString label = o.playTimeLabel->text();
    const double slider = o.seekTimeSlider->currentSliderValue();
    EXPECT_TRUE(Gui::waitFor([&] {
        return o.playTimeLabel->text() != label &&
               o.seekTimeSlider->currentSliderValue() > slider + 0.5;
    })) << "still "
        << label.toStdString();
    EXPECT_FALSE(controller.session().isVideoPaused());
}
