#include "TempFolder.h"
#include "TemporaryHome.h"
#include "TestMedia.h"

#include "CliRun.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

using Result = CliRun;

Result runTorva(const QStringList &args)
{
    return CliRun::torva(QStringList{QStringLiteral("convert")} + args);
}

// The program's own process, with its documents, preferences and cache in home.
QProcessEnvironment environmentFor(const TemporaryHome &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.remove("XDG_CONFIG_HOME");
    environment.remove("XDG_CACHE_HOME");
    return environment;
}

} // namespace

TEST(ConvertCommand, ProgramPrintsFrontThenRearFromItsCache)
{
    TempFolder card;
    TemporaryHome home;
    const QString avi = card.path("drive é %1.avi");
    ASSERT_TRUE(TestMedia::dualCameraAvi(avi));
    QProcess torva;
    torva.setProcessEnvironment(environmentFor(home));
    torva.start(QStringLiteral(TORVA_CLI_PATH), {"convert", avi});
    ASSERT_TRUE(torva.waitForFinished(60000));
    EXPECT_EQ(torva.exitCode(), 0);
    EXPECT_EQ(torva.readAllStandardError(), ""); // no progress line on a pipe
    // The viewer's cache location, although torva names no application.
    const QString folder =
        home.path(".cache/Torvaview/torvaview/conversions/temp_video/drive é %1_") +
        QString::number(QFileInfo(avi).size());
    EXPECT_EQ(QString::fromUtf8(torva.readAllStandardOutput()),
              folder + "/drive é %1_f.mov\n" + folder + "/drive é %1_r.mov\n");
}

TEST(ConvertCommand, UnsupportedFilesUsageAndNamesThatLookLikeOptions)
{
    TempFolder card;
    TemporaryHome home;
    const QString sound = card.path("-sound.avi");
    ASSERT_TRUE(TestMedia::soundOnlyAvi(sound));
    const Result unsupported = runTorva({"--", sound});
    EXPECT_EQ(unsupported.code, 1);
    EXPECT_EQ(unsupported.out, "");
    EXPECT_EQ(unsupported.err,
              "torva: " + sound.toUtf8() + ": This video is encoded in an unsupported format.\n");

    const QString movie = card.path("clip.mov");
    card.write("clip.mov", "not looked at");
    const Result asItIs = runTorva({movie});
    EXPECT_EQ(asItIs.code, 0);
    EXPECT_EQ(asItIs.out, movie.toUtf8() + '\n');

    EXPECT_EQ(runTorva({card.path("missing.avi")}).code, 1);
    EXPECT_EQ(runTorva({}).code, 2);
    EXPECT_EQ(runTorva({"--"}).code, 2);
    EXPECT_EQ(runTorva({movie, movie}).code, 2);
    const Result option = runTorva({"-sound.avi"});
    EXPECT_EQ(option.code, 2);
    EXPECT_TRUE(option.err.contains("usage: torva convert [--] FILE")) << option.err.constData();
}

TEST(ConvertCommand, WithoutFfmpegSaysHowToInstallIt)
{
    TempFolder card;
    TemporaryHome home;
    const QString avi = card.write("drive.avi", "RIFF");
    QProcess torva;
    QProcessEnvironment environment = environmentFor(home);
    environment.insert("PATH", "");
    torva.setProcessEnvironment(environment);
    torva.start(QStringLiteral(TORVA_CLI_PATH), {"convert", avi});
    ASSERT_TRUE(torva.waitForFinished(60000));
    EXPECT_EQ(torva.exitCode(), 1);
    EXPECT_EQ(torva.readAllStandardOutput(), "");
    EXPECT_EQ(torva.readAllStandardError(),
              "torva: " + avi.toUtf8() +
                  ": ffmpeg is needed to play this recording. Install the ffmpeg package with "
                  "\"sudo apt install ffmpeg\", then open the recording again.\n");
}
