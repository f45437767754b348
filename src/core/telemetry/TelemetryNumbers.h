#pragma once

#include <cstdint>
#include <string_view>

// Text-to-number conversions shared by the telemetry readers. The cameras
// write numbers as plain text; every conversion reads only the leading
// numeric part and yields 0 for text without one, as the recordings expect.
namespace TelemetryNumbers {

// Leading blanks, an optional sign, then digits; saturates to the int32 range.
int32_t leadingInt(std::string_view text);

// Leading blanks, an optional sign, digits and an optional fraction, rounded
// once to single precision.
float leadingFloat(std::string_view text);

// Truncation toward zero into a 64-bit integer; NaN gives 0 and values out of
// range saturate, so no conversion is ever undefined.
int64_t truncToInt64(double value);

// Low 32 bits of the truncated value, the way the track stores speeds and
// coordinates.
uint32_t truncToUint32(double value);

// NMEA ddmm.mmmm / dddmm.mmmm coordinate to millionths of a degree.
uint32_t nmeaToMicrodegrees(std::string_view text);

// trunc(float32(knots x 1.852) + 0.5): the product in double, narrowed to
// float, widened again before the half is added.
uint32_t knotsToKmh(float knots);

// UTF-16 length of valid UTF-8 text.
int utf16Length(std::string_view utf8);

bool isValidUtf8(std::string_view bytes);

} // namespace TelemetryNumbers
