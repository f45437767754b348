#include "core/controls/ImageButtonNames.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList names(const QString &imageName)
{
    const ImageButtonNames derived(imageName);
    return {derived.normalImageName, derived.hoverImageName, derived.clickImageName};
}

} // namespace

TEST(ImageButtonNames, TheLastCharacterBecomesOneTwoThree)
{
    EXPECT_EQ(names("play_1"), (QStringList{"play_1", "play_2", "play_3"}));
    EXPECT_EQ(names("play_3"), (QStringList{"play_1", "play_2", "play_3"}));
    EXPECT_EQ(names("pause1"), (QStringList{"pause1", "pause2", "pause3"}));
    EXPECT_EQ(names("sorting_btn_60_1"),
              (QStringList{"sorting_btn_60_1", "sorting_btn_60_2", "sorting_btn_60_3"}));
    EXPECT_EQ(names("x"), (QStringList{"1", "2", "3"}));
    // A file ending is not part of the picture's name.
    EXPECT_EQ(names("brand_link_norvane1.png"),
              (QStringList{"brand_link_norvane1", "brand_link_norvane2", "brand_link_norvane3"}));
}

TEST(ImageButtonNames, APictureWithoutANameGivesNoNames)
{
    EXPECT_EQ(names(QString()), (QStringList{"", "", ""}));
    EXPECT_EQ(names(".png"), (QStringList{"", "", ""}));
    const ImageButtonNames none;
    EXPECT_TRUE(none.normalImageName.isEmpty());
}
