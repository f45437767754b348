#include "ViewerTestSupport.h"

#include "../GuiTestEnvironment.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/library/DemoCardWriter.h"
#include "gui/app/CardWatcher.h"
#include "gui/video/TorvaAVView.h"

#include <QAbstractItemModel>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTableView>
#include <QTemporaryDir>
#include <QTransform>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

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

QVariant evaluateInPage(QWebEngineView *view, const QString &script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    view->page()->runJavaScript(script, [result](const QVariant &value) { *result = value; });
    GuiTestEnvironment::waitFor([&] { return result->has_value(); }, kPageTimeoutMs);
    return result->value_or(QVariant());
}

QJsonObject waitForMapState(QWebEngineView *view,
                            const std::function<bool(const QJsonObject &)> &ok)
{
    // Before its scripts have run the page has no state to give.
    static const QString kStateScript =
        QStringLiteral("typeof torvaMapState === 'function' ? torvaMapState() : '{}'");
    QJsonObject state;
    GuiTestEnvironment::waitFor(
        [&] {
            state =
                QJsonDocument::fromJson(evaluateInPage(view, kStateScript).toByteArray()).object();
            return !ok || ok(state);
        },
        kPageTimeoutMs);
    return state;
}

QString cardPath()
{
    return volumes().filePath(QStringLiteral("TORVA_CARD"));
}

bool copyTree(const QString &from, const QString &to)
{
    const QDir source(from);
    for (QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString target = QDir(to).filePath(source.relativeFilePath(it.next()));
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(it.filePath(), target))
            return false;
    }
    return true;
}

bool insertCard()
{
    static const bool written = [] {
        // A run of all tests writes the card once and names it here.
        const QString prepared = qEnvironmentVariable("TORVA_TEST_DEMO_CARD");
        if (!prepared.isEmpty() && QDir(prepared).exists())
            return copyTree(prepared, cardPath());
        const DemoCardWriter::Result result = DemoCardWriter::write(cardPath());
        EXPECT_TRUE(result.ok) << result.error.toStdString();
        return result.ok;
    }();
    return written && QDir(cardPath()).exists();
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

// Why the frame does not show in its place in the image, or nothing.
QString placeFault(const QImage &image, const QRect &place, const QImage &frame)
{
    QString fault;
    if (image.isNull() || frame.isNull() || place.width() < 100 || place.height() < 50 ||
        !image.rect().contains(place)) {
        QDebug(&fault) << "place" << place << "in" << image.size();
        return fault;
    }
    // Where the frame's lit part belongs in the place.
    const QRect expected = QTransform::fromScale(double(place.width()) / frame.width(),
                                                 double(place.height()) / frame.height())
                               .mapRect(QRectF(litBounds(frame, frame.rect())))
                               .toRect()
                               .translated(place.topLeft());
    const QMargins tolerance(kEdgeTolerance, kEdgeTolerance, kEdgeTolerance, kEdgeTolerance);
    double outside = 0.0;
    const QRect shown = litBounds(image, place + tolerance, &outside);
    if (!(shown + tolerance).contains(expected) || !(expected + tolerance).contains(shown))
        QDebug(&fault) << "the picture covers" << shown << "not" << expected;
    else if (outside > 0.01)
        QDebug(&fault) << outside << "of the bars around" << place << "is lit";
    return fault;
}

} // namespace

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
