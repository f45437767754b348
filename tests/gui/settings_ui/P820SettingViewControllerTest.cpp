#include "../GuiTestEnvironment.h"
#include "FileBytes.h"
#include "ReadOnlyCard.h"
#include "SettingsDialogTestSupport.h"
#include "TempFolder.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/settings/CameraLanguages.h"
#include "core/settings/P820SettingManager.h"
#include "core/settings_ui/CameraClockFile.h"
#include "core/settings_ui/ParkingModeChoice.h"
#include "core/settings_ui/SliderSteps.h"
#include "core/settings_ui/TouchCalibrationRequest.h"
#include "gui/app/MainWindowMenus.h"
#include "gui/settings_ui/MouseEventSlider.h"
#include "gui/settings_ui/NativeEditorControlRow.h"
#include "gui/settings_ui/P820SettingViewController.h"
#include "gui/settings_ui/RadioButton.h"
#include "gui/settings_ui/SettingWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>

namespace {

struct Model
{
    qint64 type;
    int32_t firmware;
    const char *name;
};

const Model kP820{1, 0, "P820"};
const Model kV580{3, 17, "V580"};
const Model kP940{5, 0, "P940"};

// A card holding the model's default record, as the manager writes it.
class EditorCard
{
public:
    // root: the card's folder, else a fresh one.
    explicit EditorCard(const Model &model, const QString &root = {})
        : root(root.isEmpty() ? folder.path() : root),
          manager(std::make_shared<P820SettingManager>())
    {
        manager->setSettingDirPath(this->root);
        manager->setModelType(model.type);
        manager->setFirmwareVersionInt(model.firmware);
        if (model.firmware != 0)
            manager->setVersion(QStringLiteral("1.0.%1").arg(model.firmware));
        manager->setLanguages(CameraLanguages::fallback());
        manager->loadDefaultValue();
        EXPECT_TRUE(manager->saveData());
    }
    QByteArray record() const { return FileBytes::read(root + "/SETTING/setup.cfg"); }

    TempFolder folder;
    QString root;
    std::shared_ptr<P820SettingManager> manager;
};

QString localized(const char *key)
{
    return TorvaLanguages::text(key);
}

int selectedRow(const NativeEditorControlRow *row)
{
    for (int index = 0; index < row->radioButtons().size(); ++index) {
        if (row->radioButtons().at(index)->isSelected())
            return index;
    }
    return -1;
}

// Picks the speed unit the record does not hold.
void toggleSpeedUnit(P820SettingViewController &editor)
{
    const NativeEditorControlRow *row = editor.rowFor(EditorControl::SpeedUnit);
    ASSERT_NE(row, nullptr);
    const int other = 1 - selectedRow(row);
    SettingsDialogTestSupport::click(row->radioButtons().at(other));
    EXPECT_EQ(editor.session().controls().value(EditorControl::SpeedUnit), other);
}

class P820SettingViewControllerTest : public ::testing::TestWithParam<Model>
{
};

} // namespace

// Every page for a person to look at; a changed radio lands in the card's record on OK.
TEST_P(P820SettingViewControllerTest, PagesAndOkWritesTheRecord)
{
    const Model model = GetParam();
    EditorCard card(model);
    const QByteArray before = card.record();
    ASSERT_FALSE(before.isNull());
    P820SettingViewController editor(card.manager);
    const qint64 code = SettingsDialogTestSupport::runDialog(editor, [&] {
        for (int page = 0; page < NativeEditorLayout::kPageCount; ++page) {
            editor.tabView()->setCurrentIndex(page);
            GuiTestEnvironment::wait(50);
            const QString name =
                QStringLiteral("settings_%1_%2")
                    .arg(QLatin1String(model.name),
                         NativeEditorLayout::pageId(NativeEditorLayout::Page(page)));
            EXPECT_FALSE(GuiTestEnvironment::saveScreenshot(editor.window(), name).isEmpty());
        }
        EXPECT_EQ(editor.tabView()->tabText(2), localized("주차모드"));
        editor.tabView()->setCurrentIndex(0);
        toggleSpeedUnit(editor);
        SettingsDialogTestSupport::click(editor.okButton());
    });
    EXPECT_EQ(code, 1);
    const auto field = editor.session().fieldOf(EditorControl::SpeedUnit);
    ASSERT_TRUE(field);
    SettingRecord original;
    SettingRecord written;
    original.read(before, SettingRecordLayout::kFieldCount);
    written.read(card.record(), SettingRecordLayout::kFieldCount);
    EXPECT_NE(written.number(*field), original.number(*field));
}

