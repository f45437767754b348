#pragma once

#include <QStringList>

class CliOutput;

// torva list DIR [--filter all|continuous|motion|event|manual] [--swapped]
// One line per table row: the recording's path, its colour class and the file
// the large view shows for it, separated by tabs.
class ListCommand
{
public:
    static int run(const QStringList &args, CliOutput &output);
    static const char *usage();
};
