#include "app/CardWatcher.h"

#include "settings/CardVolumes.h"

#include <QFile>

namespace {

// The mount table stays well below this; a larger one is cut, which at
// worst misses a change at its end.
constexpr qint64 kMountTableLimit = 1 << 20;

} // namespace

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

QByteArray CardWatcher::currentState()
{
    QByteArray state;
    QFile mounts(QStringLiteral("/proc/self/mountinfo"));
    if (mounts.open(QIODevice::ReadOnly))
        state = mounts.read(kMountTableLimit);
    state += '\0';
    state += CardVolumes::mountedVolumes().join(QLatin1Char('\n')).toUtf8();
    return state;
}

void CardWatcher::poll()
{
    QByteArray state = currentState();
    if (state == m_state)
        return;
    m_state = std::move(state);
    Q_EMIT volumesChanged();
}
