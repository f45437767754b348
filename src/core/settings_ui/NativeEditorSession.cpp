#include "core/settings_ui/NativeEditorSession.h"

#include "core/settings/SettingRecord.h"
#include "core/settings_ui/EditorRules.h"
#include "core/settings_ui/ParkingModeChoice.h"
#include "core/settings_ui/SliderSteps.h"

using Kind = NativeEditorLayout::Kind;

NativeEditorSession::NativeEditorSession(const SettingRecord &record,
                                         const NativeEditorMapping::Camera &camera)
    : m_camera(camera),
      m_sections(NativeEditorLayout::forModel(camera.modelType, camera.firmwareVersionInt)),
      m_bindings(NativeEditorMapping::bindings(camera.modelType, camera.firmwareVersionInt)),
      m_controls(NativeEditorMapping::apply(record, camera))
{
}

std::optional<SettingField> NativeEditorSession::fieldOf(EditorControl control) const
{
    if (control == EditorControl::Language)
        return SettingField::cur_language;
    if (control == EditorControl::TimeZone)
        return SettingField::gmt_offset;
    for (const auto &binding : m_bindings) {
        if (binding.control == control)
            return binding.field;
    }
    return std::nullopt;
}

std::pair<int, int> NativeEditorSession::positions(const NativeEditorLayout::Control &control) const
{
    switch (control.kind) {
    case Kind::Slider:
        if (const auto range = SliderSteps::forSlider(*control.control, m_camera.modelType))
            return {range->minimum, range->maximum};
        return {0, -1};
    case Kind::Check:
        return {0, 1};
    case Kind::Popup:
        return {0, int(m_camera.languageTags.size()) - 1};
    case Kind::Radio:
    case Kind::Combo:
        return {0, int(control.choices.size()) - 1};
    case Kind::Date:
    case Kind::Button:
        break;
    }
    return {0, -1};
}

const NativeEditorLayout::Control *NativeEditorSession::controlNamed(const QString &name) const
{
    for (const auto &section : m_sections) {
        for (const auto &control : section.controls) {
            if (!control.control)
                continue;
            const auto field = fieldOf(*control.control);
            if (field && name == QLatin1String(SettingRecordLayout::format(*field).name))
                return &control;
            if (!field && section.controls.size() == 1 && name == section.id)
                return &control;
        }
    }
    return nullptr;
}

QString NativeEditorSession::choose(const QString &name, int value)
{
    const NativeEditorLayout::Control *control = controlNamed(name);
    if (!control)
        return QStringLiteral("this camera's editor has no control \"%1\"").arg(name);
    const QString problem = set(*control, value);
    return problem.isEmpty() ? problem : name + QLatin1Char(' ') + problem;
}

QString NativeEditorSession::set(const NativeEditorLayout::Control &control, int value)
{
    if (!control.control)
        return QStringLiteral("holds no value");
    const auto [first, last] = positions(control);
    if (value < first || value > last)
        return QStringLiteral("takes %1 to %2").arg(first).arg(last);
    const EditorControl which = *control.control;
    if (!m_controls.isEnabled(which))
        return QStringLiteral("is switched off by another setting");
    m_controls.setValue(which, value);
    EditorRules::controlChanged(m_controls, which);
    if (which == EditorControl::ParkingMode) {
        const auto outcome = ParkingModeChoice::accepted(m_camera.modelType, value);
        for (const EditorControl enabled : outcome.enabled)
            m_controls.setEnabled(enabled, true);
        for (const EditorControl disabled : outcome.disabled)
            m_controls.setEnabled(disabled, false);
    }
    return {};
}

void NativeEditorSession::applyRecord(const SettingRecord &record)
{
    m_controls = NativeEditorMapping::apply(record, m_camera);
}

void NativeEditorSession::save(SettingRecord &record) const
{
    NativeEditorMapping::save(m_controls, m_camera, record);
}
