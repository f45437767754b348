#include "RecordingCardBuilder.h"

#include "core/library/RecordingLibrary.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The listed recordings, under the group's filter when one is given.
QStringList filtered(RecordingLibrary &library, const RecordingCardBuilder &card, int group = -1)
{
    if (group >= 0) {
        library.setVideoFileFilter(group);
        library.applyVideoFileFilter();
    }
    return card.relativePaths(library.filteredVideoFileList());
}

} // namespace

TEST(RecordingLibrary, EachFilterListsItsFoldersMatchedAnywhereInThePath)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    card.add({"0.mp4", "cont_rec/1.mp4", "motion_rec/2.mp4", "motion_timelapse_rec/3.mp4",
              "evt_rec/4.mp4", "parking_rec/5.mp4", "manual_rec/6.mp4", "option_rec/7.mp4",
              "sos_rec/8.mp4", "cont_rec/sos_rec_x/9.mp4"});
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(card.rootUrl());
    EXPECT_EQ(filtered(library, card, RecordingFilter::All).size(), 10);
    const std::pair<int, QStringList> rows[] = {
        {RecordingFilter::Continuous, {"cont_rec/1.mp4", "cont_rec/sos_rec_x/9.mp4"}},
        {RecordingFilter::Motion, {"motion_rec/2.mp4", "motion_timelapse_rec/3.mp4"}},
        {RecordingFilter::Event, {"evt_rec/4.mp4", "parking_rec/5.mp4"}},
        {RecordingFilter::Manual,
         {"manual_rec/6.mp4", "option_rec/7.mp4", "sos_rec/8.mp4", "cont_rec/sos_rec_x/9.mp4"}}};
    for (const auto &[group, files] : rows)
        EXPECT_EQ(filtered(library, card, group), files) << group;
    // Only the five buttons exist; anything else leaves the filter alone.
    EXPECT_FALSE(library.setVideoFileFilter(5));
    EXPECT_FALSE(library.setVideoFileFilter(-1));
    EXPECT_EQ(library.videoFileFilterGroupA(), RecordingFilter::Manual);
    // A refresh lists the folder again under the current filter.
    card.add("sos_rec/10.mp4");
    library.refreshVideoFileList();
    EXPECT_EQ(library.filteredVideoFileList().size(), 5);
}

TEST(RecordingLibrary, SavedCopiesFirstThenCaseSensitiveNamesAndRemovalFromBothLists)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    // Equal names keep the order they were found in.
    card.add({"C.mp4", "cont_rec/a.mp4", "cont_rec/B.mp4", "cont_rec/same.mp4",
              "cont_rec/Saved_Videos_old/y.mp4", "evt_rec/_x.mp4", "evt_rec/same.mp4",
              "evt_rec/Ärger.mp4", "Saved_Videos/z.mp4", "Saved_Videos/A.mp4"});
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(card.rootUrl());
    EXPECT_EQ(
        filtered(library, card),
        QStringList({"Saved_Videos/A.mp4", "cont_rec/Saved_Videos_old/y.mp4", "Saved_Videos/z.mp4",
                     "cont_rec/B.mp4", "C.mp4", "evt_rec/_x.mp4", "cont_rec/a.mp4",
                     "cont_rec/same.mp4", "evt_rec/same.mp4", "evt_rec/Ärger.mp4"}));
    // One the filter hides leaves the full list only; one not listed changes nothing.
    EXPECT_EQ(filtered(library, card, RecordingFilter::Event).size(), 3);
    const QUrl same = QUrl::fromLocalFile(card.root() + "/evt_rec/same.mp4");
    library.removeVideoFileURL(same);
    library.removeVideoFileURL(QUrl::fromLocalFile(card.root() + "/C.mp4"));
    library.removeVideoFileURL(same);
    EXPECT_EQ(filtered(library, card), QStringList({"evt_rec/_x.mp4", "evt_rec/Ärger.mp4"}));
    EXPECT_EQ(library.allVideoFileList().size(), 8);
    EXPECT_EQ(card.relativePaths(library.allVideoFileList()).filter("same"),
              QStringList{"cont_rec/same.mp4"});
}
