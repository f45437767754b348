#include "gui/app/RecordingCopyRunner.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/library/RecordingExportTexts.h"
#include "gui/controls/DelayedProgressDialog.h"

#include <QFileInfo>
#include <QThread>

namespace {

constexpr int kProgressUpdateMilliseconds = 100;
// Per mille, since recordings can be larger than an int counts.
constexpr int kProgressSteps = 1000;

} // namespace

RecordingCopyRunner::RecordingCopyRunner(QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_dialogParent(dialogParent)
{
    m_progressTimer.setInterval(kProgressUpdateMilliseconds);
    connect(&m_progressTimer, &QTimer::timeout, this, &RecordingCopyRunner::showProgress);
}

RecordingCopyRunner::~RecordingCopyRunner()
{
    delete m_progress;
    if (!m_thread)
        return;
    m_cancelled = true;
    m_thread->wait();
    delete m_thread;
}

void RecordingCopyRunner::run(const QString &source, const QString &target)
{
    if (m_thread)
        return;
    m_source = source;
    m_cancelled = false;
    m_done = 0;
    m_total = QFileInfo(source).size();
    m_thread = QThread::create([this, source, target] {
        m_result = ExportFile::copyFile(source, target, [this](qint64 done, qint64 total) {
            m_done = done;
            m_total = total;
            return !m_cancelled;
        });
    });
    // Queued: the thread's finished signal comes from the worker.
    connect(m_thread, &QThread::finished, this, &RecordingCopyRunner::onThreadFinished);

    auto *progress =
        new DelayedProgressDialog(m_dialogParent,
                                  TorvaLanguages::text(RecordingExportTexts::kCopyingKey) +
                                      QLatin1Char('\n') + QFileInfo(target).fileName(),
                                  kProgressSteps);
    progress->setWindowModality(Qt::WindowModal);
    progress->setValue(0);
    connect(progress, &QProgressDialog::canceled, this, &RecordingCopyRunner::cancel);
    m_progress = progress;
    m_progressTimer.start();
    m_thread->start();
}

void RecordingCopyRunner::showProgress()
{
    const qint64 total = m_total;
    if (m_progress && total > 0)
        m_progress->setValue(int(m_done * kProgressSteps / total));
}

void RecordingCopyRunner::onThreadFinished()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_progressTimer.stop();
    if (m_progress)
        m_progress->deleteLater();
    m_progress = nullptr;
    Q_EMIT finished(m_result);
}
