#pragma once

#include <QWidget>

class TorvaImageView;

// The volume bar: the empty bar ("volume_bar") with the filled part
// ("volume_level") growing from the left, both stretched to the view's
// height. Pressing or dragging sets the volume under the pointer and emits
// volumeChanged(). Starts at full volume; a disabled bar ignores the mouse.
class VolumeSliderView : public QWidget
{
    Q_OBJECT

public:
    explicit VolumeSliderView(QWidget *parent = nullptr);

    float volume() const { return m_volume; }
    // Keeps the volume within 0.0 … 1.0 and fills the bar to it.
    void setVolume(float volume);
    void setVolumeGageWithVolume(float volume);
    void setVolumeGaugeWithXPoint(double x);

    bool isMuted() const { return m_isMuted; }
    // Muting saves the volume and sets 0; unmuting brings the saved volume
    // back. Either way volumeChanged() follows. The state already set
    // changes nothing.
    void setIsMuted(bool muted);

    void sendVolumeChangedEvent();

    TorvaImageView *bgImageView() const { return m_bgImageView; }
    TorvaImageView *gaugeImageView() const { return m_gaugeImageView; }

Q_SIGNALS:
    void volumeChanged(float volume);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void setGaugeWidth(double width);

    TorvaImageView *m_bgImageView;
    TorvaImageView *m_gaugeImageView;
    float m_backupVolume = 0.0f;
    bool m_isMuted = false;
    float m_volume = 0.0f;
};
