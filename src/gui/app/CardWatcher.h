#pragma once

#include "core/settings/CardMount.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Notices memory cards coming and going. The kernel's mount table cannot be
// watched with a file watcher, so the removable volumes are listed every two
// seconds and any difference is reported, a volume's folder left behind by a
// card pulled out too.
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
    static QStringList currentState();
    void remember(QStringList state);
    void poll();

    QTimer m_timer;
    QStringList m_state;
    QList<CardMount> m_mounts;
};
