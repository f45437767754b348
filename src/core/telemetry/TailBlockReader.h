#pragma once

#include <cstdint>

class QIODevice;
class TorvaClipData;

// Reads the text block of samples that some recordings carry at their end
// after the marker "WQZKM7": one line "n,lat,lng,speed,x,y,z" per sample.
class TailBlockReader
{
public:
    // Returns the number of samples stored (at most 650). A device shorter
    // than 6 bytes gives 0 and leaves the track as it was; text that is not
    // UTF-8 stores nothing and sets gpsDataCount to 0.
    static int32_t read(QIODevice &device, TorvaClipData &track);

    static constexpr int64_t kSearchWindow = 33006;
    // A sample line is a few dozen bytes; a longer line is not one.
    static constexpr int64_t kMaxLineBytes = int64_t(64) << 10;
};
