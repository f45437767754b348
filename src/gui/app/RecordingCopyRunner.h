#pragma once

#include "core/library/ExportFile.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QTimer>

#include <atomic>

class QThread;
class QWidget;

// Copies a recording on a worker thread, so that the window stays
// responsive, while a progress dialog (for copies that take a while) offers
// Cancel. One copy at a time.
class RecordingCopyRunner : public QObject
{
    Q_OBJECT

public:
    explicit RecordingCopyRunner(QWidget *dialogParent, QObject *parent = nullptr);
    // Cancels a running copy and waits for it: nothing is left behind.
    ~RecordingCopyRunner() override;

    bool isRunning() const { return m_thread != nullptr; }
    // The file the running copy reads.
    const QString &source() const { return m_source; }
    // Ignored while a copy runs.
    void run(const QString &source, const QString &target);
    void cancel() { m_cancelled = true; }
    // The running copy's dialog, if any.
    QProgressDialog *progressDialog() const { return m_progress; }

Q_SIGNALS:
    void finished(ExportFile::Result result);

private:
    void showProgress();
    void onThreadFinished();

    QWidget *m_dialogParent;
    QThread *m_thread = nullptr;
    QPointer<QProgressDialog> m_progress;
    QTimer m_progressTimer;
    QString m_source;
    // Shared with the worker thread.
    std::atomic<bool> m_cancelled = false;
    std::atomic<qint64> m_done = 0;
    std::atomic<qint64> m_total = 0;
    // Written by the worker, read once it has finished.
    ExportFile::Result m_result = ExportFile::Result::Written;
};
