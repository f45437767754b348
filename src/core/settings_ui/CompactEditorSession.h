#pragma once

#include "core/settings_ui/CompactEditorControl.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <optional>

class QMVSettingManager;

// One run of the compact model's settings editor without its window. The
// controls of CompactEditorLayout show the manager's lines; every change the
// user makes is written straight into those lines, and OK adds the camera's
// date and time. The caller loads the lines before and saves them after OK
// (QMVSettingManager::loadData and saveData); Cancel just drops the session.
//
// A control whose line is missing keeps what it showed ("as laid out": no
// value at first), and changing it writes nothing.
class CompactEditorSession
{
public:
    // How a slider came to move: only a move made with the mouse pressed on
    // it is the user's choice. Keyboard steps and the dialog's own moves
    // (showing a value, the mouse's release) write nothing.
    enum class SliderMove
    {
        MousePressed,
        Other,
    };

    // After anything but Written and NoLine the control's value() is what
    // it was: a dialog puts its widget back to it, so that it never shows a
    // value the file does not get.
    enum class Outcome
    {
        Written,     // the line (or lines) took the value
        NoLine,      // the control shows the value; the file has no line for it
        NotWritten,  // a slider moved without the mouse: nothing changed
        NotAChoice,  // the control offers no such value: nothing changed
        SwitchedOff, // the control is disabled by another one: nothing changed
    };

    // Shows the manager's lines; the date and time check box starts cleared.
    explicit CompactEditorSession(QMVSettingManager &manager);

    // Sets every control from the manager's lines; the check box and the
    // controls whose line is missing keep what they show.
    void apply();

    // The user's change of a control (CompactEditorLayout::Control::values
    // says what it takes), with the rules that follow it: the voltage group
    // follows the parking mode, the volume slider voice guidance, the date
    // picker and current-time button the check box. A combo box given an
    // index it does not list (no selection) takes its other choice and then
    // shows it.
    Outcome set(CompactControl control, int value, SliderMove move = SliderMove::MousePressed);

    // OK before saving: with the check box checked, the file asks the camera
    // to set its clock to moment ("set=1" and the six date and time lines
    // right after it, in place of any earlier ones). With the box cleared the
    // lines stay as they are.
    void ok(const QDateTime &moment);

    // Reset: the default lines for the compact model (others keep their
    // lines), shown again; nothing is saved. Returns whether the lines were
    // replaced.
    bool reset(qint64 modelType);

    // A control's value (see CompactEditorLayout::Control::values), or
    // nothing while it shows what the dialog laid out.
    std::optional<int> value(CompactControl control) const;
    bool isEnabled(CompactControl control) const;
    // The model name or firmware version as the file has it.
    std::optional<QString> text(CompactControl control) const;
    // The percent shown on the partition bars, in the order of
    // CompactEditorLayout::partitionShares(); 0 for a missing line.
    const QList<int> &partitionValues() const { return m_partitionValues; }

    // A line's value as a whole number, truncated toward zero ("-9.5" is
    // -9); nothing for a text that is not a decimal number within int.
    static std::optional<int> wholeNumber(const QString &text);

private:
    struct State
    {
        std::optional<int> value;
        bool enabled = true;
        std::optional<QString> text;
    };

    void applyPartition();
    Outcome setPartition(int column);
    bool writeLine(const QString &key, const QString &value);
    void show(CompactControl control, int value);

    QMVSettingManager &m_manager;
    std::array<State, kCompactControlCount> m_states{};
    QList<int> m_partitionValues;
};
