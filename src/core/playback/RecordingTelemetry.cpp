#include "core/playback/RecordingTelemetry.h"

#include "core/telemetry/RecordingTrack.h"
#include "core/telemetry/SubtitleData.h"
#include "core/telemetry/TorvaClipData.h"
#include "core/video/TranscodeCache.h"

#include <QFileInfo>

RecordingTelemetry::Loader RecordingTelemetry::loaderFor(const QUrl &recording)
{
    if (QFileInfo(recording.path()).suffix().toLower() == QLatin1String("mp4"))
        return Loader::Subtitles;
    if (TorvaClipData::isCompactFamilyRecording(recording.fileName()))
        return Loader::CompactFamily;
    return Loader::ReaderChain;
}

QString RecordingTelemetry::subtitlePath(const QString &bigVideoFilePath)
{
    return TranscodeCache::subtitlesFor(bigVideoFilePath);
}

std::optional<SubtitleData> RecordingTelemetry::load(const QUrl &recording,
                                                     const QString &bigVideoFilePath,
                                                     TorvaClipData &clipData)
{
    switch (loaderFor(recording)) {
    case Loader::Subtitles: {
        const QString srt = subtitlePath(bigVideoFilePath);
        clipData.loadVideoFileCilpDataFromFilePath(srt);
        return SubtitleData::loadFromPath(srt);
    }
    case Loader::CompactFamily:
        RecordingTrack::load(recording.toLocalFile(), RecordingTrack::Reader::CompactFamily,
                             clipData);
        break;
    case Loader::ReaderChain:
        RecordingTrack::load(recording.toLocalFile(), RecordingTrack::Reader::ReaderChain,
                             clipData);
        break;
    }
    return std::nullopt;
}
