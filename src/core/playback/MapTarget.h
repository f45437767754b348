#pragma once

class TorvaClipData;

// The map area of the main window as playback drives it: the map page
// (through its MapController) and the cover picture laid over it when there
// is nothing to show. The window implements it.
class MapTarget
{
public:
    virtual ~MapTarget() = default;

    // MapController's operations.
    virtual void moveToLat(float lat, float lng) = 0;
    virtual void removeMapLine() = 0;
    virtual void addRoute(const TorvaClipData &clipData) = 0;

    // The map's web view, and the cover picture.
    virtual void setMapHidden(bool hidden) = 0;
    virtual void setCoverHidden(bool hidden) = 0;
};
