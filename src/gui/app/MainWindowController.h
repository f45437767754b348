#pragma once

#include "core/library/RecordingLibrary.h"
#include "core/playback/PlayAnimation.h"
#include "core/playback/PlaybackSession.h"
#include "gui/app/MainWindowKeyDelegate.h"
#include "gui/video/TorvaAVViewDelegate.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class CardWatcher;
class ConversionRunner;
class FullScreenMovieWindow;
class MainWindow;
class MainWindowMenus;
class RecordingExportActions;
class RecordingTableModel;
class TorvaAVView;

// Owns the viewing state of the main window: the listed folder and its
// recordings, the recording being played with its two video views, the
// timers that carry the telemetry to the read-outs, and the menus. The
// PlaybackSession decides; this class carries its decisions out on the
// widgets.
class MainWindowController : public QObject,
                             public TorvaAVViewDelegate,
                             public MainWindowKeyDelegate
{
    Q_OBJECT

public:
    explicit MainWindowController(QObject *parent = nullptr);
    ~MainWindowController() override;

    MainWindow *window() const { return m_window; }
    PlaybackSession &session() { return *m_session; }
    const RecordingLibrary &library() const { return m_library; }
    MainWindowMenus *menus() const { return m_menus; }
    RecordingExportActions *exportActions() const { return m_exportActions; }
    // The row selected in the table, -1 for none.
    int selectedRow() const;
    // Selects the row (replacing the selection) and scrolls it into view.
    void selectRow(int row);
    // The open unsupported-file alert, if any.
    QMessageBox *unsupportedFileAlert() const { return m_alert; }

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
    // A recording deleted from the disk leaves the lists and the table; the
    // row below takes the selection.
    void removeVideoFileURL(const QUrl &url);
    // Re-inspects the card and lists its recordings, or empties the list.
    void updateModelInfo();
    void applyLanguageSettings();
    void settingButtonTouched();
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

    // TorvaAVViewDelegate.
    void torvaAVViewDidUpdateTime(TorvaAVView *view, double seconds) override;
    void torvaAVViewDidUpdateRate(TorvaAVView *view, double rate) override;
    void torvaAVViewDidUpdateStatus(TorvaAVView *view, VideoStatus status) override;
    void torvaAVViewDidPlayToEndTime(TorvaAVView *view) override;
    void torvaAVViewDidRequestFullscreen(TorvaAVView *view) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
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
    void showUnsupportedFileAlert();
    void showTranscoderMissingAlert();
    // One alert at a time, its texts kept as keys for a change of language.
    void showAlert(const char *titleKey, const char *messageKey);
    void showDisplay(const PlaybackTick::Display &display);
    void enableVideoControls(bool enabled);
    // Each view's cover picture stands in while it has no movie.
    void updateMovieViewCoverScrren();
    void applyVolumes();
    void setVideoMute(bool muted);
    void seekTimeSliderTouchedUp(double value);
    // The pan button shows whether pan mode is on.
    void showScrollMode();
    void changeVideoScale();
    void boundDidChange();
    void showFullScreenMovie(PlaybackSession::View view);
    void playAnimationTimerCallback();

    MainWindow *m_window;
    MainWindowMenus *m_menus;
    RecordingExportActions *m_exportActions;
    RecordingTableModel *m_tableModel;
    CardWatcher *m_cardWatcher;
    ConversionRunner *m_conversion;
    std::unique_ptr<PlaybackSession> m_session;
    RecordingLibrary m_library;
    PlayAnimation m_playAnimation;
    QTimer m_videoPlayTimer;
    QTimer m_playAnimationTimer;
    QPointer<QMessageBox> m_alert;
    const char *m_alertTitleKey = nullptr;
    const char *m_alertMessageKey = nullptr;
    FullScreenMovieWindow *m_fullScreenWindow = nullptr;
    // A frame step was asked for and the large view has not landed on it.
    bool m_awaitingFrameStep = false;
};
