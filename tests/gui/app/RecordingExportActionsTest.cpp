#include "../GuiTestEnvironment.h"
#include "ViewerTestSupport.h"

#include "core/library/ExportFile.h"
#include "core/library/RecordingExportTexts.h"
#include "core/telemetry/TelemetrySource.h"
#include "core/telemetry/TorvaClipData.h"
#include "gui/app/RecordingCopyRunner.h"
#include "gui/app/RecordingExportActions.h"
#include "gui/controls/ImageButton.h"
#include "gui/video/TorvaAVView.h"

#include "FileBytes.h"
#include "ReadOnlyCard.h"
#include "TempFolder.h"
#include "TestMedia.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QXmlStreamReader>

#include <cmath>
#include <functional>
#include <memory>
#include <utility>

using namespace ViewerTestSupport;
using Gui = GuiTestEnvironment;

namespace {

using Texts = RecordingExportTexts;

// Answers the save dialog that the action opens with path (and the name
// filter, when given); gives the name it proposed, its title and its two
// buttons.
QStringList saveAs(const QString &path, const std::function<void()> &action,
                   const QString &nameFilter = {})
{
    auto seen = std::make_shared<QStringList>();
    whenModal<QFileDialog>([seen, path, nameFilter](QFileDialog *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        *seen = {name->text(), dialog->windowTitle(), dialog->labelText(QFileDialog::Accept),
                 dialog->labelText(QFileDialog::Reject)};
        if (!nameFilter.isEmpty())
            dialog->selectNameFilter(nameFilter);
        name->setText(path);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->click();
    });
    action();
    EXPECT_TRUE(Gui::waitFor([&] { return !seen->isEmpty(); }, kPlayTimeoutMs));
    return *seen;
}

// Answers the next question with the button titled by the key; gives back
// the question and its details.
std::shared_ptr<QStringList> answerQuestion(const char *answerKey)
{
    auto asked = std::make_shared<QStringList>();
    whenModal<QMessageBox>([asked, answer = localized(answerKey)](QMessageBox *box) {
        *asked = {box->text(), box->informativeText()};
        Gui::saveScreenshot(box, QStringLiteral("export_remove_question"));
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer)
                button->click();
        }
    });
    return asked;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The text of the message the actions show, once it is open.
QString messageShown(Viewer &viewer)
{
    RecordingExportActions *actions = viewer.controller.exportActions();
    if (!Gui::waitFor([&] { return actions->message() != nullptr; }))
        return {};
    const QString text = actions->message()->text();
    actions->message()->close();
    return text;
}

int rowOf(MainWindowController &controller, const char *cardFileName)
{
    return int(controller.library().filteredVideoFileList().indexOf(
        QUrl::fromLocalFile(cardFile(cardFileName))));
}

// A right click on the row: the table's context menu, and its item titled
// by the key is chosen.
QMenu *chooseFromContextMenu(Viewer &viewer, int row, const char *key)
{
    QTableView *table = viewer.outlets().fileTable;
    const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, table->viewport()->mapToGlobal(at));
    QApplication::sendEvent(table->viewport(), &event);
    QMenu *menu = viewer.controller.exportActions()->fileContextMenu();
    EXPECT_TRUE(Gui::waitFor([menu] { return menu->isVisible(); }));
    EXPECT_EQ(viewer.controller.selectedRow(), row) << "the menu selects its row";
    for (QAction *action : menu->actions()) {
        if (action->text() == localized(key)) {
            action->trigger();
            return menu;
        }
    }
    ADD_FAILURE() << "no menu item " << key;
    return menu;
}

bool copyFinished(Viewer &viewer)
{
    return Gui::waitFor(
        [&] { return !viewer.controller.exportActions()->copyRunner()->isRunning(); }, 60000);
}

