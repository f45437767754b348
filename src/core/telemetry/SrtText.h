#pragma once

#include <QByteArray>

#include <cstdint>

// The pieces of an SRT subtitle text: numbered blocks with a time range.
class SrtText
{
public:
    // "HH:MM:SS,mmm"; a negative time counts as 0.
    static QByteArray time(int64_t milliseconds);
    // "number\nstart --> end\ntext\n\n".
    static QByteArray cue(int number, int64_t startMilliseconds, int64_t endMilliseconds,
                          const QByteArray &text);
};
