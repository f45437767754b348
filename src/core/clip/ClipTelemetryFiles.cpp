#include "core/clip/ClipTelemetryFiles.h"

#include "core/clip/ClipOverlay.h"
#include "core/clip/ClipRequest.h"
#include "core/clip/ClipTelemetry.h"

#include <QFileInfo>

QByteArray ClipTelemetryFiles::subtitles(const ClipRequest &request, double start)
{
    return ClipTelemetry::srt(request.track, start, request.to, request.metricSpeed);
}

QByteArray ClipTelemetryFiles::track(const ClipRequest &request, double start)
{
    if (ClipTelemetry::range(request.track, start, request.to).gpsDataCount() == 0)
        return {};
    return ClipTelemetry::gpx(request.track, start, request.to, request.recordingStart,
                              QFileInfo(request.output).completeBaseName());
}

QByteArray ClipTelemetryFiles::overlay(const ClipRequest &request, QSize frame)
{
    return ClipOverlay::ass(request.track, request.from, request.to,
                            ClipOverlay::Style{frame.width(), frame.height(), request.metricSpeed,
                                               request.recordingStart});
}
