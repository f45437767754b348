#include "core/websettings/WebSettingClock.h"

#include "core/settings_ui/CameraClockFile.h"

namespace {

constexpr qsizetype kDateLength = 10;
constexpr qsizetype kFieldLength = 2;

} // namespace

WebSettingClock WebSettingClock::fromFileText(const QString &text)
{
    const qsizetype hourAt = kDateLength + 1;
    const qsizetype minuteAt = hourAt + kFieldLength + 1;
    if (text.size() < minuteAt + kFieldLength || text[hourAt - 1] != QLatin1Char(',') ||
        text[minuteAt - 1] != QLatin1Char(','))
        return {};
    WebSettingClock clock;
    clock.date = text.left(kDateLength);
    clock.hour = text.mid(hourAt, kFieldLength);
    clock.minute = text.mid(minuteAt, kFieldLength);
    clock.use = true;
    if (!clock.isComplete())
        return {};
    return clock;
}

void WebSettingClock::setDate(const QString &text)
{
    date = QString(text).replace(QLatin1Char('/'), QLatin1Char(','));
}

void WebSettingClock::setHour(const QString &text)
{
    hour = text;
}

void WebSettingClock::setMinute(const QString &text)
{
    minute = text;
}

void WebSettingClock::setUse(const QString &flag)
{
    use = flag == QLatin1String("1");
}

QString WebSettingClock::fileText() const
{
    return date + QLatin1Char(',') + hour + QLatin1Char(',') + minute + QLatin1String(",00,+0900");
}

bool WebSettingClock::isComplete() const
{
    // With the lengths fixed, the camera's own reader accepts the line only
    // when every field is in its place and in range.
    return date.size() == kDateLength && hour.size() == kFieldLength &&
           minute.size() == kFieldLength && CameraClockFile::parse(fileText().toUtf8()).has_value();
}
