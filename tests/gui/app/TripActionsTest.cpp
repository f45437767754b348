#include "../GuiTestEnvironment.h"
#include "ViewerTestSupport.h"

#include "core/i18n/TorvaPreferences.h"
#include "gui/app/MapCoverView.h"
#include "gui/app/TripActions.h"
#include "gui/controls/ImageButton.h"
#include "gui/displays/GravityGraphView.h"
#include "gui/displays/TripTimelineView.h"
#include "gui/video/TorvaAVView.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonObject>
#include <QMenu>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QWebEngineView>

#include <gtest/gtest.h>

using namespace ViewerTestSupport;
using Gui = GuiTestEnvironment;

namespace {

void click(QWidget *widget, QPoint at, bool twice = false)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        Gui::sendMouse(widget, type, at);
    if (twice) {
        Gui::sendMouse(widget, QEvent::MouseButtonDblClick, at);
        Gui::sendMouse(widget, QEvent::MouseButtonRelease, at);
    }
}

QString cell(const QTableView *table, int row, int column)
{
    return table->model()->index(row, column).data().toString();
}

QAction *menuItem(QMenu *menu, const QString &text)
{
    const QList<QAction *> items = menu->actions();
    const auto found = std::find_if(items.rbegin(), items.rend(),
                                    [&](QAction *item) { return item->text().contains(text); });
    return found == items.rend() ? nullptr : *found;
}

} // namespace

// The trips button lists the demo card's trips; its drive of three
// recordings plays as one, with the timeline over the seek bar, the whole
// route and its events on the map, the Trips menu's event list, and the
// next recording of the trip at each end.
TEST(TripActions, PlaysTheDemoDriveAsOneTrip)
{
    ASSERT_TRUE(insertCard());
    Viewer viewer;
    viewer.ignoreMountChanges();
    const MainWindow::Outlets &o = viewer.outlets();
    MainWindowController &controller = viewer.controller;
    const auto playing = [&] { return controller.session().currentVideoUrl().fileName(); };

    click(o.tripsButton, o.tripsButton->rect().center());
    EXPECT_EQ(o.libraryStack->currentWidget(), o.tripTable);
    ASSERT_TRUE(Gui::waitFor([&] { return o.tripTable->model()->rowCount() > 1; }, 30000));
    EXPECT_EQ(cell(o.tripTable, 0, 0), "2026-05-14 08:30");
    EXPECT_EQ(cell(o.tripTable, 0, 1), "1:20");
    EXPECT_EQ(cell(o.tripTable, 0, 2), "0.8 km");
    for (int column = 0; column < 3; ++column)
        EXPECT_GE(o.tripTable->columnWidth(column),
                  o.tripTable->fontMetrics().horizontalAdvance(cell(o.tripTable, 0, column)))
            << "column " << column << " cuts its text";
    Gui::saveScreenshot(o.libraryStack->parentWidget(), QStringLiteral("trips_list"));

    click(o.tripTable->viewport(),
          o.tripTable->visualRect(o.tripTable->model()->index(0, 0)).center(), true);
    ASSERT_TRUE(viewer.bothViewsPlay());
    EXPECT_EQ(playing(), "REC_20260514_083000.avi");
    EXPECT_TRUE(o.tripTimeline->isVisible());
    EXPECT_NEAR(o.tripTimeline->totalSeconds(), 80.0, 0.5);
    EXPECT_EQ(o.gravityGraph->eventMarks(), QList<int32_t>{273});

    // The whole drive's route, with a marker at each of its three brakings.
    QJsonObject map = waitForMapState(o.mapView->mapWebView(), [](const QJsonObject &state) {
        return state["eventMarkers"].toArray().size() == 3;
    });
    EXPECT_EQ(map["eventMarkers"].toArray().size(), 3);
    EXPECT_GT(map["route"].toArray().size(), 70) << "about one point a second of 80 s";
    TripActions *trips = controller.tripActions();
    EXPECT_EQ(trips->listedEvents().size(), 3);

    // Coloured by speed, with the legend in km/h; the map shows from the
    // first fix on.
    ASSERT_TRUE(Gui::waitFor([&] { return o.mapView->isMapShown(); }, kPlayTimeoutMs));
    controller.session().pauseVideo();
    menuItem(trips->menu(), localized("속도별 경로 색상"))->trigger();
    map = waitForMapState(o.mapView->mapWebView(), [](const QJsonObject &state) {
        return state["speedSegments"].toArray().size() > 1;
    });
    ASSERT_EQ(map["legend"].toArray().size(), 5);
    EXPECT_EQ(map["legend"].toArray().first().toString(), "< 20 km/h");
    Gui::wait(500);
    Gui::saveScreenshot(o.mapView->mapWebView(), QStringLiteral("trip_route"));

    // The last braking, chosen in the menu, is in the third recording.
    menuItem(trips->menu(), localized("급제동"))->trigger();
    const double braking = double(trips->listedEvents().last().milliseconds) / 1000.0;
    ASSERT_TRUE(Gui::waitFor(
        [&] {
            return playing() == "REC_20260514_083050.avi" &&
                   std::abs(o.bigMovieView->currentTime() - braking) < 0.3;
        },
        kPlayTimeoutMs));
    EXPECT_TRUE(Gui::waitFor(
        [&] { return std::abs(o.tripTimeline->playedSeconds() - (50.0 + braking)) < 0.5; }));
    controller.session().pauseVideo();
    Gui::wait(300);
    Gui::saveScreenshot(controller.window(), QStringLiteral("trip_events"));

    // A click on the timeline 10 s into the second recording, then its end
    // goes on with the third.
    const int y = o.tripTimeline->height() / 2;
    click(o.tripTimeline, QPoint(int(o.tripTimeline->xOfTime(40.0)), y));
    ASSERT_TRUE(Gui::waitFor(
        [&] {
            return playing() == "REC_20260514_083030.avi" &&
                   std::abs(o.bigMovieView->currentTime() - 10.0) < 1.0;
        },
        kPlayTimeoutMs));
    click(o.tripTimeline, QPoint(int(o.tripTimeline->xOfTime(49.5)), y));
    ASSERT_TRUE(
        Gui::waitFor([&] { return playing() == "REC_20260514_083050.avi"; }, kPlayTimeoutMs));
    EXPECT_TRUE(viewer.bothViewsPlay());

    // A recording outside the trip ends it, and so does another folder.
    ASSERT_TRUE(viewer.play(QStringLiteral("Saved_Videos/REC_20260514_083010.avi")));
    EXPECT_FALSE(o.tripTimeline->isVisible());
    EXPECT_FALSE(trips->tripPlayback().isActive());
    trips->playTrip(0);
    ASSERT_TRUE(trips->tripPlayback().isActive());
    const QTemporaryDir elsewhere;
    controller.refreshVideoFileListWithURL(QUrl::fromLocalFile(elsewhere.path()));
    EXPECT_FALSE(trips->tripPlayback().isActive());
    EXPECT_FALSE(o.tripTimeline->isVisible());
    TorvaPreferences preferences;
    preferences.remove(QLatin1String(TorvaPreferences::kRouteBySpeedKey));
    preferences.save();
}
