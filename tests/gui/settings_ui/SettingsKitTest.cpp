#include "../GuiTestEnvironment.h"

#include "core/i18n/TorvaPreferences.h"
#include "gui/app/MainWindowMenus.h"
#include "gui/controls/ActionTextField.h"
#include "gui/controls/BGColorView.h"
#include "gui/controls/TorvaCancelEventView.h"
#include "gui/controls/TorvaImageView.h"
#include "gui/settings_ui/MonthDayHourMinStepperController.h"
#include "gui/settings_ui/MouseEventSlider.h"
#include "gui/settings_ui/RadioButton.h"
#include "gui/settings_ui/RangeSelectViewController.h"
#include "gui/settings_ui/SettingWindow.h"
#include "gui/settings_ui/TorvaViewController.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {

QString selection(const QList<RadioButton *> &buttons)
{
    QString marks;
    for (const RadioButton *button : buttons)
        marks += button->isSelected() ? '*' : '-';
    return marks;
}

void press(QWidget *widget)
{
    GuiTestEnvironment::sendMouse(widget, QEvent::MouseButtonPress, QPointF(4, 4));
    GuiTestEnvironment::sendMouse(widget, QEvent::MouseButtonRelease, QPointF(4, 4));
}

// Counts its language passes and keeps the keys it is handed.
class CountingController : public TorvaViewController
{
public:
    void applyLanguageSettings() override { ++applied; }
    void keyDown(QKeyEvent *event) override { keys << event->key(); }
    int applied = 0;
    QList<int> keys;
};

} // namespace

// Groups are numbers shared across the program: selecting in group 3 leaves
// group 4 as it was, and a button that changes group or dies leaves its own.
TEST(RadioButton, SelectingDeselectsOnlyItsGroup)
{
    std::unique_ptr<RadioButton> owner[5];
    QList<RadioButton *> buttons;
    for (int i = 0; i < 5; ++i) {
        owner[i] = std::make_unique<RadioButton>();
        buttons << owner[i].get();
        buttons.last()->setRadioGroupID(i < 3 ? 3 : 4);
    }
    buttons[3]->setIsSelected(true);
    press(buttons[0]);
    EXPECT_EQ(selection(buttons), "*--*-");
    press(buttons[1]);
    EXPECT_EQ(selection(buttons), "-*-*-");
    buttons[1]->setRadioGroupID(4);
    buttons[1]->setRadioGroupID(4);
    EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(3),
              QList<RadioButton *>({buttons[0], buttons[2]}));
    EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(4),
              QList<RadioButton *>({buttons[3], buttons[4], buttons[1]}));
    buttons[4]->setIsSelected(true);
    EXPECT_EQ(selection(buttons), "----*");
    owner[4].reset();
    EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(4),
              QList<RadioButton *>({buttons[3], buttons[1]}));
    RadioButton::RemoveRadioButtonGroupFromGroupID(4);
    EXPECT_TRUE(RadioButton::GetRadioButtonGroupFromGroupID(4).isEmpty());
}

// What two presses do to each kind of button, what they send and what they
// show.
TEST(RadioButton, PressesInEachMode)
{
    struct Case
    {
        bool toggle;
        bool checkBox;
        bool enabled;
        QString afterEachPress;
        QString pictures;
    };
    const Case cases[] = {
        {false, false, true, "**", "check check"},
        {true, false, true, "*-", "check "},
        {true, true, true, "*-", "check1 "},
        // Disabled: the action still goes out, the selection stays.
        {true, false, false, "--", "discheck2 discheck2"},
        {false, true, false, "--", "pv_dst_check pv_dst_check"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.afterEachPress.toStdString() + " " + c.pictures.toStdString());
        RadioButton button(QStringLiteral("Title"));
        button.setRadioGroupID(7);
        button.setIsToggleMode(c.toggle);
        button.setIsCheckBoxMode(c.checkBox);
        button.setRadioEnabled(c.enabled);
        int sent = 0;
        QObject::connect(&button, &RadioButton::touched,
                         [&](RadioButton *sender) { sent += sender == &button; });
        QString marks;
        QStringList pictures;
        for (int i = 0; i < 2; ++i) {
            press(&button);
            marks += button.isSelected() ? '*' : '-';
            pictures << button.currentImageName();
        }
        EXPECT_EQ(marks, c.afterEachPress);
        EXPECT_EQ(pictures.join(' '), c.pictures);
        EXPECT_EQ(sent, 2);
    }
}

