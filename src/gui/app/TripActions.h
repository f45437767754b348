#pragma once

#include "core/playback/TripPlayback.h"
#include "core/telemetry/DrivingEvents.h"

#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class MainWindow;
class QAction;
class QMenu;
class TorvaClipData;
class TripTableModel;

// Drives as trips, and the driving events of what plays. The trips button
// switches the list between recordings and the card's trips (read on a
// thread of their own); choosing a trip plays its recordings one after
// another, with the trip's route on the map and the trip timeline over the
// seek bar. The "Trips" menu lists the events of the recording, or of the
// whole trip, and jumps to the one chosen; events are marked on the
// acceleration graph and the map.
class TripActions : public QObject
{
    Q_OBJECT

public:
    // What the main window's controller does for the trips.
    struct Host
    {
        std::function<QUrl()> listedFolder;
        std::function<QUrl()> playingRecording;
        std::function<const TorvaClipData &()> playingTrack;
        // Lists the recording, plays it and goes to seconds once it plays.
        std::function<void(const QString &path, double seconds)> playRecordingAt;
        // A time of the recording that plays.
        std::function<void(double seconds)> seekTo;
        std::function<void()> nextEvent;
        std::function<void()> previousEvent;
    };

    TripActions(MainWindow *window, Host host, QObject *parent = nullptr);
    ~TripActions() override;

    void tripsButtonTouched();
    bool isShowingTrips() const;
    const TripTableModel *tripModel() const { return m_model; }
    // The listed folder changed: its trips are read again when shown, and a
    // trip from elsewhere ends.
    void folderListed();
    void playTrip(int row);
    const TripPlayback &tripPlayback() const { return m_trip; }

    // A recording is ready to play: a recording outside the trip ends it.
    // Returns the recording's events, marked on the graph and the map.
    QList<DrivingEvents::Event> recordingPrepared();
    void showPlayTime(double seconds);
    // The recording of the trip after the one playing; none outside a trip
    // or after its last recording.
    std::optional<QString> nextOfTrip() const;

    QMenu *menu() const { return m_menu; }
    // The events the menu lists: of the trip while one plays, with times
    // from the trip's start, else of the recording.
    const QList<DrivingEvents::Event> &listedEvents() const { return m_listedEvents; }
    void applyLanguageSettings();

private:
    using Tracks = std::vector<std::shared_ptr<const TorvaClipData>>;

    void readTrips();
    void endTrip();
    void readTripTracks();
    void showTripTracks(Tracks tracks);
    void showEvents();
    void rebuildMenu();
    void redrawRoute();
    void eventChosen(const DrivingEvents::Event &event);
    DrivingEvents::Thresholds thresholds() const;

    MainWindow *m_window;
    Host m_host;
    TripTableModel *m_model;
    QMenu *m_menu;
    QAction *m_tripsAction;
    QAction *m_nextAction;
    QAction *m_previousAction;
    QAction *m_bySpeedAction;
    TripPlayback m_trip;
    Tracks m_tripTracks;
    QList<DrivingEvents::Event> m_recordingEvents;
    QList<DrivingEvents::Event> m_listedEvents;
    // Results of reads that a later read overtook are dropped.
    int m_tripsRead = 0;
    int m_tracksRead = 0;
    bool m_tripsStale = true;
};
