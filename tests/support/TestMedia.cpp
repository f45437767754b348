#include "TestMedia.h"

#include "core/video/Utils.h"

#include <QDebug>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QStringList kFront = {"-f", "lavfi", "-i", "testsrc2=size=320x180:rate=30"};
const QStringList kRear = {"-f", "lavfi", "-i", "smptebars=size=160x90:rate=30"};
const QStringList kSound = {"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=22050"};
const QStringList kH264 = {"-c:v",     "libx264", "-preset", "ultrafast",
                           "-pix_fmt", "yuv420p", "-g",      "30"};

} // namespace

bool TestMedia::ffmpeg(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(Utils::GetFFMPEGPath(), QStringList{"-nostdin", "-y", "-v", "error"} + arguments);
    const bool ok = process.waitForFinished(60000) &&
                    process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ok)
        qWarning().noquote() << "test media: ffmpeg" << arguments.join(' ')
                             << "failed:" << process.readAll();
    return ok;
}

bool TestMedia::dualCameraAvi(const QString &path, bool withAudio)
{
    QStringList arguments = kFront + kRear;
    QStringList maps = {"-map", "0:v", "-map", "1:v"};
    if (withAudio) {
        arguments += kSound;
        maps += QStringList{"-map", "2:a", "-c:a", "pcm_s16le"};
    }
    return ffmpeg(arguments + QStringList{"-t", "2"} + maps + kH264 + QStringList{path});
}

bool TestMedia::singleCameraAvi(const QString &path, const QString &codec)
{
    const QStringList video =
        codec == QLatin1String("libx264") ? kH264 : QStringList{"-c:v", codec};
    return ffmpeg(kFront + kSound +
                  QStringList{"-t", "1", "-map", "0:v", "-map", "1:a", "-c:a", "pcm_s16le"} +
                  video + QStringList{path});
}

bool TestMedia::soundOnlyAvi(const QString &path)
{
    return ffmpeg(kSound + QStringList{"-t", "1", "-c:a", "pcm_s16le", path});
}

bool TestMedia::mp4WithSubtitles(const QString &path, const QByteArray &srt, const QString &size,
                                 int seconds)
{
    const QString srtPath = path + QStringLiteral(".input.srt");
    QFile srtFile(srtPath);
    if (!srtFile.open(QIODevice::WriteOnly) || srtFile.write(srt) != srt.size())
        return false;
    srtFile.close();
    const bool ok =
        ffmpeg(QStringList{"-f", "lavfi", "-i", "testsrc2=size=" + size + ":rate=30"} + kSound +
               QStringList{"-i", srtPath, "-t", QString::number(seconds), "-map", "0:v", "-map",
                           "1:a", "-map", "2:s", "-c:a", "aac", "-c:s", "mov_text"} +
               kH264 + QStringList{path});
    QFile::remove(srtPath);
    return ok;
}

bool TestMedia::repeated(const QString &source, const QString &path, int times)
{
    return ffmpeg({"-stream_loop", QString::number(times - 1), "-i", source, "-map", "0", "-c",
                   "copy", path});
}

QStringList TestMedia::streams(const QString &path)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("ffprobe")),
                  {"-v", "error", "-show_entries", "stream=codec_name,codec_type,width,height",
                   "-of", "csv=p=0", path});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}
