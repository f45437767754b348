#include "core/telemetry/TelemetryTrackBuilder.h"

#include "core/telemetry/TelemetryNumbers.h"

TelemetryTrackBuilder::TelemetryTrackBuilder(int groupCapacity) : m_groupCapacity(groupCapacity)
{
    m_group.reserve(size_t(groupCapacity));
}

void TelemetryTrackBuilder::appendEntry(AccelerationEntry entry)
{
    if (groupSize() < m_groupCapacity)
        m_group.push_back(entry);
}

std::vector<int> TelemetryTrackBuilder::groupClosingIndexes(int n)
{
    std::vector<int> indexes;
    if (n <= 0)
        return indexes;
    if (n <= 10) {
        const float ratio = float(n) / 10.0f;
        for (int j = 0; j < 10; ++j)
            indexes.push_back(int(float(j) * ratio));
        return indexes;
    }
    const float step = 10.0f / float(n);
    int64_t previous = -1;
    for (int i = 0; i < n && indexes.size() < 10; ++i) {
        const float scaled = float(i) * step;
        const int64_t k = TelemetryNumbers::truncToInt64(double(scaled) + 0.5);
        if (k != previous) {
            indexes.push_back(i);
            previous = k;
        }
    }
    return indexes;
}

void TelemetryTrackBuilder::storeSample(AccelerationEntry entry, const GpsState &state)
{
    if (isFull())
        return;
    m_samples.gx[size_t(m_stored)] = entry.x;
    m_samples.gy[size_t(m_stored)] = entry.y;
    m_samples.gz[size_t(m_stored)] = entry.z;
    m_samples.gpsSpeed[size_t(m_stored)] = state.speed;
    m_positions[size_t(m_stored)] = state;
    ++m_stored;
}

void TelemetryTrackBuilder::closeGroup(const GpsState &state)
{
    for (const int index : groupClosingIndexes(groupSize()))
        storeSample(m_group[size_t(index)], state);
    m_group.clear();
}

void TelemetryTrackBuilder::closeGroupAtEnd(const GpsState &state)
{
    if (m_stored > 0 && !m_group.empty())
        closeGroup(state);
}

void TelemetryTrackBuilder::storeGroupUnresampled()
{
    for (const AccelerationEntry &entry : m_group)
        storeSample(entry, GpsState{});
    m_group.clear();
}

TelemetryReading TelemetryTrackBuilder::reading() const
{
    TelemetryReading reading{m_samples, m_stored, 0};
    for (size_t k = 0; k < size_t(m_stored); ++k) {
        const GpsState &position = m_positions[k];
        float lat = float(position.latitude) / 1000000.0f;
        float lng = float(position.longitude) / 1000000.0f;
        if (position.northSouth != 'N')
            lat = -lat;
        if (position.eastWest != 'E')
            lng = -lng;
        reading.samples.gpsInfoLat[k] = lat;
        reading.samples.gpsInfoLng[k] = lng;
        if (lat != 0.0f || lng != 0.0f)
            ++reading.gpsCount;
    }
    return reading;
}
