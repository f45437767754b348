#include "gui/controls/TorvaCancelEventView.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QMetaObject>

namespace {

QPointer<QObject> &eventHandlerSlot()
{
    static QPointer<QObject> slot;
    return slot;
}

// Queues the controller's cancel action, with or without a sender argument;
// false when it has none.
bool queueCancel(QObject *controller, QObject *sender)
{
    const QMetaObject *meta = controller->metaObject();
    if (meta->indexOfMethod("cancelButtonTouched(QObject*)") >= 0)
        return QMetaObject::invokeMethod(controller, "cancelButtonTouched", Qt::QueuedConnection,
                                         Q_ARG(QObject *, sender));
    if (meta->indexOfMethod("cancelButtonTouched()") >= 0)
        return QMetaObject::invokeMethod(controller, "cancelButtonTouched", Qt::QueuedConnection);
    return false;
}

} // namespace

TorvaCancelEventView::TorvaCancelEventView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

QObject *TorvaCancelEventView::currentEventHandler()
{
    return eventHandlerSlot();
}

void TorvaCancelEventView::setEvnetHandlViewController(QObject *controller)
{
    m_evnetHandlViewControllerBackup = eventHandlerSlot();
    m_evnetHandlViewController = controller;
    eventHandlerSlot() = controller;
}

void TorvaCancelEventView::restoreEventHandler()
{
    eventHandlerSlot() = m_evnetHandlViewControllerBackup;
}

void TorvaCancelEventView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const double now = double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
    QObject *controller = eventHandlerSlot();
    if (now - m_lastESCDate > kRepeatInterval && controller && queueCancel(controller, this))
        m_lastESCDate = now;
}
