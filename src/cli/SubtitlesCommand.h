#pragma once

#include <QStringList>

class CliOutput;

// torva subtitles FILE.srt [--at INDEX]
class SubtitlesCommand
{
public:
    static int run(const QStringList &args, CliOutput &output);
    static const char *usage();
};
