#include "core/controls/ImageButtonNames.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(ImageButtonNames, TheLastCharacterBecomesOneTwoThree)
{
    // A file ending is not part of the picture's name; no name gives no names.
    const std::pair<QString, QString> cases[] = {{"play_1", "play_"},
                                                 {"play_3", "play_"},
                                                 {"pause1", "pause"},
                                                 {"x", ""},
                                                 {"brand_link_norvane1.png", "brand_link_norvane"},
                                                 {QString(), QString()},
                                                 {".png", QString()}};
    for (const auto &[image, stem] : cases) {
        const ImageButtonNames names(image);
        const QStringList expected = stem.isNull()
                                         ? QStringList{"", "", ""}
                                         : QStringList{stem + "1", stem + "2", stem + "3"};
        EXPECT_EQ(QStringList({names.normalImageName, names.hoverImageName, names.clickImageName}),
                  expected)
            << image.toStdString();
    }
    EXPECT_TRUE(ImageButtonNames().normalImageName.isEmpty());
}
