#pragma once

#include "core/settings_ui/EditorControls.h"

#include <QStringList>
#include <QtGlobal>

// How the settings editor's controls follow each other when the user
// changes one: switches enable or disable what they govern.
class EditorRules
{
public:
    // Updates the controls that follow the changed one.
    static void controlChanged(EditorControls &controls, EditorControl changed);

    // The four lane departure speed choices in the unit the speed unit
    // control shows: km/h for row 0, mph for row 1. The first models keep
    // the titles of their layout (empty list).
    static QStringList ldwsSpeedTitles(qint64 modelType, const EditorControls &controls);
};
