#include "core/playback/RecordingTelemetry.h"

#include "core/telemetry/SubtitleData.h"
#include "core/telemetry/TelemetrySource.h"
#include "core/telemetry/TorvaClipData.h"
#include "core/video/TranscodeCache.h"

#include <QFileInfo>

bool RecordingTelemetry::needsConversion(const QUrl &recording)
{
    return QFileInfo(recording.path()).suffix().toLower() == QLatin1String("mp4");
}

QString RecordingTelemetry::subtitlePath(const QString &bigVideoFilePath)
{
    return TranscodeCache::subtitlesFor(bigVideoFilePath);
}

QString RecordingTelemetry::telemetryPath(const QUrl &recording, const QString &bigVideoFilePath)
{
    return needsConversion(recording) ? subtitlePath(bigVideoFilePath) : recording.toLocalFile();
}

std::optional<SubtitleData> RecordingTelemetry::load(const QUrl &recording,
                                                     const QString &bigVideoFilePath,
                                                     TorvaClipData &clipData)
{
    const QString path = telemetryPath(recording, bigVideoFilePath);
    clipData.load(path, TelemetrySource::Choice::ByName);
    if (!needsConversion(recording))
        return std::nullopt;
    return SubtitleData::loadFromPath(path);
}
