#pragma once

#include "core/settings_ui/EditorControl.h"

#include <QStringList>
#include <QtGlobal>

#include <optional>

// The steps of the settings editor's sliders and the guide label of each
// step, which the editor shows while the slider is dragged.
class SliderSteps
{
public:
    struct Range
    {
        int minimum = 0;
        int maximum = 0;
        // The guide labels of steps firstGuided, firstGuided+1, …
        int firstGuided = 0;
        QStringList guides;
    };

    // Nothing for a control that is no slider.
    static std::optional<Range> forSlider(EditorControl control, qint64 modelType);
    // The guide label index of a slider position; nothing for a position
    // without one.
    static std::optional<int> guideIndex(const Range &range, int value);
};
