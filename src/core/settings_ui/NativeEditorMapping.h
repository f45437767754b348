#pragma once

#include "core/settings/SettingRecordLayout.h"
#include "core/settings_ui/EditorControls.h"
#include "core/settings_ui/ValueMapping.h"

#include <QList>

#include <cstdint>

class SettingRecord;

// How the native settings editor shows a camera's record and writes it back
// (the apply and save steps), by model type. Saving is the inverse of
// showing; a control showing what the editor laid out writes nothing back,
// so a stored value the editor does not offer survives an untouched OK.
class NativeEditorMapping
{
public:
    // The camera whose record the editor shows.
    struct Camera
    {
        qint64 modelType = -1;
        int32_t firmwareVersionInt = 0;
        // The tags of the language pop-up's items, in order.
        QList<int> languageTags;
    };

    // A control that shows one record field through a mapping.
    struct Binding
    {
        EditorControl control;
        SettingField field;
        ValueMapping mapping;
    };

    // The model's field bindings; none for a type without a family.
    static QList<Binding> bindings(qint64 modelType, int32_t firmwareVersionInt);

    // The controls as the record shows them.
    static EditorControls apply(const SettingRecord &record, const Camera &camera);
    // Writes the controls back: the product name, every bound control that
    // shows a position, the language, the time zone and the voice guidance.
    static void save(const EditorControls &controls, const Camera &camera, SettingRecord &record);
};
