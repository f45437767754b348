#pragma once

#include <optional>
#include <utility>

// The In and Out marks of the range to export from the recording being
// played, in seconds. Either may be missing; the range then runs from the
// start or to the end. In always lies before Out: a mark set past the other
// one clears it.
class ClipMarks
{
public:
    void markIn(double seconds);
    void markOut(double seconds);
    void clear();

    std::optional<double> in() const { return m_in; }
    std::optional<double> out() const { return m_out; }
    bool isEmpty() const { return !m_in && !m_out; }

    // The range a recording of that duration exports: In (else the start)
    // to Out (else the end), within the recording.
    std::pair<double, double> range(double duration) const;

private:
    std::optional<double> m_in;
    std::optional<double> m_out;
};
