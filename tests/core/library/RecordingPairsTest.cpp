#include "RecordingCardBuilder.h"

#include "core/library/RecordingLibrary.h"
#include "core/library/SnapshotName.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

TEST(RecordingPairs, SwappedViewsShowThePartnerAndStepsGoOverAPairToItsFront)
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
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(card.rootUrl());
    ASSERT_EQ(card.relativePaths(library.filteredVideoFileList()), rows);
    QStringList partners = rows;
    partners.swapItemsAt(0, 1);
    partners.swapItemsAt(2, 3);
    // Next wraps to the first row; previous stops there and lands on the
    // front file of a pair.
    const qsizetype next[] = {2, 2, 4, 4, 5, 6, 7, 8, 9, 10, 0};
    const qsizetype previous[] = {-1, 0, 0, 2, 2, 4, 5, 6, 7, 8, 9};
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const QString shown = card.relativePaths({library.takeBigVideoURL(row, false)}).value(0);
        const QString swapped = card.relativePaths({library.takeBigVideoURL(row, true)}).value(0);
        EXPECT_EQ(shown, rows[row]);
        EXPECT_EQ(swapped, partners[row]);
        EXPECT_EQ(library.nextRow(row), next[row]) << "row " << row;
        EXPECT_EQ(library.previousRow(row), previous[row]) << "row " << row;
    }
    EXPECT_TRUE(library.takeBigVideoURL(11, true).isEmpty());
    EXPECT_TRUE(library.takeBigVideoURL(-1, false).isEmpty());
    EXPECT_EQ(library.nextRow(-1), -1);
    EXPECT_EQ(library.previousRow(11), -1);
    EXPECT_EQ(RecordingLibrary().nextRow(0), -1);
    // A snapshot is named after the large view's file, or else the playing one.
    const QUrl playing = QUrl::fromLocalFile("/elsewhere/REC_0001.avi");
    EXPECT_EQ(SnapshotName::proposedName(playing, library.takeBigVideoURL(0, true), 2.5),
              "a_R_2500.png");
    EXPECT_EQ(SnapshotName::proposedName(playing, library.takeBigVideoURL(11, true), 2.5),
              "REC_0001_2500.png");
}

TEST(SnapshotName, RecordingNameAndTruncatedMilliseconds)
{
    const QUrl current = QUrl::fromLocalFile(QStringLiteral("/card/cont_rec/REC_0001.avi"));
    EXPECT_EQ(SnapshotName::proposedName(current, QUrl(), 75.4321), "REC_0001_75432.png");
    EXPECT_EQ(SnapshotName::proposedName(current, QUrl(), 0.0009), "REC_0001_0.png");
    // Only the last extension goes.
    EXPECT_EQ(SnapshotName::proposedName(QUrl::fromLocalFile("/a/trip.2026.mov"), QUrl(), 1.0),
              "trip.2026_1000.png");
    EXPECT_EQ(SnapshotName::milliseconds(1.9999), 1999);
    EXPECT_EQ(SnapshotName::milliseconds(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(SnapshotName::milliseconds(std::numeric_limits<double>::infinity()), 0);
}
