#include "TestArtifacts.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace TestArtifacts {

QString folder()
{
    const QString configured = qEnvironmentVariable("TORVA_TEST_ARTIFACTS");
    const QString path =
        configured.isEmpty() ? QDir::current().filePath(QStringLiteral("artifacts")) : configured;
    QDir().mkpath(path);
    return path;
}

QString saveScreenshot(QWidget *widget, const QString &name)
{
    const QString path = QDir(folder()).filePath(name + QStringLiteral(".png"));
    return widget->grab().save(path, "PNG") ? path : QString();
}

} // namespace TestArtifacts
