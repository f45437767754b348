#include "core/library/RecordingFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

QStringView suffixOf(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot < 0 || dot < slash)
        return {};
    return QStringView(path).mid(dot + 1);
}

bool suffixIs(const QString &path, QLatin1String lowerCaseSuffix)
{
    const QStringView suffix = suffixOf(path);
    return suffix.size() == lowerCaseSuffix.size() &&
           suffix.toString().toLower() == lowerCaseSuffix;
}

void appendRecordings(const QString &folder, bool enableRecursive, QList<QUrl> &out)
{
    // Without QDir::Hidden dot entries are skipped; without QDir::System so are
    // broken links, pipes and devices, which no player could open anyway.
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString path = entry.filePath();
        if (entry.isDir()) {
            // Linked folders are not entered: a link back up the tree would
            // never end.
            if (enableRecursive && !entry.isSymLink())
                appendRecordings(path, true, out);
        } else if (RecordingFiles::hasRecordingExtension(path)) {
            out.append(QUrl::fromLocalFile(path));
        }
    }
}

// A local folder as a clean absolute path; empty for a URL that names none,
// which must not fall back to the working folder.
QString localFolder(const QUrl &url)
{
    const QString path = url.toLocalFile();
    return path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

const QStringList &RecordingFiles::cardFolderNames()
{
    static const QStringList names = {
        QStringLiteral("cont_rec"),     QStringLiteral("motion_rec"),
        QStringLiteral("evt_rec"),      QStringLiteral("manual_rec"),
        QStringLiteral("parking_rec"),  QStringLiteral("motion_timelapse_rec"),
        QStringLiteral("Saved_Videos"), QStringLiteral("option_rec"),
        QStringLiteral("sos_rec"),
    };
    return names;
}

bool RecordingFiles::hasRecordingExtension(const QString &path)
{
    return suffixIs(path, QLatin1String("avi")) || suffixIs(path, QLatin1String("mp4")) ||
           suffixIs(path, QLatin1String("mov"));
}

bool RecordingFiles::isMp4(const QString &path)
{
    return suffixIs(path, QLatin1String("mp4"));
}

QList<QUrl> RecordingFiles::getVideoFilesInDirectoryUrl(const QUrl &url, bool enableRecursive)
{
    QList<QUrl> recordings;
    const QString folder = localFolder(url);
    if (!folder.isEmpty())
        appendRecordings(folder, enableRecursive, recordings);
    return recordings;
}

QList<QUrl> RecordingFiles::listCardRecordings(const QUrl &folder)
{
    QList<QUrl> recordings = getVideoFilesInDirectoryUrl(folder, false);
    const QString root = localFolder(folder);
    if (root.isEmpty())
        return recordings;
    for (const QString &name : cardFolderNames())
        appendRecordings(QDir(root).filePath(name), true, recordings);
    return recordings;
}
