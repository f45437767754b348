#include "gui/settings_ui/P820SettingViewController.h"

#include "core/i18n/LanguageNames.h"
#include "core/i18n/TorvaLanguages.h"
#include "core/settings/P820SettingManager.h"
#include "core/settings_ui/CameraClockFile.h"
#include "core/settings_ui/EditorReset.h"
#include "core/settings_ui/EditorRules.h"
#include "core/settings_ui/ParkingModeChoice.h"
#include "core/settings_ui/PartitionRatios.h"
#include "core/settings_ui/TouchCalibrationRequest.h"
#include "gui/controls/BGColorView.h"
#include "gui/controls/TorvaCancelEventView.h"
#include "gui/settings_ui/DialogSkin.h"
#include "gui/settings_ui/MemoryCardFormatting.h"
#include "gui/settings_ui/NativeEditorControlRow.h"
#include "gui/settings_ui/PartitionBarsView.h"
#include "gui/settings_ui/SettingsAlert.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

using Layout = NativeEditorLayout;
using Kind = Layout::Kind;

namespace {

constexpr QSize kViewSize(760, 720);
const char *const kPageTitleKeys[] = {"공통", "상시모드", "주차모드", "부가기능"};
const QList<PartitionBarsView::Bar> kPartitionBars = {
    {QStringLiteral("상시녹화"), Qt::green},
    {QStringLiteral("상시충격"), Qt::yellow},
    {QStringLiteral("주차모션"), QColor(0xff, 0xa5, 0x00)},
    {QStringLiteral("주차충격"), Qt::red},
    {QStringLiteral("수동녹화"), Qt::blue},
};

NativeEditorMapping::Camera cameraOf(const P820SettingManager &manager)
{
    NativeEditorMapping::Camera camera{manager.modelType(), manager.firmwareVersionInt(), {}};
    for (const CameraLanguage &language : manager.languages())
        camera.languageTags.append(language.index);
    return camera;
}

QStringList languageTitles(const P820SettingManager &manager)
{
    QStringList titles;
    for (const CameraLanguage &language : manager.languages())
        titles.append(LanguageNames::languageTitleByExpandingCode(language.code));
    return titles;
}

} // namespace

P820SettingViewController::P820SettingViewController(std::shared_ptr<P820SettingManager> manager,
                                                     QWidget *parent)
    : TorvaViewController(parent), m_manager(std::move(manager)),
      m_session(m_manager->record(), cameraOf(*m_manager)), m_card(m_manager->settingDirPath())
{
    auto *view = new TorvaCancelEventView;
    view->setObjectName(QStringLiteral("nativeSettingView"));
    DialogSkin::paintEditor(view);
    auto *layout = new QVBoxLayout(view);
    auto *title = keyed(new QLabel(view), QStringLiteral("블랙박스 설정"));
    title->setObjectName(QStringLiteral("dialogTitle"));
    layout->addWidget(title);
    m_tabs = new QTabWidget(view);
    for (int page = 0; page < Layout::kPageCount; ++page) {
        m_tabs->addTab(buildPage(Layout::Page(page)), QString());
        const QString key = QString::fromUtf8(kPageTitleKeys[page]);
        onLanguage([this, page, key] { m_tabs->setTabText(page, localizedText(key)); });
    }
    layout->addWidget(m_tabs);
    layout->addWidget(buildButtonRow());
    resize(kViewSize);
    showControls();
    loadView(view);
}

QWidget *P820SettingViewController::buildPage(Layout::Page page)
{
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    for (const Layout::Section &section : m_session.sections()) {
        if (section.page == page)
            layout->addWidget(buildSection(section));
    }
    layout->addStretch();
    scroll->setWidget(content);
    return scroll;
}

