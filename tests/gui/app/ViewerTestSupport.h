#pragma once

#include "gui/app/MainWindow.h"
#include "gui/app/MainWindowController.h"

#include <QApplication>
#include <QImage>
#include <QPoint>
#include <QTimer>

#include <functional>
#include <utility>

class TorvaAVView;
class QJsonObject;
class QWebEngineView;
class QWidget;

// What the tests of the main window share: stand-in volumes with the demo
// card, the window as the application shows it, and ways to drive it.
namespace ViewerTestSupport {

constexpr int kPlayTimeoutMs = 60000;
// The web engine starts its processes on first use; on a busy machine that
// and the first page load take seconds.
constexpr int kPageTimeoutMs = 60000;

// Runs a script in the page and waits for its result.
QVariant evaluateInPage(QWebEngineView *view, const QString &script);
// The map page's state (torvaMapState) once ok holds, else the last one
// when the time is up.
QJsonObject waitForMapState(QWebEngineView *view,
                            const std::function<bool(const QJsonObject &)> &ok = {});

// The demo card's recordings, one row each under "All".
constexpr int kDemoCardRows = 10;

// The files below from, copied to the same places below to.
bool copyTree(const QString &from, const QString &to);

// Stand-in volumes, with the demo card written on first use.
QString cardPath();
bool insertCard();
// Takes the card out of the volumes, or puts it back, without losing it.
bool takeCardOut(bool out);
// A file of the demo card.
QString cardFile(const QString &name);

// The main window as the application shows it, on the stand-in volumes.
struct Viewer
{
    Viewer();

    const MainWindow::Outlets &outlets() const { return controller.window()->outlets(); }
    // Opens the recording (a path, or a file of the card) and waits until the
    // large view has played a moment of it.
    bool play(const QString &recording);
    // Waits until both views are ready and play together.
    bool bothViewsPlay();
    // Opens the table's row with a double click, as a person does, and waits
    // until both views play.
    bool playRow(int row);
    // The window lists the card again whenever the mount table changes, and
    // tests running beside these mount their own cards: the listing and the
    // selection stay as the test sets them.
    void ignoreMountChanges();

    MainWindowController controller;
};

QString localized(const char *key);
int rowCount(MainWindowController &controller);
// The pointer moves, without a button, to a point of the window; the widget
// under it hears of it.
void moveMouse(QWidget *window, const QPoint &at);

// Calls answer with the next modal dialog of the class, from a timer, while
// the dialog runs its own event loop.
template <typename Dialog> void whenModal(const std::function<void(Dialog *)> &answer)
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start(20);
}

// What a person checks in a grabbed video picture: the view's frame shows in
// the area of the widget as large as fits with its proportions kept, centred
// (letterboxed), neither smaller nor cut off, and everything around it is
// black. Grabs until it does (a resize, swap or full screen takes the player
// a moment to follow) and gives the last grab and the frame's place.
std::pair<QImage, QRect> expectPictureFillsItsPlace(QWidget *widget, const QRect &area,
                                                    const TorvaAVView *view);

} // namespace ViewerTestSupport
