#include "gui/app/MainWindowController.h"

#include "core/displays/TorvaSpeedUnit.h"
#include "core/i18n/TorvaLanguages.h"
#include "core/i18n/TorvaPreferences.h"
#include "core/library/RecordingFiles.h"
#include "core/playback/PlaybackTiming.h"
#include "core/settings/P820SettingManager.h"
#include "core/telemetry/DrivingEvents.h"
#include "gui/app/CardWatcher.h"
#include "gui/app/ClipExportActions.h"
#include "gui/app/ConversionRunner.h"
#include "gui/app/FullScreenMovieWindow.h"
#include "gui/app/FullScreenSwitch.h"
#include "gui/app/LargePictureZoom.h"
#include "gui/app/MainWindow.h"
#include "gui/app/MainWindowMenus.h"
#include "gui/app/MapCoverView.h"
#include "gui/app/MovieSound.h"
#include "gui/app/PlaybackAlert.h"
#include "gui/app/RecordingCopyRunner.h"
#include "gui/app/RecordingExportActions.h"
#include "gui/app/RecordingTableModel.h"
#include "gui/app/SettingsOpening.h"
#include "gui/app/TelemetryDashboard.h"
#include "gui/app/TripActions.h"
#include "gui/controls/ElidingLabel.h"
#include "gui/controls/ImageButton.h"
#include "gui/controls/TorvaControls.h"
#include "gui/controls/TorvaImageView.h"
#include "gui/displays/GravityGraphView.h"
#include "gui/displays/SeekTimeSliderView.h"
#include "gui/displays/SpeedMeterView.h"
#include "gui/displays/VolumeSliderView.h"
#include "gui/video/TorvaAVView.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTableView>

#include <utility>

namespace {

using View = PlaybackSession::View;

// The build's version, whatever the application object was told.
const QString kVersion = QStringLiteral(TORVA_VERSION);

// The card (or folder) that lists a recording: the folder above the card's
// recording folder that holds it, else the folder that holds it directly.
QString listingFolderOf(const QFileInfo &recording)
{
    QDir folder = recording.absoluteDir();
    for (QDir up = folder; !up.isRoot(); up.cdUp()) {
        if (RecordingFiles::cardFolderNames().contains(up.dirName())) {
            up.cdUp();
            return up.absolutePath();
        }
    }
    return folder.absolutePath();
}

View otherView(View view)
{
    return view == View::Large ? View::Small : View::Large;
}

} // namespace

MainWindowController::MainWindowController(QObject *parent)
    : QObject(parent), m_window(new MainWindow), m_tableModel(new RecordingTableModel(this)),
      m_cardWatcher(new CardWatcher(this)), m_conversion(new ConversionRunner(m_window, this))
{
    m_menus = new MainWindowMenus(m_window);
    m_exportActions = new RecordingExportActions(*this, this);
    m_session = std::make_unique<PlaybackSession>(*m_window->outlets().mapView);
    m_window->setKeyEventDelegate(this);
    m_window->outlets().fileTable->setModel(m_tableModel);

    const MainWindow::Outlets &o = m_window->outlets();
    m_zoom =
        new LargePictureZoom(*m_session, o.bigMovieScrollView, o.bigMovieView, o.panButton, this);
    m_fullScreen = std::make_unique<FullScreenSwitch>(*m_session, m_window, *m_zoom);
    m_dashboard = new TelemetryDashboard(m_window, this);
    m_alert = new PlaybackAlert(m_window, this);
    m_sound = new MovieSound(
        *m_session, m_window, [this](View view) { return widgetOf(view); }, this);
    m_clipActions = new ClipExportActions(*m_session, o.seekTimeSlider, m_window, this);
    m_trips = new TripActions(
        m_window,
        {[this] { return m_library.selectedVideoDirectoryUrl(); },
         [this] { return m_session->currentVideoUrl(); },
         [this]() -> const TorvaClipData & { return m_session->clipData(); },
         [this](const QString &path, double seconds) { playRecordingAt(path, seconds); },
         [this](double seconds) { jumpTo(seconds); }, [this] { nextEventTouched(); },
         [this] { previousEventTouched(); }},
        this);
    m_settingsOpening =
        new SettingsOpening(m_window,
                            {[this] { m_session->pauseVideo(); }, [this] { updateModelInfo(); },
                             [this] {
                                 const QUrl listed = m_library.selectedVideoDirectoryUrl();
                                 if (!listed.isEmpty())
                                     refreshVideoFileListWithURL(listed);
                             }},
                            this);
    o.bigMovieView->setFront(true);
    o.smallMovieView->setFront(false);
    o.bigMovieView->setDelegate(this);
    o.smallMovieView->setDelegate(this);

    m_videoPlayTimer.setInterval(PlaybackTiming::kPlayTimerMilliseconds);
    connect(&m_videoPlayTimer, &QTimer::timeout, this,
            &MainWindowController::playVideoTimerCallback);
    connectControls();
    connectSession();

    o.versionLabel->setText(QStringLiteral("Ver %1").arg(kVersion));
    m_sound->showMuted(false);
    m_dashboard->show(PlaybackTick::resetVideoInformation());
    enableVideoControls(false);
    updateMovieViewCoverScrren();
    // Nothing listed yet: nothing to save or remove.
    showFilteredList();
}

