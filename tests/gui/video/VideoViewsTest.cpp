#include "../GuiTestEnvironment.h"
#include "../displays/TestArtifacts.h"
#include "TestMedia.h"

#include "core/video/ChildProcess.h"
#include "core/video/Utils.h"
#include "gui/video/TorvaAVView.h"
#include "gui/video/TorvaAVViewDelegate.h"
#include "gui/video/TorvaQTMovieView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <cmath>
#include <memory>

namespace {

constexpr double kFrame = 1.0 / 30.0;
// Mean channel differences: the same picture drawn twice stays well below
// the first, different pictures stay well above the second.
constexpr double kSamePicture = 6.0;
constexpr double kOtherPicture = 25.0;

bool ffmpeg(const QStringList &arguments)
{
    QProcess process;
    ChildProcess::start(process, Utils::GetFFMPEGPath(),
                        QStringList{"-nostdin", "-y", "-v", "error"} + arguments);
    process.waitForFinished(60000);
    if (ChildProcess::succeeded(process))
        return true;
    qWarning().noquote() << "ffmpeg" << arguments.join(' ') << "failed:" << process.readAll();
    return false;
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
    const QString path = dir.filePath(QStringLiteral("frame.png"));
    ffmpeg({"-ss", QString::number(seconds), "-i", moviePath, "-frames:v", "1", path});
    return QImage(path);
}

// The mean difference of the pictures' channels, 0 to 255, the second
// scaled to the first's size.
double difference(const QImage &picture, const QImage &reference)
{
    if (picture.isNull() || reference.isNull())
        return 255.0;
    const QImage a = picture.convertToFormat(QImage::Format_RGB32);
    const QImage b = reference.convertToFormat(QImage::Format_RGB32)
                         .scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

class RecordingDelegate : public TorvaAVViewDelegate
{
public:
    void torvaAVViewDidUpdateTime(TorvaAVView *, double seconds) override { times.append(seconds); }
    void torvaAVViewDidUpdateRate(TorvaAVView *, double rate) override { rates.append(rate); }
    void torvaAVViewDidUpdateStatus(TorvaAVView *, VideoStatus status) override
    {
        statuses.append(status);
    }
    void torvaAVViewDidPlayToEndTime(TorvaAVView *) override { ++ends; }
    void torvaAVViewDidRequestFullscreen(TorvaAVView *) override { ++fullscreenRequests; }

    QList<double> times;
    QList<double> rates;
    QList<VideoStatus> statuses;
    int ends = 0;
    int fullscreenRequests = 0;
};

class TorvaAVViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window.resize(660, 200);
        m_window.show();
    }

    // A view in the window, shown and ready to draw, with its spinner and
    // no-video view.
    TorvaAVView &addView(RecordingDelegate &delegate, int x = 0)
    {
        auto *view = new TorvaAVView(&m_window);
        view->setGeometry(x, 0, 320, 180);
        view->setDelegate(&delegate);
        view->setLoadingSpinner(new QProgressBar);
        view->setNoVideoView(new QWidget);
        view->show();
        EXPECT_TRUE(GuiTestEnvironment::waitFor([view] { return view->isValid(); }));
        return *view;
    }

    static void load(TorvaAVView &view, RecordingDelegate &delegate, const QString &file)
    {
        view.setFileName(file);
        ASSERT_TRUE(GuiTestEnvironment::waitFor([&] {
            return !delegate.statuses.isEmpty() &&
                   delegate.statuses.last() == VideoStatus::ReadyToPlay;
        }));
    }

    static bool until(const std::function<bool()> &condition)
    {
        return GuiTestEnvironment::waitFor(condition);
    }

    // Seeks and waits until the seek has landed where expected; the view
    // tells the target time at once.
    static bool seek(TorvaAVView &view, RecordingDelegate &delegate, double seconds,
                     double expected)
    {
        delegate.times.clear();
        view.setCurrentTime(seconds);
        return until([&] {
            return !delegate.times.isEmpty() && std::abs(delegate.times.last() - expected) < 0.002;
        });
    }

    // Waits until the view draws the picture; false when it never does.
    static bool showsPicture(TorvaAVView &view, const QImage &picture)
    {
        return until([&] { return difference(view.grabFramebuffer(), picture) < kSamePicture; });
    }

    QWidget m_window;
};

