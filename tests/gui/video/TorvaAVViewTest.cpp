#include "../GuiTestEnvironment.h"
#include "TestMedia.h"
#include "VideoTestFiles.h"

#include "gui/video/TorvaAVView.h"
#include "gui/video/TorvaAVViewDelegate.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
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

QImage mirrored(const QImage &picture, const TorvaAVView &view)
{
    return picture.mirrored(view.leftsideRight(), view.upsideDown());
}

class TorvaAVViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_window.resize(660, 200);
        m_window.show();
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString movie(const QString &name, const QString &source = QStringLiteral("testsrc2"),
                  const QString &size = QStringLiteral("320x180"))
    {
        const QString file = path(name);
        EXPECT_TRUE(VideoTestFiles::movie(file, source, size));
        return file;
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

    static bool waitForTime(TorvaAVView &view, double seconds)
    {
        return GuiTestEnvironment::waitFor(
            [&] { return std::abs(view.currentTime() - seconds) < 0.002; });
    }

    // Seeks and waits until the seek has landed where expected; the view
    // tells the target time at once.
    static bool seek(TorvaAVView &view, RecordingDelegate &delegate, double seconds,
                     double expected)
    {
        delegate.times.clear();
        view.setCurrentTime(seconds);
        return GuiTestEnvironment::waitFor([&] {
            return !delegate.times.isEmpty() && std::abs(delegate.times.last() - expected) < 0.002;
        });
    }

    // Waits until the view draws the picture; false when it never does.
    static bool showsPicture(TorvaAVView &view, const QImage &picture)
    {
        return GuiTestEnvironment::waitFor([&] {
            return VideoTestFiles::difference(view.grabFramebuffer(), picture) < kSamePicture;
        });
    }

    QTemporaryDir m_dir;
    QWidget m_window;
};

TEST_F(TorvaAVViewTest, LoadsAsynchronouslyAndReportsEachStatus)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    EXPECT_EQ(view.status(), VideoStatus::NoFile);
    EXPECT_FALSE(view.hasMovie());
    EXPECT_TRUE(view.snapshot().isNull());
    const QString file = movie("front.mov");

    view.setFileName(file);
    EXPECT_EQ(view.status(), VideoStatus::Loading);
    EXPECT_TRUE(view.hasMovie());
    EXPECT_EQ(view.fileURL(), QUrl::fromLocalFile(file));
    EXPECT_TRUE(view.loadingSpinner()->isVisible());
    EXPECT_DOUBLE_EQ(view.duration(), 0.0);
    EXPECT_TRUE(delegate.statuses.isEmpty()) << "status reports arrive from the event loop";

    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return delegate.statuses.size() == 4; }));
    EXPECT_EQ(delegate.statuses,
              (QList<VideoStatus>{VideoStatus::NoFile, VideoStatus::Loading, VideoStatus::Unknown,
                                  VideoStatus::ReadyToPlay}));
    EXPECT_EQ(view.status(), VideoStatus::ReadyToPlay);
    EXPECT_NEAR(view.duration(), 3.0, 0.05);
    EXPECT_DOUBLE_EQ(view.currentTime(), 0.0);
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return !view.loadingSpinner()->isVisible(); }));
    EXPECT_FALSE(view.noVideoView()->isVisible());

    // An empty name closes the file without loading another.
    view.setFileName(QString());
    EXPECT_EQ(view.status(), VideoStatus::NoFile);
    EXPECT_TRUE(view.fileName().isEmpty());
    EXPECT_TRUE(view.fileURL().isEmpty());
    EXPECT_DOUBLE_EQ(view.duration(), 0.0);
    EXPECT_TRUE(view.snapshot().isNull());
}

TEST_F(TorvaAVViewTest, PlaysPausesAndSeeksToWholeSeconds)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    load(view, delegate, movie("front.mov"));

    view.play();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return view.currentTime() > 0.5; }));
    EXPECT_DOUBLE_EQ(view.rate(), 1.0);
    EXPECT_TRUE(delegate.rates.contains(1.0));
    EXPECT_GE(delegate.times.size(), 3) << "the time is reported every tenth of a second";

    view.pause();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return view.rate() == 0.0; }));
    const double pausedAt = view.currentTime();
    GuiTestEnvironment::wait(200);
    EXPECT_DOUBLE_EQ(view.currentTime(), pausedAt);

    EXPECT_TRUE(seek(view, delegate, 1.4, 1.0));
    EXPECT_TRUE(seek(view, delegate, 1.6, 2.0));
    EXPECT_TRUE(seek(view, delegate, -3.0, 0.0));

    view.setVolume(0.25f);
    EXPECT_FLOAT_EQ(view.volume(), 0.25f);
    view.setVolume(1.5f);
    EXPECT_FLOAT_EQ(view.volume(), 1.0f);
}

