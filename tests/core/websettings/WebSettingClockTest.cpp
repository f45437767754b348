#include "core/websettings/WebSettingClock.h"

#include <gtest/gtest.h>

TEST(WebSettingClock, ReadsTheCardsClockLine)
{
    for (const char *text :
         {"2026,03,07,09,05,03,+0900", "2026,03,07,09,05,00,+0900\r\n", "2026,03,07,09,05"}) {
        const WebSettingClock clock = WebSettingClock::fromFileText(QString::fromUtf8(text));
        EXPECT_TRUE(clock.use) << text;
        EXPECT_EQ(clock.date, "2026,03,07");
        EXPECT_EQ(clock.hour, "09");
        EXPECT_EQ(clock.minute, "05");
    }
}

TEST(WebSettingClock, OtherTextsGiveNoClock)
{
    for (const char *text :
         {"", "2", "2026,03,07", "2026,03,07,09", "2026,03,07,09,5", "2026/03/07,09,05",
          "2026,03,07;09;05", "2026,13,07,09,05", "2026,02,30,09,05", "2026,03,07,24,05",
          "2026,03,07,09,60", "abcd,ef,gh,ij,kl", " 2026,03,07,09,05", "2026,3,7,09,05,00,+0900"}) {
        const WebSettingClock clock = WebSettingClock::fromFileText(QString::fromUtf8(text));
        EXPECT_FALSE(clock.use) << text;
        EXPECT_TRUE(clock.date.isEmpty() && clock.hour.isEmpty() && clock.minute.isEmpty()) << text;
    }
}

TEST(WebSettingClock, PageValuesBecomeTheCamerasLine)
{
    WebSettingClock clock;
    EXPECT_FALSE(clock.use);
    EXPECT_FALSE(clock.isComplete());
    clock.setDate("2026/03/07");
    clock.setHour("23");
    clock.setMinute("59");
    clock.setUse("1");
    EXPECT_TRUE(clock.use);
    EXPECT_EQ(clock.date, "2026,03,07");
    EXPECT_TRUE(clock.isComplete());
    EXPECT_EQ(clock.fileText(), "2026,03,07,23,59,00,+0900");

    const WebSettingClock back = WebSettingClock::fromFileText(clock.fileText());
    EXPECT_EQ(back.date, clock.date);
    EXPECT_EQ(back.hour, clock.hour);
    EXPECT_EQ(back.minute, clock.minute);

    for (const char *flag : {"0", "", "true", "1 ", "01"}) {
        clock.setUse(QString::fromUtf8(flag));
        EXPECT_FALSE(clock.use) << flag;
    }
}

TEST(WebSettingClock, MalformedPageValuesAreNotComplete)
{
    const struct
    {
        const char *date, *hour, *minute;
    } cases[] = {
        {"2026,3,07", "09", "05"},    {"2026,03,7", "09", "05"},  {"2026-03-07", "09", "05"},
        {"2026,02,29", "09", "05"},   {"2026,03,07", "9", "05"},  {"2026,03,07", "24", "05"},
        {"2026,03,07", "09", "60"},   {"2026,03,07", "09", "5"},  {"2026,03,07", "0x", "05"},
        {"2026,03,07,", "09", "05"},  {"2026,03", "07,09", "05"}, {"2026,03,07", "09", "05,1"},
        {"2026,03,07", "09\n", "05"}, {"2026,03,07", "", "05"},   {"", "09", "05"},
    };
    for (const auto &c : cases) {
        WebSettingClock clock;
        clock.setDate(QString::fromUtf8(c.date));
        clock.setHour(QString::fromUtf8(c.hour));
        clock.setMinute(QString::fromUtf8(c.minute));
        EXPECT_FALSE(clock.isComplete()) << c.date << " " << c.hour << " " << c.minute;
    }
}
