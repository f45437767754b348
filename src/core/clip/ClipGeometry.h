#pragma once

#include "core/clip/ClipRequest.h"

#include <QRect>
#include <QSize>

#include <optional>

// Where the cameras' pictures go in a composed clip. Both are scaled to the
// front's height, at most kMaxHeight (never enlarged); side by side the rear
// follows the front, as a picture in picture it takes a third of the front's
// width in the top right corner, a small margin away from the edges. Every
// size is even, as H.264 in 4:2:0 needs.
class ClipGeometry
{
public:
    static constexpr int kMaxHeight = 720;
    // The size assumed for a picture whose size is not known.
    static constexpr QSize kAssumedSize{1280, 720};

    // No rear size for one camera; an empty size is not known.
    static ClipGeometry compose(QSize front, std::optional<QSize> rear, ClipRequest::Layout layout);

    QSize frame;
    QRect front;
    QRect rear; // null for one camera
};
