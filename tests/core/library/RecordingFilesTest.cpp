#include "RecordingCardBuilder.h"

#include "core/library/RecordingFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList list(const RecordingCardBuilder &card)
{
    return card.relativePaths(RecordingFiles::listCardRecordings(card.rootUrl()));
}

} // namespace

TEST(RecordingFiles, TheFolderItselfThenTheNineCardFoldersRecordingsAndLinkedFilesOnly)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    // A subfolder's recordings stand where the subfolder stands by name; only
    // the card folders are searched below the chosen folder. Hidden files
    // include the "._" companions a Mac writes; a folder named like a
    // recording is a folder.
    const QString real = card.add("elsewhere/real.mp4");
    card.add({"sos_rec/s.mp4", "option_rec/o.mp4", "Saved_Videos/v.avi",
              "motion_timelapse_rec/t.mp4", "parking_rec/k.mp4", "manual_rec/m.mp4",
              "evt_rec/e.mp4", "archive/mo.mp4", "cont_rec/c.mp4", "z_top.MP4"});
    card.add({"cont_rec/b/x.Mov", "cont_rec/a.AVI", "cont_rec/d/deeper/y.mov", "photo/p.mp4",
              "photo/cont_rec/q.mp4", "top_sub/r.mp4", "Cont_Rec/wrong_case.mp4"});
    card.add({"d.mp4.txt", "e.mkv", "mp4", "f.", "g.mp4 ", ".h.mp4", "._i.mp4", "cont_rec/._j.mp4",
              "cont_rec/.hidden/k.mp4", ".Trashes/l.mp4", "cont_rec/folder.mp4/inner.mov"});
    ASSERT_TRUE(QFile::link(real, dir.filePath("cont_rec/link.mp4")));
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere.mp4"), dir.filePath("cont_rec/broken.mp4")));
    // A link back up the tree would otherwise never end; a card folder that
    // is itself a link is listed.
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath("cont_rec/loop")));
    ASSERT_TRUE(QFile::link(dir.filePath("archive"), dir.filePath("motion_rec")));
    EXPECT_EQ(list(card),
              QStringList({"z_top.MP4", "cont_rec/a.AVI", "cont_rec/b/x.Mov", "cont_rec/c.mp4",
                           "cont_rec/d/deeper/y.mov", "cont_rec/folder.mp4/inner.mov",
                           "cont_rec/link.mp4", "motion_rec/mo.mp4", "evt_rec/e.mp4",
                           "manual_rec/m.mp4", "parking_rec/k.mp4", "motion_timelapse_rec/t.mp4",
                           "Saved_Videos/v.avi", "option_rec/o.mp4", "sos_rec/s.mp4"}));
}

TEST(RecordingFiles, NothingFromAMissingFolderAFileOrAnEmptyOrRemoteUrl)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    const QString file = card.add("clip.mp4");
    // None of these may fall back to the working folder.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    for (const QUrl &url : {QUrl::fromLocalFile(dir.filePath("gone")), QUrl::fromLocalFile(file),
                            QUrl(), QUrl("https://example.com/")})
        EXPECT_TRUE(RecordingFiles::listCardRecordings(url).isEmpty()) << qPrintable(url.url());
    EXPECT_TRUE(RecordingFiles::getVideoFilesInDirectoryUrl(QUrl(), true).isEmpty());
    QDir::setCurrent(previous);
    // A trailing slash names the same folder.
    EXPECT_EQ(RecordingFiles::listCardRecordings(QUrl::fromLocalFile(dir.path() + "/")).size(), 1);
}
