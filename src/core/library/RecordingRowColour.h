#pragma once

#include <QUrl>

// The text colour of a recording's row, by the folder that directly holds
// it: saved copies stand out in magenta, the manual recordings that the
// option and SOS buttons make in yellow.
class RecordingRowColour
{
public:
    enum class Colour
    {
        Normal, // the platform's alternate selected control text colour
        Saved,  // magenta
        Manual, // yellow
    };

    static Colour colourFor(const QUrl &recording);
};
