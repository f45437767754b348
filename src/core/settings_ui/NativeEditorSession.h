#pragma once

#include "core/settings/SettingRecordLayout.h"
#include "core/settings_ui/EditorControls.h"
#include "core/settings_ui/NativeEditorLayout.h"
#include "core/settings_ui/NativeEditorMapping.h"

#include <QString>

#include <optional>

class SettingRecord;

// One run of the native settings editor without its window: the record
// shown in the model's controls, changed control by control with the
// editor's own rules, and written back as OK writes it.
class NativeEditorSession
{
public:
    NativeEditorSession(const SettingRecord &record, const NativeEditorMapping::Camera &camera);

    const NativeEditorMapping::Camera &camera() const { return m_camera; }
    const QList<NativeEditorLayout::Section> &sections() const { return m_sections; }
    const EditorControls &controls() const { return m_controls; }

    // The record field a control reads and writes, if any.
    std::optional<SettingField> fieldOf(EditorControl control) const;
    // How many positions the control offers: radio cells, combo or pop-up
    // items, 2 for a check box; for a slider its step range.
    std::pair<int, int> positions(const NativeEditorLayout::Control &control) const;

    // Sets the control named by its record field, or by its section's id
    // where the section's one control has no field, as the user would.
    // Returns why it cannot be set; empty when it was.
    QString choose(const QString &name, int value);
    // Sets a control as the user would, with the rules that follow it.
    // Returns why it cannot be set; empty when it was.
    QString set(const NativeEditorLayout::Control &control, int value);
    // Replaces the controls, as a Reset does with another record.
    void applyRecord(const SettingRecord &record);

    // The record as OK writes it.
    void save(SettingRecord &record) const;

private:
    const NativeEditorLayout::Control *controlNamed(const QString &name) const;

    NativeEditorMapping::Camera m_camera;
    QList<NativeEditorLayout::Section> m_sections;
    QList<NativeEditorMapping::Binding> m_bindings;
    EditorControls m_controls;
};
