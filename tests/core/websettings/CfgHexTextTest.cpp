#include "TempFolder.h"

#include "core/websettings/CfgHexText.h"
#include "core/websettings/WebSettingFiles.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using Problem = CfgHexText::SavedRecordProblem;

} // namespace

TEST(CfgHexText, RecordFileBecomesUpperCaseHexAndComesBack)
{
    TempFolder card;
    const QByteArray record("\x00\x0a\xff\x1b\x80", 5);
    card.write("SETTING/setup.cfg", record);
    const QString text = CfgHexText::cfgString(WebSettingFiles::cfgFilename(card.path()));
    EXPECT_EQ(text, "000AFF1B80");
    const CfgHexText::SavedRecord saved = CfgHexText::dataFromHexString(text.toLower(), 5);
    EXPECT_EQ(saved.problem, Problem::None);
    EXPECT_EQ(saved.bytes, record);

    // Nothing for a missing file, a folder or a file larger than a record.
    QFile huge(card.write("SETTING/huge.cfg", {}));
    ASSERT_TRUE(huge.resize(1024 * 1024 + 1));
    for (const QString &path :
         {card.path("SETTING/missing.cfg"), card.path("SETTING"), huge.fileName(), QString()})
        EXPECT_EQ(CfgHexText::cfgString(path), "") << path.toStdString();
    EXPECT_EQ(WebSettingFiles::cfgFilename({}), "") << "never /SETTING at the top";
}

TEST(CfgHexText, SavedRecordIsRefusedUnlessExactlyTheRecord)
{
    // Text, the expected record length, the problem.
    const std::tuple<QString, qsizetype, Problem> cases[] = {
        {"", 0, Problem::Empty},
        {"0A1B ", 2, Problem::OddLength},
        {"0G", 1, Problem::NotHex},
        {"0x1B", 2, Problem::NotHex},
        {" 0A1", 2, Problem::NotHex},
        {QStringLiteral("\uff10\uff21"), 1, Problem::NotHex}, // full-width 0 and A
        {"0A1B", 1, Problem::WrongLength},
        {"0A1B", 3, Problem::WrongLength},
        {"0a1B", 2, Problem::None},
    };
    for (const auto &[hex, expected, problem] : cases) {
        const CfgHexText::SavedRecord saved = CfgHexText::dataFromHexString(hex, expected);
        EXPECT_EQ(saved.problem, problem) << hex.toStdString() << " " << expected;
        EXPECT_EQ(saved.bytes.isEmpty(), problem != Problem::None) << hex.toStdString();
    }
}
