#include "gui/settings_ui/QMVSettingViewController.h"

#include "core/settings/QMVSettingManager.h"
#include "gui/controls/BGColorView.h"
#include "gui/controls/TorvaCancelEventView.h"
#include "gui/settings_ui/DialogSkin.h"
#include "gui/settings_ui/MouseEventSlider.h"
#include "gui/settings_ui/PartitionBarsView.h"
#include "gui/settings_ui/RadioButton.h"
#include "gui/settings_ui/SettingsAlert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

using Layout = CompactEditorLayout;
using Kind = Layout::Kind;
using C = CompactControl;

namespace {

// The sections are laid out for this width; titles and split lines share it.
constexpr int kSectionWidth = 548;
constexpr int kTitleHeight = 22;
// Continuous green, event yellow, parking orange, manual red.
const QColor kBarColors[] = {Qt::green, Qt::yellow, QColor(0xff, 0xa5, 0x00), Qt::red};

// Radio groups are numbered program-wide; this dialog's take numbers of their own.
qint32 nextRadioGroupID()
{
    static qint32 next = 600000;
    return ++next;
}

QList<PartitionBarsView::Bar> partitionBarKinds()
{
    QList<PartitionBarsView::Bar> bars;
    for (const Layout::PartitionShare &share : Layout::partitionShares())
        bars.append({share.barTitleKey, kBarColors[bars.size()]});
    return bars;
}

QHBoxLayout *rowLayout(QWidget *row)
{
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

} // namespace

QMVSettingViewController::QMVSettingViewController(QMVSettingManager &manager,
                                                   const QString &cardRoot, qint64 modelType,
                                                   QWidget *parent)
    : TorvaViewController(parent), m_manager(manager), m_card(cardRoot), m_modelType(modelType),
      m_session(manager)
{
    auto *view = new TorvaCancelEventView;
    view->setObjectName(QStringLiteral("compactSettingView"));
    DialogSkin::paintEditor(view);
    auto *layout = new QVBoxLayout(view);
    auto *title = keyed(new QLabel(view), Layout::dialogTitleKey());
    title->setObjectName(QStringLiteral("dialogTitle"));
    layout->addWidget(title);

    auto *content = new QWidget;
    auto *sections = new QVBoxLayout(content);
    sections->setContentsMargins(16, 8, 16, 16);
    for (const Layout::Section &section : Layout::sections())
        sections->addWidget(buildSection(section));
    sections->addStretch();
    m_scrollArea = new QScrollArea(view);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setWidget(content);
    m_scrollArea->setMinimumWidth(kSectionWidth + 32 +
                                  m_scrollArea->verticalScrollBar()->sizeHint().width() + 4);
    layout->addWidget(m_scrollArea);
    layout->addWidget(buildButtonRow());
    resize(m_scrollArea->minimumWidth() + 24, 680);
    applySettingData();
    loadView(view);
}

QWidget *QMVSettingViewController::buildSection(const Layout::Section &section)
{
    auto *box = new QWidget;
    box->setObjectName(section.id);
    box->setFixedWidth(kSectionWidth);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 6, 0, 6);
    auto *header = new QWidget(box);
    header->setFixedSize(kSectionWidth, kTitleHeight);
    auto *title = keyed(new QLabel(header), section.titleKey);
    auto *line = new BGColorView(header);
    line->setColor(QColor(0xc8, 0xcd, 0xd3));
    m_splitTitles.append({title, line});
    layout->addWidget(header);
    for (const Layout::Control &control : section.controls) {
        // The check box, date picker and current-time button share one row.
        if (control.kind == Kind::Date || control.kind == Kind::Button)
            continue;
        layout->addWidget(control.kind == Kind::Check ? buildDateTime(box)
                                                      : buildControl(control, box));
    }
    if (section.controls.constFirst().control == C::Partition) {
        m_partitionBars = new PartitionBarsView(partitionBarKinds(), box);
        m_partitionBars->setFixedWidth(kSectionWidth);
        layout->addWidget(m_partitionBars);
    }
    return box;
}

QWidget *QMVSettingViewController::buildControl(const Layout::Control &control, QWidget *parent)
{
    switch (control.kind) {
    case Kind::Radio:
        return buildRadios(control, parent);
    case Kind::Slider:
        return buildSlider(control, parent);
    case Kind::Combo: {
        m_timeZoneComboBox = new QComboBox(parent);
        m_timeZoneComboBox->addItems(control.choices);
        connect(m_timeZoneComboBox, &QComboBox::activated, this,
                [this, which = control.control](int index) { controlTouched(which, index); });
        return m_timeZoneComboBox;
    }
    case Kind::Text: {
        auto *row = new QWidget(parent);
        QHBoxLayout *layout = rowLayout(row);
        auto *name = keyed(new QLabel(row), control.choices.value(0));
        name->setMinimumWidth(120);
        auto *value = new QLabel(row);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_textLabels.insert(control.control, value);
        layout->addWidget(name);
        layout->addWidget(value, 1);
        return row;
    }
    case Kind::Check:
    case Kind::Date:
    case Kind::Button:
        break;
    }
    return new QWidget(parent);
}

