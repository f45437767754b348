#include "core/clip/ClipRange.h"

#include <algorithm>
#include <cmath>

std::optional<std::pair<double, double>> ClipRange::parse(double from, double to, double duration)
{
    if (!problem(from, to, duration).isEmpty())
        return std::nullopt;
    return std::pair{std::max(from, 0.0), std::min(to, duration)};
}

QString ClipRange::problem(double from, double to, double duration)
{
    if (!std::isfinite(duration) || duration <= 0.0)
        return QStringLiteral("the recording's duration is unknown");
    if (!std::isfinite(from) || !std::isfinite(to))
        return QStringLiteral("the clip's start and end must be numbers");
    if (to <= from)
        return QStringLiteral("the clip must end after it starts");
    const QString end = QString::number(duration, 'f', 2);
    if (from < -kToleranceSeconds)
        return QStringLiteral("the clip cannot start before the recording");
    if (from >= duration)
        return QStringLiteral("the clip must start before the recording ends (%1 s)").arg(end);
    if (to > duration + kToleranceSeconds)
        return QStringLiteral("the clip cannot end after the recording (%1 s)").arg(end);
    // Measured within the recording, after the bounds are moved onto it.
    if (std::min(to, duration) - std::max(from, 0.0) < kMinSeconds - 1e-9)
        return QStringLiteral("the clip must last at least %1 s").arg(kMinSeconds);
    return {};
}
