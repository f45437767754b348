#pragma once

#include "core/settings_ui/CompactEditorControl.h"

#include <QList>
#include <QString>
#include <QStringList>

// The sections of the compact model's settings editor (model type 6, whose
// settings are the key=value lines of "SETTING/blackbox.cfg"), in dialog
// order: each section's title and controls, and for each control the line it
// reads and writes and the value each of its choices stands for. Texts are
// localisation keys unless said otherwise; a key the tables lack ("kph",
// "11.8V") comes back from the lookup as it stands.
class CompactEditorLayout
{
public:
    enum class Kind
    {
        Radio,
        Slider,
        Check,
        Combo,
        Date,
        Button,
        Text,
    };

    // How a line's value is matched to a choice's stored value.
    enum class Match
    {
        Text,          // as it stands: "fr"
        Whole,         // as whole numbers, truncated toward zero: "9.500000" is 9
        WholeHundreds, // whole numbers divided by 100, truncating: "11850" is 118
    };

    struct Control
    {
        CompactControl control = CompactControl::Partition;
        Kind kind = Kind::Radio;
        // The file key with its "=" ("park_mode="). Empty for the date picker
        // and the current-time button, which hold no line, and for the
        // partition presets, which write the four lines of partitionShares().
        QString key{};
        // Radio cells and the titles of a check box, button or text as keys;
        // combo items as they are shown; slider positions as numbers.
        QStringList choices{};
        // The control's value for each choice: row or column 0, 1, …, the
        // combo index, 0/1 for the check box, a slider's own value (1, 3, 5).
        // Empty for the controls that take no choice.
        QList<int> values{};
        // What each choice writes after the key.
        QStringList stored{};
        // The value shown for a line that matches no choice; a combo box
        // without a selection writes this choice as well.
        int otherValue = 0;
        Match match = Match::Whole;
        // Texts beside the control: a slider's low and high ends, the parking
        // mode's on and off descriptions, the voltage group's label.
        QStringList labelKeys{};
    };

    struct Section
    {
        QString id;
        QString titleKey;
        QList<Control> controls;
    };

    // One share of the memory partition: its line, its name in the presets
    // of QMVSettingManager::memoryPartitionRatiosArray() and its bar's title.
    struct PartitionShare
    {
        QString key{};
        QString presetName;
        QString barTitleKey;
    };

    static const QList<Section> &sections();
    // The control's entry in sections().
    static const Control &control(CompactControl which);
    // The control a name stands for: its field (the key without "="), or
    // the id of a section with a single control that takes a choice.
    // Null when the name is neither.
    static const Control *controlNamed(const QString &name);
    // The key without "=", or an empty text.
    static QString fieldName(const Control &control);

    // Continuous, event, parking and manual, in the order of the bars.
    static const QList<PartitionShare> &partitionShares();

    static QString dialogTitleKey();
    // Reset, OK, Cancel.
    static const QStringList &buttonTitleKeys();

    // "radio", "slider", "check", "combo", "date", "button", "text".
    static QString kindName(Kind kind);
};
