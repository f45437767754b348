#include "cli/CompactSettingsMenuCommand.h"

#include "cli/CardCli.h"
#include "cli/CliOutput.h"
#include "cli/CompactSettingsCommand.h"
#include "cli/SettingsCommand.h"

#include "core/settings/QMVSettingManager.h"
#include "core/settings_ui/CompactEditorLayout.h"
#include "core/settings_ui/CompactEditorSession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using Layout = CompactEditorLayout;
using Kind = Layout::Kind;
using Outcome = CompactEditorSession::Outcome;

// What the control's choices say, in English; combo items and slider
// positions as they stand.
QStringList choiceTexts(const Layout::Control &control)
{
    if (control.kind == Kind::Combo || control.kind == Kind::Slider)
        return control.choices;
    QStringList texts;
    for (const QString &key : control.choices)
        texts.append(CardCli::english(key));
    return texts;
}

QJsonValue valueJson(const CompactEditorSession &session, const Layout::Control &control)
{
    if (control.kind == Kind::Text) {
        const std::optional<QString> text = session.text(control.control);
        return text ? QJsonValue(*text) : QJsonValue();
    }
    const std::optional<int> value = session.value(control.control);
    return value ? QJsonValue(*value) : QJsonValue();
}

QJsonObject controlJson(const CompactEditorSession &session, const Layout::Control &control)
{
    return {
        {QStringLiteral("field"),
         control.key.isEmpty() ? QJsonValue() : QJsonValue(Layout::fieldName(control))},
        {QStringLiteral("kind"), Layout::kindName(control.kind)},
        {QStringLiteral("choices"), QJsonArray::fromStringList(choiceTexts(control))},
        {QStringLiteral("value"), valueJson(session, control)},
        {QStringLiteral("enabled"), session.isEnabled(control.control)},
    };
}

QByteArray menuJson(const CompactEditorSession &session)
{
    QJsonArray sections;
    for (const Layout::Section &section : Layout::sections()) {
        QJsonArray controls;
        for (const Layout::Control &control : section.controls)
            controls.append(controlJson(session, control));
        QJsonObject json{{QStringLiteral("id"), section.id},
                         {QStringLiteral("title"), CardCli::english(section.titleKey)},
                         {QStringLiteral("controls"), controls}};
        if (section.controls.constFirst().control == CompactControl::Partition) {
            QJsonArray ratios;
            for (const int percent : session.partitionValues())
                ratios.append(percent);
            json.insert(QStringLiteral("ratios"), ratios);
        }
        sections.append(json);
    }
    const QJsonObject menu{
        {QStringLiteral("modelType"), qint64(QMVSettingManager::kCompactModelType)},
        {QStringLiteral("editor"), QStringLiteral("compact")},
        {QStringLiteral("pages"), QJsonObject{{QStringLiteral("settings"), sections}}}};
    return QJsonDocument(menu).toJson(QJsonDocument::Indented);
}

// "Off (On | Off)", "3 (1 | 3 | 5)", "(UTC) Greenwich", "Model V120"; a
// control another one switches off says so.
QString controlText(const CompactEditorSession &session, const Layout::Control &control)
{
    const QStringList choices = choiceTexts(control);
    const std::optional<int> value = session.value(control.control);
    const QString laidOut = QStringLiteral("as laid out");
    QString text;
    switch (control.kind) {
    case Kind::Date:
        text = QStringLiteral("date");
        break;
    case Kind::Button:
        text = QStringLiteral("[%1]").arg(choices.value(0));
        break;
    case Kind::Text:
        text =
            choices.value(0) + QLatin1Char(' ') + session.text(control.control).value_or(laidOut);
        break;
    case Kind::Check:
        text = value == 1 ? QStringLiteral("on") : QStringLiteral("off");
        break;
    case Kind::Radio:
    case Kind::Slider:
    case Kind::Combo: {
        const qsizetype index = value ? control.values.indexOf(*value) : -1;
        text = index >= 0 ? choices.at(index) : laidOut;
        if (control.kind != Kind::Combo)
            text += QStringLiteral(" (%1)").arg(choices.join(QStringLiteral(" | ")));
        break;
    }
    }
    return session.isEnabled(control.control) ? text : text + QStringLiteral(" [switched off]");
}

QByteArray menuText(const CompactEditorSession &session)
{
    QString text = CardCli::english(Layout::dialogTitleKey()) + QLatin1Char('\n');
    for (const Layout::Section &section : Layout::sections()) {
        QStringList controls;
        for (const Layout::Control &control : section.controls)
            controls.append(controlText(session, control));
        if (section.controls.constFirst().control == CompactControl::Partition) {
            const QList<Layout::PartitionShare> &shares = Layout::partitionShares();
            for (qsizetype i = 0; i < shares.size(); ++i)
                controls.append(QStringLiteral("%1 %2%")
                                    .arg(CardCli::english(shares.at(i).barTitleKey))
                                    .arg(session.partitionValues().at(i)));
        }
        text += QStringLiteral("  %1: %2\n")
                    .arg(CardCli::english(section.titleKey), controls.join(QStringLiteral(", ")));
    }
    return text.toUtf8();
}

