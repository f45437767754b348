#include "RecordingCardBuilder.h"
#include "TempFolder.h"

#include "CliRun.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// A printed row: the recording, its colour and the file of its large view.
QString row(const QString &file, const char *colour = "normal", const QString &large = {})
{
    return file + '\t' + colour + '\t' + (large.isEmpty() ? file : large) + '\n';
}

} // namespace

TEST(ListCommand, OneRowPerRecordingWithColourAndLargeViewFile)
{
    TempFolder folder;
    RecordingCardBuilder(folder.path("card"))
        .add({"cont_rec/a_F.mp4", "cont_rec/a_R.mp4", "Saved_Videos/s.mov", "sos_rec/-x y.avi",
              "photo/p.mp4"});
    RecordingCardBuilder(folder.path("-card"))
        .add({"quote's \"x\".mp4", "Überfahrt 서울.mp4", "tab\there.mp4", "line\nbreak.mp4"});
    const QString front = "@card/cont_rec/a_F.mp4", rear = "@card/cont_rec/a_R.mp4";
    const QString manual = row("@card/sos_rec/-x y.avi", "manual");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    CliRun::expect(
        {{"list @card", 0,
          row("@card/Saved_Videos/s.mov", "saved") + manual + row(front) + row(rear), true},
         {"list --swapped --filter continuous @card", 0,
          row(front, "normal", rear) + row(rear, "normal", front), true},
         {"list --filter=manual @card", 0, manual, true},
         {"list --filter=event @card", 0, "", true},
         // Paths are absolute; a tab or line break in a name cannot split a row.
         {"list -- -card", 0,
          row("@dashed/line\\nbreak.mp4") + row("@dashed/quote's \"x\".mp4") +
              row("@dashed/tab\\there.mp4") + row("@dashed/Überfahrt 서울.mp4"),
          true}},
        {{"card", folder.path("card")}, {"dashed", folder.path("-card")}});
    QDir::setCurrent(previous);
}

TEST(ListCommand, UnreadableFolderIsAnInputError)
{
    TempFolder folder;
    RecordingCardBuilder(folder.path("locked")).add("cont_rec/a.mp4");
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner | QFile::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(folder.path("locked"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    // Permissions stop nobody but root, so as root the program runs as "nobody".
    const QStringList asNobody = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    const CliRun run =
        CliRun::program({"list", folder.path("locked")}, QProcessEnvironment::systemEnvironment(),
                        geteuid() == 0 ? asNobody : QStringList());
    if (run.code == -1)
        GTEST_SKIP() << "setpriv is needed to test an unreadable folder as root";
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "torva: " + folder.path("locked").toUtf8() +
                           ": cannot be read (permission denied)\n");
}
