#pragma once

#include <QDateTime>
#include <QStringList>

#include <optional>

class CliOutput;

// torva settings menu|choose for the compact model: its settings as the
// compact editor shows them, and changed through its controls as the editor
// changes them, OK included.
class CompactSettingsMenuCommand
{
public:
    static int menu(const QString &root, bool json, CliOutput &output);
    // NAME=VALUE sets the control named by its field or its section's id.
    // clock is the camera's new date and time, which set=1 needs and which
    // goes with set=1 only.
    static int choose(const QString &root, const QStringList &assignments,
                      const std::optional<QDateTime> &clock, CliOutput &output);
};
