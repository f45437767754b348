#include "gui/app/RecordingExportActions.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/library/RecordingExportTexts.h"
#include "core/library/RecordingLibrary.h"
#include "core/library/SnapshotName.h"
#include "core/playback/RecordingTelemetry.h"
#include "core/telemetry/SubtitleData.h"
#include "core/telemetry/TorvaClipData.h"
#include "core/telemetry/TrackExporter.h"
#include "gui/app/ConversionRunner.h"
#include "gui/app/RecordingCopyRunner.h"
#include "gui/app/RecordingExportHost.h"
#include "gui/app/SnapshotPrinter.h"
#include "gui/video/TorvaAVView.h"

#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>

namespace {

using Texts = RecordingExportTexts;

} // namespace

RecordingExportActions::RecordingExportActions(RecordingExportHost &host, QObject *parent)
    : QObject(parent), m_host(host), m_fileMenu(new QMenu(host.dialogParent())),
      m_copyRunner(new RecordingCopyRunner(host.dialogParent(), this)),
      m_conversion(new ConversionRunner(host.dialogParent(), this))
{
    m_saveCopyAction =
        m_fileMenu->addAction(QString(), this, &RecordingExportActions::saveFileButtonTouched);
    m_exportTrackAction =
        m_fileMenu->addAction(QString(), this, &RecordingExportActions::exportTrackTouched);
    m_fileMenu->addSeparator();
    m_removeAction =
        m_fileMenu->addAction(QString(), this, &RecordingExportActions::removeFileButtonTouched);
    connect(m_copyRunner, &RecordingCopyRunner::finished, this, &RecordingExportActions::report);
    connect(m_conversion, &ConversionRunner::finished, this,
            &RecordingExportActions::trackConverted);
}

RecordingExportActions::~RecordingExportActions() = default;

int RecordingExportActions::selectedRecordingRow() const
{
    const int row = m_host.selectedRow();
    return row >= 0 && row < m_host.library().filteredVideoFileList().size() ? row : -1;
}

QUrl RecordingExportActions::selectedBigVideoUrl() const
{
    const int row = selectedRecordingRow();
    if (row < 0)
        return {};
    return m_host.library().takeBigVideoURL(row, m_host.viewsSwapped());
}

// The picture.

void RecordingExportActions::snapshotButtonTouched()
{
    m_host.pauseVideo();
    const TorvaAVView *view = m_host.largeView();
    const QImage picture = view->snapshot();
    if (picture.isNull()) {
        qWarning("No picture to save: the large view shows no video");
        return;
    }
    const SaveChoice choice =
        askSavePath(SnapshotName::proposedName(m_host.playingRecording(), selectedBigVideoUrl(),
                                               view->currentTime()),
                    {{QStringLiteral("PNG (*.png)"), QStringLiteral("png")}});
    if (choice.path.isEmpty())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) {
        qWarning("Cannot encode the picture as PNG");
        report(ExportFile::Result::WriteFailed);
        return;
    }
    report(ExportFile::writeFile(choice.path, png));
}

void RecordingExportActions::printButtonTouched()
{
    m_host.pauseVideo();
    const QImage picture = m_host.largeView()->snapshot();
    if (picture.isNull()) {
        qWarning("No picture to print: the large view shows no video");
        return;
    }
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    SnapshotPrinter::preparePrinter(*m_printer);
    QPrintDialog dialog(m_printer.get(), m_host.dialogParent());
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!SnapshotPrinter::printImage(picture, *m_printer))
        showMessage(Texts::kPrintFailedKey);
}

// The recording.

void RecordingExportActions::saveFileButtonTouched()
{
    const QUrl source = selectedBigVideoUrl();
    if (source.isEmpty() || m_copyRunner->isRunning())
        return;
    const SaveChoice choice = askSavePath(source.fileName());
    if (!choice.path.isEmpty())
        m_copyRunner->run(source.toLocalFile(), choice.path);
}

void RecordingExportActions::removeFileButtonTouched()
{
    const int row = selectedRecordingRow();
    if (row < 0)
        return;
    const QUrl recording = m_host.library().filteredVideoFileList().at(row);
    if (!confirmRemoval(recording))
        return;
    QFile file(recording.toLocalFile());
    if (!file.remove()) {
        qWarning("Cannot delete %s: %s", qPrintable(file.fileName()),
                 qPrintable(file.errorString()));
        showMessage(Texts::kRemoveFailedKey);
        return;
    }
    m_host.removeVideoFileURL(recording);
}

