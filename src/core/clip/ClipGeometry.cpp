#include "core/clip/ClipGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

int even(double value)
{
    return std::max(2, 2 * int(std::lround(value / 2.0)));
}

QSize knownOrAssumed(QSize size)
{
    return size.width() > 0 && size.height() > 0 ? size : ClipGeometry::kAssumedSize;
}

} // namespace

ClipGeometry ClipGeometry::compose(QSize front, std::optional<QSize> rear,
                                   ClipRequest::Layout layout)
{
    front = knownOrAssumed(front);
    const int height = even(std::min(front.height(), kMaxHeight));
    const int width = even(double(front.width()) * height / front.height());
    ClipGeometry geometry;
    geometry.front = QRect(0, 0, width, height);
    geometry.frame = QSize(width, height);
    if (!rear)
        return geometry;
    const QSize other = knownOrAssumed(*rear);
    if (layout == ClipRequest::Layout::Side) {
        const int rearWidth = even(double(other.width()) * height / other.height());
        geometry.rear = QRect(width, 0, rearWidth, height);
        geometry.frame.rwidth() += rearWidth;
    } else {
        const int margin = even(height / 40.0);
        const int rearWidth = even(width / 3.0);
        const int rearHeight = even(double(other.height()) * rearWidth / other.width());
        geometry.rear = QRect(width - rearWidth - margin, margin, rearWidth, rearHeight);
    }
    return geometry;
}
