#include "core/telemetry/TelemetrySource.h"

#include "core/telemetry/AviTelemetryReader.h"
#include "core/telemetry/Mp4SubtitleTelemetry.h"
#include "core/telemetry/Mp4TelemetryScanner.h"
#include "core/telemetry/SrtTelemetryReader.h"
#include "core/telemetry/TailBlockReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool TelemetrySource::isCompactFamilyRecording(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    return name.endsWith(QLatin1String(".avi")) &&
           (name.startsWith(QLatin1String("Rec_")) || name.startsWith(QLatin1String("Event_")) ||
            name.startsWith(QLatin1String("Park_")) || name.startsWith(QLatin1String("Manual_")));
}

std::optional<TelemetryReading> TelemetrySource::read(const QString &path, Choice choice)
{
    const bool compact = choice == Choice::CompactFamily ||
                         (choice == Choice::ByName && isCompactFamilyRecording(path));
    return compact ? readWith(path, Reader::CompactAvi) : readChain(path);
}

std::optional<TelemetryReading> TelemetrySource::readRecording(const QString &recordingPath)
{
    std::optional<TelemetryReading> own = read(recordingPath, Choice::ByName);
    if (own && own->count != 0)
        return own;
    const QFileInfo info(recordingPath);
    if (info.suffix().toLower() != QLatin1String("mp4"))
        return std::nullopt;
    if (QFile file(recordingPath); file.open(QIODevice::ReadOnly)) {
        if (std::optional<TelemetryReading> stream = Mp4SubtitleTelemetry::read(file))
            return stream;
    }
    const QString subtitles = info.dir().filePath(info.completeBaseName() + QLatin1String(".srt"));
    if (!QFileInfo::exists(subtitles))
        return std::nullopt;
    std::optional<TelemetryReading> beside = readWith(subtitles, Reader::Subtitles);
    if (beside && beside->count != 0)
        return beside;
    return std::nullopt;
}

std::optional<TelemetryReading> TelemetrySource::readChain(const QString &path)
{
    if (QFileInfo(path).suffix() == QLatin1String("srt"))
        return readWith(path, Reader::Subtitles);
    // The first reader that finds samples wins.
    for (const Reader reader : {Reader::Mp4Tags, Reader::TailBlock}) {
        std::optional<TelemetryReading> reading = readWith(path, reader);
        if (reading && reading->count != 0)
            return reading;
    }
    return readWith(path, Reader::StandardAvi);
}

std::optional<TelemetryReading> TelemetrySource::readWith(const QString &path, Reader reader)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reader == Reader::Subtitles)
            return TelemetryReading{};
        return std::nullopt;
    }
    switch (reader) {
    case Reader::StandardAvi:
        return AviTelemetryReader::read(file, AviTelemetryReader::Family::Standard);
    case Reader::CompactAvi:
        return AviTelemetryReader::read(file, AviTelemetryReader::Family::Compact);
    case Reader::TailBlock:
        return TailBlockReader::read(file);
    case Reader::Mp4Tags:
        return Mp4TelemetryScanner::scan(file);
    case Reader::Subtitles:
        if (file.size() > SrtTelemetryReader::kMaxFileBytes)
            return TelemetryReading{};
        return SrtTelemetryReader::read(file.readAll());
    }
    return std::nullopt;
}
