#include "DemoRecordings.h"
#include "FileBytes.h"
#include "TempFolder.h"
#include "TemporaryHome.h"

#include "cli/CliOutput.h"

#include "core/library/ExportFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Printed
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

// torva as a program of its own, as a shell runs it.
Printed torva(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(TORVA_CLI_PATH), args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QList<QByteArray> lines(const QByteArray &text)
{
    QList<QByteArray> split = text.split('\n');
    if (!split.isEmpty() && split.constLast().isEmpty())
        split.removeLast();
    return split;
}

// Names a card may hold that a shell, a row-per-line output or ffmpeg could
// take for something else: each is listed, read, converted, cut and copied
// as a name and nothing more, and printed on one line.
TEST(HostileNames, AreRecordingsLikeAnyOther)
{
    const TemporaryHome home;
    const TempFolder card;
    const TempFolder out;
    const QString recording = DemoRecordings::shared().dualAvi;
    const QString names[] = {
        "-REC_20260514_083000.avi",
        "--help.avi",
        "REC_20260514\n083000.avi",
        "REC_'quoted' \"twice\" <&>.avi",
        "REC_%d%s%n%%.avi",
        "REC\\n\t.avi",
        QString(251, QLatin1Char('R')) + ".avi", // 255 bytes, the longest a name can be
    };
    // A link back up the tree, which listing must not follow for ever.
    ASSERT_TRUE(QDir().mkpath(card.path("cont_rec")));
    ASSERT_TRUE(QFile::link(card.path("cont_rec"), card.path("cont_rec/loop")));
    for (const QString &name : names)
        ASSERT_TRUE(QFile::copy(recording, card.path("cont_rec/" + name))) << qPrintable(name);

    const Printed listed = torva({"list", card.path()});
    ASSERT_EQ(listed.code, 0) << listed.err.data();
    EXPECT_EQ(lines(listed.out).size(), std::size(names)) << listed.out.data();
    for (const QString &name : names) {
        SCOPED_TRACE(qPrintable(name));
        const QString path = card.path("cont_rec/" + name);
        const QByteArray field = CliOutput::field(path);
        EXPECT_TRUE(listed.out.contains(field + '\t')) << "listed on a line of its own";

        const Printed events = torva({"events", path});
        EXPECT_EQ(events.code, 0) << events.err.data();
        for (const QByteArray &line : lines(events.out))
            EXPECT_TRUE(line.startsWith(field + '\t')) << line.data();

        const Printed gpx = torva({"telemetry", "--format", "gpx", path});
        EXPECT_EQ(gpx.code, 0) << gpx.err.data();
        QXmlStreamReader xml(gpx.out);
        while (!xml.atEnd())
            xml.readNext();
        EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());

        const Printed converted = torva({"convert", "--", path});
        EXPECT_EQ(converted.code, 0) << converted.err.data();
        EXPECT_EQ(lines(converted.out).size(), 2) << converted.out.data();

        // The clip is named after the recording, short enough for its camera's mark.
        const QString clip = out.path(QFileInfo(name).completeBaseName().left(64) + ".mp4");
        const Printed cut = torva({"clip", "--from", "1", "--to", "2", "-o", clip, "--", path});
        EXPECT_EQ(cut.code, 0) << cut.err.data();
        EXPECT_GT(QFileInfo(QString(clip).replace(".mp4", "_F.mp4")).size(), 0) << cut.out.data();

        const QString copy = out.path(name);
        EXPECT_EQ(ExportFile::copyFile(path, copy), ExportFile::Result::Written);
        EXPECT_EQ(FileBytes::read(copy), FileBytes::read(path));
    }
}

// A folder of twenty thousand files is listed, and its events read, in
// seconds; a file that is no recording is passed over.
TEST(HostileNames, AFolderOfTwentyThousandFiles)
{
    const TempFolder card;
    ASSERT_TRUE(QDir().mkpath(card.path("cont_rec")));
    for (int index = 0; index < 20000; ++index) {
        QFile file(card.path(QString::asprintf("cont_rec/REC_20260514_%06d.avi", index)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QElapsedTimer took;
    took.start();
    const Printed listed = torva({"list", card.path()});
    EXPECT_EQ(listed.code, 0) << listed.err.data();
    EXPECT_EQ(lines(listed.out).size(), 20000);
    const Printed events = torva({"events", card.path("cont_rec")});
    EXPECT_EQ(events.code, 0) << events.err.data();
    EXPECT_LT(took.elapsed(), 30000);
}

} // namespace