// The exported GPX file has the positions of the track, in order.
void expectSameTrack(const QString &gpx, const TorvaClipData &track)
{
    QList<QPointF> points;
    for (QXmlStreamReader xml(FileBytes::read(gpx)); !xml.atEnd();) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"trkpt")
            points.append({xml.attributes().value("lat").toDouble(),
                           xml.attributes().value("lon").toDouble()});
    }
    qsizetype next = 0;
    for (int32_t i = 0; i < int32_t(track.clipDataCount()); ++i) {
        if (track.getGpsLat(i) == 0.0f && track.getGpsLng(i) == 0.0f)
            continue;
        ASSERT_LT(next, points.size());
        EXPECT_NEAR(points[next].x(), track.getGpsLat(i), 1e-5) << i;
        EXPECT_NEAR(points[next++].y(), track.getGpsLng(i), 1e-5) << i;
    }
    EXPECT_GT(next, 0);
    EXPECT_EQ(next, points.size());
}

// A card that cannot be written, with one recording on it.
struct LockedCard
{
    LockedCard()
    {
        EXPECT_TRUE(card.error().isEmpty()) << qPrintable(card.error());
        QFile(recording).open(QIODevice::WriteOnly);
        EXPECT_TRUE(card.makeReadOnly());
    }

    ReadOnlyCard card;
    const QString recording = QDir(card.path()).filePath("REC_20260101_000200.avi");
};

} // namespace

