#pragma once

#include <QDir>
#include <QPixmap>
#include <QWidget>

// Pictures the widget tests leave for a person to look at: in
// $TORVA_TEST_ARTIFACTS when set, else in "artifacts" under the folder the
// tests run in.
namespace TestArtifacts {

inline QString folder()
{
    const QString configured = qEnvironmentVariable("TORVA_TEST_ARTIFACTS");
    const QString path = configured.isEmpty() ? QDir::current().filePath("artifacts") : configured;
    QDir().mkpath(path);
    return path;
}

// Saves the widget as drawn on screen as "<name>.png" and gives the path,
// or an empty text when the file cannot be written.
inline QString saveScreenshot(QWidget *widget, const QString &name)
{
    const QString path = QDir(folder()).filePath(name + QStringLiteral(".png"));
    return widget->grab().save(path, "PNG") ? path : QString();
}

} // namespace TestArtifacts
