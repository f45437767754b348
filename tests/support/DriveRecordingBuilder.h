#pragma once

#include <QByteArray>

#include <vector>

// AVI recordings of a given length (from their main header) whose telemetry
// is a tail block of samples, for trip and driving event tests.
class DriveRecordingBuilder
{
public:
    struct Sample
    {
        double latitude = 0.0; // 0, 0: no fix
        double longitude = 0.0;
        int speed = 0; // km/h
        int x = 0;     // 1/128 g
        int y = 0;
        int z = 128;
    };

    static QByteArray avi(double seconds, const std::vector<Sample> &samples);
    // A minute at 40 km/h northwards from latitude on 127° E: 0.0001° (11.12 m)
    // a second, every tenth sample.
    static QByteArray minuteNorth(double latitude);
    // Samples standing still without a fix with the accelerations given (z
    // 128 where missing, x and y 0).
    static std::vector<Sample> shaking(const std::vector<int> &x, const std::vector<int> &y = {},
                                       const std::vector<int> &z = {});
};
