#include "gui/settings_ui/NativeEditorControlRow.h"

#include "core/i18n/TorvaLanguages.h"
#include "gui/settings_ui/MouseEventSlider.h"
#include "gui/settings_ui/RadioButton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

using Kind = NativeEditorLayout::Kind;

namespace {

// Radio groups are numbered program-wide; the editor's take numbers of their own.
qint32 nextRadioGroupID()
{
    static qint32 next = 820000;
    return ++next;
}

} // namespace

NativeEditorControlRow::NativeEditorControlRow(const NativeEditorLayout::Control &control,
                                               qint64 modelType, const QStringList &items,
                                               QWidget *parent)
    : QWidget(parent), m_control(control)
{
    switch (control.kind) {
    case Kind::Radio:
        buildRadios(control.choices, false);
        break;
    case Kind::Check:
        buildRadios(control.choices, true);
        break;
    case Kind::Slider:
        buildSlider(modelType);
        break;
    case Kind::Combo:
        buildCombo(control.choices);
        break;
    case Kind::Popup:
        buildCombo(items);
        break;
    case Kind::Date:
    case Kind::Button:
        break;
    }
    applyLanguageSettings();
}

void NativeEditorControlRow::buildRadios(const QStringList &titleKeys, bool checkBox)
{
    m_titleKeys = titleKeys;
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const qint32 group = nextRadioGroupID();
    for (int index = 0; index < titleKeys.size(); ++index) {
        auto *button = new RadioButton(QString(), this);
        button->setIsCheckBoxMode(checkBox);
        button->setIsToggleMode(checkBox);
        button->setRadioGroupID(group);
        connect(button, &RadioButton::touched, this, [this, index, checkBox](RadioButton *b) {
            Q_EMIT chosen(this, checkBox ? int(b->isSelected()) : index);
        });
        layout->addWidget(button);
        m_radios.append(button);
    }
    layout->addStretch();
}

void NativeEditorControlRow::buildSlider(qint64 modelType)
{
    m_range = SliderSteps::forSlider(editorControl(), modelType);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_slider = new MouseEventSlider(Qt::Horizontal, this);
    m_slider->setRange(m_range ? m_range->minimum : 0, m_range ? m_range->maximum : 0);
    m_slider->setPageStep(1);
    m_slider->setTickPosition(QSlider::TicksBelow);
    constexpr int kSliderColumn = 2;
    if (!m_control.titleKey.isEmpty()) {
        QLabel *title = keyedLabel(m_control.titleKey);
        title->setMinimumWidth(110);
        layout->addWidget(title, 0, 0);
    }
    if (m_control.endKeys.size() == 2) {
        layout->addWidget(keyedLabel(m_control.endKeys.at(0)), 0, kSliderColumn - 1);
        layout->addWidget(keyedLabel(m_control.endKeys.at(1)), 0, kSliderColumn + 1);
    }
    layout->addWidget(m_slider, 0, kSliderColumn);
    layout->setColumnStretch(kSliderColumn, 1);
    for (int index = 0; m_range && index < m_range->guides.size(); ++index) {
        auto *guide = new QLabel(m_range->guides.at(index), this);
        guide->setAlignment(Qt::AlignCenter);
        guide->hide();
        // Keeps the row's height while the guides come and go.
        QSizePolicy policy = guide->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        guide->setSizePolicy(policy);
        // The guides share one place under the slider; one shows at a time.
        layout->addWidget(guide, 1, kSliderColumn, Qt::AlignCenter);
        m_guides.append(guide);
    }
    // Resting on the slider only marks it; its guide shows while the user
    // moves it, and goes at release or when the pointer leaves.
    connect(m_slider, &MouseEventSlider::sliderTouchedDown, this,
            [this](MouseEventSlider *s) { m_currentMouseDownSlider = s; });
    connect(m_slider, &MouseEventSlider::sliderTouchedUp, this, [this] {
        m_currentMouseDownSlider = nullptr;
        showGuide(false);
    });
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
        showGuide(true);
        Q_EMIT chosen(this, value);
    });
}

QLabel *NativeEditorControlRow::keyedLabel(const QString &key)
{
    auto *label = new QLabel(this);
    m_keyedLabels.append({label, key});
    return label;
}

void NativeEditorControlRow::buildCombo(const QStringList &items)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_combo = new QComboBox(this);
    m_combo->addItems(items);
    layout->addWidget(m_combo);
    layout->addStretch();
    connect(m_combo, &QComboBox::activated, this,
            [this](int index) { Q_EMIT chosen(this, index); });
}

void NativeEditorControlRow::showGuide(bool moved)
{
    const auto index =
        m_range ? SliderSteps::guideIndex(*m_range, m_slider->value()) : std::nullopt;
    const bool touched = moved && m_currentMouseDownSlider == m_slider;
    for (int at = 0; at < m_guides.size(); ++at)
        m_guides.at(at)->setVisible(touched && index == at);
}

void NativeEditorControlRow::showControls(const EditorControls &controls)
{
    const std::optional<int> value = controls.value(editorControl());
    const bool enabled = controls.isEnabled(editorControl());
    for (int index = 0; index < m_radios.size(); ++index) {
        RadioButton *button = m_radios.at(index);
        button->setRadioEnabled(enabled);
        button->setIsSelected(button->isCheckBoxMode() ? value.value_or(0) != 0 : value == index);
    }
    if (m_slider) {
        const QSignalBlocker blocker(m_slider);
        m_slider->setEnabled(enabled);
        if (value)
            m_slider->setValue(*value);
    }
    if (m_combo) {
        m_combo->setEnabled(enabled);
        m_combo->setCurrentIndex(value.value_or(-1));
    }
}

void NativeEditorControlRow::setTitles(const QStringList &titleKeys)
{
    if (titleKeys.size() != m_radios.size())
        return;
    m_titleKeys = titleKeys;
    applyLanguageSettings();
}

void NativeEditorControlRow::applyLanguageSettings()
{
    const TorvaLanguages *languages = TorvaLanguages::SharedTorvaLanguages();
    for (int index = 0; index < m_radios.size() && index < m_titleKeys.size(); ++index)
        m_radios.at(index)->setText(languages->localized(m_titleKeys.at(index)));
    for (const auto &[label, key] : m_keyedLabels)
        label->setText(languages->localized(key));
}
