#include "../GuiTestEnvironment.h"
#include "FileBytes.h"
#include "SetupCfgBuilder.h"
#include "TempFolder.h"
#include "ViewerTestSupport.h"

#include "core/settings/CameraModelTable.h"
#include "core/settings/P820SettingManager.h"
#include "core/settings/QMVSettingManager.h"
#include "gui/app/SettingsOpening.h"
#include "gui/controls/ImageButton.h"
#include "gui/settings_ui/P820SettingViewController.h"
#include "gui/settings_ui/QMVSettingViewController.h"
#include "gui/settings_ui/SelectFlashMemoryViewController.h"
#include "gui/settings_ui/SettingWindow.h"
#include "gui/websettings/WebSettingWindowController.h"

#include <QDir>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace ViewerTestSupport;

// The settings button opens the card's editor, and asks for a card when the
// one in use has gone; cancelling either writes nothing.
TEST(SettingsOpening, TheButtonOpensTheCardsEditorOrAsksForACard)
{
    ASSERT_TRUE(insertCard());
    Viewer viewer;
    viewer.ignoreMountChanges();
    const QString record = QDir(cardPath()).filePath("SETTING/setup.cfg");
    const QByteArray before = FileBytes::read(record);

    bool editorShown = false;
    whenModal<SettingWindow>([&](SettingWindow *window) {
        auto *editor = window->findChild<P820SettingViewController *>();
        editorShown = editor != nullptr;
        GuiTestEnvironment::saveScreenshot(window, "settings_from_the_button");
        if (editor)
            GuiTestEnvironment::sendKey(editor->view(), Qt::Key_Escape);
        else
            window->done(0);
    });
    viewer.outlets().settingButton->click();
    EXPECT_TRUE(editorShown);
    EXPECT_EQ(FileBytes::read(record), before);

    // The card has gone: the dialog offers the volumes, none of them a card.
    ASSERT_TRUE(takeCardOut(true));
    bool cardAsked = false;
    whenModal<SettingWindow>([&](SettingWindow *window) {
        auto *dialog = window->findChild<SelectFlashMemoryViewController *>();
        cardAsked = dialog && !dialog->okButton()->isEnabled();
        if (dialog)
            dialog->cancelButton()->click();
        else
            window->done(0);
    });
    viewer.outlets().settingButton->click();
    EXPECT_TRUE(cardAsked);
    ASSERT_TRUE(takeCardOut(false));
    EXPECT_EQ(FileBytes::read(record), before);
}

// A compact camera's card opens its own dialog, whose OK saves the card's
// lines and shows the card anew.
TEST(SettingsOpening, ACompactCardOpensItsOwnDialog)
{
    TempFolder card;
    QMVSettingManager lines;
    ASSERT_TRUE(lines.loadDefaultData_V120());
    ASSERT_EQ(lines.saveData(card.path()), QMVSettingManager::SaveResult::Saved);
    QWidget mainWindow;
    mainWindow.show();
    int updates = 0;
    SettingsOpening opening(&mainWindow, {[] {}, [&updates] { ++updates; }, {}});
    bool dialogShown = false;
    whenModal<SettingWindow>([&](SettingWindow *window) {
        auto *dialog = window->findChild<QMVSettingViewController *>();
        dialogShown = dialog != nullptr;
        if (dialog)
            dialog->okButton()->click();
        else
            window->done(0);
    });
    opening.openSettingsFor(card.path());
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(updates, 2);
    EXPECT_EQ(FileBytes::read(QMVSettingManager::settingsFilePath(card.path())),
              QMVSettingManager::bytesFromLines(lines.linedSettings()));
}

// A camera whose card carries its own settings page opens that page.
TEST(SettingsOpening, ACardWithItsOwnPageOpensIt)
{
    const QByteArray product("P880");
    ASSERT_EQ(CameraModelTable::editorFor(CameraModelTable::typeForProductName(product)),
              CameraModelTable::Editor::Web);
    TempFolder card;
    card.write(QStringLiteral("SETTING/setup.cfg"),
               SetupCfgBuilder(600).productName(product).bytes());
    ASSERT_TRUE(QDir().mkpath(card.path(QStringLiteral("SETTING/html"))));
    card.write(QStringLiteral("SETTING/html/index.html"), "<html><body>settings</body></html>");
    QWidget mainWindow;
    mainWindow.show();
    SettingsOpening opening(&mainWindow, {[] {}, [] {}, [] {}});
    opening.openSettingsFor(card.path());
    QPointer<WebSettingWindowController> window = WebSettingWindowController::instance();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return window->didLoadHtml(); }));
    window->cancelButton()->click();
    EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return window.isNull(); }));
}
