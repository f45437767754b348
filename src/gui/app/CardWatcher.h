#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

// Notices memory cards coming and going. The kernel's mount table cannot be
// watched with a file watcher, so it is read every two seconds together with
// the list of card volumes, and any difference is reported.
class CardWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPollMilliseconds = 2000;

    explicit CardWatcher(QObject *parent = nullptr);

    // Takes the present state as the one to compare with, and polls.
    void start();

Q_SIGNALS:
    void volumesChanged();

private:
    static QByteArray currentState();
    void poll();

    QTimer m_timer;
    QByteArray m_state;
};
