#include "core/telemetry/TelemetrySampleIndex.h"

#include <cmath>
#include <limits>

uint32_t TelemetrySampleIndex::forPlayTime(double seconds)
{
    const double scaled = seconds * 10.0;
    if (!(scaled > 0.0))
        return 0;
    constexpr double kLimit = double(std::numeric_limits<uint32_t>::max());
    if (scaled >= kLimit)
        return std::numeric_limits<uint32_t>::max();
    return uint32_t(std::trunc(scaled));
}
