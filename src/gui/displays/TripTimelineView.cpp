#include "gui/displays/TripTimelineView.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {

const QColor kTrack(0x3a, 0x3f, 0x46);
const QColor kPlaying(0x5a, 0x62, 0x6c);
const QColor kPlayed(0x2f, 0x8f, 0xdf);
const QColor kGap(0x22, 0x25, 0x29);

} // namespace

TripTimelineView::TripTimelineView(QWidget *parent) : QWidget(parent)
{
    setFixedHeight(8);
    setCursor(Qt::PointingHandCursor);
}

void TripTimelineView::setRecordingLengths(QList<double> seconds)
{
    m_lengths = std::move(seconds);
    m_total = std::accumulate(m_lengths.cbegin(), m_lengths.cend(), 0.0);
    m_index = -1;
    m_seconds = 0.0;
    update();
}

void TripTimelineView::setPlace(qsizetype index, double seconds)
{
    m_index = index;
    m_seconds = seconds;
    update();
}

double TripTimelineView::playedSeconds() const
{
    if (m_index < 0 || m_index >= m_lengths.size())
        return 0.0;
    return std::accumulate(m_lengths.cbegin(), m_lengths.cbegin() + m_index, 0.0) +
           std::clamp(m_seconds, 0.0, m_lengths[m_index]);
}

double TripTimelineView::xOfTime(double tripSeconds) const
{
    return m_total > 0.0 ? std::clamp(tripSeconds / m_total, 0.0, 1.0) * width() : 0.0;
}

double TripTimelineView::timeAtX(double x) const
{
    return width() > 0 ? std::clamp(x / width(), 0.0, 1.0) * m_total : 0.0;
}

void TripTimelineView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kTrack);
    double start = 0.0;
    for (qsizetype i = 0; i < m_lengths.size(); ++i) {
        const double left = xOfTime(start);
        const double right = xOfTime(start + m_lengths[i]);
        if (i == m_index)
            painter.fillRect(QRectF(left, 0, right - left, height()), kPlaying);
        // A dark line between recordings.
        if (i > 0)
            painter.fillRect(QRectF(left - 0.5, 0, 1.0, height()), kGap);
        start += m_lengths[i];
    }
    painter.fillRect(QRectF(0, 2, xOfTime(playedSeconds()), height() - 4), kPlayed);
}

void TripTimelineView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_total <= 0.0)
        return QWidget::mousePressEvent(event);
    Q_EMIT jumpRequested(timeAtX(event->position().x()));
}
