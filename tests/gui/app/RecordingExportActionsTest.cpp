#include "../GuiTestEnvironment.h"
#include "../displays/TestArtifacts.h"
#include "ViewerTestSupport.h"

#include "core/library/ExportFile.h"
#include "core/library/RecordingExportTexts.h"
#include "core/telemetry/TelemetrySource.h"
#include "core/telemetry/TorvaClipData.h"
#include "gui/app/CardWatcher.h"
#include "gui/app/RecordingCopyRunner.h"
#include "gui/app/RecordingExportActions.h"
#include "gui/app/SnapshotPrinter.h"
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
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>

using namespace ViewerTestSupport;

namespace {

using Texts = RecordingExportTexts;

// What the save dialog showed before the test answered it.
struct SaveDialogSeen
{
    QString title;
    QString acceptLabel;
    QString rejectLabel;
    QString proposedName;
    QStringList nameFilters;
    bool answered = false;
};

// Answers the next save dialog with path (and the name filter, when given).
std::shared_ptr<SaveDialogSeen> saveAs(const QString &path, const QString &nameFilter = {})
{
    auto seen = std::make_shared<SaveDialogSeen>();
    whenModal<QFileDialog>([seen, path, nameFilter](QFileDialog *dialog) {
        seen->title = dialog->windowTitle();
        seen->acceptLabel = dialog->labelText(QFileDialog::Accept);
        seen->rejectLabel = dialog->labelText(QFileDialog::Reject);
        seen->nameFilters = dialog->nameFilters();
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        ASSERT_NE(name, nullptr);
        ASSERT_NE(buttons, nullptr);
        seen->proposedName = name->text();
        if (!nameFilter.isEmpty())
            dialog->selectNameFilter(nameFilter);
        name->setText(path);
        buttons->button(QDialogButtonBox::Save)->click();
        seen->answered = true;
    });
    return seen;
}

// Answers the next question with the button titled answer; what it asked
// goes to question and details.
void answerQuestion(const QString &answer, QString *question = nullptr, QString *details = nullptr)
{
    whenModal<QMessageBox>([answer, question, details](QMessageBox *box) {
        if (question)
            *question = box->text();
        if (details) {
            *details = box->informativeText();
            TestArtifacts::saveScreenshot(box, QStringLiteral("export_remove_question"));
        }
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer)
                button->click();
        }
    });
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The window lists the card again whenever the mount table changes, and
// tests running beside these mount their own cards: the listing and the
// selection must stay as each test sets them.
void ignoreMountChanges(Viewer &viewer)
{
    CardWatcher *watcher = viewer.controller.findChild<CardWatcher *>();
    ASSERT_NE(watcher, nullptr);
    QObject::disconnect(watcher, &CardWatcher::volumesChanged, &viewer.controller, nullptr);
}

RecordingExportActions &actionsOf(Viewer &viewer)
{
    return *viewer.controller.exportActions();
}

// The text of the message the actions show, once it is open.
QString messageShown(Viewer &viewer)
{
    GuiTestEnvironment::waitFor([&] { return actionsOf(viewer).message() != nullptr; });
    QMessageBox *box = actionsOf(viewer).message();
    if (!box)
        return {};
    const QString text = box->text();
    box->close();
    return text;
}

int rowOf(MainWindowController &controller, const QString &endOfPath)
{
    const QList<QUrl> &rows = controller.library().filteredVideoFileList();
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).path().endsWith(endOfPath))
            return row;
    }
    return -1;
}

// A right click on the row: the table asks for its context menu.
QMenu *openContextMenu(Viewer &viewer, int row)
{
    QTableView *table = viewer.outlets().fileTable;
    const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, table->viewport()->mapToGlobal(at));
    QApplication::sendEvent(table->viewport(), &event);
    QMenu *menu = actionsOf(viewer).fileContextMenu();
    GuiTestEnvironment::waitFor([menu] { return menu->isVisible(); });
    return menu;
}

