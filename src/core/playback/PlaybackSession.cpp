#include "core/playback/PlaybackSession.h"

#include "core/playback/RecordingTelemetry.h"

PlaybackSession::PlaybackSession(MapTarget &map, QObject *parent)
    : QObject(parent), m_map(map), m_tick(m_map)
{
}

void PlaybackSession::playVideoWithIdx(const QList<QUrl> &rows, qsizetype row)
{
    if (row < 0 || row >= rows.size())
        return;
    stopVideo();
    prepareVideoToPlay(rows.at(row));
}

void PlaybackSession::prepareVideoToPlay(const QUrl &url)
{
    clearRecording();
    m_state = State::Converting;
    m_convertingUrl = url;
    if (!isFullScreenMode())
        m_zoom.resetForNewRecording();
    Q_EMIT recordingCleared();
    Q_EMIT conversionRequested(url);
}

void PlaybackSession::closeRecording()
{
    clearRecording();
    m_state = State::Idle;
    m_convertingUrl.clear();
    m_currentVideoUrl.clear();
    m_map.showCover();
    Q_EMIT recordingCleared();
}

void PlaybackSession::clearRecording()
{
    // The timers must not run on views that are being emptied.
    pauseVideo();
    m_bigVideoFilePath.clear();
    m_smallVideoFilePath.clear();
    m_subtitleData.reset();
    m_map.forgetPosition();
    m_largeStatus = VideoStatus::NoFile;
    m_smallStatus = VideoStatus::NoFile;
}

void PlaybackSession::conversionFinished(const QUrl &url, const std::optional<QList<QUrl>> &files,
                                         VideoConversion::Result::Status status)
{
    if (m_state != State::Converting || url != m_convertingUrl)
        return;
    m_convertingUrl.clear();
    if (!files || files->isEmpty()) {
        m_currentVideoUrl.clear();
        m_state = State::Idle;
        if (status == VideoConversion::Result::Status::NoTranscoder)
            Q_EMIT showTranscoderMissingAlert();
        else
            Q_EMIT showUnsupportedFileAlert();
        return;
    }
    m_currentVideoUrl = url;
    m_bigVideoFilePath = files->at(0).toLocalFile();
    if (files->size() >= 2)
        m_smallVideoFilePath = files->at(1).toLocalFile();
    // The views get fresh files, front camera in the large one, whatever
    // the last recording's swap was.
    m_isVideoSwitched = false;
    m_subtitleData = RecordingTelemetry::load(url, m_bigVideoFilePath, m_clipData);
    m_map.showRouteOf(m_clipData);
    m_state = State::LoadingViews;
    Q_EMIT recordingPrepared();
}

void PlaybackSession::torvaAVViewDidUpdateStatus(View view, VideoStatus status)
{
    statusOf(view) = status;
    if (m_state != State::LoadingViews)
        return;
    if (view == View::Large && status == VideoStatus::Failed) {
        m_state = State::Failed;
        Q_EMIT showUnsupportedFileAlert();
        return;
    }
    // A rear file that cannot play does not hold back the front one.
    if (status == VideoStatus::ReadyToPlay || status == VideoStatus::Failed)
        startWhenViewsReady();
}

void PlaybackSession::startWhenViewsReady()
{
    if (m_largeStatus != VideoStatus::ReadyToPlay)
        return;
    const bool smallPending = !m_smallVideoFilePath.isEmpty() &&
                              m_smallStatus != VideoStatus::ReadyToPlay &&
                              m_smallStatus != VideoStatus::Failed;
    if (smallPending)
        return;
    m_state = State::Playing;
    playVideo();
}

void PlaybackSession::torvaAVViewDidPlayToEndTime(View view)
{
    // A late report from the views of an earlier recording is no end.
    if (view != View::Large || (m_state != State::Playing && m_state != State::Paused))
        return;
    pauseVideo();
    m_state = State::Ended;
    m_map.showCover();
    Q_EMIT prepareNext();
}

void PlaybackSession::playVideo()
{
    if (!hasMovie(View::Large))
        return;
    m_isVideoPaused = false;
    if (m_state == State::Paused || m_state == State::Ended)
        m_state = State::Playing;
    Q_EMIT playViews();
}

void PlaybackSession::pauseVideo()
{
    if (m_isVideoPaused)
        return;
    m_isVideoPaused = true;
    if (m_state == State::Playing)
        m_state = State::Paused;
    Q_EMIT pauseViews();
}

void PlaybackSession::playPauseButtonTouched()
{
    if (m_isVideoPaused)
        playVideo();
    else
        pauseVideo();
}

void PlaybackSession::stopVideo()
{
    pauseVideo();
    if (m_state == State::Ended)
        m_state = State::Paused;
    m_tick.resetUpdateTimes();
    m_map.forgetPosition();
    m_map.showCover();
    Q_EMIT videoStopped();
}

void PlaybackSession::toggleVideoSwithButtonTouched()
{
    if (m_smallVideoFilePath.isEmpty())
        return;
    pauseVideo();
    m_isVideoSwitched = !m_isVideoSwitched;
    Q_EMIT swapViews();
    playVideo();
}

void PlaybackSession::resetUpdateTimes()
{
    m_tick.resetUpdateTimes();
}

PlaybackTick::Display PlaybackSession::playVideoTimerCallback(double t, double d)
{
    return m_tick.playVideoTimerCallback(t, d, m_clipData, subtitleData());
}

void PlaybackSession::showFullScreenMovie(View view)
{
    if (isFullScreenMode())
        return;
    m_fullScreenView = view;
    m_map.hideForFullScreen();
}

void PlaybackSession::hideFullScreenMovie()
{
    if (!isFullScreenMode())
        return;
    m_fullScreenView.reset();
    m_map.restoreAfterFullScreen();
}

float PlaybackSession::volumeFor(View view, float sliderVolume) const
{
    const View heard = m_fullScreenView.value_or(m_isVideoSwitched ? View::Small : View::Large);
    return view == heard ? sliderVolume : 0.0f;
}

bool PlaybackSession::hasMovie(View view) const
{
    return ::hasMovie(status(view));
}

QString PlaybackSession::playPauseButtonImage(bool isVideoPaused)
{
    return isVideoPaused ? QStringLiteral("play_1") : QStringLiteral("pause1");
}
