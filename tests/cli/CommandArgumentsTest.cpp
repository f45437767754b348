#include "cli/CommandArguments.h"

#include <gtest/gtest.h>

namespace {

const CommandArguments::Options kOptions{
    {QStringLiteral("--swapped")}, {QStringLiteral("--format")}, QStringLiteral("FILE")};

CommandArguments parse(const QStringList &args)
{
    return CommandArguments::parse(args, kOptions);
}

} // namespace

TEST(CommandArguments, ReadsFlagsValuesAndPositionals)
{
    const CommandArguments both = parse({"--format", "gpx", "a.avi", "--swapped", "--format=csv"});
    EXPECT_TRUE(both.error().isEmpty());
    EXPECT_TRUE(both.isSet("--swapped"));
    EXPECT_EQ(both.value("--format"), QStringLiteral("csv")) << "the last one counts";
    EXPECT_EQ(both.positional(), QStringLiteral("a.avi"));

    const CommandArguments dashed = parse({"--", "-x.avi"});
    EXPECT_TRUE(dashed.error().isEmpty());
    EXPECT_EQ(dashed.positional(), QStringLiteral("-x.avi"));
    EXPECT_FALSE(dashed.value("--format").has_value());
    EXPECT_EQ(parse({"-"}).positional(), QStringLiteral("-")) << "a lone dash is a name";
}

TEST(CommandArguments, SaysWhatDoesNotFit)
{
    EXPECT_EQ(parse({"a", "b"}).error(), QStringLiteral("only one FILE, please"));
    EXPECT_EQ(parse({"--format"}).error(), QStringLiteral("--format needs a value"));
    EXPECT_EQ(parse({"--nope", "a"}).error(), QStringLiteral("unknown option --nope"));
    EXPECT_EQ(parse({"--swapped=1"}).error(), QStringLiteral("unknown option --swapped=1"));
    const CommandArguments any =
        CommandArguments::parse({"a", "b", "c"}, {{}, {}, QStringLiteral("argument"), -1});
    EXPECT_TRUE(any.error().isEmpty());
    EXPECT_EQ(any.positionals().size(), 3);
}
