#include "core/settings_ui/SliderSteps.h"

#include "core/settings_ui/SettingsFamily.h"

namespace {

using C = EditorControl;
using Range = SliderSteps::Range;

QStringList numbers(int first, int last)
{
    QStringList list;
    for (int i = first; i <= last; ++i)
        list.append(QString::number(i));
    return list;
}

// Steps first … last labelled with their own numbers.
Range counted(int first, int last)
{
    return {first, last, first, numbers(first, last)};
}

QStringList hours(std::initializer_list<int> list)
{
    QStringList labels;
    for (const int h : list)
        labels.append(QStringLiteral("%1h").arg(h));
    return labels;
}

// Eight cut-off voltages from the lowest on, in tenths of a volt.
QStringList volts(int lowestTenths, int stepTenths)
{
    QStringList labels;
    for (int i = 0; i < 8; ++i) {
        const int tenths = lowestTenths + i * stepTenths;
        labels.append(QStringLiteral("%1.%2V").arg(tenths / 10).arg(tenths % 10));
    }
    return labels;
}

} // namespace

std::optional<Range> SliderSteps::forSlider(EditorControl control, qint64 modelType)
{
    const bool old = SettingsFamily::isOldGroup(modelType);
    switch (control) {
    case C::AlwaysShock:
    case C::ParkingShock:
        return old ? counted(1, 10) : counted(1, 5);
    case C::LdwsLeftSensitivity:
    case C::LdwsRightSensitivity:
    case C::FcwsSensitivity:
        return Range{0, 2, 0, numbers(1, 3)};
    case C::VoiceVolume:
        return old ? counted(1, 6) : counted(0, 3);
    case C::LcdBrightness:
        // The first models accept a stored 0, which has no guide label.
        return old ? Range{0, 10, 1, numbers(1, 10)} : counted(0, 2);
    case C::FrontBrightness:
    case C::RearBrightness:
        return counted(0, 2);
    case C::ParkingMotionSensitivity:
        return old ? counted(1, 3) : counted(0, 3);
    case C::TimeLimit36x:
        return old ? Range{1, 7, 1, hours({1, 2, 4, 6, 12, 24, 48})}
                   : Range{1, 4, 1, hours({6, 12, 24, 48})};
    case C::TimeLimit36o:
        return Range{1, 8, 1, hours({1, 2, 4, 6, 12, 24, 36, 48})};
    case C::Battery12V:
        return Range{0, 7, 0, volts(116, 1)};
    case C::Battery24V:
        return Range{0, 7, 0, volts(232, 2)};
    default:
        return std::nullopt;
    }
}

std::optional<int> SliderSteps::guideIndex(const Range &range, int value)
{
    const int index = value - range.firstGuided;
    if (value < range.minimum || value > range.maximum || index < 0 || index >= range.guides.size())
        return std::nullopt;
    return index;
}
