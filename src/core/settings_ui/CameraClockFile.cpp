#include "core/settings_ui/CameraClockFile.h"

#include "core/settings/CardFolder.h"

#include <QFile>

namespace {

constexpr qint64 kMaxFileBytes = 256;

// Digits only, exactly as many as given.
std::optional<int> number(const QByteArray &field, int digits)
{
    if (field.size() != digits)
        return std::nullopt;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    return field.toInt();
}

} // namespace

QString CameraClockFile::path(const QString &root)
{
    return CardFolder::settingFile(root, QStringLiteral("time.dat"));
}

QByteArray CameraClockFile::format(const QDateTime &time)
{
    const int offset = time.offsetFromUtc() / 60;
    const QChar sign = offset < 0 ? QLatin1Char('-') : QLatin1Char('+');
    const int minutes = qAbs(offset);
    return (time.toString(QStringLiteral("yyyy,MM,dd,HH,mm,ss,")) + sign +
            QStringLiteral("%1%2")
                .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                .arg(minutes % 60, 2, 10, QLatin1Char('0')))
        .toUtf8();
}

std::optional<QDateTime> CameraClockFile::parse(const QByteArray &text)
{
    const QList<QByteArray> fields = text.trimmed().split(',');
    if (fields.size() != 7)
        return std::nullopt;
    const QByteArray &zone = fields[6];
    const auto year = number(fields[0], 4);
    const auto month = number(fields[1], 2);
    const auto day = number(fields[2], 2);
    const auto hour = number(fields[3], 2);
    const auto minute = number(fields[4], 2);
    const auto second = number(fields[5], 2);
    const auto zoneHours = number(zone.mid(1, 2), 2);
    const auto zoneMinutes = number(zone.mid(3), 2);
    if (!year || !month || !day || !hour || !minute || !second || !zoneHours || !zoneMinutes ||
        (zone[0] != '+' && zone[0] != '-'))
        return std::nullopt;
    const QDate date(*year, *month, *day);
    const QTime time(*hour, *minute, *second);
    if (!date.isValid() || !time.isValid() || *zoneMinutes > 59)
        return std::nullopt;
    const int offset = (*zoneHours * 60 + *zoneMinutes) * 60 * (zone[0] == '-' ? -1 : 1);
    return QDateTime(date, time, Qt::OffsetFromUTC, offset);
}

std::optional<QDateTime> CameraClockFile::read(const QString &root)
{
    const FileIO::ReadResult file = FileIO::readFile(path(root), kMaxFileBytes);
    if (!file.ok())
        return std::nullopt;
    return parse(file.bytes);
}

FileIO::WriteResult CameraClockFile::write(const QString &root, const QDateTime &time)
{
    return FileIO::saveToFile(path(root), format(time));
}

bool CameraClockFile::remove(const QString &root)
{
    const QString file = path(root);
    return !QFile::exists(file) || QFile::remove(file);
}
