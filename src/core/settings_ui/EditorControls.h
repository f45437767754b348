#pragma once

#include "core/settings_ui/EditorControl.h"

#include <array>
#include <optional>

// What the editor's controls hold: each control's position (radio row or
// column, slider step, 0/1 for a check box, combo or pop-up index) and
// whether it takes input. A control without a position shows what the editor
// laid out and, untouched, writes nothing back.
class EditorControls
{
public:
    std::optional<int> value(EditorControl control) const { return at(control).value; }
    void setValue(EditorControl control, std::optional<int> value) { at(control).value = value; }
    bool isEnabled(EditorControl control) const { return at(control).enabled; }
    void setEnabled(EditorControl control, bool enabled) { at(control).enabled = enabled; }

private:
    struct State
    {
        std::optional<int> value;
        bool enabled = true;
    };
    State &at(EditorControl control) { return m_states[size_t(control)]; }
    const State &at(EditorControl control) const { return m_states[size_t(control)]; }

    std::array<State, kEditorControlCount> m_states{};
};
