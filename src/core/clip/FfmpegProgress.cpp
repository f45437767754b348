#include "core/clip/FfmpegProgress.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

// No progress line is this long; a longer one is skipped, not kept growing.
constexpr qsizetype kMaxLineBytes = 1024;

std::optional<double> microseconds(QByteArrayView value)
{
    bool ok = false;
    const qlonglong us = value.toLongLong(&ok);
    return ok && us >= 0 ? std::optional(double(us) / 1e6) : std::nullopt;
}

// "HH:MM:SS.ffffff"; a negative time or "N/A" tells nothing.
std::optional<double> clockTime(QByteArrayView value)
{
    static const QRegularExpression clock(QStringLiteral(R"(^(\d+):(\d{2}):(\d{2}(?:\.\d+)?)$)"));
    const auto match = clock.match(QString::fromLatin1(value));
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toDouble() * 3600.0 + match.captured(2).toDouble() * 60.0 +
           match.captured(3).toDouble();
}

} // namespace

FfmpegProgress::FfmpegProgress(double length) : m_length(length) {}

void FfmpegProgress::feed(QByteArrayView chunk)
{
    while (!chunk.isEmpty()) {
        const qsizetype end = chunk.indexOf('\n');
        const QByteArrayView piece = end < 0 ? chunk : chunk.first(end);
        if (!m_overlong && m_partial.size() + piece.size() <= kMaxLineBytes)
            m_partial += piece;
        else
            m_overlong = true;
        if (end < 0)
            return;
        if (!m_overlong)
            readLine(QByteArrayView(m_partial).trimmed());
        m_partial.clear();
        m_overlong = false;
        chunk = chunk.sliced(end + 1);
    }
}

void FfmpegProgress::readLine(QByteArrayView line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return;
    const QByteArrayView key = line.first(equals);
    const QByteArrayView value = line.sliced(equals + 1);
    std::optional<double> time;
    if (key == "out_time_us" || key == "out_time_ms")
        time = microseconds(value);
    else if (key == "out_time")
        time = clockTime(value);
    else if (key == "progress" && value == "end")
        m_ended = true;
    if (time)
        m_seconds = *time;
}

double FfmpegProgress::fraction() const
{
    if (m_ended)
        return 1.0;
    return m_length > 0.0 ? std::clamp(m_seconds / m_length, 0.0, 1.0) : 0.0;
}
