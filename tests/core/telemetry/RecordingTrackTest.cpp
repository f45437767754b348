#include "RiffBuilder.h"
#include "TempFolder.h"

#include "core/telemetry/RecordingTrack.h"
#include "core/telemetry/TorvaClipData.h"

#include <gtest/gtest.h>

#include <memory>

TEST(RecordingTrack, ReaderChosenByNameOrAsked)
{
    TempFolder folder;
    const QByteArray avi =
        RiffBuilder::avi(RiffBuilder::text(RiffBuilder::compactAccelerationRecord(129, 128, 128)) +
                         RiffBuilder::text("$GPRMC,1,V"));
    const QString compactName = folder.write(QStringLiteral("Rec_0001.avi"), avi);
    const QString otherName = folder.write(QStringLiteral("other.avi"), avi);
    using Reader = RecordingTrack::Reader;
    auto track = std::make_unique<TorvaClipData>();

    // The compact layout stores x = 129 as 10; the standard one as -1.
    RecordingTrack::load(compactName, Reader::ByName, *track);
    ASSERT_GT(track->clipDataCount(), 0u);
    EXPECT_EQ(track->getGx(0), 10);
    RecordingTrack::load(compactName, Reader::ReaderChain, *track);
    EXPECT_EQ(track->getGx(0), -1);
    RecordingTrack::load(otherName, Reader::ByName, *track);
    EXPECT_EQ(track->getGx(0), -1);
    RecordingTrack::load(otherName, Reader::CompactFamily, *track);
    EXPECT_EQ(track->getGx(0), 10);

    RecordingTrack::load(folder.path(QStringLiteral("missing.avi")), Reader::ByName, *track);
    EXPECT_EQ(track->clipDataCount(), 0u);
}
