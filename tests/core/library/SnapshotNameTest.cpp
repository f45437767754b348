#include "core/library/SnapshotName.h"
#include "core/library/RecordingLibrary.h"

#include "RecordingCardBuilder.h"

#include <QTemporaryDir>

#include <limits>

#include <gtest/gtest.h>

TEST(SnapshotName, RecordingNameAndTruncatedMilliseconds)
{
    const QUrl current = QUrl::fromLocalFile(QStringLiteral("/card/cont_rec/REC_0001.avi"));
    EXPECT_EQ(SnapshotName::proposedName(current, QUrl(), 75.4321),
              QStringLiteral("REC_0001_75432.png"));
    EXPECT_EQ(SnapshotName::proposedName(current, QUrl(), 0.0009),
              QStringLiteral("REC_0001_0.png"));
    // Only the last extension goes.
    EXPECT_EQ(SnapshotName::proposedName(QUrl::fromLocalFile("/a/trip.2026.mov"), QUrl(), 1.0),
              QStringLiteral("trip.2026_1000.png"));
    EXPECT_EQ(SnapshotName::milliseconds(1.9999), 1999);
    EXPECT_EQ(SnapshotName::milliseconds(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(SnapshotName::milliseconds(std::numeric_limits<double>::infinity()), 0);
}

TEST(SnapshotName, SelectedRowNamesThePictureAfterTheLargeViewsFile)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    card.add({"evt_rec/x_F.mp4", "evt_rec/x_R.mp4"});
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(card.rootUrl());
    const QUrl current = QUrl::fromLocalFile(QStringLiteral("/elsewhere/REC_0001.avi"));

    // Swapped views show the rear file for the front row.
    EXPECT_EQ(SnapshotName::proposedName(current, library.takeBigVideoURL(0, true), 2.5),
              QStringLiteral("x_R_2500.png"));
    EXPECT_EQ(SnapshotName::proposedName(current, library.takeBigVideoURL(0, false), 2.5),
              QStringLiteral("x_F_2500.png"));
    // A row outside the list names nothing.
    EXPECT_EQ(SnapshotName::proposedName(current, library.takeBigVideoURL(2, true), 2.5),
              QStringLiteral("REC_0001_2500.png"));
}
