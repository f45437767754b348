#include "TempFolder.h"
#include "TemporaryHome.h"
#include "TestMedia.h"

#include "CliRun.h"

#include <QFileInfo>

#include <gtest/gtest.h>

TEST(ConvertCommand, ProgramPrintsFrontThenRearFromItsCache)
{
    TempFolder card;
    TemporaryHome home;
    const QString avi = card.path(QStringLiteral("drive é %1.avi"));
    ASSERT_TRUE(TestMedia::dualCameraAvi(avi));
    const CliRun run = CliRun::program({QStringLiteral("convert"), avi});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, ""); // no progress line on a pipe
    // The viewer's cache location, although torva names no application.
    const QString folder =
        home.path(".cache/Torvaview/torvaview/conversions/temp_video/drive é %1_") +
        QString::number(QFileInfo(avi).size());
    EXPECT_EQ(QString::fromUtf8(run.out),
              folder + "/drive é %1_f.mov\n" + folder + "/drive é %1_r.mov\n");
}

TEST(ConvertCommand, UnsupportedAndAlreadyPlayableFiles)
{
    TempFolder card;
    TemporaryHome home;
    ASSERT_TRUE(TestMedia::soundOnlyAvi(card.path(QStringLiteral("-sound.avi"))));
    CliRun::expect(
        {{"convert -- @card/-sound.avi", 1,
          "torva: @card/-sound.avi: This video is encoded in an unsupported format.\n", true},
         {"convert @movie", 0, "@movie\n", true}},
        {{"card", card.path()},
         {"movie", card.write(QStringLiteral("clip.mov"), "not looked at")}});
}

TEST(ConvertCommand, WithoutFfmpegSaysHowToInstallIt)
{
    TempFolder card;
    TemporaryHome home;
    const QString avi = card.write(QStringLiteral("drive.avi"), "RIFF");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), QString());
    const CliRun run = CliRun::program({QStringLiteral("convert"), avi}, environment);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "torva: " + avi.toUtf8() +
                           ": ffmpeg is needed to play this recording. Install the ffmpeg package "
                           "with \"sudo apt install ffmpeg\", then open the recording again.\n");
}
