#pragma once

#include "core/library/Trip.h"

#include <QList>
#include <QString>
#include <QStringList>

class CliOutput;

// torva trips DIR [--json]
// The card's trips in time order, numbered from 0: one tab-separated line
// each (number, start, end, length, distance, top and average moving speed,
// recordings, card folder), or a JSON list of {"start","end","seconds","distance_m","recordings"}.
class TripsCommand
{
public:
    static int run(const QStringList &args, CliOutput &output);
    static const char *usage();

    // The trips of the card folder dir with the gap of the preferences.
    static QList<Trip> tripsOf(const QString &dir);
};
