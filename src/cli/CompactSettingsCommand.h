#pragma once

#include <QString>
#include <QStringList>

class CliOutput;
class QMVSettingManager;

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

    // The card's own lines into manager; prints why not and returns false.
    static bool loadCardLines(QMVSettingManager &manager, const QString &root, CliOutput &output);
    // Writes the manager's lines to the card and says so; the memory card
    // alert when it cannot.
    static int save(const QMVSettingManager &manager, const QString &root, CliOutput &output);
};
