#include "core/displays/SpeedGaugeReadout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kMilesPerKilometre = 0.621371f;

} // namespace

SpeedGaugeReadout::SpeedGaugeReadout(int32_t speedKmh, bool mph)
    : m_mph(mph), m_displayValue(displaySpeed(speedKmh, mph))
{
    if (speedKmh < kFirstShownSpeed)
        return;
    const int32_t v = m_displayValue;
    const auto tensQuotient = int32_t(float(v) / 10.0f);
    const int ones = int(v % 10);
    const int tens = int(tensQuotient % 10);
    const int hundreds = int(int32_t(float(tensQuotient) / 10.0f) % 10);
    m_ones = ones;
    if (hundreds != 0) {
        m_tens = tens;
        m_hundreds = hundreds;
    } else if (tens != 0) {
        m_tens = tens;
    }
}

int32_t SpeedGaugeReadout::displaySpeed(int32_t speedKmh, bool mph)
{
    if (!mph)
        return speedKmh;
    // Halves round away from zero.
    return int32_t(std::lround(float(speedKmh) * kMilesPerKilometre));
}

int SpeedGaugeReadout::litSegmentCount(int32_t displaySpeed)
{
    const auto k = std::trunc(double(displaySpeed) / 10.0);
    return int(std::clamp(k, 0.0, double(kSegmentCount)));
}
