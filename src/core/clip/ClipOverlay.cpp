#include "core/clip/ClipOverlay.h"

#include "core/clip/ClipSampleText.h"
#include "core/clip/ClipTelemetry.h"
#include "core/telemetry/TelemetrySampleIndex.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr int64_t kSecondMs = 1000;

int64_t centiseconds(double seconds)
{
    if (!(seconds > 0.0))
        return 0;
    return std::llround(std::min(seconds, ClipTelemetry::kMaxSeconds) * 100.0);
}

// White text with a black outline at the bottom left, sized for the picture.
QByteArray header(int width, int height)
{
    const int fontSize = std::max(1, height / 24);
    const int outline = std::max(1, height / 360);
    return QString::asprintf(
               "[Script Info]\n"
               "ScriptType: v4.00+\n"
               "PlayResX: %d\n"
               "PlayResY: %d\n"
               "WrapStyle: 2\n"
               "ScaledBorderAndShadow: yes\n"
               "\n"
               "[V4+ Styles]\n"
               "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, "
               "OutlineColour, BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, "
               "Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, "
               "MarginV, Encoding\n"
               "Style: Telemetry,sans-serif,%d,&H00FFFFFF,&H00FFFFFF,&H00000000,&H80000000,"
               "0,0,0,0,100,100,0,0,1,%d,0,1,%d,%d,%d,1\n"
               "\n"
               "[Events]\n"
               "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n",
               width, height, fontSize, outline, width / 48, width / 48, height / 36)
        .toLatin1();
}

} // namespace

QByteArray ClipOverlay::ass(const TorvaClipData &track, double from, double to, const Style &style)
{
    const int width = style.width > 0 ? style.width : Style{}.width;
    const int height = style.height > 0 ? style.height : Style{}.height;
    QByteArray text = header(width, height);
    const int64_t fromMs = ClipTelemetry::milliseconds(from);
    const int64_t toMs = ClipTelemetry::milliseconds(to);
    const QDateTime &start = style.recordingStart;

    const auto clock = [&](int64_t clipMs) {
        if (!start.isValid())
            return QStringList{};
        return QStringList{
            start.addMSecs(fromMs + clipMs).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))};
    };
    const auto dialogue = [&text](int64_t startMs, int64_t endMs, const QStringList &lines) {
        const QString begin = assTime(double(startMs) / 1000.0);
        const QString end = assTime(double(endMs) / 1000.0);
        // Too short to last a hundredth once rounded.
        if (begin == end)
            return;
        QStringList shown;
        for (const QString &line : lines)
            shown.append(escaped(line));
        text += QStringLiteral("Dialogue: 0,%1,%2,Telemetry,,0,0,0,,%3\n")
                    .arg(begin, end, shown.join(QStringLiteral("\\N")))
                    .toUtf8();
    };

    for (const ClipTelemetry::Shown &sample : ClipTelemetry::shown(track, from, to)) {
        dialogue(sample.startMs, sample.endMs,
                 clock(sample.startMs) +
                     ClipSampleText::lines(track, sample.index, style.metricSpeed));
    }
    if (!start.isValid())
        return text;
    // Past the track's end the clock goes on alone, an event each time it
    // turns to the next second.
    const int64_t clockOffset = start.time().msec();
    const int64_t trackEnd = track.sampleCount() * TelemetrySampleIndex::kMillisecondsPerSample;
    for (int64_t t = std::max(trackEnd, fromMs); t < toMs;) {
        const int64_t next = std::min(t + kSecondMs - (clockOffset + t) % kSecondMs, toMs);
        dialogue(t - fromMs, next - fromMs, clock(t - fromMs));
        t = next;
    }
    return text;
}

QString ClipOverlay::assTime(double seconds)
{
    const int64_t cs = centiseconds(seconds);
    return QString::asprintf("%lld:%02lld:%02lld.%02lld", static_cast<long long>(cs / 360000),
                             static_cast<long long>(cs / 6000 % 60),
                             static_cast<long long>(cs / 100 % 60),
                             static_cast<long long>(cs % 100));
}

QString ClipOverlay::escaped(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'{' || c == u'}') {
            // "\{" and "\}" are the braces themselves, no override block.
            result += u'\\';
            result += c;
        } else if (c == u'\\') {
            // A word joiner keeps it from forming "\N", "\h" or "\{" with
            // what follows, and shows nothing itself.
            result += u'\\';
            result += QChar(0x2060);
        } else if (c == u'\n' || c == u'\r') {
            result += u' ';
        } else {
            result += c;
        }
    }
    return result;
}
