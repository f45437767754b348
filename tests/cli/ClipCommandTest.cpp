#include "DemoRecordings.h"
#include "FileBytes.h"
#include "ReadOnlyCard.h"
#include "TempFolder.h"
#include "TemporaryHome.h"
#include "TestApplication.h"
#include "TestMedia.h"

#include "CliRun.h"

#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

TEST(ClipCommand, ExportsARangeOrSaysWhyNot)
{
    TestApplication::ensure();
    const TemporaryHome home;
    const DemoRecordings &demo = DemoRecordings::shared();
    const TempFolder out;
    ReadOnlyCard card;
    ASSERT_TRUE(card.error().isEmpty() && card.makeReadOnly()) << qPrintable(card.error());
    QMap<QString, QString> paths = {
        {"avi", demo.dualAvi}, {"rear", demo.rearMp4}, {"out", out.path()}, {"card", card.path()}};
    paths["evt"] = demo.frontMp4; // the rear's partner
    CliRun::expect({{"clip @avi --from 2.5 --to=4.5 -o @out/a.mp4", 0,
                     "@out/a_F.mp4\n@out/a_R.mp4\n@out/a.srt\n@out/a.gpx\n", true},
                    {"clip @rear --from 1 --to 2 --composed --layout pip --overlay -o @out/p.mp4",
                     0, "@out/p.mp4\n", true},
                    {"clip @avi --from 1 -o @out/x.mp4", 2,
                     "torva: --from and --to need a number of seconds\n"},
                    {"clip @avi --from 1 --to 2 --layout pip -o @out/x.mp4", 2,
                     "torva: --layout and --overlay need --composed\n"},
                    {"clip @avi --from 1 --to 2 --composed --layout top -o @out/x.mp4", 2,
                     "torva: unknown layout \"top\"\n"},
                    {"clip @avi --from 1 --to 2", 2, "torva: -o OUT is missing\n"},
                    {"clip @avi --from 1 --to 2 -o @out/x", 2, "torva: OUT needs an extension"},
                    {"clip @avi --from 3 --to 9 -o @out/x.mp4", 1,
                     "torva: @avi: the clip cannot end after the recording"},
                    {"clip @avi --from 1 --to 2 -o @card/x.mp4", 1,
                     "torva: @card/x.mp4: Cannot save to a read-only location.\n", true},
                    {"clip @out/none.avi --from 1 --to 2 -o @out/x.mp4", 1, "no such file"},
                    {"clip @rear --from 1 --to 2 --composed -o @rear", 1,
                     "torva: @rear: the clip would replace the recording itself\n", true},
                    {"clip @rear --from 1 --to 2 --composed -o @evt", 1,
                     "torva: @evt: the clip would replace the recording itself\n", true}},
                   paths);
    EXPECT_EQ(FileBytes::entries(out.path()),
              QStringList({"a.gpx", "a.srt", "a_F.mp4", "a_R.mp4", "p.mp4"}));
    EXPECT_EQ(TestMedia::streams(out.path("p.mp4")),
              QStringList({"h264,video,640,360", "aac,audio"}));
    EXPECT_EQ(FileBytes::entries(card.path()), QStringList());
}

TEST(ClipCommand, AnInterruptedExportLeavesNothing)
{
    const TemporaryHome home;
    const TempFolder out;
    QProcess torva;
    torva.start(QStringLiteral(TORVA_CLI_PATH),
                {"clip", DemoRecordings::shared().dualAvi, "--from", "0", "--to", "6", "--composed",
                 "--overlay", "-o", out.path("c.mp4")});
    // Once ffmpeg has begun to write.
    for (int wait = 0; wait < 2000 && FileBytes::entries(out.path()).isEmpty(); ++wait)
        QThread::msleep(2);
    torva.terminate();
    ASSERT_TRUE(torva.waitForFinished(30000));
    EXPECT_EQ(torva.exitCode(), 1);
    EXPECT_TRUE(torva.readAllStandardError().contains("interrupted; nothing was written"));
    EXPECT_EQ(FileBytes::entries(out.path()), QStringList());
}
