#pragma once

#include "core/telemetry/DrivingEvents.h"

#include <QString>

struct Trip;

// How a trip and its driving events read in the viewer's lists.
class TripTexts
{
public:
    // "2026-05-14 08:30", the trip's local start.
    static QString startText(const Trip &trip);
    // "1:05:09" from an hour on, else "5:09".
    static QString lengthText(double seconds);
    // "1:05.3": minutes and seconds to a tenth, for events close together.
    static QString eventTimeText(double seconds);
    // "12.3 km" or "7.6 mi", one decimal.
    static QString distanceText(double metres, bool mph);
    // The Korean key of an event kind's name ("급제동", "급가속", "충격").
    static const char *eventKindKey(DrivingEvents::Kind kind);
};
