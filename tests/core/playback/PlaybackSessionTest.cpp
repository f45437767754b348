#include "EmptySearchPath.h"
#include "MapTargetLog.h"
#include "TempFolder.h"
#include "TemporaryHome.h"

#include "core/playback/PlaybackSession.h"

#include <gtest/gtest.h>

namespace {

using View = PlaybackSession::View;
using State = PlaybackSession::State;

QUrl file(const QString &path)
{
    return QUrl::fromLocalFile(path);
}

// A session whose signals are written down in order.
struct SessionRig
{
    SessionRig()
    {
        const auto note = [this](const char *name) {
            return [this, name] { events.append(QString::fromLatin1(name)); };
        };
        QObject::connect(&session, &PlaybackSession::recordingCleared, note("cleared"));
        QObject::connect(&session, &PlaybackSession::conversionRequested,
                         [this](const QUrl &url) { events.append("convert " + url.fileName()); });
        QObject::connect(&session, &PlaybackSession::showUnsupportedFileAlert, note("alert"));
        QObject::connect(&session, &PlaybackSession::showTranscoderMissingAlert,
                         note("ffmpeg alert"));
        QObject::connect(&session, &PlaybackSession::recordingPrepared, note("prepared"));
        QObject::connect(&session, &PlaybackSession::playViews, note("play"));
        QObject::connect(&session, &PlaybackSession::pauseViews, note("pause"));
        QObject::connect(&session, &PlaybackSession::videoStopped, note("stopped"));
        QObject::connect(&session, &PlaybackSession::swapViews, note("swap"));
        QObject::connect(&session, &PlaybackSession::prepareNext, note("next"));
    }

    // Prepares url with the given playable files and takes the events.
    void open(const QUrl &url, const QList<QUrl> &files)
    {
        session.prepareVideoToPlay(url);
        session.conversionFinished(url, files);
        take();
    }

    // Opens a recording with two files and starts both views.
    void play(const QUrl &url = file("/card/REC_0101F.mov"))
    {
        open(url, {file("/cache/front.mov"), file("/cache/rear.mov")});
        session.torvaAVViewDidUpdateStatus(View::Large, VideoStatus::ReadyToPlay);
        session.torvaAVViewDidUpdateStatus(View::Small, VideoStatus::ReadyToPlay);
        take();
    }

    QStringList take() { return std::exchange(events, {}); }

    MapTargetLog map;
    PlaybackSession session{map};
    QStringList events;
};

} // namespace

TEST(PlaybackSession, BothViewsStartTogetherWhenReady)
{
    SessionRig rig;
    const QUrl url = file("/card/REC_0101F.mov");
    rig.session.prepareVideoToPlay(url);
    EXPECT_EQ(rig.take(), QStringList({"cleared", "convert REC_0101F.mov"}));
    EXPECT_EQ(rig.session.state(), State::Converting);
    EXPECT_TRUE(rig.session.currentVideoUrl().isEmpty());

    rig.session.conversionFinished(url, QList<QUrl>{file("/cache/f.mov"), file("/cache/r.mov")});
    EXPECT_EQ(rig.take(), QStringList({"prepared"}));
    EXPECT_EQ(rig.session.state(), State::LoadingViews);
    EXPECT_EQ(rig.session.currentVideoUrl(), url);
    EXPECT_EQ(rig.session.bigVideoFilePath(), "/cache/f.mov");
    EXPECT_EQ(rig.session.smallVideoFilePath(), "/cache/r.mov");
    EXPECT_EQ(rig.session.subtitleData(), nullptr);

    for (const View view : {View::Large, View::Small})
        rig.session.torvaAVViewDidUpdateStatus(view, VideoStatus::Loading);
    // Play pressed while loading plays once the views can.
    rig.session.torvaAVViewDidUpdateStatus(View::Large, VideoStatus::ReadyToPlay);
    EXPECT_TRUE(rig.take().isEmpty());
    EXPECT_TRUE(rig.session.isVideoPaused());
    rig.session.torvaAVViewDidUpdateStatus(View::Small, VideoStatus::Unknown);
    EXPECT_TRUE(rig.take().isEmpty());
    rig.session.torvaAVViewDidUpdateStatus(View::Small, VideoStatus::ReadyToPlay);
    EXPECT_EQ(rig.take(), QStringList({"play"}));
    EXPECT_EQ(rig.session.state(), State::Playing);
    EXPECT_FALSE(rig.session.isVideoPaused());
    EXPECT_EQ(PlaybackSession::playPauseButtonImage(rig.session.isVideoPaused()), "pause1");

    // Ready again later (say after the user paused) starts nothing.
    rig.session.pauseVideo();
    rig.take();
    rig.session.torvaAVViewDidUpdateStatus(View::Large, VideoStatus::ReadyToPlay);
    EXPECT_TRUE(rig.take().isEmpty());
    EXPECT_EQ(rig.session.state(), State::Paused);
}

