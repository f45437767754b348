#pragma once

#include "gui/app/MainWindow.h"
#include "gui/app/MainWindowController.h"

#include <QEvent>
#include <QImage>
#include <QPoint>
#include <QTemporaryDir>

#include <functional>

class QScrollArea;
class QTableView;
class TorvaAVView;
class QWidget;

// What the tests of the main window share: stand-in volumes with the demo
// card, the window as the application shows it, and ways to drive it.
namespace ViewerTestSupport {

constexpr int kPlayTimeoutMs = 60000;

// The folder whose subfolders stand in for mounted volumes; a demo card is
// written into it once per test process, when a test asks for it.
class Volumes
{
public:
    static Volumes &instance();

    QString cardPath() const;
    // Writes the card on first use.
    bool insertCard();
    // Takes the card out of the volumes (and puts it back) without losing it.
    bool removeCard();
    bool reinsertCard();

private:
    Volumes();

    QTemporaryDir m_root;
    QTemporaryDir m_aside;
    bool m_cardWritten = false;
};

// The main window as the application shows it.
struct Viewer
{
    Viewer();

    const MainWindow::Outlets &outlets() const { return controller.window()->outlets(); }
    // Opens the recording (a path, or a file of the card) and waits until the
    // large view has played a moment of it.
    bool play(const QString &recording);
    // Both views ready and started together.
    bool bothViewsReady();
    // The window lists the card again whenever the mount table changes, and
    // tests running beside these mount their own cards: the listing and the
    // selection stay as the test sets them.
    void ignoreMountChanges();

    MainWindowController controller;
};

// A file of the demo card.
QString cardFile(const QString &name);
QString localized(const char *key);
int rowCount(MainWindowController &controller);
void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &at,
               Qt::MouseButton button = Qt::LeftButton);
void pressKey(QWidget *target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The pointer moves, without a button, to a point of the window; the widget
// under it hears of it.
void moveMouse(QWidget *window, const QPoint &at);
void doubleClickRow(QTableView *table, int row);

// Calls answer with the next modal dialog of the class, from a timer, while
// the dialog runs its own event loop.
void answerModal(const std::function<bool(QWidget *)> &answer);
template <typename Dialog> void whenModal(const std::function<void(Dialog *)> &answer)
{
    answerModal([answer](QWidget *modal) {
        auto *dialog = qobject_cast<Dialog *>(modal);
        if (dialog)
            answer(dialog);
        return dialog != nullptr;
    });
}

// What a person checks in a grabbed video picture.

// Where a picture of the given size shows in an area: as large as fits with
// its proportions kept, centred (letterboxed).
QRect letterboxed(const QSize &picture, const QRect &area);
// The share of pixels that differ between two grabs, within the area.
double differingShare(const QImage &a, const QImage &b, const QRect &area);
// Why the frame does not show in its place in the image, or nothing: what is
// lit of the frame must cover the same part of the place (neither smaller nor
// cut off, within a few pixels), and everything around the place is black.
QString placeFault(const QImage &image, const QRect &place, const QImage &frame);

// The large view as it shows in its scroll view, and where its frame belongs.
struct Grab
{
    QImage image;
    QRect place;
};
// Grabs until the picture shows in its place (a resize, swap or full screen
// takes the player a moment to follow) and checks the last grab.
Grab expectLargeViewFillsItsPlace(QScrollArea *scroll, const TorvaAVView *view);

} // namespace ViewerTestSupport
