#pragma once

#include <QByteArray>
#include <QSize>

class ClipRequest;

// The texts a clip carries from its recording's telemetry: the SRT and GPX
// beside a lossless clip, the ASS script a composed clip burns in.
class ClipTelemetryFiles
{
public:
    // The telemetry from start, where a lossless cut really begins (the key
    // frame before the request's from), to the request's end, timed from
    // start. Empty when the range holds no sample (the GPX: no position).
    static QByteArray subtitles(const ClipRequest &request, double start);
    static QByteArray track(const ClipRequest &request, double start);
    // The overlay for the request's range on a picture of the frame's size.
    static QByteArray overlay(const ClipRequest &request, QSize frame);
};
