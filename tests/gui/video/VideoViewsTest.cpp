#include "../GuiTestEnvironment.h"

#include "core/video/ChildProcess.h"
#include "core/video/Utils.h"
#include "gui/video/TorvaAVView.h"
#include "gui/video/TorvaAVViewDelegate.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

namespace {

constexpr double kFrame = 1.0 / 30.0;
// Mean channel differences: the same picture drawn twice stays well below
// the first, different pictures stay well above the second.
constexpr double kSamePicture = 6.0;
constexpr double kOtherPicture = 25.0;

bool until(const std::function<bool()> &condition)
{
    return GuiTestEnvironment::waitFor(condition);
}

bool ffmpeg(const QStringList &arguments)
{
    QProcess process;
    ChildProcess::start(process, Utils::GetFFMPEGPath(),
                        QStringList{"-nostdin", "-y", "-v", "error"} + arguments);
    process.waitForFinished(60000);
    return ChildProcess::succeeded(process);
}

// A 3 s H.264 movie of the lavfi source at 30 frames per second, without
// sound, made once for the whole run.
QString movie(const QString &source = QStringLiteral("testsrc2"),
              const QString &size = QStringLiteral("320x180"))
{
    static QTemporaryDir dir;
    const QString file = dir.filePath(source + size + QStringLiteral(".mov"));
    EXPECT_TRUE(
        QFile::exists(file) ||
        ffmpeg({"-f", "lavfi", "-i", source + "=size=" + size + ":rate=30", "-t", "3", "-c:v",
                "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "30", file}));
    return file;
}

// ffmpeg's own decoding of the frame at the time.
QImage frameAt(const QString &moviePath, double seconds)
{
    QTemporaryDir dir;
    ffmpeg({"-ss", QString::number(seconds), "-i", moviePath, "-frames:v", "1",
            dir.filePath("frame.png")});
    return QImage(dir.filePath("frame.png"));
}

// The mean difference of the pictures' channels, 0 to 255, the second
// scaled to the first's size.
double difference(const QImage &picture, const QImage &reference)
{
    if (picture.isNull() || reference.isNull())
        return 255.0;
    const QImage a = picture.convertToFormat(QImage::Format_RGB888);
    const QImage b = reference.scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB888);
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y)
        for (int i = 0; i < 3 * a.width(); ++i)
            sum += std::abs(a.constScanLine(y)[i] - b.constScanLine(y)[i]);
    return sum / (3.0 * a.width() * a.height());
}

// A view in the window, shown and ready to draw, and what it tells its
// delegate.
class Player : public TorvaAVViewDelegate
{
public:
    explicit Player(QWidget &window, int x = 0) : view(*new TorvaAVView(&window))
    {
        view.setGeometry(x, 0, 320, 180);
        view.setDelegate(this);
        view.setLoadingSpinner(new QProgressBar);
        view.setNoVideoView(new QWidget);
        window.resize(660, 200);
        window.show();
        view.show();
        EXPECT_TRUE(until([this] { return view.isValid(); }));
    }
    bool load(const QString &file)
    {
        view.setFileName(file);
        return until(
            [this] { return statuses.value(statuses.size() - 1) == VideoStatus::ReadyToPlay; });
    }
    // Seeks and waits until the seek has landed where expected; the view
    // tells the target time at once.
    bool seek(double seconds, double expected)
    {
        times.clear();
        view.setCurrentTime(seconds);
        return until(
            [=, this] { return std::abs(times.value(times.size() - 1, -1) - expected) < 2e-3; });
    }
    // Waits until the view draws the picture, mirrored as the view mirrors.
    bool shows(const QImage &picture)
    {
        const QImage seen = picture.mirrored(view.leftsideRight(), view.upsideDown());
        return until([&] { return difference(view.grabFramebuffer(), seen) < kSamePicture; });
    }
    void torvaAVViewDidUpdateTime(TorvaAVView *, double seconds) override { times << seconds; }
    void torvaAVViewDidUpdateRate(TorvaAVView *, double) override {}
    void torvaAVViewDidUpdateStatus(TorvaAVView *, VideoStatus status) override
    {
        statuses << status;
    }
    void torvaAVViewDidPlayToEndTime(TorvaAVView *) override { ++ends; }
    void torvaAVViewDidRequestFullscreen(TorvaAVView *) override { ++fullscreenRequests; }
    TorvaAVView &view;
    QList<double> times;
    QList<VideoStatus> statuses;
    int ends = 0, fullscreenRequests = 0;
};

TEST(TorvaAVView, ReportsTheStatusOfGoodAndBrokenFiles)
{
    using enum VideoStatus;
    QWidget window;
    Player player(window);
    TorvaAVView &view = player.view;
    // A right click asks for full screen, a left one does not.
    GuiTestEnvironment::sendMouse(&view, QEvent::MouseButtonRelease, {160, 90});
    GuiTestEnvironment::sendMouse(&view, QEvent::MouseButtonRelease, {160, 90}, Qt::RightButton);
    const QString file = movie();
    view.setFileName(file);
    EXPECT_EQ(view.status(), Loading);
    EXPECT_TRUE(view.hasMovie() && view.loadingSpinner()->isVisible());
    EXPECT_TRUE(player.statuses.isEmpty()) << "status reports arrive from the event loop";
    ASSERT_TRUE(until([&] { return player.statuses.size() == 4; }));
    EXPECT_EQ(player.statuses, (QList{NoFile, Loading, Unknown, ReadyToPlay}));
    EXPECT_EQ(view.status(), ReadyToPlay);
    EXPECT_NEAR(view.duration(), 3.0, 0.05);
    EXPECT_DOUBLE_EQ(view.currentTime(), 0.0);
    EXPECT_TRUE(until([&] { return !view.loadingSpinner()->isVisible(); }));
    EXPECT_FALSE(view.noVideoView()->isVisible());
    EXPECT_EQ(player.fullscreenRequests, 1);
    // An empty name closes the file without loading another.
    view.setFileName(QString());
    EXPECT_EQ(view.status(), NoFile);
    EXPECT_TRUE(view.fileURL().isEmpty() && !view.hasMovie() && view.snapshot().isNull());
    EXPECT_DOUBLE_EQ(view.duration(), 0.0);
    // A movie cut short (its index at the end is missing), and no file.
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.mov"));
    ASSERT_TRUE(QFile::copy(file, broken) && QFile::resize(broken, 4096));
    for (const QString &name : {broken, dir.filePath(QStringLiteral("missing.mov"))}) {
        player.statuses.clear();
        view.setFileName(name);
        EXPECT_TRUE(until([&] { return player.statuses.contains(Failed); }));
        EXPECT_EQ(view.status(), Failed);
        EXPECT_FALSE(view.hasMovie() || view.loadingSpinner()->isVisible());
        EXPECT_TRUE(view.snapshot().isNull());
    }
}

TEST(TorvaAVView, PlaysPausesSeeksStepsAndChangesRate)
{
    QWidget window;
    Player player(window);
    TorvaAVView &view = player.view;
    ASSERT_TRUE(player.load(movie()));
    view.play();
    ASSERT_TRUE(until([&] { return view.currentTime() > 0.5; }));
    EXPECT_DOUBLE_EQ(view.rate(), 1.0);
    EXPECT_GE(player.times.size(), 3) << "the time is reported every tenth of a second";
    view.pause();
    ASSERT_TRUE(until([&] { return view.rate() == 0.0; }));
    const double pausedAt = view.currentTime();
    GuiTestEnvironment::wait(200);
    EXPECT_DOUBLE_EQ(view.currentTime(), pausedAt);
    view.setVolume(1.5f);
    EXPECT_FLOAT_EQ(view.volume(), 1.0f);
    // Seeks go to whole seconds; a step starts from where the seek lands,
    // however soon it comes.
    EXPECT_TRUE(player.seek(1.4, 1.0));
    EXPECT_TRUE(player.seek(1.6, 2.0));
    EXPECT_TRUE(player.seek(-3.0, 0.0));
    view.setCurrentTime(1.0);
    for (const auto &[step, frames] : {std::pair{&TorvaAVView::stepForward, 1},
                                       {&TorvaAVView::stepForward, 2},
                                       {&TorvaAVView::stepBackward, 1},
                                       {&TorvaAVView::stepBackward, 0}}) {
        (view.*step)();
        EXPECT_TRUE(until([&] {
            return std::abs(view.currentTime() - 1 - frames * kFrame) < 2e-3;
        })) << frames;
    }
    EXPECT_DOUBLE_EQ(view.rate(), 0.0);
    // Fast forward and rewind double up to four times (rewinding plays
    // backwards); the toggle plays and then pauses.
    ASSERT_TRUE(player.seek(2.0, 2.0));
    for (const auto &[change, rate] : {std::pair{&TorvaAVView::playPauseToggle, 1.0},
                                       {&TorvaAVView::rewind, -2.0},
                                       {&TorvaAVView::rewind, -4.0},
                                       {&TorvaAVView::fastForward, 2.0},
                                       {&TorvaAVView::fastForward, 4.0},
                                       {&TorvaAVView::playPauseToggle, 1.0},
                                       {&TorvaAVView::playPauseToggle, 0.0}}) {
        const double from = view.currentTime();
        (view.*change)();
        EXPECT_TRUE(until([&] { return view.rate() == rate; })) << rate;
        EXPECT_TRUE(rate != -2.0 || until([&] { return view.currentTime() < from - 0.3; }));
    }
    // The end is reported once; playing again starts from the beginning.
    player.ends = 0;
    ASSERT_TRUE(player.seek(2.0, 2.0));
    view.play();
    ASSERT_TRUE(until([&] { return player.ends == 1 && view.rate() == 0.0; }));
    EXPECT_GT(view.currentTime(), 2.9);
    view.play();
    EXPECT_TRUE(until([&] { return view.currentTime() > 0.1 && view.currentTime() < 1.0; }));
    EXPECT_DOUBLE_EQ(view.rate(), 1.0);
    EXPECT_EQ(player.ends, 1);
}

// The swap, mirroring and stills: two views as in the main window.
TEST(TorvaAVView, SwapExchangesPlayersWhilePlayingAndAWindowOfItsOwnPlaysOn)
{
    QWidget window;
    Player front(window);
    Player rear(window, 340);
    TorvaAVView &big = front.view;
    TorvaAVView &small = rear.view;
    const QString rearFile = movie(QStringLiteral("smptebars"), QStringLiteral("160x90"));
    ASSERT_TRUE(front.load(movie()) && rear.load(rearFile));
    ASSERT_TRUE(front.seek(1.0, 1.0) && rear.seek(1.0, 1.0));
    // Stills are the video's own frame at its own size.
    QImage frontPicture;
    ASSERT_TRUE(until([&] { return !(frontPicture = big.snapshot()).isNull(); }));
    EXPECT_LT(difference(frontPicture, frameAt(movie(), 1.0)), kSamePicture);
    EXPECT_GT(difference(frontPicture, frameAt(movie(), 2.0)), kSamePicture);
    const QImage rearPicture = small.snapshot();
    EXPECT_EQ(rearPicture.size(), QSize(160, 90));
    ASSERT_GT(difference(frontPicture, rearPicture), kOtherPicture);
    // The view mirrors the picture; the still stays as the camera recorded it.
    big.setLeftsideRight(true);
    big.setUpsideDown(true);
    EXPECT_TRUE(front.shows(frontPicture));
    EXPECT_GT(difference(big.grabFramebuffer(), frontPicture), kOtherPicture);
    EXPECT_LT(difference(big.snapshot(), frontPicture), 1.0);
    big.play();
    small.play();
    ASSERT_TRUE(until([&] { return small.currentTime() > 0.5; }));
    const qsizetype statusReports = front.statuses.size() + rear.statuses.size();
    big.swapPlayerItemWith(&small);
    const double rearTime = big.currentTime();
    EXPECT_EQ(big.fileName(), rearFile);
    EXPECT_EQ(small.fileName(), movie());
    EXPECT_EQ(
        QList({big.leftsideRight(), big.upsideDown(), small.leftsideRight(), small.upsideDown()}),
        QList({false, true, true, false}));
    EXPECT_GT(rearTime, 0.5) << "the rear player came along, not a new one";
    EXPECT_TRUE(until([&] { return big.currentTime() > rearTime + 0.3; })) << "and plays on";
    EXPECT_EQ(front.statuses.size() + rear.statuses.size(), statusReports) << "nothing reloaded";
    big.pause();
    small.pause();
    ASSERT_TRUE(front.seek(1.0, 1.0) && rear.seek(1.0, 1.0));
    EXPECT_TRUE(front.shows(rearPicture));
    EXPECT_TRUE(rear.shows(frontPicture));
    EXPECT_LT(difference(big.snapshot(), rearPicture), kSamePicture);
    // Each picture fills its view.
    EXPECT_FALSE(GuiTestEnvironment::saveScreenshot(&window, "video_views_swapped").isEmpty());
    // As for full screen: the view becomes a window of its own and plays on.
    big.play();
    big.setParent(nullptr);
    const std::unique_ptr<TorvaAVView> own(&big);
    big.resize(400, 225);
    big.show();
    const double movedAt = big.currentTime();
    EXPECT_TRUE(until([&] { return big.currentTime() > movedAt + 0.3; }));
    big.pause();
    ASSERT_TRUE(until([&] { return big.rate() == 0.0; }));
    EXPECT_TRUE(front.shows(big.snapshot()));
    EXPECT_EQ(front.ends, 0);
}

} // namespace