TEST_F(TorvaAVViewTest, ReportsTheStatusOfGoodBrokenAndSoundOnlyFiles)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    EXPECT_EQ(view.status(), VideoStatus::NoFile);
    EXPECT_FALSE(view.hasMovie());
    EXPECT_TRUE(view.snapshot().isNull());
    // A right click asks for full screen, a left one does not.
    GuiTestEnvironment::sendMouse(&view, QEvent::MouseButtonRelease, {160, 90});
    GuiTestEnvironment::sendMouse(&view, QEvent::MouseButtonRelease, {160, 90}, Qt::RightButton);
    EXPECT_TRUE(until([&] { return delegate.fullscreenRequests == 1; }));

    const QString file = movie();
    view.setFileName(file);
    EXPECT_EQ(view.status(), VideoStatus::Loading);
    EXPECT_TRUE(view.hasMovie());
    EXPECT_EQ(view.fileURL(), QUrl::fromLocalFile(file));
    EXPECT_TRUE(view.loadingSpinner()->isVisible());
    EXPECT_DOUBLE_EQ(view.duration(), 0.0);
    EXPECT_TRUE(delegate.statuses.isEmpty()) << "status reports arrive from the event loop";
    ASSERT_TRUE(until([&] { return delegate.statuses.size() == 4; }));
    EXPECT_EQ(delegate.statuses,
              (QList<VideoStatus>{VideoStatus::NoFile, VideoStatus::Loading, VideoStatus::Unknown,
                                  VideoStatus::ReadyToPlay}));
    EXPECT_EQ(view.status(), VideoStatus::ReadyToPlay);
    EXPECT_NEAR(view.duration(), 3.0, 0.05);
    EXPECT_DOUBLE_EQ(view.currentTime(), 0.0);
    EXPECT_TRUE(until([&] { return !view.loadingSpinner()->isVisible(); }));
    EXPECT_FALSE(view.noVideoView()->isVisible());
    EXPECT_EQ(delegate.fullscreenRequests, 1);

    // An empty name closes the file without loading another.
    view.setFileName(QString());
    EXPECT_EQ(view.status(), VideoStatus::NoFile);
    EXPECT_TRUE(view.fileName().isEmpty());
    EXPECT_TRUE(view.fileURL().isEmpty());
    EXPECT_DOUBLE_EQ(view.duration(), 0.0);
    EXPECT_TRUE(view.snapshot().isNull());

    // A movie cut short (its index at the end is missing), and no file.
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.mov"));
    ASSERT_TRUE(QFile::copy(file, broken) && QFile::resize(broken, 4096));
    for (const QString &name : {broken, dir.filePath(QStringLiteral("missing.mov"))}) {
        delegate.statuses.clear();
        view.setFileName(name);
        EXPECT_TRUE(until([&] { return delegate.statuses.contains(VideoStatus::Failed); }))
            << name.toStdString();
        EXPECT_EQ(view.status(), VideoStatus::Failed);
        EXPECT_FALSE(view.hasMovie());
        EXPECT_FALSE(view.loadingSpinner()->isVisible());
        EXPECT_DOUBLE_EQ(view.duration(), 0.0);
        EXPECT_TRUE(view.snapshot().isNull());
    }

    // Sound only: ready after all, so that the sound plays, over the
    // no-video view.
    const QString sound = dir.filePath(QStringLiteral("sound.avi"));
    ASSERT_TRUE(TestMedia::soundOnlyAvi(sound));
    delegate.statuses.clear();
    load(view, delegate, sound);
    EXPECT_EQ(delegate.statuses.mid(delegate.statuses.indexOf(VideoStatus::Loading)),
              (QList<VideoStatus>{VideoStatus::Loading, VideoStatus::Unknown, VideoStatus::Failed,
                                  VideoStatus::ReadyToPlay}));
    EXPECT_TRUE(view.noVideoView()->isVisible());
    EXPECT_FALSE(view.loadingSpinner()->isVisible());
    EXPECT_TRUE(view.snapshot().isNull());
    view.setFileName(file);
    EXPECT_FALSE(view.noVideoView()->isVisible());
}

