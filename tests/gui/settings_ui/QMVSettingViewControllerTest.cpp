#include "../GuiTestEnvironment.h"
#include "FileBytes.h"
#include "ReadOnlyCard.h"
#include "SettingsDialogTestSupport.h"
#include "TempFolder.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/settings/QMVSettingManager.h"
#include "gui/controls/BGColorView.h"
#include "gui/settings_ui/MouseEventSlider.h"
#include "gui/settings_ui/PartitionBarsView.h"
#include "gui/settings_ui/QMVSettingViewController.h"
#include "gui/settings_ui/RadioButton.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

using namespace SettingsDialogTestSupport;

namespace {

using C = CompactControl;

// A compact camera's card holding the program's default lines.
QByteArray writeCard(const QString &root)
{
    QMVSettingManager manager;
    EXPECT_TRUE(manager.loadDefaultData_V120());
    manager.replaceValue(QStringLiteral("version"), QStringLiteral("1.2"));
    EXPECT_EQ(manager.saveData(root), QMVSettingManager::SaveResult::Saved);
    return FileBytes::read(QMVSettingManager::settingsFilePath(root));
}

QStringList linesOf(const QString &root)
{
    return *QMVSettingManager::linesFromBytes(
        FileBytes::read(QMVSettingManager::settingsFilePath(root)));
}

QPointF sliderPoint(const QSlider *slider, int position)
{
    return {QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), position,
                                            slider->width() - 16) +
                8.0,
            slider->height() / 2.0};
}

} // namespace

// What a person sees and does: the sections laid out within their width, a
// choice of each kind landing in its line, sliders that only a mouse moves,
// and OK writing the file with the camera's clock when asked for.
TEST(QMVSettingViewController, ChoicesLandInTheirLinesAndOkSavesThem)
{
    TempFolder card;
    writeCard(card.path());
    QMVSettingManager manager;
    ASSERT_EQ(manager.loadData(card.path()), QMVSettingManager::LoadResult::CardFile);
    QMVSettingViewController dialog(manager, card.path(), QMVSettingManager::kCompactModelType);
    const QDateTime moment(QDate(2026, 3, 4), QTime(5, 6, 7));
    const qint64 code = runDialog(dialog, [&] {
        GuiTestEnvironment::wait(50);
        EXPECT_EQ(cutTexts(dialog.view()), "");
        EXPECT_FALSE(
            GuiTestEnvironment::saveScreenshot(dialog.window(), "settings_V120_top").isEmpty());
        // Each split line runs from beside its title to the section's end.
        for (QLabel *title : dialog.findChildren<QLabel *>()) {
            const auto lines = title->parentWidget()->findChildren<BGColorView *>(
                QString(), Qt::FindDirectChildrenOnly);
            if (lines.size() != 1 || !title->parentWidget()->findChildren<QLabel *>().size())
                continue;
            EXPECT_EQ(lines.first()->x(), title->width() - 3 + 10) << title->text().toStdString();
            EXPECT_EQ(lines.first()->geometry().right() + 1, 548) << title->text().toStdString();
        }
        // The bars share the section's width as the file's percentages do.
        const auto bars = dialog.partitionBars()->bars();
        EXPECT_NEAR(bars.first()->width(), 548 * 60 / 100, 1);

        // Parking mode on enables the voltages; a voltage writes its line.
        const auto voltages = dialog.radioButtons(C::Voltage);
        EXPECT_FALSE(voltages.first()->radioEnabled());
        click(dialog.radioButtons(C::ParkingMode).first());
        EXPECT_TRUE(voltages.first()->radioEnabled());
        click(voltages.at(1));
        EXPECT_TRUE(manager.linedSettings().contains(QStringLiteral("power_off_vlt=11800")));
        // A time zone.
        Q_EMIT dialog.timeZoneComboBox()->activated(10);
        EXPECT_TRUE(manager.linedSettings().contains(QStringLiteral("local_time=9.500000")));

        // A key step moves nothing; a drag with the mouse writes.
        MouseEventSlider *impact = dialog.slider(C::ImpactSensitivity);
        dialog.scrollArea()->ensureWidgetVisible(impact);
        const QStringList before = manager.linedSettings();
        impact->setFocus();
        GuiTestEnvironment::sendKey(impact, Qt::Key_Right);
        EXPECT_EQ(manager.linedSettings(), before);
        EXPECT_EQ(impact->value(), 1);
        GuiTestEnvironment::sendMouse(impact, QEvent::MouseButtonPress, sliderPoint(impact, 1));
        GuiTestEnvironment::sendMouse(impact, QEvent::MouseMove, sliderPoint(impact, 2));
        GuiTestEnvironment::sendMouse(impact, QEvent::MouseButtonRelease, sliderPoint(impact, 2));
        EXPECT_TRUE(manager.linedSettings().contains(QStringLiteral("acc_level=4")));
        GuiTestEnvironment::wait(50);
        EXPECT_FALSE(
            GuiTestEnvironment::saveScreenshot(dialog.window(), "settings_V120_middle").isEmpty());

        // The clock: the check box enables the picker.
        dialog.scrollArea()->verticalScrollBar()->setValue(0);
        EXPECT_FALSE(dialog.datePicker()->isEnabled());
        click(dialog.dateTimeCheckBox());
        EXPECT_TRUE(dialog.datePicker()->isEnabled());
        dialog.datePicker()->setDateTime(moment);
        click(dialog.okButton());
    });
    EXPECT_EQ(code, 1);
    const QStringList lines = linesOf(card.path());
    for (const char *line :
         {"park_mode=1", "power_off_vlt=11800", "local_time=9.500000", "acc_level=4", "set=1"})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line;
    const qsizetype set = lines.indexOf(QStringLiteral("set=1"));
    EXPECT_EQ(lines.mid(set + 1, 6), QMVSettingManager::timeDateLines(moment));
}

