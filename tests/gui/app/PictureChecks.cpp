#include "PictureChecks.h"

#include "../GuiTestEnvironment.h"

#include "gui/video/TorvaAVView.h"

#include <QScrollArea>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace PictureChecks {

namespace {

// Pixels further than this from a place's edges may be off by rounding.
constexpr int kEdgeTolerance = 3;
constexpr int kSettleTimeoutMs = 5000;

bool isBlack(QRgb pixel)
{
    return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 24;
}

// The smallest rectangle holding every lit pixel of the area.
QRect litBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (!isBlack(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The share of lit pixels outside the area; 0 when the area covers it all.
double litShareOutside(const QImage &image, const QRect &area)
{
    qint64 lit = 0;
    qint64 all = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (area.contains(x, y))
                continue;
            ++all;
            lit += isBlack(image.pixel(x, y)) ? 0 : 1;
        }
    return all == 0 ? 0.0 : double(lit) / double(all);
}

bool near(const QRect &a, const QRect &b)
{
    return std::abs(a.left() - b.left()) <= kEdgeTolerance &&
           std::abs(a.top() - b.top()) <= kEdgeTolerance &&
           std::abs(a.right() - b.right()) <= kEdgeTolerance &&
           std::abs(a.bottom() - b.bottom()) <= kEdgeTolerance;
}

QString text(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

QRect letterboxed(const QSize &picture, const QRect &area)
{
    QRect place(QPoint(), picture.scaled(area.size(), Qt::KeepAspectRatio));
    place.moveCenter(area.center());
    return place;
}

double differingShare(const QImage &a, const QImage &b, const QRect &area)
{
    const QRect inside = area.intersected(a.rect()).intersected(b.rect());
    if (inside.isEmpty())
        return 0.0;
    qint64 differing = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return double(differing) / double(qint64(inside.width()) * inside.height());
}

QString placeFault(const QImage &image, const QRect &place, const QImage &frame)
{
    if (image.isNull() || frame.isNull())
        return QStringLiteral("no picture");
    if (place.width() < 100 || place.height() < 50 || !image.rect().contains(place))
        return QStringLiteral("place %1 in a %2x%3 view")
            .arg(text(place))
            .arg(image.width())
            .arg(image.height());
    // Where the frame's lit part belongs in the place.
    const QRect lit = litBounds(frame, frame.rect());
    const double sx = double(place.width()) / frame.width();
    const double sy = double(place.height()) / frame.height();
    const QRect expected(
        QPoint(place.left() + int(lit.left() * sx), place.top() + int(lit.top() * sy)),
        QPoint(place.left() + int((lit.right() + 1) * sx) - 1,
               place.top() + int((lit.bottom() + 1) * sy) - 1));
    const QRect shown = litBounds(image, image.rect());
    if (!near(shown, expected))
        return QStringLiteral("the picture covers %1, not %2").arg(text(shown), text(expected));
    const double outside = litShareOutside(
        image, place.adjusted(-kEdgeTolerance, -kEdgeTolerance, kEdgeTolerance, kEdgeTolerance));
    if (outside > 0.01)
        return QStringLiteral("%1 of the bars around %2 is lit").arg(outside).arg(text(place));
    return {};
}

Grab grabLargeView(QScrollArea *scroll, const TorvaAVView *view)
{
    Grab grab;
    grab.image = scroll->grab().toImage().convertToFormat(QImage::Format_RGB32);
    grab.frame = view->snapshot();
    grab.place = letterboxed(grab.frame.size(), scroll->viewport()->rect());
    return grab;
}

Grab expectLargeViewFillsItsPlace(QScrollArea *scroll, const TorvaAVView *view)
{
    Grab grab;
    GuiTestEnvironment::waitFor(
        [&] {
            grab = grabLargeView(scroll, view);
            return placeFault(grab.image, grab.place, grab.frame).isEmpty();
        },
        kSettleTimeoutMs);
    EXPECT_EQ(placeFault(grab.image, grab.place, grab.frame).toStdString(), "");
    return grab;
}

} // namespace PictureChecks
