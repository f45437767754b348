#include "core/video/RecordingPartner.h"

#include <span>

namespace {

struct MarkSwap
{
    const char *mark;
    const char *partnerMark;
};

// Tried in this order; the first mark the name holds decides.
constexpr MarkSwap kSwaps[] = {{"F.", "R."}, {"R.", "F."}, {"F_BC.", "R_BC."}, {"R_BC.", "F_BC."}};
constexpr size_t kFrontRearSwaps = 2;

QString swapMark(const QString &path, std::span<const MarkSwap> swaps)
{
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    QString name = path.mid(nameStart);
    for (const MarkSwap &swap : swaps) {
        const QString mark = QString::fromLatin1(swap.mark);
        if (name.contains(mark))
            return path.left(nameStart) + name.replace(mark, QString::fromLatin1(swap.partnerMark));
    }
    return {};
}

} // namespace

QString RecordingPartner::partnerPath(const QString &recordingPath)
{
    return swapMark(recordingPath, kSwaps);
}

QString RecordingPartner::frontRearPartnerPath(const QString &recordingPath)
{
    return swapMark(recordingPath, std::span(kSwaps).first(kFrontRearSwaps));
}
