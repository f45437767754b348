#pragma once

#include <QWidget>

class ActionTextField;
class QSpinBox;

// A month, day, hour and minute, each in a two-digit field, with one
// stepper that steps whichever field is selected within that field's range.
// A click selects the month, day or hour field; the minute field is only
// reached from the code.
class MonthDayHourMinStepperController : public QWidget
{
    Q_OBJECT

public:
    explicit MonthDayHourMinStepperController(QWidget *parent = nullptr);

    qint64 month() const;
    void setMonth(qint64 value);
    qint64 day() const;
    void setDay(qint64 value);
    qint64 hour() const;
    void setHour(qint64 value);
    qint64 min() const;
    void setMin(qint64 value);

    bool enabled() const { return m_enabled; }
    // The four fields and the stepper together.
    void setEnabled(bool enabled);

    ActionTextField *monthTextField() const { return m_monthTextField; }
    ActionTextField *dayTextField() const { return m_dayTextField; }
    ActionTextField *hourTextField() const { return m_hourTextField; }
    ActionTextField *minTextField() const { return m_minTextField; }
    QSpinBox *stepper() const { return m_stepper; }
    ActionTextField *selectedTextField() const { return m_selectedTextField; }

    // The stepper takes the field's range and value; the field is
    // highlighted.
    void setSelectedTextField(ActionTextField *field);
    void stepperChanged();
    void textfieldChaned(ActionTextField *field);
    // The selected field shows the stepper's value.
    void updateDate();
    void setFocusHighlight();

Q_SIGNALS:
    void dateChanged();

private:
    ActionTextField *m_monthTextField;
    ActionTextField *m_dayTextField;
    ActionTextField *m_hourTextField;
    ActionTextField *m_minTextField;
    QSpinBox *m_stepper;
    ActionTextField *m_selectedTextField = nullptr;
    bool m_enabled = true;
};