QWidget *QMVSettingViewController::buildRadios(const Layout::Control &control, QWidget *parent)
{
    auto *group = new QWidget(parent);
    // Two choices stand in rows (the first one "on"), more in columns.
    const bool rows = control.choices.size() == 2;
    QBoxLayout *layout = rows ? static_cast<QBoxLayout *>(new QVBoxLayout(group))
                              : static_cast<QBoxLayout *>(new QHBoxLayout(group));
    layout->setContentsMargins(0, 0, 0, 0);
    // A label before the group, or one beside each row.
    const bool describesRows = rows && control.labelKeys.size() == 2;
    if (!describesRows && !control.labelKeys.isEmpty())
        layout->addWidget(keyed(new QLabel(group), control.labelKeys.constFirst()));
    const qint32 groupID = nextRadioGroupID();
    for (int index = 0; index < control.choices.size(); ++index) {
        auto *button = keyed(new RadioButton(QString(), group), control.choices.at(index));
        button->setRadioGroupID(groupID);
        connect(button, &RadioButton::touched, this,
                [this, which = control.control, value = control.values.at(index)] {
                    controlTouched(which, value);
                });
        m_radios[control.control].append(button);
        if (!describesRows) {
            layout->addWidget(button);
            continue;
        }
        auto *row = new QWidget(group);
        QHBoxLayout *rowItems = rowLayout(row);
        rowItems->addWidget(button);
        auto *description = keyed(new QLabel(row), control.labelKeys.at(index));
        description->setWordWrap(true);
        rowItems->addWidget(description, 1);
        layout->addWidget(row);
    }
    layout->addStretch();
    return group;
}

QWidget *QMVSettingViewController::buildSlider(const Layout::Control &control, QWidget *parent)
{
    auto *row = new QWidget(parent);
    QHBoxLayout *layout = rowLayout(row);
    auto *slider = new MouseEventSlider(Qt::Horizontal, row);
    // One position per value the camera reads back.
    slider->setRange(0, int(control.values.size()) - 1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->installEventFilter(this);
    m_sliders.insert(control.control, slider);
    connect(slider, &QSlider::valueChanged, this,
            [this, which = control.control, slider](int position) {
                sliderChanged(which, slider, position);
            });
    connect(slider, &MouseEventSlider::sliderTouchedUp, this,
            [this] { m_currentMouseDownSlider = nullptr; });
    if (control.labelKeys.size() == 2)
        layout->addWidget(keyed(new QLabel(row), control.labelKeys.at(0)));
    layout->addWidget(slider, 1);
    if (control.labelKeys.size() == 2)
        layout->addWidget(keyed(new QLabel(row), control.labelKeys.at(1)));
    return row;
}

QWidget *QMVSettingViewController::buildDateTime(QWidget *parent)
{
    auto *row = new QWidget(parent);
    QHBoxLayout *layout = rowLayout(row);
    m_dateTimeCheckBox = new QCheckBox(row);
    connect(m_dateTimeCheckBox, &QCheckBox::clicked, this,
            [this](bool checked) { controlTouched(C::DateTimeSet, checked ? 1 : 0); });
    m_datePicker = new QDateTimeEdit(QDateTime::currentDateTime(), row);
    m_datePicker->setLocale(QLocale(QStringLiteral("en")));
    m_datePicker->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    m_currentTimeButton =
        keyed(DialogSkin::button(row), Layout::control(C::CurrentTime).choices.value(0));
    connect(m_currentTimeButton, &QPushButton::clicked, this,
            &QMVSettingViewController::dateTimeCurrentTimeButtonTouched);
    layout->addWidget(m_dateTimeCheckBox);
    layout->addWidget(m_datePicker);
    layout->addWidget(m_currentTimeButton);
    layout->addStretch();
    return row;
}

QWidget *QMVSettingViewController::buildButtonRow()
{
    const EditorButtons buttons = editorButtons(Layout::buttonTitleKeys());
    m_resetButton = buttons.reset;
    m_okButton = buttons.ok;
    m_cancelButton = buttons.cancel;
    connect(m_resetButton, &QPushButton::clicked, this,
            &QMVSettingViewController::resetButtonTouched);
    connect(m_okButton, &QPushButton::clicked, this, &QMVSettingViewController::okButtonTouched);
    connect(m_cancelButton, &QPushButton::clicked, this,
            &QMVSettingViewController::cancelButtonTouched);
    return buttons.row;
}

void QMVSettingViewController::reSizeSplitLine(BGColorView *line, QLabel *textField)
{
    const int width = textField->fontMetrics().horizontalAdvance(textField->text());
    textField->setGeometry(0, 0, width + 3, kTitleHeight);
    line->setGeometry(10 + width, kTitleHeight / 2, kSectionWidth - width - 10, 1);
}

void QMVSettingViewController::applyLanguageSettings()
{
    setWindowTitle(localizedText(Layout::dialogTitleKey()));
    applyKeyedTexts();
    for (const SplitTitle &split : std::as_const(m_splitTitles))
        reSizeSplitLine(split.line, split.title);
    if (m_partitionBars)
        m_partitionBars->applyLanguageSettings();
}

bool QMVSettingViewController::eventFilter(QObject *watched, QEvent *event)
{
    // The press comes before the move it starts; the slider's own release
    // (sliderTouchedUp) ends it.
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto *slider = qobject_cast<MouseEventSlider *>(watched))
            m_currentMouseDownSlider = slider;
    }
    return TorvaViewController::eventFilter(watched, event);
}

