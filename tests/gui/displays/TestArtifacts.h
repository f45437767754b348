#pragma once

#include <QString>

class QWidget;

// Pictures the widget tests leave for a person to look at: in
// $TORVA_TEST_ARTIFACTS when set, else in "artifacts" under the folder the
// tests run in.
namespace TestArtifacts {

QString folder();
// Saves the widget as drawn on screen as "<name>.png" and gives the path,
// or an empty text when the file cannot be written.
QString saveScreenshot(QWidget *widget, const QString &name);

} // namespace TestArtifacts
