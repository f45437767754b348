#pragma once

#include <QStringList>

class CliOutput;

// torva demo-card DIR
class DemoCardCommand
{
public:
    static int run(const QStringList &args, CliOutput &output);
    static const char *usage();
};
