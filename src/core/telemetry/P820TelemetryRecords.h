#pragma once

#include "core/telemetry/GpsState.h"
#include "core/telemetry/TelemetryTrackBuilder.h"
#include "core/telemetry/TextFields.h"

#include <optional>

// The comma-separated records of the P820 family, shared by the MP4 scan and
// the SRT reader: "gsensor" and "gsensori" acceleration entries and RMC
// sentences that close each pending group.
class P820TelemetryRecords
{
public:
    static constexpr int kGroupCapacity = 656;

    P820TelemetryRecords();

    // A "gsensor" (at least 4 fields) or "gsensori" (at least 6) record;
    // returns false when the record is of neither kind or too short.
    bool appendAcceleration(const TextFields &fields);
    // An RMC sentence whose status is fields[statusField].
    void handleRmc(const TextFields &fields, size_t statusField);
    // "CAR": the last entry once more, or fields 1 to 3 when the group is empty.
    void repeatLastAcceleration(const TextFields &fields);

    bool isFull() const { return m_builder.isFull(); }
    TelemetryReading finish();

    static std::optional<AccelerationEntry> gsensorEntry(const TextFields &fields);
    static std::optional<AccelerationEntry> gsensoriEntry(const TextFields &fields);
    // The z field is read from at most its first three characters.
    static int32_t cutZField(std::string_view field);
    static bool isRmcKind(std::string_view field0);

private:
    TelemetryTrackBuilder m_builder;
    GpsState m_gps;
    bool m_rmcSeen = false;
};
