#include "core/library/RecordingFilter.h"

#include "core/library/RecordingOrder.h"

#include <array>

namespace {

struct GroupRule
{
    const char *name;
    const char *titleKey;                // UTF-8
    std::array<const char *, 3> folders; // unused slots are null
};

const GroupRule kRules[RecordingFilter::kGroupCount] = {
    {"all", "파일_전체", {}},
    {"continuous", "파일_상시", {"cont_rec"}},
    {"motion", "파일_모션", {"motion_rec", "motion_timelapse_rec"}},
    {"event", "파일_이벤트", {"evt_rec", "parking_rec"}},
    {"manual", "파일_수동", {"manual_rec", "option_rec", "sos_rec"}},
};

} // namespace

bool RecordingFilter::admits(Group group, const QString &path)
{
    if (!isGroup(group))
        return false;
    if (group == All)
        return true;
    for (const char *folder : kRules[group].folders) {
        if (folder && path.contains(QLatin1String(folder)))
            return true;
    }
    return false;
}

QList<QUrl> RecordingFilter::applyVideoFileFilter(const QList<QUrl> &allVideoFileList, Group group)
{
    QList<QUrl> filtered;
    filtered.reserve(allVideoFileList.size());
    for (const QUrl &url : allVideoFileList) {
        if (admits(group, url.toLocalFile()))
            filtered.append(url);
    }
    RecordingOrder::sortVideoFileList(filtered);
    return filtered;
}

std::optional<RecordingFilter::Group> RecordingFilter::groupFromName(const QString &name)
{
    for (int i = 0; i < kGroupCount; ++i) {
        if (name == QLatin1String(kRules[i].name))
            return Group(i);
    }
    return std::nullopt;
}

QString RecordingFilter::titleKey(Group group)
{
    return isGroup(group) ? QString::fromUtf8(kRules[group].titleKey) : QString();
}
