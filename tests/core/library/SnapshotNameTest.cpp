#include "core/library/SnapshotName.h"

#include <limits>

#include <gtest/gtest.h>

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
