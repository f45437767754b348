#include "core/playback/EventJumps.h"

#include <algorithm>

namespace {

// Within this of an event the play time is at it.
constexpr double kAtEventSeconds = 0.05;
// A jump back from less than this after an event skips it.
constexpr double kJustPassedSeconds = 1.0;

} // namespace

void EventJumps::setEvents(QList<double> seconds)
{
    std::sort(seconds.begin(), seconds.end());
    m_times = std::move(seconds);
}

std::optional<double> EventJumps::next(double now) const
{
    const auto it = std::upper_bound(m_times.cbegin(), m_times.cend(), now + kAtEventSeconds);
    return it == m_times.cend() ? std::nullopt : std::optional<double>(*it);
}

std::optional<double> EventJumps::previous(double now) const
{
    const auto it = std::lower_bound(m_times.cbegin(), m_times.cend(), now - kJustPassedSeconds);
    return it == m_times.cbegin() ? std::nullopt : std::optional<double>(*std::prev(it));
}
