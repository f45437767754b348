#include "MapTargetLog.h"

#include "core/playback/PlaybackSession.h"
#include "core/playback/VideoZoom.h"

#include <gtest/gtest.h>

namespace {

using Session = PlaybackSession;
using View = Session::View;
using State = Session::State;
using Status = VideoConversion::Result::Status;

QUrl file(const QString &name)
{
    return QUrl::fromLocalFile("/card/" + name);
}

// A session driven by scenarios: "ACTION > SIGNALS; ACTION > SIGNALS…", each
// action followed by the signals it must give, in order.
struct SessionRig
{
    SessionRig()
    {
        const std::pair<void (Session::*)(), const char *> names[] = {
            {&Session::recordingCleared, "cleared"},
            {&Session::showUnsupportedFileAlert, "alert"},
            {&Session::recordingPrepared, "prepared"},
            {&Session::playViews, "play"},
            {&Session::pauseViews, "pause"},
            {&Session::videoStopped, "stopped"},
            {&Session::swapViews, "swap"},
            {&Session::prepareNext, "next"},
            {&Session::showTranscoderMissingAlert, "ffmpeg-alert"}};
        for (const auto &[signal, name] : names)
            QObject::connect(&session, signal, [this, name] { events.append(name); });
        QObject::connect(&session, &Session::conversionRequested,
                         [this](const QUrl &url) { events.append("convert:" + url.fileName()); });
    }

    // "prepare NAME", "answer NAME N" (N playable files), "answer NAME none|ffmpeg"
    // (no answer, no transcoder), "large|small STATUS", "end large|small",
    // "row N" (of a.mov, b.mov), "playpause", "stop", "swap".
    QString step(const QString &action)
    {
        const QStringList word = action.split(' ');
        const View view = action.contains("small") ? View::Small : View::Large;
        const QList<QUrl> files = {file("f.mov"), file("r.mov")};
        if (word[0] == "prepare")
            session.prepareVideoToPlay(file(word[1]));
        else if (word[0] == "answer" && word[2][0].isDigit())
            session.conversionFinished(file(word[1]), files.mid(0, word[2].toInt()));
        else if (word[0] == "answer")
            session.conversionFinished(file(word[1]), std::nullopt,
                                       word[2] == "ffmpeg" ? Status::NoTranscoder
                                                           : Status::NoAnswer);
        else if (word[0] == "end")
            session.torvaAVViewDidPlayToEndTime(view);
        else if (word[0] == "row")
            session.playVideoWithIdx({file("a.mov"), file("b.mov")}, word[1].toInt());
        else if (word.size() == 2)
            session.torvaAVViewDidUpdateStatus(view, kStatuses.value(word[1]));
        else
            (session.*kButtons.value(action))();
        return std::exchange(events, {}).join(' ');
    }

    // An action without "> …" may give any signals.
    void run(const QString &scenario)
    {
        for (const QString &actionText : scenario.split(';')) {
            const QStringList actionAndSignals = actionText.split('>');
            const QString given = step(actionAndSignals[0].trimmed());
            EXPECT_EQ(given, actionAndSignals.size() > 1 ? actionAndSignals[1].trimmed() : given)
                << qPrintable(actionText);
        }
    }

    // Opens a recording with two files and starts both views.
    void play(const QString &name = "REC_0101F.mov")
    {
        run(QStringLiteral("prepare %1; answer %1 2; large ready; small ready > play").arg(name));
    }

    const QHash<QString, VideoStatus> kStatuses = {{"loading", VideoStatus::Loading},
                                                   {"ready", VideoStatus::ReadyToPlay},
                                                   {"unknown", VideoStatus::Unknown},
                                                   {"failed", VideoStatus::Failed}};
    const QHash<QString, void (Session::*)()> kButtons = {
        {"playpause", &Session::playPauseButtonTouched},
        {"stop", &Session::stopVideo},
        {"swap", &Session::toggleVideoSwithButtonTouched}};
    // The volumes of the large and the small view for a slider at 0.5.
    std::pair<float, float> volumes() const
    {
        return {session.volumeFor(View::Large, 0.5f), session.volumeFor(View::Small, 0.5f)};
    }

