#pragma once

#include <QStringList>

class CliOutput;

// torva card [ROOT]: the camera on a memory card, as JSON. torva card format
// ROOT [--yes]: formats the card in place, after asking on the terminal.
class CardCommand
{
public:
    static int run(const QStringList &args, CliOutput &output);
    static const char *usage();
};
