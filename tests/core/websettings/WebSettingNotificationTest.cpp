#include "core/websettings/WebSettingNotification.h"

#include <gtest/gtest.h>

TEST(WebSettingNotification, FiveTabSeparatedPartsMakeAQuestion)
{
    const struct
    {
        QString text;
        PageNotification expected;
    } cases[] = {
        {"Title\tMessage\t3\tvalue\t2", {"Title", "Message", 3, "value", 2}},
        {"Title\tMessage\t3\tvalue\t1\textra", {"Title", "Message", 3, "value", 1}},
        {"\t\t-1\t\t 2 ", {"", "", -1, "", 2}},
        {"T\tM\t0\t\"x\", y\t0", {"T", "M", 0, "\"x\", y", 0}},
    };
    for (const auto &c : cases) {
        const auto notification = WebSettingNotification::parse(c.text);
        ASSERT_TRUE(notification) << c.text.toStdString();
        EXPECT_EQ(notification->title, c.expected.title);
        EXPECT_EQ(notification->message, c.expected.message);
        EXPECT_EQ(notification->index, c.expected.index);
        EXPECT_EQ(notification->value, c.expected.value);
        EXPECT_EQ(notification->buttonCount, c.expected.buttonCount);
    }
}

TEST(WebSettingNotification, OtherTextsAskNothing)
{
    for (const char *text : {"", "Title", "Title\tMessage\t3\tvalue", "Title\tMessage\tx\tvalue\t2",
                             "Title\tMessage\t3\tvalue\ttwo", "Title\tMessage\t3x\tvalue\t2",
                             "Title\tMessage\t\tvalue\t2", "Title\tMessage\t99999999999\tvalue\t2",
                             "Title Message 3 value 2"})
        EXPECT_FALSE(WebSettingNotification::parse(QString::fromUtf8(text))) << text;
}