// Esc saves nothing; a card that refuses the file keeps the dialog open with
// the user's choices; the dialog follows the interface language.
TEST(QMVSettingViewController, EscReadOnlyCardAndLanguage)
{
    TempFolder card;
    const QByteArray stored = writeCard(card.path());
    QMVSettingManager manager;
    manager.loadData(card.path());
    {
        QMVSettingViewController dialog(manager, card.path(), 6);
        EXPECT_EQ(runDialog(dialog,
                            [&] {
                                click(dialog.radioButtons(C::SpeedUnit).at(1));
                                GuiTestEnvironment::sendKey(dialog.view(), Qt::Key_Escape);
                            }),
                  0);
        EXPECT_EQ(FileBytes::read(QMVSettingManager::settingsFilePath(card.path())), stored);
    }

    TorvaLanguages *languages = TorvaLanguages::SharedTorvaLanguages();
    ReadOnlyCard readOnly;
    if (!readOnly.error().isEmpty())
        GTEST_SKIP() << "no read-only card: " << readOnly.error().toStdString();
    const QByteArray locked = writeCard(readOnly.path());
    ASSERT_TRUE(readOnly.makeReadOnly());
    manager.loadData(readOnly.path());
    QMVSettingViewController dialog(manager, readOnly.path(), 6);
    QString alertText;
    EXPECT_EQ(runDialog(dialog,
                        [&] {
                            click(dialog.radioButtons(C::SpeedUnit).at(1));
                            const auto text = answerAlert(QStringLiteral("OK"));
                            click(dialog.okButton());
                            alertText = *text;
                            EXPECT_TRUE(dialog.window()->isVisible());
                            EXPECT_EQ(dialog.session().value(C::SpeedUnit), 1);
                            EXPECT_TRUE(dialog.radioButtons(C::SpeedUnit).at(1)->isSelected());

                            languages->languageChange(QStringLiteral("fr"));
                            EXPECT_TRUE(GuiTestEnvironment::waitFor([&] {
                                return dialog.okButton()->text() ==
                                       languages->localizedIn(QStringLiteral("확인"),
                                                              QStringLiteral("fr"));
                            }));
                            GuiTestEnvironment::wait(100);
                            EXPECT_EQ(cutTexts(dialog.view()), "");
                            GuiTestEnvironment::saveScreenshot(dialog.window(), "settings_V120_fr");
                            languages->languageChange(QStringLiteral("en"));
                        }),
              -1);
    EXPECT_EQ(alertText, TorvaLanguages::text("메모리카드 오류"));
    EXPECT_EQ(FileBytes::read(QMVSettingManager::settingsFilePath(readOnly.path())), locked);
}
