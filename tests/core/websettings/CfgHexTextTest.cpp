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
    EXPECT_EQ(CfgHexText::cfgStringWithData({}), "");

    for (const QString &hex : {text, text.toLower()}) {
        const CfgHexText::SavedRecord saved = CfgHexText::dataFromHexString(hex, record.size());
        EXPECT_EQ(saved.problem, Problem::None);
        EXPECT_EQ(saved.bytes, record);
    }
}

TEST(CfgHexText, UnreadableRecordGivesEmptyText)
{
    TempFolder card;
    QFile huge(card.write("SETTING/huge.cfg", {}));
    ASSERT_TRUE(huge.resize(1024 * 1024 + 1));
    for (const QString &path : {WebSettingFiles::cfgFilename(card.path()), card.path("SETTING"),
                                huge.fileName(), QString()})
        EXPECT_EQ(CfgHexText::cfgString(path), "") << path.toStdString();
}

TEST(CfgHexText, SavedRecordIsRefusedUnlessExactlyTheRecord)
{
    const struct
    {
        QString hex;
        qsizetype expected;
        Problem problem;
    } cases[] = {
        {"", 0, Problem::Empty},
        {"", 2, Problem::Empty},
        {"0A1", 2, Problem::OddLength},
        {"0A1B ", 2, Problem::OddLength},
        {"0G", 1, Problem::NotHex},
        {"0x1B", 2, Problem::NotHex},
        {" 0A1", 2, Problem::NotHex},
        {"+1", 1, Problem::NotHex},
        {QStringLiteral("\uff10\uff21"), 1, Problem::NotHex}, // full-width 0 and A
        {QStringLiteral("0A1B\n\n"), 3, Problem::NotHex},
        {"0A1B", 1, Problem::WrongLength},
        {"0A1B", 3, Problem::WrongLength},
        {"0a1B", 2, Problem::None},
    };
    for (const auto &c : cases) {
        const CfgHexText::SavedRecord saved = CfgHexText::dataFromHexString(c.hex, c.expected);
        EXPECT_EQ(saved.problem, c.problem) << c.hex.toStdString() << " " << c.expected;
        EXPECT_EQ(saved.bytes.isEmpty(), c.problem != Problem::None) << c.hex.toStdString();
    }
}

TEST(WebSettingFiles, SettingFolderFilesOfTheCardRoot)
{
    const QString root = QStringLiteral("/media/my card");
    EXPECT_EQ(WebSettingFiles::cfgFilename(root), "/media/my card/SETTING/setup.cfg");
    EXPECT_EQ(WebSettingFiles::htmlFolder(root), "/media/my card/SETTING/html");
    EXPECT_EQ(WebSettingFiles::cfgFilename({}), "") << "never /SETTING at the top";
}
