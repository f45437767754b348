#include "ViewerTestSupport.h"

#include "../GuiTestEnvironment.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/library/DemoCardWriter.h"
#include "gui/app/CardWatcher.h"
#include "gui/video/TorvaAVView.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>
#include <QTimer>

#include <gtest/gtest.h>

namespace ViewerTestSupport {

Volumes &Volumes::instance()
{
    static Volumes volumes;
    return volumes;
}

Volumes::Volumes()
{
    qputenv("TORVA_VOLUMES_DIR", QFile::encodeName(m_root.path()));
}

QString Volumes::cardPath() const
{
    return m_root.filePath(QStringLiteral("TORVA_CARD"));
}

bool Volumes::insertCard()
{
    if (!m_cardWritten) {
        const DemoCardWriter::Result result = DemoCardWriter::write(cardPath());
        if (!result.ok) {
            ADD_FAILURE() << result.error.toStdString();
            return false;
        }
        m_cardWritten = true;
    }
    return QDir(cardPath()).exists();
}

bool Volumes::removeCard()
{
    return QDir().rename(cardPath(), m_aside.filePath("card"));
}

bool Volumes::reinsertCard()
{
    return QDir().rename(m_aside.filePath("card"), cardPath());
}

Viewer::Viewer()
{
    controller.showMainWindow();
    GuiTestEnvironment::waitFor([this] { return controller.window()->isVisible(); });
}

bool Viewer::play(const QString &recording)
{
    controller.openPath(QDir(Volumes::instance().cardPath()).filePath(recording));
    return GuiTestEnvironment::waitFor(
        [this] {
            return controller.session().state() == PlaybackSession::State::Playing &&
                   outlets().bigMovieView->currentTime() > 0.3;
        },
        kPlayTimeoutMs);
}

bool Viewer::bothViewsReady()
{
    const MainWindow::Outlets &o = outlets();
    return o.bigMovieView->status() == VideoStatus::ReadyToPlay &&
           o.smallMovieView->status() == VideoStatus::ReadyToPlay &&
           controller.session().state() == PlaybackSession::State::Playing;
}

void Viewer::ignoreMountChanges()
{
    CardWatcher *watcher = controller.findChild<CardWatcher *>();
    ASSERT_NE(watcher, nullptr);
    QObject::disconnect(watcher, &CardWatcher::volumesChanged, &controller, nullptr);
}

QString localized(const char *key)
{
    return TorvaLanguages::SharedTorvaLanguages()->localized(QString::fromUtf8(key));
}

int rowCount(MainWindowController &controller)
{
    return controller.window()->outlets().fileTable->model()->rowCount();
}

void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &at, Qt::MouseButton button)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void pressKey(QWidget *target, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &event);
}

void moveMouse(QWidget *window, const QPoint &at)
{
    QWidget *target = window->childAt(at);
    if (!target)
        target = window;
    const QPoint local = target->mapFrom(window, at);
    QMouseEvent move(QEvent::MouseMove, QPointF(local), target->mapToGlobal(QPointF(local)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

void doubleClickRow(QTableView *table, int row)
{
    QWidget *viewport = table->viewport();
    const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        sendMouse(viewport, type, at);
}

void answerModal(const std::function<bool(QWidget *)> &answer)
{
    auto *timer = new QTimer(qApp);
    const QDeadlineTimer deadline(30000);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, deadline] {
        QWidget *modal = QApplication::activeModalWidget();
        if ((modal && modal->isVisible() && answer(modal)) || deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
}

} // namespace ViewerTestSupport
