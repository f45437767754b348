#include "TestMedia.h"

#include "core/video/Utils.h"

#include <QDebug>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTime>

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

bool TestMedia::dualCameraAvi(const QString &path, bool withAudio, const QString &frontCodec)
{
    QStringList arguments = kFront + kRear;
    QStringList video = kH264;
    if (frontCodec != QLatin1String("libx264"))
        video += QStringList{"-c:v:0", frontCodec};
    QStringList maps = {"-map", "0:v", "-map", "1:v"};
    if (withAudio) {
        arguments += kSound;
        maps += QStringList{"-map", "2:a", "-c:a", "pcm_s16le"};
    }
    return ffmpeg(arguments + QStringList{"-t", "2"} + maps + video + QStringList{path});
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

QByteArray TestMedia::ffprobe(const QStringList &arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("ffprobe")),
                  QStringList{"-v", "error"} + arguments);
    process.waitForFinished(30000);
    return process.readAllStandardOutput();
}

QStringList TestMedia::streams(const QString &path)
{
    return QString::fromUtf8(ffprobe({"-show_entries", "stream=codec_name,codec_type,width,height",
                                      "-of", "csv=p=0", path}))
        .split('\n', Qt::SkipEmptyParts);
}

double TestMedia::videoDuration(const QString &path)
{
    // Matroska keeps it in a tag only, which counts from 0 rather than from
    // the stream's start.
    const QList<QByteArray> lines =
        ffprobe({"-select_streams", "v:0", "-show_entries",
                 "stream=start_time,duration:stream_tags=DURATION", "-of", "default=nw=1", path})
            .split('\n');
    double start = 0.0;
    for (const QByteArray &line : lines) {
        const QByteArray key = line.left(line.indexOf('='));
        const QByteArray value = line.mid(key.size() + 1).trimmed();
        bool ok = false;
        const double seconds = value.toDouble(&ok);
        const QTime clock = QTime::fromString(QString::fromLatin1(value.left(12)), "HH:mm:ss.zzz");
        if (key == "start_time" && ok)
            start = seconds;
        else if (key == "duration" && ok)
            return seconds;
        else if (key == "TAG:DURATION" && clock.isValid())
            return clock.msecsSinceStartOfDay() / 1000.0 - start;
    }
    return -1.0;
}

QByteArray TestMedia::greyFrame(const QString &path, double seconds)
{
    QProcess process;
    process.start(Utils::GetFFMPEGPath(),
                  {"-nostdin", "-v", "error", "-ss", QString::number(seconds), "-i", path,
                   "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "gray", "-"});
    process.waitForFinished(30000);
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}
