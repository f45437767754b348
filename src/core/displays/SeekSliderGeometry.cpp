#include "core/displays/SeekSliderGeometry.h"

#include <algorithm>

void SeekSliderGeometry::setKnobWidth(double width)
{
    m_sliderHalfWidth = width / 2.0;
    setViewWidth(m_viewWidth);
}

void SeekSliderGeometry::setViewWidth(double width)
{
    m_viewWidth = width;
    m_maxSliderXPt = width - m_sliderHalfWidth;
}

double SeekSliderGeometry::xPointForValue(double value, double maxValue) const
{
    return value * sliderLength() / maxValue + m_sliderHalfWidth;
}

double SeekSliderGeometry::knobOriginForXPoint(double x) const
{
    // A view narrower than the knob leaves no room to move: the knob stays at 0.
    return std::max(0.0, std::min(x - m_sliderHalfWidth, sliderLength()));
}

double SeekSliderGeometry::valueForXPoint(double x, double maxValue) const
{
    const double length = sliderLength();
    if (length <= 0.0)
        return 0.0;
    return knobOriginForXPoint(x) * maxValue / length;
}
