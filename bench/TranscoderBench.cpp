// Opening a recording whose playable files are already in the transcoder
// cache, against the ffmpeg stream listing that an AVI would need without its
// header, and the first, converting open for comparison; then the first open of a six-minute
// two-camera AVI against one ffmpeg run that copies both cameras out of it.
// HOME points at a temporary folder.
#include "BenchFfmpeg.h"
#include "TemporaryHome.h"
#include "TestMedia.h"

#include "core/telemetry/AviTelemetryAppender.h"
#include "core/telemetry/DemoDrive.h"
#include "core/video/Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <benchmark/benchmark.h>

namespace {

struct Recordings
{
    TemporaryHome home;
    QUrl avi;
    QUrl mp4;
};

const Recordings &recordings()
{
    static Recordings made;
    if (!made.avi.isEmpty())
        return made;
    const QString card = made.home.path("card");
    QDir().mkpath(card);
    const QString avi = card + "/REC_0101.avi";
    const QString front = card + "/REC_0101F.mp4";
    const QByteArray srt = "1\n00:00:00,000 --> 00:00:01,000\ngsensor,1,2,3\n\n";
    if (!TestMedia::dualCameraAvi(avi) || !TestMedia::mp4WithSubtitles(front, srt) ||
        !TestMedia::mp4WithSubtitles(card + "/REC_0101R.mp4", srt))
        qFatal("cannot make the benchmark's recordings");
    made.avi = QUrl::fromLocalFile(avi);
    made.mp4 = QUrl::fromLocalFile(front);
    for (const QUrl &url : {made.avi, made.mp4}) {
        const auto files = Utils::checkAndConvertVideo(url);
        if (!files || files->size() != 2)
            qFatal("cannot convert %s", qPrintable(url.toLocalFile()));
    }
    return made;
}

// Six minutes of a two-camera AVI of dashcam size: 1920x1080 front at
// 8 Mbit/s, 1280x720 rear at 4 Mbit/s and PCM sound, ten seconds repeated,
// with the telemetry a camera adds.
const QString &sixMinuteAvi()
{
    static const QString made = [] {
        const QString card = recordings().home.path("card");
        const QString tenSeconds = card + "/ten.avi";
        const QString path = card + "/REC_0202.avi";
        DemoDrive::Options drive;
        drive.seconds = 360;
        if (!BenchFfmpeg::run(
                {"-f",       "lavfi",     "-i",      "testsrc2=size=1920x1080:rate=30",
                 "-f",       "lavfi",     "-i",      "smptebars=size=1280x720:rate=30",
                 "-f",       "lavfi",     "-i",      "sine=frequency=440:sample_rate=16000",
                 "-t",       "10",        "-map",    "0:v",
                 "-map",     "1:v",       "-map",    "2:a",
                 "-c:v",     "libx264",   "-preset", "ultrafast",
                 "-pix_fmt", "yuv420p",   "-g",      "30",
                 "-b:v:0",   "8M",        "-b:v:1",  "4M",
                 "-c:a",     "pcm_s16le", tenSeconds}) ||
            !TestMedia::repeated(tenSeconds, path, 36) ||
            !AviTelemetryAppender::append(path, DemoDrive(drive).aviRecords()))
            qFatal("cannot make the six-minute recording");
        QFile::remove(tenSeconds);
        return path;
    }();
    return made;
}

// The first open: the stream listing and the conversions, timed from an
// empty cache.
void convertUncached(benchmark::State &state, const QUrl &url)
{
    for (auto _ : state) {
        state.PauseTiming();
        Utils::RemoveDirectory(Utils::GetWorkingDirectoryPath() + "/temp_video");
        state.ResumeTiming();
        const auto files = Utils::checkAndConvertVideo(url);
        if (!files || files->size() != 2)
            state.SkipWithError("the conversion failed");
    }
    state.counters["input_kb"] = double(QFileInfo(url.toLocalFile()).size()) / 1024.0;
}

// MP4: name, size and existence checks only, no ffmpeg.
void BM_TranscoderCacheHitMp4(benchmark::State &state)
{
    const QUrl url = recordings().mp4;
    for (auto _ : state)
        benchmark::DoNotOptimize(Utils::checkAndConvertVideo(url));
}

// AVI: the same checks after reading the streams from its header.
void BM_TranscoderCacheHitAvi(benchmark::State &state)
{
    const QUrl url = recordings().avi;
    for (auto _ : state)
        benchmark::DoNotOptimize(Utils::checkAndConvertVideo(url));
}

void BM_TranscoderStreamListing(benchmark::State &state)
{
    const QString path = recordings().avi.toLocalFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(Utils::GetFFMPEGVideoInfo(path));
}

// The first open of the small two-camera AVI.
void BM_TranscoderConvertAvi(benchmark::State &state)
{
    convertUncached(state, recordings().avi);
}

void BM_TranscoderConvertSixMinuteAvi(benchmark::State &state)
{
    convertUncached(state, QUrl::fromLocalFile(sixMinuteAvi()));
}

// The yardstick: one ffmpeg reading the recording once and writing the same
// two MOV files, each camera with the sound.
void BM_FfmpegSixMinuteAviOneRun(benchmark::State &state)
{
    const QString input = sixMinuteAvi();
    const QString front = recordings().home.path("one_f.mov");
    const QString rear = recordings().home.path("one_r.mov");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(front);
        QFile::remove(rear);
        state.ResumeTiming();
        if (!BenchFfmpeg::run({"-i", input, "-map", "0:0", "-map", "0:2", "-c", "copy", front,
                               "-map", "0:1", "-map", "0:2", "-c", "copy", rear}))
            state.SkipWithError("ffmpeg failed");
    }
}

} // namespace

BENCHMARK(BM_TranscoderCacheHitMp4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TranscoderCacheHitAvi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranscoderStreamListing)->Unit(benchmark::kMillisecond);
// Wall-clock time: the work is done by ffmpeg, not by this process.
BENCHMARK(BM_TranscoderConvertAvi)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_TranscoderConvertSixMinuteAvi)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK(BM_FfmpegSixMinuteAviOneRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
