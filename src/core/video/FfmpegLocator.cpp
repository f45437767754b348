#include "core/video/FfmpegLocator.h"

#include <QCoreApplication>
#include <QStandardPaths>

QString FfmpegLocator::ffmpegPath()
{
    const QString name = QStringLiteral("ffmpeg");
    if (QCoreApplication::instance()) {
        const QString beside =
            QStandardPaths::findExecutable(name, {QCoreApplication::applicationDirPath()});
        if (!beside.isEmpty())
            return beside;
    }
    return QStandardPaths::findExecutable(name);
}
