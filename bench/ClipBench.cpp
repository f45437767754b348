// A lossless clip of 60 s from a 70 s recording of dashcam size (1280×720,
// about 8 Mbit/s, sound), against ffmpeg's own stream copy of the same range
// run alone. Wall-clock medians of five repetitions.
#include "BenchFfmpeg.h"
#include "TempFolder.h"
#include "TestApplication.h"
#include "TestMedia.h"

#include "core/clip/ClipExport.h"

#include <QEventLoop>

#include <benchmark/benchmark.h>

namespace {

constexpr double kFrom = 5.0;
constexpr double kTo = 65.0;

struct Recording
{
    TempFolder folder;
    QString path;
};

const Recording &recording()
{
    static Recording made;
    if (!made.path.isEmpty())
        return made;
    const QString tenSeconds = made.folder.path("ten.mp4");
    made.path = made.folder.path("REC_20260514_083000.mp4");
    if (!BenchFfmpeg::run({"-f",       "lavfi",     "-i",   "testsrc2=size=1280x720:rate=30",
                           "-f",       "lavfi",     "-i",   "sine=frequency=440",
                           "-t",       "10",        "-c:v", "libx264",
                           "-preset",  "ultrafast", "-g",   "30",
                           "-pix_fmt", "yuv420p",   "-c:a", "aac",
                           tenSeconds}) ||
        !TestMedia::repeated(tenSeconds, made.path, 7))
        qFatal("cannot make the benchmark's recording");
    return made;
}

void BM_ClipLosslessExport(benchmark::State &state)
{
    TestApplication::ensure();
    ClipRequest request;
    request.frontInput = recording().path;
    request.from = kFrom;
    request.to = kTo;
    request.output = recording().folder.path("clip.mp4");
    for (auto _ : state) {
        ClipExport job(request);
        QEventLoop loop;
        QObject::connect(&job, &ClipExport::finished, &loop, &QEventLoop::quit);
        job.start();
        loop.exec();
        if (job.result().status != ClipExport::Result::Status::Done)
            state.SkipWithError(qPrintable(job.result().log));
    }
}

void BM_FfmpegStreamCopy(benchmark::State &state)
{
    const QString output = recording().folder.path("copy.mp4");
    for (auto _ : state) {
        if (!BenchFfmpeg::run({"-ss", QString::number(kFrom), "-i", recording().path, "-t",
                               QString::number(kTo - kFrom), "-map", "0", "-c", "copy",
                               "-avoid_negative_ts", "make_zero", output}))
            state.SkipWithError("ffmpeg failed");
    }
}

} // namespace

BENCHMARK(BM_ClipLosslessExport)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FfmpegStreamCopy)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
