#include "gui/app/TripActions.h"

#include "core/displays/MapScript.h"
#include "core/displays/TorvaSpeedUnit.h"
#include "core/i18n/TorvaLanguages.h"
#include "core/i18n/TorvaPreferences.h"
#include "core/library/TripGrouping.h"
#include "core/library/TripTexts.h"
#include "core/telemetry/TelemetrySampleIndex.h"
#include "core/telemetry/TorvaClipData.h"
#include "gui/app/BackgroundTask.h"
#include "gui/app/MainWindow.h"
#include "gui/app/MapCoverView.h"
#include "gui/app/TripTableModel.h"
#include "gui/controls/ImageButton.h"
#include "gui/controls/TorvaControls.h"
#include "gui/displays/GravityGraphView.h"
#include "gui/displays/TripTimelineView.h"

#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTableView>

namespace {

double secondsOf(const DrivingEvents::Event &event)
{
    return double(event.milliseconds) / 1000.0;
}

} // namespace

TripActions::TripActions(MainWindow *window, Host host, QObject *parent)
    : QObject(parent), m_window(window), m_host(std::move(host)), m_model(new TripTableModel(this))
{
    const MainWindow::Outlets &o = window->outlets();
    o.tripTable->setModel(m_model);
    o.tripTable->horizontalHeader()->setStretchLastSection(false);
    o.tripTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    o.tripTable->horizontalHeader()->setSectionResizeMode(TripTableModel::Start,
                                                          QHeaderView::Stretch);
    connect(o.tripsButton, &ImageButton::clicked, this, &TripActions::tripsButtonTouched);
    connect(o.tripTable, &QTableView::activated, this,
            [this](const QModelIndex &index) { playTrip(index.row()); });
    connect(o.tripTimeline, &TripTimelineView::jumpRequested, this, [this](double tripSeconds) {
        const TripPlayback::Place place = m_trip.placeAt(tripSeconds);
        const QString path = m_trip.trip().recordings.value(place.index).path;
        if (place.index == m_trip.indexOf(m_host.playingRecording().toLocalFile()))
            m_host.seekTo(place.seconds);
        else
            m_host.playRecordingAt(path, place.seconds);
    });

    m_menu = window->menuBar()->addMenu(QString());
    m_tripsAction = m_menu->addAction(QString(), this, &TripActions::tripsButtonTouched);
    m_tripsAction->setCheckable(true);
    m_tripsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_bySpeedAction = m_menu->addAction(QString());
    m_bySpeedAction->setCheckable(true);
    m_bySpeedAction->setChecked(
        TorvaPreferences().value(TorvaPreferences::kRouteBySpeedKey).toBool());
    connect(m_bySpeedAction, &QAction::toggled, this, [this](bool bySpeed) {
        TorvaPreferences preferences;
        preferences.setValue(TorvaPreferences::kRouteBySpeedKey, bySpeed);
        preferences.save();
        redrawRoute();
    });
    m_menu->addSeparator();
    // The keys themselves reach the window's key handling.
    m_nextAction = m_menu->addAction(QString(), this, [this] { m_host.nextEvent(); });
    m_previousAction = m_menu->addAction(QString(), this, [this] { m_host.previousEvent(); });
    connect(TorvaSpeedUnit::SharedTorvaSpeedUnit(), &TorvaSpeedUnit::refreshSpeedUnit, this,
            [this] {
                m_model->refreshTexts();
                redrawRoute();
            });
    applyLanguageSettings();
}

TripActions::~TripActions()
{
    m_window->outlets().mapView->setTripTracks({});
}

DrivingEvents::Thresholds TripActions::thresholds() const
{
    return DrivingEvents::Thresholds::fromPreferences(TorvaPreferences());
}

// The list.

bool TripActions::isShowingTrips() const
{
    const MainWindow::Outlets &o = m_window->outlets();
    return o.libraryStack->currentWidget() == o.tripTable;
}

