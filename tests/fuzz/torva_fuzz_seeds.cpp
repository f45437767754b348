// Writes the seed corpora of the fuzz targets from the program's own writers
// (the demo drive, the telemetry appender, the settings defaults) and ffmpeg's
// test pictures. The output is committed under tests/fuzz/seeds; to make it
// again (ffmpeg on PATH):
//
//   cmake --build build-fuzz --target torva_fuzz_seeds
//   build-fuzz/tests/fuzz/torva_fuzz_seeds tests/fuzz/seeds
//
// (build-fuzz configured as scripts/test does).
// Files already there that it does not write (regression-*.bin above all) are
// left alone.

#include "core/settings/P820SettingManager.h"
#include "core/settings/QMVSettingManager.h"
#include "core/settings/SetupCfgIdentity.h"
#include "core/telemetry/AviTelemetryAppender.h"
#include "core/telemetry/DemoDrive.h"
#include "core/telemetry/SrtText.h"
#include "core/video/FfmpegLocator.h"

#include "RiffBuilder.h"
#include "SetupCfgBuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QString g_root;

void fail(const QString &message)
{
    std::fprintf(stderr, "torva_fuzz_seeds: %s\n", qPrintable(message));
    std::exit(1);
}

void writeSeed(const char *target, const char *name, const QByteArray &bytes)
{
    const QDir folder(QDir(g_root).filePath(QLatin1String(target)));
    if (!folder.mkpath(QStringLiteral(".")))
        fail(QStringLiteral("cannot create %1").arg(folder.path()));
    QFile file(folder.filePath(QLatin1String(name)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(file.fileName()));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    return file.readAll();
}

// One 16x16 test picture, as small a real recording as ffmpeg makes.
QString tinyRecording(const QTemporaryDir &scratch, const QString &name)
{
    const QString path = scratch.filePath(name);
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedChannels);
    ffmpeg.start(FfmpegLocator::ffmpegPath(), {"-nostdin",
                                               "-y",
                                               "-v",
                                               "error",
                                               "-f",
                                               "lavfi",
                                               "-i",
                                               "testsrc=size=16x16:rate=1",
                                               "-frames:v",
                                               "1",
                                               "-c:v",
                                               "libx264",
                                               "-preset",
                                               "ultrafast",
                                               "-pix_fmt",
                                               "yuv420p",
                                               "-fflags",
                                               "+bitexact",
                                               "-map_metadata",
                                               "-1",
                                               path});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitStatus() != QProcess::NormalExit ||
        ffmpeg.exitCode() != 0)
        fail(QStringLiteral("ffmpeg could not write %1").arg(path));
    return path;
}

DemoDrive drive(int firstSecond, int seconds, bool parked = false)
{
    DemoDrive::Options options;
    options.firstSecond = firstSecond;
    options.seconds = seconds;
    options.secondsWithoutFix = 1;
    options.parked = parked;
    return DemoDrive(options);
}

QByteArray textChunks(const std::vector<QByteArray> &records)
{
    QByteArray chunks;
    for (const QByteArray &record : records)
        chunks += RiffBuilder::text(record);
    return chunks;
}

void writeAviSeeds(const QTemporaryDir &scratch)
{
    // The first second has no fix, the second one has.
    const std::vector<QByteArray> records = drive(0, 2).aviRecords();
    writeSeed("fuzz_avi_reader", "demo_drive.avi",
              RiffBuilder::avi(RiffBuilder::list("movi", textChunks(records))));

    // Second markers between the seconds, a "03tx" chunk and a chunk that
    // claims more than the file holds.
    QByteArray marked;
    for (const QByteArray &record : drive(5, 1).aviRecords()) {
        marked += RiffBuilder::text(record);
        if (record.startsWith('$'))
            marked += RiffBuilder::text("T");
    }
    marked += RiffBuilder::chunk("03tx", RiffBuilder::accelerationRecord(120, 130, 0));
    marked += RiffBuilder::chunkWithSize("02tx", 4000, "M\1\1\1");
    writeSeed("fuzz_avi_reader", "markers.avi",
              RiffBuilder::avi(RiffBuilder::list("hdrl", RiffBuilder::chunk("avih", {})) +
                               RiffBuilder::list("movi", marked)));

    QByteArray compact;
    for (int i = 0; i < 12; ++i)
        compact += RiffBuilder::text(
            RiffBuilder::compactAccelerationRecord(uint8_t(128 + i), uint8_t(128 - i), 141));
    compact += RiffBuilder::text(drive(8, 1).aviRecords().back());
    writeSeed("fuzz_avi_reader", "compact.avi",
              RiffBuilder::avi(RiffBuilder::list("movi", compact)));

    const QString avi = tinyRecording(scratch, QStringLiteral("tiny.avi"));
    if (!AviTelemetryAppender::append(avi, drive(3, 1).aviRecords()))
        fail(QStringLiteral("cannot add telemetry to %1").arg(avi));
    writeSeed("fuzz_avi_reader", "recording.avi", readAll(avi));
}

// The records of an SRT text (the lines after each time line, split at ";"),
// as the P820 writes them after "02tx" tags into its MP4 files.
QByteArray mp4Tags(const QByteArray &srt)
{
    QByteArray tags;
    for (const QByteArray &cue : srt.split('\n')) {
        if (cue.isEmpty() || cue.contains("-->") || (cue.front() >= '0' && cue.front() <= '9'))
            continue;
        for (const QByteArray &record : cue.split(';'))
            tags += "02tx\x01" + QByteArray(2, '\0') + record + QByteArray(1, '\0');
    }
    return tags;
}

