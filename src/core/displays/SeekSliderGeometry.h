#pragma once

// Positions of the seek bar's knob, in view points from the bar's left edge.
// The knob's centre travels from half its width to the view width less half
// its width; that stretch spans the values 0 to the maximum.
class SeekSliderGeometry
{
public:
    void setKnobWidth(double width);
    void setViewWidth(double width);

    double sliderHalfWidth() const { return m_sliderHalfWidth; }
    double minSliderXPt() const { return m_sliderHalfWidth; }
    double maxSliderXPt() const { return m_maxSliderXPt; }
    double sliderLength() const { return m_maxSliderXPt - m_sliderHalfWidth; }

    // Centre x of the knob for a value (maxValue not 0); the value itself is
    // not limited.
    double xPointForValue(double value, double maxValue) const;
    // Left edge of the knob centred on x, kept within 0 … sliderLength.
    double knobOriginForXPoint(double x) const;
    // The value under x, within 0 … maxValue; 0 while the bar has no length.
    double valueForXPoint(double x, double maxValue) const;

private:
    double m_sliderHalfWidth = 0.0;
    double m_viewWidth = 0.0;
    double m_maxSliderXPt = 0.0;
};
