#include "core/controls/ImageButtonNames.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(ImageButtonNames, TheLastCharacterBecomesOneTwoThree)
{
    // A file ending does not belong to the picture's name; no name gives no names.
    const std::pair<QString, QString> cases[] = {
        {"play_3", "play_"}, {"x", ""}, {"norvane1.png", "norvane"}, {".png", {}}, {{}, {}}};
    for (const auto &[image, stem] : cases) {
        const ImageButtonNames names(image);
        EXPECT_EQ(QStringList({names.normalImageName, names.hoverImageName, names.clickImageName}),
                  stem.isNull() ? QStringList({"", "", ""})
                                : QStringList({stem + '1', stem + '2', stem + '3'}))
            << image.toStdString();
    }
}
