#include "../displays/TestArtifacts.h"

#include "gui/controls/TorvaImageView.h"
#include "gui/controls/TorvaImages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QPainter>

namespace {

// Every picture the program asks for by name.
const QStringList kNamedPictures{
    "KM7_pcviewer_splash_mac.png",
    "brand_link_norvane1.png",
    "mapview_cover.png",
    "sorting_btn_60_1",
    "sorting_btn_60_2",
    "sorting_btn_60_3",
    "play_1",
    "play_2",
    "play_3",
    "pause1",
    "pause2",
    "pause3",
    "volume1",
    "volume2",
    "pan_1",
    "pan_2",
    "pan_3",
    "shock_gage1",
    "shock_gage2",
    "earth1",
    "earth2",
    "progress_bar",
    "volume_bar",
    "volume_level",
    "0",
    "1",
    "2",
    "3",
    "4",
    "5",
    "6",
    "7",
    "8",
    "9",
    "check",
    "check1",
    "discheck2",
    "pv_dst_check",
    "tab_center_1",
    "tab_center_2",
    "tab_center_3",
    "brand_link_norvane2",
    "brand_link_norvane3",
};

QStringList allPictures()
{
    QStringList names;
    QDirIterator it(":/images", {"*.svg"});
    while (it.hasNext())
        names << QFileInfo(it.next()).completeBaseName();
    names.sort();
    return names;
}

bool hasVisiblePixels(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

} // namespace

TEST(TorvaImages, EveryNamedPictureIsDrawn)
{
    for (const QString &name : kNamedPictures) {
        EXPECT_TRUE(TorvaImages::exists(name)) << name.toStdString();
        const QPixmap pixmap = TorvaImages::named(name);
        ASSERT_FALSE(pixmap.isNull()) << name.toStdString();
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), TorvaImages::sizeOf(name));
        EXPECT_TRUE(hasVisiblePixels(pixmap.toImage())) << name.toStdString();
    }
    EXPECT_EQ(TorvaImages::sizeOf("progress_bar"), QSize(10, 33));
    EXPECT_EQ(TorvaImages::sizeOf("sorting_btn_60_1").width(), 60);
    EXPECT_EQ(TorvaImages::sizeOf("brand_link_norvane1.png").width(), 263);
    EXPECT_FALSE(TorvaImages::icon("play_1").isNull());
}

TEST(TorvaImages, UnknownNamesGiveNothing)
{
    for (const QString name : {"", "nothing_here", "../play_1", ".png", "play_1.svg"}) {
        EXPECT_FALSE(TorvaImages::exists(name)) << name.toStdString();
        EXPECT_TRUE(TorvaImages::named(name).isNull());
        EXPECT_FALSE(TorvaImages::sizeOf(name).isValid());
        EXPECT_TRUE(TorvaImages::icon(name).isNull());
    }
}

TEST(TorvaImages, DrawnAtTheSizeAsked)
{
    const QPixmap bar = TorvaImages::named("volume_level", QSize(300, 14));
    EXPECT_EQ(bar.deviceIndependentSize().toSize(), QSize(300, 14));
    // Stretched across: the fill reaches both ends.
    const QImage image = bar.toImage();
    EXPECT_GT(qAlpha(image.pixel(2, 7)), 200);
    EXPECT_GT(qAlpha(image.pixel(297, 7)), 200);

    TorvaImageView view;
    view.setImageName("earth1");
    EXPECT_EQ(view.sizeHint(), QSize(32, 32));
    view.setImageScaling(TorvaImageView::Scaling::Proportionally);
    view.resize(64, 32);
    QImage drawn(64, 32, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    view.render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(qAlpha(drawn.pixel(4, 16)), 0);
    EXPECT_GT(qAlpha(drawn.pixel(32, 16)), 0);
}

// A sheet of every picture on the skin's background, for a person to look at.
TEST(TorvaImages, ContactSheet)
{
    const QStringList names = allPictures();
    ASSERT_GE(names.size(), kNamedPictures.size());
    constexpr int kCell = 96;
    constexpr int kColumns = 10;
    const int rows = int((names.size() + kColumns - 1) / kColumns);
    QImage sheet(kColumns * kCell, rows * kCell, QImage::Format_ARGB32);
    sheet.fill(QColor(0x0b, 0x0d, 0x11));
    QPainter painter(&sheet);
    painter.setPen(QColor(0x8a, 0x94, 0xa3));
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QRect cell(int(i % kColumns) * kCell, int(i / kColumns) * kCell, kCell, kCell);
        QSize size = TorvaImages::sizeOf(names[i]);
        size.scale(size.boundedTo(QSize(kCell - 8, kCell - 20)), Qt::KeepAspectRatio);
        const QPixmap picture = TorvaImages::named(names[i], size);
        painter.drawPixmap(cell.x() + (kCell - size.width()) / 2, cell.y() + 4, picture);
        painter.drawText(cell.adjusted(2, 0, -2, -3), Qt::AlignBottom | Qt::AlignHCenter, names[i]);
    }
    painter.end();
    EXPECT_TRUE(sheet.save(QDir(TestArtifacts::folder()).filePath("skin_pictures.png")));
}