MainWindowController::~MainWindowController()
{
    // The views report to this object until they are gone.
    const MainWindow::Outlets &o = m_window->outlets();
    o.bigMovieView->setDelegate(nullptr);
    o.smallMovieView->setDelegate(nullptr);
    m_fullScreen.reset();
    delete m_window;
}

void MainWindowController::connectControls()
{
    const MainWindow::Outlets &o = m_window->outlets();
    connect(o.selectFolderButton, &ImageButton::clicked, this,
            &MainWindowController::selectFolderButtonTouched);
    for (int group = 0; group < o.filterButtons.size(); ++group)
        connect(o.filterButtons.at(group), &ImageButton::clicked, this,
                [this, group] { videoFileFilterTouched(group); });
    connect(o.fileTable, &QTableView::doubleClicked, this,
            &MainWindowController::videoFileListDoubleClicked);
    connect(o.fileTable, &QTableView::customContextMenuRequested, m_exportActions,
            &RecordingExportActions::showFileContextMenu);
    connect(o.snapshotButton, &ImageButton::clicked, m_exportActions,
            &RecordingExportActions::snapshotButtonTouched);
    connect(o.printButton, &ImageButton::clicked, m_exportActions,
            &RecordingExportActions::printButtonTouched);
    connect(o.saveFileButton, &ImageButton::clicked, m_exportActions,
            &RecordingExportActions::saveFileButtonTouched);
    connect(o.removeFileButton, &ImageButton::clicked, m_exportActions,
            &RecordingExportActions::removeFileButtonTouched);

    const auto on = [this](ImageButton *button, void (MainWindowController::*action)()) {
        connect(button, &ImageButton::clicked, this, action);
    };
    on(o.appExitButton, &MainWindowController::appExitButtonTouched);
    on(o.appMinimizeButton, &MainWindowController::appMinimizeButtonTouched);
    on(o.playPauseButton, &MainWindowController::playPauseButtonTouched);
    on(o.stopButton, &MainWindowController::stopButtonTouched);
    on(o.rewindButton, &MainWindowController::rewindButtonTouched);
    on(o.fastForwardButton, &MainWindowController::fastForwardButtonTouched);
    on(o.playPrevFileButton, &MainWindowController::playPrevFileButtonTouched);
    on(o.playNextFileButton, &MainWindowController::playNextFileButtonTouched);
    on(o.swapButton, &MainWindowController::toggleVideoSwithButtonTouched);
    on(o.flipButton, &MainWindowController::videoRotateButtonTouched);
    connect(o.zoomInButton, &ImageButton::clicked, m_zoom, &LargePictureZoom::scaleUp);
    connect(o.zoomOutButton, &ImageButton::clicked, m_zoom, &LargePictureZoom::scaleDown);
    connect(o.resetZoomButton, &ImageButton::clicked, m_zoom, &LargePictureZoom::reset);
    connect(o.panButton, &ImageButton::clicked, m_zoom, &LargePictureZoom::enterScrollMode);
    on(o.fullscreenButton, &MainWindowController::fullscreenButtonTouched);
    on(o.muteButton, &MainWindowController::toggleMuteButtonTouched);
    on(o.settingButton, &MainWindowController::settingButtonTouched);
    on(o.homePageButton, &MainWindowController::homePageButtonTouched);
    FullScreenMovieWindow *fullScreen = m_fullScreen->movieWindow();
    on(fullScreen->playPauseButton(), &MainWindowController::playPauseButtonTouched);
    on(fullScreen->rewindButton(), &MainWindowController::rewindButtonTouched);
    on(fullScreen->fastForwardButton(), &MainWindowController::fastForwardButtonTouched);
    connect(fullScreen, &FullScreenMovieWindow::exitFullScreenRequested, this,
            &MainWindowController::hideFullScreenMovie);

    connect(o.volumeSlider, &VolumeSliderView::volumeChanged, m_sound, &MovieSound::apply);
    connect(o.seekTimeSlider, &SeekTimeSliderView::seekTimeSliderTouchedUp, this,
            &MainWindowController::seekTimeSliderTouchedUp);

    connect(m_menus, &MainWindowMenus::quitRequested, this,
            &MainWindowController::appExitButtonTouched);
    connect(TorvaLanguages::SharedTorvaLanguages(), &TorvaLanguages::refreshLanguage, this,
            &MainWindowController::applyLanguageSettings, Qt::QueuedConnection);
    connect(m_cardWatcher, &CardWatcher::volumesChanged, this, &MainWindowController::cardsChanged);
    // The gauge shows the same speed in the new unit.
    connect(TorvaSpeedUnit::SharedTorvaSpeedUnit(), &TorvaSpeedUnit::refreshSpeedUnit, this,
            [this] {
                SpeedMeterView *meter = m_window->outlets().speedMeter;
                meter->setSpeed(meter->speed());
            });
}

