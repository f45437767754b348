#include "core/playback/PlayAnimation.h"

int PlayAnimation::playAnimationTimerCallback()
{
    const uint32_t index = m_playAnimationIdx++;
    return int(index % 2) + 1;
}

QString PlayAnimation::shockGageImage(int frame)
{
    return QStringLiteral("shock_gage%1").arg(frame);
}

QString PlayAnimation::earthImage(int frame)
{
    return QStringLiteral("earth%1").arg(frame);
}