void TripActions::tripsButtonTouched()
{
    const MainWindow::Outlets &o = m_window->outlets();
    const bool show = !isShowingTrips();
    o.libraryStack->setCurrentWidget(show ? o.tripTable : o.fileTable);
    TorvaControls::showListButtonChosen(o.tripsButton, show);
    m_tripsAction->setChecked(show);
    if (show && m_tripsStale)
        readTrips();
}

void TripActions::folderListed()
{
    // A trip of another folder, or of a card that went, is over.
    const QString folder = m_host.listedFolder().toLocalFile();
    if (m_trip.isActive() &&
        (folder.isEmpty() || !m_trip.trip().recordings.first().path.startsWith(folder + u'/')))
        endTrip();
    m_tripsStale = true;
    if (isShowingTrips())
        readTrips();
}

void TripActions::readTrips()
{
    m_tripsStale = false;
    m_model->setLoading();
    const QUrl folder = m_host.listedFolder();
    const double gap = TripGrouping::gapSeconds(TorvaPreferences());
    const int read = ++m_tripsRead;
    runInBackground(
        this, [folder, gap] { return TripGrouping::tripsOfCard(folder, gap); },
        [this, read](QList<Trip> trips) {
            if (read == m_tripsRead)
                m_model->setTrips(std::move(trips));
        });
}

// Playing a trip.

void TripActions::playTrip(int row)
{
    if (row < 0 || row >= m_model->trips().size())
        return;
    m_trip.setTrip(m_model->trips().at(row));
    QList<double> lengths;
    for (const Trip::Recording &recording : m_trip.trip().recordings)
        lengths.append(recording.seconds);
    const MainWindow::Outlets &o = m_window->outlets();
    o.tripTimeline->setRecordingLengths(lengths);
    m_window->setTripTimelineShown(true);
    readTripTracks();
    m_host.playRecordingAt(m_trip.trip().recordings.first().path, 0.0);
}

void TripActions::endTrip()
{
    m_trip.clear();
    m_tripTracks.clear();
    ++m_tracksRead;
    m_window->outlets().mapView->setTripTracks({});
    m_window->outlets().tripTimeline->setRecordingLengths({});
    m_window->setTripTimelineShown(false);
}

void TripActions::readTripTracks()
{
    m_tripTracks.clear();
    m_window->outlets().mapView->setTripTracks({});
    QStringList paths;
    for (const Trip::Recording &recording : m_trip.trip().recordings)
        paths.append(recording.path);
    const int read = ++m_tracksRead;
    runInBackground(
        this,
        [paths] {
            Tracks tracks;
            for (const QString &path : paths) {
                auto track = std::make_shared<TorvaClipData>();
                track->loadRecording(path);
                tracks.push_back(std::move(track));
            }
            return tracks;
        },
        [this, read](Tracks tracks) {
            if (read == m_tracksRead)
                showTripTracks(std::move(tracks));
        });
}

void TripActions::showTripTracks(Tracks tracks)
{
    m_tripTracks = std::move(tracks);
    QList<const TorvaClipData *> route;
    for (const auto &track : m_tripTracks)
        route.append(track.get());
    m_window->outlets().mapView->setTripTracks(route);
    redrawRoute();
    showEvents();
}

void TripActions::redrawRoute()
{
    if (!m_host.playingRecording().isEmpty())
        m_window->outlets().mapView->addRoute(m_host.playingTrack());
}

QList<DrivingEvents::Event> TripActions::recordingPrepared()
{
    const QString playing = m_host.playingRecording().toLocalFile();
    if (m_trip.isActive() && m_trip.indexOf(playing) < 0)
        endTrip();
    m_recordingEvents = DrivingEvents::detect(m_host.playingTrack(), thresholds());
    for (DrivingEvents::Event &event : m_recordingEvents)
        event.file = playing;
    QList<int32_t> samples;
    for (const DrivingEvents::Event &event : m_recordingEvents)
        samples.append(int32_t(event.milliseconds / TelemetrySampleIndex::kMillisecondsPerSample));
    m_window->outlets().gravityGraph->setEventMarks(samples);
    showEvents();
    showPlayTime(0.0);
    return m_recordingEvents;
}

