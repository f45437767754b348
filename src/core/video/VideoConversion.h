#pragma once

#include "core/video/AviStreams.h"
#include "core/video/TranscodeCache.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QProcess;

// Makes one recording playable. A MOV (or any other file that is neither AVI
// nor MP4) plays as it is. An AVI is remuxed into one MOV per camera; an MP4
// into a MOV with its subtitles extracted to an SRT file, and its partner
// from the other camera (see RecordingPartner) the same way. Outputs go to
// the transcoder cache (TranscodeCache) and are reused when they exist; an
// MP4's even without ffmpeg.
// An AVI's streams are read from its header (AviStreams), or, when that
// cannot be read, from an ffmpeg stream listing that runs first and alone.
// The conversions then run at once, one ffmpeg each, so that the cameras are
// read side by side rather than one after another. Each output is written
// under a temporary name and moved into place only when its ffmpeg
// succeeded; one failing leaves the others to finish.
//
// Runs either asynchronously (start(); progress() and finished() follow,
// cancel() stops it) or synchronously (run()). One run per object.
class VideoConversion : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        enum class Status
        {
            Answered,     // files holds the answer
            NoAnswer,     // no URL, the recording cannot be read or the cache cannot be made
            Cancelled,    // cancel() stopped it
            NoTranscoder, // ffmpeg is needed and there is none (see FfmpegLocator)
        };
        Status status = Status::NoAnswer;
        // The playable files, front camera first; empty when the recording
        // holds no video stream.
        QList<QUrl> files;
    };

    explicit VideoConversion(const QUrl &url, QObject *parent = nullptr);
    ~VideoConversion() override;

    // Needs a running event loop. finished() is never emitted from within
    // start() itself.
    void start();
    // Returns when done, on the caller's thread, without an event loop.
    // progress() and finished() are emitted on the way; onProgress sees each
    // progress value and may call cancel().
    Result run(const std::function<void(double fraction)> &onProgress = {});
    // Stops ffmpeg, removes its partial output and emits finished() with
    // Cancelled before returning. Nothing happens once finished.
    void cancel();

    bool isRunning() const { return m_running; }
    const Result &result() const { return m_result; }

Q_SIGNALS:
    // The part of the work done, rising from 0 to 1 while ffmpeg converts;
    // estimated from the size the outputs have reached against the input's.
    void progress(double fraction);
    void finished(const VideoConversion::Result &result);

private:
    // One ffmpeg run; process is set while it runs. The stream listing has
    // no output.
    struct Step
    {
        QStringList arguments;
        QString temporary;
        QString output;
        qint64 expectedBytes = 0;
        std::unique_ptr<QProcess> process;
    };
    enum class Mode
    {
        Idle,
        Asynchronous,
        Synchronous,
    };

    void plan();
    void planAvi(const AviStreams::Counts &streams);
    void planMp4();
    int aviType();
    void addStep(const std::function<QStringList(const QString &output)> &arguments,
                 const QString &output, qint64 expectedBytes);
    void launchSteps();
    bool stepsRunning() const;
    bool waitForSteps();
    void processEnded();
    void endStep(Step &step);
    void reportProgress();
    void stopSteps();
    void finish(Result::Status status);

    const QUrl m_url;
    QString m_input;
    QString m_ffmpeg;
    std::optional<TranscodeCache> m_cache;
    std::optional<int> m_aviType;
    bool m_noVideoStream = false;

    Mode m_mode = Mode::Idle;
    bool m_running = false;
    std::vector<Step> m_steps;
    std::optional<QString> m_listing;
    QTimer m_progressTimer;
    qint64 m_doneBytes = 0;
    qint64 m_totalBytes = 0;
    double m_reported = 0.0;
    Result m_result;
};
