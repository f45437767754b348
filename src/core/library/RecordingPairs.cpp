#include "core/library/RecordingPairs.h"

#include "core/library/RecordingFiles.h"
#include "core/video/RecordingPartner.h"

namespace {

bool inRange(const QList<QUrl> &rows, qsizetype row)
{
    return row >= 0 && row < rows.size();
}

} // namespace

QString RecordingPairs::partnerPath(const QString &path)
{
    return RecordingPartner::frontRearPartnerPath(path);
}

bool RecordingPairs::isPartnerRow(const QList<QUrl> &rows, qsizetype row, qsizetype other)
{
    if (!inRange(rows, row) || !inRange(rows, other))
        return false;
    const QString path = rows[row].toLocalFile();
    const QString otherPath = rows[other].toLocalFile();
    return RecordingFiles::isMp4(path) && RecordingFiles::isMp4(otherPath) &&
           otherPath == partnerPath(path);
}

QUrl RecordingPairs::takeBigVideoURL(const QList<QUrl> &rows, qsizetype row, bool isVideoSwitched)
{
    if (!inRange(rows, row))
        return {};
    if (!isVideoSwitched)
        return rows[row];
    if (isPartnerRow(rows, row, row + 1))
        return rows[row + 1];
    if (isPartnerRow(rows, row, row - 1))
        return rows[row - 1];
    return rows[row];
}

qsizetype RecordingPairs::nextRow(const QList<QUrl> &rows, qsizetype row)
{
    if (row < 0 || rows.isEmpty())
        return -1;
    qsizetype next = row + 1;
    if (next < rows.size() && isPartnerRow(rows, row, next))
        ++next;
    return next < rows.size() ? next : 0;
}

qsizetype RecordingPairs::previousRow(const QList<QUrl> &rows, qsizetype row)
{
    if (row <= 0 || row >= rows.size())
        return -1;
    const qsizetype previous = row - 1;
    if (isPartnerRow(rows, row, previous))
        return previous;
    // The preceding row is a rear file whose front file precedes it: start
    // the pair from its front.
    if (previous >= 1 && !rows[previous].fileName().contains(QStringLiteral("F.")) &&
        isPartnerRow(rows, previous, previous - 1))
        return previous - 1;
    return previous;
}