QAction *menuAction(QMenu *menu, const char *key)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == localized(key))
            return action;
    }
    ADD_FAILURE() << "no menu item " << key;
    return nullptr;
}

bool copyFinished(Viewer &viewer)
{
    return GuiTestEnvironment::waitFor([&] { return !actionsOf(viewer).copyRunner()->isRunning(); },
                                       60000);
}

// ffmpeg's picture of the file at the given time.
QImage ffmpegFrame(const QString &movie, double seconds, const QString &png)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-v", "error", "-y", "-ss", QString::number(seconds, 'f', 3), "-i", movie,
                  "-frames:v", "1", png});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        return {};
    return QImage(png);
}

// The mean difference of the colour channels, 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 255.0;
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0.0;
    for (int y = 0; y < first.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(first.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x)
            sum += std::abs(qRed(p[x]) - qRed(q[x])) + std::abs(qGreen(p[x]) - qGreen(q[x])) +
                   std::abs(qBlue(p[x]) - qBlue(q[x]));
    }
    return sum / (3.0 * first.width() * first.height());
}

// The page sizes of a PDF file, in points.
QList<QSizeF> pdfPages(const QString &path)
{
    const QByteArray pdf = FileBytes::read(path);
    QList<QSizeF> pages;
    static const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)"));
    auto match = mediaBox.globalMatch(QString::fromLatin1(pdf));
    while (match.hasNext()) {
        const auto box = match.next();
        pages.append(QSizeF(box.captured(3).toDouble() - box.captured(1).toDouble(),
                            box.captured(4).toDouble() - box.captured(2).toDouble()));
    }
    return pages;
}

// The track points of a GPX file, latitude and longitude.
QList<QPointF> gpxPoints(const QString &path)
{
    QList<QPointF> points;
    QXmlStreamReader xml(FileBytes::read(path));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("trkpt"))
            points.append(QPointF(xml.attributes().value("lat").toDouble(),
                                  xml.attributes().value("lon").toDouble()));
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return points;
}

// The samples of a track that have a position.
QList<QPointF> trackPoints(const TorvaClipData &track)
{
    QList<QPointF> points;
    for (int32_t i = 0; i < int32_t(track.clipDataCount()); ++i) {
        if (track.getGpsLat(i) != 0.0f || track.getGpsLng(i) != 0.0f)
            points.append(QPointF(track.getGpsLat(i), track.getGpsLng(i)));
    }
    return points;
}

void expectSameTrack(const QList<QPointF> &exported, const QList<QPointF> &track)
{
    ASSERT_EQ(exported.size(), track.size());
    ASSERT_FALSE(track.isEmpty());
    for (qsizetype i = 0; i < track.size(); ++i) {
        EXPECT_NEAR(exported[i].x(), track[i].x(), 1e-5) << i;
        EXPECT_NEAR(exported[i].y(), track[i].y(), 1e-5) << i;
    }
}

} // namespace

