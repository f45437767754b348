#include "cli/SettingsMenuCommand.h"

#include "cli/CardCli.h"
#include "cli/CliOutput.h"

#include "core/i18n/LanguageNames.h"
#include "core/settings/P820SettingManager.h"
#include "core/settings_ui/CameraClockFile.h"
#include "core/settings_ui/EditorRules.h"
#include "core/settings_ui/NativeEditorSession.h"
#include "core/settings_ui/PartitionRatios.h"
#include "core/settings_ui/SliderSteps.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

using Kind = NativeEditorLayout::Kind;
using Layout = NativeEditorLayout;

NativeEditorSession openSession(const P820SettingManager &manager)
{
    NativeEditorMapping::Camera camera{manager.modelType(), manager.firmwareVersionInt(), {}};
    for (const CameraLanguage &language : manager.languages())
        camera.languageTags.append(language.index);
    return NativeEditorSession(manager.record(), camera);
}

// What the control's choices say, in English.
QStringList choiceTexts(const NativeEditorSession &session, const Layout::Control &control,
                        const P820SettingManager &manager)
{
    if (control.kind == Kind::Popup) {
        QStringList names;
        for (const CameraLanguage &language : manager.languages())
            names.append(LanguageNames::languageTitleByExpandingCode(language.code));
        return names;
    }
    if (control.control == EditorControl::LdwsSpeed)
        return EditorRules::ldwsSpeedTitles(session.camera().modelType, session.controls());
    if (control.kind == Kind::Slider || control.kind == Kind::Combo)
        return control.choices;
    QStringList texts;
    for (const QString &key : control.choices)
        texts.append(CardCli::english(key));
    return texts;
}

std::optional<int> valueOf(const NativeEditorSession &session, const Layout::Control &control)
{
    return control.control ? session.controls().value(*control.control) : std::nullopt;
}

QJsonObject controlJson(const NativeEditorSession &session, const Layout::Control &control,
                        const P820SettingManager &manager)
{
    const auto field = control.control ? session.fieldOf(*control.control) : std::nullopt;
    const auto value = valueOf(session, control);
    return {
        {QStringLiteral("field"),
         field ? QJsonValue(QString::fromLatin1(SettingRecordLayout::format(*field).name))
               : QJsonValue()},
        {QStringLiteral("kind"), Layout::kindName(control.kind)},
        {QStringLiteral("choices"),
         QJsonArray::fromStringList(choiceTexts(session, control, manager))},
        {QStringLiteral("value"), value ? QJsonValue(*value) : QJsonValue()},
        {QStringLiteral("enabled"),
         !control.control || session.controls().isEnabled(*control.control)},
    };
}

QByteArray menuJson(const NativeEditorSession &session, const P820SettingManager &manager)
{
    QJsonObject pages;
    for (const Layout::Section &section : session.sections()) {
        QJsonArray controls;
        for (const Layout::Control &control : section.controls)
            controls.append(controlJson(session, control, manager));
        QJsonObject json{{QStringLiteral("id"), section.id},
                         {QStringLiteral("title"), CardCli::english(section.titleKey)},
                         {QStringLiteral("controls"), controls}};
        if (section.id == QLatin1String("memory_partition")) {
            QJsonArray ratios;
            const auto column = session.controls().value(EditorControl::Partition).value_or(0);
            for (const double ratio : PartitionRatios::forModel(manager.modelType(), column))
                ratios.append(ratio);
            json.insert(QStringLiteral("ratios"), ratios);
        }
        const QString page = Layout::pageId(section.page);
        QJsonArray list = pages.value(page).toArray();
        list.append(json);
        pages.insert(page, list);
    }
    const QJsonObject menu{{QStringLiteral("modelType"), manager.modelType()},
                           {QStringLiteral("editor"), QStringLiteral("native")},
                           {QStringLiteral("pages"), pages}};
    return QJsonDocument(menu).toJson(QJsonDocument::Indented);
}

