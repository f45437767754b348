#include "../GuiTestEnvironment.h"
#include "LoopCard.h"
#include "SettingsDialogTestSupport.h"
#include "StandInVolumes.h"
#include "TempFolder.h"

#include "core/i18n/TorvaLanguages.h"
#include "gui/settings_ui/MemoryCardFormatting.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include <optional>

using namespace SettingsDialogTestSupport;

namespace {

QString localized(const char *key)
{
    return TorvaLanguages::text(key);
}

} // namespace

// A folder that is not a card's whole volume is refused before any question.
TEST(MemoryCardFormatting, RefusesAFolderThatIsNoCard)
{
    TempFolder folder;
    QWidget editor;
    editor.show();
    int refreshed = 0;
    MemoryCardFormatting formatting(&editor, folder.path(), [&refreshed] { ++refreshed; });
    const auto text = answerAlert(QStringLiteral("OK"));
    formatting.memoryCardFormatButtonTouched();
    EXPECT_EQ(*text, localized("메모리 카드 포멧"));
    EXPECT_EQ(formatting.formattingAlert(), nullptr);
    EXPECT_EQ(refreshed, 0);
}

// No leaves the card alone; Yes shows the sheet with its OK button off until
// the card is formatted, then the result, and the recordings are listed anew.
TEST(MemoryCardFormatting, AsksThenFormatsTheCardBehindASheet)
{
    StandInVolumes volumes;
    LoopCard card(volumes.volume(QStringLiteral("CARD")), QStringLiteral("ext4"),
                  QStringLiteral("TORVA_CARD"));
    if (!card.problem().isEmpty())
        GTEST_SKIP() << "no loop card: " << card.problem().toStdString();
    const QString root = volumes.volume(QStringLiteral("CARD"));
    const QString recording = QDir(root).filePath(QStringLiteral("REC_0001.AVI"));
    QFile file(recording);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("recording");
    file.close();

    QWidget editor;
    editor.resize(760, 720);
    editor.show();
    int refreshed = 0;
    MemoryCardFormatting formatting(&editor, root, [&refreshed] { ++refreshed; });
    auto question = answerAlert(localized("아니오"));
    formatting.memoryCardFormatButtonTouched();
    EXPECT_EQ(*question, localized("메모리 카드 포멧"));
    EXPECT_EQ(formatting.formattingAlert(), nullptr);
    EXPECT_TRUE(QFileInfo::exists(recording));

    std::optional<MemoryCardFormatter::Outcome> outcome;
    QObject::connect(&formatting, &MemoryCardFormatting::finished,
                     [&outcome](MemoryCardFormatter::Outcome done) { outcome = done; });
    question = answerAlert(localized("예"));
    formatting.memoryCardFormatButtonTouched();
    QMessageBox *sheet = formatting.formattingAlert();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    ASSERT_EQ(sheet->buttons().size(), 1);
    EXPECT_FALSE(sheet->buttons().first()->isEnabled());
    EXPECT_TRUE(sheet->findChild<QProgressBar *>()->isVisible());
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return outcome.has_value(); }, 60000));
    EXPECT_EQ(outcome, MemoryCardFormatter::Outcome::Formatted);
    EXPECT_EQ(sheet->informativeText(), localized("메모리 카드 포맷이 완료 되었습니다."));
    EXPECT_TRUE(sheet->buttons().first()->isEnabled());
    EXPECT_FALSE(sheet->findChild<QProgressBar *>()->isVisible());
    EXPECT_EQ(refreshed, 1);
    EXPECT_FALSE(QFileInfo::exists(recording));
    EXPECT_TRUE(card.isMounted());
    EXPECT_EQ(LoopCard::probe(card.device(), QStringLiteral("LABEL")), "TORVA_CARD");
    GuiTestEnvironment::wait(50);
    EXPECT_FALSE(GuiTestEnvironment::saveScreenshot(sheet, "format_finished").isEmpty());
    sheet->buttons().first()->click();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return !formatting.formattingAlert(); }));
}
