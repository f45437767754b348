#include "EmptySearchPath.h"
#include "FileBytes.h"
#include "TempFolder.h"
#include "TemporaryHome.h"
#include "TestApplication.h"
#include "TestMedia.h"

#include "core/video/Utils.h"
#include "core/video/VideoConversion.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace {

using Status = VideoConversion::Result::Status;

const QByteArray kFrontSrt = "1\n00:00:00,000 --> 00:00:01,000\nfront $GPRMC,1,A\n\n"
                             "2\n00:00:01,000 --> 00:00:02,000\n전방 second\n\n";
const QByteArray kRearSrt = "1\n00:00:00,000 --> 00:00:01,500\nrear only\n\n";

class VideoConversionTest : public ::testing::Test
{
protected:
    // The recording's cache folder: its name without extension and its size.
    QString cacheFolder(const QString &recording) const
    {
        const QFileInfo info(recording);
        return m_home.path(QStringLiteral(".cache/Torvaview/torvaview/conversions/temp_video/%1_%2")
                               .arg(info.completeBaseName(), QString::number(info.size())));
    }

    static QStringList everythingIn(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }

    static std::optional<QStringList> convert(const QString &path)
    {
        const auto files = Utils::checkAndConvertVideo(QUrl::fromLocalFile(path));
        QStringList paths;
        for (const QUrl &url : files.value_or(QList<QUrl>()))
            paths.append(url.toLocalFile());
        return files ? std::optional(paths) : std::nullopt;
    }
    // A front and a rear MP4 of one moment, each with its subtitles.
    static void makePair(const QString &front, const QString &rear)
    {
        ASSERT_TRUE(TestMedia::mp4WithSubtitles(front, kFrontSrt));
        ASSERT_TRUE(TestMedia::mp4WithSubtitles(rear, kRearSrt, "160x90"));
    }

    TemporaryHome m_home;
    TempFolder m_card;
};

} // namespace

TEST_F(VideoConversionTest, EachAviCameraBecomesAMovWithTheSound)
{
    const QString front = "h264,video,320,180", rear = "h264,video,160,90", pcm = "pcm_s16le,audio";
    // The recording's name, how it is made, and each output's streams. A
    // failed step (ffmpeg opens the output, then refuses the tag "avc1" for
    // a lossless picture) leaves nothing to reuse, not even when tried again.
    const struct
    {
        const char *name;
        std::function<bool(const QString &)> make;
        QList<QStringList> outputs;
    } rows[] = {
        {"-dual 'q' \"dq\" é 한 %1 a:b.avi",
         [](auto path) { return TestMedia::dualCameraAvi(path); },
         {{front, pcm}, {rear, pcm}}},
        {"silent.avi",
         [](auto path) { return TestMedia::dualCameraAvi(path, false); },
         {{front}, {rear}}},
        {"SOLO.AVI", [](auto path) { return TestMedia::singleCameraAvi(path); }, {{front, pcm}}},
        {"sound.avi", TestMedia::soundOnlyAvi, {}},
        {"lossless.avi", [](auto path) { return TestMedia::singleCameraAvi(path, "ffv1"); }, {}},
        {"lossless.avi", [](auto) { return true; }, {}},
        // Not an AVI inside: ffmpeg lists its streams.
        {"renamed.avi",
         [](auto path) {
             return TestMedia::mp4WithSubtitles(path + ".mp4", kFrontSrt) &&
                    QFile::rename(path + ".mp4", path);
         },
         {{front, "aac,audio"}}}};
    for (const auto &row : rows) {
        const QString path = m_card.path(row.name);
        ASSERT_TRUE(row.make(path)) << row.name;
        const QString stem = cacheFolder(path) + '/' + QFileInfo(path).completeBaseName();
        const QStringList names = {stem + "_f.mov", stem + "_r.mov"};
        EXPECT_EQ(convert(path), names.first(row.outputs.size())) << row.name;
        for (qsizetype i = 0; i < row.outputs.size(); ++i)
            EXPECT_EQ(TestMedia::streams(names[i]), row.outputs[i]) << row.name;
        EXPECT_EQ(everythingIn(cacheFolder(path)).size(), row.outputs.size()) << row.name;
    }
}

