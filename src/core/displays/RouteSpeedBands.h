#pragma once

#include <QList>
#include <QString>

// The colours of a route drawn by speed: five bands of the user's speed unit,
// from blue when crawling to red when fast.
class RouteSpeedBands
{
public:
    struct LegendEntry
    {
        QString colour; // "#rrggbb"
        QString label;  // "20–40 km/h"
    };

    static constexpr int kBandCount = 5;

    // The band of a GPS speed in km/h, shown in mph or km/h.
    static int bandOf(double kmh, bool mph);
    static QString colourOf(int band);
    // The bands from slow to fast, labelled in the unit.
    static QList<LegendEntry> legend(bool mph);
};
