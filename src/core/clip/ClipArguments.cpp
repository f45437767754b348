#include "core/clip/ClipArguments.h"

#include "core/clip/ClipGeometry.h"

#include <QFileInfo>

namespace {

using Track = Mp4Movie::Track;

QString seconds(double value)
{
    return QString::number(value, 'f', 3);
}

QStringList start()
{
    return {QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
            QStringLiteral("-y"),       QStringLiteral("-loglevel"),
            QStringLiteral("error"),    QStringLiteral("-progress"),
            QStringLiteral("pipe:1"),   QStringLiteral("-nostats")};
}

QStringList seekedInput(const QString &input, double from)
{
    return {QStringLiteral("-ss"), seconds(from), QStringLiteral("-i"), input};
}

bool isPcm(const QByteArray &format)
{
    for (const char *pcm :
         {"sowt", "twos", "lpcm", "in24", "in32", "fl32", "fl64", "raw ", "NONE", "ulaw", "alaw"}) {
        if (format == pcm)
            return true;
    }
    return false;
}

// How a track goes into the output: its codec, or nothing when left out.
std::optional<QString> codecFor(const Track &track, const QString &container)
{
    const bool mp4 = container == QLatin1String("mp4") || container == QLatin1String("m4v");
    const bool mov = container == QLatin1String("mov");
    switch (track.kind) {
    case Track::Kind::Video:
        return QStringLiteral("copy");
    case Track::Kind::Audio:
        return mp4 && isPcm(track.format) ? QStringLiteral("aac") : QStringLiteral("copy");
    case Track::Kind::Subtitle:
        if ((mp4 || mov) && track.format == "tx3g")
            return QStringLiteral("copy");
        return std::nullopt;
    case Track::Kind::Other:
        break;
    }
    return std::nullopt;
}

// Each kept track mapped by its number, with its codec by output stream.
QStringList streamsFor(const QList<Track> &tracks, const QString &container)
{
    QStringList arguments;
    int kept = 0;
    for (qsizetype i = 0; i < tracks.size(); ++i) {
        if (const auto codec = codecFor(tracks[i], container)) {
            arguments << QStringLiteral("-map") << QStringLiteral("0:%1").arg(i)
                      << QStringLiteral("-c:%1").arg(kept++) << *codec;
        }
    }
    return arguments;
}

} // namespace

QStringList ClipArguments::lossless(const QString &input, const std::optional<Mp4Movie> &movie,
                                    double from, double to, const QString &output)
{
    QStringList streams;
    if (movie)
        streams = streamsFor(movie->tracks, QFileInfo(output).suffix().toLower());
    if (streams.isEmpty())
        streams = {QStringLiteral("-map"), QStringLiteral("0:v"), QStringLiteral("-map"),
                   QStringLiteral("0:a?"), QStringLiteral("-c"),  QStringLiteral("copy")};
    return start() + seekedInput(input, from) +
           QStringList{QStringLiteral("-t"), seconds(to - from)} + streams +
           QStringList{QStringLiteral("-avoid_negative_ts"), QStringLiteral("make_zero"), output};
}

QStringList ClipArguments::composed(const QString &front, const QString &rear, double from,
                                    double to, const ClipGeometry &geometry,
                                    const QString &assFileName, const QString &output)
{
    QStringList arguments = start() + seekedInput(front, from);
    // The front on a canvas of the frame's size, the rear laid over it.
    QString graph = QStringLiteral("[0:v]scale=%1:%2,setsar=1,pad=%3:%4")
                        .arg(geometry.front.width())
                        .arg(geometry.front.height())
                        .arg(geometry.frame.width())
                        .arg(geometry.frame.height());
    if (!rear.isEmpty()) {
        arguments += seekedInput(rear, from);
        graph += QStringLiteral("[f];[1:v]scale=%1:%2,setsar=1[r];[f][r]overlay=x=%3:y=%4")
                     .arg(geometry.rear.width())
                     .arg(geometry.rear.height())
                     .arg(geometry.rear.x())
                     .arg(geometry.rear.y());
    }
    graph += QStringLiteral(",format=yuv420p");
    if (!assFileName.isEmpty())
        graph += QStringLiteral(",ass=") + assFileName;
    graph += QStringLiteral("[out]");
    return arguments + QStringList{QStringLiteral("-filter_complex"),
                                   graph,
                                   QStringLiteral("-map"),
                                   QStringLiteral("[out]"),
                                   QStringLiteral("-map"),
                                   QStringLiteral("0:a?"),
                                   QStringLiteral("-t"),
                                   seconds(to - from),
                                   QStringLiteral("-c:v"),
                                   QStringLiteral("libx264"),
                                   QStringLiteral("-preset"),
                                   QStringLiteral("veryfast"),
                                   QStringLiteral("-crf"),
                                   QStringLiteral("20"),
                                   QStringLiteral("-pix_fmt"),
                                   QStringLiteral("yuv420p"),
                                   QStringLiteral("-c:a"),
                                   QStringLiteral("aac"),
                                   QStringLiteral("-movflags"),
                                   QStringLiteral("+faststart"),
                                   output};
}