TEST_F(TorvaAVViewTest, ReportsTheEndAndPlaysFromTheStartAgain)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    load(view, delegate, movie("front.mov"));
    ASSERT_TRUE(seek(view, delegate, 2.0, 2.0));

    view.play();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return delegate.ends == 1; }));
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return view.rate() == 0.0; }));
    EXPECT_GT(view.currentTime(), 2.9);

    view.play();
    EXPECT_TRUE(GuiTestEnvironment::waitFor(
        [&] { return view.currentTime() > 0.1 && view.currentTime() < 1.0; }));
    EXPECT_DOUBLE_EQ(view.rate(), 1.0);
    EXPECT_EQ(delegate.ends, 1);
}

TEST_F(TorvaAVViewTest, StepsExactlyOneFrame)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    load(view, delegate, movie("front.mov"));

    // The step starts from where the seek lands, however soon it comes.
    view.setCurrentTime(1.0);
    view.stepForward();
    EXPECT_TRUE(waitForTime(view, 1.0 + kFrame));
    view.stepForward();
    EXPECT_TRUE(waitForTime(view, 1.0 + 2 * kFrame));
    view.stepBackward();
    EXPECT_TRUE(waitForTime(view, 1.0 + kFrame));
    view.stepBackward();
    EXPECT_TRUE(waitForTime(view, 1.0));
    EXPECT_DOUBLE_EQ(view.rate(), 0.0);
}

TEST_F(TorvaAVViewTest, MirrorsThePicture)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    load(view, delegate, movie("front.mov"));
    ASSERT_TRUE(seek(view, delegate, 1.0, 1.0));
    const QImage picture = view.snapshot();
    ASSERT_TRUE(showsPicture(view, picture));

    view.setLeftsideRight(true);
    EXPECT_TRUE(showsPicture(view, picture.mirrored(true, false)));
    EXPECT_GT(VideoTestFiles::difference(view.grabFramebuffer(), picture), kOtherPicture);
    view.setUpsideDown(true);
    EXPECT_TRUE(showsPicture(view, picture.mirrored(true, true)));
    view.setLeftsideRight(false);
    EXPECT_TRUE(showsPicture(view, picture.mirrored(false, true)));
    EXPECT_GT(VideoTestFiles::difference(view.grabFramebuffer(), picture), kOtherPicture);
    // The still stays as the camera recorded it.
    EXPECT_LT(VideoTestFiles::difference(view.snapshot(), picture), 1.0);
}

TEST_F(TorvaAVViewTest, SnapshotHasTheVideosOwnSizeAndPicture)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    const QString file = movie("small.mov", QStringLiteral("testsrc2"), QStringLiteral("160x90"));
    load(view, delegate, file);
    ASSERT_TRUE(seek(view, delegate, 1.0, 1.0));

    QImage still;
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return !(still = view.snapshot()).isNull(); }));
    EXPECT_EQ(still.size(), QSize(160, 90));
    const QImage reference = VideoTestFiles::frameAt(file, 1.0);
    ASSERT_FALSE(reference.isNull());
    EXPECT_LT(VideoTestFiles::difference(still, reference), kSamePicture);
    EXPECT_GT(VideoTestFiles::difference(still, VideoTestFiles::frameAt(file, 2.0)), kSamePicture);
}

TEST_F(TorvaAVViewTest, SwapExchangesPlayersWhilePlaying)
{
    RecordingDelegate frontDelegate;
    RecordingDelegate rearDelegate;
    TorvaAVView &big = addView(frontDelegate);
    TorvaAVView &small = addView(rearDelegate, 340);
    const QString frontFile = movie("front.mov");
    const QString rearFile = movie("rear.mov", QStringLiteral("smptebars"));
    load(big, frontDelegate, frontFile);
    load(small, rearDelegate, rearFile);
    big.setLeftsideRight(true);
    big.setUpsideDown(true);
    const QImage frontPicture = big.snapshot();
    const QImage rearPicture = small.snapshot();
    ASSERT_GT(VideoTestFiles::difference(frontPicture, rearPicture), kOtherPicture);

    big.play();
    small.play();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return small.currentTime() > 0.5; }));
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
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return big.currentTime() > rearTime + 0.3; }))
        << "the rear video goes on playing in the big view";
    EXPECT_EQ(frontDelegate.statuses.size() + rearDelegate.statuses.size(), statusReports)
        << "nothing reloaded";

    big.pause();
    small.pause();
    ASSERT_TRUE(seek(big, frontDelegate, 0.0, 0.0));
    ASSERT_TRUE(seek(small, rearDelegate, 0.0, 0.0));
    EXPECT_TRUE(showsPicture(big, mirrored(rearPicture, big)));
    EXPECT_TRUE(showsPicture(small, mirrored(frontPicture, small)));
    EXPECT_LT(VideoTestFiles::difference(big.snapshot(), rearPicture), kSamePicture);
}

