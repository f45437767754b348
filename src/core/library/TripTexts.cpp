#include "core/library/TripTexts.h"

#include "core/library/Trip.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMetresPerMile = 1609.344;

} // namespace

QString TripTexts::startText(const Trip &trip)
{
    return trip.start.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString TripTexts::lengthText(double seconds)
{
    const long whole = std::lround(std::max(0.0, seconds));
    if (whole >= 3600)
        return QString::asprintf("%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
    return QString::asprintf("%ld:%02ld", whole / 60, whole % 60);
}

QString TripTexts::eventTimeText(double seconds)
{
    const long tenths = std::lround(std::max(0.0, seconds) * 10.0);
    return QString::asprintf("%ld:%02ld.%ld", tenths / 600, tenths / 10 % 60, tenths % 10);
}

QString TripTexts::distanceText(double metres, bool mph)
{
    return mph ? QString::asprintf("%.1f mi", metres / kMetresPerMile)
               : QString::asprintf("%.1f km", metres / 1000.0);
}

const char *TripTexts::eventKindKey(DrivingEvents::Kind kind)
{
    switch (kind) {
    case DrivingEvents::Kind::Braking:
        return "급제동";
    case DrivingEvents::Kind::Acceleration:
        return "급가속";
    case DrivingEvents::Kind::Impact:
        return "충격";
    }
    return "충격";
}
