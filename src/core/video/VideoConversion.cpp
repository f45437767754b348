#include "core/video/VideoConversion.h"

#include "core/video/ChildProcess.h"
#include "core/video/RecordingPartner.h"
#include "core/video/TranscoderArguments.h"
#include "core/video/Utils.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <utility>

namespace {

// How often the output's growth is looked at while ffmpeg runs.
constexpr int kPollMilliseconds = 50;
// How long a killed ffmpeg gets to go before its partial output is removed.
constexpr int kKillWaitMilliseconds = 5000;

} // namespace

VideoConversion::VideoConversion(const QUrl &url, QObject *parent) : QObject(parent), m_url(url)
{
    m_progressTimer.setInterval(kPollMilliseconds);
    connect(&m_progressTimer, &QTimer::timeout, this, &VideoConversion::reportProgress);
}

VideoConversion::~VideoConversion()
{
    stopSteps();
}

void VideoConversion::start()
{
    if (m_mode != Mode::Idle)
        return;
    m_mode = Mode::Asynchronous;
    m_running = true;
    m_progressTimer.start();
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_running)
                plan();
        },
        Qt::QueuedConnection);
}

VideoConversion::Result VideoConversion::run(const std::function<void(double)> &onProgress)
{
    if (m_mode != Mode::Idle)
        return m_result;
    m_mode = Mode::Synchronous;
    m_running = true;
    QMetaObject::Connection watcher;
    if (onProgress)
        watcher = connect(this, &VideoConversion::progress, this, onProgress);
    plan();
    while (stepsRunning()) {
        if (waitForSteps())
            processEnded();
        else
            reportProgress();
    }
    disconnect(watcher);
    return m_result;
}

void VideoConversion::cancel()
{
    if (!m_running)
        return;
    stopSteps();
    finish(Result::Status::Cancelled);
}

void VideoConversion::plan()
{
    if (m_url.isEmpty())
        return finish(Result::Status::NoAnswer);
    const QString extension = QFileInfo(m_url.path()).suffix().toLower();
    if (extension != QLatin1String("avi") && extension != QLatin1String("mp4")) {
        m_result.files = {m_url};
        return finish(Result::Status::Answered);
    }
    m_input = m_url.toLocalFile();
    m_cache = TranscodeCache::forRecording(m_input, Utils::GetWorkingDirectoryPath());
    if (!m_cache)
        return finish(Result::Status::NoAnswer);
    m_ffmpeg = Utils::GetFFMPEGPath();
    // An AVI's header saves the ffmpeg stream listing. Without ffmpeg the
    // listing stays planned, so that an AVI asks for the transcoder as ever.
    if (extension != QLatin1String("avi"))
        planMp4();
    else if (const auto streams = m_ffmpeg.isEmpty() ? std::nullopt : AviStreams::readFile(m_input))
        planAvi(*streams);
    else
        m_steps.push_back(Step{TranscoderArguments::listing(m_input), {}, {}, 0, {}});
    // What the cache already holds plays without ffmpeg. Otherwise the status,
    // not a log line, lets the caller tell the user.
    if (m_ffmpeg.isEmpty() && !m_steps.empty())
        return finish(Result::Status::NoTranscoder);
    launchSteps();
}

void VideoConversion::planAvi(const AviStreams::Counts &streams)
{
    const int videoStreams = streams.video;
    const QString front = m_cache->frontOutput();
    const QString rear = m_cache->rearOutput();
    const qint64 size = m_cache->recordingSize();
    if (videoStreams == 0) {
        m_noVideoStream = true;
    } else if (videoStreams == 1) {
        if (!QFileInfo::exists(front)) {
            const int type = aviType();
            addStep(
                [&](const QString &out) {
                    return TranscoderArguments::singleStream(type, m_input, out);
                },
                front, size);
        }
    } else if (!QFileInfo::exists(front) || !QFileInfo::exists(rear)) {
        const int type = aviType();
        const bool withAudio = streams.audio > 0;
        for (const auto camera :
             {TranscoderArguments::Camera::Front, TranscoderArguments::Camera::Rear}) {
            addStep(
                [&](const QString &out) {
                    return TranscoderArguments::twoStream(type, camera, withAudio, m_input, out);
                },
                camera == TranscoderArguments::Camera::Front ? front : rear, size / 2);
        }
    }
}

void VideoConversion::planMp4()
{
    const auto addMovieAndSubtitles = [this](const QString &input, const QString &movie,
                                             qint64 size) {
        const int type = aviType();
        addStep(
            [&](const QString &out) { return TranscoderArguments::singleStream(type, input, out); },
            movie, size);
        addStep([&](const QString &out) { return TranscoderArguments::subtitles(input, out); },
                TranscodeCache::subtitlesFor(movie), 0);
    };
    if (!QFileInfo::exists(m_cache->frontOutput()))
        addMovieAndSubtitles(m_input, m_cache->frontOutput(), m_cache->recordingSize());
    if (!QFileInfo::exists(m_cache->rearOutput())) {
        const QFileInfo partner(RecordingPartner::partnerPath(m_input));
        if (partner.isFile())
            addMovieAndSubtitles(partner.absoluteFilePath(), m_cache->rearOutput(), partner.size());
    }
}