TEST_F(TorvaAVViewTest, KeepsPlayingWhenMovedToAnotherWindow)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    load(view, delegate, movie("front.mov"));
    view.play();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return view.currentTime() > 0.3; }));

    // As for full screen: the view becomes a window of its own.
    view.setParent(nullptr);
    const std::unique_ptr<TorvaAVView> window(&view);
    view.resize(400, 225);
    view.show();
    const double movedAt = view.currentTime();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return view.currentTime() > movedAt + 0.3; }));
    view.pause();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return view.rate() == 0.0; }));
    EXPECT_TRUE(showsPicture(view, view.snapshot()));
    EXPECT_EQ(delegate.ends, 0);
}

TEST_F(TorvaAVViewTest, BrokenAndMissingFilesFail)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    // A movie cut short: the index at its end is missing.
    const QString broken = movie("broken.mov");
    ASSERT_TRUE(QFile::resize(broken, 4096));

    for (const QString &name : {broken, path("missing.mov")}) {
        delegate.statuses.clear();
        view.setFileName(name);
        EXPECT_TRUE(GuiTestEnvironment::waitFor([&] {
            return delegate.statuses.contains(VideoStatus::Failed);
        })) << name.toStdString();
        EXPECT_EQ(view.status(), VideoStatus::Failed);
        EXPECT_FALSE(view.hasMovie());
        EXPECT_FALSE(view.loadingSpinner()->isVisible());
        EXPECT_DOUBLE_EQ(view.duration(), 0.0);
        EXPECT_TRUE(view.snapshot().isNull());
    }
}

TEST_F(TorvaAVViewTest, FileWithoutVideoShowsTheNoVideoView)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    const QString sound = path("sound.avi");
    ASSERT_TRUE(TestMedia::soundOnlyAvi(sound));

    load(view, delegate, sound);
    EXPECT_EQ(delegate.statuses,
              (QList<VideoStatus>{VideoStatus::NoFile, VideoStatus::Loading, VideoStatus::Unknown,
                                  VideoStatus::Failed, VideoStatus::ReadyToPlay}))
        << "ready after all, so that the sound plays";
    EXPECT_TRUE(view.noVideoView()->isVisible());
    EXPECT_FALSE(view.loadingSpinner()->isVisible());
    EXPECT_TRUE(view.snapshot().isNull());

    view.setFileName(movie("front.mov"));
    EXPECT_FALSE(view.noVideoView()->isVisible());
}

TEST_F(TorvaAVViewTest, RatesOfFastForwardRewindAndToggle)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    load(view, delegate, movie("front.mov"));
    ASSERT_TRUE(seek(view, delegate, 2.0, 2.0));

    view.playPauseToggle();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return view.rate() == 1.0; }));
    view.rewind();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return view.rate() == -2.0; }));
    const double rewoundFrom = view.currentTime();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return view.currentTime() < rewoundFrom - 0.3; }))
        << "plays backwards";
    view.rewind();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return view.rate() == -4.0; }));
    view.fastForward();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return view.rate() == 2.0; }));
    view.fastForward();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return view.rate() == 4.0; }));
    view.playPauseToggle();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return view.rate() == 1.0; }));
    view.playPauseToggle();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return view.rate() == 0.0; }));
}

TEST_F(TorvaAVViewTest, RightClickRequestsFullScreen)
{
    RecordingDelegate delegate;
    TorvaAVView &view = addView(delegate);
    const QPointF centre(160, 90);
    QMouseEvent left(QEvent::MouseButtonRelease, centre, view.mapToGlobal(centre), Qt::LeftButton,
                     Qt::NoButton, Qt::NoModifier);
    QMouseEvent right(QEvent::MouseButtonRelease, centre, view.mapToGlobal(centre), Qt::RightButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &left);
    QCoreApplication::sendEvent(&view, &right);
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return delegate.fullscreenRequests == 1; }));
    GuiTestEnvironment::wait(50);
    EXPECT_EQ(delegate.fullscreenRequests, 1);
}

} // namespace
