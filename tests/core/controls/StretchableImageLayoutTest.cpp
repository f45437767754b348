#include "core/controls/StretchableImageLayout.h"
#include "core/controls/ImageButtonNames.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// "source>target" of each piece, in turn, as "x,y wxh".
QString pieces(const QList<StretchableImageLayout::Piece> &pieces)
{
    const auto rect = [](const QRectF &r) {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    QStringList all;
    for (const auto &piece : pieces)
        all << rect(piece.source) + '>' + rect(piece.target);
    return all.join(';');
}

} // namespace

TEST(StretchableImageLayout, NinePartsKeepTheCornersAndStretchTheRest)
{
    // A 30 × 20 button picture spread over 100 × 40 with insets 6, 10, 4, 10.
    EXPECT_EQ(pieces(StretchableImageLayout::ninePartPieces(QSizeF(30, 20), QSizeF(100, 40),
                                                            QMarginsF(10, 6, 10, 4))),
              "0,0 10x6>0,0 10x6;10,0 10x6>10,0 80x6;20,0 10x6>90,0 10x6;"
              "0,6 10x10>0,6 10x30;10,6 10x10>10,6 80x30;20,6 10x10>90,6 10x30;"
              "0,16 10x4>0,36 10x4;10,16 10x4>10,36 80x4;20,16 10x4>90,36 10x4");
    // Empty pieces are left out: without insets the centre alone is left.
    EXPECT_EQ(pieces(StretchableImageLayout::ninePartPieces(QSizeF(8, 8), QSizeF(40, 20), {})),
              "0,0 8x8>0,0 40x20");
}

TEST(StretchableImageLayout, ThreePartsJoinCapsAndMiddle)
{
    const QSizeF source(20, 24);
    EXPECT_EQ(StretchableImageLayout::threePartSize(source, 6, 50, 4), QSizeF(60, 24));
    EXPECT_EQ(pieces(StretchableImageLayout::threePartPieces(source, 6, 50, 4)),
              "0,0 6x24>0,0 6x24;6,0 10x24>6,0 50x24;16,0 4x24>56,0 4x24");
    // A zero middle width leaves the middle empty.
    EXPECT_EQ(pieces(StretchableImageLayout::threePartPieces(source, 6, 0, 4)),
              "0,0 6x24>0,0 6x24;16,0 4x24>6,0 4x24");
}

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