TEST_F(VideoConversionTest, ACameraThatFailsLeavesTheOtherToFinishInEitherMode)
{
    TestApplication::ensure();
    // The front camera's tag "avc1" is refused while the rear converts beside it.
    for (const bool inTheBackground : {false, true}) {
        const QString path = m_card.path(inTheBackground ? "late.avi" : "now.avi");
        ASSERT_TRUE(TestMedia::dualCameraAvi(path, true, "ffv1"));
        VideoConversion conversion(QUrl::fromLocalFile(path));
        if (inTheBackground) {
            QEventLoop loop;
            QObject::connect(&conversion, &VideoConversion::finished, &loop, &QEventLoop::quit);
            conversion.start();
            loop.exec();
        } else {
            conversion.run();
        }
        const QString rear = QFileInfo(path).completeBaseName() + "_r.mov";
        EXPECT_EQ(conversion.result().status, Status::Answered);
        EXPECT_EQ(conversion.result().files,
                  QList<QUrl>{QUrl::fromLocalFile(cacheFolder(path) + '/' + rear)});
        EXPECT_EQ(everythingIn(cacheFolder(path)), QStringList{rear});
        EXPECT_EQ(TestMedia::streams(cacheFolder(path) + '/' + rear),
                  QStringList({"h264,video,160,90", "pcm_s16le,audio"}));
    }
}

TEST_F(VideoConversionTest, CachedFilesAnswerUntilTheRecordingChanges)
{
    const QString avi = m_card.path("grow.avi");
    ASSERT_TRUE(TestMedia::singleCameraAvi(avi));
    const QString before = cacheFolder(avi) + "/grow_f.mov";
    EXPECT_EQ(convert(avi), QStringList({before}));
    const QDateTime written = QFileInfo(before).lastModified();
    EXPECT_EQ(convert(avi), QStringList({before}));
    EXPECT_EQ(QFileInfo(before).lastModified(), written); // ffmpeg did not write it again
    ASSERT_TRUE(QFile::resize(avi, QFileInfo(avi).size() + 1000));
    ASSERT_NE(cacheFolder(avi) + "/grow_f.mov", before);
    EXPECT_EQ(convert(avi), QStringList({cacheFolder(avi) + "/grow_f.mov"}));
    EXPECT_TRUE(QFileInfo::exists(before));
}

TEST_F(VideoConversionTest, Mp4PairsConvertWithTheirSubtitlesAndTheCacheNeedsNoFfmpeg)
{
    const QString frontMp4 = m_card.path("REC 'a' F.mp4");
    const QString rearMp4 = m_card.path("REC 'a' R.mp4");
    makePair(frontMp4, rearMp4);
    const QString folder = cacheFolder(frontMp4);
    const QString front = folder + "/REC 'a' F_f.mov";
    const QString rear = folder + "/REC 'a' F_r.mov";
    EXPECT_EQ(convert(frontMp4), QStringList({front, rear}));
    EXPECT_EQ(TestMedia::streams(front), QStringList({"h264,video,320,180", "aac,audio"}));
    EXPECT_EQ(TestMedia::streams(rear), QStringList({"h264,video,160,90", "aac,audio"}));
    EXPECT_EQ(FileBytes::read(folder + "/REC 'a' F_f.srt"), kFrontSrt);
    EXPECT_EQ(FileBytes::read(folder + "/REC 'a' F_r.srt"), kRearSrt);
    EXPECT_EQ(everythingIn(folder).size(), 4);
    // Opened from the rear file, the rear camera is the front output.
    const QString other = cacheFolder(rearMp4);
    EXPECT_EQ(convert(rearMp4),
              QStringList({other + "/REC 'a' R_f.mov", other + "/REC 'a' R_r.mov"}));
    EXPECT_EQ(FileBytes::read(other + "/REC 'a' R_f.srt"), kRearSrt);
    EXPECT_EQ(FileBytes::read(other + "/REC 'a' R_r.srt"), kFrontSrt);
    // A partner that is missing gives no rear output.
    const QString alone = m_card.path("ALONE F.mp4");
    ASSERT_TRUE(QFile::copy(frontMp4, alone));
    EXPECT_EQ(convert(alone), QStringList({cacheFolder(alone) + "/ALONE F_f.mov"}));
    EXPECT_EQ(everythingIn(cacheFolder(alone)), QStringList({"ALONE F_f.mov", "ALONE F_f.srt"}));
    // Event pairs carry their marks before "_BC".
    const QString event = m_card.path("EVT F_BC.mp4");
    makePair(event, m_card.path("EVT R_BC.mp4"));
    EXPECT_EQ(convert(event).value_or(QStringList()).size(), 2);
    // Without ffmpeg a new conversion needs the transcoder; the cache, a MOV
    // or any other file still answer, a missing one does not.
    const QString fresh = m_card.path("FRESH F.mp4");
    ASSERT_TRUE(QFile::copy(frontMp4, fresh));
    EmptySearchPath noFfmpeg;
    ASSERT_TRUE(Utils::GetFFMPEGPath().isEmpty());
    VideoConversion conversion(QUrl::fromLocalFile(fresh));
    EXPECT_EQ(conversion.run().status, Status::NoTranscoder);
    EXPECT_EQ(everythingIn(cacheFolder(fresh)), QStringList());
    EXPECT_EQ(convert(frontMp4), QStringList({front, rear}));
    for (const QString name : {"CLIP.MOV", "notes.txt"}) // need not even exist
        EXPECT_EQ(convert(m_card.path(name)), QStringList{m_card.path(name)});
    EXPECT_EQ(Utils::checkAndConvertVideo(QUrl()), std::nullopt);
    EXPECT_EQ(convert(m_card.path("missing.avi")), std::nullopt);
    EXPECT_EQ(convert(m_card.path("missing F.mp4")), std::nullopt);
}

