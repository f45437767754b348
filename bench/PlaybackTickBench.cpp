// The play-time timer's tick, 33 times a second: sample lookup, the gated
// read-out formatting and the map decisions. Steady ticks play a 65-second
// recording through; the "every tick" cases open the read-out gate each time,
// the worst case.
#include "PlaybackTrackBuilder.h"

#include "core/playback/MapPresenter.h"
#include "core/playback/MapTarget.h"
#include "core/playback/PlaybackTick.h"

#include <benchmark/benchmark.h>

namespace {

constexpr double kTick = 1.0 / 33.0;
constexpr int kTicksPerRecording = 65 * 33;

// A map that only counts what it is told.
class CountingMap : public MapTarget
{
public:
    void moveToLat(float, float) override { ++calls; }
    void removeMapLine() override { ++calls; }
    void addRoute(const TorvaClipData &) override { ++calls; }
    void setMapHidden(bool) override { ++calls; }
    void setCoverHidden(bool) override { ++calls; }

    int64_t calls = 0;
};

void runTicks(benchmark::State &state, const TorvaClipData &track, const SubtitleData *subtitles,
              bool everyTickOpensTheGate)
{
    CountingMap target;
    MapPresenter map(target);
    map.showRouteOf(track);
    PlaybackTick tick(map);
    int n = 0;
    int64_t readouts = 0;
    for (auto _ : state) {
        if (everyTickOpensTheGate)
            tick.resetUpdateTimes();
        const PlaybackTick::Display display =
            tick.playVideoTimerCallback(n * kTick, 65.0, track, subtitles);
        readouts += display.acceleration.has_value();
        benchmark::DoNotOptimize(display.playTime.constData());
        n = (n + 1) % kTicksPerRecording;
    }
    state.counters["readouts/tick"] =
        benchmark::Counter(double(readouts) / double(state.iterations()));
    state.counters["map calls"] = double(target.calls);
}

void BM_PlaybackTickTrack(benchmark::State &state)
{
    runTicks(state, PlaybackTrackBuilder::clipData(650), nullptr, state.range(0) != 0);
}
BENCHMARK(BM_PlaybackTickTrack)->ArgName("everyTick")->Arg(0)->Arg(1);

void BM_PlaybackTickSubtitles(benchmark::State &state)
{
    const SubtitleData subtitles = PlaybackTrackBuilder::subtitles(65);
    runTicks(state, PlaybackTrackBuilder::clipData(650), &subtitles, state.range(0) != 0);
}
BENCHMARK(BM_PlaybackTickSubtitles)->ArgName("everyTick")->Arg(0)->Arg(1);

} // namespace
