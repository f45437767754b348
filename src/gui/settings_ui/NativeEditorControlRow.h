#pragma once

#include "core/settings_ui/EditorControls.h"
#include "core/settings_ui/NativeEditorLayout.h"
#include "core/settings_ui/SliderSteps.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <utility>

class MouseEventSlider;
class QComboBox;
class QLabel;
class RadioButton;

// The widgets of one value control of the native settings editor: a radio
// group, a slider with its step guides, a check box, or a combo box. It shows
// what the editor's controls hold and reports the user's choices; the editor
// decides what they change.
class NativeEditorControlRow : public QWidget
{
    Q_OBJECT

public:
    // items: what a pop-up lists (the camera's languages), else ignored.
    NativeEditorControlRow(const NativeEditorLayout::Control &control, qint64 modelType,
                           const QStringList &items, QWidget *parent = nullptr);

    const NativeEditorLayout::Control &control() const { return m_control; }
    EditorControl editorControl() const { return *m_control.control; }

    // Shows the control's position and whether it takes input.
    void showControls(const EditorControls &controls);
    // Radio cell titles (keys) other than the layout's, e.g. in another unit.
    void setTitles(const QStringList &titleKeys);
    void applyLanguageSettings();

    const QList<RadioButton *> &radioButtons() const { return m_radios; }
    MouseEventSlider *slider() const { return m_slider; }
    QComboBox *comboBox() const { return m_combo; }
    const QList<QLabel *> &guideLabels() const { return m_guides; }

Q_SIGNALS:
    // The user picked a position (for a disabled radio, the one it shows).
    void chosen(NativeEditorControlRow *row, int value);

private:
    void buildRadios(const QStringList &titleKeys, bool checkBox);
    void buildSlider(qint64 modelType);
    void buildCombo(const QStringList &items);
    // A label whose text follows the interface language.
    QLabel *keyedLabel(const QString &key);
    // The step's guide shows only when the slider touched down was moved.
    void showGuide(bool moved);

    NativeEditorLayout::Control m_control;
    QStringList m_titleKeys;
    QList<RadioButton *> m_radios;
    MouseEventSlider *m_slider = nullptr;
    std::optional<SliderSteps::Range> m_range;
    QList<QLabel *> m_guides;
    QList<std::pair<QLabel *, QString>> m_keyedLabels;
    QPointer<MouseEventSlider> m_currentMouseDownSlider;
    QComboBox *m_combo = nullptr;
};
