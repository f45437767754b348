#include "core/controls/StretchableImageLayout.h"

#include <gtest/gtest.h>

namespace {

using Piece = StretchableImageLayout::Piece;

bool samePiece(const Piece &piece, const QRectF &source, const QRectF &target)
{
    return piece.source == source && piece.target == target;
}

} // namespace

TEST(StretchableImageLayout, NinePartsKeepTheCornersAndStretchTheRest)
{
    // A 30 × 20 button picture spread over 100 × 40 with insets 6, 10, 4, 10.
    const QList<Piece> pieces = StretchableImageLayout::ninePartPieces(
        QSizeF(30, 20), QSizeF(100, 40), QMarginsF(10, 6, 10, 4));
    ASSERT_EQ(pieces.size(), 9);
    // Top row.
    EXPECT_TRUE(samePiece(pieces[0], QRectF(0, 0, 10, 6), QRectF(0, 0, 10, 6)));
    EXPECT_TRUE(samePiece(pieces[1], QRectF(10, 0, 10, 6), QRectF(10, 0, 80, 6)));
    EXPECT_TRUE(samePiece(pieces[2], QRectF(20, 0, 10, 6), QRectF(90, 0, 10, 6)));
    // Middle row.
    EXPECT_TRUE(samePiece(pieces[3], QRectF(0, 6, 10, 10), QRectF(0, 6, 10, 30)));
    EXPECT_TRUE(samePiece(pieces[4], QRectF(10, 6, 10, 10), QRectF(10, 6, 80, 30)));
    EXPECT_TRUE(samePiece(pieces[5], QRectF(20, 6, 10, 10), QRectF(90, 6, 10, 30)));
    // Bottom row.
    EXPECT_TRUE(samePiece(pieces[6], QRectF(0, 16, 10, 4), QRectF(0, 36, 10, 4)));
    EXPECT_TRUE(samePiece(pieces[7], QRectF(10, 16, 10, 4), QRectF(10, 36, 80, 4)));
    EXPECT_TRUE(samePiece(pieces[8], QRectF(20, 16, 10, 4), QRectF(90, 36, 10, 4)));
}

TEST(StretchableImageLayout, EmptyPiecesAreLeftOut)
{
    // No insets: one centre piece, stretched both ways.
    QList<Piece> pieces =
        StretchableImageLayout::ninePartPieces(QSizeF(8, 8), QSizeF(40, 20), QMarginsF(0, 0, 0, 0));
    ASSERT_EQ(pieces.size(), 1);
    EXPECT_TRUE(samePiece(pieces[0], QRectF(0, 0, 8, 8), QRectF(0, 0, 40, 20)));

    // Insets as large as the target: corners only, the middle bands vanish.
    pieces =
        StretchableImageLayout::ninePartPieces(QSizeF(8, 8), QSizeF(8, 8), QMarginsF(4, 4, 4, 4));
    EXPECT_EQ(pieces.size(), 4);
}

TEST(StretchableImageLayout, ThreePartsJoinCapsAndMiddle)
{
    const QSizeF source(20, 24);
    EXPECT_EQ(StretchableImageLayout::threePartSize(source, 6, 50, 4), QSizeF(60, 24));
    const QList<Piece> pieces = StretchableImageLayout::threePartPieces(source, 6, 50, 4);
    ASSERT_EQ(pieces.size(), 3);
    EXPECT_TRUE(samePiece(pieces[0], QRectF(0, 0, 6, 24), QRectF(0, 0, 6, 24)));
    EXPECT_TRUE(samePiece(pieces[1], QRectF(6, 0, 10, 24), QRectF(6, 0, 50, 24)));
    EXPECT_TRUE(samePiece(pieces[2], QRectF(16, 0, 4, 24), QRectF(56, 0, 4, 24)));

    // A zero middle width leaves the middle empty.
    const QList<Piece> capsOnly = StretchableImageLayout::threePartPieces(source, 6, 0, 4);
    ASSERT_EQ(capsOnly.size(), 2);
    EXPECT_TRUE(samePiece(capsOnly[1], QRectF(16, 0, 4, 24), QRectF(6, 0, 4, 24)));
}
