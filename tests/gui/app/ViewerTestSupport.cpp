#include "ViewerTestSupport.h"

#include "../GuiTestEnvironment.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/library/DemoCardWriter.h"
#include "gui/app/CardWatcher.h"
#include "gui/video/TorvaAVView.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace ViewerTestSupport {

namespace {

// The folder whose subfolders stand in for mounted volumes, and one to put
// the card aside in.
QTemporaryDir &volumes(int which = 0)
{
    static QTemporaryDir folders[2];
    static const bool named = qputenv("TORVA_VOLUMES_DIR", QFile::encodeName(folders[0].path()));
    Q_UNUSED(named);
    return folders[which];
}

} // namespace

QString cardPath()
{
    return volumes().filePath(QStringLiteral("TORVA_CARD"));
}

bool insertCard()
{
    static const DemoCardWriter::Result written = DemoCardWriter::write(cardPath());
    EXPECT_TRUE(written.ok) << written.error.toStdString();
    return QDir(cardPath()).exists();
}

bool takeCardOut(bool out)
{
    const QString aside = volumes(1).filePath(QStringLiteral("card"));
    return out ? QDir().rename(cardPath(), aside) : QDir().rename(aside, cardPath());
}

Viewer::Viewer()
{
    volumes(); // named before the window looks for cards
    controller.showMainWindow();
    GuiTestEnvironment::waitFor([this] { return controller.window()->isVisible(); });
}

bool Viewer::play(const QString &recording)
{
    controller.openPath(cardFile(recording));
    return GuiTestEnvironment::waitFor(
        [this] {
            return controller.session().state() == PlaybackSession::State::Playing &&
                   outlets().bigMovieView->currentTime() > 0.3;
        },
        kPlayTimeoutMs);
}

bool Viewer::bothViewsPlay()
{
    const MainWindow::Outlets &o = outlets();
    return GuiTestEnvironment::waitFor(
        [&] {
            return o.bigMovieView->status() == VideoStatus::ReadyToPlay &&
                   o.smallMovieView->status() == VideoStatus::ReadyToPlay &&
                   controller.session().state() == PlaybackSession::State::Playing;
        },
        kPlayTimeoutMs);
}

bool Viewer::playRow(int row)
{
    QTableView *table = outlets().fileTable;
    const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        GuiTestEnvironment::sendMouse(table->viewport(), type, at);
    return bothViewsPlay();
}

void Viewer::ignoreMountChanges()
{
    CardWatcher *watcher = controller.findChild<CardWatcher *>();
    ASSERT_NE(watcher, nullptr);
    QObject::disconnect(watcher, &CardWatcher::volumesChanged, &controller, nullptr);
}

QString cardFile(const QString &name)
{
    return QDir(cardPath()).filePath(name);
}

QString localized(const char *key)
{
    return TorvaLanguages::SharedTorvaLanguages()->localized(QString::fromUtf8(key));
}

int rowCount(MainWindowController &controller)
{
    return controller.window()->outlets().fileTable->model()->rowCount();
}

void moveMouse(QWidget *window, const QPoint &at)
{
    QWidget *target = window->childAt(at);
    if (!target)
        target = window;
    GuiTestEnvironment::sendMouse(target, QEvent::MouseMove, target->mapFrom(window, at),
                                  Qt::NoButton);
}

namespace {

// Pixels further than this from a place's edges may be off by rounding.
constexpr int kEdgeTolerance = 3;

bool isLit(QRgb pixel)
{
    return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) >= 24;
}

// The smallest rectangle holding every lit pixel of the image, and the share
// of lit pixels outside the area.
QRect litBounds(const QImage &image, const QRect &area, double *litOutside = nullptr)
{
    QRect bounds;
    qint64 lit = 0;
    qint64 outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool on = isLit(image.pixel(x, y));
            if (on)
                bounds |= QRect(x, y, 1, 1);
            if (!area.contains(x, y)) {
                ++outside;
                lit += on ? 1 : 0;
            }
        }
    if (litOutside)
        *litOutside = outside == 0 ? 0.0 : double(lit) / double(outside);
    return bounds;
}

QString text(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Why the frame does not show in its place in the image, or nothing.
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
    double outside = 0.0;
    const QRect shown = litBounds(
        image, place.adjusted(-kEdgeTolerance, -kEdgeTolerance, kEdgeTolerance, kEdgeTolerance),
        &outside);
    const QRect difference(shown.topLeft() - expected.topLeft(),
                           shown.bottomRight() - expected.bottomRight());
    if (std::max({std::abs(difference.left()), std::abs(difference.top()),
                  std::abs(difference.right()), std::abs(difference.bottom())}) > kEdgeTolerance)
        return QStringLiteral("the picture covers %1, not %2").arg(text(shown), text(expected));
    if (outside > 0.01)
        return QStringLiteral("%1 of the bars around %2 is lit").arg(outside).arg(text(place));
    return {};
}

} // namespace

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

std::pair<QImage, QRect> expectPictureFillsItsPlace(QWidget *widget, const QRect &area,
                                                    const TorvaAVView *view)
{
    std::pair<QImage, QRect> grab;
    QString fault;
    GuiTestEnvironment::waitFor([&] {
        grab.first = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage frame = view->snapshot();
        grab.second = QRect(QPoint(), frame.size().scaled(area.size(), Qt::KeepAspectRatio));
        grab.second.moveCenter(area.center());
        fault = placeFault(grab.first, grab.second, frame);
        return fault.isEmpty();
    });
    EXPECT_EQ(fault.toStdString(), "");
    return grab;
}

} // namespace ViewerTestSupport