void writeMp4Seeds(const QTemporaryDir &scratch)
{
    // The first byte picks the scan's block size (1 + byte % 37).
    const QByteArray recording = readAll(tinyRecording(scratch, QStringLiteral("tiny.mp4")));
    writeSeed("fuzz_mp4_scanner", "recording.mp4",
              '\x24' + recording + mp4Tags(drive(0, 1).srtText()));
    writeSeed("fuzz_mp4_scanner", "tags.bin", '\x03' + mp4Tags(drive(4, 2).srtText()));
}

void writeSrtSeeds()
{
    const QByteArray moving = drive(0, 2).srtText();
    const QByteArray parked = drive(0, 1, true).srtText();
    // The older records: plain "gsensor", "CAR" repeats and a GNRMC fix of
    // its own.
    const QByteArray older =
        SrtText::cue(1, 0, 100, "gsensor,12,-30,1021") + SrtText::cue(2, 100, 200, "CAR,0,0,0") +
        SrtText::cue(3, 200, 300,
                     DemoDrive::rmcSentence(QDateTime(QDate(2026, 5, 14), QTime(8, 30), Qt::UTC),
                                            true, 37.5665, 126.978, 21.6, 40.0)
                         .mid(1)
                         .replace("GPRMC", "GNRMC"));
    for (const char *target : {"fuzz_srt_reader", "fuzz_subtitle_data"}) {
        writeSeed(target, "demo_drive.srt", moving);
        writeSeed(target, "parked.srt", parked);
        writeSeed(target, "older_records.srt", older);
    }
}

void writeTailSeeds()
{
    writeSeed("fuzz_tail_reader", "demo_drive.bin", drive(0, 2).tailBlock());
    QByteArray crlf = drive(6, 1, true).tailBlock();
    writeSeed("fuzz_tail_reader", "parked_crlf.bin", crlf.replace("\n", "\r\n"));
}

QByteArray defaultRecord(qint64 modelType, const QString &version)
{
    P820SettingManager settings;
    settings.setModelType(modelType);
    settings.loadDefaultValue();
    settings.setVersion(version);
    settings.setFirmwareVersionInt(SetupCfgIdentity::firmwareVersionInt(version));
    return settings.record().bytes(settings.getSettingVariableCount());
}

void writeSettingsSeeds()
{
    // Model types 0 (R410), 1 (P820), 3 (V580) and 5 (P940).
    const QByteArray r410 = defaultRecord(0, QStringLiteral("1.0.3"));
    const QByteArray p820 = defaultRecord(1, QStringLiteral("1.0.17"));
    const QByteArray v580 = defaultRecord(3, QStringLiteral("2.1.18"));
    const QByteArray p940 = defaultRecord(5, QStringLiteral("1.2.5"));

    // The first byte is the number of fields to read.
    writeSeed("fuzz_settings_record", "p820.bin", char(SettingRecordLayout::kFieldCount) + p820);
    writeSeed("fuzz_settings_record", "p940.bin", char(SettingRecordLayout::kFieldCount) + p940);
    writeSeed("fuzz_settings_record", "r410_cut.bin", char(20) + r410.left(70));

    writeSeed("fuzz_model_type", "r410.cfg", r410);
    writeSeed("fuzz_model_type", "v580.cfg", v580);
    const int length = SettingRecordLayout::kMaxRecordBytes;
    writeSeed("fuzz_model_type", "self_describing.cfg",
              SetupCfgBuilder(length)
                  .selfDescribing()
                  .productName("J420")
                  .version("1.0.31")
                  .localID(3)
                  .bytes());
    writeSeed("fuzz_model_type", "cut.cfg", p820.left(SettingRecordLayout::byteSize(3)));
}

void writeBlackboxSeeds()
{
    QMVSettingManager manager;
    if (!manager.loadDefaultData_V120())
        fail(QStringLiteral("no default blackbox.cfg in the build"));
    manager.removeTimeDateDelimiters();
    manager.addTimeDateDelimiters(
        QMVSettingManager::timeDateLines(QDateTime(QDate(2026, 5, 14), QTime(8, 30, 5), Qt::UTC)));
    manager.replaceValue(QStringLiteral("version"), QStringLiteral("1.0.9"));
    writeSeed("fuzz_blackbox_cfg", "clock_set.cfg",
              QMVSettingManager::bytesFromLines(manager.linedSettings()));
}

void writeVerDatSeeds()
{
    // The firmware's language list as the demo card writes it, and one with
    // CR LF lines, tabs and a second list.
    writeSeed("fuzz_ver_dat", "demo.dat",
              "# Firmware languages\n#  Language ISO Code:en fr es ja pt\n");
    writeSeed("fuzz_ver_dat", "two_lists.dat",
              "# Version: 1.0.17\r\n#\tLanguage ISO Code:en\tko  de\r\n"
              "# Language ISO Code: zh ru \r\n");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: torva_fuzz_seeds SEED_FOLDER\n");
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        fail(QStringLiteral("no temporary folder"));
    writeAviSeeds(scratch);
    writeMp4Seeds(scratch);
    writeSrtSeeds();
    writeTailSeeds();
    writeSettingsSeeds();
    writeBlackboxSeeds();
    writeVerDatSeeds();
    return 0;
}
