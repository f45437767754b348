#include "../GuiTestEnvironment.h"
#include "../displays/TestArtifacts.h"

#include "gui/controls/ImageButton.h"
#include "gui/controls/TorvaImageView.h"
#include "gui/controls/TorvaImages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QPainter>

namespace {

// Every picture the program asks for by name.
const QStringList kNamedPictures =
    QStringLiteral(
        "KM7_pcviewer_splash_mac.png brand_link_norvane1.png mapview_cover.png sorting_btn_60_1 "
        "sorting_btn_60_2 sorting_btn_60_3 play_1 play_2 play_3 pause1 pause2 pause3 volume1 "
        "volume2 pan_1 pan_2 pan_3 shock_gage1 shock_gage2 earth1 earth2 progress_bar volume_bar "
        "volume_level 0 1 2 3 4 5 6 7 8 9 check check1 discheck2 pv_dst_check tab_center_1 "
        "tab_center_2 tab_center_3 brand_link_norvane2 brand_link_norvane3")
        .split(' ');

} // namespace

// Every picture is drawn at its size, with something to see, on a sheet of
// them all on the skin's background for a person to look at.
TEST(TorvaImages, EveryPictureIsDrawnAndNamedOnesExist)
{
    QStringList names;
    for (QDirIterator it(":/images", {"*.svg"}); it.hasNext();)
        names << QFileInfo(it.next()).completeBaseName();
    names.sort();
    constexpr int kCell = 96;
    constexpr int kColumns = 10;
    QImage sheet(kColumns * kCell, int((names.size() + kColumns - 1) / kColumns) * kCell,
                 QImage::Format_ARGB32);
    sheet.fill(QColor(0x0b, 0x0d, 0x11));
    QPainter painter(&sheet);
    painter.setPen(QColor(0x8a, 0x94, 0xa3));
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QImage picture = TorvaImages::named(names[i]).toImage();
        QImage blank(picture.size(), picture.format());
        blank.fill(Qt::transparent);
        EXPECT_NE(picture, blank) << names[i].toStdString();
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), TorvaImages::sizeOf(names[i]));
        const QRect cell(int(i % kColumns) * kCell, int(i / kColumns) * kCell, kCell, kCell);
        QSize size = TorvaImages::sizeOf(names[i]);
        size.scale(size.boundedTo(QSize(kCell - 8, kCell - 20)), Qt::KeepAspectRatio);
        painter.drawPixmap(cell.x() + (kCell - size.width()) / 2, cell.y() + 4,
                           TorvaImages::named(names[i], size));
        painter.drawText(cell.adjusted(2, 0, -2, -3), Qt::AlignBottom | Qt::AlignHCenter, names[i]);
    }
    painter.end();
    EXPECT_TRUE(sheet.save(QDir(TestArtifacts::folder()).filePath("skin_pictures.png")));

    for (const QString &name : kNamedPictures)
        EXPECT_TRUE(TorvaImages::exists(name)) << name.toStdString();
    EXPECT_EQ(TorvaImages::sizeOf("progress_bar"), QSize(10, 33));
    EXPECT_EQ(TorvaImages::sizeOf("brand_link_norvane1.png").width(), 263);
    EXPECT_FALSE(TorvaImages::icon("play_1").isNull());
    for (const QString name : {"", "nothing_here", "../play_1", ".png", "play_1.svg"}) {
        EXPECT_FALSE(TorvaImages::exists(name)) << name.toStdString();
        EXPECT_TRUE(TorvaImages::named(name).isNull());
        EXPECT_FALSE(TorvaImages::sizeOf(name).isValid());
        EXPECT_TRUE(TorvaImages::icon(name).isNull());
    }
}

