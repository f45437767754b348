#pragma once

#include "core/telemetry/SubtitleEntry.h"

#include <QString>

#include <cstdint>
#include <vector>

// The SRT telemetry of an MP4 recording as time-stamped entries, looked up by
// the ten-per-second sample index: acceleration by exact time, position by
// the nearest fixes with linear interpolation.
class SubtitleData
{
public:
    enum GpsResult : int32_t
    {
        GpsExact = 0,
        GpsApproximate = 1,
        GpsNone = 2,
    };

    static SubtitleData loadFromPath(const QString &path);
    // Replaces the entries with those of the text; bytes that are not UTF-8
    // give no entries.
    void loadFromText(const QByteArray &utf8);

    bool getSensorAt(int32_t index, int32_t &x, int32_t &y, int32_t &z) const;
    int32_t getGpsAt(int32_t index, float &lat, float &lng, uint32_t &speed) const;

    const std::vector<SubtitleEntry> &entries() const { return m_entries; }
    void setEntries(std::vector<SubtitleEntry> entries) { m_entries = std::move(entries); }

    static constexpr int64_t kMaxFileBytes = int64_t(64) << 20;

private:
    std::vector<SubtitleEntry> m_entries;
};
