#pragma once

#include <QString>

#include <array>

// The speed both views play at, in steps from a quarter to four times; the
// user steps it up and down and back to normal.
class PlaybackSpeed
{
public:
    static constexpr std::array<double, 6> kSteps{0.25, 0.5, 1.0, 1.5, 2.0, 4.0};

    double value() const { return kSteps[m_step]; }
    bool isNormal() const { return value() == 1.0; }
    // Each returns whether the speed changed.
    bool faster();
    bool slower();
    bool reset();

    // "0.25×", "1.5×", "2×".
    static QString label(double speed);

private:
    size_t m_step = 2;
};
