#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// Where a camera leaves its recordings on a memory card and how they are
// recognised: files ending in "avi", "mp4" or "mov" in any case, in the card's
// own folder and in nine recording folders below it.
class RecordingFiles
{
public:
    // The recording folders directly under a card's root, in listing order.
    static const QStringList &cardFolderNames();

    static bool hasRecordingExtension(const QString &path);
    static bool isMp4(const QString &path);

    // The recordings in a folder, hidden entries skipped, in name order. With
    // enableRecursive, a subfolder's recordings stand where the subfolder
    // stood; without it, subfolders are ignored. A missing or unreadable
    // folder gives nothing.
    static QList<QUrl> getVideoFilesInDirectoryUrl(const QUrl &url, bool enableRecursive);

    // Everything a card folder shows: its own recordings, then those of the
    // nine recording folders with all their subfolders.
    static QList<QUrl> listCardRecordings(const QUrl &folder);
};
