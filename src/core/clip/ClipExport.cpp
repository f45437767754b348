#include "core/clip/ClipExport.h"

#include "core/clip/ClipArguments.h"
#include "core/clip/ClipGeometry.h"
#include "core/clip/ClipTelemetryFiles.h"
#include "core/clip/FfmpegProgress.h"
#include "core/io/FileIO.h"
#include "core/video/ChildProcess.h"
#include "core/video/FfmpegLocator.h"
#include "core/video/Mp4Movie.h"
#include "core/video/TranscodeCache.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>

namespace {

using Status = ClipExport::Result::Status;

// How long a killed ffmpeg gets to go before its partial output is removed.
constexpr int kKillWaitMilliseconds = 5000;
// How much of ffmpeg's standard error is kept for the log.
constexpr qsizetype kErrorTailBytes = 2000;
// Less room than this after ffmpeg failed means the volume ran full.
constexpr qint64 kRoomMargin = qint64(1) << 20;
// The overlay script's name in ffmpeg's working folder.
const char kOverlayFileName[] = "overlay.ass";

const Mp4Movie::Track *pictureTrack(const std::optional<Mp4Movie> &movie)
{
    if (movie) {
        for (const Mp4Movie::Track &track : movie->tracks) {
            if (track.kind == Mp4Movie::Track::Kind::Video)
                return &track;
        }
    }
    return nullptr;
}

ExportFile::Result writeFailureOf(const FileIO::WriteResult &written, const QString &path)
{
    switch (written.error) {
    case FileIO::WriteError::DiskFull:
        return ExportFile::Result::DiskFull;
    case FileIO::WriteError::NotWritable:
    case FileIO::WriteError::CannotCreateFolder:
        return ExportFile::targetFailure(path, 1, ExportFile::Result::TargetNotWritable);
    case FileIO::WriteError::None:
    case FileIO::WriteError::Failed:
        break;
    }
    return ExportFile::Result::WriteFailed;
}

void removeAll(const QStringList &paths)
{
    for (const QString &path : paths)
        QFile::remove(path);
}

} // namespace

// One ffmpeg run into a temporary file beside its output.
struct ClipExport::Run
{
    explicit Run(double length) : progress(length) {}

    QString temporary;
    QString output;
    QProcess process;
    FfmpegProgress progress;
    QByteArray errors; // the end of ffmpeg's standard error
    bool ended = false;
};

ClipExport::ClipExport(ClipRequest request, QObject *parent)
    : QObject(parent), m_request(std::move(request))
{
}

ClipExport::~ClipExport()
{
    stopRuns();
}

void ClipExport::start()
{
    if (m_started)
        return;
    m_started = true;
    m_running = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_running)
                begin();
        },
        Qt::QueuedConnection);
}

void ClipExport::cancel()
{
    if (!m_running)
        return;
    stopRuns();
    finish(Status::Cancelled);
}

void ClipExport::begin()
{
    if (m_request.frontInput.isEmpty() || m_request.output.isEmpty() ||
        !(m_request.to > m_request.from) || m_request.from < 0.0 ||
        m_request.writesOver({m_request.frontInput, m_request.rearInput}))
        return fail(Status::InvalidRequest,
                    QStringLiteral("no clip from %1 to %2 s of \"%3\" into \"%4\"")
                        .arg(m_request.from)
                        .arg(m_request.to)
                        .arg(m_request.frontInput, m_request.output));
    m_ffmpeg = FfmpegLocator::ffmpegPath();
    if (m_ffmpeg.isEmpty())
        return fail(Status::NoFfmpeg, QStringLiteral("ffmpeg was not found"));
    // Asked first, so that no ffmpeg starts for a folder that takes nothing.
    if (const auto problem = targetProblem(m_request.output))
        return fail(
            Status::CannotWrite,
            QStringLiteral("cannot write into %1").arg(QFileInfo(m_request.output).absolutePath()),
            *problem);
    if (m_request.mode == ClipRequest::Mode::Lossless)
        beginLossless();
    else
        beginComposed();
}

void ClipExport::beginLossless()
{
    const QStringList outputs = m_request.videoOutputs();
    const QStringList inputs =
        QStringList{m_request.frontInput, m_request.rearInput}.first(outputs.size());
    for (qsizetype i = 0; i < outputs.size(); ++i) {
        const std::optional<Mp4Movie> movie = Mp4Movie::readFile(inputs[i]);
        if (i == 0 && movie)
            m_frontEnd = movie->duration;
        const QString temporary = TranscodeCache::temporaryFor(outputs[i]);
        launch(ClipArguments::lossless(inputs[i], movie, m_request.from, m_request.to, temporary),
               temporary, outputs[i]);
    }
}

