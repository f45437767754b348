#include "core/telemetry/TrackDistance.h"

#include "core/telemetry/TorvaClipData.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double TrackDistance::haversineMetres(double latitude1, double longitude1, double latitude2,
                                      double longitude2)
{
    constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
    const double phi1 = latitude1 * kRadiansPerDegree;
    const double phi2 = latitude2 * kRadiansPerDegree;
    const double sinHalfLatitude = std::sin((phi2 - phi1) / 2.0);
    const double sinHalfLongitude = std::sin((longitude2 - longitude1) * kRadiansPerDegree / 2.0);
    const double h = sinHalfLatitude * sinHalfLatitude +
                     std::cos(phi1) * std::cos(phi2) * sinHalfLongitude * sinHalfLongitude;
    // Rounding may push h a hair past 1 for antipodal points.
    return 2.0 * kEarthRadiusMetres * std::asin(std::sqrt(std::min(h, 1.0)));
}

void TrackDistance::add(const TorvaClipData &track)
{
    int32_t previous = -1;
    for (int32_t i = 0; i < track.sampleCount(); ++i) {
        if (!track.hasFix(i))
            continue;
        const double speed = track.getGpsSpeed(i);
        m_topKmh = std::max(m_topKmh, speed);
        if (speed >= kMovingKmh) {
            m_movingKmhSum += speed;
            ++m_movingSamples;
        }
        if (previous >= 0)
            m_metres += haversineMetres(track.getGpsLat(previous), track.getGpsLng(previous),
                                        track.getGpsLat(i), track.getGpsLng(i));
        previous = i;
    }
}

void TrackDistance::add(const TrackDistance &other)
{
    m_metres += other.m_metres;
    m_topKmh = std::max(m_topKmh, other.m_topKmh);
    m_movingKmhSum += other.m_movingKmhSum;
    m_movingSamples += other.m_movingSamples;
}

double TrackDistance::averageMovingSpeedKmh() const
{
    return m_movingSamples == 0 ? 0.0 : m_movingKmhSum / double(m_movingSamples);
}
