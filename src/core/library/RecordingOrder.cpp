#include "core/library/RecordingOrder.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace {

struct SortKey
{
    bool saved = false;
    QString path;
    qsizetype nameStart = 0;
    qsizetype index = 0;

    QStringView fileName() const { return QStringView(path).mid(nameStart); }
};

bool keyLess(const SortKey &a, const SortKey &b)
{
    if (a.saved != b.saved)
        return a.saved;
    return a.fileName().compare(b.fileName(), Qt::CaseSensitive) < 0;
}

} // namespace

void RecordingOrder::sortVideoFileList(QList<QUrl> &recordings)
{
    // Each key is made once rather than once per comparison.
    std::vector<SortKey> keys;
    keys.reserve(size_t(recordings.size()));
    for (qsizetype i = 0; i < recordings.size(); ++i) {
        SortKey key;
        key.path = recordings[i].toLocalFile();
        key.saved = key.path.contains(QLatin1String("Saved_Videos"));
        key.nameStart = key.path.lastIndexOf(QLatin1Char('/')) + 1;
        key.index = i;
        keys.push_back(std::move(key));
    }
    std::stable_sort(keys.begin(), keys.end(), keyLess);
    QList<QUrl> sorted;
    sorted.reserve(recordings.size());
    for (const SortKey &key : keys)
        sorted.append(recordings[key.index]);
    recordings = std::move(sorted);
}