void ClipExport::beginComposed()
{
    const auto sizeOf = [](const QString &input) {
        const std::optional<Mp4Movie> movie = Mp4Movie::readFile(input);
        const Mp4Movie::Track *picture = pictureTrack(movie);
        return picture ? QSize(picture->width, picture->height) : QSize();
    };
    const ClipGeometry geometry = ClipGeometry::compose(
        sizeOf(m_request.frontInput),
        m_request.hasRear() ? std::optional(sizeOf(m_request.rearInput)) : std::nullopt,
        m_request.layout);
    QString overlay;
    if (m_request.overlay) {
        m_scratch = std::make_unique<QTemporaryDir>();
        const QString script = m_scratch->filePath(QLatin1String(kOverlayFileName));
        const FileIO::WriteResult written =
            m_scratch->isValid()
                ? FileIO::saveToFile(script, ClipTelemetryFiles::overlay(m_request, geometry.frame))
                : FileIO::WriteResult{FileIO::WriteError::NotWritable,
                                      QStringLiteral("no temporary folder")};
        if (!written.ok())
            return fail(Status::CannotWrite, written.message, ExportFile::Result::WriteFailed);
        overlay = QLatin1String(kOverlayFileName);
    }
    const QString temporary = TranscodeCache::temporaryFor(m_request.output);
    launch(ClipArguments::composed(m_request.frontInput, m_request.rearInput, m_request.from,
                                   m_request.to, geometry, overlay, temporary),
           temporary, m_request.output);
}

void ClipExport::launch(const QStringList &arguments, const QString &temporary,
                        const QString &output)
{
    const size_t index = m_runs.size();
    m_runs.push_back(std::make_unique<Run>(m_request.length()));
    Run &run = *m_runs.back();
    run.temporary = temporary;
    run.output = output;
    if (m_scratch)
        run.process.setWorkingDirectory(m_scratch->path());
    connect(&run.process, &QProcess::readyReadStandardOutput, this, [this, &run] {
        run.progress.feed(run.process.readAllStandardOutput());
        reportProgress();
    });
    connect(&run.process, &QProcess::readyReadStandardError, this, [&run] {
        run.errors = (run.errors + run.process.readAllStandardError()).right(kErrorTailBytes);
    });
    // Queued, so that no process is removed inside its own signal; the index
    // lets a late signal of a finished export find nothing.
    connect(
        &run.process, &QProcess::finished, this, [this, index] { runEnded(index); },
        Qt::QueuedConnection);
    connect(
        &run.process, &QProcess::errorOccurred, this, [this, index] { runEnded(index); },
        Qt::QueuedConnection);
    ChildProcess::start(run.process, m_ffmpeg, arguments, QProcess::SeparateChannels);
}

void ClipExport::runEnded(size_t index)
{
    if (!m_running || index >= m_runs.size())
        return;
    Run &run = *m_runs[index];
    if (run.ended || run.process.state() != QProcess::NotRunning)
        return;
    run.ended = true;
    run.progress.feed(run.process.readAllStandardOutput());
    run.errors = (run.errors + run.process.readAllStandardError()).right(kErrorTailBytes);
    if (!ChildProcess::succeeded(run.process) || QFileInfo(run.temporary).size() == 0) {
        // Asked before the temporary files go, while a full volume is still full.
        const ExportFile::Result volume =
            ExportFile::targetFailure(run.output, kRoomMargin, ExportFile::Result::Written);
        const QString log = QStringLiteral("ffmpeg could not make %1 (exit code %2): %3")
                                .arg(run.output)
                                .arg(ChildProcess::exitCode(run.process))
                                .arg(QString::fromUtf8(run.errors).trimmed());
        stopRuns();
        if (volume != ExportFile::Result::Written)
            return fail(Status::CannotWrite, log, volume);
        return fail(Status::FfmpegFailed, log);
    }
    reportProgress();
    if (std::all_of(m_runs.begin(), m_runs.end(), [](const auto &other) { return other->ended; }))
        complete();
}

