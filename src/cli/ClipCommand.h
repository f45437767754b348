#pragma once

#include <QStringList>

class CliOutput;

// torva clip FILE --from S --to S [--composed [--layout side|pip]
// [--overlay]] -o OUT: exports a range of a recording as the viewer does
// (ClipExport) and prints the files written, one per line.
class ClipCommand
{
public:
    static int run(const QStringList &args, CliOutput &output);
    static const char *usage();
};