TEST(PlaybackSession, ViewsThatCannotPlay)
{
    SessionRig rig;
    // One file: the large view alone starts.
    rig.open(file("/card/clip.mov"), {file("/card/clip.mov")});
    EXPECT_TRUE(rig.session.smallVideoFilePath().isEmpty());
    rig.session.torvaAVViewDidUpdateStatus(View::Large, VideoStatus::ReadyToPlay);
    EXPECT_EQ(rig.take(), QStringList({"play"}));

    // A rear file that fails does not hold back the front one, before…
    rig.open(file("/card/a.mov"), {file("/c/f.mov"), file("/c/r.mov")});
    rig.session.torvaAVViewDidUpdateStatus(View::Small, VideoStatus::Failed);
    rig.session.torvaAVViewDidUpdateStatus(View::Large, VideoStatus::ReadyToPlay);
    EXPECT_EQ(rig.take(), QStringList({"play"}));
    // …or after the front one is ready.
    rig.open(file("/card/b.mov"), {file("/c/f.mov"), file("/c/r.mov")});
    rig.session.torvaAVViewDidUpdateStatus(View::Large, VideoStatus::ReadyToPlay);
    rig.session.torvaAVViewDidUpdateStatus(View::Small, VideoStatus::Failed);
    EXPECT_EQ(rig.take(), QStringList({"play"}));
    EXPECT_FALSE(rig.session.hasMovie(View::Small));

    // A front file that fails: the unsupported-file alert, nothing plays.
    rig.open(file("/card/c.mov"), {file("/c/f.mov"), file("/c/r.mov")});
    rig.session.torvaAVViewDidUpdateStatus(View::Small, VideoStatus::ReadyToPlay);
    rig.session.torvaAVViewDidUpdateStatus(View::Large, VideoStatus::Failed);
    EXPECT_EQ(rig.take(), QStringList({"alert"}));
    EXPECT_EQ(rig.session.state(), State::Failed);
    rig.session.playPauseButtonTouched();
    EXPECT_TRUE(rig.take().isEmpty());
    EXPECT_TRUE(rig.session.isVideoPaused());
}

TEST(PlaybackSession, RecordingThatCannotBeMadePlayable)
{
    SessionRig rig;
    rig.play();
    for (const std::optional<QList<QUrl>> &answer :
         {std::optional<QList<QUrl>>(), std::optional<QList<QUrl>>(QList<QUrl>())}) {
        const QUrl url = file("/card/broken.avi");
        rig.session.prepareVideoToPlay(url);
        rig.session.conversionFinished(url, answer);
        EXPECT_EQ(rig.take().last(), "alert");
        EXPECT_EQ(rig.session.state(), State::Idle);
        EXPECT_TRUE(rig.session.currentVideoUrl().isEmpty());
        EXPECT_TRUE(rig.session.bigVideoFilePath().isEmpty());
        rig.session.playVideo();
        EXPECT_TRUE(rig.take().isEmpty());
    }
}