void ClipExport::complete()
{
    QStringList written;
    if (m_request.mode == ClipRequest::Mode::Lossless) {
        if (const auto failure = writeTelemetry(written)) {
            stopRuns();
            return fail(
                Status::CannotWrite,
                QStringLiteral("cannot write the telemetry beside %1").arg(m_request.output),
                *failure);
        }
    }
    QStringList videos;
    for (const auto &run : m_runs) {
        if (!TranscodeCache::keep(run->temporary, run->output, true)) {
            const ExportFile::Result failure =
                ExportFile::targetFailure(run->output, 1, ExportFile::Result::WriteFailed);
            removeAll(videos + written);
            stopRuns();
            return fail(Status::CannotWrite,
                        QStringLiteral("cannot move %1 into place").arg(run->output), failure);
        }
        videos.append(run->output);
    }
    m_result.files = videos + written;
    finish(Status::Done);
}

// The SRT and GPX of what the front camera's cut holds: it begins at the key
// frame before from, so it is timed from where its length says it begins.
std::optional<ExportFile::Result> ClipExport::writeTelemetry(QStringList &written)
{
    double start = m_request.from;
    const std::optional<Mp4Movie> cut = Mp4Movie::readFile(m_runs.front()->temporary);
    const Mp4Movie::Track *picture = pictureTrack(cut);
    if (picture && picture->duration > 0.0) {
        const double end = m_frontEnd > 0.0 ? std::min(m_request.to, m_frontEnd) : m_request.to;
        start = std::clamp(end - picture->duration, 0.0, m_request.from);
    }
    const std::pair<QString, QByteArray> files[] = {
        {m_request.subtitlesOutput(), ClipTelemetryFiles::subtitles(m_request, start)},
        {m_request.trackOutput(), ClipTelemetryFiles::track(m_request, start)}};
    for (const auto &[path, bytes] : files) {
        if (bytes.isEmpty())
            continue;
        const FileIO::WriteResult result = FileIO::saveToFile(path, bytes);
        if (!result.ok()) {
            qWarning().noquote() << result.message;
            removeAll(written);
            written.clear();
            return writeFailureOf(result, path);
        }
        written.append(path);
    }
    return std::nullopt;
}

void ClipExport::reportProgress()
{
    if (m_runs.empty())
        return;
    double sum = 0.0;
    for (const auto &run : m_runs)
        sum += run->progress.fraction();
    const double fraction = sum / double(m_runs.size());
    if (fraction > m_reported) {
        m_reported = fraction;
        Q_EMIT progress(fraction);
    }
}

// The runs themselves stay until the export goes: stopping may come from
// within one of their processes' signals.
void ClipExport::stopRuns()
{
    for (const auto &run : m_runs) {
        run->process.disconnect(this);
        if (run->process.state() != QProcess::NotRunning) {
            run->process.kill();
            run->process.waitForFinished(kKillWaitMilliseconds);
        }
        QFile::remove(run->temporary);
    }
}

void ClipExport::fail(Result::Status status, const QString &log, ExportFile::Result writeFailure)
{
    qWarning().noquote() << "clip export:" << log;
    m_result.log = log;
    m_result.writeFailure = writeFailure;
    finish(status);
}

void ClipExport::finish(Result::Status status)
{
    m_running = false;
    m_scratch.reset();
    m_result.status = status;
    if (status == Status::Done && m_reported < 1.0) {
        m_reported = 1.0;
        Q_EMIT progress(1.0);
    }
    Q_EMIT finished(m_result);
}

std::optional<ExportFile::Result> ClipExport::targetProblem(const QString &output)
{
    const QFileInfo folder(QFileInfo(output).absolutePath());
    if (folder.isDir() && folder.isWritable())
        return std::nullopt;
    return ExportFile::targetFailure(output, 1, ExportFile::Result::TargetNotWritable);
}

const char *ClipExport::messageKey(const Result &result)
{
    switch (result.status) {
    case Status::Done:
    case Status::Cancelled:
        return nullptr;
    case Status::NoFfmpeg:
        return "구간을 내보내려면 ffmpeg가 필요합니다. \"sudo apt install ffmpeg\" 명령으로 "
               "ffmpeg 패키지를 설치하십시오.";
    case Status::CannotWrite:
        if (const char *key = ExportFile::messageKey(result.writeFailure))
            return key;
        return ExportFile::messageKey(ExportFile::Result::WriteFailed);
    case Status::FfmpegFailed:
        return "ffmpeg가 구간을 만드는 중 오류가 발생했습니다.";
    case Status::InvalidRequest:
        break;
    }
    return "구간을 내보낼 수 없습니다.";
}