    MapTargetLog map;
    Session session{map};
    QStringList events;
};

} // namespace

TEST(PlaybackSession, BothViewsStartTogetherWhenReady)
{
    SessionRig rig;
    rig.run("prepare REC_0101F.mov > cleared convert:REC_0101F.mov");
    EXPECT_EQ(rig.session.state(), State::Converting);
    EXPECT_TRUE(rig.session.currentVideoUrl().isEmpty());
    rig.run("answer REC_0101F.mov 2 > prepared");
    EXPECT_EQ(rig.session.state(), State::LoadingViews);
    EXPECT_EQ(rig.session.currentVideoUrl(), file("REC_0101F.mov"));
    EXPECT_EQ(rig.session.bigVideoFilePath(), "/card/f.mov");
    EXPECT_EQ(rig.session.smallVideoFilePath(), "/card/r.mov");
    // Ready again later (say after the user paused) starts nothing.
    rig.run("large loading >; large ready >; small unknown >; small ready > play; "
            "playpause > pause; large ready >");
    EXPECT_EQ(rig.session.state(), State::Paused);
}

TEST(PlaybackSession, ViewsThatCannotPlay)
{
    // One file: the large view alone starts. A failing rear file does not
    // hold back the front one, before or after; a failing front file shows
    // the unsupported-file alert, and nothing plays.
    for (const char *scenario :
         {"answer a.mov 1; large ready > play; playpause > pause",
          "answer a.mov 2; small failed; large ready > play",
          "answer a.mov 2; large ready; small failed > play",
          "answer a.mov 2; small ready; large failed > alert; playpause >"}) {
        SessionRig rig;
        rig.run(QStringLiteral("prepare a.mov; ") + scenario);
        EXPECT_EQ(rig.session.hasMovie(View::Small), rig.session.state() == State::Failed);
    }
}

TEST(PlaybackSession, RecordingThatCannotBeMadePlayableAndLateAnswers)
{
    for (const char *answer : {"none > alert", "0 > alert", "ffmpeg > ffmpeg-alert"}) {
        SessionRig rig;
        rig.play();
        rig.run(QStringLiteral("prepare x.avi; answer x.avi %1; playpause >").arg(answer));
        EXPECT_EQ(rig.session.state(), State::Idle);
        EXPECT_TRUE(rig.session.currentVideoUrl().isEmpty());
        EXPECT_TRUE(rig.session.bigVideoFilePath().isEmpty());
    }
    // Late answers for earlier recordings are ignored; each is answered once only.
    SessionRig rig;
    rig.run("prepare a.mov; prepare b.mov; answer a.mov 1 >; end large >; "
            "answer b.mov 1 > prepared; answer b.mov none >");
    EXPECT_EQ(rig.session.currentVideoUrl(), file("b.mov"));
}

TEST(PlaybackSession, EndOfRecordingAsksForTheNextRow)
{
    SessionRig rig;
    rig.play();
    rig.session.map().showMap();
    rig.run("end small >; end large > pause next");
    EXPECT_EQ(rig.session.state(), State::Ended);
    EXPECT_TRUE(rig.map.mapHidden());
    EXPECT_FALSE(rig.map.coverHidden());
    rig.run("row 2 >; row -1 >; row 1 > stopped cleared convert:b.mov");
}

TEST(PlaybackSession, TransportSwapAndVolume)
{
    SessionRig rig;
    rig.play();
    rig.run("playpause > pause; playpause > play; stop > pause stopped; stop > "
            "stopped");
    EXPECT_EQ(rig.session.state(), State::Paused);
    // Swapping resumes playback; the front camera's sound follows its player.
    EXPECT_EQ(rig.volumes(), std::pair(0.5f, 0.0f));
    rig.run("swap > swap play");
    EXPECT_EQ(rig.volumes(), std::pair(0.0f, 0.5f));
    // The next recording starts unswapped; with one file there is nothing to swap.
    rig.play("FILE0001.avi");
    EXPECT_FALSE(rig.session.isVideoSwitched());
    rig.run("prepare clip.mov; answer clip.mov 1; swap >");
}