QWidget *P820SettingViewController::buildSection(const Layout::Section &section)
{
    auto *box = new QWidget;
    box->setObjectName(section.id);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 8, 4, 4);
    layout->addWidget(keyed(new QLabel(box), section.titleKey));
    auto *line = new BGColorView(box);
    line->setColor(Qt::gray);
    line->setFixedHeight(1);
    layout->addWidget(line);
    const QStringList languages = languageTitles(*m_manager);
    for (const Layout::Control &control : section.controls) {
        if (control.kind == Kind::Date) {
            layout->addWidget(buildClockRow(control));
        } else if (control.kind == Kind::Button) {
            // The clock's button belongs to its row.
            const bool format = section.id == QLatin1String("memory_card_format");
            if (!format && section.id != QLatin1String("touch_calibration"))
                continue;
            auto *button = keyed(DialogSkin::button(box), control.choices.value(0));
            connect(button, &QPushButton::clicked, this,
                    format ? &P820SettingViewController::memoryCardFormatButtonTouched
                           : &P820SettingViewController::touchCalibrationButtonTouched);
            layout->addWidget(button, 0, Qt::AlignLeft);
        } else {
            auto *row = new NativeEditorControlRow(control, m_manager->modelType(), languages, box);
            connect(row, &NativeEditorControlRow::chosen, this,
                    &P820SettingViewController::controlChosen);
            m_rows.append(row);
            layout->addWidget(row);
        }
    }
    if (section.id == QLatin1String("memory_partition")) {
        m_partitionBars = new PartitionBarsView(kPartitionBars, box);
        layout->addWidget(m_partitionBars);
    }
    return box;
}

QWidget *P820SettingViewController::buildClockRow(const Layout::Control &date)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_clockCheckBox = keyed(new QCheckBox(row), date.titleKey);
    m_clockPicker = new QDateTimeEdit(row);
    m_clockPicker->setLocale(QLocale(QStringLiteral("en")));
    m_clockPicker->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const auto stored = CameraClockFile::read(m_manager->settingDirPath());
    m_clockCheckBox->setChecked(stored.has_value());
    m_clockPicker->setDateTime(stored.value_or(QDateTime::currentDateTime()));
    auto *now = keyed(DialogSkin::button(row), QStringLiteral("현재 시간 가져오기"));
    connect(now, &QPushButton::clicked, this,
            [this] { m_clockPicker->setDateTime(QDateTime::currentDateTime()); });
    // The check box switches the picker and its "current time" button together.
    for (QWidget *follower : {static_cast<QWidget *>(m_clockPicker), static_cast<QWidget *>(now)}) {
        follower->setEnabled(stored.has_value());
        connect(m_clockCheckBox, &QCheckBox::toggled, follower, &QWidget::setEnabled);
    }
    layout->addWidget(m_clockCheckBox);
    layout->addWidget(m_clockPicker);
    layout->addWidget(now);
    layout->addStretch();
    return row;
}

QWidget *P820SettingViewController::buildButtonRow()
{
    const EditorButtons buttons = editorButtons(
        {QStringLiteral("설정값 초기화"), QStringLiteral("확인"), QStringLiteral("취소")});
    m_resetButton = buttons.reset;
    m_okButton = buttons.ok;
    m_cancelButton = buttons.cancel;
    connect(m_resetButton, &QPushButton::clicked, this,
            &P820SettingViewController::resetButtonTouched);
    connect(m_okButton, &QPushButton::clicked, this, &P820SettingViewController::okButtonTouched);
    connect(m_cancelButton, &QPushButton::clicked, this,
            &P820SettingViewController::cancelButtonTouched);
    return buttons.row;
}

void P820SettingViewController::applyLanguageSettings()
{
    setWindowTitle(localizedText(QStringLiteral("블랙박스 설정")));
    applyKeyedTexts();
    for (NativeEditorControlRow *row : std::as_const(m_rows))
        row->applyLanguageSettings();
    if (NativeEditorControlRow *dateFormat = rowFor(EditorControl::VideoDateFormat))
        dateFormat->setTitles(NativeEditorLayout::videoDateFormatTitles(QDate::currentDate()));
    if (m_partitionBars)
        m_partitionBars->applyLanguageSettings();
}

