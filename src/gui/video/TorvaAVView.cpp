#include "gui/video/TorvaAVView.h"

#include "gui/video/MpvFrameRenderer.h"
#include "gui/video/MpvPlayer.h"
#include "gui/video/TorvaAVViewDelegate.h"

#include <QDebug>
#include <QMatrix4x4>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLTextureBlitter>

#include <algorithm>
#include <cmath>

namespace {

// The delegate hears the time this often while the video plays.
constexpr int kTimeObserverIntervalMs = 100;
// The size of the still of a file without video.
const QSize kDefaultPictureSize(1920, 1080);

} // namespace

TorvaAVView::TorvaAVView(QWidget *parent) : QOpenGLWidget(parent)
{
    m_timeObserver.setInterval(kTimeObserverIntervalMs);
    connect(&m_timeObserver, &QTimer::timeout, this, [this] {
        if (m_player && m_player->rate() != 0.0)
            reportTime();
    });
}

TorvaAVView::~TorvaAVView()
{
    m_delegate = nullptr;
    close();
    // The handler must not run while the widget is half destroyed.
    disconnect(m_contextDestroyed);
    releaseOpenGLResources();
}

void TorvaAVView::setUpsideDown(bool upsideDown)
{
    m_upsideDown = upsideDown;
    update();
}

void TorvaAVView::setLeftsideRight(bool leftsideRight)
{
    m_leftsideRight = leftsideRight;
    update();
}

void TorvaAVView::setStatus(VideoStatus status)
{
    m_status = status;
    notifyDelegate([this, status](TorvaAVViewDelegate *delegate) {
        delegate->torvaAVViewDidUpdateStatus(this, status);
    });
}

void TorvaAVView::setFileName(const QString &fileName)
{
    if (m_player)
        close();
    m_fileName = fileName;
    setStatus(VideoStatus::NoFile);
    if (!fileName.isEmpty())
        prepareAsset();
}

QUrl TorvaAVView::fileURL() const
{
    return m_fileName.isEmpty() ? QUrl() : QUrl::fromLocalFile(m_fileName);
}

bool TorvaAVView::hasMovie() const
{
    return ::hasMovie(m_status);
}

void TorvaAVView::setLoadingSpinner(QProgressBar *spinner)
{
    m_loadingSpinner = spinner;
    if (!spinner)
        return;
    spinner->setParent(this);
    spinner->hide();
    layOutOverlays();
}

void TorvaAVView::setNoVideoView(QWidget *view)
{
    m_noVideoView = view;
    if (!view)
        return;
    view->setParent(this);
    view->hide();
    layOutOverlays();
}

double TorvaAVView::currentTime() const
{
    return m_player ? m_player->position() : 0.0;
}

void TorvaAVView::setCurrentTime(double seconds)
{
    if (!m_player || !std::isfinite(seconds))
        return;
    // mpv counts negative times from the end.
    m_player->seek(std::max(0.0, std::round(seconds)));
}

void TorvaAVView::seekExactly(double seconds)
{
    if (m_player && std::isfinite(seconds))
        m_player->seek(std::max(0.0, seconds));
}

double TorvaAVView::duration() const
{
    return m_player ? m_player->duration() : 0.0;
}

float TorvaAVView::volume() const
{
    return m_player ? m_player->volume() : 0.0f;
}

void TorvaAVView::setVolume(float volume)
{
    if (m_player)
        m_player->setVolume(volume);
}

void TorvaAVView::close()
{
    if (m_player) {
        // Gone at once, without a pause first: pausing waits for mpv's core,
        // which may be waiting for this thread to draw a picture.
        removeObservers();
        m_player.reset();
        update();
    }
    m_fileName.clear();
    stopLoadingAnimationAndHandleError();
    if (m_noVideoView)
        m_noVideoView->hide();
    if (m_status != VideoStatus::NoFile)
        setStatus(VideoStatus::NoFile);
}

