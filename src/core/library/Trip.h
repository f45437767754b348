#pragma once

#include "core/telemetry/TrackDistance.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One drive: recordings of one kind that follow each other without a long
// pause, in time order.
struct Trip
{
    struct Recording
    {
        QString path;        // absolute; the front file of a front/rear pair
        QString partnerPath; // the rear file of a pair; empty for a single file
        QString kind;        // the card folder it lies in ("cont_rec" …); empty in the root
        QDateTime start;     // local time
        double seconds = 0.0;
        TrackDistance track;
    };

    QList<Recording> recordings;
    QDateTime start; // the first recording's start
    QDateTime end;   // the last recording's start plus its length
    // The recordings' lengths added up: the pauses between them not counted.
    double seconds = 0.0;
    TrackDistance track;
};
