#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

// The five filter buttons above the recording table. A recording passes when
// its path contains one of the filter's folder names anywhere, so a folder
// of that name higher up also admits it.
class RecordingFilter
{
public:
    // Button indices, the values of videoFileFilterGroupA.
    enum Group : int
    {
        All = 0,
        Continuous = 1,
        Motion = 2,
        Event = 3,
        Manual = 4,
    };
    static constexpr int kGroupCount = 5;

    static bool isGroup(int index) { return index >= All && index < kGroupCount; }
    static bool admits(Group group, const QString &path);

    // The recordings of the group, in the table's order.
    static QList<QUrl> applyVideoFileFilter(const QList<QUrl> &allVideoFileList, Group group);

    // "all", "continuous", "motion", "event" or "manual".
    static std::optional<Group> groupFromName(const QString &name);
    // The button title's localisation key.
    static QString titleKey(Group group);
};
