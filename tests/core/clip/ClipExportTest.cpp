#include "DemoRecordings.h"
#include "EmptySearchPath.h"
#include "FileBytes.h"
#include "ReadOnlyCard.h"
#include "TempFolder.h"
#include "TemporaryHome.h"
#include "TestApplication.h"
#include "TestMedia.h"

#include "core/clip/ClipExport.h"
#include "core/clip/ClipGeometry.h"
#include "core/clip/ClipOverlay.h"
#include "core/clip/ClipTelemetry.h"
#include "core/clip/ClipTelemetryFiles.h"
#include "core/i18n/TorvaLanguages.h"
#include "core/playback/RecordingTelemetry.h"
#include "core/telemetry/SubtitleData.h"
#include "core/video/Utils.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using Status = ClipExport::Result::Status;
using Mode = ClipRequest::Mode;
using Layout = ClipRequest::Layout;

constexpr double kFrameSeconds = 1.0 / 30.0;

class ClipExportTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        TestApplication::ensure();
        DemoRecordings::shared();
    }

    // The files the viewer plays for a recording.
    static QStringList playable(const QString &recording)
    {
        QStringList paths;
        const auto files = Utils::checkAndConvertVideo(QUrl::fromLocalFile(recording));
        for (const QUrl &url : files.value_or(QList<QUrl>()))
            paths.append(url.toLocalFile());
        return paths;
    }

    // A clip of the recording's playable files, or of the files given, with
    // the recording's telemetry as the viewer reads it.
    ClipRequest request(const QString &recording, double from, double to, const QString &output,
                        QStringList inputs = {}) const
    {
        ClipRequest request;
        const QStringList files = playable(recording);
        if (inputs.isEmpty())
            inputs = files;
        request.frontInput = inputs.value(0);
        request.rearInput = inputs.value(1);
        request.from = from;
        request.to = to;
        request.output = output;
        RecordingTelemetry::load(QUrl::fromLocalFile(recording), files.value(0), request.track);
        request.recordingStart = QDateTime(QDate(2026, 5, 14), QTime(8, 30), Qt::UTC);
        return request;
    }

    // Runs the export to its end; onProgress sees each progress value.
    static ClipExport::Result run(const ClipRequest &request,
                                  const std::function<void(ClipExport &, double)> &onProgress = {})
    {
        ClipExport job(request);
        QEventLoop loop;
        QObject::connect(&job, &ClipExport::finished, &loop, &QEventLoop::quit);
        if (onProgress)
            QObject::connect(&job, &ClipExport::progress, &loop,
                             [&](double fraction) { onProgress(job, fraction); });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        job.start();
        loop.exec();
        EXPECT_FALSE(job.isRunning());
        return job.result();
    }

    QString folder(const QString &name) const
    {
        QDir().mkpath(m_out.path(name));
        return m_out.path(name);
    }

    TemporaryHome m_home;
    TempFolder m_out;
};

// How many grey levels of the two pictures differ clearly inside and outside
// the rectangle; pictures of the width given.
std::pair<int, int> differences(const QByteArray &a, const QByteArray &b, int width, QRect rect)
{
    int inside = 0, outside = 0;
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (std::abs(int(quint8(a[i])) - int(quint8(b[i]))) > 48)
            ++(rect.contains(int(i % width), int(i / width)) ? inside : outside);
    }
    return {inside, outside};
}

} // namespace

TEST_F(ClipExportTest, LosslessClipsCopyEachCameraFromTheKeyFrameBeforeTheStart)
{
    const DemoRecordings &demo = DemoRecordings::shared();
    const QString h264 = "h264,video,640,360";
    const double from = 2.5, to = 4.5;
    // Key frames come every second: the cut begins at 2 s.
    const double keyFrame = std::floor(from / DemoRecordings::kKeyFrameSeconds);
    // The recording, the files cut (the viewer's when none), the output, each
    // video's streams, and where the telemetry begins. PCM sound becomes AAC
    // in MP4 only; MOV text subtitles stay in MP4, not in Matroska, where the
    // cut's start is not looked up.
    const struct
    {
        QString recording;
        QStringList inputs;
        const char *output;
        QStringList videos;
        QStringList streams;
        double start;
    } rows[] = {
        {demo.dualAvi, {}, "avi.mp4", {"avi_F.mp4", "avi_R.mp4"}, {h264, "aac,audio"}, keyFrame},
        {demo.dualAvi,
         {},
         "avi.mov",
         {"avi_F.mov", "avi_R.mov"},
         {h264, "pcm_s16le,audio"},
         keyFrame},
        {demo.frontMp4,
         {demo.frontMp4, demo.rearMp4},
         "evt.mp4",
         {"evt_F.mp4", "evt_R.mp4"},
         {h264, "aac,audio", "mov_text,subtitle,N/A,N/A"},
         keyFrame},
        {demo.frontMp4, {demo.frontMp4}, "evt.mkv", {"evt.mkv"}, {h264, "aac,audio"}, from},
        {demo.singleAvi, {}, "sos.mp4", {"sos.mp4"}, {h264, "aac,audio"}, keyFrame},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.output);
        const QString out = folder(row.output);
        const ClipRequest clip =
            request(row.recording, from, to, out + '/' + row.output, row.inputs);
        double reported = 0.0;
        const ClipExport::Result result = run(clip, [&](ClipExport &, double f) { reported = f; });
        ASSERT_EQ(result.status, Status::Done) << qPrintable(result.log);
        EXPECT_EQ(reported, 1.0);

        const QString base = QFileInfo(row.output).completeBaseName();
        QStringList names = row.videos;
        names << base + ".srt" << base + ".gpx";
        QStringList expected;
        for (const QString &name : names)
            expected << out + '/' + name;
        EXPECT_EQ(result.files, expected);
        names.sort();
        EXPECT_EQ(FileBytes::entries(out), names); // no temporary file left
        for (const QString &video : row.videos) {
            EXPECT_EQ(TestMedia::streams(out + '/' + video), row.streams) << qPrintable(video);
            const double length = TestMedia::videoDuration(out + '/' + video);
            EXPECT_NEAR(length, to - keyFrame, kFrameSeconds) << qPrintable(video);
        }
        // The telemetry is timed from where the cut begins.
        EXPECT_EQ(FileBytes::read(out + '/' + base + ".srt"),
                  ClipTelemetry::srt(clip.track, row.start, to, true));
        EXPECT_EQ(FileBytes::read(out + '/' + base + ".gpx"),
                  ClipTelemetry::gpx(clip.track, row.start, to, clip.recordingStart, base));
    }
}

