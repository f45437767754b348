#pragma once

#include <QStringList>

class CliOutput;
class P820SettingManager;

// torva settings menu|choose: the camera settings as the model's settings
// editor shows them, and changed through its controls as the editor does.
class SettingsMenuCommand
{
public:
    static int menu(P820SettingManager &manager, bool json, CliOutput &output);
    static int choose(P820SettingManager &manager, const QStringList &assignments,
                      CliOutput &output);
};
