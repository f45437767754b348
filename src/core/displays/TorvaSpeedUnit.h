#pragma once

#include <QObject>

// The speed unit of the gauge, kept in the preference "TorvaViewerSpeedUnit"
// of TorvaPreferences. Use from the main thread only.
class TorvaSpeedUnit : public QObject
{
    Q_OBJECT

public:
    static constexpr int kKmph = 0;
    static constexpr int kMph = 1;

    explicit TorvaSpeedUnit(QObject *parent = nullptr);

    // The one instance the whole program shares, created on first use.
    static TorvaSpeedUnit *SharedTorvaSpeedUnit();

    // Read afresh on every call: a stored 1 means mph; any other value, or
    // none, means km/h.
    static bool isMph();

    // Stores a unit that differs from the stored one and emits
    // refreshSpeedUnit(); the unit already stored changes nothing.
    void setSpeedUnit(int unit);

Q_SIGNALS:
    // The speed gauge redraws in the new unit.
    void refreshSpeedUnit();
};
