#include "app/MapCoverView.h"

#include "controls/TorvaImageView.h"
#include "playback/PlaybackTick.h"
#include "telemetry/TorvaClipData.h"

#include <QPainter>

MapCoverView::MapCoverView(QWidget *parent) : QWidget(parent), m_cover(new TorvaImageView(this))
{
    m_cover->setImageName(QStringLiteral("mapview_cover"));
    m_cover->setImageScaling(TorvaImageView::Scaling::AxesIndependently);
}

void MapCoverView::moveToLat(float lat, float lng)
{
    m_positionText =
        PlaybackTick::positionText(lat) + QStringLiteral(", ") + PlaybackTick::positionText(lng);
    update();
}

void MapCoverView::removeMapLine()
{
    m_routeLength = 0;
    m_positionText.clear();
    update();
}

void MapCoverView::addRoute(const TorvaClipData &clipData)
{
    m_routeLength = int(clipData.gpsDataCount());
    update();
}

void MapCoverView::setMapHidden(bool hidden)
{
    m_mapHidden = hidden;
    update();
}

void MapCoverView::setCoverHidden(bool hidden)
{
    m_cover->setVisible(!hidden);
}

bool MapCoverView::isCoverShown() const
{
    return !m_cover->isHidden();
}

void MapCoverView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x2b, 0x2f, 0x34));
    if (m_mapHidden)
        return;
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, m_positionText);
}

void MapCoverView::resizeEvent(QResizeEvent *)
{
    m_cover->setGeometry(rect());
}
