#include "core/telemetry/SubtitleData.h"

#include "core/telemetry/TelemetryNumbers.h"
#include "core/telemetry/TextScanner.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdlib>
#include <optional>

namespace {

const QRegularExpression &timeLineExpression()
{
    static const QRegularExpression expression(
        QStringLiteral("\\d{2}:(\\d{2}):(\\d{2}(,\\d+))\\s*-->\\s*([0-9:\\.]+)"));
    return expression;
}

const QRegularExpression &blankLineExpression()
{
    static const QRegularExpression expression(QStringLiteral("^\\s*$"));
    return expression;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (TextScanner::isLineBreak(text[i])) {
            lines.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    lines.append(text.mid(start));
    return lines;
}

void parseRecords(const QString &line, SubtitleEntry &entry)
{
    const QByteArray utf8 = line.toUtf8();
    const TextFields parts(std::string_view(utf8.constData(), size_t(utf8.size())), ';');
    for (size_t i = 0; i < parts.size(); ++i) {
        const TextFields fields(parts.at(i), ',');
        const std::string_view kind = fields.at(0);
        if (kind == "gsensor")
            entry.parseSensor(fields);
        else if (kind == "gsensori")
            entry.parseSensorI(fields);
        else if (kind == "GPRMC" || kind == "GNRMC")
            entry.parseGprmc(fields);
    }
}

} // namespace

SubtitleData SubtitleData::loadFromPath(const QString &path)
{
    SubtitleData data;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.size() <= kMaxFileBytes)
        data.loadFromText(file.read(kMaxFileBytes));
    return data;
}

void SubtitleData::loadFromText(const QByteArray &utf8)
{
    m_entries.clear();
    if (!TelemetryNumbers::isValidUtf8(std::string_view(utf8.constData(), size_t(utf8.size()))))
        return;
    std::optional<SubtitleEntry> current;
    for (const QString &line : splitLines(QString::fromUtf8(utf8))) {
        if (blankLineExpression().match(line).hasMatch()) {
            if (current)
                m_entries.push_back(*current);
            current.reset();
            continue;
        }
        const QRegularExpressionMatch time = timeLineExpression().match(line);
        if (time.hasMatch())
            current = SubtitleEntry::entryWithTime(time);
        else if (current)
            parseRecords(line, *current);
    }
}

bool SubtitleData::getSensorAt(int32_t index, int32_t &x, int32_t &y, int32_t &z) const
{
    const int64_t t = int64_t(index) * 100;
    for (const SubtitleEntry &entry : m_entries) {
        if (entry.cts() == t) {
            x = entry.gx();
            y = entry.gy();
            z = entry.gz();
            return true;
        }
    }
    return false;
}

int32_t SubtitleData::getGpsAt(int32_t index, float &lat, float &lng, uint32_t &speed) const
{
    const int64_t t = int64_t(index) * 100;
    const SubtitleEntry *nearest = nullptr;
    const SubtitleEntry *second = nullptr;
    int64_t nearestDistance = 1000;
    int64_t secondDistance = 1000;
    for (const SubtitleEntry &entry : m_entries) {
        if (entry.lat() == SubtitleEntry::kNoPosition)
            continue;
        if (entry.cts() == t) {
            lat = entry.lat();
            lng = entry.lng();
            speed = entry.speed();
            return GpsExact;
        }
        const int64_t distance = std::llabs(entry.cts() - t);
        if (distance > 1000)
            continue;
        if (distance < nearestDistance) {
            second = nearest;
            nearest = &entry;
            nearestDistance = distance;
        } else if (distance < secondDistance) {
            second = &entry;
            secondDistance = distance;
        }
    }
    if (nearest == nullptr)
        return GpsNone;
    // Two fixes at the same time give no direction: the nearer one stands.
    if (second == nullptr || second->cts() == nearest->cts()) {
        lat = nearest->lat();
        lng = nearest->lng();
        speed = nearest->speed();
        return GpsApproximate;
    }
    const float f = float(t - nearest->cts()) / float(second->cts() - nearest->cts());
    lat = nearest->lat() + (second->lat() - nearest->lat()) * f;
    lng = nearest->lng() + (second->lng() - nearest->lng()) * f;
    const auto speedChange = int32_t(second->speed() - nearest->speed());
    speed = TelemetryNumbers::truncToUint32(float(speedChange) * f + float(nearest->speed()));
    return GpsApproximate;
}
