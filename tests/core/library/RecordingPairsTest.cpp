#include "RecordingCardBuilder.h"

#include "core/library/RecordingLibrary.h"
#include "core/library/SnapshotName.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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
    // AVI files never pair, nor an MP4 with an AVI, nor across folders.
    const QStringList rows = {"cont_rec/a_F.mp4", "cont_rec/a_R.mp4", "cont_rec/b_F.MP4",
                              "cont_rec/b_R.MP4", "cont_rec/c_F.avi", "cont_rec/c_R.avi",
                              "cont_rec/d_F.mp4", "cont_rec/d_R.avi", "cont_rec/e_F.mp4",
                              "evt_rec/e_R.mp4",  "cont_rec/f.mp4"};
    card.add(rows);
    const RecordingLibrary library = listed(card);
    ASSERT_EQ(card.relativePaths(library.filteredVideoFileList()), rows);
    QList<QUrl> shown;
    QList<QUrl> swapped;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        shown.append(library.takeBigVideoURL(row, false));
        swapped.append(library.takeBigVideoURL(row, true));
    }
    EXPECT_EQ(card.relativePaths(shown), rows);
    QStringList partners = rows;
    partners.swapItemsAt(0, 1);
    partners.swapItemsAt(2, 3);
    EXPECT_EQ(card.relativePaths(swapped), partners);
    EXPECT_TRUE(library.takeBigVideoURL(11, true).isEmpty());
    EXPECT_TRUE(library.takeBigVideoURL(-1, false).isEmpty());

    // A snapshot is named after the large view's file, or else the playing one.
    const QUrl playing = QUrl::fromLocalFile(QStringLiteral("/elsewhere/REC_0001.avi"));
    EXPECT_EQ(SnapshotName::proposedName(playing, library.takeBigVideoURL(0, true), 2.5),
              QStringLiteral("a_R_2500.png"));
    EXPECT_EQ(SnapshotName::proposedName(playing, library.takeBigVideoURL(11, true), 2.5),
              QStringLiteral("REC_0001_2500.png"));
}

TEST(RecordingPairs, NextAndPreviousStepOverPairsToTheFrontFile)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    card.add({"a_F.mp4", "a_R.mp4", "b.mp4", "c_F.avi", "c_R.avi", "d.mp4", "e_F.mp4", "e_R.mp4",
              "f.mp4", "g_F.mp4", "g_R.mp4"});
    const RecordingLibrary library = listed(card);
    ASSERT_EQ(library.filteredVideoFileList().size(), 11);
    // Next wraps to the first row; previous stops there. b goes back to a_F
    // over a_R; d goes back to c_R: AVI files are no pair.
    const qsizetype next[] = {2, 2, 3, 4, 5, 6, 8, 8, 9, 0, 0};
    const qsizetype previous[] = {-1, 0, 0, 2, 3, 4, 5, 6, 6, 8, 9};
    for (qsizetype row = 0; row < 11; ++row) {
        EXPECT_EQ(library.nextRow(row), next[row]) << "row " << row;
        EXPECT_EQ(library.previousRow(row), previous[row]) << "row " << row;
    }
    EXPECT_EQ(library.nextRow(-1), -1);
    EXPECT_EQ(library.previousRow(11), -1);
    EXPECT_EQ(RecordingLibrary().nextRow(0), -1);
}
