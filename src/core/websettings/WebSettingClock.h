#pragma once

#include <QString>

// The camera clock as the card's settings page and the card's
// "SETTING/time.dat" see it: date, hour and minute as the page's texts, and
// whether the clock is to be written when the settings are saved.
class WebSettingClock
{
public:
    QString date;   // "yyyy,MM,dd"
    QString hour;   // "HH"
    QString minute; // "mm"
    bool use = false;

    // The clock of a time.dat text: date = characters 0-9, hour = 11-12,
    // minute = 14-15, in use. A text that does not start with a complete
    // "yyyy,MM,dd,HH,mm" (see isComplete) gives an empty clock not in use:
    // the page is then not handed parts of something else.
    static WebSettingClock fromFileText(const QString &text);

    // The page writes its date with slashes or commas; commas are kept.
    void setDate(const QString &text);
    void setHour(const QString &text);
    void setMinute(const QString &text);
    // In use when the page says "1".
    void setUse(const QString &flag);

    // "yyyy,MM,dd,HH,mm,00,+0900": the camera's own line, seconds always 00
    // and the zone always +0900.
    QString fileText() const;
    // True when date, hour and minute are a real date and time of the day in
    // exactly the digits of "yyyy,MM,dd", "HH" and "mm" (hour 00-23, minute
    // 00-59). A clock that is not must not be written to the card: the
    // camera would read its line as something else.
    bool isComplete() const;
};
