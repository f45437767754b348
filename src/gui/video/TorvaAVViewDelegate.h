#pragma once

#include "core/video/VideoStatus.h"

class TorvaAVView;

// What a TorvaAVView tells its delegate. Every call arrives later from the
// event loop, never from inside a call on the view.
class TorvaAVViewDelegate
{
public:
    virtual ~TorvaAVViewDelegate() = default;

    // Every tenth of a second while playing, and when a seek or a frame step
    // lands.
    virtual void torvaAVViewDidUpdateTime(TorvaAVView *view, double seconds) = 0;
    virtual void torvaAVViewDidUpdateRate(TorvaAVView *view, double rate) = 0;
    virtual void torvaAVViewDidUpdateStatus(TorvaAVView *view, VideoStatus status) = 0;
    virtual void torvaAVViewDidPlayToEndTime(TorvaAVView *view) = 0;
    // The user asked for full screen (a right click).
    virtual void torvaAVViewDidRequestFullscreen(TorvaAVView *view) = 0;

protected:
    TorvaAVViewDelegate() = default;
    TorvaAVViewDelegate(const TorvaAVViewDelegate &) = default;
    TorvaAVViewDelegate &operator=(const TorvaAVViewDelegate &) = default;
};