TEST(RecordingExportActions, SnapshotAndPrintOfThePausedPicture)
{
    ASSERT_TRUE(Volumes::instance().insertCard());
    Viewer viewer;
    ignoreMountChanges(viewer);
    MainWindowController &controller = viewer.controller;
    const MainWindow::Outlets &o = viewer.outlets();
    EXPECT_FALSE(o.snapshotButton->isEnabled()) << "nothing to picture yet";
    EXPECT_FALSE(o.printButton->isEnabled());
    const int row = rowOf(controller, "Saved_Videos/REC_20260514_083010.avi");
    ASSERT_GE(row, 0);
    doubleClickRow(o.fileTable, row);
    ASSERT_TRUE(
        GuiTestEnvironment::waitFor([&] { return bothViewsReady(controller); }, kPlayTimeoutMs));
    EXPECT_TRUE(o.snapshotButton->isEnabled());
    EXPECT_TRUE(o.printButton->isEnabled());

    // Paused at exactly one second, once the view shows that picture (ffmpeg's
    // of the same time, within the colour conversions' rounding).
    TempFolder out;
    const QString movie = o.bigMovieView->fileName();
    const QImage atOne = ffmpegFrame(movie, 1.0, out.path("ffmpeg1.png"));
    const QImage atTwo = ffmpegFrame(movie, 2.0, out.path("ffmpeg2.png"));
    ASSERT_FALSE(atOne.isNull());
    controller.session().pauseVideo();
    o.bigMovieView->setCurrentTime(1.0);
    ASSERT_TRUE(GuiTestEnvironment::waitFor(
        [&] {
            return std::abs(o.bigMovieView->currentTime() - 1.0) < 1e-6 &&
                   meanDifference(o.bigMovieView->snapshot(), atOne) < 4.0;
        },
        20000));
    QFile::remove(out.path("ffmpeg1.png"));
    QFile::remove(out.path("ffmpeg2.png"));

    const auto seen = saveAs(out.path("frame.png"));
    o.snapshotButton->click();
    ASSERT_TRUE(seen->answered);
    EXPECT_EQ(seen->proposedName, QStringLiteral("REC_20260514_083010_1000.png"));
    EXPECT_EQ(seen->title, localized(Texts::kSaveKey));
    EXPECT_EQ(seen->acceptLabel, localized(Texts::kSaveKey));
    EXPECT_EQ(seen->rejectLabel, localized(Texts::kCancelKey));
    EXPECT_EQ(entries(out.path()), QStringList{"frame.png"});

    // The picture at the video's natural size, pixel for pixel.
    const QImage saved(out.path("frame.png"));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), atOne.size());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), o.bigMovieView->snapshot());
    EXPECT_LT(meanDifference(saved, atOne), 4.0);
    EXPECT_GT(meanDifference(saved, atTwo), 4.0);

    // A card that cannot be written: the user is told, nothing is left.
    ReadOnlyCard card;
    ASSERT_TRUE(card.error().isEmpty()) << qPrintable(card.error());
    ASSERT_TRUE(card.makeReadOnly());
    saveAs(QDir(card.path()).filePath("frame.png"));
    o.snapshotButton->click();
    EXPECT_EQ(messageShown(viewer),
              localized(ExportFile::messageKey(ExportFile::Result::TargetReadOnly)));
    EXPECT_TRUE(entries(card.path()).isEmpty());

    // Printed to a PDF file through the print dialog: one landscape page.
    const QString pdf = out.path("print.pdf");
    QPageLayout::Orientation offered = QPageLayout::Portrait;
    whenModal<QPrintDialog>([&](QPrintDialog *dialog) {
        offered = dialog->printer()->pageLayout().orientation();
        auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
        auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
        ASSERT_NE(printers, nullptr);
        ASSERT_NE(file, nullptr);
        printers->setCurrentIndex(printers->count() - 1); // print to a PDF file
        file->setText(pdf);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    controller.playPauseButtonTouched();
    ASSERT_FALSE(controller.session().isVideoPaused());
    o.printButton->click();
    EXPECT_TRUE(controller.session().isVideoPaused()) << "printing pauses playback";
    EXPECT_EQ(offered, QPageLayout::Landscape);
    ASSERT_GT(QFileInfo(pdf).size(), 1000);
    const QList<QSizeF> pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_GT(pages.first().width(), pages.first().height());
}

TEST(RecordingExportActions, PrintedPageHoldsThePictureOnALandscapePage)
{
    TempFolder out;
    QImage picture(640, 360, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.path("snapshot.pdf"));
    SnapshotPrinter::preparePrinter(printer);
    ASSERT_TRUE(SnapshotPrinter::printImage(picture, printer));
    EXPECT_GT(QFileInfo(out.path("snapshot.pdf")).size(), 1000);
    const QList<QSizeF> pages = pdfPages(out.path("snapshot.pdf"));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_GT(pages.first().width(), pages.first().height());
    EXPECT_FALSE(SnapshotPrinter::printImage(QImage(), printer));
}

TEST(RecordingExportActions, SavedCopiesAreWholeOrNothing)
{
    ASSERT_TRUE(Volumes::instance().insertCard());
    Viewer viewer;
    ignoreMountChanges(viewer);
    MainWindowController &controller = viewer.controller;
    const MainWindow::Outlets &o = viewer.outlets();
    EXPECT_TRUE(o.saveFileButton->isEnabled());
    const int row = rowOf(controller, "cont_rec/REC_20260514_083000.avi");
    ASSERT_GE(row, 0);
    controller.selectRow(row);
    const QString source = controller.library().filteredVideoFileList().at(row).toLocalFile();

    TempFolder out;
    auto seen = saveAs(out.path("copy.avi"));
    o.saveFileButton->click();
    ASSERT_TRUE(seen->answered);
    ASSERT_TRUE(copyFinished(viewer));
    EXPECT_EQ(seen->proposedName, QStringLiteral("REC_20260514_083000.avi"));
    EXPECT_EQ(seen->title, localized(Texts::kSaveKey));
    EXPECT_EQ(FileBytes::read(out.path("copy.avi")), FileBytes::read(source));
    EXPECT_EQ(actionsOf(viewer).message(), nullptr);

    // A read-only card: the user is told, and nothing is left on it.
    ReadOnlyCard card;
    ASSERT_TRUE(card.error().isEmpty()) << qPrintable(card.error());
    ASSERT_TRUE(card.makeReadOnly());
    saveAs(QDir(card.path()).filePath("copy.avi"));
    o.saveFileButton->click();
    ASSERT_TRUE(copyFinished(viewer));
    EXPECT_EQ(messageShown(viewer),
              localized(ExportFile::messageKey(ExportFile::Result::TargetReadOnly)));
    EXPECT_TRUE(entries(card.path()).isEmpty());

    // With the views swapped, the front row's copy is the rear camera's file.
    const int front = rowOf(controller, "evt_rec/EVT_20260514_083050_F.mp4");
    ASSERT_GE(front, 0);
    doubleClickRow(o.fileTable, front);
    ASSERT_TRUE(
        GuiTestEnvironment::waitFor([&] { return bothViewsReady(controller); }, kPlayTimeoutMs));
    controller.toggleVideoSwithButtonTouched();
    ASSERT_TRUE(controller.session().isVideoSwitched());
    ASSERT_EQ(controller.selectedRow(), front);
    seen = saveAs(out.path("partner.mp4"));
    o.saveFileButton->click();
    ASSERT_TRUE(copyFinished(viewer));
    EXPECT_EQ(seen->proposedName, QStringLiteral("EVT_20260514_083050_R.mp4"));
    EXPECT_EQ(
        FileBytes::read(out.path("partner.mp4")),
        FileBytes::read(
            QDir(Volumes::instance().cardPath()).filePath("evt_rec/EVT_20260514_083050_R.mp4")));

    // A large copy shows its progress while the window goes on, and Cancel
    // leaves nothing behind.
    TempFolder large;
    QFile big(large.path("REC_20260601_120000.avi"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(qint64(6) * 1024 * 1024 * 1024)); // sparse: made at once
    big.close();
    controller.openPath(large.path());
    ASSERT_EQ(rowCount(controller), 1);
    TempFolder target;
    saveAs(target.path("big.avi"));
    o.saveFileButton->click();
    ASSERT_TRUE(actionsOf(viewer).copyRunner()->isRunning()) << "the copy runs in the background";
    ASSERT_TRUE(GuiTestEnvironment::waitFor(
        [&] {
            const QProgressDialog *progress = actionsOf(viewer).copyRunner()->progressDialog();
            return progress && progress->isVisible();
        },
        20000));
    QProgressDialog *progress = actionsOf(viewer).copyRunner()->progressDialog();
    EXPECT_TRUE(progress->labelText().startsWith(localized(Texts::kCopyingKey)));
    progress->findChild<QPushButton *>()->click();
    ASSERT_TRUE(copyFinished(viewer));
    EXPECT_TRUE(entries(target.path()).isEmpty());
    GuiTestEnvironment::wait(200);
    EXPECT_EQ(actionsOf(viewer).message(), nullptr) << "a cancelled copy needs no message";
}

TEST(RecordingExportActions, TrackExportWritesGpxAndCsv)
{
    ASSERT_TRUE(Volumes::instance().insertCard());
    Viewer viewer;
    ignoreMountChanges(viewer);
    MainWindowController &controller = viewer.controller;
    const int row = rowOf(controller, "cont_rec/REC_20260514_083000.avi");
    ASSERT_GE(row, 0);
    const QString recording = controller.library().filteredVideoFileList().at(row).toLocalFile();
    auto track = std::make_unique<TorvaClipData>();
    track->load(recording, TelemetrySource::Choice::ByName);
    ASSERT_GT(track->gpsDataCount(), 0u);

    // The context menu selects the row it was opened on.
    QMenu *menu = openContextMenu(viewer, row);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(controller.selectedRow(), row);
    TempFolder out;
    auto seen = saveAs(out.path("track.gpx"));
    menuAction(menu, Texts::kExportTrackMenuKey)->trigger();
    ASSERT_TRUE(seen->answered);
    EXPECT_EQ(seen->proposedName, QStringLiteral("REC_20260514_083000.gpx"));
    EXPECT_EQ(seen->nameFilters, QStringList({"GPX (*.gpx)", "CSV (*.csv)"}));
    expectSameTrack(gpxPoints(out.path("track.gpx")), trackPoints(*track));

    seen = saveAs(out.path("track.csv"), QStringLiteral("CSV (*.csv)"));
    menuAction(openContextMenu(viewer, row), Texts::kExportTrackMenuKey)->trigger();
    ASSERT_TRUE(seen->answered);
    const QList<QByteArray> lines = FileBytes::read(out.path("track.csv")).trimmed().split('\n');
    EXPECT_EQ(lines.first(), "index,time,gx,gy,gz,lat,lng,speed");
    EXPECT_EQ(lines.size(), qsizetype(track->clipDataCount()) + 1);

    // An MP4 recording's track is in its subtitles: they are extracted
    // first, and the export has the track that playing it shows.
    const int mp4 = rowOf(controller, "evt_rec/EVT_20260514_083050_F.mp4");
    ASSERT_GE(mp4, 0);
    seen = saveAs(out.path("event.gpx"));
    menuAction(openContextMenu(viewer, mp4), Texts::kExportTrackMenuKey)->trigger();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return seen->answered; }, kPlayTimeoutMs));
    doubleClickRow(viewer.outlets().fileTable, mp4);
    ASSERT_TRUE(
        GuiTestEnvironment::waitFor([&] { return bothViewsReady(controller); }, kPlayTimeoutMs));
    controller.session().pauseVideo(); // no end of the recording moves on to the next one
    ASSERT_GT(controller.session().clipData().gpsDataCount(), 0u);
    expectSameTrack(gpxPoints(out.path("event.gpx")), trackPoints(controller.session().clipData()));
    // Being played, it exports the track it has loaded.
    seen = saveAs(out.path("playing.gpx"));
    menuAction(openContextMenu(viewer, mp4), Texts::kExportTrackMenuKey)->trigger();
    ASSERT_TRUE(seen->answered);
    EXPECT_EQ(FileBytes::read(out.path("playing.gpx")), FileBytes::read(out.path("event.gpx")));

    // A recording without telemetry: a plain message, no dialog.
    TempFolder plain;
    ASSERT_TRUE(TestMedia::singleCameraAvi(plain.path("REC_20260101_000000.avi")));
    controller.openPath(plain.path());
    ASSERT_EQ(rowCount(controller), 1);
    menuAction(openContextMenu(viewer, 0), Texts::kExportTrackMenuKey)->trigger();
    EXPECT_EQ(messageShown(viewer), localized(Texts::kNoTrackKey));
    EXPECT_EQ(entries(out.path()),
              QStringList({"event.gpx", "playing.gpx", "track.csv", "track.gpx"}));
}

