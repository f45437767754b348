#include "library/DemoCardWriter.h"

#include "telemetry/AviTelemetryAppender.h"
#include "telemetry/DemoDrive.h"
#include "video/FfmpegLocator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

DemoCardWriter::Result DemoCardWriter::writeDualCameraAvi(const QString &path, int seconds)
{
    Result result;
    const QString ffmpeg = FfmpegLocator::ffmpegPath();
    if (ffmpeg.isEmpty()) {
        result.error = QStringLiteral("ffmpeg was not found next to the program or on PATH");
        return result;
    }
    const QString duration = QString::number(seconds);
    // Written under a temporary name first, so that a failed run leaves no
    // recording behind.
    const QString partial = path + QStringLiteral(".part.avi");
    const QStringList arguments = {"-nostdin",
                                   "-y",
                                   "-v",
                                   "error",
                                   "-f",
                                   "lavfi",
                                   "-i",
                                   "testsrc=size=640x360:rate=30:duration=" + duration,
                                   "-f",
                                   "lavfi",
                                   "-i",
                                   "testsrc2=size=640x360:rate=30:duration=" + duration,
                                   "-f",
                                   "lavfi",
                                   "-i",
                                   "sine=frequency=440:sample_rate=22050:duration=" + duration,
                                   "-map",
                                   "0:v",
                                   "-map",
                                   "1:v",
                                   "-map",
                                   "2:a",
                                   "-c:v",
                                   "libx264",
                                   "-preset",
                                   "ultrafast",
                                   "-pix_fmt",
                                   "yuv420p",
                                   "-g",
                                   "30",
                                   "-c:a",
                                   "pcm_s16le",
                                   QFileInfo(partial).absoluteFilePath()};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ffmpeg, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        result.error = QStringLiteral("ffmpeg failed: %1")
                           .arg(QString::fromLocal8Bit(process.readAll()).trimmed());
        QFile::remove(partial);
        return result;
    }
    DemoDrive::Options drive;
    drive.seconds = seconds;
    if (!AviTelemetryAppender::append(partial, DemoDrive(drive).aviRecords())) {
        result.error = QStringLiteral("cannot add telemetry to %1").arg(partial);
        QFile::remove(partial);
        return result;
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        result.error = QStringLiteral("cannot write %1").arg(path);
        QFile::remove(partial);
        return result;
    }
    result.ok = true;
    result.recordings.append(QFileInfo(path).absoluteFilePath());
    return result;
}

DemoCardWriter::Result DemoCardWriter::write(const QString &root)
{
    const QDir card(root);
    if (!card.mkpath(QStringLiteral("cont_rec")))
        return Result{
            false,
            QStringLiteral("cannot create %1").arg(card.filePath(QStringLiteral("cont_rec"))),
            {}};
    return writeDualCameraAvi(card.filePath(QStringLiteral("cont_rec/REC_20260514_083000.avi")),
                              20);
}
