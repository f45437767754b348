#pragma once

#include <QImage>
#include <QRect>

class QScrollArea;
class TorvaAVView;

// What a person checks in a grabbed video picture.
namespace PictureChecks {

// Where a picture of the given size shows in an area: as large as fits with
// its proportions kept, centred (letterboxed).
QRect letterboxed(const QSize &picture, const QRect &area);
// The share of pixels that differ between two grabs, within the area.
double differingShare(const QImage &a, const QImage &b, const QRect &area);
// Why the frame does not show in its place in the image, or nothing: what is
// lit of the frame must cover the same part of the place (neither smaller nor
// cut off, within a few pixels), and everything around the place is black.
QString placeFault(const QImage &image, const QRect &place, const QImage &frame);

// The large view as it shows in its scroll view, and where its frame belongs.
struct Grab
{
    QImage image;
    QRect place;
};
// Grabs until the picture shows in its place (a resize, swap or full screen
// takes the player a moment to follow) and checks the last grab.
Grab expectLargeViewFillsItsPlace(QScrollArea *scroll, const TorvaAVView *view);

} // namespace PictureChecks