INSTANTIATE_TEST_SUITE_P(Models, P820SettingViewControllerTest,
                         ::testing::Values(kP820, kV580, kP940),
                         [](const auto &info) { return std::string(info.param.name); });

// Cancel and Esc write nothing; a card that cannot be written keeps the editor
// open with the user's choices.
TEST(P820SettingViewController, CancelEscAndAnUnwritableCardWriteNothing)
{
    EditorCard card(kP820);
    const QByteArray before = card.record();
    const std::function<void(P820SettingViewController &)> closers[] = {
        [](P820SettingViewController &editor) {
            SettingsDialogTestSupport::click(editor.cancelButton());
        },
        [](P820SettingViewController &editor) {
            GuiTestEnvironment::sendKey(editor.view(), Qt::Key_Escape);
        }};
    for (const auto &close : closers) {
        P820SettingViewController editor(card.manager);
        EXPECT_EQ(SettingsDialogTestSupport::runDialog(editor,
                                                       [&] {
                                                           toggleSpeedUnit(editor);
                                                           close(editor);
                                                       }),
                  0);
    }
    EXPECT_EQ(card.record(), before);

    ReadOnlyCard readOnly;
    if (!readOnly.error().isEmpty())
        GTEST_SKIP() << "no read-only card: " << readOnly.error().toStdString();
    EditorCard lockedCard(kP820, readOnly.path());
    const QByteArray stored = lockedCard.record();
    ASSERT_TRUE(readOnly.makeReadOnly());
    P820SettingViewController editor(lockedCard.manager);
    QString alertText;
    EXPECT_EQ(
        SettingsDialogTestSupport::runDialog(
            editor,
            [&] {
                toggleSpeedUnit(editor);
                const auto chosen = editor.session().controls().value(EditorControl::SpeedUnit);
                const auto text = SettingsDialogTestSupport::answerAlert(QStringLiteral("OK"));
                SettingsDialogTestSupport::click(editor.okButton());
                alertText = *text;
                EXPECT_TRUE(editor.window()->isVisible());
                EXPECT_EQ(editor.session().controls().value(EditorControl::SpeedUnit), chosen);
            }),
        -1);
    EXPECT_EQ(alertText, localized("메모리카드 오류"));
    EXPECT_EQ(lockedCard.record(), stored);
}

