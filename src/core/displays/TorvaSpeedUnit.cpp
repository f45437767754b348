#include "core/displays/TorvaSpeedUnit.h"

#include "core/i18n/TorvaPreferences.h"

Q_GLOBAL_STATIC(TorvaSpeedUnit, sharedSpeedUnit)

TorvaSpeedUnit::TorvaSpeedUnit(QObject *parent) : QObject(parent) {}

TorvaSpeedUnit *TorvaSpeedUnit::SharedTorvaSpeedUnit()
{
    return sharedSpeedUnit();
}

bool TorvaSpeedUnit::isMph()
{
    return TorvaPreferences().value(TorvaPreferences::kSpeedUnitKey).toInt() == kMph;
}

void TorvaSpeedUnit::setSpeedUnit(int unit)
{
    TorvaPreferences preferences;
    if (preferences.value(TorvaPreferences::kSpeedUnitKey).toInt() == unit)
        return;
    preferences.setValue(TorvaPreferences::kSpeedUnitKey, unit);
    preferences.save();
    Q_EMIT refreshSpeedUnit();
}
