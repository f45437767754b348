#pragma once

#include "core/settings/CardMount.h"
#include "core/settings_ui/CompactEditorLayout.h"
#include "core/settings_ui/CompactEditorSession.h"
#include "gui/settings_ui/TorvaViewController.h"

#include <QList>
#include <QMap>
#include <QPointer>

class BGColorView;
class MouseEventSlider;
class PartitionBarsView;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QMVSettingManager;
class QPushButton;
class QScrollArea;
class RadioButton;

// The compact model's settings dialog: the lines of the card's
// blackbox.cfg in thirteen sections of one scrolling page. Every choice goes
// straight into the manager's lines; OK adds the camera's date and time when
// asked for and saves the file, Cancel and Esc save nothing. Run it in a
// SettingWindow, which it ends with 1 for OK and 0 for Cancel.
class QMVSettingViewController : public TorvaViewController
{
    Q_OBJECT

public:
    QMVSettingViewController(QMVSettingManager &manager, const QString &cardRoot, qint64 modelType,
                             QWidget *parent = nullptr);

    const CompactEditorSession &session() const { return m_session; }

    void applyLanguageSettings() override;

    void okButtonTouched();
    Q_INVOKABLE void cancelButtonTouched();
    void resetButtonTouched();
    void dateTimeCurrentTimeButtonTouched();

    // The widgets of a control, for the tests.
    QList<RadioButton *> radioButtons(CompactControl control) const;
    MouseEventSlider *slider(CompactControl control) const;
    QComboBox *timeZoneComboBox() const { return m_timeZoneComboBox; }
    QCheckBox *dateTimeCheckBox() const { return m_dateTimeCheckBox; }
    QDateTimeEdit *datePicker() const { return m_datePicker; }
    QLabel *textLabel(CompactControl control) const { return m_textLabels.value(control); }
    PartitionBarsView *partitionBars() const { return m_partitionBars; }
    QScrollArea *scrollArea() const { return m_scrollArea; }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    QPushButton *resetButton() const { return m_resetButton; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct SplitTitle
    {
        QLabel *title;
        BGColorView *line;
    };

    QWidget *buildSection(const CompactEditorLayout::Section &section);
    QWidget *buildControl(const CompactEditorLayout::Control &control, QWidget *parent);
    QWidget *buildRadios(const CompactEditorLayout::Control &control, QWidget *parent);
    QWidget *buildSlider(const CompactEditorLayout::Control &control, QWidget *parent);
    QWidget *buildDateTime(QWidget *parent);
    QWidget *buildButtonRow();
    // The title takes its text's width and the split line the rest of the row.
    static void reSizeSplitLine(BGColorView *line, QLabel *textField);

    // A choice of the user's, through the session's rules.
    void controlTouched(CompactControl control, int value);
    void sliderChanged(CompactControl control, MouseEventSlider *slider, int position);
    // Every control as the session shows it.
    void applySettingData();

    QMVSettingManager &m_manager;
    // The card the editor opened on: OK writes nothing in its place.
    CardMount m_card;
    qint64 m_modelType;
    CompactEditorSession m_session;
    QMap<CompactControl, QList<RadioButton *>> m_radios;
    QMap<CompactControl, MouseEventSlider *> m_sliders;
    QMap<CompactControl, QLabel *> m_textLabels;
    QList<SplitTitle> m_splitTitles;
    // The slider the mouse is pressed on: only its moves are the user's.
    QPointer<MouseEventSlider> m_currentMouseDownSlider;
    QComboBox *m_timeZoneComboBox = nullptr;
    QCheckBox *m_dateTimeCheckBox = nullptr;
    QDateTimeEdit *m_datePicker = nullptr;
    QPushButton *m_currentTimeButton = nullptr;
    PartitionBarsView *m_partitionBars = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_resetButton = nullptr;
};
