#pragma once

#include <QUrl>

// Class operations shared across the program.
class Utils
{
public:
    // Whether the URL lies on a local, removable volume (a memory card).
    static bool isEXteranlMemoryWithURL(const QUrl &url);
};
