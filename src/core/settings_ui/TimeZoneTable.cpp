#include "core/settings_ui/TimeZoneTable.h"

#include <array>

namespace {

struct Zone
{
    const char *name;
    int minutes;
};

// The record's zone names with the standard offset of each zone.
constexpr std::array<Zone, 32> kZones{{
    {"Samoa Standard Time", 13 * 60},
    {"New Zealand Standard Time", 12 * 60},
    {"Central Pacific Standard Time", 11 * 60},
    {"E. Australia Standard Time", 10 * 60},
    {"AUS Central Standard Time", 9 * 60 + 30},
    {"Korea Standard Time", 9 * 60},
    {"Singapore Standard Time", 8 * 60},
    {"SE Asia Standard Time", 7 * 60},
    {"Myanmar Standard Time", 6 * 60 + 30},
    {"Central Asia Standard Time", 6 * 60},
    {"Nepal Standard Time", 5 * 60 + 45},
    {"India Standard Time", 5 * 60 + 30},
    {"West Asia Standard Time", 5 * 60},
    {"Afghanistan Standard Time", 4 * 60 + 30},
    {"Arabian Standard Time", 4 * 60},
    {"Iran Standard Time", 3 * 60 + 30},
    {"E. Africa Standard Time", 3 * 60},
    {"E. Europe Standard Time", 2 * 60},
    {"W. Europe Standard Time", 60},
    {"GMT Standard Time", 0},
    {"Azores Standard Time", -60},
    {"Mid-Atlantic Standard Time", -2 * 60},
    {"E. South America Standard Time", -3 * 60},
    {"Newfoundland Standard Time", -(3 * 60 + 30)},
    {"SA Western Standard Time", -4 * 60},
    {"Eastern Standard Time", -5 * 60},
    {"Central Standard Time", -6 * 60},
    {"Mountain Standard Time", -7 * 60},
    {"Pacific Standard Time", -8 * 60},
    {"Alaskan Standard Time", -9 * 60},
    {"Hawaiian Standard Time", -10 * 60},
    {"Dateline Standard Time", -12 * 60},
}};

} // namespace

const QStringList &TimeZoneTable::gmtDescList()
{
    static const QStringList list{
        "UTC-12:00", "UTC-11:00", "UTC-10:00", "UTC-09:30", "UTC-09:00", "UTC-08:00", "UTC-07:00",
        "UTC-06:00", "UTC-05:00", "UTC-04:30", "UTC-04:00", "UTC-03:30", "UTC-03:00", "UTC-02:00",
        "UTC-01:00", "UTC",       "UTC+01:00", "UTC+02:00", "UTC+03:00", "UTC+03:30", "UTC+04:00",
        "UTC+04:30", "UTC+05:00", "UTC+05:30", "UTC+05:45", "UTC+06:00", "UTC+06:30", "UTC+07:00",
        "UTC+08:00", "UTC+09:00", "UTC+09:30", "UTC+10:00", "UTC+10:30", "UTC+11:00", "UTC+11:30",
        "UTC+12:00", "UTC+12:45", "UTC+13:00", "UTC+14:00"};
    return list;
}

int TimeZoneTable::minutesOfLabel(const QString &label)
{
    // "UTC±HH:MM": hours from characters 3-5 with their sign, minutes from
    // 7-8 taking the sign of the hours.
    if (label.size() != 9)
        return 0;
    const int hours = label.mid(3, 3).toInt();
    int minutes = label.mid(7, 2).toInt();
    if (hours < 0)
        minutes = -minutes;
    return hours * 60 + minutes;
}

const QVector<int> &TimeZoneTable::gmtHourList()
{
    static const QVector<int> list = [] {
        QVector<int> offsets;
        for (const QString &label : gmtDescList())
            offsets.append(minutesOfLabel(label));
        return offsets;
    }();
    return list;
}

const QStringList &TimeZoneTable::timezoneNameList()
{
    static const QStringList list = [] {
        QStringList names;
        for (const Zone &zone : kZones)
            names.append(QString::fromLatin1(zone.name));
        return names;
    }();
    return list;
}

std::optional<int> TimeZoneTable::zoneOffset(const QString &zoneName)
{
    for (const Zone &zone : kZones) {
        if (zoneName == QLatin1String(zone.name))
            return zone.minutes;
    }
    return std::nullopt;
}

int TimeZoneTable::positionFor(const QString &tzKey, int gmtOffset)
{
    if (const auto zone = zoneOffset(tzKey))
        return int(gmtHourList().indexOf(*zone));
    return int(gmtHourList().indexOf(gmtOffset));
}

TimeZoneTable::Stored TimeZoneTable::storedFor(int position, const Stored &current)
{
    Stored stored = current;
    if (position < 0 || position >= gmtHourList().size())
        return stored;
    stored.gmtOffset = gmtHourList().at(position);
    if (zoneOffset(current.tzKey) == stored.gmtOffset)
        return stored;
    for (const Zone &zone : kZones) {
        if (zone.minutes == stored.gmtOffset) {
            stored.tzKey = QString::fromLatin1(zone.name);
            break;
        }
    }
    return stored;
}
