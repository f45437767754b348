#pragma once

#include <QDateTime>
#include <QString>

// When a recording began, as the cameras write it into the file name:
// "yyyyMMdd_HHmmss" ("REC_20260514_083000.avi", "EVT_20260514_083050_F.mp4"),
// on the camera's clock, taken as local time.
class RecordingStartTime
{
public:
    // Invalid when the name holds no such date and time.
    static QDateTime fromFileName(const QString &path);
};