void MainWindowController::connectSession()
{
    PlaybackSession *session = m_session.get();
    connect(session, &PlaybackSession::recordingCleared, this,
            &MainWindowController::onRecordingCleared);
    connect(session, &PlaybackSession::conversionRequested, m_conversion, &ConversionRunner::run);
    connect(m_conversion, &ConversionRunner::finished, session,
            &PlaybackSession::conversionFinished);
    connect(session, &PlaybackSession::showUnsupportedFileAlert, m_alert,
            &PlaybackAlert::showUnsupportedFile);
    connect(session, &PlaybackSession::showTranscoderMissingAlert, m_alert,
            &PlaybackAlert::showTranscoderMissing);
    connect(session, &PlaybackSession::recordingPrepared, this,
            &MainWindowController::onRecordingPrepared);
    connect(session, &PlaybackSession::playViews, this, &MainWindowController::onPlayViews);
    connect(session, &PlaybackSession::pauseViews, this, &MainWindowController::onPauseViews);
    connect(session, &PlaybackSession::videoStopped, this, &MainWindowController::onVideoStopped);
    connect(session, &PlaybackSession::swapViews, this, &MainWindowController::onSwapViews);
    connect(session, &PlaybackSession::prepareNext, this, &MainWindowController::playNextAtEnd);
}

// Start-up and the card.

void MainWindowController::showMainWindow()
{
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    m_window->outlets().gravityGraph->awakeFromNib();
    applyLanguageSettings();
    updateModelInfo();
    videoFileFilterTouched(RecordingFilter::All);
    m_cardWatcher->start();
}

void MainWindowController::openPath(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        refreshVideoFileListWithURL(QUrl::fromLocalFile(info.absoluteFilePath()));
        return;
    }
    if (!info.isFile()) {
        qWarning("Cannot open %s: no such file or folder", qPrintable(path));
        return;
    }
    refreshVideoFileListWithURL(QUrl::fromLocalFile(listingFolderOf(info)));
    // Shown under every filter, so the recording has its row.
    videoFileFilterTouched(RecordingFilter::All);
    const QUrl recording = QUrl::fromLocalFile(info.absoluteFilePath());
    const int row = int(m_library.filteredVideoFileList().indexOf(recording));
    if (row >= 0) {
        selectRow(row);
        playVideoWithIdx(row);
    } else {
        // Not a recording by its name: play it all the same.
        m_session->stopVideo();
        m_session->prepareVideoToPlay(recording);
    }
}

