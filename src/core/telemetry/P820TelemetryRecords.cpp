#include "core/telemetry/P820TelemetryRecords.h"

#include "core/telemetry/TelemetryNumbers.h"

#include <algorithm>

using TelemetryNumbers::leadingInt;

P820TelemetryRecords::P820TelemetryRecords() : m_builder(kGroupCapacity) {}

bool P820TelemetryRecords::isRmcKind(std::string_view field0)
{
    return field0 == "GPRMC" || field0 == "GNRMC";
}

int32_t P820TelemetryRecords::cutZField(std::string_view field)
{
    if (TelemetryNumbers::utf16Length(field) < 4)
        return leadingInt(field);
    size_t run = 0;
    while (run < field.size() && (field[run] == '-' || (field[run] >= '0' && field[run] <= '9')))
        ++run;
    return leadingInt(field.substr(0, std::min<size_t>(run, 2) + 1));
}

namespace {

// Fields 1 to 3 as written; a missing field reads as 0.
AccelerationEntry plainEntry(const TextFields &fields)
{
    return AccelerationEntry{int16_t(leadingInt(fields.at(1))), int16_t(leadingInt(fields.at(2))),
                             int16_t(P820TelemetryRecords::cutZField(fields.at(3)))};
}

} // namespace

std::optional<AccelerationEntry> P820TelemetryRecords::gsensorEntry(const TextFields &fields)
{
    if (fields.size() < 4)
        return std::nullopt;
    return plainEntry(fields);
}

std::optional<AccelerationEntry> P820TelemetryRecords::gsensoriEntry(const TextFields &fields)
{
    if (fields.size() < 6)
        return std::nullopt;
    const int64_t a = leadingInt(fields.at(1));
    const int64_t b = leadingInt(fields.at(2));
    const int64_t q = a == 0 ? 0 : b / a; // no scale without counts
    if (q == 0)
        return AccelerationEntry{};
    const auto axis = [q](int64_t v) {
        const float scaled = float(v * 128) / float(q);
        const int64_t value = TelemetryNumbers::truncToInt64(double(scaled) + 0.5);
        return int16_t(value < -511 ? -512 : std::min<int64_t>(value, 512));
    };
    return AccelerationEntry{axis(leadingInt(fields.at(3))), axis(leadingInt(fields.at(4))),
                             axis(cutZField(fields.at(5)))};
}

bool P820TelemetryRecords::appendAcceleration(const TextFields &fields)
{
    std::optional<AccelerationEntry> entry;
    if (fields.at(0) == "gsensor")
        entry = gsensorEntry(fields);
    else if (fields.at(0) == "gsensori")
        entry = gsensoriEntry(fields);
    if (!entry)
        return false;
    m_builder.appendEntry(*entry);
    return true;
}

void P820TelemetryRecords::handleRmc(const TextFields &fields, size_t statusField)
{
    m_gps = GpsState::fromRmc(fields, statusField);
    m_rmcSeen = true;
    if (m_builder.groupSize() > 0)
        m_builder.closeGroup(m_gps);
}

void P820TelemetryRecords::repeatLastAcceleration(const TextFields &fields)
{
    if (m_builder.groupSize() > 0) {
        m_builder.appendEntry(m_builder.lastEntry());
        return;
    }
    m_builder.appendEntry(plainEntry(fields));
}

TelemetryReading P820TelemetryRecords::finish()
{
    if (m_builder.groupSize() > 0) {
        if (m_builder.storedCount() > 0)
            m_builder.closeGroup(m_gps);
        else if (m_rmcSeen)
            m_builder.discardGroup(); // acceleration only after the last fix: nothing usable
        else
            m_builder.storeGroupUnresampled();
    }
    return m_builder.reading();
}
