#pragma once

#include <QString>

#include <optional>

// A question the card's settings page asks the user, to be answered with
// update_ok(index, value) or update_cancel(index).
struct PageNotification
{
    QString title;
    QString message;
    int index = 0;
    QString value;
    int buttonCount = 0; // 2: No and Yes; any other count: one OK button
};

class WebSettingNotification
{
public:
    // The page's "userNoti" text: title, message, index, value and button
    // count separated by tabs; parts after the fifth are ignored. Nothing for
    // fewer than five parts, or when the index or the button count is not a
    // whole decimal number: an answer sent under a made-up index would answer
    // another of the page's questions.
    static std::optional<PageNotification> parse(const QString &text);
};
