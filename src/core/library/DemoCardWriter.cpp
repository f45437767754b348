#include "core/library/DemoCardWriter.h"

#include "core/io/FileIO.h"
#include "core/settings/P820SettingManager.h"
#include "core/telemetry/AviTelemetryAppender.h"
#include "core/telemetry/DemoDrive.h"
#include "core/video/FfmpegLocator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr int kP820ModelType = 1;

using Kind = DemoCardWriter::Kind;

struct Recording
{
    const char *path;
    Kind kind;
    int firstSecond;
    int seconds;
    bool parked;
    const char *picture; // ffmpeg test source
};

const Recording kRecordings[] = {
    {"cont_rec/REC_20260514_083000.avi", Kind::DualCameraAvi, 0, 30, false, "testsrc"},
    {"cont_rec/REC_20260514_083030.avi", Kind::DualCameraAvi, 30, 20, false, "testsrc"},
    // The third recording of the drive, braking hard at a light after 7 s.
    {"cont_rec/REC_20260514_083050.avi", Kind::DualCameraAvi, 50, 30, false, "testsrc"},
    {"evt_rec/EVT_20260514_083050_F.mp4", Kind::Mp4WithSubtitles, 50, 20, false, "testsrc"},
    {"evt_rec/EVT_20260514_083050_R.mp4", Kind::Mp4WithSubtitles, 50, 20, false, "testsrc2"},
    {"manual_rec/MANUAL_20260514_083110.mp4", Kind::Mp4WithTailBlock, 70, 10, false, "testsrc"},
    {"sos_rec/SOS_20260514_083120.avi", Kind::SingleCameraAvi, 80, 8, false, "testsrc"},
    {"parking_rec/PARK_20260514_090000.avi", Kind::DualCameraAvi, 0, 8, true, "testsrc"},
    {"motion_timelapse_rec/MOTION_20260514_091000.avi", Kind::SingleCameraAvi, 0, 8, true,
     "testsrc2"},
    {"Saved_Videos/REC_20260514_083010.avi", Kind::DualCameraAvi, 10, 10, false, "testsrc"},
};

QString testPicture(const char *source, int seconds)
{
    return QStringLiteral("%1=size=640x360:rate=30:duration=%2")
        .arg(QLatin1String(source))
        .arg(seconds);
}

// Runs ffmpeg into a temporary name beside the target, so that a failed run
// leaves no recording behind.
QString runFfmpeg(const QStringList &inputs, const QStringList &encoding, const QString &target)
{
    const QString ffmpeg = FfmpegLocator::ffmpegPath();
    if (ffmpeg.isEmpty())
        return QStringLiteral("ffmpeg was not found next to the program or on PATH");
    const QString partial = target + QStringLiteral(".part.") + QFileInfo(target).suffix();
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ffmpeg, QStringList{"-nostdin", "-y", "-v", "error"} + inputs + encoding +
                              QStringList{"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt",
                                          "yuv420p", "-g", "30", partial});
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        QFile::remove(partial);
        return QStringLiteral("ffmpeg failed: %1")
            .arg(QString::fromLocal8Bit(process.readAll()).trimmed());
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return QStringLiteral("cannot write %1").arg(target);
    }
    return {};
}

QString writeOne(const Recording &recording, const QString &target, const QTemporaryDir &scratch)
{
    DemoDrive::Options options;
    options.firstSecond = recording.firstSecond;
    options.seconds = recording.seconds;
    options.parked = recording.parked;
    const DemoDrive drive(options);
    const QStringList front = {"-f", "lavfi", "-i",
                               testPicture(recording.picture, recording.seconds)};
    const QStringList sound = {
        "-f", "lavfi", "-i",
        QStringLiteral("sine=frequency=440:sample_rate=22050:duration=%1").arg(recording.seconds)};

    switch (recording.kind) {
    case Kind::DualCameraAvi:
    case Kind::SingleCameraAvi: {
        const bool dual = recording.kind == Kind::DualCameraAvi;
        const QStringList rear = {"-f", "lavfi", "-i", testPicture("testsrc2", recording.seconds)};
        const QStringList maps = dual ? QStringList{"-map", "0:v", "-map", "1:v", "-map", "2:a"}
                                      : QStringList{"-map", "0:v", "-map", "1:a"};
        if (QString error = runFfmpeg(front + (dual ? rear : QStringList()) + sound,
                                      maps + QStringList{"-c:a", "pcm_s16le"}, target);
            !error.isEmpty())
            return error;
        if (!AviTelemetryAppender::append(target, drive.aviRecords())) {
            QFile::remove(target);
            return QStringLiteral("cannot add telemetry to %1").arg(target);
        }
        return {};
    }
    case Kind::Mp4WithSubtitles: {
        const QString srt =
            scratch.filePath(QFileInfo(target).completeBaseName() + QStringLiteral(".srt"));
        if (!FileIO::saveToFile(srt, drive.srtText()).ok())
            return QStringLiteral("cannot write %1").arg(srt);
        return runFfmpeg(
            front + sound + QStringList{"-i", srt},
            {"-map", "0:v", "-map", "1:a", "-map", "2:s", "-c:a", "aac", "-c:s", "mov_text"},
            target);
    }
    case Kind::Mp4WithTailBlock: {
        if (QString error =
                runFfmpeg(front + sound, {"-map", "0:v", "-map", "1:a", "-c:a", "aac"}, target);
            !error.isEmpty())
            return error;
        QFile file(target);
        const QByteArray block = drive.tailBlock();
        if (!file.open(QIODevice::Append) || file.write(block) != block.size()) {
            file.remove();
            return QStringLiteral("cannot add telemetry to %1").arg(target);
        }
        return {};
    }
    }
    return {};
}

// The camera's identity and settings: a P820 record with its factory values
// and the firmware's language list.
QString writeSettings(const QString &root)
{
    P820SettingManager settings;
    settings.setSettingDirPath(root);
    settings.setModelType(kP820ModelType);
    settings.loadDefaultDataForP820();
    settings.setVersion(QStringLiteral("1.0.17"));
    if (!settings.saveData())
        return QStringLiteral("cannot write the settings into %1")
            .arg(QDir(root).filePath(QStringLiteral("SETTING")));
    const QString languages = QDir(root).filePath(QStringLiteral("SETTING/lang/ver.dat"));
    if (!FileIO::saveToFile(languages,
                            "# Firmware languages\n#  Language ISO Code:en fr es ja pt\n")
             .ok())
        return QStringLiteral("cannot write %1").arg(languages);
    return {};
}

} // namespace

DemoCardWriter::Result DemoCardWriter::write(const QString &root)
{
    Result result;
    const QDir card(root);
    if (!card.mkpath(QStringLiteral("."))) {
        result.error = QStringLiteral("cannot create %1").arg(root);
        return result;
    }
    if (result.error = writeSettings(card.absolutePath()); !result.error.isEmpty())
        return result;
    QTemporaryDir scratch;
    for (const Recording &recording : kRecordings) {
        const QString target = card.absoluteFilePath(QLatin1String(recording.path));
        if (!card.mkpath(QFileInfo(target).path())) {
            result.error = QStringLiteral("cannot create %1").arg(QFileInfo(target).path());
            return result;
        }
        if (result.error = writeOne(recording, target, scratch); !result.error.isEmpty())
            return result;
        result.recordings.append(target);
    }
    result.ok = true;
    return result;
}

QString DemoCardWriter::writeRecording(Kind kind, const QString &target, int seconds)
{
    const QTemporaryDir scratch;
    return writeOne(Recording{"", kind, 0, seconds, false, "testsrc"}, target, scratch);
}
