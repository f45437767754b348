#pragma once

#include "core/playback/MapPresenter.h"
#include "core/playback/PlaybackTick.h"
#include "core/playback/VideoZoom.h"
#include "core/telemetry/SubtitleData.h"
#include "core/telemetry/TorvaClipData.h"
#include "core/video/VideoConversion.h"
#include "core/video/VideoStatus.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <optional>

class MapTarget;

// One recording at a time in the main window: conversion, telemetry, the two
// video views started together, play and pause, the end of the recording.
// The window feeds it events (the conversion's answer, the views' status and
// end) and carries out its signals on the widgets.
//
//   Idle → Converting → LoadingViews → Playing ⇄ Paused → Ended
//
// prepareVideoToPlay starts over from any state. The views start playing
// once the large view is ready and the small one, when it has a file, too.
class PlaybackSession : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        Idle,         // no recording, or it could not be made playable
        Converting,   // waiting for conversionFinished
        LoadingViews, // the views load their files
        Playing,
        Paused, // paused or stopped
        Ended,  // the large view reached the end; the next row follows
        Failed, // the large view could not play its file
    };
    enum class View
    {
        Large,
        Small,
    };

    explicit PlaybackSession(MapTarget &map, QObject *parent = nullptr);

    // Stops the current recording and prepares the row's; nothing for a row
    // outside the list.
    void playVideoWithIdx(const QList<QUrl> &rows, qsizetype row);
    // Resets the views and read-outs, then asks for the recording's playable
    // files (conversionRequested).
    void prepareVideoToPlay(const QUrl &url);
    // Empties the views and read-outs: nothing plays or is made playable
    // until the next recording (its card has gone).
    void closeRecording();
    // The playable files for url, front first; nothing or an empty list when
    // it cannot be played, status saying why when the conversion knows. An
    // answer for another recording than the one being prepared is ignored.
    void conversionFinished(
        const QUrl &url, const std::optional<QList<QUrl>> &files,
        VideoConversion::Result::Status status = VideoConversion::Result::Status::Answered);
    void torvaAVViewDidUpdateStatus(View view, VideoStatus status);
    void torvaAVViewDidPlayToEndTime(View view);

    // Only while the large view has a movie.
    void playVideo();
    void pauseVideo();
    void playPauseButtonTouched();
    // Paused at time 0, map covered.
    void stopVideo();
    // Front and rear change views; only with two files.
    void toggleVideoSwithButtonTouched();
    // After a seek (seekTimeSliderTouchedUp) or a frame step: the next tick
    // refreshes the read-outs and the map at once.
    void resetUpdateTimes();
    // The large view's time and duration in seconds.
    PlaybackTick::Display playVideoTimerCallback(double t, double d);

    void showFullScreenMovie(View view);
    void hideFullScreenMovie();

    // The volume a view gets for the volume slider's value: the one view
    // whose sound is heard (the full-screen view, else the front camera's
    // player) gets it, the other 0.
    float volumeFor(View view, float sliderVolume) const;

    State state() const { return m_state; }
    bool isVideoPaused() const { return m_isVideoPaused; }
    bool isVideoSwitched() const { return m_isVideoSwitched; }
    bool isFullScreenMode() const { return m_fullScreenView.has_value(); }
    std::optional<View> fullScreenView() const { return m_fullScreenView; }
    // Status neither "no file" nor "failed".
    bool hasMovie(View view) const;
    VideoStatus status(View view) const
    {
        return view == View::Large ? m_largeStatus : m_smallStatus;
    }

    const QUrl &currentVideoUrl() const { return m_currentVideoUrl; }
    // The recording shown, or the one being made playable.
    const QUrl &openRecording() const
    {
        return m_state == State::Converting ? m_convertingUrl : m_currentVideoUrl;
    }
    const QString &bigVideoFilePath() const { return m_bigVideoFilePath; }
    const QString &smallVideoFilePath() const { return m_smallVideoFilePath; }
    const TorvaClipData &clipData() const { return m_clipData; }
    // Only for MP4 recordings.
    const SubtitleData *subtitleData() const { return m_subtitleData ? &*m_subtitleData : nullptr; }
    bool hasGps() const { return m_clipData.gpsDataCount() > 0; }

    VideoZoom &zoom() { return m_zoom; }
    MapPresenter &map() { return m_map; }

    static QString playPauseButtonImage(bool isVideoPaused);

Q_SIGNALS:
    // Drop both views' files, show PlaybackTick::resetVideoInformation() and,
    // outside full screen, apply the zoom.
    void recordingCleared();
    // Run the conversion of url and answer with conversionFinished.
    void conversionRequested(const QUrl &url);
    void showUnsupportedFileAlert();
    // The recording needs ffmpeg to play, and it is not installed.
    void showTranscoderMissingAlert();
    // Files and telemetry are ready: enable the controls, give the views
    // their files (the small one silent), the graph its track, show the GPS
    // picture when hasGps().
    void recordingPrepared();
    // Play (pause) both views, start (stop) the timers and the animation.
    void playViews();
    void pauseViews();
    // Both views and the seek slider back to 0.
    void videoStopped();
    // Exchange the views' players and their front flags.
    void swapViews();
    // The recording ended: play the next row.
    void prepareNext();

private:
    // What prepareVideoToPlay and closeRecording both empty.
    void clearRecording();
    void startWhenViewsReady();
    VideoStatus &statusOf(View view) { return view == View::Large ? m_largeStatus : m_smallStatus; }

    MapPresenter m_map;
    PlaybackTick m_tick;
    VideoZoom m_zoom;
    TorvaClipData m_clipData;
    std::optional<SubtitleData> m_subtitleData;

    State m_state = State::Idle;
    QUrl m_convertingUrl;
    QUrl m_currentVideoUrl;
    QString m_bigVideoFilePath;
    QString m_smallVideoFilePath;
    VideoStatus m_largeStatus = VideoStatus::NoFile;
    VideoStatus m_smallStatus = VideoStatus::NoFile;
    bool m_isVideoPaused = true;
    bool m_isVideoSwitched = false;
    std::optional<View> m_fullScreenView;
};
