// The time from choosing a recording whose playable files are already cached
// to its first picture shown in both video views, in the real main window on
// a demo card; each pair of recordings is chosen in turn, as a double click
// on its row does. Needs a display (xvfb-run). Prints median, min and max of
// each stage, counted from the choice.
#include "StandInVolumes.h"
#include "TemporaryHome.h"

#include "core/i18n/TorvaPreferences.h"
#include "core/library/DemoCardWriter.h"
#include "gui/app/MainWindow.h"
#include "gui/app/MainWindowController.h"
#include "gui/video/TorvaAVView.h"
#include "gui/websettings/CardPageSchemeHandler.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <array>
#include <clocale>
#include <cstdio>
#include <vector>

namespace {

constexpr int kChoices = 20;
constexpr int kTimeoutMs = 60000;
// A person looks at a recording for a moment before choosing the next.
constexpr int kPauseMs = 500;

// Milliseconds from the choice to each stage; -1 when it did not come.
struct Stages
{
    double prepared = -1;                  // the cache answered and the telemetry is read
    std::array<double, 2> painted{-1, -1}; // large, small: drawn into the view
    std::array<double, 2> shown{-1, -1};   // and handed to the screen
    double both() const
    {
        return std::min(shown[0], shown[1]) < 0 ? -1 : std::max(shown[0], shown[1]);
    }
};

void pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs choose and times the stages until both views show a picture of a file
// other than the one they showed before.
Stages measure(MainWindowController &controller, const std::function<void()> &choose)
{
    const MainWindow::Outlets &outlets = controller.window()->outlets();
    const std::array<TorvaAVView *, 2> views = {outlets.bigMovieView, outlets.smallMovieView};
    const std::array<QString, 2> before = {views[0]->fileName(), views[1]->fileName()};
    Stages stages;
    QElapsedTimer clock;
    QEventLoop loop;
    const auto now = [&clock] { return double(clock.nsecsElapsed()) / 1e6; };
    std::vector<QMetaObject::Connection> connections;
    connections.push_back(
        QObject::connect(&controller.session(), &PlaybackSession::recordingPrepared, [&] {
            if (stages.prepared < 0)
                stages.prepared = now();
        }));
    for (size_t i = 0; i < views.size(); ++i) {
        TorvaAVView *view = views[i];
        connections.push_back(QObject::connect(view, &TorvaAVView::framePainted, [&, i, view] {
            if (stages.painted[i] < 0 && !view->fileName().isEmpty() &&
                view->fileName() != before[i])
                stages.painted[i] = now();
        }));
        connections.push_back(QObject::connect(view, &QOpenGLWidget::frameSwapped, [&, i] {
            if (stages.painted[i] >= 0 && stages.shown[i] < 0)
                stages.shown[i] = now();
            if (stages.both() >= 0)
                loop.quit();
        }));
    }
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    clock.start();
    choose();
    loop.exec();
    for (const auto &connection : connections)
        QObject::disconnect(connection);
    return stages;
}

void printStage(const char *name, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    if (values.empty() || values.front() < 0) {
        std::printf("  %-28s missing in some runs\n", name);
        return;
    }
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    std::printf("  %-28s median %7.1f ms  min %7.1f ms  max %7.1f ms\n", name, median,
                values.front(), values.back());
}

// The first open of each recording converts it into the cache; then the two
// are chosen in turn from the table, starting with the one not showing.
bool benchPair(MainWindowController &controller, const QString &card, const QString &first,
               const QString &second)
{
    const QStringList paths = {QDir(card).filePath(first), QDir(card).filePath(second)};
    for (const QString &path : paths) {
        const Stages converting = measure(controller, [&] { controller.openPath(path); });
        if (converting.both() < 0) {
            std::fprintf(stderr, "no picture of %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s, first open (converting): %.1f ms\n",
                    qPrintable(QDir(card).relativeFilePath(path)), converting.both());
        pause(kPauseMs);
    }
    std::vector<Stages> runs;
    for (int i = 0; i < kChoices; ++i) {
        const int row = int(controller.library().filteredVideoFileList().indexOf(
            QUrl::fromLocalFile(paths[i % 2])));
        if (row < 0) {
            std::fprintf(stderr, "no row for %s\n", qPrintable(paths[i % 2]));
            return false;
        }
        controller.selectRow(row);
        runs.push_back(measure(controller, [&] { controller.videoFileListDoubleClicked(); }));
        pause(kPauseMs);
    }
    std::printf("%s <-> %s, %d choices of a cached recording:\n", qPrintable(first),
                qPrintable(second), kChoices);
    const auto stage = [&](auto pick) {
        std::vector<double> values;
        for (const Stages &run : runs)
            values.push_back(pick(run));
        return values;
    };
    printStage("prepared (cache, telemetry)", stage([](const Stages &s) { return s.prepared; }));
    printStage("large view painted", stage([](const Stages &s) { return s.painted[0]; }));
    printStage("small view painted", stage([](const Stages &s) { return s.painted[1]; }));
    printStage("large view shown", stage([](const Stages &s) { return s.shown[0]; }));
    printStage("small view shown", stage([](const Stages &s) { return s.shown[1]; }));
    printStage("both views shown", stage([](const Stages &s) { return s.both(); }));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    TemporaryHome home;
    StandInVolumes volumes;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = home.path(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    // As the viewer program starts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    CardPageSchemeHandler::registerScheme();
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(QString::fromLatin1(TorvaPreferences::kOrganization));
    QCoreApplication::setApplicationName(QString::fromLatin1(TorvaPreferences::kApplication));

    const QString card = volumes.volume(QStringLiteral("TORVA_CARD"));
    const DemoCardWriter::Result written = DemoCardWriter::write(card);
    if (!written.ok) {
        std::fprintf(stderr, "cannot write the demo card: %s\n", qPrintable(written.error));
        return 1;
    }
    MainWindowController controller;
    controller.showMainWindow();
    pause(kPauseMs);
    const bool ok = benchPair(controller, card, QStringLiteral("cont_rec/REC_20260514_083000.avi"),
                              QStringLiteral("cont_rec/REC_20260514_083030.avi")) &&
                    benchPair(controller, card, QStringLiteral("evt_rec/EVT_20260514_083050_F.mp4"),
                              QStringLiteral("evt_rec/EVT_20260514_083050_R.mp4"));
    return ok ? 0 : 1;
}
