#pragma once

#include <QList>
#include <QUrl>

// The order of the recording table: saved copies (a path containing
// "Saved_Videos") first, then by file name, compared case-sensitively, so
// "B.mp4" comes before "a.mp4". Recordings that compare equal keep their
// order.
class RecordingOrder
{
public:
    static void sortVideoFileList(QList<QUrl> &recordings);
};
