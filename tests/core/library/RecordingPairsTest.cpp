#include "RecordingCardBuilder.h"

#include "core/library/RecordingLibrary.h"
#include "core/library/RecordingPairs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The large view's file for every row, relative to the card.
QStringList bigVideos(const RecordingLibrary &library, const RecordingCardBuilder &card,
                      bool swapped)
{
    QList<QUrl> urls;
    for (qsizetype row = 0; row < library.filteredVideoFileList().size(); ++row)
        urls.append(library.takeBigVideoURL(row, swapped));
    return card.relativePaths(urls);
}

RecordingLibrary listed(const RecordingCardBuilder &card)
{
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(card.rootUrl());
    return library;
}

} // namespace

TEST(RecordingPairs, SwappedViewsShowThePartnerOfAnMp4Pair)
{
    QTemporaryDir dir;
    // An "F." or "R." in a folder name must not break the pairs below it.
    const RecordingCardBuilder card(dir.path() + "/Dr.F. and J.R. trip");
    card.add({"cont_rec/a_F.mp4", "cont_rec/a_R.mp4", "cont_rec/b_F.MP4", "cont_rec/b_R.MP4",
              "cont_rec/c_F.avi", "cont_rec/c_R.avi", "cont_rec/d_F.mp4", "cont_rec/d_R.avi",
              "cont_rec/e_F.mp4", "evt_rec/e_R.mp4", "cont_rec/f.mp4"});
    const RecordingLibrary library = listed(card);
    const QStringList rows = card.relativePaths(library.filteredVideoFileList());
    ASSERT_EQ(rows, QStringList({"cont_rec/a_F.mp4", "cont_rec/a_R.mp4", "cont_rec/b_F.MP4",
                                 "cont_rec/b_R.MP4", "cont_rec/c_F.avi", "cont_rec/c_R.avi",
                                 "cont_rec/d_F.mp4", "cont_rec/d_R.avi", "cont_rec/e_F.mp4",
                                 "evt_rec/e_R.mp4", "cont_rec/f.mp4"}));
    EXPECT_EQ(bigVideos(library, card, false), rows);
    EXPECT_EQ(
        bigVideos(library, card, true),
        QStringList({"cont_rec/a_R.mp4", "cont_rec/a_F.mp4", "cont_rec/b_R.MP4", "cont_rec/b_F.MP4",
                     // AVI files never pair, nor an MP4 with an AVI, nor across folders.
                     "cont_rec/c_F.avi", "cont_rec/c_R.avi", "cont_rec/d_F.mp4", "cont_rec/d_R.avi",
                     "cont_rec/e_F.mp4", "evt_rec/e_R.mp4", "cont_rec/f.mp4"}));
    EXPECT_TRUE(library.takeBigVideoURL(11, true).isEmpty());
    EXPECT_TRUE(library.takeBigVideoURL(-1, false).isEmpty());
}

TEST(RecordingPairs, PartnerRewritesTheFileNameOnly)
{
    EXPECT_EQ(RecordingPairs::partnerPath("/R. card/F.x/a_F.mp4"), "/R. card/F.x/a_R.mp4");
    EXPECT_EQ(RecordingPairs::partnerPath("/F. card/a_R.mp4"), "/F. card/a_F.mp4");
    // Every occurrence, and "F." before "R.".
    EXPECT_EQ(RecordingPairs::partnerPath("/c/F.R.F.mp4"), "/c/R.R.R.mp4");
    EXPECT_EQ(RecordingPairs::partnerPath("/c/R.R.mp4"), "/c/F.F.mp4");
    EXPECT_EQ(RecordingPairs::partnerPath("/F./R./a.mp4"), "");
}

TEST(RecordingPairs, NextStepsOverAPairAndWrapsToTheFirstRow)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    card.add({"a_F.mp4", "a_R.mp4", "b.mp4", "c_F.avi", "c_R.avi", "d_F.mp4", "d_R.mp4"});
    const RecordingLibrary library = listed(card);
    ASSERT_EQ(library.filteredVideoFileList().size(), 7);
    const qsizetype expected[] = {2, 2, 3, 4, 5, 0, 0};
    for (qsizetype row = 0; row < 7; ++row)
        EXPECT_EQ(library.nextRow(row), expected[row]) << "row " << row;
    EXPECT_EQ(library.nextRow(-1), -1);
    EXPECT_EQ(RecordingLibrary().nextRow(0), -1);
}

TEST(RecordingPairs, PreviousLandsOnTheFrontFileAndStopsAtTheFirstRow)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    card.add({"a_F.mp4", "a_R.mp4", "b.mp4", "c_F.avi", "c_R.avi", "d.mp4", "e_F.mp4", "e_R.mp4",
              "f.mp4"});
    const RecordingLibrary library = listed(card);
    ASSERT_EQ(library.filteredVideoFileList().size(), 9);
    // b goes back to a_F over a_R; d goes back to c_R: AVI files are no pair.
    const qsizetype expected[] = {-1, 0, 0, 2, 3, 4, 5, 6, 6};
    for (qsizetype row = 0; row < 9; ++row)
        EXPECT_EQ(library.previousRow(row), expected[row]) << "row " << row;
    EXPECT_EQ(library.previousRow(9), -1);
}
