#include "PlaybackTrackBuilder.h"

#include "core/telemetry/DemoDrive.h"
#include "core/telemetry/TailBlockReader.h"

#include <QBuffer>

#include <algorithm>
#include <vector>

TorvaClipData PlaybackTrackBuilder::clipData(int count, int firstFix)
{
    count = std::clamp(count, 0, TorvaClipData::kCapacity);
    TelemetrySamples samples;
    uint32_t fixes = 0;
    for (int i = 0; i < count; ++i) {
        const auto n = size_t(i);
        samples.gx[n] = int16_t(i);
        samples.gy[n] = int16_t(-i);
        samples.gz[n] = int16_t(2 * i);
        if (i < firstFix)
            continue;
        samples.gpsInfoLat[n] = 37.0f + float(i) / 1000.0f;
        samples.gpsInfoLng[n] = 127.0f + float(i) / 1000.0f;
        samples.gpsSpeed[n] = uint32_t(i);
        ++fixes;
    }
    TorvaClipData track;
    track.storeSamples(samples, count, fixes);
    track.setClipDataCount(uint32_t(count));
    return track;
}

TorvaClipData PlaybackTrackBuilder::demoDrive(int seconds)
{
    DemoDrive::Options options;
    options.seconds = seconds;
    QByteArray tail = DemoDrive(options).tailBlock();
    QBuffer buffer(&tail);
    buffer.open(QIODevice::ReadOnly);
    TorvaClipData track;
    track.setClipDataCount(uint32_t(track.storeReading(TailBlockReader::read(buffer))));
    return track;
}

SubtitleData PlaybackTrackBuilder::subtitles(int seconds)
{
    std::vector<SubtitleEntry> entries;
    for (int i = 0; i < seconds * 10; ++i) {
        SubtitleEntry entry;
        entry.setCts(i * 100);
        entry.setGx(i);
        entry.setGy(-i);
        entry.setGz(2 * i);
        if (i % 10 == 0) {
            const int second = i / 10;
            entry.setLat(37.0f + float(second) / 100.0f);
            entry.setLng(127.0f + float(second) / 100.0f);
            entry.setSpeed(uint32_t(10 * second));
        }
        entries.push_back(entry);
    }
    SubtitleData data;
    data.setEntries(std::move(entries));
    return data;
}