TEST(RecordingExportActions, PictureAndRecordingAreSavedWholeOrNotAtAll)
{
    ASSERT_TRUE(insertCard());
    Viewer viewer;
    viewer.ignoreMountChanges();
    MainWindowController &controller = viewer.controller;
    const MainWindow::Outlets &o = viewer.outlets();
    EXPECT_FALSE(o.snapshotButton->isEnabled()) << "nothing to picture yet";
    EXPECT_FALSE(o.printButton->isEnabled());
    ASSERT_TRUE(viewer.playRow(rowOf(controller, "Saved_Videos/REC_20260514_083010.avi")));
    EXPECT_TRUE(o.snapshotButton->isEnabled());
    EXPECT_TRUE(o.printButton->isEnabled());

    // Paused at exactly one second, once the picture stands still.
    TempFolder out;
    controller.session().pauseVideo();
    o.bigMovieView->setCurrentTime(1.0);
    QImage shown;
    ASSERT_TRUE(Gui::waitFor(
        [&] {
            const QImage previous = std::exchange(shown, o.bigMovieView->snapshot());
            return std::abs(o.bigMovieView->currentTime() - 1.0) < 1e-6 && shown == previous;
        },
        20000));

    // The picture at the video's natural size, pixel for pixel.
    EXPECT_EQ(saveAs(out.path("frame.png"), [&] { o.snapshotButton->click(); }),
              QStringList({"REC_20260514_083010_1000.png", localized(Texts::kSaveKey),
                           localized(Texts::kSaveKey), localized(Texts::kCancelKey)}));
    EXPECT_EQ(QImage(out.path("frame.png")).convertToFormat(QImage::Format_RGB32), shown);

    // A card that cannot be written: the user is told, nothing is left.
    LockedCard locked;
    const QString readOnly = localized(ExportFile::messageKey(ExportFile::Result::TargetReadOnly));
    saveAs(QDir(locked.card.path()).filePath("frame.png"), [&] { o.snapshotButton->click(); });
    EXPECT_EQ(messageShown(viewer), readOnly);

    // Printed to a PDF file through the print dialog: one landscape page.
    const QString pdf = out.path("print.pdf");
    QPageLayout::Orientation offered = QPageLayout::Portrait;
    whenModal<QPrintDialog>([&](QPrintDialog *dialog) {
        offered = dialog->printer()->pageLayout().orientation();
        auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
        printers->setCurrentIndex(printers->count() - 1); // print to a PDF file
        dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(pdf);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    controller.playPauseButtonTouched();
    o.printButton->click();
    EXPECT_TRUE(controller.session().isVideoPaused()) << "printing pauses playback";
    EXPECT_EQ(offered, QPageLayout::Landscape);
    // One landscape page.
    static const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)"));
    QList<QRegularExpressionMatch> pages;
    for (auto page = mediaBox.globalMatch(QString::fromLatin1(FileBytes::read(pdf)));
         page.hasNext();)
        pages.append(page.next());
    ASSERT_EQ(pages.size(), 1);
    EXPECT_GT(pages[0].captured(3).toDouble() - pages[0].captured(1).toDouble(),
              pages[0].captured(4).toDouble() - pages[0].captured(2).toDouble());

    // A copy of the selected recording, and none on the locked card.
    const int row = rowOf(controller, "cont_rec/REC_20260514_083000.avi");
    controller.selectRow(row);
    EXPECT_EQ(saveAs(out.path("copy.avi"), [&] { o.saveFileButton->click(); }).value(0),
              QStringLiteral("REC_20260514_083000.avi"));
    ASSERT_TRUE(copyFinished(viewer));
    EXPECT_EQ(FileBytes::read(out.path("copy.avi")),
              FileBytes::read(controller.library().filteredVideoFileList().at(row).toLocalFile()));
    EXPECT_EQ(controller.exportActions()->message(), nullptr);
    saveAs(QDir(locked.card.path()).filePath("copy.avi"), [&] { o.saveFileButton->click(); });
    ASSERT_TRUE(copyFinished(viewer));
    EXPECT_EQ(messageShown(viewer), readOnly);
    EXPECT_EQ(entries(locked.card.path()), QStringList{"REC_20260101_000200.avi"});

    // With the views swapped, the front row's copy is the rear camera's file.
    const int front = rowOf(controller, "evt_rec/EVT_20260514_083050_F.mp4");
    ASSERT_TRUE(viewer.playRow(front));
    controller.toggleVideoSwithButtonTouched();
    ASSERT_EQ(controller.selectedRow(), front);
    EXPECT_EQ(saveAs(out.path("partner.mp4"), [&] { o.saveFileButton->click(); }).value(0),
              QStringLiteral("EVT_20260514_083050_R.mp4"));
    ASSERT_TRUE(copyFinished(viewer));
    EXPECT_EQ(FileBytes::read(out.path("partner.mp4")),
              FileBytes::read(cardFile("evt_rec/EVT_20260514_083050_R.mp4")));

    // A large copy shows its progress while the window goes on, and Cancel
    // leaves nothing behind.
    TempFolder large;
    QFile big(large.path("REC_20260601_120000.avi"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(qint64(6) * 1024 * 1024 * 1024)); // sparse: made at once
    big.close();
    controller.openPath(large.path());
    TempFolder target;
    saveAs(target.path("big.avi"), [&] { o.saveFileButton->click(); });
    RecordingCopyRunner *runner = controller.exportActions()->copyRunner();
    ASSERT_TRUE(runner->isRunning()) << "the copy runs in the background";
    ASSERT_TRUE(Gui::waitFor(
        [&] { return runner->progressDialog() && runner->progressDialog()->isVisible(); }, 20000));
    EXPECT_TRUE(runner->progressDialog()->labelText().startsWith(localized(Texts::kCopyingKey)));
    runner->progressDialog()->findChild<QPushButton *>()->click();
    ASSERT_TRUE(copyFinished(viewer));
    EXPECT_TRUE(entries(target.path()).isEmpty());
    Gui::wait(200);
    EXPECT_EQ(controller.exportActions()->message(), nullptr)
        << "a cancelled copy needs no message";
}

TEST(RecordingExportActions, TrackExportAndRemoval)
{
    ASSERT_TRUE(insertCard());
    Viewer viewer;
    viewer.ignoreMountChanges();
    MainWindowController &controller = viewer.controller;
    const MainWindow::Outlets &o = viewer.outlets();
    const int row = rowOf(controller, "cont_rec/REC_20260514_083000.avi");
    const QString recording = controller.library().filteredVideoFileList().at(row).toLocalFile();
    auto track = std::make_unique<TorvaClipData>();
    track->load(recording, TelemetrySource::Choice::ByName);
    ASSERT_GT(track->gpsDataCount(), 0u);

    TempFolder out;
    const auto exportTrack = [&](int at) {
        return [&viewer, at] { chooseFromContextMenu(viewer, at, Texts::kExportTrackMenuKey); };
    };
    EXPECT_EQ(saveAs(out.path("track.gpx"), exportTrack(row)).value(0),
              QStringLiteral("REC_20260514_083000.gpx"));
    expectSameTrack(out.path("track.gpx"), *track);
    saveAs(out.path("track.csv"), exportTrack(row), QStringLiteral("CSV (*.csv)"));
    const QList<QByteArray> lines = FileBytes::read(out.path("track.csv")).trimmed().split('\n');
    EXPECT_EQ(lines.first(), "index,time,gx,gy,gz,lat,lng,speed");
    EXPECT_EQ(lines.size(), qsizetype(track->clipDataCount()) + 1);

    // An MP4 recording's track is in its subtitles: they are extracted
    // first, and the export has the track that playing it shows.
    const int mp4 = rowOf(controller, "evt_rec/EVT_20260514_083050_F.mp4");
    ASSERT_FALSE(saveAs(out.path("event.gpx"), exportTrack(mp4)).isEmpty());
    ASSERT_TRUE(viewer.playRow(mp4));
    controller.session().pauseVideo(); // no end of the recording moves on to the next one
    expectSameTrack(out.path("event.gpx"), controller.session().clipData());
    // Being played, it exports the track it has loaded.
    ASSERT_FALSE(saveAs(out.path("playing.gpx"), exportTrack(mp4)).isEmpty());
    EXPECT_EQ(FileBytes::read(out.path("playing.gpx")), FileBytes::read(out.path("event.gpx")));

    // A recording without telemetry: a plain message, no dialog.
    TempFolder card;
    card.write(QStringLiteral("cont_rec/REC_20260101_000100.avi"), "second");
    ASSERT_TRUE(TestMedia::singleCameraAvi(card.path("cont_rec/REC_20260101_000000.avi")));
    controller.openPath(card.path());
    ASSERT_EQ(rowCount(controller), 2);
    chooseFromContextMenu(viewer, 0, Texts::kExportTrackMenuKey);
    EXPECT_EQ(messageShown(viewer), localized(Texts::kNoTrackKey));
    EXPECT_EQ(entries(out.path()),
              QStringList({"event.gpx", "playing.gpx", "track.csv", "track.gpx"}));

    // Removal asks first: "No" keeps the recording.
    EXPECT_TRUE(o.removeFileButton->isEnabled());
    const QString second = card.path("cont_rec/REC_20260101_000100.avi");
    auto asked = answerQuestion(Texts::kNoKey);
    QMenu *menu = chooseFromContextMenu(viewer, 1, Texts::kRemoveMenuKey);
    Gui::saveScreenshot(menu, QStringLiteral("export_context_menu"));
    ASSERT_EQ(asked->size(), 2);
    EXPECT_EQ(asked->at(0), localized(Texts::kRemoveQuestionKey));
    EXPECT_TRUE(asked->at(1).contains(QStringLiteral("REC_20260101_000100.avi")));
    EXPECT_TRUE(asked->at(1).contains(localized(Texts::kRemoveWarningKey)));
    EXPECT_TRUE(QFileInfo::exists(second));
    EXPECT_EQ(rowCount(controller), 2);

    // "Yes" deletes it; the row above keeps the selection.
    answerQuestion(Texts::kYesKey);
    chooseFromContextMenu(viewer, 1, Texts::kRemoveMenuKey);
    EXPECT_FALSE(QFileInfo::exists(second));
    EXPECT_EQ(rowCount(controller), 1);
    EXPECT_EQ(controller.library().allVideoFileList().size(), 1);
    EXPECT_EQ(controller.selectedRow(), 0);

    // The last recording gone, there is nothing left to save or remove.
    answerQuestion(Texts::kYesKey);
    o.removeFileButton->click();
    EXPECT_EQ(rowCount(controller), 0);
    EXPECT_TRUE(entries(card.path("cont_rec")).isEmpty());
    EXPECT_FALSE(o.saveFileButton->isEnabled());
    EXPECT_FALSE(o.removeFileButton->isEnabled());

    // A recording that cannot be deleted stays listed, and the user is told.
    LockedCard locked;
    controller.openPath(locked.card.path());
    ASSERT_EQ(rowCount(controller), 1);
    answerQuestion(Texts::kYesKey);
    o.removeFileButton->click();
    EXPECT_EQ(messageShown(viewer), localized(Texts::kRemoveFailedKey));
    EXPECT_TRUE(QFileInfo::exists(locked.recording));
    EXPECT_EQ(rowCount(controller), 1);
}
