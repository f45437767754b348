#include "gui/app/MovieSound.h"

#include "core/playback/VolumeControl.h"
#include "gui/app/MainWindow.h"
#include "gui/controls/ImageButton.h"
#include "gui/displays/VolumeSliderView.h"
#include "gui/video/TorvaAVView.h"

MovieSound::MovieSound(PlaybackSession &session, MainWindow *window, WidgetOf widgetOf,
                       QObject *parent)
    : QObject(parent), m_session(session), m_window(window), m_widgetOf(std::move(widgetOf))
{
}

void MovieSound::apply()
{
    const float volume = m_window->outlets().volumeSlider->volume();
    for (PlaybackSession::View view :
         {PlaybackSession::View::Large, PlaybackSession::View::Small}) {
        TorvaAVView *widget = m_widgetOf(view);
        if (widget->hasMovie())
            widget->setVolume(m_session.volumeFor(view, volume));
    }
}

void MovieSound::volumeUp()
{
    setVolume(VolumeControl::volumeUp(m_window->outlets().volumeSlider->volume()));
}

void MovieSound::volumeDown()
{
    setVolume(VolumeControl::volumeDown(m_window->outlets().volumeSlider->volume()));
}

void MovieSound::setVolume(float volume)
{
    VolumeSliderView *slider = m_window->outlets().volumeSlider;
    slider->setVolume(volume);
    apply();
    m_window->outlets().muteButton->setImage(VolumeControl::muteButtonImage(slider->volume()));
}

void MovieSound::toggleMute()
{
    VolumeSliderView *slider = m_window->outlets().volumeSlider;
    slider->setIsMuted(!slider->isMuted());
    showMuted(slider->isMuted());
}

void MovieSound::showMuted(bool muted)
{
    const MainWindow::Outlets &o = m_window->outlets();
    o.muteButton->setImage(VolumeControl::muteButtonImageWhenMuted(muted));
    o.volumeSlider->setEnabled(!muted);
}
