#include "../GuiTestEnvironment.h"
#include "ViewerTestSupport.h"

#include "core/video/Mp4Movie.h"
#include "gui/app/ClipExportActions.h"
#include "gui/controls/BGColorView.h"
#include "gui/displays/SeekTimeSliderView.h"

#include "TempFolder.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTableView>

#include <gtest/gtest.h>

#include <optional>

using namespace ViewerTestSupport;

// I and O mark the range on the seek bar; Export clip makes a composed clip
// of both cameras of the range in the background and says so; another
// recording starts without marks.
TEST(ClipExportActions, MarkedRangeBecomesAComposedClip)
{
    ASSERT_TRUE(insertCard());
    Viewer viewer;
    viewer.ignoreMountChanges();
    MainWindowController &controller = viewer.controller;
    const MainWindow::Outlets &o = viewer.outlets();
    ClipExportActions *clips = controller.clipActions();
    QWidget *window = controller.window();
    GuiTestEnvironment::sendKey(window, Qt::Key_I);
    EXPECT_TRUE(clips->marks().isEmpty()) << "nothing plays yet";

    ASSERT_TRUE(viewer.play(cardFile(QStringLiteral("evt_rec/EVT_20260514_083050_F.mp4"))));
    controller.session().pauseVideo();
    o.seekTimeSlider->setCurrentSliderValue(1.0);
    GuiTestEnvironment::sendKey(window, Qt::Key_I);
    o.seekTimeSlider->setCurrentSliderValue(3.5);
    // The table has the keys after a double click; it passes these on.
    GuiTestEnvironment::sendKey(o.fileTable, Qt::Key_O);
    EXPECT_EQ(clips->marks().in(), 1.0);
    EXPECT_EQ(clips->marks().out(), 3.5);
    const BGColorView *band = o.seekTimeSlider->markedRangeView();
    EXPECT_TRUE(band->isVisible());
    const SeekSliderGeometry travel = o.seekTimeSlider->sliderTravel();
    const double duration = o.seekTimeSlider->maxSliderValue();
    EXPECT_NEAR(band->x(), travel.xPointForValue(1.0, duration), 1.0);
    EXPECT_NEAR(band->x() + band->width(), travel.xPointForValue(3.5, duration), 1.0);
    EXPECT_FALSE(GuiTestEnvironment::saveScreenshot(o.seekTimeSlider, "clip_marks").isEmpty());

    TempFolder out;
    clips->chooseOptions = [](bool hasRear, ClipRequest &request) {
        EXPECT_TRUE(hasRear);
        request.mode = ClipRequest::Mode::Composed;
        request.layout = ClipRequest::Layout::Pip;
        request.overlay = true;
        return true;
    };
    clips->chooseOutput = [&](const QString &suggested) {
        EXPECT_TRUE(suggested.endsWith(QStringLiteral("EVT_20260514_083050_F_00m01s-00m03s.mp4")))
            << suggested.toStdString();
        return out.path(QStringLiteral("clip.mp4"));
    };
    std::optional<ClipExport::Result> result;
    QObject::connect(clips, &ClipExportActions::exportFinished,
                     [&result](const ClipExport::Result &done) { result = done; });
    QString message;
    whenModal<QMessageBox>([&message](QMessageBox *box) {
        message = box->text();
        box->buttons().constFirst()->click();
    });
    clips->exportClipTouched();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return result && !message.isEmpty(); }, 60000));
    EXPECT_EQ(result->status, ClipExport::Result::Status::Done) << result->log.toStdString();
    EXPECT_EQ(result->files, QStringList{out.path(QStringLiteral("clip.mp4"))});
    EXPECT_EQ(message, localized("구간을 내보냈습니다."));
    const auto movie = Mp4Movie::readFile(out.path(QStringLiteral("clip.mp4")));
    ASSERT_TRUE(movie);
    EXPECT_NEAR(movie->duration, 2.5, 0.1);
    EXPECT_EQ(clips->runningExport(), nullptr);

    ASSERT_TRUE(viewer.play(cardFile(QStringLiteral("manual_rec/MANUAL_20260514_083110.mp4"))));
    EXPECT_TRUE(clips->marks().isEmpty());
    EXPECT_FALSE(band->isVisible());
}
