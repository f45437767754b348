#pragma once

#include "core/library/RecordingLibrary.h"
#include "core/playback/EventJumps.h"
#include "core/playback/PlaybackSession.h"
#include "core/playback/PlaybackSpeed.h"
#include "core/settings/CardMount.h"
#include "gui/app/MainWindowKeyDelegate.h"
#include "gui/app/RecordingExportHost.h"
#include "gui/video/TorvaAVViewDelegate.h"

#include <QObject>
#include <QTimer>
#include <QUrl>

#include <memory>

class CardWatcher;
class ConversionRunner;
class FullScreenSwitch;
class LargePictureZoom;
class MainWindow;
class MainWindowMenus;
class MovieSound;
class SettingsOpening;
class PlaybackAlert;
class QMessageBox;
class RecordingExportActions;
class RecordingTableModel;
class TelemetryDashboard;
class TorvaAVView;
class TripActions;

// Owns the viewing state of the main window: the listed folder and its
// recordings, the recording being played with its two video views, the
// timers that carry the telemetry to the read-outs, and the menus. The
// PlaybackSession decides; this class carries its decisions out on the
// widgets.
class ClipExportActions;

class MainWindowController : public QObject,
                             public TorvaAVViewDelegate,
                             public MainWindowKeyDelegate,
                             public RecordingExportHost
{
    Q_OBJECT

public:
    explicit MainWindowController(QObject *parent = nullptr);
    ~MainWindowController() override;

    MainWindow *window() const { return m_window; }
    PlaybackSession &session() { return *m_session; }
    MainWindowMenus *menus() const { return m_menus; }
    RecordingExportActions *exportActions() const { return m_exportActions; }
    // The open unsupported-file alert, if any.
    QMessageBox *unsupportedFileAlert() const;

    // Shows the window, follows the language, the speed unit and the cards,
    // and lists the card's recordings.
    void showMainWindow();
    // A folder is listed as if chosen with the folder button; a recording
    // lists its card (or folder) and plays.
    void openPath(const QString &path);

    // Recording library.
    void selectFolderButtonTouched();
    void refreshVideoFileListWithURL(const QUrl &url);
    void videoFileFilterTouched(int group);
    void videoFileListDoubleClicked();
    void playVideoWithIdx(int row);
    // Re-inspects the card and lists its recordings, or empties the list.
    void updateModelInfo();
    void applyLanguageSettings();
    void settingButtonTouched();
    // The camera settings of the card at root, or of the card in use.
    void openSettings(const QString &root);
    // The brand picture: tells which version this is.
    void homePageButtonTouched();

    // Playback.
    void playPauseButtonTouched() override;
    void stopButtonTouched();
    void rewindButtonTouched() override;
    void fastForwardButtonTouched() override;
    void playPrevFileButtonTouched();
    void playNextFileButtonTouched();
    void volumeUp() override;
    void volumeDown() override;
    void playSpeedFaster() override;
    void playSpeedSlower() override;
    void playSpeedNormal() override;
    const PlaybackSpeed &playSpeed() const { return m_playSpeed; }
    void nextEventTouched() override;
    void previousEventTouched() override;
    void markInTouched() override;
    void markOutTouched() override;
    ClipExportActions *clipActions() const { return m_clipActions; }
    TripActions *tripActions() const { return m_trips; }
    // Lists the recording (under every filter if need be), plays it and
    // goes to seconds once both views play.
    void playRecordingAt(const QString &path, double seconds);
    void toggleMuteButtonTouched();
    void videoRotateButtonTouched();
    void toggleVideoSwithButtonTouched();
    void videoScaleUpButtonTouched();
    void videoScaleDownButtonTouched();
    void resetVideoScaleButtonTouched();
    void enterScrollMode();
    void fullscreenButtonTouched() override;
    void hideFullScreenMovie() override;
    void appExitButtonTouched() override;
    void appMinimizeButtonTouched() override;
    // One tick of the play-time timer.
    void playVideoTimerCallback();
    // Read-outs and map follow the current time at once (after a seek or a
    // frame step).
    void refreshReadouts();

    // RecordingExportHost.
    const RecordingLibrary &library() const override { return m_library; }
    int selectedRow() const override;
    void selectRow(int row) override;
    QTableView *fileTable() const override;
    const TorvaAVView *largeView() const override;
    void pauseVideo() override { m_session->pauseVideo(); }
    bool viewsSwapped() const override { return m_session->isVideoSwitched(); }
    QUrl playingRecording() const override { return m_session->currentVideoUrl(); }
    const TorvaClipData &playingTrack() const override { return m_session->clipData(); }
    void removeVideoFileURL(const QUrl &url) override;
    QWidget *dialogParent() const override;

    // TorvaAVViewDelegate.
    void torvaAVViewDidUpdateTime(TorvaAVView *view, double seconds) override;
    void torvaAVViewDidUpdateRate(TorvaAVView *view, double rate) override;
    void torvaAVViewDidUpdateStatus(TorvaAVView *view, VideoStatus status) override;
    void torvaAVViewDidPlayToEndTime(TorvaAVView *view) override;
    void torvaAVViewDidRequestFullscreen(TorvaAVView *view) override;

private:
    // A card pulled out while listed: what plays or converts from it stops
    // and the user is told; then the cards are looked at anew.
    void cardsChanged();
    // Ticks on the seek bar at the recording's driving events.
    void showDrivingEvents();
    // At a recording's end: the next of the trip that plays, else the next
    // row of the list.
    void playNextAtEnd();
    void jumpTo(std::optional<double> seconds);
    // Both views at the chosen speed, and brought to one time so that they
    // stay together.
    void applyPlaySpeed();
    void connectControls();
    void connectSession();
    PlaybackSession::View viewOf(const TorvaAVView *view) const;
    TorvaAVView *widgetOf(PlaybackSession::View view) const;

    // The table shows the filtered list; the save and remove buttons follow.
    void showFilteredList();
    // The same for a newly listed folder, with its first row selected.
    void showListedFolder();
    void onRecordingPrepared();
    void onRecordingCleared();
    void onPlayViews();
    void onPauseViews();
    void onVideoStopped();
    void onSwapViews();
    void enableVideoControls(bool enabled);
    // Each view's cover picture stands in while it has no movie.
    void updateMovieViewCoverScrren();
    void seekTimeSliderTouchedUp(double value);
    // Full screen for the view, or back from it.
    void toggleFullScreen(PlaybackSession::View view);
    void showFullScreenMovie(PlaybackSession::View view);

    MainWindow *m_window;
    MainWindowMenus *m_menus;
    RecordingExportActions *m_exportActions;
    RecordingTableModel *m_tableModel;
    CardWatcher *m_cardWatcher;
    // The card whose recordings are listed, if any.
    CardMount m_listedCard;
    ConversionRunner *m_conversion;
    std::unique_ptr<PlaybackSession> m_session;
    LargePictureZoom *m_zoom;
    std::unique_ptr<FullScreenSwitch> m_fullScreen;
    RecordingLibrary m_library;
    PlaybackSpeed m_playSpeed;
    EventJumps m_eventJumps;
    // Both views wait for their seeks to land after a speed change.
    bool m_resumeAfterSpeedChange = false;
    ClipExportActions *m_clipActions = nullptr;
    TripActions *m_trips = nullptr;
    // Where to go once the recording asked for plays.
    std::optional<double> m_pendingSeek;
    TelemetryDashboard *m_dashboard;
    PlaybackAlert *m_alert;
    MovieSound *m_sound;
    SettingsOpening *m_settingsOpening;
    QTimer m_videoPlayTimer;
    // A frame step was asked for and the large view has not landed on it.
    bool m_awaitingFrameStep = false;
};
