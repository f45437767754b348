#pragma once

#include "core/library/Trip.h"

#include <QString>

#include <optional>

// The trip being played: its recordings one after another on one timeline,
// each as long as its recording, the pauses between them left out.
class TripPlayback
{
public:
    // A place on the timeline: a recording of the trip and a time in it.
    struct Place
    {
        qsizetype index = -1;
        double seconds = 0.0;
    };

    void setTrip(Trip trip) { m_trip = std::move(trip); }
    void clear() { m_trip = Trip{}; }
    bool isActive() const { return !m_trip.recordings.isEmpty(); }
    const Trip &trip() const { return m_trip; }
    // The timeline's length: the recordings' lengths added up.
    double seconds() const { return m_trip.seconds; }

    // The recording whose front or rear file this is; -1 when it is not in
    // the trip.
    qsizetype indexOf(const QString &path) const;
    // The recording played after this one; none after the last one or for a
    // recording not in the trip.
    std::optional<QString> nextAfter(const QString &path) const;
    // Where recording index begins on the timeline.
    double offsetOf(qsizetype index) const;
    // The place at a time of the timeline, held within it.
    Place placeAt(double tripSeconds) const;

private:
    Trip m_trip;
};
