#pragma once

#include <QStringList>

class CliOutput;

// The torva command line: the first argument names the command.
class TorvaCli
{
public:
    // args[0] is the program itself.
    static int run(const QStringList &args);
    static int run(const QStringList &args, CliOutput &output);
};