// The open editor follows a change of the interface language: tabs, section
// and slider end titles, the clock's check box and the buttons.
TEST(P820SettingViewController, FollowsTheInterfaceLanguage)
{
    EditorCard card({2, 0, "V360"});
    P820SettingViewController editor(card.manager);
    TorvaLanguages *languages = TorvaLanguages::SharedTorvaLanguages();
    const auto labelTexts = [&] {
        QStringList texts;
        for (const QLabel *label :
             editor.rowFor(EditorControl::FrontBrightness)->findChildren<QLabel *>())
            texts.append(label->text());
        return texts;
    };
    SettingsDialogTestSupport::runDialog(editor, [&] {
        for (const QString &code : {QStringLiteral("fr"), QStringLiteral("en")}) {
            languages->languageChange(code);
            const auto in = [&](const char *key) {
                return languages->localizedIn(QString::fromUtf8(key), code);
            };
            EXPECT_TRUE(GuiTestEnvironment::waitFor(
                [&] { return editor.tabView()->tabText(0) == in("공통"); }));
            EXPECT_TRUE(labelTexts().contains(in("밝게")));
            EXPECT_TRUE(labelTexts().contains(in("전방")));
            EXPECT_EQ(editor.clockCheckBox()->text(), in("설정"));
            EXPECT_EQ(editor.okButton()->text(), in("확인"));
            if (code == QLatin1String("fr")) {
                // Texts grow after a layout pass.
                GuiTestEnvironment::wait(100);
                EXPECT_EQ(SettingsDialogTestSupport::cutTexts(editor.tabView()->currentWidget()),
                          "");
                EXPECT_EQ(SettingsDialogTestSupport::cutTexts(editor.okButton()->parentWidget()),
                          "");
                const QString shot =
                    GuiTestEnvironment::saveScreenshot(editor.window(), "settings_V360_common_fr");
                EXPECT_FALSE(shot.isEmpty());
            }
        }
        GuiTestEnvironment::sendKey(editor.view(), Qt::Key_Escape);
    });
}

// A slider's guide shows the step while the slider is dragged and goes at
// release, though the pointer still rests on it.
TEST(P820SettingViewController, SliderGuideFollowsTheTouchedSlider)
{
    EditorCard card(kP820);
    P820SettingViewController editor(card.manager);
    SettingsDialogTestSupport::runDialog(editor, [&] {
        const NativeEditorControlRow *row = editor.rowFor(EditorControl::FrontBrightness);
        ASSERT_NE(row, nullptr);
        MouseEventSlider *slider = row->slider();
        const auto range = SliderSteps::forSlider(EditorControl::FrontBrightness, kP820.type);
        ASSERT_TRUE(range);
        const auto shown = [&] {
            QList<int> visible;
            for (int index = 0; index < row->guideLabels().size(); ++index) {
                if (row->guideLabels().at(index)->isVisible())
                    visible.append(index);
            }
            return visible;
        };
        const auto guideOf = [&] {
            return QList<int>{*SliderSteps::guideIndex(*range, slider->value())};
        };
        GuiTestEnvironment::sendMouse(slider, QEvent::Enter, QPointF(2, 2));
        EXPECT_EQ(shown(), QList<int>());
        const int start = slider->value();
        // Drags the knob towards the end it is not at.
        const auto at = [&](int value) {
            return QPointF(QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(),
                                                           value, slider->width() - 16) +
                               8,
                           slider->height() / 2.0);
        };
        const QPointF end = at(start < slider->maximum() ? slider->maximum() : slider->minimum());
        GuiTestEnvironment::sendMouse(slider, QEvent::MouseButtonPress, at(start));
        GuiTestEnvironment::sendMouse(slider, QEvent::MouseMove, end);
        EXPECT_NE(slider->value(), start);
        EXPECT_EQ(editor.session().controls().value(EditorControl::FrontBrightness),
                  slider->value());
        EXPECT_EQ(shown(), guideOf());
        GuiTestEnvironment::sendMouse(slider, QEvent::MouseButtonRelease, end);
        EXPECT_EQ(shown(), QList<int>());
        GuiTestEnvironment::sendMouse(slider, QEvent::MouseMove, end);
        EXPECT_EQ(shown(), QList<int>());
        // The other sliders never showed theirs.
        const NativeEditorControlRow *volume = editor.rowFor(EditorControl::VoiceVolume);
        for (const QLabel *label : volume->guideLabels())
            EXPECT_FALSE(label->isVisible());
    });
}