TEST(PlaybackSession, RecordingThatNeedsTheMissingTranscoder)
{
    TemporaryHome home;
    TempFolder card;
    SessionRig rig;
    rig.play();
    for (const QString name : {"REC_0101F.avi", "REC_0101 F.mp4"}) {
        const QUrl url = file(card.write(name, "RIFF"));
        rig.session.prepareVideoToPlay(url);
        EmptySearchPath noFfmpeg;
        VideoConversion conversion(url);
        const VideoConversion::Result result = conversion.run();
        rig.session.conversionFinished(url, std::nullopt, result.status);
        EXPECT_EQ(rig.take().last(), "ffmpeg alert") << qPrintable(name);
        EXPECT_EQ(rig.session.state(), State::Idle);
        EXPECT_TRUE(rig.session.currentVideoUrl().isEmpty());
    }
    // Other failures keep the general alert.
    const QUrl url = file("/card/broken.avi");
    rig.session.prepareVideoToPlay(url);
    rig.session.conversionFinished(url, std::nullopt, VideoConversion::Result::Status::NoAnswer);
    EXPECT_EQ(rig.take().last(), "alert");
}

TEST(PlaybackSession, LateAnswersForEarlierRecordingsAreIgnored)
{
    SessionRig rig;
    const QUrl first = file("/card/a.mov");
    const QUrl second = file("/card/b.mov");
    rig.session.prepareVideoToPlay(first);
    rig.session.prepareVideoToPlay(second);
    rig.take();
    rig.session.conversionFinished(first, QList<QUrl>{first});
    rig.session.torvaAVViewDidPlayToEndTime(View::Large);
    EXPECT_TRUE(rig.take().isEmpty());
    EXPECT_EQ(rig.session.state(), State::Converting);
    rig.session.conversionFinished(second, QList<QUrl>{second});
    EXPECT_EQ(rig.take(), QStringList({"prepared"}));
    EXPECT_EQ(rig.session.currentVideoUrl(), second);
    // Answered once only.
    rig.session.conversionFinished(second, QList<QUrl>{});
    EXPECT_TRUE(rig.take().isEmpty());
}

TEST(PlaybackSession, EndOfRecordingAsksForTheNextRow)
{
    SessionRig rig;
    rig.play();
    rig.session.map().showMap();
    rig.session.torvaAVViewDidPlayToEndTime(View::Small);
    EXPECT_TRUE(rig.take().isEmpty());
    rig.session.torvaAVViewDidPlayToEndTime(View::Large);
    EXPECT_EQ(rig.take(), QStringList({"pause", "next"}));
    EXPECT_EQ(rig.session.state(), State::Ended);
    EXPECT_TRUE(rig.map.mapHidden());
    EXPECT_FALSE(rig.map.coverHidden());

    const QList<QUrl> rows = {file("/card/a.mov"), file("/card/b.mov")};
    rig.session.playVideoWithIdx(rows, 2);
    rig.session.playVideoWithIdx(rows, -1);
    EXPECT_TRUE(rig.take().isEmpty());
    rig.session.playVideoWithIdx(rows, 1);
    EXPECT_EQ(rig.take(), QStringList({"stopped", "cleared", "convert b.mov"}));
}

