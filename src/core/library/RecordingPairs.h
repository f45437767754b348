#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// Front and rear camera files of one moment: two MP4 files in one folder
// whose names differ only in "F." against "R.". In the sorted table they are
// neighbours; the rules below choose the large view's file and step over a
// pair as one recording.
class RecordingPairs
{
public:
    // The path of the other camera's file: every "F." of the file name turned
    // into "R." when the name holds one, else every "R." into "F."; empty when
    // the name holds neither.
    static QString partnerPath(const QString &path);

    // Whether rows[other] is the partner of rows[row], both being MP4 files.
    // Rows outside the list pair with nothing.
    static bool isPartnerRow(const QList<QUrl> &rows, qsizetype row, qsizetype other);

    // The file the large view shows for a row: the row itself, or while the
    // views are swapped its partner (the following row winning over the
    // preceding one). Empty for a row outside the list.
    static QUrl takeBigVideoURL(const QList<QUrl> &rows, qsizetype row, bool isVideoSwitched);

    // The row played after row: the next one, skipping the rear file of a
    // pair, wrapping to row 0 after the last. -1 when nothing is selected or
    // the list is empty.
    static qsizetype nextRow(const QList<QUrl> &rows, qsizetype row);

    // The row played before row: the preceding one, or the front file when
    // that is the rear file of a pair. -1 on the first row (no wrapping) or
    // a row outside the list.
    static qsizetype previousRow(const QList<QUrl> &rows, qsizetype row);
};