// "1, 3 or 5".
QString oneOf(QStringList texts)
{
    if (texts.isEmpty())
        return {};
    const QString last = texts.takeLast();
    return texts.isEmpty() ? last
                           : texts.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

// "takes 0 to 3", "takes 1, 3 or 5".
QString takes(const QList<int> &values)
{
    if (values.isEmpty())
        return QStringLiteral("is shown only");
    QStringList numbers;
    for (const int value : values)
        numbers.append(QString::number(value));
    if (values.constLast() - values.constFirst() == values.size() - 1)
        return QStringLiteral("takes %1 to %2").arg(numbers.constFirst(), numbers.constLast());
    return QStringLiteral("takes ") + oneOf(numbers);
}

// "language=", or the partition's "const=, event=, park= or manual=".
QString linesOf(const Layout::Control &control)
{
    if (!control.key.isEmpty())
        return control.key;
    QStringList keys;
    for (const Layout::PartitionShare &share : Layout::partitionShares())
        keys.append(share.key);
    return oneOf(keys);
}

// Why name does not name a control: a section of several is named by its
// controls' fields.
QString noControl(const QString &name)
{
    for (const Layout::Section &section : Layout::sections()) {
        if (section.id != name)
            continue;
        QStringList fields;
        for (const Layout::Control &control : section.controls) {
            if (!control.key.isEmpty())
                fields.append(Layout::fieldName(control));
        }
        return QStringLiteral("%1 has several controls: name %2").arg(name, oneOf(fields));
    }
    return QStringLiteral("this camera's editor has no control \"%1\"").arg(name);
}

// Sets one control as the user would; why it cannot be set, or nothing.
QString chooseOne(CompactEditorSession &session, const QString &assignment)
{
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    bool isNumber = false;
    const int value = assignment.mid(equals + 1).toInt(&isNumber, 10);
    if (equals < 1 || !isNumber)
        return QStringLiteral("\"%1\": NAME=NUMBER expected").arg(assignment);
    const QString name = assignment.left(equals);
    const Layout::Control *control = Layout::controlNamed(name);
    if (!control)
        return noControl(name);
    // A combo box would take an index it does not list as no selection;
    // from the command line that is a mistake.
    const Outcome outcome = control->values.contains(value) ? session.set(control->control, value)
                                                            : Outcome::NotAChoice;
    switch (outcome) {
    case Outcome::Written:
        return {};
    case Outcome::NoLine:
        return QStringLiteral("%1: the settings file has no %2 line").arg(name, linesOf(*control));
    case Outcome::SwitchedOff:
        return name + QStringLiteral(" is switched off by another setting");
    case Outcome::NotAChoice:
    case Outcome::NotWritten:
        break;
    }
    return name + QLatin1Char(' ') + takes(control->values);
}

} // namespace

int CompactSettingsMenuCommand::menu(const QString &root, bool json, CliOutput &output)
{
    QMVSettingManager manager;
    if (!CompactSettingsCommand::loadCardLines(manager, root, output))
        return CliOutput::kInputError;
    const CompactEditorSession session(manager);
    output.write(json ? menuJson(session) : menuText(session));
    return CliOutput::kOk;
}

int CompactSettingsMenuCommand::choose(const QString &root, const QStringList &assignments,
                                       const std::optional<QDateTime> &clock, CliOutput &output)
{
    QMVSettingManager manager;
    if (!CompactSettingsCommand::loadCardLines(manager, root, output))
        return CliOutput::kInputError;
    CompactEditorSession session(manager);
    // Every assignment is checked before anything is written.
    for (const QString &assignment : assignments) {
        if (const QString problem = chooseOne(session, assignment); !problem.isEmpty()) {
            output.error(problem);
            return CliOutput::kInputError;
        }
    }
    const bool setsClock = session.value(CompactControl::DateTimeSet) == 1;
    if (setsClock && !clock)
        return output.usageError(QStringLiteral("set=1 needs the clock: --now or --date"),
                                 QString::fromLatin1(SettingsCommand::usage()));
    if (!setsClock && clock)
        return output.usageError(QStringLiteral("--now and --date go with set=1"),
                                 QString::fromLatin1(SettingsCommand::usage()));
    session.ok(clock.value_or(QDateTime()));
    return CompactSettingsCommand::save(manager, root, output);
}