// Four steps over 240 points: buttons of 40, 80, 80 and 80 side by side
// from the gauge's left edge, a number under each step, and the gauge filled
// up to the step clicked.
TEST(RangeSelectViewController, FourStepsHalfThenWholeSteps)
{
    RangeSelectViewController range(4, 240);
    range.show();
    QStringList widths;
    int edge = range.gaugeBGView()->x();
    for (QPushButton *button : range.rangeButtonList()) {
        widths << QString::number(button->width());
        EXPECT_EQ(button->x(), edge);
        edge = button->geometry().right() + 1;
    }
    EXPECT_EQ(widths.join(' '), "40 80 80 80");
    QStringList numbers;
    for (const QLabel *label : range.findChildren<QLabel *>()) {
        if (label != range.valueTextField())
            numbers << label->text() + "@" + QString::number(label->geometry().center().x());
    }
    EXPECT_EQ(numbers.join(' '), "0@9 1@89 2@169 3@249");

    press(range.rangeButtonList()[2]);
    EXPECT_EQ(range.selectedValue(), 2);
    EXPECT_EQ(range.valueTextField()->text(), "2");
    EXPECT_EQ(range.gaugeImageView()->width(), 160);
    range.setSelectedValue(3);
    EXPECT_EQ(range.gaugeImageView()->width(), 240);
    range.setSelectedValue(0);
    EXPECT_EQ(range.valueTextField()->text(), "0");
    EXPECT_EQ(range.gaugeImageView()->width(), 0);
}

// The stepper steps the clicked field within its range; a click into the
// minute field leaves it on the field it had.
TEST(MonthDayHourMinStepperController, StepsTheClickedField)
{
    MonthDayHourMinStepperController stepper;
    stepper.show();
    const auto fields = [&] {
        return QStringList({stepper.monthTextField()->text(), stepper.dayTextField()->text(),
                            stepper.hourTextField()->text(), stepper.minTextField()->text()})
            .join(' ');
    };
    const auto range = [&] {
        return QString::number(stepper.stepper()->minimum()) + "-" +
               QString::number(stepper.stepper()->maximum());
    };
    EXPECT_EQ(fields(), "01 01 00 00");
    EXPECT_EQ(stepper.selectedTextField(), stepper.monthTextField());
    EXPECT_EQ(range(), "1-12");
    stepper.stepper()->stepDown();
    EXPECT_EQ(fields(), "01 01 00 00");

    press(stepper.dayTextField());
    EXPECT_EQ(range(), "1-31");
    stepper.stepper()->setValue(31);
    stepper.stepper()->stepUp();
    press(stepper.hourTextField());
    EXPECT_EQ(range(), "0-23");
    stepper.stepper()->stepUp();
    EXPECT_EQ(fields(), "01 31 01 00");

    press(stepper.minTextField());
    EXPECT_EQ(stepper.selectedTextField(), stepper.hourTextField());
    EXPECT_EQ(range(), "0-23");
    stepper.setMin(7);
    EXPECT_EQ(stepper.min(), 7);
    stepper.setSelectedTextField(stepper.minTextField());
    stepper.stepper()->stepUp();
    EXPECT_EQ(fields(), "01 31 01 08");

    stepper.setEnabled(false);
    EXPECT_FALSE(stepper.stepper()->isEnabled());
    EXPECT_FALSE(stepper.dayTextField()->isEnabled());
}

// Over the slider is down, away is up, and a drag ends with up then down.
TEST(MouseEventSlider, TellsWhenTheMouseIsOver)
{
    MouseEventSlider slider;
    slider.resize(200, 24);
    slider.show();
    QStringList told;
    QObject::connect(&slider, &MouseEventSlider::sliderTouchedDown,
                     [&](MouseEventSlider *s) { told << (s == &slider ? "down" : "?"); });
    QObject::connect(&slider, &MouseEventSlider::sliderTouchedUp,
                     [&](MouseEventSlider *s) { told << (s == &slider ? "up" : "?"); });
    using Env = GuiTestEnvironment;
    Env::sendMouse(&slider, QEvent::Enter, QPointF(5, 12));
    Env::sendMouse(&slider, QEvent::MouseMove, QPointF(20, 12), Qt::NoButton);
    EXPECT_EQ(told.join(' '), "down down");
    told.clear();
    Env::sendMouse(&slider, QEvent::MouseButtonPress, QPointF(20, 12));
    Env::sendMouse(&slider, QEvent::MouseMove, QPointF(120, 12));
    Env::sendMouse(&slider, QEvent::MouseButtonRelease, QPointF(120, 12));
    EXPECT_EQ(told.join(' '), "up down");
    told.clear();
    Env::sendMouse(&slider, QEvent::Leave, QPointF());
    EXPECT_EQ(told.join(' '), "up");
}

TEST(SettingWindow, CentresOverTheParentWithItsTitleBar)
{
    EXPECT_EQ(SettingWindow::modalOrigin(QRect(100, 50, 800, 600), QSize(300, 200), 0),
              QPoint(350, 250));
    EXPECT_EQ(SettingWindow::modalOrigin(QRect(100, 50, 800, 600), QSize(300, 200), 22),
              QPoint(350, 239));
    EXPECT_EQ(SettingWindow::modalOrigin(QRect(0, 0, 801, 601), QSize(300, 200), 0),
              QPoint(251, 201));
}

