#pragma once

#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>

// How a skinned picture is cut and spread over a larger one. Rectangles are
// in picture coordinates with the origin at the top-left corner. Pieces with
// no area on either side are left out, so they stay empty.
class StretchableImageLayout
{
public:
    struct Piece
    {
        QRectF source;
        QRectF target;
    };

    // Nine pieces cut at the insets: the corners keep their size, the edges
    // stretch along their length and the centre both ways.
    static QList<Piece> ninePartPieces(const QSizeF &sourceSize, const QSizeF &targetSize,
                                       const QMarginsF &insets);

    // Left cap, middle and right cap side by side, as tall as the source; the
    // middle piece spreads the source between the caps over middleWidth.
    static QList<Piece> threePartPieces(const QSizeF &sourceSize, double leftCapWidth,
                                        double middleWidth, double rightCapWidth);
    static QSizeF threePartSize(const QSizeF &sourceSize, double leftCapWidth, double middleWidth,
                                double rightCapWidth);
};