bool RecordingExportActions::confirmRemoval(const QUrl &recording)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Torvaview"),
                    TorvaLanguages::text(Texts::kRemoveQuestionKey), QMessageBox::NoButton,
                    m_host.dialogParent());
    box.setInformativeText(recording.fileName() + QStringLiteral("\n\n") +
                           TorvaLanguages::text(Texts::kRemoveWarningKey));
    QPushButton *no = box.addButton(TorvaLanguages::text(Texts::kNoKey), QMessageBox::NoRole);
    QPushButton *yes = box.addButton(TorvaLanguages::text(Texts::kYesKey), QMessageBox::YesRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void RecordingExportActions::exportTrackTouched()
{
    const int row = selectedRecordingRow();
    if (row < 0)
        return;
    const QUrl recording = m_host.library().filteredVideoFileList().at(row);
    // The recording being played has its track loaded already.
    if (recording == m_host.playingRecording()) {
        exportTrack(recording, m_host.playingTrack());
        return;
    }
    if (RecordingTelemetry::needsConversion(recording)) {
        m_conversion->run(recording);
        return;
    }
    auto track = std::make_unique<TorvaClipData>();
    RecordingTelemetry::load(recording, QString(), *track);
    exportTrack(recording, *track);
}

void RecordingExportActions::trackConverted(const QUrl &recording,
                                            const std::optional<QList<QUrl>> &files)
{
    auto track = std::make_unique<TorvaClipData>();
    if (files && !files->isEmpty())
        RecordingTelemetry::load(recording, files->constFirst().toLocalFile(), *track);
    exportTrack(recording, *track);
}

void RecordingExportActions::exportTrack(const QUrl &recording, const TorvaClipData &track)
{
    if (track.clipDataCount() == 0) {
        showMessage(Texts::kNoTrackKey);
        return;
    }
    const QString name = QFileInfo(recording.path()).completeBaseName();
    const SaveChoice choice = askSavePath(name + QStringLiteral(".gpx"),
                                          {{QStringLiteral("GPX (*.gpx)"), QStringLiteral("gpx")},
                                           {QStringLiteral("CSV (*.csv)"), QStringLiteral("csv")}});
    if (choice.path.isEmpty())
        return;
    const auto format =
        choice.filter == 0 ? TrackExporter::Format::Gpx : TrackExporter::Format::Csv;
    if (format == TrackExporter::Format::Gpx && track.gpsDataCount() == 0) {
        showMessage(Texts::kNoTrackKey);
        return;
    }
    report(ExportFile::writeFile(choice.path, TrackExporter::exportTrack(track, format, name)));
}

// Dialogs and messages.

void RecordingExportActions::showFileContextMenu(const QPoint &pos)
{
    const QTableView *table = m_host.fileTable();
    const QModelIndex index = table->indexAt(pos);
    if (!index.isValid())
        return;
    m_host.selectRow(index.row());
    m_saveCopyAction->setText(TorvaLanguages::text(Texts::kSaveCopyMenuKey));
    m_exportTrackAction->setText(TorvaLanguages::text(Texts::kExportTrackMenuKey));
    m_removeAction->setText(TorvaLanguages::text(Texts::kRemoveMenuKey));
    m_fileMenu->popup(table->viewport()->mapToGlobal(pos));
}

RecordingExportActions::SaveChoice
RecordingExportActions::askSavePath(const QString &proposedName, const QList<NameFilter> &filters)
{
    QFileDialog dialog(m_host.dialogParent(), TorvaLanguages::text(Texts::kSaveKey));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setLabelText(QFileDialog::Accept, TorvaLanguages::text(Texts::kSaveKey));
    dialog.setLabelText(QFileDialog::Reject, TorvaLanguages::text(Texts::kCancelKey));
    QStringList names;
    for (const NameFilter &filter : filters)
        names.append(filter.filter);
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
        dialog.setDefaultSuffix(filters.constFirst().suffix);
        connect(&dialog, &QFileDialog::filterSelected, &dialog,
                [&dialog, &filters, &names](const QString &chosen) {
                    if (const qsizetype index = names.indexOf(chosen); index >= 0)
                        dialog.setDefaultSuffix(filters.at(index).suffix);
                });
    }
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(),
            names.isEmpty() ? 0 : int(names.indexOf(dialog.selectedNameFilter()))};
}

void RecordingExportActions::report(ExportFile::Result result)
{
    if (const char *key = ExportFile::messageKey(result))
        showMessage(key);
}

void RecordingExportActions::showMessage(const char *key)
{
    if (m_message)
        m_message->close();
    // Window-modal without blocking: playback goes on behind it.
    auto *box =
        new QMessageBox(QMessageBox::Warning, QStringLiteral("Torvaview"),
                        TorvaLanguages::text(key), QMessageBox::NoButton, m_host.dialogParent());
    box->addButton(TorvaLanguages::text(Texts::kOkKey), QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    m_message = box;
    box->open();
}
