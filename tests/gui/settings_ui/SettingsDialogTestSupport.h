#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <string>

class QWidget;
class TorvaViewController;

// Running the settings dialogs in tests the way a person would meet them.
namespace SettingsDialogTestSupport {

// Runs the dialog in a SettingWindow over a main window; during runs once
// it is on screen. A run that during leaves open ends with -1.
qint64 runDialog(TorvaViewController &dialog, const std::function<void()> &during);

// A press and release in the middle of the widget.
void click(QWidget *widget);

// Answers the next window-modal alert with the button of that title and
// gives its text once it was shown.
std::shared_ptr<QString> answerAlert(const QString &buttonTitle);

// The visible labels and buttons under root too narrow for their text,
// joined with " | "; empty when every text fits.
std::string cutTexts(QWidget *root);

} // namespace SettingsDialogTestSupport
