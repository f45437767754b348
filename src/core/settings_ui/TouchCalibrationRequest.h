#pragma once

#include "core/io/FileIO.h"

#include <QString>

// An empty "Set_touch_cal.txt" at the card's root asks the camera to reset
// its touch screen calibration when it next starts.
class TouchCalibrationRequest
{
public:
    static QString path(const QString &root);
    static FileIO::WriteResult write(const QString &root);
};
