#pragma once

#include <optional>

class QIODevice;
class QString;

// The length of an AVI recording from its main header ("avih": microseconds
// per frame times the frame count), which the cameras write as the first
// chunk of the leading "hdrl" list. Only those first bytes are read.
class AviDuration
{
public:
    // Seconds; nothing when the device does not begin with that header or
    // the header gives no length.
    static std::optional<double> read(QIODevice &device);
    static std::optional<double> readFile(const QString &path);
};
