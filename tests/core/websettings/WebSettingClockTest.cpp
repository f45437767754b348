#include "core/websettings/WebSettingClock.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(WebSettingClock, ReadsOnlyACompleteClockLine)
{
    for (const char *text :
         {"2026,03,07,09,05,03,+0900", "2026,03,07,09,05,00,+0900\r\n", "2026,03,07,09,05"}) {
        const WebSettingClock clock = WebSettingClock::fromFileText(QString::fromUtf8(text));
        EXPECT_TRUE(clock.use) << text;
        EXPECT_EQ(clock.date + '/' + clock.hour + '/' + clock.minute, "2026,03,07/09/05");
    }
    for (const char *text :
         {"", "2026,03,07", "2026,03,07,09,5", "2026/03/07,09,05", "2026,03,07;09;05",
          "2026,13,07,09,05", "2026,02,30,09,05", "2026,03,07,24,05", "2026,03,07,09,60",
          " 2026,03,07,09,05", "2026,3,7,09,05,00,+0900"}) {
        const WebSettingClock clock = WebSettingClock::fromFileText(QString::fromUtf8(text));
        EXPECT_FALSE(clock.use) << text;
        EXPECT_TRUE(clock.date.isEmpty() && clock.hour.isEmpty() && clock.minute.isEmpty()) << text;
    }
}

TEST(WebSettingClock, PageValuesBecomeTheCamerasLineOnlyWhenComplete)
{
    WebSettingClock clock;
    EXPECT_FALSE(clock.use || clock.isComplete());
    clock.setDate("2026/03/07");
    clock.setHour("23");
    clock.setMinute("59");
    clock.setUse("1");
    EXPECT_TRUE(clock.use && clock.isComplete());
    EXPECT_EQ(clock.fileText(), "2026,03,07,23,59,00,+0900");
    for (const char *flag : {"0", "", "1 ", "01"}) {
        clock.setUse(QString::fromUtf8(flag));
        EXPECT_FALSE(clock.use) << flag;
    }

    // Date, hour and minute as the page gives them, separated by blanks.
    for (const char *values :
         {"2026,3,07 09 05", "2026-03-07 09 05", "2026,02,29 09 05", "2026,03,07 9 05",
          "2026,03,07 24 05", "2026,03,07 09 60", "2026,03,07 0x 05", "2026,03 07,09 05",
          "2026,03,07 09 05,1", "2026,03,07 09\n 05", " 09 05"}) {
        const QStringList parts = QString::fromUtf8(values).split(' ');
        clock.setDate(parts[0]);
        clock.setHour(parts[1]);
        clock.setMinute(parts[2]);
        EXPECT_FALSE(clock.isComplete()) << values;
    }
}
