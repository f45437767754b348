#pragma once

class SettingRecord;

// The factory settings that the program itself knows, for the five models
// whose cards may lack a settings record.
class SettingDefaults
{
public:
    enum class Model
    {
        R410,
        P820,
        V360,
        V580,
        P940
    };

    // Sets every field the model has a default for; the others keep their
    // values.
    static void apply(Model model, SettingRecord &record);
    // The United Kingdom V580, on top of the V580 defaults.
    static void applyV580UnitedKingdom(SettingRecord &record);
};