TEST(PlaybackSession, TransportSwapAndVolume)
{
    SessionRig rig;
    rig.play();
    rig.session.playPauseButtonTouched();
    EXPECT_EQ(rig.take(), QStringList({"pause"}));
    EXPECT_EQ(PlaybackSession::playPauseButtonImage(rig.session.isVideoPaused()), "play_1");
    rig.session.playPauseButtonTouched();
    EXPECT_EQ(rig.take(), QStringList({"play"}));
    rig.session.stopVideo();
    EXPECT_EQ(rig.take(), QStringList({"pause", "stopped"}));
    EXPECT_EQ(rig.session.state(), State::Paused);
    rig.session.stopVideo();
    EXPECT_EQ(rig.take(), QStringList({"stopped"}));

    // Swapping resumes playback; the front camera's sound follows its player.
    EXPECT_EQ(rig.session.volumeFor(View::Large, 0.7f), 0.7f);
    EXPECT_EQ(rig.session.volumeFor(View::Small, 0.7f), 0.0f);
    rig.session.toggleVideoSwithButtonTouched();
    EXPECT_EQ(rig.take(), QStringList({"swap", "play"}));
    EXPECT_TRUE(rig.session.isVideoSwitched());
    EXPECT_EQ(rig.session.volumeFor(View::Large, 0.7f), 0.0f);
    EXPECT_EQ(rig.session.volumeFor(View::Small, 0.7f), 0.7f);

    // The next recording starts unswapped, whatever its kind.
    rig.play(file("/card/FILE0001.avi"));
    EXPECT_FALSE(rig.session.isVideoSwitched());
    // One file: nothing to swap.
    rig.open(file("/card/clip.mov"), {file("/card/clip.mov")});
    rig.session.toggleVideoSwithButtonTouched();
    EXPECT_TRUE(rig.take().isEmpty());
}

TEST(PlaybackSession, FullScreenTakesTheSoundAndHidesTheMap)
{
    SessionRig rig;
    rig.play();
    rig.session.map().showMap();
    for (int i = 0; i < 3; ++i)
        rig.session.zoom().videoScaleUp();
    rig.session.showFullScreenMovie(View::Small);
    EXPECT_TRUE(rig.session.isFullScreenMode());
    EXPECT_TRUE(rig.map.mapHidden());
    EXPECT_EQ(rig.session.volumeFor(View::Small, 0.5f), 0.5f);
    EXPECT_EQ(rig.session.volumeFor(View::Large, 0.5f), 0.0f);
    // The zoom of the window's view stays while a recording opens in full
    // screen.
    rig.session.prepareVideoToPlay(file("/card/next.mov"));
    EXPECT_EQ(rig.session.zoom().videoScale(), 1.6);

    rig.session.hideFullScreenMovie();
    EXPECT_FALSE(rig.session.isFullScreenMode());
    EXPECT_FALSE(rig.map.mapHidden());
    EXPECT_EQ(rig.session.volumeFor(View::Large, 0.5f), 0.5f);
    rig.session.prepareVideoToPlay(file("/card/next.mov"));
    EXPECT_EQ(rig.session.zoom().videoScale(), 1.0);
}

TEST(PlaybackSession, Mp4RecordingsReadTheirSubtitles)
{
    TempFolder folder;
    folder.write("REC_0101F_f.srt",
                 "1\n00:00:01,000 --> 00:00:01,100\n"
                 "gsensori,1,128,128,0,0;GPRMC,1,A,3730.0000,N,12715.0000,E,0.0\n\n");
    SessionRig rig;
    rig.map.take();
    const QUrl url = file(folder.path("REC_0101F.MP4"));
    rig.open(url, {file(folder.path("REC_0101F_f.mov"))});
    ASSERT_NE(rig.session.subtitleData(), nullptr);
    EXPECT_EQ(rig.session.subtitleData()->entries().size(), 1u);
    EXPECT_TRUE(rig.session.hasGps());
    const QStringList calls = rig.map.take();
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[0], "removeMapLine");
    EXPECT_TRUE(calls[1].startsWith("addRoute "));

    const PlaybackTick::Display display = rig.session.playVideoTimerCallback(1.0, 10.0);
    EXPECT_EQ(display.acceleration->x, "1.000");
    EXPECT_EQ(display.position->lat, "37.5000");
    EXPECT_EQ(rig.map.take(),
              QStringList({"cover hidden", "map shown", "move 37.500000,127.250000"}));

    // Another kind of recording drops them.
    rig.open(file(folder.path("FILE0001.avi")), {file(folder.path("FILE0001_f.mov"))});
    EXPECT_EQ(rig.session.subtitleData(), nullptr);
    EXPECT_FALSE(rig.session.hasGps());
}