void TorvaAVView::play()
{
    if (!m_player)
        return;
    // At the end mpv holds the last frame, a little before the duration.
    if (m_player->isLoaded() &&
        (m_player->isAtEnd() || m_player->position() >= m_player->duration()))
        m_player->seek(0.0);
    m_player->setRate(m_playSpeed);
}

bool TorvaAVView::isSeeking() const
{
    return m_player && m_player->isSeeking();
}

void TorvaAVView::setPlaySpeed(double speed)
{
    const bool playing = m_player && m_player->rate() == m_playSpeed;
    m_playSpeed = speed;
    if (playing)
        m_player->setRate(speed);
}

void TorvaAVView::pause()
{
    if (m_player)
        m_player->setPaused(true);
}

void TorvaAVView::playPauseToggle()
{
    if (m_player && m_player->rate() == m_playSpeed)
        pause();
    else
        play();
}

void TorvaAVView::fastForward()
{
    if (!m_player)
        return;
    const double rate = m_player->rate();
    m_player->setRate(rate < 2.0 ? 2.0 : rate + 2.0);
}

void TorvaAVView::rewind()
{
    if (!m_player)
        return;
    const double rate = m_player->rate();
    m_player->setRate(rate > -2.0 ? -2.0 : rate - 2.0);
}

void TorvaAVView::stepForward()
{
    if (m_player)
        m_player->stepForward();
}

void TorvaAVView::stepBackward()
{
    if (m_player)
        m_player->stepBackward();
}

void TorvaAVView::swapPlayerItemWith(TorvaAVView *other)
{
    if (!other || other == this)
        return;
    removeObservers();
    other->removeObservers();
    std::swap(m_fileName, other->m_fileName);
    std::swap(m_player, other->m_player);
    rebuildObservers();
    other->rebuildObservers();
    std::swap(m_leftsideRight, other->m_leftsideRight);
    update();
    other->update();
}

QImage TorvaAVView::snapshot() const
{
    if (!m_player || !m_player->isLoaded())
        return {};
    const QImage picture = m_player->screenshot();
    const QSize size =
        m_player->videoSize().isValid() ? m_player->videoSize() : kDefaultPictureSize;
    if (picture.isNull() || picture.size() == size)
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void TorvaAVView::initializeGL()
{
    // Runs again when the view moves to another window and gets a new
    // context; the old one takes its resources along when it goes.
    m_blitter = std::make_unique<QOpenGLTextureBlitter>();
    m_blitter->create();
    m_contextDestroyed = connect(context(), &QOpenGLContext::aboutToBeDestroyed, this,
                                 &TorvaAVView::releaseOpenGLResources);
}

void TorvaAVView::paintGL()
{
    QOpenGLFunctions *functions = context()->functions();
    functions->glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    functions->glClear(GL_COLOR_BUFFER_BIT);
    if (!m_player || !m_blitter || !m_player->renderer())
        return;
    MpvFrameRenderer *renderer = m_player->renderer();
    renderer->setTargetSize(size() * devicePixelRatio());
    if (!m_player->isReadyForDisplay() || renderer->texture() == 0)
        return;
    QMatrix4x4 mirror;
    mirror.scale(m_leftsideRight ? -1.0f : 1.0f, m_upsideDown ? -1.0f : 1.0f);
    m_blitter->bind();
    m_blitter->blit(renderer->texture(), mirror, QOpenGLTextureBlitter::OriginBottomLeft);
    m_blitter->release();
    Q_EMIT framePainted();
}

void TorvaAVView::resizeEvent(QResizeEvent *event)
{
    QOpenGLWidget::resizeEvent(event);
    layOutOverlays();
}

void TorvaAVView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton) {
        QOpenGLWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    notifyDelegate(
        [this](TorvaAVViewDelegate *delegate) { delegate->torvaAVViewDidRequestFullscreen(this); });
}

void TorvaAVView::prepareAsset()
{
    if (m_status == VideoStatus::Loading)
        return;
    startLoadingAnimation();
    m_player = std::make_unique<MpvPlayer>();
    rebuildObservers();
    setStatus(VideoStatus::Loading);
    if (fileURL().isEmpty()) {
        stopLoadingAnimationAndHandleError(QStringLiteral("no file"));
        return;
    }
    m_player->loadFile(m_fileName);
}

