#include "RecordingCardBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

RecordingCardBuilder::RecordingCardBuilder(QString root) : m_root(std::move(root)) {}

QString RecordingCardBuilder::add(const QString &relativePath) const
{
    const QString path = QDir(m_root).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot create test file %s", qPrintable(path));
    return path;
}

QStringList RecordingCardBuilder::add(const QStringList &relativePaths) const
{
    QStringList paths;
    for (const QString &relativePath : relativePaths)
        paths.append(add(relativePath));
    return paths;
}

QStringList RecordingCardBuilder::relativePaths(const QList<QUrl> &recordings) const
{
    QStringList paths;
    const QDir root(m_root);
    for (const QUrl &recording : recordings)
        paths.append(root.relativeFilePath(recording.toLocalFile()));
    return paths;
}
