#pragma once

#include <QString>
#include <QStringList>

class CliOutput;

// A recording made playable through the transcoder cache as the viewer does
// it (VideoConversion), with a progress line on a terminal. The caller holds
// the cache (ConversionCache) meanwhile.
class CachedConversion
{
public:
    struct Outcome
    {
        int code = 0;      // a CliOutput exit code; the user has been told why when not kOk
        QStringList files; // the playable files, front camera first
    };

    static Outcome run(const QString &file, CliOutput &output);
};