void TorvaAVView::setUpPlaybackOfAsset(bool hasVideo)
{
    if (!hasVideo) {
        stopLoadingAnimationAndHandleError();
        if (m_noVideoView) {
            m_noVideoView->show();
            m_noVideoView->raise();
        }
        setStatus(VideoStatus::Failed);
    }
    // The file is ready either way, so that a file without video still
    // plays its sound.
    setStatus(VideoStatus::ReadyToPlay);
}

void TorvaAVView::startLoadingAnimation()
{
    if (!m_loadingSpinner)
        return;
    m_loadingSpinner->setRange(0, 0);
    m_loadingSpinner->show();
    m_loadingSpinner->raise();
}

void TorvaAVView::stopLoadingAnimationAndHandleError(const QString &error)
{
    if (m_loadingSpinner)
        m_loadingSpinner->hide();
    if (error.isNull())
        return;
    qWarning().noquote() << "video view: cannot play" << m_fileName << "-" << error;
    setStatus(VideoStatus::Failed);
}

void TorvaAVView::onMovieEnd()
{
    notifyDelegate(
        [this](TorvaAVViewDelegate *delegate) { delegate->torvaAVViewDidPlayToEndTime(this); });
}

void TorvaAVView::removeObservers()
{
    m_timeObserver.stop();
    if (m_player)
        disconnect(m_player.get(), nullptr, this, nullptr);
}

void TorvaAVView::rebuildObservers()
{
    if (!m_player)
        return;
    MpvPlayer *player = m_player.get();
    connect(player, &MpvPlayer::fileStarted, this, [this] { setStatus(VideoStatus::Unknown); });
    connect(player, &MpvPlayer::fileReady, this, &TorvaAVView::setUpPlaybackOfAsset);
    connect(player, &MpvPlayer::loadFailed, this, &TorvaAVView::stopLoadingAnimationAndHandleError);
    connect(player, &MpvPlayer::endReached, this, &TorvaAVView::onMovieEnd);
    connect(player, &MpvPlayer::seeked, this, &TorvaAVView::reportTime);
    connect(player, &MpvPlayer::stepped, this, &TorvaAVView::reportTime);
    connect(player, &MpvPlayer::rateChanged, this, [this](double rate) {
        m_rate = rate;
        notifyDelegate([this, rate](TorvaAVViewDelegate *delegate) {
            delegate->torvaAVViewDidUpdateRate(this, rate);
        });
        reportTime();
    });
    connect(player, &MpvPlayer::readyForDisplay, this, [this] {
        stopLoadingAnimationAndHandleError();
        update();
    });
    connect(player, &MpvPlayer::frameRendered, this, qOverload<>(&QWidget::update));
    if (player->isReadyForDisplay())
        stopLoadingAnimationAndHandleError();
    m_timeObserver.start();
}

void TorvaAVView::reportTime()
{
    const double seconds = currentTime();
    notifyDelegate([this, seconds](TorvaAVViewDelegate *delegate) {
        delegate->torvaAVViewDidUpdateTime(this, seconds);
    });
}

void TorvaAVView::notifyDelegate(std::function<void(TorvaAVViewDelegate *)> call)
{
    // Queued, so that a delegate may close or reload the view from its
    // callback.
    QMetaObject::invokeMethod(
        this,
        [this, call = std::move(call)] {
            if (m_delegate)
                call(m_delegate);
        },
        Qt::QueuedConnection);
}

void TorvaAVView::layOutOverlays()
{
    if (m_loadingSpinner) {
        QRect spinner(QPoint(), m_loadingSpinner->sizeHint().boundedTo(size()));
        spinner.moveCenter(rect().center());
        m_loadingSpinner->setGeometry(spinner);
    }
    if (m_noVideoView)
        m_noVideoView->setGeometry(rect());
}

void TorvaAVView::releaseOpenGLResources()
{
    if (!m_blitter)
        return;
    makeCurrent();
    m_blitter.reset();
    doneCurrent();
}