void MainWindowController::updateModelInfo()
{
    const auto manager = P820SettingManager::SharedP820SettingManager();
    manager->loadVersionInfo();
    const qint64 type = manager->modelType();
    QString name;
    if (type < 0) {
        refreshVideoFileListWithURL(QUrl());
    } else {
        if (type == 26) {
            name = manager->modelName();
        } else {
            name = manager->modelNameList().value(type);
            manager->setModelName(name);
        }
        refreshVideoFileListWithURL(manager->sdcard_url());
    }
    m_listedCard = CardMount(manager->settingDirPath());
    m_window->outlets().settingButton->setEnabled(type >= 0);
    m_window->outlets().modelLabel->setText(name.isEmpty() ? TorvaLanguages::text("unknown")
                                                           : name);
}

void MainWindowController::cardsChanged()
{
    const QString card = m_listedCard.folder();
    const bool pulled = !card.isEmpty() && !m_listedCard.isMounted();
    // A card unmounted lazily still reads what is open: nothing may go on as
    // if it were there.
    const auto onCard = [pulled, &card](const QString &path) {
        return pulled && path.startsWith(card + QLatin1Char('/'));
    };
    if (onCard(m_session->openRecording().toLocalFile())) {
        m_conversion->cancel();
        m_session->closeRecording();
    }
    RecordingCopyRunner *copy = m_exportActions->copyRunner();
    if (copy->isRunning() && onCard(copy->source()))
        copy->cancel();
    updateModelInfo();
    if (pulled)
        m_alert->showCardRemoved();
}

void MainWindowController::applyLanguageSettings()
{
    m_menus->applyLanguageSettings();
    const MainWindow::Outlets &o = m_window->outlets();
    for (int group = 0; group < o.filterButtons.size(); ++group)
        o.filterButtons.at(group)->setText(TorvaLanguages::SharedTorvaLanguages()->localized(
            RecordingFilter::titleKey(RecordingFilter::Group(group))));
    // Only the texts change: the listed folder stays as the user chose it.
    const std::shared_ptr<const P820SettingManager> manager =
        P820SettingManager::SharedP820SettingManager();
    if (manager->modelType() < 0 || manager->modelName().isEmpty())
        o.modelLabel->setText(TorvaLanguages::text("unknown"));
    m_alert->applyLanguageSettings();
    m_trips->applyLanguageSettings();
}

void MainWindowController::settingButtonTouched()
{
    m_settingsOpening->settingButtonTouched();
}

void MainWindowController::openSettings(const QString &root)
{
    m_settingsOpening->openSettingsFor(root);
}

void MainWindowController::homePageButtonTouched()
{
    QMessageBox::about(m_window, QStringLiteral("Torvaview"),
                       QStringLiteral("Torvaview Ver %1").arg(kVersion));
}

// Recording library.

