#include "RecordingCardBuilder.h"

#include "CliRun.h"
#include "cli/CliOutput.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using Result = CliRun;

Result runList(const QStringList &args)
{
    return CliRun::torva(QStringList{"list"} + args);
}

// The printed lines with the card's root left out, for short expectations.
QStringList lines(const Result &result, const QString &root)
{
    QStringList lines = QString::fromUtf8(result.out).split('\n');
    EXPECT_EQ(lines.takeLast(), QString()); // every line ends with a line break
    for (QString &line : lines)
        line.replace(root + '/', QString());
    return lines;
}

} // namespace

TEST(ListCommand, OneLinePerRowWithColourAndLargeViewFile)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    card.add({"cont_rec/a_F.mp4", "cont_rec/a_R.mp4", "Saved_Videos/s.mov", "sos_rec/-x y.avi",
              "photo/p.mp4"});

    QProcess torva;
    torva.start(TORVA_CLI_PATH, {"list", dir.path()});
    ASSERT_TRUE(torva.waitForFinished(30000));
    EXPECT_EQ(torva.exitCode(), 0) << torva.readAllStandardError().constData();
    Result unswapped{torva.exitCode(), torva.readAllStandardOutput(), {}};
    EXPECT_EQ(lines(unswapped, dir.path()),
              QStringList({"Saved_Videos/s.mov\tsaved\tSaved_Videos/s.mov",
                           "sos_rec/-x y.avi\tmanual\tsos_rec/-x y.avi",
                           "cont_rec/a_F.mp4\tnormal\tcont_rec/a_F.mp4",
                           "cont_rec/a_R.mp4\tnormal\tcont_rec/a_R.mp4"}));

    const Result swapped = runList({"--swapped", "--filter", "continuous", dir.path()});
    EXPECT_EQ(swapped.code, 0);
    EXPECT_EQ(lines(swapped, dir.path()),
              QStringList({"cont_rec/a_F.mp4\tnormal\tcont_rec/a_R.mp4",
                           "cont_rec/a_R.mp4\tnormal\tcont_rec/a_F.mp4"}));
    EXPECT_EQ(lines(runList({"--filter=manual", dir.path()}), dir.path()),
              QStringList({"sos_rec/-x y.avi\tmanual\tsos_rec/-x y.avi"}));
    EXPECT_TRUE(runList({"--filter=event", dir.path()}).out.isEmpty());
}

TEST(ListCommand, RelativeAndDashedFoldersAndAwkwardNames)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path() + "/-card");
    card.add({"quote's \"x\".mp4", "Überfahrt 서울.mp4", "tab\there.mp4", "line\nbreak.mp4"});
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const Result result = runList({"--", "-card"});
    QDir::setCurrent(previous);
    EXPECT_EQ(result.code, 0) << result.err.constData();
    // Paths are absolute; a tab or line break in a name cannot split a row.
    EXPECT_EQ(lines(result, card.root()),
              QStringList({"line\\nbreak.mp4\tnormal\tline\\nbreak.mp4",
                           "quote's \"x\".mp4\tnormal\tquote's \"x\".mp4",
                           "tab\\there.mp4\tnormal\ttab\\there.mp4",
                           "Überfahrt 서울.mp4\tnormal\tÜberfahrt 서울.mp4"}));
}

TEST(ListCommand, UnreadableFolderIsAnInputError)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    const QString file = card.add("clip.mp4");
    for (const QString &path : {dir.filePath("missing"), file}) {
        const Result result = runList({path});
        EXPECT_EQ(result.code, CliOutput::kInputError) << path.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.startsWith("torva: " + path.toUtf8() + ": "))
            << result.err.constData();
    }

    // Permissions stop nobody but root, so as root the program runs as "nobody".
    const QString locked = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    card.add("locked/cont_rec/a.mp4");
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ExeOther));
    ASSERT_TRUE(
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    if (geteuid() != 0) {
        const Result result = runList({locked});
        EXPECT_EQ(result.code, CliOutput::kInputError);
        EXPECT_TRUE(result.err.contains("cannot be read")) << result.err.constData();
        return;
    }
    QProcess torva;
    torva.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", TORVA_CLI_PATH,
                            "list", locked});
    if (!torva.waitForStarted(10000))
        GTEST_SKIP() << "setpriv is needed to test an unreadable folder as root";
    ASSERT_TRUE(torva.waitForFinished(30000));
    EXPECT_EQ(torva.exitCode(), CliOutput::kInputError);
    EXPECT_TRUE(torva.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(torva.readAllStandardError().contains(": cannot be read"));
}

TEST(ListCommand, UsageErrors)
{
    QTemporaryDir dir;
    const QStringList wrong[] = {
        {},
        {"--filter", "parked", dir.path()},
        {"--filter"},
        {"--sorted", dir.path()},
        {dir.path(), dir.path()},
    };
    for (const QStringList &args : wrong) {
        const Result result = runList(args);
        EXPECT_EQ(result.code, CliOutput::kUsageError) << args.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains("usage: torva list DIR"));
    }
}
