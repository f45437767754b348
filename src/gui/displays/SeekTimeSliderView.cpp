#include "gui/displays/SeekTimeSliderView.h"

#include "gui/controls/BGColorView.h"
#include "gui/controls/TorvaImageView.h"
#include "gui/controls/TorvaImages.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace {

const QString kKnobImage = QStringLiteral("progress_bar");
const QString kTrackImage = QStringLiteral("seek_bar_track");
constexpr QRect kKnobFrame{0, 0, 10, 33};
// The marked range: a band over the groove, under the knob.
const QColor kMarkedRangeColor(0xff, 0xa5, 0x00, 150);
constexpr int kMarkedRangeHeight = 6;
// Driving events: short red ticks above the groove.
constexpr QSize kEventMarkSize(3, 9);

} // namespace

SeekTimeSliderView::SeekTimeSliderView(QWidget *parent)
    : QWidget(parent), m_trackImageView(new TorvaImageView(this)),
      m_markedRangeView(new BGColorView(this)), m_sliderImageView(new TorvaImageView(this))
{
    m_markedRangeView->setColor(kMarkedRangeColor);
    m_markedRangeView->hide();
    m_trackImageView->setImageName(kTrackImage);
    m_trackImageView->setGeometry(rect());
    m_sliderImageView->setImageName(kKnobImage);
    m_sliderImageView->setGeometry(kKnobFrame);
    const QSize knob = TorvaImages::sizeOf(kKnobImage);
    m_knobWidth = knob.isValid() ? knob.width() : kKnobFrame.width();
}

SeekSliderGeometry SeekTimeSliderView::sliderTravel() const
{
    SeekSliderGeometry travel;
    travel.setKnobWidth(m_knobWidth);
    travel.setViewWidth(width());
    return travel;
}

void SeekTimeSliderView::setMaxSliderValue(double value)
{
    m_maxSliderValue = value;
    placeMarkedRange();
    placeEventMarks();
}

void SeekTimeSliderView::setMarkedRange(std::optional<double> in, std::optional<double> out)
{
    m_markIn = in;
    m_markOut = out;
    placeMarkedRange();
}

QColor SeekTimeSliderView::eventMarkColor()
{
    return {0xe5, 0x39, 0x35};
}

void SeekTimeSliderView::setEventMarks(const QList<double> &seconds)
{
    qDeleteAll(m_eventMarkViews);
    m_eventMarkViews.clear();
    m_eventMarks = seconds;
    for (qsizetype index = 0; index < seconds.size(); ++index) {
        auto *mark = new BGColorView(this);
        mark->setColor(eventMarkColor());
        mark->stackUnder(m_sliderImageView);
        m_eventMarkViews.append(mark);
    }
    placeEventMarks();
}

void SeekTimeSliderView::placeEventMarks()
{
    const SeekSliderGeometry travel = sliderTravel();
    for (qsizetype index = 0; index < m_eventMarkViews.size(); ++index) {
        BGColorView *mark = m_eventMarkViews.at(index);
        mark->setVisible(m_maxSliderValue > 0.0);
        const double x = travel.xPointForValue(m_eventMarks.at(index), m_maxSliderValue);
        mark->setGeometry(int(std::lround(x - kEventMarkSize.width() / 2.0)), 2,
                          kEventMarkSize.width(), kEventMarkSize.height());
    }
}

void SeekTimeSliderView::placeMarkedRange()
{
    const bool marked = (m_markIn || m_markOut) && m_maxSliderValue > 0.0;
    m_markedRangeView->setVisible(marked);
    if (!marked)
        return;
    const SeekSliderGeometry travel = sliderTravel();
    const double left = travel.xPointForValue(m_markIn.value_or(0.0), m_maxSliderValue);
    const double right = travel.xPointForValue(
        std::min(m_markOut.value_or(m_maxSliderValue), m_maxSliderValue), m_maxSliderValue);
    m_markedRangeView->setGeometry(QRectF(left, (height() - kMarkedRangeHeight) / 2.0,
                                          std::max(2.0, right - left), kMarkedRangeHeight)
                                       .toRect());
}

void SeekTimeSliderView::setCurrentSliderValue(double value)
{
    m_currentSliderValue = std::min(value, m_maxSliderValue);
    if (!m_isSliderTouching)
        moveSliderImageViewWithSliderValue(m_currentSliderValue);
}

void SeekTimeSliderView::moveSliderImageViewWithSliderValue(double value)
{
    if (m_maxSliderValue == 0.0)
        return;
    moveSliderImageViewWithXPoint(sliderTravel().xPointForValue(value, m_maxSliderValue));
}

void SeekTimeSliderView::moveSliderImageViewWithXPoint(double x)
{
    m_sliderImageView->move(int(std::lround(sliderTravel().knobOriginForXPoint(x))),
                            m_sliderImageView->y());
}

double SeekTimeSliderView::calculateSliderValueFromSliderXPosition(double x) const
{
    return sliderTravel().valueForXPoint(x, m_maxSliderValue);
}

void SeekTimeSliderView::resizeEvent(QResizeEvent *event)
{
    // The bar follows resizing; the knob keeps its value.
    m_trackImageView->setGeometry(rect());
    placeMarkedRange();
    placeEventMarks();
    if (!m_isSliderTouching)
        moveSliderImageViewWithSliderValue(m_currentSliderValue);
    QWidget::resizeEvent(event);
}

void SeekTimeSliderView::followPointer(double x)
{
    moveSliderImageViewWithXPoint(x);
    m_currentSliderValue = calculateSliderValueFromSliderXPosition(x);
}

void SeekTimeSliderView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_isSliderTouching = true;
    followPointer(event->position().x());
    Q_EMIT seekTimeSliderTouchedDown(m_currentSliderValue);
}

void SeekTimeSliderView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_isSliderTouching)
        return;
    followPointer(event->position().x());
    Q_EMIT seekTimeSliderDragged(m_currentSliderValue);
}

void SeekTimeSliderView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_isSliderTouching)
        return;
    m_currentSliderValue = calculateSliderValueFromSliderXPosition(event->position().x());
    Q_EMIT seekTimeSliderTouchedUp(m_currentSliderValue);
    m_isSliderTouching = false;
}
