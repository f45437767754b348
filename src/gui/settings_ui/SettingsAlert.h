#pragma once

#include <QString>

class QWidget;

// The settings dialogs' alerts: a sheet over the dialog with localised
// texts, either one OK button or the question's "No" and "Yes".
class SettingsAlert
{
public:
    // Empty keys leave their part out. Returns whether Yes was chosen.
    static bool show(QWidget *parent, const QString &titleKey, const QString &textKey,
                     const QString &informativeKey, bool question);
    // The card cannot take the settings file.
    static void showMemoryCardAlert(QWidget *parent);
};
