#include "../GuiTestEnvironment.h"
#include "TempFolder.h"

#include "core/settings/CameraModelTable.h"
#include "gui/settings_ui/SelectDeviceViewController.h"
#include "gui/settings_ui/SelectFlashMemoryViewController.h"
#include "gui/settings_ui/SettingWindow.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Runs the dialog over a main window; answer acts once it shows.
qint64 runModal(SelectFromListViewController &dialog, const std::function<void()> &answer)
{
    QMainWindow mainWindow;
    mainWindow.resize(800, 600);
    mainWindow.show();
    SettingWindow window;
    QTimer::singleShot(0, &window, [&] {
        ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return window.isVisible(); }));
        answer();
    });
    return window.showModalWindow(&mainWindow, &dialog, &dialog, false);
}

// Every text of the dialog shows whole, white on the dark skin, in a dialog
// of its own size.
void expectTextsFit(SelectFromListViewController &dialog)
{
    EXPECT_EQ(dialog.window()->size(), dialog.sizeHint());
    const QImage picture = dialog.grab().toImage();
    EXPECT_LT(qGray(picture.pixel(picture.width() / 2, 4)), 60) << "dark background";
    for (const QPushButton *button : {dialog.okButton(), dialog.cancelButton()})
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()));
    EXPECT_GE(dialog.titleLabel()->height(),
              dialog.titleLabel()->heightForWidth(dialog.titleLabel()->width()));
}

class VolumesDir
{
public:
    explicit VolumesDir(const QStringList &cards)
    {
        for (const QString &card : cards)
            QDir(m_folder.path()).mkdir(card);
        qputenv("TORVA_VOLUMES_DIR", m_folder.path().toUtf8());
    }
    ~VolumesDir() { qunsetenv("TORVA_VOLUMES_DIR"); }
    QString path(const QString &card) const { return m_folder.path(card); }

private:
    TempFolder m_folder;
};

} // namespace

TEST(SelectFlashMemoryViewController, ListsTheCardsAndOffersTheLastOne)
{
    const VolumesDir volumes({"CARD_A", "CARD_B"});
    SelectFlashMemoryViewController dialog;
    EXPECT_EQ(dialog.comboBox()->count(), 2);
    EXPECT_EQ(dialog.comboBox()->currentText(), "CARD_B");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_EQ(runModal(dialog,
                       [&] {
                           expectTextsFit(dialog);
                           GuiTestEnvironment::saveScreenshot(dialog.window(), "select_card");
                           dialog.okButton()->click();
                       }),
              1);
    EXPECT_EQ(dialog.selectedFlashMeoryUrl(), QUrl::fromLocalFile(volumes.path("CARD_B")));
}

TEST(SelectFlashMemoryViewController, WithoutACardOnlyCancelIsLeft)
{
    const VolumesDir volumes({});
    SelectFlashMemoryViewController dialog;
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_TRUE(dialog.selectedFlashMeoryUrl().isEmpty());
    EXPECT_EQ(runModal(dialog, [&] { dialog.cancelButton()->click(); }), 0);
}

TEST(SelectDeviceViewController, TheChosenNameIsTheModelTypeAndEscCancels)
{
    SelectDeviceViewController dialog(CameraModelTable::modelNameList());
    EXPECT_EQ(dialog.selectedModelType(), 0);
    EXPECT_EQ(runModal(dialog,
                       [&] {
                           dialog.comboBox()->setCurrentIndex(4);
                           expectTextsFit(dialog);
                           GuiTestEnvironment::saveScreenshot(dialog.window(), "select_model");
                           dialog.okButton()->click();
                       }),
              1);
    EXPECT_EQ(dialog.selectedModelType(), 4);
    EXPECT_EQ(runModal(dialog, [&] { GuiTestEnvironment::sendKey(dialog.view(), Qt::Key_Escape); }),
              0);
}
