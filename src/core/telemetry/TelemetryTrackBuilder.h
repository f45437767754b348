#pragma once

#include "core/telemetry/GpsState.h"
#include "core/telemetry/TelemetryReading.h"

#include <array>
#include <cstdint>
#include <vector>

struct AccelerationEntry
{
    int16_t x = 0;
    int16_t y = 0;
    int16_t z = 0;
};

// Collects acceleration entries into groups and closes each group into
// exactly ten samples carrying the GPS state of its closing, the way the
// cameras write one group per second. Positions become degrees only in
// reading(), once the reader is done.
class TelemetryTrackBuilder
{
public:
    explicit TelemetryTrackBuilder(int groupCapacity);

    // Entries past the group's capacity are dropped.
    void appendEntry(AccelerationEntry entry);
    int groupSize() const { return int(m_group.size()); }
    AccelerationEntry lastEntry() const { return m_group.back(); }
    void discardGroup() { m_group.clear(); }

    void closeGroup(const GpsState &state);
    // The end of a file closes a pending group only after an earlier closing.
    void closeGroupAtEnd(const GpsState &state);
    // Stores the pending entries one sample each, without resampling.
    void storeGroupUnresampled();

    int storedCount() const { return m_stored; }
    bool isFull() const { return m_stored >= TelemetrySamples::kCapacity; }

    // The samples stored so far, after the position pass.
    TelemetryReading reading() const;

    // Which group entries a closing of n entries stores, in order.
    static std::vector<int> groupClosingIndexes(int n);

private:
    void storeSample(AccelerationEntry entry, const GpsState &state);

    int m_groupCapacity;
    std::vector<AccelerationEntry> m_group;
    int m_stored = 0;
    TelemetrySamples m_samples;
    std::array<GpsState, TelemetrySamples::kCapacity> m_positions{};
};
