#pragma once

#include <cstdint>

// What the speed gauge shows for one speed: the number in the chosen unit,
// how many of the bar's segments are lit and which digit pictures appear.
class SpeedGaugeReadout
{
public:
    static constexpr int kSegmentCount = 24;
    // A digit place that shows no picture.
    static constexpr int kNoDigit = -1;
    // Below this many km/h no number is shown, in either unit.
    static constexpr int32_t kFirstShownSpeed = 9;

    SpeedGaugeReadout(int32_t speedKmh, bool mph);

    // km/h as given, or mph rounded to the nearest whole number.
    static int32_t displaySpeed(int32_t speedKmh, bool mph);
    // One segment per full 10 display units, from 0 to kSegmentCount.
    static int litSegmentCount(int32_t displaySpeed);

    int32_t displayValue() const { return m_displayValue; }
    int litSegments() const { return litSegmentCount(m_displayValue); }
    bool showsUnitLabel() const { return m_mph; }
    // Digits of the last three places, kNoDigit where the place stays empty.
    int ones() const { return m_ones; }
    int tens() const { return m_tens; }
    int hundreds() const { return m_hundreds; }

private:
    bool m_mph;
    int32_t m_displayValue;
    int m_ones = kNoDigit;
    int m_tens = kNoDigit;
    int m_hundreds = kNoDigit;
};
