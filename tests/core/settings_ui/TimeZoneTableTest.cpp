#include "core/settings_ui/TimeZoneTable.h"

#include <gtest/gtest.h>

namespace {

int position(const char *label)
{
    return int(TimeZoneTable::gmtDescList().indexOf(QLatin1String(label)));
}

} // namespace

TEST(TimeZoneTable, OffsetsComeFromTheLabelsInMinutes)
{
    const auto &hours = TimeZoneTable::gmtHourList();
    ASSERT_EQ(hours.size(), 39);
    EXPECT_EQ(TimeZoneTable::timezoneNameList().size(), 32);
    EXPECT_EQ(hours.at(position("UTC-12:00")), -720);
    EXPECT_EQ(hours.at(position("UTC-09:30")), -570);
    EXPECT_EQ(hours.at(position("UTC")), 0);
    EXPECT_EQ(hours.at(position("UTC+05:45")), 345);
    EXPECT_EQ(hours.at(position("UTC+14:00")), 840);
}

TEST(TimeZoneTable, ZoneNamesShowTheirOwnOffset)
{
    EXPECT_EQ(TimeZoneTable::positionFor("Korea Standard Time", 0), position("UTC+09:00"));
    EXPECT_EQ(TimeZoneTable::positionFor("Samoa Standard Time", 0), position("UTC+13:00"));
    EXPECT_EQ(TimeZoneTable::positionFor("Newfoundland Standard Time", 0), position("UTC-03:30"));
    EXPECT_EQ(TimeZoneTable::positionFor("Dateline Standard Time", 0), position("UTC-12:00"));
    // An empty or unknown name falls back to the stored offset.
    EXPECT_EQ(TimeZoneTable::positionFor("", 345), position("UTC+05:45"));
    EXPECT_EQ(TimeZoneTable::positionFor("Mars Standard Time", -570), position("UTC-09:30"));
    EXPECT_EQ(TimeZoneTable::positionFor("", 17), -1);
}

TEST(TimeZoneTable, SavingKeepsOrFindsAMatchingName)
{
    using Stored = TimeZoneTable::Stored;
    const auto stored = [](const char *label, const char *tzKey) {
        const Stored s = TimeZoneTable::storedFor(position(label), {0, QString::fromLatin1(tzKey)});
        return std::make_pair(s.gmtOffset, s.tzKey);
    };
    EXPECT_EQ(stored("UTC+09:00", "Korea Standard Time"),
              std::make_pair(540, QStringLiteral("Korea Standard Time")));
    EXPECT_EQ(stored("UTC-12:00", "Korea Standard Time"),
              std::make_pair(-720, QStringLiteral("Dateline Standard Time")));
    EXPECT_EQ(stored("UTC", ""), std::make_pair(0, QStringLiteral("GMT Standard Time")));
    // No listed zone has +14:00: the stored name stays.
    EXPECT_EQ(stored("UTC+14:00", "Korea Standard Time"),
              std::make_pair(840, QStringLiteral("Korea Standard Time")));
    const Stored outside = TimeZoneTable::storedFor(39, {-570, QStringLiteral("x")});
    EXPECT_EQ(std::make_pair(outside.gmtOffset, outside.tzKey),
              std::make_pair(-570, QStringLiteral("x")));

    // Every name survives showing and saving unchanged.
    for (const QString &name : TimeZoneTable::timezoneNameList()) {
        const int shown = TimeZoneTable::positionFor(name, 0);
        ASSERT_GE(shown, 0) << name.toStdString();
        const Stored saved = TimeZoneTable::storedFor(shown, {0, name});
        EXPECT_EQ(saved.tzKey, name);
        EXPECT_EQ(saved.gmtOffset, TimeZoneTable::zoneOffset(name));
    }
}
