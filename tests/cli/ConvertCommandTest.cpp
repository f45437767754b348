#include "TempFolder.h"
#include "TemporaryHome.h"
#include "TestMedia.h"

#include "CliRun.h"

#include <QFileInfo>

#include <gtest/gtest.h>

TEST(ConvertCommand, PrintsThePlayableFilesOrWhyNot)
{
    TempFolder card;
    TemporaryHome home;
    const QString avi = card.path(QStringLiteral("drive é %1.avi"));
    ASSERT_TRUE(TestMedia::dualCameraAvi(avi));
    ASSERT_TRUE(TestMedia::soundOnlyAvi(card.path(QStringLiteral("-sound.avi"))));
    // The viewer's cache location, although torva names no application.
    const QString cache = home.path(".cache/Torvaview/torvaview/conversions/temp_video/");
    const QMap<QString, QString> paths = {
        {"card", card.path()},
        {"drive", avi},
        {"movie", card.write(QStringLiteral("clip.mov"), "not looked at")},
        {"cached", cache + "drive é %1_" + QString::number(QFileInfo(avi).size())}};
    // The program's own process, whose standard error is a pipe: no progress line.
    CliRun::expect(
        {{"convert @drive", 0, "@cached/drive é %1_f.mov\n@cached/drive é %1_r.mov\n", true}},
        paths, QProcessEnvironment::systemEnvironment());
    CliRun::expect(
        {{"convert -- @card/-sound.avi", 1,
          "torva: @card/-sound.avi: This video is encoded in an unsupported format.\n", true},
         {"convert @movie", 0, "@movie\n", true}},
        paths);
    QProcessEnvironment withoutFfmpeg = QProcessEnvironment::systemEnvironment();
    withoutFfmpeg.insert(QStringLiteral("PATH"), QString());
    CliRun::expect({{"convert @card/-sound.avi", 1,
                     "torva: @card/-sound.avi: ffmpeg is needed to play this recording. Install "
                     "the ffmpeg package with \"sudo apt install ffmpeg\", then open the "
                     "recording again.\n",
                     true}},
                   paths, withoutFfmpeg);
}
