#include "core/video/TranscodeCache.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cstdio>

namespace {

// The cache's names add a size, a camera letter and a temporary's mark to the
// recording's: a name as long as a card can hold leaves no room for them, so
// it is cut, and told apart from others cut alike by a digest of the whole.
QString cacheName(const QString &name)
{
    constexpr qsizetype kMaxBytes = 160;
    constexpr qsizetype kDigestChars = 16;
    if (QFile::encodeName(name).size() <= kMaxBytes)
        return name;
    QString cut = name;
    while (QFile::encodeName(cut).size() > kMaxBytes - kDigestChars - 1 ||
           (!cut.isEmpty() && cut.back().isHighSurrogate()))
        cut.chop(1);
    const QByteArray digest =
        QCryptographicHash::hash(QFile::encodeName(name), QCryptographicHash::Sha1);
    return cut + QLatin1Char('~') + QString::fromLatin1(digest.toHex().left(kDigestChars));
}

} // namespace

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
    const QString name = cacheName(recording.completeBaseName());
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
