#pragma once

#include "playback/MapTarget.h"

#include <QWidget>

class TorvaImageView;

// The map area. Until the map page is built it shows the cover picture
// whenever playback covers the map, and the route's current position as
// text while the map would be visible.
class MapCoverView : public QWidget, public MapTarget
{
    Q_OBJECT

public:
    explicit MapCoverView(QWidget *parent = nullptr);

    void moveToLat(float lat, float lng) override;
    void removeMapLine() override;
    void addRoute(const TorvaClipData &clipData) override;
    void setMapHidden(bool hidden) override;
    void setCoverHidden(bool hidden) override;

    bool isCoverShown() const;
    // The last position sent, "lat, lng".
    QString positionText() const { return m_positionText; }
    int routeLength() const { return m_routeLength; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    TorvaImageView *m_cover;
    bool m_mapHidden = true;
    QString m_positionText;
    int m_routeLength = 0;
};
