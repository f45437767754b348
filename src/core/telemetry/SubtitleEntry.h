#pragma once

#include "core/telemetry/TextFields.h"

#include <QRegularExpressionMatch>

#include <cstdint>
#include <string_view>

// One block of a recording's SRT telemetry, kept at its own time.
class SubtitleEntry
{
public:
    static constexpr int32_t kNoAcceleration = -512;
    static constexpr float kNoPosition = 512.0f;
    static constexpr uint32_t kNoSpeed = 1024;

    // A new entry for the block whose time line matched; cts from its start.
    static SubtitleEntry entryWithTime(const QRegularExpressionMatch &match);

    void parseSensor(const TextFields &fields);
    void parseSensorI(const TextFields &fields);
    void parseGprmc(const TextFields &fields);

    static float degree(std::string_view coordinate, std::string_view compass);

    int32_t cts() const { return m_cts; }
    void setCts(int32_t cts) { m_cts = cts; }
    int32_t gx() const { return m_gx; }
    int32_t gy() const { return m_gy; }
    int32_t gz() const { return m_gz; }
    // Acceleration stays within -512 … 512.
    void setGx(int32_t value) { m_gx = limited(value); }
    void setGy(int32_t value) { m_gy = limited(value); }
    void setGz(int32_t value) { m_gz = limited(value); }
    float lat() const { return m_lat; }
    void setLat(float lat) { m_lat = lat; }
    float lng() const { return m_lng; }
    void setLng(float lng) { m_lng = lng; }
    uint32_t speed() const { return m_speed; }
    void setSpeed(uint32_t speed) { m_speed = speed; }

private:
    static int32_t limited(int32_t value)
    {
        return value > 512 ? 512 : value < -511 ? -512 : value;
    }

    int32_t m_cts = 0;
    int32_t m_gx = kNoAcceleration;
    int32_t m_gy = kNoAcceleration;
    int32_t m_gz = kNoAcceleration;
    float m_lat = kNoPosition;
    float m_lng = kNoPosition;
    uint32_t m_speed = kNoSpeed;
};
