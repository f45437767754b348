#pragma once

#include "core/clip/ClipRequest.h"
#include "core/library/ExportFile.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QTemporaryDir;

// Exports a clip with ffmpeg in the background. A lossless clip runs one
// stream copy per camera, both at once, and writes the telemetry of what
// was cut as SRT and GPX beside it; a composed clip runs one encoding whose
// overlay script lies in a private folder that is ffmpeg's working folder.
// Every video is written under a temporary name beside its target, and all
// are moved into place only when every run succeeded: a failure or a cancel
// leaves nothing behind, and older files of the same names as they were.
//
// Needs a running event loop. One run per object.
class ClipExport : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        enum class Status
        {
            Done,
            Cancelled,
            // No input or output, a range that does not end after it starts,
            // or an output that is an input.
            InvalidRequest,
            NoFfmpeg, // see FfmpegLocator
            FfmpegFailed,
            CannotWrite, // writeFailure says why
        };
        Status status = Status::Done;
        // For CannotWrite: TargetReadOnly, DiskFull, TargetNotWritable or WriteFailed.
        ExportFile::Result writeFailure = ExportFile::Result::Written;
        // What was written, videos first; only when Done.
        QStringList files;
        // For the log, not for the user: what failed, with the end of what
        // ffmpeg said.
        QString log;
    };

    explicit ClipExport(ClipRequest request, QObject *parent = nullptr);
    ~ClipExport() override;

    // finished() is never emitted from within start() itself.
    void start();
    // Stops ffmpeg, removes every temporary file and emits finished() with
    // Cancelled before returning. Nothing happens once finished.
    void cancel();

    bool isRunning() const { return m_running; }
    const Result &result() const { return m_result; }
    const ClipRequest &request() const { return m_request; }

    // Why nothing can be written beside the output (its folder is missing,
    // read-only or not ours to write), or nothing when it can.
    static std::optional<ExportFile::Result> targetProblem(const QString &output);
    // The localisation key of the message telling the user what went wrong;
    // null for Done and Cancelled.
    static const char *messageKey(const Result &result);

Q_SIGNALS:
    // The part done, rising from 0 to 1: the output's time against the
    // range's length, as ffmpeg reports it.
    void progress(double fraction);
    void finished(const ClipExport::Result &result);

private:
    struct Run;

    void begin();
    void beginLossless();
    void beginComposed();
    void launch(const QStringList &arguments, const QString &temporary, const QString &output);
    void runEnded(size_t index);
    void complete();
    std::optional<ExportFile::Result> writeTelemetry(QStringList &written);
    void reportProgress();
    void stopRuns();
    void fail(Result::Status status, const QString &log,
              ExportFile::Result writeFailure = ExportFile::Result::Written);
    void finish(Result::Status status);

    const ClipRequest m_request;
    QString m_ffmpeg;
    bool m_started = false;
    bool m_running = false;
    std::vector<std::unique_ptr<Run>> m_runs;
    std::unique_ptr<QTemporaryDir> m_scratch;
    // Where the front camera's recording ends, when known.
    double m_frontEnd = 0.0;
    double m_reported = 0.0;
    Result m_result;
};
