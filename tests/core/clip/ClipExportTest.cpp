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

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Status = ClipExport::Result::Status;
using Layout = ClipRequest::Layout;

constexpr double kFrameSeconds = 1.0 / 30.0;
constexpr double kFrom = 2.5, kTo = 4.5;

class ClipExportTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        TestApplication::ensure();
        DemoRecordings::shared();
    }

    // A clip of the recording's playable files, or of the files given, with
    // the recording's telemetry as the viewer reads it.
    static ClipRequest request(const QString &recording, const QString &output,
                               QStringList inputs = {}, double from = kFrom, double to = kTo)
    {
        ClipRequest request;
        QStringList files;
        for (const QUrl &url :
             Utils::checkAndConvertVideo(QUrl::fromLocalFile(recording)).value_or(QList<QUrl>()))
            files.append(url.toLocalFile());
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

    // Runs the export to its end, noting the last progress reported.
    ClipExport::Result run(const ClipRequest &request)
    {
        m_reported = 0.0;
        ClipExport job(request);
        QEventLoop loop;
        QObject::connect(&job, &ClipExport::finished, &loop, &QEventLoop::quit);
        QObject::connect(&job, &ClipExport::progress, [this](double f) { m_reported = f; });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        job.start();
        loop.exec();
        EXPECT_FALSE(job.isRunning());
        return job.result();
    }

    TemporaryHome m_home;
    TempFolder m_out;
    double m_reported = 0.0;
};

// How many grey levels of the two pictures differ clearly inside and outside
// the rectangle; pictures of the width given.
std::pair<int, int> differences(const QByteArray &a, const QByteArray &b, int width, QRect rect)
{
    int inside = 0, outside = 0;
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        if (std::abs(int(quint8(a[i])) - int(quint8(b[i]))) > 48)
            ++(rect.contains(int(i % width), int(i / width)) ? inside : outside);
    return {inside, outside};
}

} // namespace

TEST_F(ClipExportTest, LosslessClipsCopyEachCameraComposedOnesLayThemOut)
{
    const DemoRecordings &demo = DemoRecordings::shared();
    const QStringList front = {request(demo.dualAvi, {}).frontInput};
    const QStringList pair = {demo.frontMp4, demo.rearMp4};
    const QString aac = "h264,video,640,360 aac,audio";
    const QString pcm = "h264,video,640,360 pcm_s16le,audio";
    const QString text = aac + " mov_text,subtitle,N/A,N/A";
    const QString wide = "h264,video,1280,360 aac,audio";
    // The output, the recording, the files cut (the viewer's when none), the
    // layout of a composed clip, the overlay; the videos and their streams.
    // PCM sound becomes AAC in MP4 only; MOV text subtitles stay in MP4, not
    // in Matroska.
    const std::tuple<QString, QString, QStringList, std::optional<Layout>, bool, QString, QString>
        rows[] = {
            {"avi.mp4", demo.dualAvi, {}, {}, false, "avi_F.mp4 avi_R.mp4", aac},
            {"a.vi.MOV", demo.dualAvi, {}, {}, false, "a.vi_F.MOV a.vi_R.MOV", pcm},
            {"evt.mp4", demo.frontMp4, pair, {}, false, "evt_F.mp4 evt_R.mp4", text},
            {"evt.mkv", demo.frontMp4, {demo.frontMp4}, {}, false, "evt.mkv", aac},
            {"pip.mp4", demo.dualAvi, {}, Layout::Pip, false, "pip.mp4", aac},
            {"front.mp4", demo.dualAvi, front, Layout::Pip, false, "front.mp4", aac},
            {"overlay.mp4", demo.dualAvi, front, Layout::Pip, true, "overlay.mp4", aac},
            {"pair.mkv", demo.frontMp4, pair, Layout::Side, true, "pair.mkv", wide},
        };
    for (const auto &[output, recording, inputs, composed, overlay, videos, streams] : rows) {
        SCOPED_TRACE(qPrintable(output));
        const QString out = m_out.path(output);
        ASSERT_TRUE(QDir().mkpath(out));
        ClipRequest clip = request(recording, out + '/' + output, inputs);
        clip.mode = composed ? ClipRequest::Mode::Composed : ClipRequest::Mode::Lossless;
        clip.layout = composed.value_or(Layout::Side);
        clip.overlay = overlay;
        const ClipExport::Result result = run(clip);
        ASSERT_EQ(result.status, Status::Done) << qPrintable(result.log);
        EXPECT_EQ(m_reported, 1.0);

        const QString base = QFileInfo(output).completeBaseName();
        QStringList names = videos.split(' ');
        if (!composed)
            names << base + ".srt" << base + ".gpx";
        EXPECT_EQ(result.files,
                  QStringList(names).replaceInStrings(QRegularExpression("^"), out + '/'));
        names.sort();
        EXPECT_EQ(FileBytes::entries(out), names); // no temporary file left
        // A lossless cut begins at the key frame before the start; they come
        // every second.
        const double start = composed ? kFrom : 2.0;
        for (const QString &video : videos.split(' ')) {
            EXPECT_EQ(TestMedia::streams(out + '/' + video), streams.split(' '))
                << qPrintable(video);
            EXPECT_NEAR(TestMedia::videoDuration(out + '/' + video), kTo - start,
                        kFrameSeconds + 1e-6);
        }
        if (composed)
            continue;
        // The telemetry is timed from where the cut begins; in Matroska that
        // is not looked up.
        const double timed = output.endsWith(".mkv") ? kFrom : start;
        EXPECT_EQ(FileBytes::read(out + '/' + base + ".srt"),
                  ClipTelemetry::srt(clip.track, timed, kTo, true));
        EXPECT_EQ(FileBytes::read(out + '/' + base + ".gpx"),
                  ClipTelemetry::gpx(clip.track, timed, kTo, clip.recordingStart, base));
    }

    // Against the front alone, the picture in picture changes its top right
    // corner and nothing else; the overlay changes the picture.
    const auto frame = [this](const QString &name) {
        return TestMedia::greyFrame(m_out.path(name + '/' + name), 1.0);
    };
    const QByteArray alone = frame("front.mp4");
    ASSERT_EQ(alone.size(), 640 * 360);
    const QRect corner = ClipGeometry::compose({640, 360}, QSize(640, 360), Layout::Pip).rear;
    EXPECT_EQ(corner, QRect(416, 10, 214, 120));
    const auto [inCorner, elsewhere] = differences(frame("pip.mp4"), alone, 640, corner);
    EXPECT_GT(inCorner, corner.width() * corner.height() / 10);
    EXPECT_EQ(elsewhere, 0);
    const auto [overlaid, outside] = differences(frame("overlay.mp4"), alone, 640, QRect());
    EXPECT_GT(overlaid + outside, 640 * 360 / 1000);
    // It shows the clip's range of the telemetry, sized for the frame.
    const ClipRequest clip = request(demo.dualAvi, m_out.path("c.mp4"));
    ASSERT_GT(clip.track.clipDataCount(), 45u);
    EXPECT_EQ(ClipTelemetryFiles::overlay(clip, {1280, 360}),
              ClipOverlay::ass(clip.track, kFrom, kTo, {1280, 360, true, clip.recordingStart}));
}

