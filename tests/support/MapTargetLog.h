#pragma once

#include "core/playback/MapTarget.h"

#include <QString>
#include <QStringList>

// A map area that writes down what it is told, one line a call:
// "move 37.500000,127.250000", "removeMapLine", "addRoute 12",
// "map hidden"/"map shown", "cover hidden"/"cover shown".
class MapTargetLog : public MapTarget
{
public:
    void moveToLat(float lat, float lng) override;
    void removeMapLine() override;
    void addRoute(const TorvaClipData &clipData) override;
    void setMapHidden(bool hidden) override;
    void setCoverHidden(bool hidden) override;

    // The calls so far, and forgets them.
    QStringList take();
    int moves() const { return m_moves; }
    bool mapHidden() const { return m_mapHidden; }
    bool coverHidden() const { return m_coverHidden; }

private:
    QStringList m_calls;
    int m_moves = 0;
    bool m_mapHidden = true;
    bool m_coverHidden = false;
};
