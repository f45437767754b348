#include "core/telemetry/GpsState.h"

#include "core/telemetry/TelemetryNumbers.h"

namespace {

char firstByte(std::string_view text)
{
    return text.empty() ? '\0' : text.front();
}

} // namespace

GpsState GpsState::fromRmc(const TextFields &fields, size_t statusField)
{
    if (fields.at(statusField) != "A")
        return GpsState{};
    GpsState state;
    state.latitude = TelemetryNumbers::nmeaToMicrodegrees(fields.at(statusField + 1));
    state.northSouth = firstByte(fields.at(statusField + 2));
    state.longitude = TelemetryNumbers::nmeaToMicrodegrees(fields.at(statusField + 3));
    state.eastWest = firstByte(fields.at(statusField + 4));
    state.speed =
        TelemetryNumbers::knotsToKmh(TelemetryNumbers::leadingFloat(fields.at(statusField + 5)));
    return state;
}
