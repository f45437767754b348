#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The time zone choices of the settings editor: 39 UTC offsets in the combo
// box, and the 32 zone names a record may carry as tz_key.
//
// The names run from the east (Samoa, +13:00) to the west (Dateline,
// -12:00), the offsets the other way, so a name and an offset at the same
// position rarely agree. Each name is therefore matched to the offset of its
// own zone in both directions.
class TimeZoneTable
{
public:
    // "UTC-12:00" … "UTC+14:00", in combo box order.
    static const QStringList &gmtDescList();
    // Each label's offset in minutes, same order ("UTC-09:30" → -570).
    static const QVector<int> &gmtHourList();
    // The 32 zone names, east to west.
    static const QStringList &timezoneNameList();

    // Minutes of a label "UTC±HH:MM"; "UTC" and anything else give 0.
    static int minutesOfLabel(const QString &label);
    // The standard offset in minutes of one of the 32 zone names.
    static std::optional<int> zoneOffset(const QString &zoneName);

    // The combo position showing a record's zone: the position of a known
    // tz_key's offset, else that of gmt_offset; -1 when neither is listed.
    static int positionFor(const QString &tzKey, int gmtOffset);

    struct Stored
    {
        int gmtOffset = 0;
        QString tzKey;
    };
    // What the record stores for a combo position: the position's offset,
    // and as zone name the stored one when its zone has that offset, else the
    // first name that has it, else the stored one unchanged. A position
    // outside the list keeps what is stored.
    static Stored storedFor(int position, const Stored &current);
};