TEST_F(VideoConversionTest, InTheBackgroundCancelOrDestructionLeavesNothingHalfWritten)
{
    TestApplication::ensure();
    const QString small = m_card.path("small.avi");
    ASSERT_TRUE(TestMedia::dualCameraAvi(small));
    const QString big = m_card.path("long drive.avi");
    ASSERT_TRUE(TestMedia::repeated(small, big, 80));
    const QUrl url = QUrl::fromLocalFile(big);
    // Stopped by its owner going away while ffmpeg writes.
    auto doomed = std::make_unique<VideoConversion>(url);
    doomed->start();
    QEventLoop loop;
    QTimer::singleShot(30, &loop, &QEventLoop::quit);
    loop.exec();
    doomed.reset();
    for (const QString &name : everythingIn(cacheFolder(big)))
        EXPECT_FALSE(name.startsWith('.')) << qPrintable(name);
    // Cancelled as soon as ffmpeg has written part of the cameras.
    VideoConversion cancelled(url);
    int finishedCount = 0;
    QObject::connect(&cancelled, &VideoConversion::progress, &cancelled, &VideoConversion::cancel);
    QObject::connect(&cancelled, &VideoConversion::finished, [&] {
        ++finishedCount;
        loop.quit();
    });
    cancelled.start();
    EXPECT_TRUE(cancelled.isRunning());
    loop.exec();
    EXPECT_FALSE(cancelled.isRunning());
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(cancelled.result().status, Status::Cancelled);
    // At most a camera whose ffmpeg ended before the first progress report,
    // never a temporary file.
    for (const QString &name : everythingIn(cacheFolder(big)))
        EXPECT_TRUE(name == "long drive_f.mov" || name == "long drive_r.mov") << qPrintable(name);
    // Run to the end, the fractions rise to exactly 1; a camera the
    // cancelled run finished is not answered from the cache.
    ASSERT_TRUE(QDir(cacheFolder(big)).removeRecursively());
    QList<double> fractions;
    VideoConversion complete(url);
    const VideoConversion::Result result =
        complete.run([&](double fraction) { fractions.append(fraction); });
    ASSERT_EQ(result.status, Status::Answered);
    EXPECT_EQ(result.files.size(), 2);
    // Both cameras convert at once: a quick pair may report only its end.
    ASSERT_FALSE(fractions.isEmpty());
    EXPECT_GT(fractions.front(), 0.0);
    EXPECT_EQ(fractions.back(), 1.0);
    EXPECT_EQ(std::adjacent_find(fractions.begin(), fractions.end(), std::greater_equal<>()),
              fractions.end());
}
