#include "core/clip/ClipRequest.h"

#include <QFileInfo>

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

// The output's folder and name without extension, then the ending.
QString ClipRequest::withEnding(const QString &ending) const
{
    const QFileInfo info(output);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + ending;
}
