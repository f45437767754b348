#pragma once

// The shortcut actions the main window forwards to its controller.
class MainWindowKeyDelegate
{
public:
    virtual ~MainWindowKeyDelegate() = default;

    virtual void appExitButtonTouched() = 0;
    virtual void appMinimizeButtonTouched() = 0;
    virtual void fullscreenButtonTouched() = 0;
    virtual void playPauseButtonTouched() = 0;
    virtual void hideFullScreenMovie() = 0;
    virtual void rewindButtonTouched() = 0;
    virtual void fastForwardButtonTouched() = 0;
    virtual void volumeDown() = 0;
    virtual void volumeUp() = 0;
    // The speed both views play at: a step up or down, or back to normal.
    virtual void playSpeedFaster() = 0;
    virtual void playSpeedSlower() = 0;
    virtual void playSpeedNormal() = 0;
    // The play time to the next or the previous driving event.
    virtual void nextEventTouched() = 0;
    virtual void previousEventTouched() = 0;
    // The In and Out marks of the range to export.
    virtual void markInTouched() = 0;
    virtual void markOutTouched() = 0;

protected:
    MainWindowKeyDelegate() = default;
    MainWindowKeyDelegate(const MainWindowKeyDelegate &) = default;
    MainWindowKeyDelegate &operator=(const MainWindowKeyDelegate &) = default;
};
