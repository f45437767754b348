#include "core/playback/ClipMarks.h"

#include <algorithm>

void ClipMarks::markIn(double seconds)
{
    m_in = std::max(0.0, seconds);
    if (m_out && *m_out <= *m_in)
        m_out.reset();
}

void ClipMarks::markOut(double seconds)
{
    m_out = std::max(0.0, seconds);
    if (m_in && *m_in >= *m_out)
        m_in.reset();
}

void ClipMarks::clear()
{
    m_in.reset();
    m_out.reset();
}

std::pair<double, double> ClipMarks::range(double duration) const
{
    const double end = std::max(0.0, duration);
    return {std::min(m_in.value_or(0.0), end), std::min(m_out.value_or(end), end)};
}
