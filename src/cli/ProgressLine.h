#pragma once

#include <QString>

#include <functional>

// A line on a terminal's standard error that shows how far a long task has
// got ("converting NAME: 42%"); nothing when standard error is a file or a
// pipe.
class ProgressLine
{
public:
    // Shows the fraction after the task's description; empty when there is
    // no terminal.
    static std::function<void(double fraction)> shower(const QString &task);
    static void clear();
};