// "Time-lapse (Parking Motion | Time-lapse | Off)", or for a check box
// "Driving Impact: on".
QString controlText(const NativeEditorSession &session, const Layout::Control &control,
                    const P820SettingManager &manager)
{
    const QStringList choices = choiceTexts(session, control, manager);
    const auto value = valueOf(session, control);
    switch (control.kind) {
    case Kind::Date:
        return QStringLiteral("date");
    case Kind::Button:
        return QStringLiteral("[%1]").arg(choices.value(0));
    case Kind::Check:
        return QStringLiteral("%1 %2").arg(choices.value(0), value == 1 ? QStringLiteral("on")
                                                                        : QStringLiteral("off"));
    default:
        break;
    }
    int index = value.value_or(-1);
    if (control.kind == Kind::Slider) {
        const auto range = SliderSteps::forSlider(*control.control, manager.modelType());
        const auto guide = value && range ? SliderSteps::guideIndex(*range, *value) : std::nullopt;
        index = guide.value_or(-1);
    }
    QString chosen = index >= 0 && index < choices.size()
                         ? choices.at(index)
                         : (value ? QString::number(*value) : QStringLiteral("as laid out"));
    if (control.kind == Kind::Combo)
        return chosen;
    return QStringLiteral("%1 (%2)").arg(chosen, choices.join(QStringLiteral(" | ")));
}

QByteArray menuText(const NativeEditorSession &session, const P820SettingManager &manager)
{
    static const char *const kPageTitles[] = {"공통", "상시모드", "주차모드", "부가기능"};
    QString text;
    std::optional<Layout::Page> page;
    for (const Layout::Section &section : session.sections()) {
        if (section.page != page) {
            page = section.page;
            text += CardCli::english(QString::fromUtf8(kPageTitles[int(section.page)])) +
                    QLatin1Char('\n');
        }
        QStringList controls;
        for (const Layout::Control &control : section.controls)
            controls.append(controlText(session, control, manager));
        text += QStringLiteral("  %1: %2\n")
                    .arg(CardCli::english(section.titleKey), controls.join(QStringLiteral(", ")));
    }
    return text.toUtf8();
}

} // namespace

int SettingsMenuCommand::menu(P820SettingManager &manager, bool json, CliOutput &output)
{
    if (!CardCli::readRecord(manager, output, CardCli::MissingRecord::TakesDefaults))
        return CliOutput::kInputError;
    const NativeEditorSession session = openSession(manager);
    output.write(json ? menuJson(session, manager) : menuText(session, manager));
    return CliOutput::kOk;
}

int SettingsMenuCommand::choose(P820SettingManager &manager, const QStringList &assignments,
                                CliOutput &output)
{
    if (!CardCli::readRecord(manager, output, CardCli::MissingRecord::TakesDefaults))
        return CliOutput::kInputError;
    NativeEditorSession session = openSession(manager);
    // Every assignment is checked before anything is written.
    for (const QString &assignment : assignments) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        bool isNumber = false;
        const int value = assignment.mid(equals + 1).toInt(&isNumber, 10);
        QString problem = equals < 1 || !isNumber
                              ? QStringLiteral("\"%1\": NAME=NUMBER expected").arg(assignment)
                              : session.choose(assignment.left(equals), value);
        if (!problem.isEmpty()) {
            output.error(problem);
            return CliOutput::kInputError;
        }
    }
    session.save(manager.record());
    const int written = CardCli::saveRecord(manager, output);
    if (written != CliOutput::kOk)
        return written;
    // OK also keeps the camera clock file as its section shows it: a file
    // that does not read as a time is removed.
    const QString root = manager.settingDirPath();
    const bool clockShown =
        std::any_of(session.sections().cbegin(), session.sections().cend(),
                    [](const Layout::Section &s) { return s.id == QLatin1String("camera_clock"); });
    if (clockShown && !CameraClockFile::read(root))
        CameraClockFile::remove(root);
    return CliOutput::kOk;
}
