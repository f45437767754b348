#include "core/websettings/WebSettingNotification.h"

#include <gtest/gtest.h>

TEST(WebSettingNotification, FiveTabSeparatedPartsMakeAQuestion)
{
    const std::pair<QString, PageNotification> cases[] = {
        {"Title\tMessage\t3\tvalue\t2", {"Title", "Message", 3, "value", 2}},
        {"T\tM\t3\tv\t1\textra", {"T", "M", 3, "v", 1}},
        {"\t\t-1\t\"x\", y\t 2 ", {"", "", -1, "\"x\", y", 2}},
    };
    for (const auto &[text, expected] : cases) {
        const auto notification = WebSettingNotification::parse(text);
        ASSERT_TRUE(notification) << text.toStdString();
        const auto fields = [](const PageNotification &n) {
            return std::tuple(n.title, n.message, n.index, n.value, n.buttonCount);
        };
        EXPECT_EQ(fields(*notification), fields(expected));
    }
    // Fewer parts, or an index or a button count that is no whole number.
    for (const char *text : {"", "T\tM\t3\tv", "T\tM\tx\tv\t2", "T\tM\t3\tv\ttwo", "T\tM\t\tv\t2",
                             "T\tM\t99999999999\tv\t2"})
        EXPECT_FALSE(WebSettingNotification::parse(QString::fromUtf8(text))) << text;
}