void MainWindowController::selectFolderButtonTouched()
{
    QFileDialog dialog(m_window, TorvaLanguages::text("열기"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setLabelText(QFileDialog::Accept, TorvaLanguages::text("열기"));
    dialog.setLabelText(QFileDialog::Reject, TorvaLanguages::text("취소"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty())
        return;
    refreshVideoFileListWithURL(dialog.selectedUrls().constFirst());
}

void MainWindowController::refreshVideoFileListWithURL(const QUrl &url)
{
    m_library.refreshVideoFileListWithURL(url);
    m_window->outlets().selectedFolderLabel->setText(url.toLocalFile());
    showListedFolder();
    m_trips->folderListed();
}

void MainWindowController::videoFileFilterTouched(int group)
{
    if (!m_library.setVideoFileFilter(group))
        return;
    const MainWindow::Outlets &o = m_window->outlets();
    for (int index = 0; index < o.filterButtons.size(); ++index)
        TorvaControls::showListButtonChosen(o.filterButtons.at(index), index == group);
    // Only the table changes: the selection stays with its recording while
    // it is listed, so that the next recording follows the one that plays.
    const int selected = selectedRow();
    const QUrl selectedUrl =
        selected >= 0 ? m_library.filteredVideoFileList().value(selected) : QUrl();
    m_library.applyVideoFileFilter();
    showFilteredList();
    const int row = int(m_library.filteredVideoFileList().indexOf(selectedUrl));
    if (row >= 0)
        selectRow(row);
}

void MainWindowController::showFilteredList()
{
    m_tableModel->setRecordings(m_library.filteredVideoFileList());
    const bool hasRows = !m_library.filteredVideoFileList().isEmpty();
    m_window->outlets().saveFileButton->setEnabled(hasRows);
    m_window->outlets().removeFileButton->setEnabled(hasRows);
}

void MainWindowController::showListedFolder()
{
    showFilteredList();
    if (!m_library.filteredVideoFileList().isEmpty())
        selectRow(0);
}

void MainWindowController::removeVideoFileURL(const QUrl &url)
{
    const int row = selectedRow();
    m_library.removeVideoFileURL(url);
    showFilteredList();
    const int rows = int(m_library.filteredVideoFileList().size());
    if (rows > 0)
        selectRow(std::clamp(row, 0, rows - 1));
}

void MainWindowController::selectRow(int row)
{
    QTableView *table = m_window->outlets().fileTable;
    const QModelIndex index = m_tableModel->index(row, 0);
    table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    table->scrollTo(index);
}

QMessageBox *MainWindowController::unsupportedFileAlert() const
{
    return m_alert->box();
}

int MainWindowController::selectedRow() const
{
    const QModelIndexList rows = m_window->outlets().fileTable->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

QTableView *MainWindowController::fileTable() const
{
    return m_window->outlets().fileTable;
}

const TorvaAVView *MainWindowController::largeView() const
{
    return m_window->outlets().bigMovieView;
}

QWidget *MainWindowController::dialogParent() const
{
    return m_window;
}

void MainWindowController::videoFileListDoubleClicked()
{
    const int row = selectedRow();
    if (row >= 0)
        playVideoWithIdx(row);
}

void MainWindowController::playVideoWithIdx(int row)
{
    m_session->playVideoWithIdx(m_library.filteredVideoFileList(), row);
}

void MainWindowController::playRecordingAt(const QString &path, double seconds)
{
    const QUrl recording = QUrl::fromLocalFile(path);
    if (!m_library.filteredVideoFileList().contains(recording))
        videoFileFilterTouched(RecordingFilter::All);
    const auto row = int(m_library.filteredVideoFileList().indexOf(recording));
    if (row < 0) {
        qWarning("Cannot play %s: it is no longer listed", qPrintable(path));
        return;
    }
    selectRow(row);
    playVideoWithIdx(row);
    // The views load the recording first; the seek waits until they play.
    m_pendingSeek = seconds > 0.0 ? std::optional<double>(seconds) : std::nullopt;
}

void MainWindowController::playNextAtEnd()
{
    if (const std::optional<QString> next = m_trips->nextOfTrip())
        playRecordingAt(*next, 0.0);
    else if (!m_trips->tripPlayback().isActive())
        playNextFileButtonTouched();
}

// What the session asks for.

void MainWindowController::onRecordingCleared()
{
    m_pendingSeek.reset();
    const MainWindow::Outlets &o = m_window->outlets();
    o.bigMovieView->reset();
    o.smallMovieView->reset();
    m_dashboard->show(PlaybackTick::resetVideoInformation());
    // The graph and its marks belong to the recording that went.
    o.gravityGraph->setClipData(TorvaClipData{});
    o.gravityGraph->setEventMarks({});
    updateMovieViewCoverScrren();
    if (!m_session->isFullScreenMode()) {
        // A new recording starts unzoomed with pan mode off.
        m_zoom->showScrollMode();
        m_zoom->changeVideoScale();
    }
}

void MainWindowController::onRecordingPrepared()
{
    const MainWindow::Outlets &o = m_window->outlets();
    enableVideoControls(true);
    const bool twoFiles = !m_session->smallVideoFilePath().isEmpty();
    o.bigMovieView->setFront(true);
    o.smallMovieView->setFront(false);
    o.bigMovieView->setFileName(m_session->bigVideoFilePath());
    o.smallMovieView->setFileName(m_session->smallVideoFilePath());
    o.smallMovieView->setVolume(0.0f);
    o.swapButton->setEnabled(twoFiles);
    o.gravityGraph->setClipData(m_session->clipData());
    o.gpsImage->setVisible(m_session->hasGps());
    showDrivingEvents();
    updateMovieViewCoverScrren();
}

void MainWindowController::showDrivingEvents()
{
    QList<double> times;
    for (const DrivingEvents::Event &event : m_trips->recordingPrepared())
        times.append(double(event.milliseconds) / 1000.0);
    m_eventJumps.setEvents(times);
    m_window->outlets().seekTimeSlider->setEventMarks(m_eventJumps.times());
}

void MainWindowController::nextEventTouched()
{
    jumpTo(m_eventJumps.next(m_window->outlets().seekTimeSlider->currentSliderValue()));
}

void MainWindowController::previousEventTouched()
{
    jumpTo(m_eventJumps.previous(m_window->outlets().seekTimeSlider->currentSliderValue()));
}

void MainWindowController::jumpTo(std::optional<double> seconds)
{
    if (!seconds || m_session->currentVideoUrl().isEmpty())
        return;
    const MainWindow::Outlets &o = m_window->outlets();
    m_session->resetUpdateTimes();
    o.seekTimeSlider->setCurrentSliderValue(*seconds);
    o.bigMovieView->seekExactly(*seconds);
    if (o.smallMovieView->hasMovie())
        o.smallMovieView->seekExactly(*seconds);
}

void MainWindowController::onPlayViews()
{
    if (const std::optional<double> seconds = std::exchange(m_pendingSeek, std::nullopt))
        jumpTo(seconds);
    const MainWindow::Outlets &o = m_window->outlets();
    const QString image = PlaybackSession::playPauseButtonImage(false);
    o.playPauseButton->setImage(image);
    m_fullScreen->movieWindow()->playPauseButton()->setImage(image);
    m_videoPlayTimer.start();
    m_dashboard->startAnimation();
    o.bigMovieView->play();
    if (o.smallMovieView->hasMovie())
        o.smallMovieView->play();
}

void MainWindowController::onPauseViews()
{
    const MainWindow::Outlets &o = m_window->outlets();
    const QString image = PlaybackSession::playPauseButtonImage(true);
    o.playPauseButton->setImage(image);
    m_fullScreen->movieWindow()->playPauseButton()->setImage(image);
    o.bigMovieView->pause();
    o.smallMovieView->pause();
    m_videoPlayTimer.stop();
    m_dashboard->stopAnimation();
}

void MainWindowController::onVideoStopped()
{
    const MainWindow::Outlets &o = m_window->outlets();
    if (o.bigMovieView->hasMovie())
        o.bigMovieView->setCurrentTime(0.0);
    if (o.smallMovieView->hasMovie())
        o.smallMovieView->setCurrentTime(0.0);
    o.seekTimeSlider->setCurrentSliderValue(0.0);
}

void MainWindowController::onSwapViews()
{
    const MainWindow::Outlets &o = m_window->outlets();
    o.bigMovieView->swapPlayerItemWith(o.smallMovieView);
    o.bigMovieView->setFront(!o.bigMovieView->front());
    o.smallMovieView->setFront(!o.smallMovieView->front());
    m_sound->apply();
}

// The views.

PlaybackSession::View MainWindowController::viewOf(const TorvaAVView *view) const
{
    return view == m_window->outlets().smallMovieView ? View::Small : View::Large;
}

TorvaAVView *MainWindowController::widgetOf(PlaybackSession::View view) const
{
    return view == View::Small ? m_window->outlets().smallMovieView
                               : m_window->outlets().bigMovieView;
}

void MainWindowController::torvaAVViewDidUpdateTime(TorvaAVView *view, double)
{
    const MainWindow::Outlets &o = m_window->outlets();
    if (m_resumeAfterSpeedChange && !o.bigMovieView->isSeeking() &&
        !o.smallMovieView->isSeeking()) {
        m_resumeAfterSpeedChange = false;
        if (!m_session->isVideoPaused()) {
            o.bigMovieView->play();
            o.smallMovieView->play();
        }
    }
    if (view != m_window->outlets().bigMovieView || !m_awaitingFrameStep)
        return;
    m_awaitingFrameStep = false;
    refreshReadouts();
}

void MainWindowController::torvaAVViewDidUpdateRate(TorvaAVView *, double) {}

void MainWindowController::torvaAVViewDidUpdateStatus(TorvaAVView *view, VideoStatus status)
{
    const MainWindow::Outlets &o = m_window->outlets();
    if (view == o.bigMovieView && status == VideoStatus::ReadyToPlay)
        o.seekTimeSlider->setMaxSliderValue(view->duration());
    if (status == VideoStatus::ReadyToPlay)
        m_sound->apply();
    updateMovieViewCoverScrren();
    m_session->torvaAVViewDidUpdateStatus(viewOf(view), status);
}

void MainWindowController::torvaAVViewDidPlayToEndTime(TorvaAVView *view)
{
    // Only the large view's end ends the recording (and stops the timers);
    // a shorter rear file just stops on its last picture.
    m_session->torvaAVViewDidPlayToEndTime(viewOf(view));
}

void MainWindowController::torvaAVViewDidRequestFullscreen(TorvaAVView *view)
{
    toggleFullScreen(viewOf(view));
}

// Transport.

void MainWindowController::playPauseButtonTouched()
{
    m_session->playPauseButtonTouched();
}

void MainWindowController::stopButtonTouched()
{
    m_session->stopVideo();
}

void MainWindowController::rewindButtonTouched()
{
    m_session->pauseVideo();
    const MainWindow::Outlets &o = m_window->outlets();
    o.bigMovieView->stepBackward();
    o.smallMovieView->stepBackward();
    // The read-outs follow when the large view's step lands.
    m_awaitingFrameStep = true;
}

void MainWindowController::fastForwardButtonTouched()
{
    m_session->pauseVideo();
    const MainWindow::Outlets &o = m_window->outlets();
    o.bigMovieView->stepForward();
    o.smallMovieView->stepForward();
    m_awaitingFrameStep = true;
}

void MainWindowController::playNextFileButtonTouched()
{
    const int row = int(m_library.nextRow(selectedRow()));
    if (row < 0)
        return;
    selectRow(row);
    playVideoWithIdx(row);
}

void MainWindowController::playPrevFileButtonTouched()
{
    const int row = int(m_library.previousRow(selectedRow()));
    if (row < 0)
        return;
    selectRow(row);
    playVideoWithIdx(row);
}

void MainWindowController::playVideoTimerCallback()
{
    const TorvaAVView *big = m_window->outlets().bigMovieView;
    m_dashboard->show(m_session->playVideoTimerCallback(big->currentTime(), big->duration()));
    m_trips->showPlayTime(big->currentTime());
}

void MainWindowController::refreshReadouts()
{
    m_session->resetUpdateTimes();
    playVideoTimerCallback();
}

void MainWindowController::seekTimeSliderTouchedUp(double value)
{
    m_session->resetUpdateTimes();
    const MainWindow::Outlets &o = m_window->outlets();
    o.bigMovieView->setCurrentTime(value);
    if (o.smallMovieView->hasMovie())
        o.smallMovieView->setCurrentTime(value);
}

void MainWindowController::enableVideoControls(bool enabled)
{
    const MainWindow::Outlets &o = m_window->outlets();
    for (QWidget *control : std::initializer_list<QWidget *>{
             o.snapshotButton,     o.printButton,        o.playPauseButton,   o.stopButton,
             o.muteButton,         o.bigMovieView,       o.smallMovieView,    o.swapButton,
             o.seekTimeSlider,     o.volumeSlider,       o.flipButton,        o.fullscreenButton,
             o.resetZoomButton,    o.zoomOutButton,      o.zoomInButton,      o.panButton,
             o.playNextFileButton, o.playPrevFileButton, o.fastForwardButton, o.rewindButton})
        control->setEnabled(enabled);
    for (QWidget *picture :
         std::initializer_list<QWidget *>{o.carShockImage, o.earthImage, o.gpsImage, o.speedMeter})
        picture->setVisible(enabled);
    if (enabled && o.volumeSlider->isMuted())
        o.volumeSlider->setEnabled(false);
}

void MainWindowController::updateMovieViewCoverScrren()
{
    const MainWindow::Outlets &o = m_window->outlets();
    o.bigMovieStack->setCurrentIndex(o.bigMovieView->hasMovie() ? 1 : 0);
    o.smallMovieStack->setCurrentIndex(o.smallMovieView->hasMovie() ? 1 : 0);
}

// Sound.

void MainWindowController::volumeUp()
{
    m_sound->volumeUp();
}

void MainWindowController::playSpeedFaster()
{
    if (m_playSpeed.faster())
        applyPlaySpeed();
}

void MainWindowController::playSpeedSlower()
{
    if (m_playSpeed.slower())
        applyPlaySpeed();
}

void MainWindowController::playSpeedNormal()
{
    if (m_playSpeed.reset())
        applyPlaySpeed();
}

void MainWindowController::applyPlaySpeed()
{
    const MainWindow::Outlets &o = m_window->outlets();
    const bool both = o.bigMovieView->hasMovie() && o.smallMovieView->hasMovie();
    // Both stop, land on one time and go on together at the new speed, so
    // that neither has to catch up with the other.
    m_resumeAfterSpeedChange = both && !m_session->isVideoPaused();
    for (TorvaAVView *view : {o.bigMovieView, o.smallMovieView}) {
        if (m_resumeAfterSpeedChange)
            view->pause();
        view->setPlaySpeed(m_playSpeed.value());
    }
    if (both) {
        // The whole second they land on is a key frame of the cameras' files:
        // both are ready to go on at once.
        const double now = o.bigMovieView->currentTime();
        o.bigMovieView->setCurrentTime(now);
        o.smallMovieView->setCurrentTime(now);
    }
    o.playSpeedLabel->setText(PlaybackSpeed::label(m_playSpeed.value()));
    o.playSpeedLabel->setVisible(!m_playSpeed.isNormal());
}

void MainWindowController::markInTouched()
{
    m_clipActions->markIn();
}

void MainWindowController::markOutTouched()
{
    m_clipActions->markOut();
}

void MainWindowController::volumeDown()
{
    m_sound->volumeDown();
}

void MainWindowController::toggleMuteButtonTouched()
{
    m_sound->toggleMute();
}

// The picture.

void MainWindowController::videoRotateButtonTouched()
{
    const MainWindow::Outlets &o = m_window->outlets();
    const bool upsideDown = !o.bigMovieView->upsideDown();
    o.bigMovieView->setUpsideDown(upsideDown);
    o.smallMovieView->setUpsideDown(upsideDown);
}

void MainWindowController::toggleVideoSwithButtonTouched()
{
    m_session->toggleVideoSwithButtonTouched();
}

void MainWindowController::videoScaleUpButtonTouched()
{
    m_zoom->scaleUp();
}

void MainWindowController::videoScaleDownButtonTouched()
{
    m_zoom->scaleDown();
}

void MainWindowController::resetVideoScaleButtonTouched()
{
    m_zoom->reset();
}

void MainWindowController::enterScrollMode()
{
    m_zoom->enterScrollMode();
}

// Full screen.

void MainWindowController::fullscreenButtonTouched()
{
    toggleFullScreen(View::Large);
}

void MainWindowController::toggleFullScreen(PlaybackSession::View view)
{
    if (m_session->isFullScreenMode())
        hideFullScreenMovie();
    else
        showFullScreenMovie(view);
}

void MainWindowController::showFullScreenMovie(PlaybackSession::View view)
{
    if (m_session->isFullScreenMode())
        return;
    m_fullScreen->enter(view, widgetOf(view), widgetOf(otherView(view)));
    m_sound->apply();
}

void MainWindowController::hideFullScreenMovie()
{
    const std::optional<View> view = m_session->fullScreenView();
    if (!view)
        return;
    m_fullScreen->leave(*view, widgetOf(otherView(*view)));
    m_sound->apply();
    m_window->activateWindow();
}

void MainWindowController::appExitButtonTouched()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void MainWindowController::appMinimizeButtonTouched()
{
    m_window->showMinimized();
}
