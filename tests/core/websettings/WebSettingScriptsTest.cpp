#include "core/websettings/WebSettingScripts.h"

#include <gtest/gtest.h>

TEST(WebSettingScripts, CallsThePageKnowsWithTheirArguments)
{
    const std::pair<QString, const char *> cases[] = {
        {WebSettingScripts::setCfg("00FF1B"), "set_cfg(\"00FF1B\")"},
        {WebSettingScripts::setParamLanguage({"en", "ko"}), "setParamLanguage(['en','ko',])"},
        {WebSettingScripts::setParamLanguage({}), "setParamLanguage([])"},
        {WebSettingScripts::setLanguage("ko"), "set_language(\"ko\")"},
        {WebSettingScripts::setTimeDate("2026,03,07"), "setTimeDate(\"2026,03,07\")"},
        {WebSettingScripts::setTimeHour("09"), "setTimeHour(\"09\")"},
        {WebSettingScripts::setTimeMin("05"), "setTimeMin(\"05\")"},
        {WebSettingScripts::updateOk(-1, "%1 %2"), "update_ok(-1, \"%1 %2\")"},
        {WebSettingScripts::updateCancel(3), "update_cancel(3)"},
    };
    for (const auto &[script, expected] : cases)
        EXPECT_EQ(script, QString::fromUtf8(expected));
}

TEST(WebSettingScripts, HostileValuesStayInsideTheirLiteral)
{
    const std::pair<QString, const char *> cases[] = {
        {"a\"); alert(1); (\"", R"(update_ok(1, "a\"); alert(1); (\""))"},
        {"it's", R"(update_ok(1, "it\'s"))"},
        {"a\\", R"(update_ok(1, "a\\"))"},
        {"a\nb\rc", R"(update_ok(1, "a\nb\rc"))"},
        {"</script><script>x()</script>", R"(update_ok(1, "<\/script><script>x()<\/script>"))"},
        {"a/b", R"(update_ok(1, "a/b"))"},
        {QStringLiteral("a\u2028b\u2029c"), R"(update_ok(1, "a\u2028b\u2029c"))"},
        {QString::fromUtf8("\x01\t\x1f\x7f", 4), R"(update_ok(1, "\u0001\u0009\u001f\u007f"))"},
        {QStringLiteral("설정"), "update_ok(1, \"설정\")"},
    };
    for (const auto &[value, expected] : cases)
        EXPECT_EQ(WebSettingScripts::updateOk(1, value), QString::fromUtf8(expected));

    EXPECT_EQ(WebSettingScripts::setParamLanguage({"en'];alert(1);//", "k\\"}),
              R"(setParamLanguage(['en\'];alert(1);//','k\\',]))");
}
