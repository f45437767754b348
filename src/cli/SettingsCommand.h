#pragma once

#include <QStringList>

class CliOutput;

// torva settings show|set|defaults|reset: the camera settings on a memory
// card, read and written as the settings editors do.
class SettingsCommand
{
public:
    static int run(const QStringList &args, CliOutput &output);
    static const char *usage();
};
