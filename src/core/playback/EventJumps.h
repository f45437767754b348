#pragma once

#include <QList>

#include <optional>

// The driving events of the recording being played, as times to jump to:
// the next one after the play time, or the one before.
class EventJumps
{
public:
    // Seconds from the recording's start, in any order.
    void setEvents(QList<double> seconds);
    const QList<double> &times() const { return m_times; }

    std::optional<double> next(double now) const;
    // An event just passed counts as the current one: the one before it is
    // the previous.
    std::optional<double> previous(double now) const;

private:
    QList<double> m_times;
};
