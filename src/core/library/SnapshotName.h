#pragma once

#include <QString>
#include <QUrl>

// The file name proposed for a picture of the large view:
// "<recording's file name without extension>_<milliseconds>.png".
class SnapshotName
{
public:
    // The play time in whole milliseconds, truncated toward zero; 0 for a
    // time that is not a number.
    static qint64 milliseconds(double seconds);
    // Named after the file the large view shows for the selected row when a
    // row inside the list is selected (selectedBigVideoUrl not empty), else
    // after the recording being played.
    static QString proposedName(const QUrl &currentVideoUrl, const QUrl &selectedBigVideoUrl,
                                double seconds);
};
