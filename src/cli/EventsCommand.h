#pragma once

#include <QStringList>

class CliOutput;

// torva events FILE|DIR [--json]
// The driving events of a recording, or of every recording of a card folder
// (a front/rear pair once), in time order: one tab-separated line each, or a
// JSON list of {"file","time","kind","peak_g"}.
class EventsCommand
{
public:
    static int run(const QStringList &args, CliOutput &output);
    static const char *usage();
};
