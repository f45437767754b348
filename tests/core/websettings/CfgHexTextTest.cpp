#include "TempFolder.h"

#include "core/websettings/CfgHexText.h"
#include "core/websettings/WebSettingFiles.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(CfgHexText, RecordFileBecomesUpperCaseHexAndComesBack)
{
    TempFolder card;
    const QByteArray record("\x00\x0a\xff\x1b\x80", 5);
    card.write("SETTING/setup.cfg", record);
    const QString text = CfgHexText::cfgString(WebSettingFiles::cfgFilename(card.path()));
    EXPECT_EQ(text, "000AFF1B80");
    const CfgHexText::SavedRecord saved = CfgHexText::dataFromHexString(text.toLower(), 5);
    EXPECT_EQ(saved.problem, CfgHexText::SavedRecordProblem::None);
    EXPECT_EQ(saved.bytes, record);

    // Nothing for a missing file, a folder or a file larger than a record.
    QFile huge(card.write("SETTING/huge.cfg", {}));
    ASSERT_TRUE(huge.resize(1024 * 1024 + 1));
    for (const QString &path :
         {card.path("SETTING/missing.cfg"), card.path("SETTING"), huge.fileName(), QString()})
        EXPECT_EQ(CfgHexText::cfgString(path), "") << path.toStdString();
    EXPECT_EQ(WebSettingFiles::cfgFilename({}), "") << "never /SETTING at the top";
}

TEST(CfgHexText, SavedRecordIsRefusedUnlessExactlyTheTwoBytesExpected)
{
    using Problem = CfgHexText::SavedRecordProblem;
    const std::pair<Problem, QStringList> cases[] = {
        {Problem::Empty, {""}},
        {Problem::OddLength, {"0A1", "0A1B "}},
        // The last: a full-width 0 and A.
        {Problem::NotHex, {"0G1B", "0x1B", " 0A1", "+1", QStringLiteral("\uff10\uff21")}},
        {Problem::WrongLength, {"0A", "0A1B2C"}},
        {Problem::None, {"0a1B"}},
    };
    for (const auto &[problem, texts] : cases) {
        for (const QString &hex : texts) {
            const CfgHexText::SavedRecord saved = CfgHexText::dataFromHexString(hex, 2);
            EXPECT_EQ(saved.problem, problem) << hex.toStdString();
            EXPECT_EQ(saved.bytes.isEmpty(), problem != Problem::None) << hex.toStdString();
        }
    }
}