NativeEditorControlRow *P820SettingViewController::rowFor(EditorControl control) const
{
    for (NativeEditorControlRow *row : m_rows) {
        if (row->editorControl() == control)
            return row;
    }
    return nullptr;
}

void P820SettingViewController::controlChosen(NativeEditorControlRow *row, int value)
{
    if (row->editorControl() == EditorControl::ParkingMode)
        parkingModeChosen(row, value);
    else
        m_session.set(row->control(), value);
    showControls();
}

void P820SettingViewController::parkingModeChosen(NativeEditorControlRow *row, int value)
{
    const EditorControls &controls = m_session.controls();
    if (!controls.isEnabled(EditorControl::ParkingMode) ||
        controls.value(EditorControl::ParkingMode) == value)
        return;
    const qint64 model = m_manager->modelType();
    const auto question = ParkingModeChoice::questionKey(model, value);
    if (!question) {
        m_session.set(row->control(), value);
    } else if (SettingsAlert::show(this, ParkingModeChoice::titleKey(), *question, {}, true)) {
        m_session.set(row->control(), value);
        m_manager->setParking_mode_set(ParkingModeChoice::accepted(model, value).parkingModeSet);
    } else {
        m_session.set(row->control(),
                      ParkingModeChoice::rowForStored(model, m_manager->parking_mode_set()));
    }
}

void P820SettingViewController::showControls()
{
    const EditorControls &controls = m_session.controls();
    for (NativeEditorControlRow *row : std::as_const(m_rows))
        row->showControls(controls);
    if (NativeEditorControlRow *speed = rowFor(EditorControl::LdwsSpeed)) {
        const QStringList titles = EditorRules::ldwsSpeedTitles(m_manager->modelType(), controls);
        if (!titles.isEmpty())
            speed->setTitles(titles);
    }
    if (m_partitionBars) {
        const PartitionRatios::Ratios ratios = PartitionRatios::forModel(
            m_manager->modelType(), controls.value(EditorControl::Partition).value_or(0));
        m_partitionBars->showShares(QList<double>(ratios.cbegin(), ratios.cend()), 1);
    }
}

void P820SettingViewController::okButtonTouched()
{
    m_session.save(m_manager->record());
    if (!isOnItsCard() || !m_manager->saveData()) {
        SettingsAlert::showMemoryCardAlert(this);
        return;
    }
    if (m_clockCheckBox) {
        const QString root = m_manager->settingDirPath();
        if (m_clockCheckBox->isChecked())
            CameraClockFile::write(root, m_clockPicker->dateTime());
        else
            CameraClockFile::remove(root);
    }
    endModal(1);
}

void P820SettingViewController::cancelButtonTouched()
{
    endModal(0);
}

void P820SettingViewController::resetButtonTouched()
{
    m_manager = EditorReset::reset(m_manager);
    m_session.applyRecord(m_manager->record());
    showControls();
}

void P820SettingViewController::touchCalibrationButtonTouched()
{
    if (!SettingsAlert::show(
            this, {}, QStringLiteral("초기화하기"),
            QStringLiteral(
                "주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.\r\n초기화하려면 "
                "(예)를, 취소하려면 (아니오)를 선택 하십시오."),
            true))
        return;
    // A card that cannot take the request file says so instead.
    const bool written = isOnItsCard() && TouchCalibrationRequest::write(m_card.folder()).ok();
    QTimer::singleShot(0, this, [this, written] {
        if (written)
            SettingsAlert::show(this, {}, QStringLiteral("초기화하기"),
                                QStringLiteral("화면 터치 정확도 초기화가 완료되었습니다."), false);
        else
            SettingsAlert::showMemoryCardAlert(this);
    });
}

bool P820SettingViewController::isOnItsCard() const
{
    return m_card.isMounted() && m_manager->settingDirPath() == m_card.folder();
}

void P820SettingViewController::memoryCardFormatButtonTouched()
{
    if (!m_formatting)
        m_formatting = new MemoryCardFormatting(this, m_manager->settingDirPath(),
                                                m_refreshVideoFileList, this);
    m_formatting->memoryCardFormatButtonTouched();
}
