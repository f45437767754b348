#include "gui/app/FullScreenMovieWindow.h"

#include "core/app/MainWindowLayout.h"
#include "core/playback/PlaybackTiming.h"
#include "gui/app/MainWindow.h"
#include "gui/controls/ImageButton.h"
#include "gui/video/TorvaAVView.h"
#include "gui/video/TorvaQTMovieView.h"

#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPalette>
#include <QPropertyAnimation>
#include <QScreen>

namespace {

ImageButton *controlButton(QWidget *strip, const QString &image)
{
    auto *button = new ImageButton(strip);
    button->setImage(image);
    button->setAllowAutoMouseEventImage(true);
    button->setFocusPolicy(Qt::NoFocus);
    strip->layout()->addWidget(button);
    return button;
}

} // namespace

FullScreenMovieWindow::FullScreenMovieWindow(MainWindow *mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_mainWindow(mainWindow),
      m_movieEvents(new TorvaQTMovieView(this)), m_controls(new QWidget(this))
{
    m_movieEvents->setDelegate(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    new QHBoxLayout(m_controls);
    m_controls->layout()->setContentsMargins(0, 0, 0, 0);
    m_rewindButton = controlButton(m_controls, QStringLiteral("rewind_1"));
    m_playPauseButton = controlButton(m_controls, QStringLiteral("play_1"));
    m_fastForwardButton = controlButton(m_controls, QStringLiteral("fast_forward_1"));
    m_controls->adjustSize();
    auto *opacity = new QGraphicsOpacityEffect(m_controls);
    opacity->setOpacity(0.0);
    m_controls->setGraphicsEffect(opacity);
    m_fade = new QPropertyAnimation(opacity, "opacity", this);
    m_fade->setDuration(PlaybackTiming::kControlFadeMilliseconds);
    // Faded out, the strip takes no clicks.
    connect(m_fade, &QPropertyAnimation::finished, this, [this] {
        if (!m_controlsShown)
            m_controls->hide();
    });
    m_controls->hide();
}

void FullScreenMovieWindow::showMovie(TorvaAVView *view)
{
    m_movie = view;
    view->setParent(this);
    QScreen *screen = m_mainWindow->screen();
    if (screen)
        setGeometry(screen->geometry());
    showFullScreen();
    view->setGeometry(rect());
    view->show();
    m_movieEvents->setGeometry(rect());
    m_movieEvents->raise();
    m_movieEvents->show();
    m_controlsShown = false;
    showFullscreenMovieControlWindow();
    activateWindow();
    setFocus();
}

TorvaAVView *FullScreenMovieWindow::takeMovie()
{
    m_fade->stop();
    static_cast<QGraphicsOpacityEffect *>(m_controls->graphicsEffect())->setOpacity(0.0);
    m_controls->hide();
    m_controlsShown = false;
    TorvaAVView *view = m_movie;
    m_movie = nullptr;
    if (view)
        view->setParent(nullptr);
    hide();
    return view;
}

void FullScreenMovieWindow::showFullscreenMovieControlWindow()
{
    if (m_controlsShown || !m_movie)
        return;
    m_controlsShown = true;
    placeControls();
    m_controls->raise();
    m_controls->show();
    fadeControls(1.0);
}

void FullScreenMovieWindow::hideFullscreenMovieControlWindow()
{
    if (!m_controlsShown)
        return;
    m_controlsShown = false;
    fadeControls(0.0);
}

void FullScreenMovieWindow::fadeControls(double opacity)
{
    m_fade->stop();
    m_fade->setStartValue(
        static_cast<QGraphicsOpacityEffect *>(m_controls->graphicsEffect())->opacity());
    m_fade->setEndValue(opacity);
    m_fade->start();
}

void FullScreenMovieWindow::fullscreenButtonTouched(QObject *)
{
    Q_EMIT exitFullScreenRequested();
}

void FullScreenMovieWindow::placeControls()
{
    const QRectF frame =
        MainWindowLayout::fullscreenControlFrame(QRectF(rect()), QSizeF(m_controls->size()));
    m_controls->setGeometry(frame.toRect());
}

void FullScreenMovieWindow::keyPressEvent(QKeyEvent *event)
{
    if (!m_mainWindow->handleKeyEvent(event))
        QWidget::keyPressEvent(event);
}

void FullScreenMovieWindow::resizeEvent(QResizeEvent *)
{
    if (m_movie)
        m_movie->setGeometry(rect());
    m_movieEvents->setGeometry(rect());
    placeControls();
}
