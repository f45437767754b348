#include "TempFolder.h"

#include "core/settings_ui/CameraClockFile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(CameraClockFile, WritesAndReadsTheCamerasLine)
{
    const QDateTime seoul(QDate(2026, 3, 7), QTime(9, 5, 3), Qt::OffsetFromUTC, 9 * 3600);
    EXPECT_EQ(CameraClockFile::format(seoul), "2026,03,07,09,05,03,+0900");
    const QDateTime newfoundland(QDate(2025, 12, 31), QTime(23, 59, 59), Qt::OffsetFromUTC,
                                 -(3 * 3600 + 1800));
    EXPECT_EQ(CameraClockFile::format(newfoundland), "2025,12,31,23,59,59,-0330");

    for (const QDateTime &time : {seoul, newfoundland}) {
        const auto back = CameraClockFile::parse(CameraClockFile::format(time) + "\r\n");
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, time);
        EXPECT_EQ(back->offsetFromUtc(), time.offsetFromUtc());
    }
    for (const char *text :
         {"", "2026,03,07,09,05,03", "2026,13,07,09,05,03,+0900", "2026,02,30,09,05,03,+0900",
          "2026,3,07,09,05,03,+0900", "2026,03,07,24,05,03,+0900", "2026,03,07,09,05,03,0900",
          "2026,03,07,09,05,03,+09", "2026,03,07,09,05,03,+0960", "2026,03,07,09,05,03,+0900,1",
          "2026,03,07,09,x5,03,+0900"})
        EXPECT_FALSE(CameraClockFile::parse(text)) << text;
}

TEST(CameraClockFile, LivesInTheSettingFolderAndIsRemovedWhenOff)
{
    TempFolder card;
    const QString root = card.path();
    EXPECT_EQ(CameraClockFile::path(root), QDir(root).filePath("SETTING/time.dat"));
    EXPECT_FALSE(CameraClockFile::read(root));
    EXPECT_TRUE(CameraClockFile::remove(root)) << "nothing to remove";

    const QDateTime time(QDate(2026, 12, 7), QTime(4, 30), Qt::OffsetFromUTC, 0);
    ASSERT_TRUE(CameraClockFile::write(root, time).ok());
    EXPECT_EQ(CameraClockFile::read(root), time);
    EXPECT_TRUE(CameraClockFile::remove(root));
    EXPECT_FALSE(QFile::exists(CameraClockFile::path(root)));

    card.write("SETTING/time.dat", "garbage");
    EXPECT_FALSE(CameraClockFile::read(root));
}
