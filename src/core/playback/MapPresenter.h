#pragma once

#include "core/playback/MapTarget.h"

#include <optional>

class TorvaClipData;

// Decides what the map area shows during playback: a recording without GPS,
// or a moment without a fix (0, 0), covers the map with its picture; any
// other position shows the map and moves its marker there, but never twice in
// a row to the same position. The target is only told about changes.
class MapPresenter
{
public:
    explicit MapPresenter(MapTarget &target);

    // A recording was opened: its route replaces the old one, and without GPS
    // samples the cover stays.
    void showRouteOf(const TorvaClipData &clipData);
    void updateMapWithLat(float lat, float lng);
    // The cover over a hidden map, or the map without its cover.
    void showCover();
    void showMap();
    // The next position is sent even if it equals the last one.
    void forgetPosition();

    // Full screen hides the map; leaving it brings back the map's earlier
    // state (the cover is left as it is).
    void hideForFullScreen();
    void restoreAfterFullScreen();

    // Before the first change the map counts as hidden, as at start-up.
    bool isMapHidden() const { return m_mapHidden.value_or(true); }
    double lastUpdatedLat() const { return m_lastUpdatedLat; }
    double lastUpdatedLng() const { return m_lastUpdatedLng; }

private:
    void setMapHidden(bool hidden);
    void setCoverHidden(bool hidden);

    MapTarget &m_target;
    bool m_hasGps = false;
    std::optional<bool> m_mapHidden;
    std::optional<bool> m_coverHidden;
    bool m_mapHiddenOnFullScreen = true;
    double m_lastUpdatedLat = 0.0;
    double m_lastUpdatedLng = 0.0;
};
