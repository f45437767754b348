#include "app/FullScreenMovieWindow.h"

#include "app/MainWindow.h"
#include "controls/ImageButton.h"
#include "playback/MainWindowLayout.h"
#include "playback/PlaybackTiming.h"
#include "video/TorvaAVView.h"

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
      m_controls(new QWidget(this))
{
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
    showFullscreenMovieControlWindow();
    activateWindow();
    setFocus();
}

TorvaAVView *FullScreenMovieWindow::takeMovie()
{
    m_fade->stop();
    static_cast<QGraphicsOpacityEffect *>(m_controls->graphicsEffect())->setOpacity(0.0);
    TorvaAVView *view = m_movie;
    m_movie = nullptr;
    if (view)
        view->setParent(nullptr);
    hide();
    return view;
}

void FullScreenMovieWindow::showFullscreenMovieControlWindow()
{
    placeControls();
    m_controls->raise();
    m_controls->show();
    m_fade->stop();
    m_fade->setStartValue(0.0);
    m_fade->setEndValue(1.0);
    m_fade->start();
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
    placeControls();
}
