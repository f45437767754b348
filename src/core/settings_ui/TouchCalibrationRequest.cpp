#include "core/settings_ui/TouchCalibrationRequest.h"

#include <QDir>

QString TouchCalibrationRequest::path(const QString &root)
{
    return QDir(root).filePath(QStringLiteral("Set_touch_cal.txt"));
}

FileIO::WriteResult TouchCalibrationRequest::write(const QString &root)
{
    return FileIO::saveToFile(path(root), QByteArray());
}
