#include "core/video/RecordingPartner.h"

#include <span>

namespace {

struct MarkSwap
{
    const char *mark;
    const char *partnerMark;
    bool rear; // the mark is the rear camera's
};

// Tried in this order; the first mark the name holds decides.
constexpr MarkSwap kSwaps[] = {
    {"F.", "R.", false}, {"R.", "F.", true}, {"F_BC.", "R_BC.", false}, {"R_BC.", "F_BC.", true}};
constexpr size_t kFrontRearSwaps = 2;

qsizetype nameStart(const QString &path)
{
    return path.lastIndexOf(QLatin1Char('/')) + 1;
}

const MarkSwap *decidingSwap(const QString &name, std::span<const MarkSwap> swaps)
{
    for (const MarkSwap &swap : swaps) {
        if (name.contains(QLatin1String(swap.mark)))
            return &swap;
    }
    return nullptr;
}

QString swapMark(const QString &path, std::span<const MarkSwap> swaps)
{
    const qsizetype start = nameStart(path);
    QString name = path.mid(start);
    const MarkSwap *swap = decidingSwap(name, swaps);
    if (!swap)
        return {};
    return path.left(start) +
           name.replace(QLatin1String(swap->mark), QLatin1String(swap->partnerMark));
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

bool RecordingPartner::isRearRecording(const QString &recordingPath)
{
    const MarkSwap *swap = decidingSwap(recordingPath.mid(nameStart(recordingPath)), kSwaps);
    return swap && swap->rear;
}