TEST_F(TorvaAVViewTest, PlaysPausesSeeksStepsAndChangesRate)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    load(view, delegate, movie());
    view.play();
    ASSERT_TRUE(until([&] { return view.currentTime() > 0.5; }));
    EXPECT_DOUBLE_EQ(view.rate(), 1.0);
    EXPECT_TRUE(delegate.rates.contains(1.0));
    EXPECT_GE(delegate.times.size(), 3) << "the time is reported every tenth of a second";
    view.pause();
    ASSERT_TRUE(until([&] { return view.rate() == 0.0; }));
    const double pausedAt = view.currentTime();
    GuiTestEnvironment::wait(200);
    EXPECT_DOUBLE_EQ(view.currentTime(), pausedAt);

    // Seeks go to whole seconds.
    EXPECT_TRUE(seek(view, delegate, 1.4, 1.0));
    EXPECT_TRUE(seek(view, delegate, 1.6, 2.0));
    EXPECT_TRUE(seek(view, delegate, -3.0, 0.0));
    // A step starts from where the seek lands, however soon it comes.
    view.setCurrentTime(1.0);
    for (const auto &[step, frames] : {std::pair{&TorvaAVView::stepForward, 1},
                                       {&TorvaAVView::stepForward, 2},
                                       {&TorvaAVView::stepBackward, 1},
                                       {&TorvaAVView::stepBackward, 0}}) {
        (view.*step)();
        EXPECT_TRUE(until([&] {
            return std::abs(view.currentTime() - 1.0 - frames * kFrame) < 0.002;
        })) << frames;
    }
    EXPECT_DOUBLE_EQ(view.rate(), 0.0);

    view.setVolume(0.25f);
    EXPECT_FLOAT_EQ(view.volume(), 0.25f);
    view.setVolume(1.5f);
    EXPECT_FLOAT_EQ(view.volume(), 1.0f);

    ASSERT_TRUE(seek(view, delegate, 2.0, 2.0));
    view.playPauseToggle();
    EXPECT_TRUE(until([&] { return view.rate() == 1.0; }));
    view.rewind();
    EXPECT_TRUE(until([&] { return view.rate() == -2.0; }));
    const double rewoundFrom = view.currentTime();
    EXPECT_TRUE(until([&] { return view.currentTime() < rewoundFrom - 0.3; })) << "plays backwards";
    for (const auto &[change, rate] : {std::pair{&TorvaAVView::rewind, -4.0},
                                       {&TorvaAVView::fastForward, 2.0},
                                       {&TorvaAVView::fastForward, 4.0},
                                       {&TorvaAVView::playPauseToggle, 1.0},
                                       {&TorvaAVView::playPauseToggle, 0.0}}) {
        (view.*change)();
        EXPECT_TRUE(until([&] { return view.rate() == rate; })) << rate;
    }

    // The end is reported once; playing again starts from the beginning.
    delegate.ends = 0;
    ASSERT_TRUE(seek(view, delegate, 2.0, 2.0));
    view.play();
    ASSERT_TRUE(until([&] { return delegate.ends == 1; }));
    EXPECT_TRUE(until([&] { return view.rate() == 0.0; }));
    EXPECT_GT(view.currentTime(), 2.9);
    view.play();
    EXPECT_TRUE(until([&] { return view.currentTime() > 0.1 && view.currentTime() < 1.0; }));
    EXPECT_DOUBLE_EQ(view.rate(), 1.0);
    EXPECT_EQ(delegate.ends, 1);
}

TEST_F(TorvaAVViewTest, StillsKeepTheVideosSizeAndPictureWhileTheViewMirrors)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    const QString file = movie(QStringLiteral("testsrc2"), QStringLiteral("160x90"));
    load(view, delegate, file);
    ASSERT_TRUE(seek(view, delegate, 1.0, 1.0));
    QImage still;
    ASSERT_TRUE(until([&] { return !(still = view.snapshot()).isNull(); }));
    EXPECT_EQ(still.size(), QSize(160, 90));
    EXPECT_LT(difference(still, frameAt(file, 1.0)), kSamePicture);
    EXPECT_GT(difference(still, frameAt(file, 2.0)), kSamePicture);
    ASSERT_TRUE(showsPicture(view, still));

    for (const auto &[sideways, upsideDown] :
         {std::pair{true, false}, {true, true}, {false, true}}) {
        view.setLeftsideRight(sideways);
        view.setUpsideDown(upsideDown);
        EXPECT_TRUE(showsPicture(view, still.mirrored(sideways, upsideDown)));
        EXPECT_GT(difference(view.grabFramebuffer(), still), kOtherPicture);
        // The still stays as the camera recorded it.
        EXPECT_LT(difference(view.snapshot(), still), 1.0);
    }
}

