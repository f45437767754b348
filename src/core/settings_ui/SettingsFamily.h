#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <optional>

// The camera families of the native settings editor. Models of a family
// read and write the same record fields with the same rules; the family
// decides how the editor's controls show them.
class SettingsFamily
{
public:
    enum class Family
    {
        R410,
        P820,
        V360,
        V580,
        P940,
        V390,
        P70,
    };

    // Types 0-19 except the compact model (6) and the web models (16, 17).
    static std::optional<Family> familyFor(qint64 modelType);
    // The product name the editor writes into the record.
    static QString productName(qint64 modelType);

    // The first three models step their sliders differently from all later
    // ones (the new group).
    static bool isOldGroup(qint64 modelType) { return modelType >= 0 && modelType <= 2; }
    // Parking mode with three choices: parking motion, time-lapse, off.
    static bool hasThreeRowParking(qint64 modelType)
    {
        return modelType == 9 || modelType == 10 || modelType == 18;
    }
    // Lane and collision warnings: the V590 and P940 families always, the
    // V580 from firmware 17 on.
    static bool hasDriverAssistance(qint64 modelType, int32_t firmwareVersionInt);
};
