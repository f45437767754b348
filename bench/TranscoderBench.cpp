// Opening a recording whose playable files are already in the transcoder
// cache, against the ffmpeg stream listing that an AVI still needs, and the
// first, converting open for comparison. HOME points at a temporary folder.
#include "TemporaryHome.h"
#include "TestMedia.h"

#include "core/video/Utils.h"

#include <QDir>
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

// MP4: name, size and existence checks only, no ffmpeg.
void BM_TranscoderCacheHitMp4(benchmark::State &state)
{
    const QUrl url = recordings().mp4;
    for (auto _ : state)
        benchmark::DoNotOptimize(Utils::checkAndConvertVideo(url));
}

// AVI: the same checks after an ffmpeg stream listing.
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

// The first open of the two-camera AVI: listing and two remuxes.
void BM_TranscoderConvertAvi(benchmark::State &state)
{
    const QUrl url = recordings().avi;
    for (auto _ : state) {
        state.PauseTiming();
        Utils::RemoveDirectory(Utils::GetWorkingDirectoryPath() + "/temp_video");
        state.ResumeTiming();
        benchmark::DoNotOptimize(Utils::checkAndConvertVideo(url));
    }
    state.counters["input_kb"] = double(QFileInfo(url.toLocalFile()).size()) / 1024.0;
}

} // namespace

BENCHMARK(BM_TranscoderCacheHitMp4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TranscoderCacheHitAvi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranscoderStreamListing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranscoderConvertAvi)->Unit(benchmark::kMillisecond)->Iterations(10);
