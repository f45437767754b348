#include "core/video/TranscodeCache.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cstdio>

TranscodeCache::TranscodeCache(const QString &folder, const QString &name, qint64 recordingSize)
    : m_folder(folder), m_name(name), m_recordingSize(recordingSize)
{
}

std::optional<TranscodeCache> TranscodeCache::forRecording(const QString &recordingPath,
                                                           const QString &workingDirectory)
{
    if (workingDirectory.isEmpty())
        return std::nullopt;
    const QString cache =
        QStringLiteral("%1/%2").arg(workingDirectory, QStringLiteral("temp_video"));
    if (!QDir().mkpath(cache)) {
        qWarning() << "cannot create the transcoder cache" << cache;
        return std::nullopt;
    }
    const QFileInfo recording(recordingPath);
    if (recordingPath.isEmpty() || !recording.exists())
        return std::nullopt;
    const QString name = recording.completeBaseName();
    const QString folder =
        QStringLiteral("%1/%2_%3").arg(cache, name, QString::number(recording.size()));
    if (!QDir().mkpath(folder)) {
        qWarning() << "cannot create the transcoder cache folder" << folder;
        return std::nullopt;
    }
    return TranscodeCache(folder, name, recording.size());
}

QString TranscodeCache::frontOutput() const
{
    return QStringLiteral("%1/%2_f.mov").arg(m_folder, m_name);
}

QString TranscodeCache::rearOutput() const
{
    return QStringLiteral("%1/%2_r.mov").arg(m_folder, m_name);
}

QString TranscodeCache::subtitlesFor(const QString &moviePath)
{
    const QFileInfo movie(moviePath);
    return QStringLiteral("%1/%2.srt").arg(movie.path(), movie.completeBaseName());
}

QString TranscodeCache::temporaryFor(const QString &output)
{
    const QFileInfo info(output);
    return QStringLiteral("%1/.%2-%3.%4")
        .arg(info.path(), info.completeBaseName(),
             QString::number(QRandomGenerator::global()->generate64(), 36), info.suffix());
}

bool TranscodeCache::keep(const QString &temporary, const QString &output, bool succeeded)
{
    // rename() replaces an older output in one step.
    if (succeeded && QFileInfo(temporary).size() > 0 &&
        std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(output).constData()) == 0)
        return true;
    QFile::remove(temporary);
    return false;
}