TEST(RecordingExportActions, RemovalAsksFirstAndUpdatesTheTable)
{
    Volumes::instance();
    TempFolder card;
    card.write(QStringLiteral("cont_rec/REC_20260101_000000.avi"), "first");
    card.write(QStringLiteral("cont_rec/REC_20260101_000100.avi"), "second");
    Viewer viewer;
    ignoreMountChanges(viewer);
    MainWindowController &controller = viewer.controller;
    const MainWindow::Outlets &o = viewer.outlets();
    controller.openPath(card.path());
    ASSERT_EQ(rowCount(controller), 2);
    EXPECT_TRUE(o.saveFileButton->isEnabled());
    EXPECT_TRUE(o.removeFileButton->isEnabled());
    const QString second = card.path("cont_rec/REC_20260101_000100.avi");

    // "No" keeps the recording.
    QMenu *menu = openContextMenu(viewer, 1);
    TestArtifacts::saveScreenshot(menu, QStringLiteral("export_context_menu"));
    EXPECT_EQ(menuAction(menu, Texts::kSaveCopyMenuKey)->text(),
              localized(Texts::kSaveCopyMenuKey));
    QString question;
    QString details;
    answerQuestion(localized(Texts::kNoKey), &question, &details);
    menuAction(menu, Texts::kRemoveMenuKey)->trigger();
    EXPECT_EQ(question, localized(Texts::kRemoveQuestionKey));
    EXPECT_TRUE(details.contains(QStringLiteral("REC_20260101_000100.avi")));
    EXPECT_TRUE(details.contains(localized(Texts::kRemoveWarningKey)));
    EXPECT_TRUE(QFileInfo::exists(second));
    EXPECT_EQ(rowCount(controller), 2);

    // "Yes" deletes it; the row above keeps the selection.
    answerQuestion(localized(Texts::kYesKey));
    menuAction(openContextMenu(viewer, 1), Texts::kRemoveMenuKey)->trigger();
    EXPECT_FALSE(QFileInfo::exists(second));
    EXPECT_EQ(rowCount(controller), 1);
    EXPECT_EQ(controller.library().allVideoFileList().size(), 1);
    EXPECT_EQ(controller.selectedRow(), 0);
    EXPECT_TRUE(o.removeFileButton->isEnabled());

    // The last recording gone, there is nothing left to save or remove.
    answerQuestion(localized(Texts::kYesKey));
    o.removeFileButton->click();
    EXPECT_EQ(rowCount(controller), 0);
    EXPECT_TRUE(entries(card.path("cont_rec")).isEmpty());
    EXPECT_FALSE(o.saveFileButton->isEnabled());
    EXPECT_FALSE(o.removeFileButton->isEnabled());

    // A recording that cannot be deleted stays listed, and the user is told.
    ReadOnlyCard locked;
    ASSERT_TRUE(locked.error().isEmpty()) << qPrintable(locked.error());
    QFile file(QDir(locked.path()).filePath("REC_20260101_000200.avi"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(locked.makeReadOnly());
    controller.openPath(locked.path());
    ASSERT_EQ(rowCount(controller), 1);
    answerQuestion(localized(Texts::kYesKey));
    o.removeFileButton->click();
    EXPECT_EQ(messageShown(viewer), localized(Texts::kRemoveFailedKey));
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(rowCount(controller), 1);
}
