#pragma once

#include <QString>

// Finds the ffmpeg program: next to our own executable first, else on PATH.
class FfmpegLocator
{
public:
    // Empty when there is none.
    static QString ffmpegPath();
};