TEST_F(ClipExportTest, FailuresLeaveNothingAndSayWhyAsDoesAnEarlyCancel)
{
    using Write = ExportFile::Result;
    const QString avi = DemoRecordings::shared().dualAvi;
    const QString junk = m_home.path("junk.mp4");
    QFile(junk).open(QIODevice::WriteOnly);
    ReadOnlyCard full;
    const bool card = full.error().isEmpty();
    // An older file of a name the export writes stays as it was.
    const QString older = full.path() + "/clip_F.mp4";
    QFile file(older);
    ASSERT_TRUE(!card || (file.open(QIODevice::WriteOnly) && file.write("older") == 5));
    file.close();
    const QString out = m_out.path("a.mp4");
    // What fails; the status and the write failure told.
    const std::tuple<const char *, ClipRequest, Status, Write> rows[] = {
        {"no ffmpeg", request(avi, out), Status::NoFfmpeg, Write::Written},
        {"not a recording", request(avi, out, {junk}), Status::FfmpegFailed, Write::Written},
        {"empty range", request(avi, out, {}, 2, 2), Status::InvalidRequest, Write::Written},
        {"no folder", request(avi, m_out.path("gone/a.mp4")), Status::CannotWrite,
         Write::TargetNotWritable},
        {"full", request(avi, full.path() + "/clip.mp4", {}, 0, 6), Status::CannotWrite,
         Write::DiskFull},
    };
    for (const auto &[what, clip, status, writeFailure] : rows) {
        SCOPED_TRACE(what);
        if (!card && writeFailure == Write::DiskFull) {
            ADD_FAILURE() << "no tmpfs card: " << qPrintable(full.error());
            continue;
        }
        std::optional<EmptySearchPath> noPath;
        if (status == Status::NoFfmpeg)
            noPath.emplace();
        const ClipExport::Result result = run(clip);
        EXPECT_EQ(result.status, status) << qPrintable(result.log);
        EXPECT_EQ(result.writeFailure, writeFailure);
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
    // Cancelled before ffmpeg starts.
    ClipExport early(request(avi, out));
    early.start();
    early.cancel();
    QCoreApplication::processEvents(); // the queued start finds it cancelled
    EXPECT_EQ(early.result().status, Status::Cancelled);
    EXPECT_EQ(FileBytes::entries(m_out.path()), QStringList());
    if (card) {
        EXPECT_EQ(FileBytes::entries(full.path()), QStringList({"clip_F.mp4"}));
        EXPECT_EQ(FileBytes::read(older), "older");
    }
}
