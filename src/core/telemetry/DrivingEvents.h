#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

class TorvaClipData;
class TorvaPreferences;
struct Trip;

// Harsh braking, harsh acceleration and impacts found in a track's
// acceleration samples.
//
// Axes: x runs along the car, positive when it speeds up (as the demo drive
// and the cameras' graph show it), y across it, z up with gravity's 1 g.
// A harsh event is a run of samples with |x| or |y| above the harsh threshold
// lasting at least the harsh duration, each sample counting 0.1 s; it is
// braking when the larger of x and y at its peak is negative, acceleration
// otherwise (a camera turned sideways reports the car's length on y). An
// impact is a run with any axis above the impact threshold, however short;
// a run that holds an impact is reported as the impact alone.
class DrivingEvents
{
public:
    enum class Kind
    {
        Braking,
        Acceleration,
        Impact,
    };

    struct Event
    {
        QString file;             // the recording; empty from detect()
        int64_t milliseconds = 0; // when the run began, from the recording's start
        Kind kind = Kind::Braking;
        double peakG = 0.0; // the run's largest value on the axes that count
    };

    struct Thresholds
    {
        double harshG = 0.40;
        double harshSeconds = 0.2;
        double impactG = 1.5;

        // The preferences (TorvaPreferences), each defaulting as above.
        static Thresholds fromPreferences(const TorvaPreferences &preferences);
    };

    // "braking", "acceleration" or "impact".
    static const char *kindName(Kind kind);

    // The events of the track in time order.
    static QList<Event> detect(const TorvaClipData &track, const Thresholds &thresholds);
    // The events of a recording file (TelemetrySource::readRecording).
    static QList<Event> ofRecording(const QString &path, const Thresholds &thresholds);
    struct Place
    {
        double lat = 0.0;
        double lng = 0.0;
    };
    // Where the car was at a time of the track: the fix of that moment, else
    // the nearest one; none in a track without fixes.
    static std::optional<Place> placeOf(const TorvaClipData &track, int64_t milliseconds);

    // The events of the trip's recordings, recording after recording.
    static QList<Event> ofTrip(const Trip &trip, const Thresholds &thresholds);
};