void QMVSettingViewController::controlTouched(CompactControl control, int value)
{
    m_session.set(control, value);
    applySettingData();
}

void QMVSettingViewController::sliderChanged(CompactControl control, MouseEventSlider *slider,
                                             int position)
{
    const auto move = slider == m_currentMouseDownSlider
                          ? CompactEditorSession::SliderMove::MousePressed
                          : CompactEditorSession::SliderMove::Other;
    m_session.set(control, Layout::control(control).values.value(position), move);
    // A move that wrote nothing goes back to what the file will say.
    applySettingData();
}

void QMVSettingViewController::applySettingData()
{
    for (auto it = m_radios.cbegin(); it != m_radios.cend(); ++it) {
        const std::optional<int> value = m_session.value(it.key());
        const QList<int> &values = Layout::control(it.key()).values;
        for (int index = 0; index < it->size(); ++index) {
            RadioButton *button = it->at(index);
            button->setRadioEnabled(m_session.isEnabled(it.key()));
            button->setIsSelected(value == values.at(index));
        }
    }
    for (auto it = m_sliders.cbegin(); it != m_sliders.cend(); ++it) {
        const QSignalBlocker blocker(*it);
        (*it)->setEnabled(m_session.isEnabled(it.key()));
        if (const std::optional<int> value = m_session.value(it.key()))
            (*it)->setValue(int(Layout::control(it.key()).values.indexOf(*value)));
    }
    for (auto it = m_textLabels.cbegin(); it != m_textLabels.cend(); ++it)
        (*it)->setText(m_session.text(it.key()).value_or(QString()));
    if (m_timeZoneComboBox)
        m_timeZoneComboBox->setCurrentIndex(m_session.value(C::TimeZone).value_or(-1));
    if (m_dateTimeCheckBox) {
        m_dateTimeCheckBox->setChecked(m_session.value(C::DateTimeSet) == 1);
        m_datePicker->setEnabled(m_session.isEnabled(C::DatePicker));
        m_currentTimeButton->setEnabled(m_session.isEnabled(C::CurrentTime));
    }
    if (m_partitionBars) {
        QList<double> shares;
        for (const int value : m_session.partitionValues())
            shares.append(value);
        m_partitionBars->showShares(shares, 0);
    }
}

void QMVSettingViewController::okButtonTouched()
{
    m_session.ok(m_datePicker->dateTime());
    if (!m_card.isMounted() ||
        m_manager.saveData(m_card.folder()) != QMVSettingManager::SaveResult::Saved) {
        SettingsAlert::showMemoryCardAlert(this);
        return;
    }
    endModal(1);
}

void QMVSettingViewController::cancelButtonTouched()
{
    endModal(0);
}

void QMVSettingViewController::resetButtonTouched()
{
    m_session.reset(m_modelType);
    applySettingData();
}

void QMVSettingViewController::dateTimeCurrentTimeButtonTouched()
{
    m_datePicker->setDateTime(QDateTime::currentDateTime());
}

QList<RadioButton *> QMVSettingViewController::radioButtons(CompactControl control) const
{
    return m_radios.value(control);
}

MouseEventSlider *QMVSettingViewController::slider(CompactControl control) const
{
    return m_sliders.value(control);
}
