#include "core/playback/PlaybackSpeed.h"

bool PlaybackSpeed::faster()
{
    if (m_step + 1 >= kSteps.size())
        return false;
    ++m_step;
    return true;
}

bool PlaybackSpeed::slower()
{
    if (m_step == 0)
        return false;
    --m_step;
    return true;
}

bool PlaybackSpeed::reset()
{
    const bool changed = !isNormal();
    m_step = 2;
    return changed;
}

QString PlaybackSpeed::label(double speed)
{
    return QString::number(speed, 'g', 3) + QChar(0x00D7);
}
