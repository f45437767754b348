#include "core/library/SnapshotName.h"

#include <QFileInfo>

#include <cmath>

qint64 SnapshotName::milliseconds(double seconds)
{
    const double ms = seconds * 1000.0;
    // Converting a value outside qint64 (or NaN) would be undefined.
    constexpr double kLimit = 9.2e18;
    if (!std::isfinite(ms) || std::fabs(ms) >= kLimit)
        return 0;
    return qint64(ms);
}

QString SnapshotName::proposedName(const QUrl &currentVideoUrl, const QUrl &selectedBigVideoUrl,
                                   double seconds)
{
    const QUrl &named = selectedBigVideoUrl.isEmpty() ? currentVideoUrl : selectedBigVideoUrl;
    return QFileInfo(named.path()).completeBaseName() + QLatin1Char('_') +
           QString::number(milliseconds(seconds)) + QStringLiteral(".png");
}
