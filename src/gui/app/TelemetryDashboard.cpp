#include "gui/app/TelemetryDashboard.h"

#include "core/playback/PlaybackTiming.h"
#include "gui/app/MainWindow.h"
#include "gui/controls/TorvaImageView.h"
#include "gui/displays/SeekTimeSliderView.h"
#include "gui/displays/SpeedMeterView.h"

#include <QLabel>

TelemetryDashboard::TelemetryDashboard(MainWindow *window, QObject *parent)
    : QObject(parent), m_window(window)
{
    m_animationTimer.setInterval(PlaybackTiming::kPlayAnimationMilliseconds);
    connect(&m_animationTimer, &QTimer::timeout, this, &TelemetryDashboard::showAnimationFrame);
}

void TelemetryDashboard::show(const PlaybackTick::Display &display)
{
    const MainWindow::Outlets &o = m_window->outlets();
    o.seekTimeSlider->setCurrentSliderValue(display.sliderValue);
    o.playTimeLabel->setText(display.playTime);
    if (display.acceleration) {
        o.gxLabel->setText(display.acceleration->x);
        o.gyLabel->setText(display.acceleration->y);
        o.gzLabel->setText(display.acceleration->z);
    }
    if (display.position) {
        o.latLabel->setText(display.position->lat);
        o.lngLabel->setText(display.position->lng);
    }
    if (display.speed)
        o.speedMeter->setSpeed(*display.speed);
}

void TelemetryDashboard::showAnimationFrame()
{
    const int frame = m_animation.playAnimationTimerCallback();
    const MainWindow::Outlets &o = m_window->outlets();
    o.carShockImage->setImageName(PlayAnimation::shockGageImage(frame));
    o.earthImage->setImageName(PlayAnimation::earthImage(frame));
    o.carShockImage->show();
    o.earthImage->show();
}
