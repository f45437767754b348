#pragma once

#include <QPointer>
#include <QWidget>

// Turns the Esc key into the "cancel" action of the dialog that currently
// owns it. One process-wide slot holds that dialog's controller; dialogs
// nest: the innermost takes the slot when it opens and gives it back when
// it closes. The controller answers with an invokable cancelButtonTouched()
// or cancelButtonTouched(QObject *sender).
class TorvaCancelEventView : public QWidget
{
    Q_OBJECT

public:
    // Presses closer together than this cancel once.
    static constexpr double kRepeatInterval = 0.5;

    explicit TorvaCancelEventView(QWidget *parent = nullptr);

    // The controller Esc goes to now.
    static QObject *currentEventHandler();

    // Puts controller into the slot, remembering the one it replaces.
    void setEvnetHandlViewController(QObject *controller);
    QObject *evnetHandlViewController() const { return m_evnetHandlViewController; }
    // Puts the remembered controller back into the slot.
    void restoreEventHandler();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointer<QObject> m_evnetHandlViewController;
    QPointer<QObject> m_evnetHandlViewControllerBackup;
    // Seconds since 1970 of the last Esc that cancelled.
    double m_lastESCDate = 0.0;
};
