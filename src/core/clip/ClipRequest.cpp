#include "core/clip/ClipRequest.h"

#include <QFileInfo>

#include <algorithm>

QStringList ClipRequest::videoOutputs() const
{
    if (mode == Mode::Composed || !hasRear())
        return {output};
    const QString suffix = QFileInfo(output).suffix();
    const QString extension = suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix;
    return {withEnding(QStringLiteral("_F") + extension),
            withEnding(QStringLiteral("_R") + extension)};
}

QString ClipRequest::subtitlesOutput() const
{
    return withEnding(QStringLiteral(".srt"));
}

QString ClipRequest::trackOutput() const
{
    return withEnding(QStringLiteral(".gpx"));
}

QStringList ClipRequest::outputs() const
{
    QStringList paths = videoOutputs();
    if (mode == Mode::Lossless)
        paths << subtitlesOutput() << trackOutput();
    return paths;
}

bool ClipRequest::writesOver(const QStringList &paths) const
{
    const auto identity = [](const QString &path) {
        const QFileInfo info(path);
        return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    };
    QStringList targets = outputs();
    for (QString &target : targets)
        target = identity(target);
    return std::any_of(paths.begin(), paths.end(), [&](const QString &path) {
        return !path.isEmpty() && targets.contains(identity(path));
    });
}

// The output's folder and name without extension, then the ending.
QString ClipRequest::withEnding(const QString &ending) const
{
    const QFileInfo info(output);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + ending;
}