// The codec of the recording itself, also for its partner; read once.
int VideoConversion::aviType()
{
    if (!m_aviType)
        m_aviType = Utils::GetAviType(m_input);
    return *m_aviType;
}

void VideoConversion::addStep(const std::function<QStringList(const QString &)> &arguments,
                              const QString &output, qint64 expectedBytes)
{
    const QString temporary = TranscodeCache::temporaryFor(output);
    m_steps.push_back(Step{arguments(temporary), temporary, output, expectedBytes, {}});
    m_totalBytes += expectedBytes;
}

void VideoConversion::launchSteps()
{
    if (m_steps.empty())
        return finish(Result::Status::Answered);
    for (Step &step : m_steps) {
        step.process = std::make_unique<QProcess>();
        if (m_mode == Mode::Asynchronous) {
            // Queued, so that no process object is destroyed inside its own
            // signal.
            connect(step.process.get(), &QProcess::finished, this, &VideoConversion::processEnded,
                    Qt::QueuedConnection);
            connect(step.process.get(), &QProcess::errorOccurred, this,
                    &VideoConversion::processEnded, Qt::QueuedConnection);
        }
        ChildProcess::start(*step.process, m_ffmpeg, step.arguments);
    }
}

bool VideoConversion::stepsRunning() const
{
    return std::ranges::any_of(m_steps, [](const Step &step) { return bool(step.process); });
}

// Without an event loop: waits up to one poll interval for the first running
// step and looks at the others in passing (which also drains their output);
// true when one of them has ended.
bool VideoConversion::waitForSteps()
{
    int wait = kPollMilliseconds;
    bool ended = false;
    for (const Step &step : m_steps) {
        if (!step.process)
            continue;
        step.process->waitForFinished(wait);
        wait = 0;
        ended = ended || step.process->state() == QProcess::NotRunning;
    }
    return ended;
}

void VideoConversion::processEnded()
{
    // A late signal of an ended step finds the others still running, or the
    // next ones.
    for (Step &step : m_steps) {
        if (step.process && step.process->state() == QProcess::NotRunning)
            endStep(step);
    }
    if (!m_running || stepsRunning())
        return;
    m_steps.clear();
    if (m_listing) {
        const QString listing = *std::exchange(m_listing, std::nullopt);
        planAvi({Utils::GetVideoStreamCountFromVideoInfo(listing),
                 Utils::GetAudioStreamCountFromVideoInfo(listing)});
    }
    launchSteps();
}

void VideoConversion::endStep(Step &step)
{
    const std::unique_ptr<QProcess> process = std::move(step.process);
    const QString text = QString::fromUtf8(process->readAll());
    if (step.output.isEmpty()) {
        m_listing = text;
        return;
    }
    if (!TranscodeCache::keep(step.temporary, step.output, ChildProcess::succeeded(*process))) {
        qWarning().noquote() << QStringLiteral("ffmpeg could not make %1 (exit code %2) %3")
                                    .arg(step.output, QString::number(process->exitCode()),
                                         text.right(400).trimmed());
    }
    m_doneBytes += step.expectedBytes;
}

void VideoConversion::reportProgress()
{
    if (!stepsRunning() || m_totalBytes <= 0)
        return;
    qint64 done = m_doneBytes;
    for (const Step &step : m_steps) {
        if (step.process && step.expectedBytes > 0)
            done += std::min(QFileInfo(step.temporary).size(), step.expectedBytes);
    }
    const double fraction = double(done) / double(m_totalBytes);
    if (fraction > m_reported) {
        m_reported = fraction;
        Q_EMIT progress(fraction);
    }
}

// Kills every running ffmpeg first and then waits, so that they end together.
void VideoConversion::stopSteps()
{
    for (Step &step : m_steps) {
        if (!step.process)
            continue;
        step.process->disconnect(this);
        step.process->kill();
    }
    for (Step &step : m_steps) {
        if (!step.process)
            continue;
        step.process->waitForFinished(kKillWaitMilliseconds);
        step.process.reset();
        if (!step.temporary.isEmpty())
            QFile::remove(step.temporary);
    }
    m_steps.clear();
}

void VideoConversion::finish(Result::Status status)
{
    m_running = false;
    m_progressTimer.stop();
    m_steps.clear();
    m_result.status = status;
    if (status == Result::Status::Answered && m_cache && !m_noVideoStream) {
        for (const QString &output : {m_cache->frontOutput(), m_cache->rearOutput()}) {
            if (QFileInfo::exists(output))
                m_result.files.append(QUrl::fromLocalFile(output));
        }
    }
    if (status == Result::Status::Answered && m_totalBytes > 0 && m_reported < 1.0) {
        m_reported = 1.0;
        Q_EMIT progress(1.0);
    }
    Q_EMIT finished(m_result);
}
