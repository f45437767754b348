#include "core/telemetry/SubtitleEntry.h"

#include "core/telemetry/TelemetryNumbers.h"

#include <algorithm>
#include <cmath>

using namespace TelemetryNumbers;

SubtitleEntry SubtitleEntry::entryWithTime(const QRegularExpressionMatch &match)
{
    const int64_t minutes = leadingInt(match.captured(1).toStdString());
    QString seconds = match.captured(2);
    seconds.replace(QLatin1Char(','), QLatin1Char('.'));
    const float secondsValue = leadingFloat(seconds.toStdString());
    SubtitleEntry entry;
    const float ms = (float(minutes * 60) + secondsValue) * 1000.0f;
    entry.m_cts = int32_t(truncToInt64(std::clamp<double>(ms, INT32_MIN, INT32_MAX)));
    return entry;
}

void SubtitleEntry::parseSensor(const TextFields &fields)
{
    setGx(leadingInt(fields.at(1)));
    setGy(leadingInt(fields.at(2)));
    setGz(leadingInt(fields.at(3)));
}

void SubtitleEntry::parseSensorI(const TextFields &fields)
{
    const int64_t a = leadingInt(fields.at(1));
    const int64_t b = leadingInt(fields.at(2));
    const int64_t q = a == 0 ? 0 : b / a; // no scale without counts
    if (q == 0)
        return;
    // Rounded half away from zero in single precision, then cut to 16 bits.
    const auto axis = [q](std::string_view field) {
        const float rounded = std::round(float(leadingInt(field)) * 128.0f / float(q));
        return int32_t(int16_t(truncToInt64(rounded)));
    };
    setGx(axis(fields.at(3)));
    setGy(axis(fields.at(4)));
    setGz(axis(fields.at(5)));
}

void SubtitleEntry::parseGprmc(const TextFields &fields)
{
    if (fields.at(2) != "A")
        return;
    m_lat = degree(fields.at(3), fields.at(4));
    m_lng = degree(fields.at(5), fields.at(6));
    const double kmh = double(leadingFloat(fields.at(7))) * 1.852;
    m_speed = uint32_t(uint64_t(truncToInt64(std::round(kmh))));
}

float SubtitleEntry::degree(std::string_view coordinate, std::string_view compass)
{
    if (utf16Length(coordinate) < 2 || compass.empty())
        return 0.0f;
    const float v = leadingFloat(coordinate);
    const float w = v / 100.0f;
    const int64_t d = truncToInt64(w);
    const float result = (v - float(double(d) * 100.0)) / 60.0f + float(d);
    return compass.front() == 'E' || compass.front() == 'N' ? result : -result;
}