// Another parking mode asks first: No shows the stored mode again, Yes
// stores the new one in the manager at once.
TEST(P820SettingViewController, ParkingModeQuestion)
{
    for (const Model &model : {kP820, kP940}) {
        SCOPED_TRACE(model.name);
        EditorCard card(model);
        // Parking mode on: turning it off asks.
        card.manager->setParking_mode_set(
            ParkingModeChoice::accepted(model.type, 0).parkingModeSet);
        P820SettingViewController editor(card.manager);
        SettingsDialogTestSupport::runDialog(editor, [&] {
            editor.tabView()->setCurrentIndex(2);
            NativeEditorControlRow *row = editor.rowFor(EditorControl::ParkingMode);
            ASSERT_NE(row, nullptr);
            const int stored =
                ParkingModeChoice::rowForStored(model.type, card.manager->parking_mode_set());
            EXPECT_EQ(selectedRow(row), stored);
            int asked = -1;
            for (int index = 0; index < row->radioButtons().size() && asked < 0; ++index) {
                if (index != stored && ParkingModeChoice::questionKey(model.type, index))
                    asked = index;
            }
            ASSERT_GE(asked, 0);
            const QString question = TorvaLanguages::SharedTorvaLanguages()->localized(
                *ParkingModeChoice::questionKey(model.type, asked));

            auto text = SettingsDialogTestSupport::answerAlert(localized("아니오"));
            SettingsDialogTestSupport::click(row->radioButtons().at(asked));
            EXPECT_EQ(*text, question);
            EXPECT_EQ(selectedRow(row), stored);
            EXPECT_EQ(editor.session().controls().value(EditorControl::ParkingMode), stored);

            text = SettingsDialogTestSupport::answerAlert(localized("예"));
            SettingsDialogTestSupport::click(row->radioButtons().at(asked));
            EXPECT_EQ(*text, question);
            EXPECT_EQ(selectedRow(row), asked);
            EXPECT_EQ(card.manager->parking_mode_set(),
                      ParkingModeChoice::accepted(model.type, asked).parkingModeSet);
        });
    }
}

// The V360 shows the camera clock and the touch calibration; Reset shows its
// built-in settings again.
TEST(P820SettingViewController, ClockTouchCalibrationAndReset)
{
    EditorCard card({2, 0, "V360"});
    const QString root = card.folder.path();
    P820SettingViewController editor(card.manager);
    ASSERT_NE(editor.clockCheckBox(), nullptr);
    EXPECT_FALSE(editor.clockPicker()->isEnabled());
    const QDateTime time(QDate(2026, 5, 4), QTime(3, 2, 1));
    EXPECT_EQ(
        SettingsDialogTestSupport::runDialog(
            editor,
            [&] {
                const auto stored = editor.session().controls().value(EditorControl::SpeedUnit);
                toggleSpeedUnit(editor);
                SettingsDialogTestSupport::click(editor.resetButton());
                EXPECT_EQ(editor.session().controls().value(EditorControl::SpeedUnit), stored);

                editor.tabView()->setCurrentIndex(3);
                QPushButton *touch = nullptr;
                for (QPushButton *button : editor.findChildren<QPushButton *>()) {
                    if (button->text() == localized("초기화하기"))
                        touch = button;
                }
                ASSERT_NE(touch, nullptr);
                const auto question = SettingsDialogTestSupport::answerAlert(localized("예"));
                SettingsDialogTestSupport::click(touch);
                EXPECT_EQ(*question, localized("초기화하기"));
                EXPECT_TRUE(QFileInfo::exists(TouchCalibrationRequest::path(root)));
                const auto done = SettingsDialogTestSupport::answerAlert(QStringLiteral("OK"));
                EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return !done->isEmpty(); }));

                editor.tabView()->setCurrentIndex(0);
                SettingsDialogTestSupport::click(editor.clockCheckBox());
                EXPECT_TRUE(editor.clockPicker()->isEnabled());
                editor.clockPicker()->setDateTime(time);
                SettingsDialogTestSupport::click(editor.okButton());
            }),
        1);
    EXPECT_EQ(CameraClockFile::read(root), time);
}
