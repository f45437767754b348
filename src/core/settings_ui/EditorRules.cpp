#include "core/settings_ui/EditorRules.h"

#include "core/settings_ui/SettingsFamily.h"

namespace {

using C = EditorControl;

void enableWhenFirstRow(EditorControls &controls, C governing, std::initializer_list<C> governed)
{
    const bool on = controls.value(governing) == 0;
    for (const C control : governed)
        controls.setEnabled(control, on);
}

} // namespace

void EditorRules::controlChanged(EditorControls &controls, EditorControl changed)
{
    switch (changed) {
    case C::FrontResolution:
        // The highest front resolution leaves the rear camera one choice.
        if (controls.value(C::FrontResolution) == 0)
            controls.setValue(C::RearResolution, 0);
        controls.setEnabled(C::RearResolution, controls.value(C::FrontResolution) != 0);
        break;
    case C::Ldws:
        enableWhenFirstRow(controls, C::Ldws,
                           {C::LdwsLeftSensitivity, C::LdwsRightSensitivity, C::LdwsSpeed});
        break;
    case C::Fcws:
        enableWhenFirstRow(controls, C::Fcws, {C::FcwsSensitivity});
        break;
    case C::DrivingGuideAlways:
        enableWhenFirstRow(controls, C::DrivingGuideAlways, {C::SafetyCameraAlert});
        break;
    case C::VoiceGuidance:
        enableWhenFirstRow(controls, C::VoiceGuidance, {C::VoiceVolume});
        break;
    case C::ParkingMotion:
        enableWhenFirstRow(controls, C::ParkingMotion, {C::ParkingMotionSensitivity});
        break;
    default:
        break;
    }
}

QStringList EditorRules::ldwsSpeedTitles(qint64 modelType, const EditorControls &controls)
{
    if (SettingsFamily::isOldGroup(modelType) || !SettingsFamily::familyFor(modelType))
        return {};
    if (controls.value(C::SpeedUnit) == 1)
        return {QStringLiteral("30mph"), QStringLiteral("40mph"), QStringLiteral("50mph"),
                QStringLiteral("65mph")};
    return {QStringLiteral("50km"), QStringLiteral("60km"), QStringLiteral("80km"),
            QStringLiteral("100km")};
}
