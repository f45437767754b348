#pragma once

#include <QStringList>

class CliOutput;

// torva convert FILE: prints the playable files of a recording, front camera
// first, one per line, converting into the transcoder cache when needed.
class ConvertCommand
{
public:
    static int run(const QStringList &args, CliOutput &output);
    static const char *usage();
};
