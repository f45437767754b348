#pragma once

#include <QString>
#include <QStringList>

class CliOutput;

// The settings actions for the compact model, whose settings are the
// key=value lines of "SETTING/blackbox.cfg".
class CompactSettingsCommand
{
public:
    // The card's lines as one JSON object, key (without "=") to value.
    static int show(const QString &root, CliOutput &output);
    // KEY=VALUE replaces the first line of that key; every key must exist.
    static int set(const QString &root, const QStringList &assignments, CliOutput &output);
    // The program's default lines, keeping the camera's model and version.
    static int writeDefaults(const QString &root, CliOutput &output);
};
