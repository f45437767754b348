#include "core/clip/RecordingStartTime.h"

#include <QFileInfo>
#include <QRegularExpression>

QDateTime RecordingStartTime::fromFileName(const QString &path)
{
    static const QRegularExpression stamp(QStringLiteral(R"((?<!\d)(\d{8})_(\d{6})(?!\d))"));
    const auto match = stamp.match(QFileInfo(path).fileName());
    if (!match.hasMatch())
        return {};
    return QDateTime::fromString(match.captured(1) + match.captured(2),
                                 QStringLiteral("yyyyMMddHHmmss"));
}
