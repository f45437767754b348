#pragma once

#include <QString>

// The three pictures of an image button, named after its current picture:
// the last character is replaced by "1", "2" and "3" ("play_1" gives
// play_1, play_2 and play_3). A ".png" ending is not part of the name.
class ImageButtonNames
{
public:
    ImageButtonNames() = default;
    // A picture without a name gives three empty names.
    explicit ImageButtonNames(const QString &imageName);

    QString normalImageName;
    QString hoverImageName;
    QString clickImageName;
};