// A modal run over the main window: placed, borderless, keys to the
// controller, the language changed from inside marks the main menu and
// reaches the controller, and the code that ended it comes back.
TEST(SettingWindow, RunsModallyOverTheMainWindow)
{
    QMainWindow mainWindow;
    auto *menus = new MainWindowMenus(&mainWindow);
    mainWindow.setGeometry(100, 80, 800, 600);
    mainWindow.show();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return mainWindow.isVisible(); }));
    const QString language = TorvaPreferences().value(TorvaPreferences::kLanguageKey).toString();
    const QString other = language == QLatin1String("ja") ? "fr" : "ja";

    CountingController controller;
    QObject *outerHandler = TorvaCancelEventView::currentEventHandler();
    controller.loadView(new TorvaCancelEventView);
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), &controller);
    EXPECT_EQ(controller.applied, 1);
    controller.resize(300, 200);

    SettingWindow window;
    QTimer::singleShot(0, &window, [&] {
        ASSERT_TRUE(GuiTestEnvironment::waitFor([&] {
            return window.isVisible() && window.frameGeometry().topLeft() ==
                                             SettingWindow::modalOrigin(
                                                 mainWindow.frameGeometry(), QSize(300, 200),
                                                 window.frameGeometry().height() - window.height());
        })) << window.frameGeometry().x()
            << "," << window.frameGeometry().y();
        EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(window.size(), QSize(300, 200));
        EXPECT_EQ(window.keyEventDelegate(), &controller);
        GuiTestEnvironment::sendKey(&window, Qt::Key_A);
        EXPECT_EQ(controller.keys, QList<int>({Qt::Key_A}));
        EXPECT_EQ(window.pWindowController(), menus);
        if (other == QLatin1String("ja"))
            window.languageChangeToJapanese();
        else
            window.languageChangeToFrench();
        EXPECT_TRUE(menus->languageAction(other)->isChecked());
        EXPECT_TRUE(GuiTestEnvironment::waitFor([&] { return controller.applied == 2; }));
        window.done(1);
    });
    EXPECT_EQ(window.showModalWindow(&mainWindow, &controller, &controller, false), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(controller.parentWidget(), nullptr);
    EXPECT_EQ(TorvaPreferences().value(TorvaPreferences::kAppleLanguagesKey).toStringList(),
              QStringList{other});
    window.languageChange(language.isEmpty() ? QStringLiteral("en") : language);
    controller.restoreEventHandler();
    EXPECT_EQ(TorvaCancelEventView::currentEventHandler(), outerHandler);
}

// A small dialog of the kit for a person to look at: every title whole.
TEST(SettingsKit, DialogScreenshot)
{
    QWidget dialog;
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, QColor(0x1b, 0x1f, 0x26));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, QColor(0x2a, 0x2f, 0x37));
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x0f, 0x12, 0x17));
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
    auto *form = new QFormLayout(&dialog);
    const QStringList titles{
        "Low", "Middle", "High sensitivity", "Off (parking mode)", "Record sound", "Beep on start"};
    QHBoxLayout *lines[2] = {new QHBoxLayout, new QHBoxLayout};
    QList<RadioButton *> buttons;
    for (int i = 0; i < titles.size(); ++i) {
        // Four radio buttons, the last disabled, then two check boxes.
        buttons << new RadioButton(titles[i]);
        buttons.last()->setRadioGroupID(i < 4 ? 41 : 42 + i);
        buttons.last()->setIsCheckBoxMode(i >= 4);
        buttons.last()->setIsSelected(i == 1 || i == 4);
        buttons.last()->setRadioEnabled(i != 3);
        lines[i / 4]->addWidget(buttons.last());
    }
    form->addRow(QStringLiteral("Impact"), lines[0]);
    form->addRow(QStringLiteral("Sound"), lines[1]);
    auto *range = new RangeSelectViewController(5, 200);
    range->setSelectedValue(3);
    form->addRow(QStringLiteral("Volume"), range);
    form->addRow(QStringLiteral("Date"), new MonthDayHourMinStepperController);
    auto *slider = new MouseEventSlider;
    slider->setRange(0, 4);
    form->addRow(QStringLiteral("Brightness"), slider);
    dialog.show();
    ASSERT_TRUE(GuiTestEnvironment::waitFor([&] { return dialog.isVisible(); }));
    GuiTestEnvironment::wait(100);
    for (const RadioButton *button : buttons)
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    EXPECT_FALSE(GuiTestEnvironment::saveScreenshot(&dialog, "settings_kit_dialog").isEmpty());
}
