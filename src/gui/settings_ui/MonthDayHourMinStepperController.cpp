#include "gui/settings_ui/MonthDayHourMinStepperController.h"

#include "gui/controls/ActionTextField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyleOptionSpinBox>

namespace {

ActionTextField *twoDigitField(QWidget *parent)
{
    auto *field = new ActionTextField(parent);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 16);
    return field;
}

qint64 valueOf(const ActionTextField *field)
{
    return field->text().toLongLong();
}

void showTwoDigits(ActionTextField *field, qint64 value)
{
    field->setText(QString::asprintf("%02ld", long(value)));
}

} // namespace

MonthDayHourMinStepperController::MonthDayHourMinStepperController(QWidget *parent)
    : QWidget(parent), m_monthTextField(twoDigitField(this)), m_dayTextField(twoDigitField(this)),
      m_hourTextField(twoDigitField(this)), m_minTextField(twoDigitField(this)),
      m_stepper(new QSpinBox(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    const QString separators[] = {QStringLiteral("/"), QStringLiteral(" "), QStringLiteral(":")};
    ActionTextField *fields[] = {m_monthTextField, m_dayTextField, m_hourTextField, m_minTextField};
    for (int i = 0; i < 4; ++i) {
        layout->addWidget(fields[i]);
        if (i < 3)
            layout->addWidget(new QLabel(separators[i], this));
        connect(fields[i], &ActionTextField::action, this,
                &MonthDayHourMinStepperController::textfieldChaned);
    }
    // Only the arrows of the stepper show: the field it steps shows the value.
    m_stepper->findChild<QLineEdit *>()->hide();
    QStyleOptionSpinBox option;
    option.initFrom(m_stepper);
    option.rect = QRect(QPoint(), m_stepper->sizeHint());
    const QRect arrows = m_stepper->style()->subControlRect(QStyle::CC_SpinBox, &option,
                                                            QStyle::SC_SpinBoxUp, m_stepper);
    m_stepper->setFixedWidth(option.rect.width() - arrows.left() + 2);
    layout->addWidget(m_stepper);
    layout->addStretch();
    connect(m_stepper, &QSpinBox::valueChanged, this,
            &MonthDayHourMinStepperController::stepperChanged);

    setMonth(1);
    setDay(1);
    setHour(0);
    setMin(0);
    setSelectedTextField(m_monthTextField);
}

qint64 MonthDayHourMinStepperController::month() const
{
    return valueOf(m_monthTextField);
}

void MonthDayHourMinStepperController::setMonth(qint64 value)
{
    showTwoDigits(m_monthTextField, value);
}

qint64 MonthDayHourMinStepperController::day() const
{
    return valueOf(m_dayTextField);
}

void MonthDayHourMinStepperController::setDay(qint64 value)
{
    showTwoDigits(m_dayTextField, value);
}

qint64 MonthDayHourMinStepperController::hour() const
{
    return valueOf(m_hourTextField);
}

void MonthDayHourMinStepperController::setHour(qint64 value)
{
    showTwoDigits(m_hourTextField, value);
}

qint64 MonthDayHourMinStepperController::min() const
{
    return valueOf(m_minTextField);
}

void MonthDayHourMinStepperController::setMin(qint64 value)
{
    showTwoDigits(m_minTextField, value);
}

void MonthDayHourMinStepperController::setEnabled(bool enabled)
{
    m_enabled = enabled;
    for (QWidget *control : std::initializer_list<QWidget *>{
             m_monthTextField, m_dayTextField, m_hourTextField, m_minTextField, m_stepper})
        control->setEnabled(enabled);
}

void MonthDayHourMinStepperController::setSelectedTextField(ActionTextField *field)
{
    m_selectedTextField = field;
    const int low = field == m_monthTextField || field == m_dayTextField ? 1 : 0;
    const int high = field == m_monthTextField  ? 12
                     : field == m_dayTextField  ? 31
                     : field == m_hourTextField ? 23
                                                : 59;
    // Taking the field's range and value is no step.
    const QSignalBlocker blocker(m_stepper);
    m_stepper->setRange(low, high);
    m_stepper->setValue(int(valueOf(field)));
    setFocusHighlight();
}

void MonthDayHourMinStepperController::stepperChanged()
{
    updateDate();
}

void MonthDayHourMinStepperController::textfieldChaned(ActionTextField *field)
{
    if (field != m_minTextField)
        setSelectedTextField(field);
}

void MonthDayHourMinStepperController::updateDate()
{
    showTwoDigits(m_selectedTextField, m_stepper->value());
    setFocusHighlight();
    Q_EMIT dateChanged();
}

void MonthDayHourMinStepperController::setFocusHighlight()
{
    m_selectedTextField->setFocus();
    m_selectedTextField->setSelection(0, 2);
}
