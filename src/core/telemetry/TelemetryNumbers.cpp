#include "core/telemetry/TelemetryNumbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace TelemetryNumbers {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

size_t skipBlanks(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

} // namespace

int32_t leadingInt(std::string_view text)
{
    size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t magnitude = 0;
    constexpr int64_t limit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return int32_t(value);
}

float leadingFloat(std::string_view text)
{
    const size_t start = skipBlanks(text);
    size_t i = start;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-')
            number.push_back('-');
        ++i;
    }
    number.push_back('0'); // so that ".5" reads as "0.5"
    bool anyDigit = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        number.push_back(text[i]);
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        number.push_back('.');
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            number.push_back(text[i]);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0f;
    float value = 0.0f;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Without an exponent only a huge whole part overflows; anything else
        // out of range is a fraction too small for a float.
        const size_t wholeEnd = number.find('.');
        const bool huge = number.substr(0, wholeEnd).find_first_not_of("-0") != std::string::npos;
        value = huge ? std::numeric_limits<float>::infinity() : 0.0f;
        if (number.front() == '-')
            value = -value;
    }
    return value;
}

int64_t truncToInt64(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double upper = 9223372036854775807.0; // rounds to 2^63
    if (value >= upper)
        return std::numeric_limits<int64_t>::max();
    if (value <= -upper)
        return std::numeric_limits<int64_t>::min();
    return int64_t(value);
}

uint32_t truncToUint32(double value)
{
    return uint32_t(uint64_t(truncToInt64(value)));
}

uint32_t nmeaToMicrodegrees(std::string_view text)
{
    if (text.empty())
        return 0;
    const size_t point = text.find('.');
    if (point == std::string_view::npos || point < 2)
        return 0;
    const int32_t degrees = leadingInt(text.substr(0, point - 2));
    const float minutes = leadingFloat(text.substr(point - 2));
    const float value = (float(degrees) + minutes / 60.0f) * 1000000.0f;
    return truncToUint32(value);
}

uint32_t knotsToKmh(float knots)
{
    const float kmh = float(double(knots) * 1.852);
    return truncToUint32(double(kmh) + 0.5);
}

int utf16Length(std::string_view utf8)
{
    int length = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
            ++length;
        if (byte >= 0xF0)
            ++length; // a four-byte sequence is a surrogate pair in UTF-16
    }
    return length;
}

bool isValidUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        uint32_t codePoint = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            codePoint = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            codePoint = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            codePoint = lead & 0x07;
        } else {
            return false;
        }
        if (bytes.size() - i <= size_t(extra))
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        const uint32_t minimum = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
        if (codePoint < minimum || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += size_t(extra) + 1;
    }
    return true;
}

} // namespace TelemetryNumbers
