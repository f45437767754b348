#include "gui/displays/VolumeSliderView.h"

#include "core/displays/VolumeSliderGeometry.h"
#include "gui/controls/TorvaImageView.h"

#include <QMouseEvent>

#include <cmath>

VolumeSliderView::VolumeSliderView(QWidget *parent)
    : QWidget(parent), m_bgImageView(new TorvaImageView(this)),
      m_gaugeImageView(new TorvaImageView(this))
{
    m_bgImageView->setImageName(QStringLiteral("volume_bar"));
    m_gaugeImageView->setImageName(QStringLiteral("volume_level"));
    m_bgImageView->setGeometry(rect());
    setVolume(1.0f);
}

void VolumeSliderView::setVolume(float volume)
{
    m_volume = VolumeSliderGeometry::clampVolume(volume);
    setVolumeGageWithVolume(m_volume);
}

void VolumeSliderView::setVolumeGageWithVolume(float volume)
{
    setVolumeGaugeWithXPoint(double(volume) * width());
}

void VolumeSliderView::setVolumeGaugeWithXPoint(double x)
{
    const double gaugeWidth = VolumeSliderGeometry::gaugeWidthForXPoint(x, width());
    setGaugeWidth(gaugeWidth);
    m_volume = VolumeSliderGeometry::volumeForGaugeWidth(gaugeWidth, width());
}

void VolumeSliderView::setGaugeWidth(double gaugeWidth)
{
    m_gaugeImageView->setGeometry(0, 0, int(std::lround(gaugeWidth)), height());
}

void VolumeSliderView::setIsMuted(bool muted)
{
    // Muting twice would save the silence and lose the volume to come back to.
    if (muted == m_isMuted)
        return;
    m_isMuted = muted;
    if (muted) {
        m_backupVolume = m_volume;
        setVolume(0.0f);
    } else {
        setVolume(m_backupVolume);
    }
    sendVolumeChangedEvent();
}

void VolumeSliderView::sendVolumeChangedEvent()
{
    Q_EMIT volumeChanged(m_volume);
}

void VolumeSliderView::resizeEvent(QResizeEvent *event)
{
    // The filled part keeps its share of the bar; the volume stays as it is.
    m_bgImageView->setGeometry(rect());
    setGaugeWidth(double(m_volume) * width());
    QWidget::resizeEvent(event);
}

void VolumeSliderView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setVolumeGaugeWithXPoint(event->position().x());
    sendVolumeChangedEvent();
}

void VolumeSliderView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    setVolumeGaugeWithXPoint(event->position().x());
    sendVolumeChangedEvent();
}
