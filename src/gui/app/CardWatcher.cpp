#include "gui/app/CardWatcher.h"

#include "core/settings/CardVolumes.h"

#include <algorithm>

CardWatcher::CardWatcher(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(kPollMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &CardWatcher::poll);
}

void CardWatcher::start()
{
    remember(currentState());
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

void CardWatcher::remember(QStringList state)
{
    m_state = std::move(state);
    m_mounts.clear();
    for (const QString &volume : std::as_const(m_state))
        m_mounts.append(CardMount(volume));
}

void CardWatcher::poll()
{
    QStringList state = currentState();
    const bool pulled = std::any_of(m_mounts.cbegin(), m_mounts.cend(),
                                    [](const CardMount &mount) { return !mount.isMounted(); });
    if (state == m_state && !pulled)
        return;
    remember(std::move(state));
    Q_EMIT volumesChanged();
}
