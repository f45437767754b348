#include "core/playback/VideoZoom.h"

void VideoZoom::videoScaleUp()
{
    if (m_step < kMaxStep)
        ++m_step;
}

void VideoZoom::videoScaleDown()
{
    if (m_step > 0)
        --m_step;
    else
        m_touchedBigMovieScroll = false;
}

void VideoZoom::resetVideoScale()
{
    m_step = 0;
    m_touchedBigMovieScroll = false;
}

void VideoZoom::enterScrollMode()
{
    m_enableBigMovieViewScroll = !m_enableBigMovieViewScroll;
}

void VideoZoom::resetForNewRecording()
{
    resetVideoScale();
    m_enableBigMovieViewScroll = true;
    enterScrollMode();
}

QString VideoZoom::panButtonImage() const
{
    return m_enableBigMovieViewScroll ? QStringLiteral("pan_2") : QStringLiteral("pan_1");
}

VideoZoom::Frame VideoZoom::changeVideoScale(const QSizeF &scrollViewSize) const
{
    Frame frame;
    frame.viewSize = scrollViewSize * videoScale();
    frame.horizontalScroller =
        m_enableBigMovieViewScroll && frame.viewSize.width() > scrollViewSize.width();
    frame.verticalScroller =
        m_enableBigMovieViewScroll && frame.viewSize.height() > scrollViewSize.height();
    return frame;
}

QPoint VideoZoom::centredScrollPoint(const QSizeF &viewSize, const QSizeF &clipSize)
{
    const QSizeF margin = (viewSize - clipSize) * 0.5;
    return QPointF(margin.width(), margin.height()).toPoint();
}

void VideoZoom::boundDidChange(const QPointF &origin, const QSizeF &viewSize,
                               const QSizeF &clipSize)
{
    // Compared in whole points: a scroll position has no fractions.
    if (origin.toPoint() != centredScrollPoint(viewSize, clipSize))
        m_touchedBigMovieScroll = true;
}