TEST_F(ClipExportTest, ComposedClipsLayTheCamerasOutAndBurnTheOverlayIn)
{
    const DemoRecordings &demo = DemoRecordings::shared();
    const double from = 2.5, to = 4.5;
    const QStringList dual = playable(demo.dualAvi);
    const struct
    {
        const char *name;
        QString recording;
        QStringList inputs;
        Layout layout;
        bool overlay;
        QSize frame;
    } rows[] = {
        {"side.mp4", demo.dualAvi, {}, Layout::Side, false, {1280, 360}},
        {"pip.mp4", demo.dualAvi, {}, Layout::Pip, false, {640, 360}},
        {"front.mp4", demo.dualAvi, {dual.first()}, Layout::Pip, false, {640, 360}},
        {"overlay.mp4", demo.dualAvi, {dual.first()}, Layout::Pip, true, {640, 360}},
        {"pair.mkv", demo.frontMp4, {demo.frontMp4, demo.rearMp4}, Layout::Side, true, {1280, 360}},
        {"sos.mov", demo.singleAvi, {}, Layout::Side, false, {640, 360}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ClipRequest clip = request(row.recording, from, to, m_out.path(row.name), row.inputs);
        clip.mode = Mode::Composed;
        clip.layout = row.layout;
        clip.overlay = row.overlay;
        const ClipExport::Result result = run(clip);
        ASSERT_EQ(result.status, Status::Done) << qPrintable(result.log);
        EXPECT_EQ(result.files, QStringList{m_out.path(row.name)});
        EXPECT_EQ(
            TestMedia::streams(m_out.path(row.name)),
            QStringList(
                {QStringLiteral("h264,video,%1,%2").arg(row.frame.width()).arg(row.frame.height()),
                 "aac,audio"}));
        EXPECT_NEAR(TestMedia::videoDuration(m_out.path(row.name)), to - from,
                    kFrameSeconds + 1e-6);
    }
    EXPECT_EQ(FileBytes::entries(m_out.path()).size(), qsizetype(std::size(rows)));

    // Against the front alone, the picture in picture changes its corner and
    // nothing else; the overlay changes the picture.
    const auto frame = [this](const char *name) {
        return TestMedia::greyFrame(m_out.path(name), 1.0);
    };
    const QByteArray front = frame("front.mp4");
    ASSERT_EQ(front.size(), 640 * 360);
    const QRect corner = ClipGeometry::compose({640, 360}, QSize(640, 360), Layout::Pip).rear;
    const auto [inCorner, elsewhere] = differences(frame("pip.mp4"), front, 640, corner);
    EXPECT_GT(inCorner, corner.width() * corner.height() / 10);
    EXPECT_EQ(elsewhere, 0);
    const auto [overlaid, outside] = differences(frame("overlay.mp4"), front, 640, QRect());
    EXPECT_GT(overlaid + outside, 640 * 360 / 1000);
}

TEST_F(ClipExportTest, TheOverlayHasAnEventForEachSampleOfTheRange)
{
    ClipRequest clip = request(DemoRecordings::shared().dualAvi, 2.5, 4.5, m_out.path("c.mp4"));
    ASSERT_GT(clip.track.clipDataCount(), 45u);
    const QByteArray script = ClipTelemetryFiles::overlay(clip, {1280, 360});
    EXPECT_TRUE(script.contains("PlayResX: 1280")) << script.constData();
    EXPECT_TRUE(script.contains("PlayResY: 360"));
    static const QRegularExpression dialogue(
        QStringLiteral("^Dialogue: [^,]*,([^,]*),([^,]*),(?:[^,]*,){6}(.*)$"),
        QRegularExpression::MultilineOption);
    QStringList times, expected;
    QStringList texts;
    for (auto match = dialogue.globalMatch(QString::fromUtf8(script)); match.hasNext();) {
        const auto event = match.next();
        times << event.captured(1) + '-' + event.captured(2);
        texts << event.captured(3);
    }
    // Samples 25 to 44, each shown for its tenth of a second, with its speed.
    for (int k = 0; k < 20; ++k)
        expected << ClipOverlay::assTime(k / 10.0) + '-' + ClipOverlay::assTime((k + 1) / 10.0);
    EXPECT_EQ(times, expected);
    // Lines are separated by "\N"; the speed has a line of its own.
    for (qsizetype k = 0; k < std::min<qsizetype>(texts.size(), 20); ++k) {
        const QString speed = QString::number(clip.track.getGpsSpeed(int32_t(25 + k))) + " km/h";
        EXPECT_TRUE(texts[k].split("\\N").contains(speed))
            << qPrintable(texts[k]) << " lacks " << qPrintable(speed);
    }
}

TEST_F(ClipExportTest, CancellingLeavesNothing)
{
    ClipRequest clip = request(DemoRecordings::shared().dualAvi, 1.0, 5.5, m_out.path("c.mp4"));
    clip.mode = Mode::Composed;
    clip.overlay = true;
    // Before ffmpeg starts, and once it has begun to write.
    for (const bool early : {true, false}) {
        ClipExport job(clip);
        QEventLoop loop;
        QObject::connect(&job, &ClipExport::finished, &loop, &QEventLoop::quit);
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, &job, [&] {
            if (!FileBytes::entries(m_out.path()).isEmpty())
                job.cancel();
        });
        watch.start(2);
        job.start();
        if (early)
            job.cancel();
        else
            loop.exec();
        EXPECT_EQ(job.result().status, Status::Cancelled) << early;
        EXPECT_EQ(FileBytes::entries(m_out.path()), QStringList()) << early;
    }
}

