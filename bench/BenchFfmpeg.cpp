#include "BenchFfmpeg.h"

#include "core/video/FfmpegLocator.h"

#include <QProcess>

bool BenchFfmpeg::run(const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start(FfmpegLocator::ffmpegPath(),
                 QStringList{"-nostdin", "-v", "error", "-y"} + arguments);
    return ffmpeg.waitForFinished(-1) && ffmpeg.exitStatus() == QProcess::NormalExit &&
           ffmpeg.exitCode() == 0;
}
