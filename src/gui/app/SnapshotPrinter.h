#pragma once

class QImage;
class QPagedPaintDevice;
class QPrinter;

// Prints a picture of the large view: on a landscape page, scaled to fit it
// whole and centred.
class SnapshotPrinter
{
public:
    // Sets the page up before the print dialog shows it.
    static void preparePrinter(QPrinter &printer);
    // Draws the picture on one page of the device; false when nothing could
    // be drawn (a null picture, or a printer that would not start).
    static bool printImage(const QImage &image, QPagedPaintDevice &device);
};
