#include "core/controls/StretchableImageLayout.h"

#include <array>

namespace {

using Piece = StretchableImageLayout::Piece;

// Source pieces never reach outside the source picture.
void addPiece(QList<Piece> &pieces, const QSizeF &sourceSize, const QRectF &source,
              const QRectF &target)
{
    const QRectF clipped = source.intersected(QRectF(QPointF(0, 0), sourceSize));
    if (clipped.width() <= 0 || clipped.height() <= 0 || target.width() <= 0 ||
        target.height() <= 0)
        return;
    pieces.append({clipped, target});
}

// Offsets and lengths of the three bands along one axis.
struct Bands
{
    std::array<double, 3> start;
    std::array<double, 3> length;
};

Bands bands(double total, double first, double last)
{
    return {{0.0, first, total - last}, {first, total - first - last, last}};
}

} // namespace

QList<Piece> StretchableImageLayout::ninePartPieces(const QSizeF &sourceSize,
                                                    const QSizeF &targetSize,
                                                    const QMarginsF &insets)
{
    const Bands sourceColumns = bands(sourceSize.width(), insets.left(), insets.right());
    const Bands sourceRows = bands(sourceSize.height(), insets.top(), insets.bottom());
    const Bands targetColumns = bands(targetSize.width(), insets.left(), insets.right());
    const Bands targetRows = bands(targetSize.height(), insets.top(), insets.bottom());
    QList<Piece> pieces;
    for (size_t row = 0; row < 3; ++row) {
        for (size_t column = 0; column < 3; ++column) {
            addPiece(pieces, sourceSize,
                     QRectF(sourceColumns.start[column], sourceRows.start[row],
                            sourceColumns.length[column], sourceRows.length[row]),
                     QRectF(targetColumns.start[column], targetRows.start[row],
                            targetColumns.length[column], targetRows.length[row]));
        }
    }
    return pieces;
}

QList<Piece> StretchableImageLayout::threePartPieces(const QSizeF &sourceSize, double leftCapWidth,
                                                     double middleWidth, double rightCapWidth)
{
    const double height = sourceSize.height();
    const Bands source = bands(sourceSize.width(), leftCapWidth, rightCapWidth);
    const std::array<double, 3> targetStart{0.0, leftCapWidth, leftCapWidth + middleWidth};
    const std::array<double, 3> targetLength{leftCapWidth, middleWidth, rightCapWidth};
    QList<Piece> pieces;
    for (size_t i = 0; i < 3; ++i) {
        addPiece(pieces, sourceSize, QRectF(source.start[i], 0.0, source.length[i], height),
                 QRectF(targetStart[i], 0.0, targetLength[i], height));
    }
    return pieces;
}

QSizeF StretchableImageLayout::threePartSize(const QSizeF &sourceSize, double leftCapWidth,
                                             double middleWidth, double rightCapWidth)
{
    return QSizeF(leftCapWidth + middleWidth + rightCapWidth, sourceSize.height());
}
