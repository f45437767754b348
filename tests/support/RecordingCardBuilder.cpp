#include "RecordingCardBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <iterator>

namespace {

const char *const kFolders[] = {
    "cont_rec",     "motion_rec", "evt_rec", "manual_rec", "parking_rec", "motion_timelapse_rec",
    "Saved_Videos", "option_rec", "sos_rec",
};

} // namespace

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

void RecordingCardBuilder::addTypicalCard(int count) const
{
    for (int i = 0; i < count; ++i) {
        const int moment = i / 2;
        QString path = QString::fromLatin1(kFolders[size_t(moment) % std::size(kFolders)]);
        if (path == QLatin1String("evt_rec") && moment % 2)
            path += QStringLiteral("/2024");
        path += QStringLiteral("/REC_%1_%2.%3")
                    .arg(moment, 8, 10, QLatin1Char('0'))
                    .arg(i % 2 ? QLatin1Char('R') : QLatin1Char('F'))
                    .arg(moment % 5 == 4 ? QLatin1String("avi") : QLatin1String("mp4"));
        add(path);
    }
}
