#include "core/websettings/WebSettingNotification.h"

#include <gtest/gtest.h>

TEST(WebSettingNotification, FiveTabSeparatedPartsMakeAQuestion)
{
    const std::pair<QString, std::optional<PageNotification>> cases[] = {
        {"Title\tMessage\t3\tvalue\t2", PageNotification{"Title", "Message", 3, "value", 2}},
        {"T\tM\t3\tv\t1\textra", PageNotification{"T", "M", 3, "v", 1}},
        {"\t\t-1\t\"x\", y\t 2 ", PageNotification{"", "", -1, "\"x\", y", 2}},
        {"", std::nullopt},
        {"Title\tMessage\t3\tvalue", std::nullopt},
        {"Title\tMessage\tx\tvalue\t2", std::nullopt},
        {"Title\tMessage\t3\tvalue\ttwo", std::nullopt},
        {"Title\tMessage\t\tvalue\t2", std::nullopt},
        {"Title\tMessage\t99999999999\tvalue\t2", std::nullopt},
    };
    for (const auto &[text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        const auto notification = WebSettingNotification::parse(text);
        ASSERT_EQ(notification.has_value(), expected.has_value());
        if (!notification)
            continue;
        EXPECT_EQ(notification->title, expected->title);
        EXPECT_EQ(notification->message, expected->message);
        EXPECT_EQ(notification->index, expected->index);
        EXPECT_EQ(notification->value, expected->value);
        EXPECT_EQ(notification->buttonCount, expected->buttonCount);
    }
}