void TripActions::showPlayTime(double seconds)
{
    if (m_trip.isActive())
        m_window->outlets().tripTimeline->setPlace(
            m_trip.indexOf(m_host.playingRecording().toLocalFile()), seconds);
}

std::optional<QString> TripActions::nextOfTrip() const
{
    return m_trip.nextAfter(m_host.playingRecording().toLocalFile());
}

// Events.

void TripActions::showEvents()
{
    QList<MapScript::EventMarker> markers;
    const auto mark = [&markers](const DrivingEvents::Event &event, const TorvaClipData &track) {
        if (const auto place = DrivingEvents::placeOf(track, event.milliseconds))
            markers.append({place->lat, place->lng,
                            QLatin1String(DrivingEvents::kindName(event.kind)),
                            TorvaLanguages::text(TripTexts::eventKindKey(event.kind))});
    };
    const bool wholeTrip = m_trip.isActive() && !m_tripTracks.empty();
    if (wholeTrip) {
        m_listedEvents.clear();
        for (size_t i = 0; i < m_tripTracks.size(); ++i) {
            const QString path = m_trip.trip().recordings.at(qsizetype(i)).path;
            for (DrivingEvents::Event event :
                 DrivingEvents::detect(*m_tripTracks[i], thresholds())) {
                event.file = path;
                mark(event, *m_tripTracks[i]);
                m_listedEvents.append(event);
            }
        }
    } else {
        m_listedEvents = m_recordingEvents;
        if (!m_host.playingRecording().isEmpty()) {
            for (const DrivingEvents::Event &event : m_recordingEvents)
                mark(event, m_host.playingTrack());
        }
    }
    m_window->outlets().mapView->setEventMarkers(markers);
    rebuildMenu();
}

void TripActions::rebuildMenu()
{
    const QList<QAction *> actions = m_menu->actions();
    const qsizetype fixed = actions.indexOf(m_previousAction) + 1;
    for (qsizetype i = fixed; i < actions.size(); ++i) {
        m_menu->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    m_menu->addSeparator();
    if (m_listedEvents.isEmpty()) {
        m_menu->addAction(TorvaLanguages::text("이벤트 없음"))->setEnabled(false);
        return;
    }
    for (const DrivingEvents::Event &event : std::as_const(m_listedEvents)) {
        const qsizetype index = m_trip.indexOf(event.file);
        const double seconds = (index >= 0 ? m_trip.offsetOf(index) : 0.0) + secondsOf(event);
        const QString text = QStringLiteral("%1   %2   %3 g")
                                 .arg(TripTexts::eventTimeText(seconds),
                                      TorvaLanguages::text(TripTexts::eventKindKey(event.kind)))
                                 .arg(event.peakG, 0, 'f', 2);
        m_menu->addAction(text, this, [this, event] { eventChosen(event); });
    }
}

void TripActions::eventChosen(const DrivingEvents::Event &event)
{
    if (event.file == m_host.playingRecording().toLocalFile())
        m_host.seekTo(secondsOf(event));
    else
        m_host.playRecordingAt(event.file, secondsOf(event));
}

void TripActions::applyLanguageSettings()
{
    m_window->outlets().tripsButton->setText(TorvaLanguages::text("주행"));
    m_menu->setTitle(TorvaLanguages::text("주행"));
    m_tripsAction->setText(TorvaLanguages::text("주행 목록"));
    m_bySpeedAction->setText(TorvaLanguages::text("속도별 경로 색상"));
    m_nextAction->setText(TorvaLanguages::text("다음 이벤트") + QStringLiteral("\t."));
    m_previousAction->setText(TorvaLanguages::text("이전 이벤트") + QStringLiteral("\t,"));
    m_model->refreshTexts();
    showEvents();
}
