#pragma once

#include "core/settings_ui/EditorControl.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

// What happens when the user picks another parking mode in the settings
// editor: which question the editor asks first, and what each answer does.
class ParkingModeChoice
{
public:
    // The question's title key and, per picked row, its text key; nothing
    // when the row is taken at once without asking.
    static QString titleKey();
    static std::optional<QString> questionKey(qint64 modelType, int row);

    struct Outcome
    {
        int parkingModeSet = 0; // stored at once in the shared settings
        QList<EditorControl> enabled;
        QList<EditorControl> disabled;
    };
    // "Yes": the value stored and the sliders it switches. A row taken
    // without a question only switches the sliders.
    static Outcome accepted(qint64 modelType, int row);
    // "No": the row showing the stored parking mode.
    static int rowForStored(qint64 modelType, int parkingModeSet);
};
