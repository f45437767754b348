#include "RecordingCardBuilder.h"

#include "core/library/RecordingLibrary.h"
#include "core/library/RecordingRowColour.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList filtered(RecordingLibrary &library, const RecordingCardBuilder &card,
                     RecordingFilter::Group group)
{
    library.setVideoFileFilter(group);
    library.applyVideoFileFilter();
    return card.relativePaths(library.filteredVideoFileList());
}

} // namespace

TEST(RecordingLibrary, EachFilterListsItsFolders)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    card.add({"0.mp4", "cont_rec/1.mp4", "motion_rec/2.mp4", "motion_timelapse_rec/3.mp4",
              "evt_rec/4.mp4", "parking_rec/5.mp4", "manual_rec/6.mp4", "option_rec/7.mp4",
              "sos_rec/8.mp4"});
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(card.rootUrl());
    EXPECT_EQ(library.selectedVideoDirectoryUrl(), card.rootUrl());
    EXPECT_EQ(library.allVideoFileList().size(), 9);
    EXPECT_EQ(filtered(library, card, RecordingFilter::All).size(), 9);
    EXPECT_EQ(filtered(library, card, RecordingFilter::Continuous),
              QStringList({"cont_rec/1.mp4"}));
    EXPECT_EQ(filtered(library, card, RecordingFilter::Motion),
              QStringList({"motion_rec/2.mp4", "motion_timelapse_rec/3.mp4"}));
    EXPECT_EQ(filtered(library, card, RecordingFilter::Event),
              QStringList({"evt_rec/4.mp4", "parking_rec/5.mp4"}));
    EXPECT_EQ(filtered(library, card, RecordingFilter::Manual),
              QStringList({"manual_rec/6.mp4", "option_rec/7.mp4", "sos_rec/8.mp4"}));

    // Only the five buttons exist; anything else leaves the filter alone.
    EXPECT_FALSE(library.setVideoFileFilter(5));
    EXPECT_FALSE(library.setVideoFileFilter(-1));
    EXPECT_EQ(library.videoFileFilterGroupA(), RecordingFilter::Manual);

    // A refresh lists the folder again under the current filter.
    card.add("sos_rec/9.mp4");
    library.refreshVideoFileList();
    EXPECT_EQ(library.filteredVideoFileList().size(), 4);
}

TEST(RecordingLibrary, FilterFolderNamesMatchAnywhereInThePath)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path() + "/copy_of_evt_rec");
    card.add({"a.mp4", "cont_rec/b.mp4", "cont_rec/sos_rec_backup/c.mp4"});
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(card.rootUrl());
    EXPECT_EQ(filtered(library, card, RecordingFilter::Event).size(), 3);
    EXPECT_EQ(filtered(library, card, RecordingFilter::Manual),
              QStringList({"cont_rec/sos_rec_backup/c.mp4"}));
}

TEST(RecordingLibrary, SavedCopiesFirstThenCaseSensitiveNames)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    card.add({"C.mp4", "cont_rec/a.mp4", "cont_rec/B.mp4", "cont_rec/same.mp4",
              "cont_rec/Saved_Videos_old/y.mp4", "evt_rec/_x.mp4", "evt_rec/same.mp4",
              "evt_rec/Ärger.mp4", "Saved_Videos/z.mp4", "Saved_Videos/A.mp4"});
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(card.rootUrl());
    EXPECT_EQ(card.relativePaths(library.filteredVideoFileList()),
              QStringList({
                  "Saved_Videos/A.mp4",
                  "cont_rec/Saved_Videos_old/y.mp4",
                  "Saved_Videos/z.mp4",
                  "cont_rec/B.mp4",
                  "C.mp4",
                  "evt_rec/_x.mp4",
                  "cont_rec/a.mp4",
                  "cont_rec/same.mp4", // equal names keep the order they were found in
                  "evt_rec/same.mp4",
                  "evt_rec/Ärger.mp4",
              }));
}

TEST(RecordingLibrary, RowColourFollowsTheFolderThatHoldsTheFile)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    card.add({"Saved_Videos/s.mp4", "Saved_Videos/2024/t.mp4", "option_rec/o.mp4", "sos_rec/e.mp4",
              "manual_rec/m.mp4", "cont_rec/my_sos_rec/n.mp4", "cont_rec/c.mp4"});
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(card.rootUrl());
    using Colour = RecordingRowColour::Colour;
    QMap<QString, Colour> colours;
    for (const QUrl &url : library.filteredVideoFileList())
        colours[url.fileName()] = RecordingRowColour::colourFor(url);
    const QMap<QString, Colour> expected = {
        {"s.mp4", Colour::Saved},  {"t.mp4", Colour::Normal}, {"o.mp4", Colour::Manual},
        {"e.mp4", Colour::Manual}, {"m.mp4", Colour::Normal}, {"n.mp4", Colour::Manual},
        {"c.mp4", Colour::Normal},
    };
    EXPECT_EQ(colours, expected);
    // Below a saved folder the file is not coloured, yet still sorts with the saved ones.
    EXPECT_EQ(library.filteredVideoFileList()[1].fileName(), "t.mp4");
}

TEST(RecordingLibrary, TypicalCardListsEveryRecording)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    card.addTypicalCard(900);
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(card.rootUrl());
    EXPECT_EQ(library.allVideoFileList().size(), 900);
    EXPECT_EQ(library.filteredVideoFileList().size(), 900);
    EXPECT_EQ(filtered(library, card, RecordingFilter::Event).size(), 200);
}

TEST(RecordingLibrary, RemovedRecordingLeavesBothLists)
{
    QTemporaryDir dir;
    const RecordingCardBuilder card(dir.path());
    card.add({"cont_rec/a.avi", "cont_rec/b.avi", "evt_rec/c.avi"});
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(card.rootUrl());
    library.setVideoFileFilter(RecordingFilter::Continuous);
    library.applyVideoFileFilter();

    const QUrl b = QUrl::fromLocalFile(card.root() + "/cont_rec/b.avi");
    library.removeVideoFileURL(b);
    EXPECT_EQ(card.relativePaths(library.filteredVideoFileList()), QStringList{"cont_rec/a.avi"});
    EXPECT_EQ(card.relativePaths(library.allVideoFileList()),
              QStringList({"cont_rec/a.avi", "evt_rec/c.avi"}));

    // One the filter hides leaves the full list; one not listed changes nothing.
    library.removeVideoFileURL(QUrl::fromLocalFile(card.root() + "/evt_rec/c.avi"));
    library.removeVideoFileURL(b);
    EXPECT_EQ(card.relativePaths(library.allVideoFileList()), QStringList{"cont_rec/a.avi"});
    EXPECT_EQ(library.filteredVideoFileList().size(), 1);
}