TEST(PlaybackSession, FullScreenTakesTheSoundAndHidesTheMap)
{
    SessionRig rig;
    rig.play();
    rig.session.map().showMap();
    for (int i = 0; i < 3; ++i)
        rig.session.zoom().videoScaleUp();
    rig.session.showFullScreenMovie(View::Small);
    EXPECT_TRUE(rig.map.mapHidden());
    EXPECT_EQ(rig.volumes(), std::pair(0.0f, 0.5f));
    // The zoom of the window's view stays while a recording opens in full screen.
    rig.step("prepare next.mov");
    EXPECT_EQ(rig.session.zoom().videoScale(), 1.6);
    rig.session.hideFullScreenMovie();
    EXPECT_FALSE(rig.session.isFullScreenMode() || rig.map.mapHidden());
    EXPECT_EQ(rig.volumes(), std::pair(0.5f, 0.0f));
    rig.step("prepare next.mov");
    EXPECT_EQ(rig.session.zoom().videoScale(), 1.0);
    rig.session.map().showCover();
    rig.session.showFullScreenMovie(View::Small);
    rig.session.hideFullScreenMovie();
    EXPECT_TRUE(rig.map.mapHidden() && !rig.map.coverHidden());
}

TEST(VideoZoom, ScaleStaysOnItsGridWithinOneToFive)
{
    VideoZoom zoom;
    // Steps up or down, and the scale after them.
    for (const auto &[count, scale] : {std::pair{5, 2.0}, {16, 5.0}, {-1, 4.8}, {-30, 1.0}}) {
        for (int i = 0; i < std::abs(count); ++i)
            count > 0 ? zoom.videoScaleUp() : zoom.videoScaleDown();
        EXPECT_EQ(zoom.videoScale(), scale) << count;
    }
    // A step below 1.0 keeps 1.0 and centres the picture again.
    zoom.videoScaleUp();
    zoom.boundDidChange(QPointF(3, 0), QSizeF(120, 60), QSizeF(100, 50));
    zoom.videoScaleDown();
    EXPECT_TRUE(zoom.touchedBigMovieScroll());
    zoom.videoScaleDown();
    EXPECT_FALSE(zoom.touchedBigMovieScroll());
}

TEST(VideoZoom, FrameAndScrollersFollowScaleAndPanMode)
{
    VideoZoom zoom;
    for (int i = 0; i < 3; ++i)
        zoom.videoScaleUp();
    zoom.boundDidChange(QPointF(0, 0), QSizeF(1024, 576), QSizeF(640, 360));
    zoom.enterScrollMode();
    // A new recording: 1.0, pan mode off, centred.
    zoom.resetForNewRecording();
    EXPECT_EQ(zoom.videoScale(), 1.0);
    EXPECT_FALSE(zoom.touchedBigMovieScroll() || zoom.enableBigMovieViewScroll());
    for (int i = 0; i < 3; ++i)
        zoom.videoScaleUp();
    VideoZoom::Frame frame = zoom.changeVideoScale(QSizeF(640, 360));
    EXPECT_EQ(frame.viewSize, QSizeF(1024, 576));
    EXPECT_FALSE(frame.horizontalScroller || frame.verticalScroller);
    zoom.enterScrollMode();
    frame = zoom.changeVideoScale(QSizeF(640, 360));
    EXPECT_TRUE(frame.horizontalScroller && frame.verticalScroller);
    zoom.resetVideoScale();
    EXPECT_FALSE(zoom.changeVideoScale(QSizeF(640, 360)).horizontalScroller);
}
