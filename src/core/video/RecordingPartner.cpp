#include "video/RecordingPartner.h"

#include <QDir>
#include <QFileInfo>

QString RecordingPartner::partnerPath(const QString &recordingPath)
{
    // Tried in this order; the first mark the name holds decides.
    static const char *const kSwaps[][2] = {
        {"F.", "R."}, {"R.", "F."}, {"F_BC.", "R_BC."}, {"R_BC.", "F_BC."}};
    const QFileInfo recording(recordingPath);
    QString name = recording.fileName();
    for (const auto &swap : kSwaps) {
        const QString mark = QString::fromLatin1(swap[0]);
        if (name.contains(mark))
            return recording.dir().filePath(name.replace(mark, QString::fromLatin1(swap[1])));
    }
    return {};
}
