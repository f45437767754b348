#pragma once

#include <cstdint>

class TorvaClipData;

// Distance and speeds of one or more telemetry tracks, from the samples with
// a fix (a position other than 0, 0: the receiver's status was valid).
// Distance is the haversine length between consecutive fixes of a track;
// the way between two tracks is not counted, since the car may have stood
// or moved unrecorded in between.
class TrackDistance
{
public:
    // Mean earth radius.
    static constexpr double kEarthRadiusMetres = 6371000.0;
    // Below this GPS speed the car counts as standing: receivers report a
    // few km/h of jitter while parked.
    static constexpr double kMovingKmh = 5.0;

    static double haversineMetres(double latitude1, double longitude1, double latitude2,
                                  double longitude2);

    void add(const TorvaClipData &track);
    void add(const TrackDistance &other);

    double metres() const { return m_metres; }
    // The highest GPS speed of a fix; 0 without fixes.
    double topSpeedKmh() const { return m_topKmh; }
    // The mean GPS speed of the fixes at kMovingKmh or more; 0 without any.
    double averageMovingSpeedKmh() const;

private:
    double m_metres = 0.0;
    double m_topKmh = 0.0;
    double m_movingKmhSum = 0.0;
    int64_t m_movingSamples = 0;
};
