#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointF>

class ElidingLabel;
class GravityGraphView;
class ImageButton;
class MainWindowKeyDelegate;
class MapCoverView;
class QKeyEvent;
class QLabel;
class QScrollArea;
class QSizeGrip;
class QStackedWidget;
class QTableView;
class SeekTimeSliderView;
class SpeedMeterView;
class TorvaAVView;
class TorvaImageView;
class TripTimelineView;
class VolumeSliderView;

// The viewer's window, skinned and without a title bar: the recording table with its filter and
// folder buttons, the large (front) and small (rear) video, the map area, the transport and zoom
// controls, and the telemetry dashboard. It only lays the controls out; MainWindowController gives
// them their behaviour. Keys go to the keyEventDelegate.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The controls, as the controller reaches them.
    struct Outlets
    {
        ImageButton *appExitButton = nullptr;
        ImageButton *appMinimizeButton = nullptr;
        ImageButton *selectFolderButton = nullptr;
        QList<ImageButton *> filterButtons; // by RecordingFilter::Group
        ElidingLabel *selectedFolderLabel = nullptr;
        QTableView *fileTable = nullptr;
        // The list shows recordings, or trips while the trips button is on.
        ImageButton *tripsButton = nullptr;
        QTableView *tripTable = nullptr;
        QStackedWidget *libraryStack = nullptr;
        QLabel *modelLabel = nullptr;
        QLabel *versionLabel = nullptr;

        QScrollArea *bigMovieScrollView = nullptr;
        TorvaAVView *bigMovieView = nullptr;
        TorvaAVView *smallMovieView = nullptr;
        // Holds the small view in its layout; it comes back here from full screen.
        QWidget *smallMovieSlot = nullptr;
        // Each view, or its cover picture while it has no movie.
        QStackedWidget *bigMovieStack = nullptr;
        QStackedWidget *smallMovieStack = nullptr;
        MapCoverView *mapView = nullptr;

        SeekTimeSliderView *seekTimeSlider = nullptr;
        // Over the seek bar while a trip plays (setTripTimelineShown).
        TripTimelineView *tripTimeline = nullptr;
        QLabel *playTimeLabel = nullptr;
        QLabel *playSpeedLabel = nullptr;
        ImageButton *playPrevFileButton = nullptr;
        ImageButton *rewindButton = nullptr;
        ImageButton *playPauseButton = nullptr;
        ImageButton *stopButton = nullptr;
        ImageButton *fastForwardButton = nullptr;
        ImageButton *playNextFileButton = nullptr;
        ImageButton *swapButton = nullptr;
        ImageButton *flipButton = nullptr;
        ImageButton *zoomOutButton = nullptr;
        ImageButton *resetZoomButton = nullptr;
        ImageButton *zoomInButton = nullptr;
        ImageButton *panButton = nullptr;
        ImageButton *fullscreenButton = nullptr;
        // Export actions: picture to PNG, print, copy or remove the selected recording.
        ImageButton *snapshotButton = nullptr;
        ImageButton *printButton = nullptr;
        ImageButton *saveFileButton = nullptr;
        // Hidden in the toolbar; the table's context menu offers removal.
        ImageButton *removeFileButton = nullptr;
        ImageButton *settingButton = nullptr;
        ImageButton *homePageButton = nullptr;
        ImageButton *muteButton = nullptr;
        VolumeSliderView *volumeSlider = nullptr;

        QLabel *gxLabel = nullptr;
        QLabel *gyLabel = nullptr;
        QLabel *gzLabel = nullptr;
        QLabel *latLabel = nullptr;
        QLabel *lngLabel = nullptr;
        GravityGraphView *gravityGraph = nullptr;
        SpeedMeterView *speedMeter = nullptr;
        TorvaImageView *carShockImage = nullptr;
        TorvaImageView *earthImage = nullptr;
        TorvaImageView *gpsImage = nullptr;
    };

    explicit MainWindow(QWidget *parent = nullptr);

    const Outlets &outlets() const { return m_outlets; }

    // Not owned.
    void setKeyEventDelegate(MainWindowKeyDelegate *delegate) { m_keyEventDelegate = delegate; }
    // The trip timeline's row above the transport band.
    void setTripTimelineShown(bool shown);

    // Sends the key's action to the delegate; true when the key has one.
    bool handleKeyEvent(const QKeyEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Dragging the window by its background (it has no title bar).
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildWindowButtons();
    QWidget *buildLibraryColumn();
    QWidget *buildVideoArea();
    QWidget *buildTransportRow();
    QWidget *buildDashboard();
    ImageButton *addButton(QWidget *parent, const QString &image);
    // Keeps the bands centred in a window wider than the design's 1024.
    void layoutBands();
    QTableView *listTable(QWidget *parent);
    // The trip timeline spans the seek bar.
    void placeTripTimeline();

    Outlets m_outlets;
    // The four bands re-centred on resize.
    QWidget *m_toolbarBg3 = nullptr;
    QWidget *m_dashBg3 = nullptr;
    QWidget *m_toolbarButtons = nullptr;
    QWidget *m_dashboardCtrls = nullptr;
    QWidget *m_tripTimelineRow = nullptr;
    QSizeGrip *m_sizeGrip = nullptr;
    MainWindowKeyDelegate *m_keyEventDelegate = nullptr;
    QPointF m_lastWindowDragLocation;
    bool m_isMovingWindow = false;
};