TEST_F(TorvaAVViewTest, SwapExchangesPlayersWhilePlaying)
{
    RecordingDelegate frontDelegate;
    RecordingDelegate rearDelegate;
    TorvaAVView &big = addView(frontDelegate);
    TorvaAVView &small = addView(rearDelegate, 340);
    const QString frontFile = movie();
    const QString rearFile = movie(QStringLiteral("smptebars"));
    load(big, frontDelegate, frontFile);
    load(small, rearDelegate, rearFile);
    big.setLeftsideRight(true);
    big.setUpsideDown(true);
    const QImage frontPicture = big.snapshot();
    const QImage rearPicture = small.snapshot();
    ASSERT_GT(difference(frontPicture, rearPicture), kOtherPicture);

    big.play();
    small.play();
    ASSERT_TRUE(until([&] { return small.currentTime() > 0.5; }));
    const qsizetype statusReports = frontDelegate.statuses.size() + rearDelegate.statuses.size();
    big.swapPlayerItemWith(&small);
    const double rearTime = big.currentTime();
    EXPECT_EQ(big.fileName(), rearFile);
    EXPECT_EQ(small.fileName(), frontFile);
    EXPECT_FALSE(big.leftsideRight());
    EXPECT_TRUE(small.leftsideRight());
    EXPECT_TRUE(big.upsideDown());
    EXPECT_FALSE(small.upsideDown());
    EXPECT_GT(rearTime, 0.5) << "the rear player came along, not a new one";
    EXPECT_TRUE(until([&] { return big.currentTime() > rearTime + 0.3; }))
        << "the rear video goes on playing in the big view";
    EXPECT_EQ(frontDelegate.statuses.size() + rearDelegate.statuses.size(), statusReports)
        << "nothing reloaded";

    big.pause();
    small.pause();
    ASSERT_TRUE(seek(big, frontDelegate, 0.0, 0.0));
    ASSERT_TRUE(seek(small, rearDelegate, 0.0, 0.0));
    EXPECT_TRUE(showsPicture(big, rearPicture.mirrored(big.leftsideRight(), big.upsideDown())));
    EXPECT_TRUE(
        showsPicture(small, frontPicture.mirrored(small.leftsideRight(), small.upsideDown())));
    EXPECT_LT(difference(big.snapshot(), rearPicture), kSamePicture);
    // Each picture fills its view.
    EXPECT_FALSE(TestArtifacts::saveScreenshot(&m_window, "video_views_swapped").isEmpty());

    // As for full screen: the view becomes a window of its own and plays on.
    big.play();
    big.setParent(nullptr);
    const std::unique_ptr<TorvaAVView> window(&big);
    big.resize(400, 225);
    big.show();
    const double movedAt = big.currentTime();
    EXPECT_TRUE(until([&] { return big.currentTime() > movedAt + 0.3; }));
    big.pause();
    ASSERT_TRUE(until([&] { return big.rate() == 0.0; }));
    EXPECT_TRUE(showsPicture(big, big.snapshot().mirrored(big.leftsideRight(), big.upsideDown())));
    EXPECT_EQ(frontDelegate.ends, 0);
}

// Answers only the slots a full-screen controller has.
class FullscreenController : public QObject
{
    Q_OBJECT

public:
    QStringList calls;
    QObject *sender = nullptr;

public Q_SLOTS:
    void fullscreenButtonTouched(QObject *button)
    {
        calls.append(QStringLiteral("fullscreen"));
        sender = button;
    }
    void showFullscreenMovieControlWindow() { calls.append(QStringLiteral("show")); }
    void hideFullscreenMovieControlWindow() { calls.append(QStringLiteral("hide")); }
};

// Records what reaches the window behind the movie.
class Backdrop : public QWidget
{
public:
    int mousePresses = 0;
    int wheels = 0;
    int keys = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++mousePresses; }
    void wheelEvent(QWheelEvent *) override { ++wheels; }
    void keyPressEvent(QKeyEvent *) override { ++keys; }
};

TEST(TorvaQTMovieViewTest, PassesIntentsToTheDelegateAndKeepsClicksToItself)
{
    Backdrop window;
    window.resize(400, 200);
    auto *view = new TorvaQTMovieView(&window);
    view->setGeometry(0, 0, 400, 200);
    FullscreenController controller;
    view->setDelegate(&controller);
    window.show();
    const auto send = [view](QEvent::Type type, double y, Qt::MouseButton button) {
        GuiTestEnvironment::sendMouse(view, type, QPointF(200, y), button);
    };

    // The top quarter shows the controls, the rest hides them; drags and
    // other buttons do neither.
    send(QEvent::MouseMove, 40, Qt::NoButton);
    send(QEvent::MouseMove, 160, Qt::NoButton);
    send(QEvent::MouseMove, 40, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, 100, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, 100, Qt::RightButton);
    EXPECT_EQ(controller.calls, (QStringList{"show", "hide", "fullscreen"}));
    EXPECT_EQ(controller.sender, view);

    send(QEvent::MouseButtonPress, 100, Qt::LeftButton);
    send(QEvent::MouseButtonPress, 100, Qt::RightButton);
    QWheelEvent wheel({200, 100}, view->mapToGlobal(QPointF(200, 100)), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    GuiTestEnvironment::sendKey(view, Qt::Key_Space);
    EXPECT_EQ(window.mousePresses, 0);
    EXPECT_EQ(window.wheels, 0);
    EXPECT_EQ(window.keys, 1) << "keys go on to the window";

    // A disabled view tells nothing; a delegate without the slots is fine.
    controller.calls.clear();
    view->setEnabled(false);
    send(QEvent::MouseButtonRelease, 100, Qt::RightButton);
    view->setEnabled(true);
    QObject mute;
    view->setDelegate(&mute);
    send(QEvent::MouseButtonRelease, 100, Qt::RightButton);
    send(QEvent::MouseMove, 40, Qt::NoButton);
    EXPECT_TRUE(controller.calls.isEmpty());
}

} // namespace

#include "VideoViewsTest.moc"
