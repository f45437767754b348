#include "gui/app/CardWatcher.h"

#include "core/settings/CardVolumes.h"

CardWatcher::CardWatcher(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(kPollMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &CardWatcher::poll);
}

void CardWatcher::start()
{
    m_state = currentState();
    m_timer.start();
}

QStringList CardWatcher::currentState()
{
    // Only volumes that can be a card count: a file system mounted anywhere
    // else (a container's, a build's tmpfs) must not re-list the recordings.
    QStringList cards = CardVolumes::mountedVolumes();
    cards.removeIf([](const QString &volume) { return !CardVolumes::isLocalRemovable(volume); });
    return cards;
}

void CardWatcher::poll()
{
    QStringList state = currentState();
    if (state == m_state)
        return;
    m_state = std::move(state);
    Q_EMIT volumesChanged();
}