TEST_F(ClipExportTest, FailuresLeaveNothingAndSayWhy)
{
    const QString avi = DemoRecordings::shared().dualAvi;
    const QString junk = m_home.path("junk.mp4");
    QFile(junk).open(QIODevice::WriteOnly);
    ReadOnlyCard readOnly;
    ReadOnlyCard full;
    const bool cards =
        readOnly.error().isEmpty() && readOnly.makeReadOnly() && full.error().isEmpty();
    // An older file of a name the export writes stays as it was.
    const QString older = full.path() + "/clip_F.mp4";
    if (cards) {
        QFile file(older);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("older") == 5);
    }
    const struct
    {
        const char *what;
        ClipRequest request;
        Status status;
        ExportFile::Result writeFailure;
        bool needsCards;
        bool withoutFfmpeg;
    } rows[] = {
        {"no ffmpeg", request(avi, 1, 2, m_out.path("a.mp4")), Status::NoFfmpeg,
         ExportFile::Result::Written, false, true},
        {"not a recording", request(avi, 1, 2, m_out.path("a.mp4"), {junk}), Status::FfmpegFailed,
         ExportFile::Result::Written, false, false},
        {"ends before it starts", request(avi, 2, 2, m_out.path("a.mp4")), Status::InvalidRequest,
         ExportFile::Result::Written, false, false},
        {"no such folder", request(avi, 1, 2, m_out.path("gone/a.mp4")), Status::CannotWrite,
         ExportFile::Result::TargetNotWritable, false, false},
        {"read-only", request(avi, 1, 2, readOnly.path() + "/clip.mp4"), Status::CannotWrite,
         ExportFile::Result::TargetReadOnly, true, false},
        {"full", request(avi, 0, 6, full.path() + "/clip.mp4"), Status::CannotWrite,
         ExportFile::Result::DiskFull, true, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        if (row.needsCards && !cards) {
            ADD_FAILURE() << "no tmpfs card: " << qPrintable(readOnly.error());
            continue;
        }
        std::optional<EmptySearchPath> noPath;
        if (row.withoutFfmpeg)
            noPath.emplace();
        const ClipExport::Result result = run(row.request);
        EXPECT_EQ(result.status, row.status) << qPrintable(result.log);
        EXPECT_EQ(result.writeFailure, row.writeFailure);
        EXPECT_TRUE(result.files.isEmpty());
        EXPECT_FALSE(result.log.isEmpty());
        // A message in every language.
        const char *key = ClipExport::messageKey(result);
        ASSERT_NE(key, nullptr);
        for (const QString &code : TorvaLanguages::supportedLanguages()) {
            EXPECT_NE(TorvaLanguages::SharedTorvaLanguages()->localizedIn(key, code),
                      QString::fromUtf8(key))
                << qPrintable(code);
        }
    }
    EXPECT_EQ(FileBytes::entries(m_out.path()), QStringList());
    if (cards) {
        EXPECT_EQ(FileBytes::entries(readOnly.path()), QStringList());
        EXPECT_EQ(FileBytes::entries(full.path()), QStringList({"clip_F.mp4"}));
        EXPECT_EQ(FileBytes::read(older), "older");
    }
}
