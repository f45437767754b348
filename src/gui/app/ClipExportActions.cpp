#include "gui/app/ClipExportActions.h"

#include "core/clip/RecordingStartTime.h"
#include "core/displays/TorvaSpeedUnit.h"
#include "core/i18n/TorvaLanguages.h"
#include "core/playback/PlaybackSession.h"
#include "gui/app/ClipExportDialog.h"
#include "gui/controls/DelayedProgressDialog.h"
#include "gui/displays/SeekTimeSliderView.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>

#include <cmath>

namespace {

constexpr int kProgressSteps = 1000;

QString text(const char *key)
{
    return TorvaLanguages::text(key);
}

// "REC_…_00m12s-00m40s.mp4" in the user's videos folder.
QString suggestedOutput(const QString &recording, const ClipRequest &request)
{
    const auto stamp = [](double seconds) {
        const int whole = int(std::floor(seconds));
        return QStringLiteral("%1m%2s")
            .arg(whole / 60, 2, 10, QLatin1Char('0'))
            .arg(whole % 60, 2, 10, QLatin1Char('0'));
    };
    QString folder = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString suffix = request.mode == ClipRequest::Mode::Composed
                               ? QStringLiteral("mp4")
                               : QFileInfo(request.frontInput).suffix();
    return QDir(folder).filePath(QStringLiteral("%1_%2-%3.%4")
                                     .arg(QFileInfo(recording).completeBaseName(),
                                          stamp(request.from), stamp(request.to), suffix));
}

} // namespace

ClipExportActions::ClipExportActions(PlaybackSession &session, SeekTimeSliderView *seekBar,
                                     QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_session(session), m_seekBar(seekBar), m_dialogParent(dialogParent)
{
    chooseOutput = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(m_dialogParent, text("구간 내보내기"), suggested);
    };
    chooseOptions = [this](bool hasRear, ClipRequest &request) {
        ClipExportDialog dialog(hasRear, m_dialogParent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        request.mode = dialog.mode();
        request.layout = dialog.layout();
        request.overlay = dialog.overlay();
        return true;
    };
    m_seekBar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_seekBar, &QWidget::customContextMenuRequested, this,
            &ClipExportActions::showSeekBarMenu);
    // Marks belong to the recording they were set on.
    connect(&m_session, &PlaybackSession::recordingCleared, this, &ClipExportActions::clearMarks);
    connect(&m_session, &PlaybackSession::recordingPrepared, this, &ClipExportActions::clearMarks);
}

void ClipExportActions::markIn()
{
    if (m_session.currentVideoUrl().isEmpty())
        return;
    m_marks.markIn(m_seekBar->currentSliderValue());
    showMarks();
}

void ClipExportActions::markOut()
{
    if (m_session.currentVideoUrl().isEmpty())
        return;
    m_marks.markOut(m_seekBar->currentSliderValue());
    showMarks();
}

void ClipExportActions::clearMarks()
{
    m_marks.clear();
    showMarks();
}

void ClipExportActions::showMarks()
{
    m_seekBar->setMarkedRange(m_marks.in(), m_marks.out());
}

void ClipExportActions::showSeekBarMenu(const QPoint &pos)
{
    const bool playing = !m_session.currentVideoUrl().isEmpty();
    QMenu menu(m_seekBar);
    menu.addAction(text("구간 시작 지정"), QKeySequence(Qt::Key_I), this,
                   &ClipExportActions::markIn)
        ->setEnabled(playing);
    menu.addAction(text("구간 끝 지정"), QKeySequence(Qt::Key_O), this, &ClipExportActions::markOut)
        ->setEnabled(playing);
    menu.addAction(text("구간 지정 해제"), this, &ClipExportActions::clearMarks)
        ->setEnabled(!m_marks.isEmpty());
    menu.addSeparator();
    menu.addAction(text("구간 내보내기…"), this, &ClipExportActions::exportClipTouched)
        ->setEnabled(playing && !m_export);
    menu.exec(m_seekBar->mapToGlobal(pos));
}

void ClipExportActions::exportClipTouched()
{
    if (m_session.currentVideoUrl().isEmpty() || m_export)
        return;
    m_session.pauseVideo();
    ClipRequest request;
    const bool swapped = m_session.isVideoSwitched();
    request.frontInput = swapped ? m_session.smallVideoFilePath() : m_session.bigVideoFilePath();
    request.rearInput = swapped ? m_session.bigVideoFilePath() : m_session.smallVideoFilePath();
    std::tie(request.from, request.to) = m_marks.range(m_seekBar->maxSliderValue());
    request.track = m_session.clipData();
    const QString recording = m_session.currentVideoUrl().toLocalFile();
    request.recordingStart = RecordingStartTime::fromFileName(recording);
    request.metricSpeed = !TorvaSpeedUnit::isMph();
    if (!chooseOptions(request.hasRear(), request))
        return;
    request.output = chooseOutput(suggestedOutput(recording, request));
    if (request.output.isEmpty())
        return;

    m_export = new ClipExport(request, this);
    auto *progress =
        new DelayedProgressDialog(m_dialogParent,
                                  text("구간을 내보내는 중입니다…") + QLatin1Char('\n') +
                                      QFileInfo(request.output).fileName(),
                                  kProgressSteps);
    progress->setWindowModality(Qt::WindowModal);
    progress->setValue(0);
    connect(progress, &QProgressDialog::canceled, m_export, &ClipExport::cancel);
    connect(m_export, &ClipExport::progress, progress,
            [progress](double fraction) { progress->setValue(int(fraction * kProgressSteps)); });
    connect(m_export, &ClipExport::finished, this,
            [this, progress](const ClipExport::Result &result) {
                progress->deleteLater();
                m_export->deleteLater();
                m_export = nullptr;
                exportFinishedWith(result);
            });
    m_export->start();
}

void ClipExportActions::exportFinishedWith(const ClipExport::Result &result)
{
    Q_EMIT exportFinished(result);
    if (result.status == ClipExport::Result::Status::Cancelled)
        return;
    QMessageBox box(m_dialogParent);
    box.setWindowModality(Qt::WindowModal);
    if (result.status == ClipExport::Result::Status::Done) {
        box.setIcon(QMessageBox::Information);
        box.setText(text("구간을 내보냈습니다."));
        QStringList names;
        for (const QString &file : result.files)
            names.append(QFileInfo(file).fileName());
        box.setInformativeText(names.join(QLatin1Char('\n')));
    } else {
        box.setIcon(QMessageBox::Warning);
        box.setText(text("구간을 내보낼 수 없습니다."));
        if (const char *key = ClipExport::messageKey(result))
            box.setInformativeText(text(key));
    }
    box.exec();
}
