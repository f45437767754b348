// The MP4 telemetry scan against a plain sequential read of the same file.
// TORVA_BENCH_SCAN_MB sets the file size (default 512).
#include "PeakMemory.h"

#include "core/telemetry/Mp4TelemetryScanner.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Video-like random bytes with an acceleration tag every 64 KiB and a fix
// every 200 tags, so that the track never fills before the end of the file.
const QString &scanFile()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("recording.mp4"));
    if (QFile::exists(path))
        return path;
    const qint64 megabytes = qEnvironmentVariableIntValue("TORVA_BENCH_SCAN_MB") > 0
                                 ? qEnvironmentVariableIntValue("TORVA_BENCH_SCAN_MB")
                                 : 512;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    uint64_t state = 0x9E3779B97F4A7C15ull;
    QByteArray block(1 << 20, '\0');
    int tagIndex = 0;
    for (qint64 mb = 0; mb < megabytes; ++mb) {
        auto *words = reinterpret_cast<uint64_t *>(block.data());
        for (size_t i = 0; i < size_t(block.size()) / 8; ++i) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            words[i] = state;
        }
        for (int offset = 0; offset < block.size() - 200; offset += 64 * 1024) {
            const QByteArray tag =
                ++tagIndex % 200 == 0
                    ? QByteArray("02tx\x01\0\0GPRMC,1,A,3723.2475,N,12702.1234,E,10.0", 47)
                    : QByteArray("02tx\x01\0\0gsensor,1,2,3", 23);
            block.replace(offset, tag.size(), tag);
            block[offset + tag.size()] = '\0';
        }
        file.write(block);
    }
    return path;
}

void BM_PlainSequentialRead(benchmark::State &state)
{
    const QString &path = scanFile();
    QByteArray block(1 << 20, '\0');
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        while (file.read(block.data(), block.size()) > 0)
            benchmark::DoNotOptimize(block.data());
        state.SetBytesProcessed(state.bytes_processed() + file.size());
    }
    state.counters["peak_rss_mb"] = PeakMemory::residentMegabytes();
}

void BM_Mp4TelemetryScan(benchmark::State &state)
{
    const QString &path = scanFile();
    auto reading = std::make_unique<TelemetryReading>();
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        *reading = Mp4TelemetryScanner::scan(file, state.range(0));
        benchmark::DoNotOptimize(reading->count);
        state.SetBytesProcessed(state.bytes_processed() + file.size());
    }
    state.counters["samples"] = reading->gpsCount;
    state.counters["peak_rss_mb"] = PeakMemory::residentMegabytes();
}

} // namespace

BENCHMARK(BM_PlainSequentialRead)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_Mp4TelemetryScan)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0)
    ->Arg(256 << 10)
    ->Arg(1 << 20);