TEST(TorvaImages, DrawnAtTheSizeAsked)
{
    // Stretched across: the fill reaches both ends.
    const QImage bar = TorvaImages::named("volume_level", QSize(300, 14)).toImage();
    EXPECT_EQ(bar.deviceIndependentSize().toSize(), QSize(300, 14));
    EXPECT_GT(qAlpha(bar.pixel(2, 7)), 200);
    EXPECT_GT(qAlpha(bar.pixel(297, 7)), 200);
    // Drawn proportionally in a wider view: centred, empty at the sides.
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

// Each button's picture on hover, press, release and leave, and what it
// tells.
TEST(ImageButton, PicturesFollowTheMouse)
{
    struct Case
    {
        QString image;
        bool automatic;
        bool enabled;
        QString shown;
        QString told;
    };
    const Case cases[] = {
        {"play_1", true, true, "play_2 play_3 play_2 play_1", "hover click exit"},
        {"pause1", true, true, "pause2 pause3 pause2 pause1", "hover click exit"},
        {"sorting_btn_60_1", true, true,
         "sorting_btn_60_2 sorting_btn_60_3 sorting_btn_60_2 sorting_btn_60_1", "hover click exit"},
        // Without automatic pictures the button keeps its picture but acts.
        {"volume1", false, true, "volume1 volume1 volume1 volume1", "hover click exit"},
        {"stop_1", true, false, "stop_1 stop_1 stop_1 stop_1", "hover exit"},
    };
    // One button for all: a new picture brings its own names.
    ImageButton button;
    button.resize(60, 24);
    QStringList told;
    QObject::connect(&button, &ImageButton::clicked, [&] { told << "click"; });
    QObject::connect(&button, &ImageButton::hover,
                     [&](ImageButton *sender) { told << (sender == &button ? "hover" : "?"); });
    QObject::connect(&button, &ImageButton::hoverExit, [&] { told << "exit"; });
    const auto after = [&button](QEvent::Type type, QPointF at = QPointF(5, 5)) {
        GuiTestEnvironment::sendMouse(&button, type, at);
        return button.imageName();
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.image.toStdString());
        told.clear();
        button.setEnabled(c.enabled);
        button.setAllowAutoMouseEventImage(c.automatic);
        button.setImage(c.image);
        EXPECT_EQ(QStringList({after(QEvent::Enter), after(QEvent::MouseButtonPress),
                               after(QEvent::MouseButtonRelease), after(QEvent::Leave)})
                      .join(' '),
                  c.shown);
        EXPECT_EQ(told.join(' '), c.told);
        // The names stay those of the picture given, whatever is shown.
        if (c.enabled) {
            EXPECT_EQ(QStringList({button.normalImageName(), button.hoverImageName(),
                                   button.clickImageName()})
                          .join(' '),
                      c.automatic ? c.image + ' ' + c.shown.section(' ', 0, 1) : "  ");
        }
    }

    // Only a press that stayed on the button clicks: not a release without
    // a press, nor one after leaving and coming back, nor one beside it.
    told.clear();
    button.setEnabled(true);
    after(QEvent::MouseButtonRelease);
    after(QEvent::MouseButtonPress);
    after(QEvent::Leave);
    after(QEvent::Enter);
    after(QEvent::MouseButtonRelease);
    after(QEvent::MouseButtonPress);
    after(QEvent::MouseButtonRelease, QPointF(80, 5));
    after(QEvent::MouseButtonPress);
    after(QEvent::MouseButtonRelease);
    EXPECT_EQ(told.join(' '), "exit hover click");
}

TEST(ImageButton, DrawsItsPictureTitleAndAlternateWhileHeld)
{
    ImageButton button;
    button.resize(60, 24);
    button.setImage("sorting_btn_60_2");
    button.setText("ALL");
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, Qt::white);
    button.setPalette(palette);
    button.show();
    const QImage image = button.grab().toImage();
    // The accent background, and white title pixels in the middle.
    EXPECT_GT(qBlue(image.pixel(5, 12)), 120);
    int white = 0;
    for (int y = 6; y < 18; ++y)
        for (int x = 15; x < 45; ++x)
            white += qRed(image.pixel(x, y)) > 230 && qGreen(image.pixel(x, y)) > 230 ? 1 : 0;
    EXPECT_GT(white, 10);
    image.save(QDir(TestArtifacts::folder()).filePath("image_button_title.png"));

    // Stretched dialog pictures, the second shown while held.
    ImageButton ok;
    ok.resize(90, 28);
    ok.setImage(TorvaImages::named("dialog_button_1", QSize(90, 28)));
    ok.setAlternateImage(TorvaImages::named("dialog_button_2", QSize(90, 28)));
    EXPECT_EQ(ok.imageName(), "");
    EXPECT_EQ(ok.clickImageName(), "");
    ok.show();
    const auto blueInTheMiddle = [&ok] { return qBlue(ok.grab().toImage().pixel(45, 14)); };
    const int normal = blueInTheMiddle();
    GuiTestEnvironment::sendMouse(&ok, QEvent::MouseButtonPress, {5, 5});
    const int held = blueInTheMiddle();
    GuiTestEnvironment::sendMouse(&ok, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_GT(held, normal + 60);
    EXPECT_EQ(blueInTheMiddle(), normal);
}
