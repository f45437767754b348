#include "cli/SettingsCommand.h"

#include "cli/CardCli.h"
#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"
#include "cli/CompactSettingsCommand.h"
#include "cli/CompactSettingsMenuCommand.h"
#include "cli/OrderedJsonObject.h"
#include "cli/SettingsMenuCommand.h"

#include "core/settings/CameraModelTable.h"
#include "core/settings/P820SettingManager.h"

#include <QDateTime>
#include <QFileInfo>

#include <limits>
#include <memory>

namespace {

struct Options
{
    QString action;
    QString root;
    std::optional<qint64> modelType;
    std::optional<qint64> localID;
    QStringList assignments;
    bool json = false;
    // The camera clock that choose set=1 writes for the compact model.
    std::optional<QDateTime> clock;
};

QString unexpected(const QString &argument)
{
    return QStringLiteral("unexpected argument \"%1\"").arg(argument);
}

// "2024-03-07 09:05:00" as the camera's wall clock: the fields are written
// as given, with no time zone to shift them.
std::optional<QDateTime> clockAt(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 2)
        return std::nullopt;
    const QDate day = QDate::fromString(parts[0], QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(parts[1], QStringLiteral("HH:mm:ss"));
    if (!day.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(day, time, Qt::UTC);
}

// Fills options from "ACTION ROOT ..."; returns why the arguments are wrong,
// or nothing.
QString parseArguments(const QStringList &args, Options &options)
{
    const QString model = QStringLiteral("--model");
    const QString localID = QStringLiteral("--local-id");
    const QString now = QStringLiteral("--now");
    const QString date = QStringLiteral("--date");
    const CommandArguments parsed = CommandArguments::parse(
        args,
        {{QStringLiteral("--json"), now}, {model, localID, date}, QStringLiteral("argument"), -1});
    if (!parsed.error().isEmpty())
        return parsed.error();
    const QStringList &positionals = parsed.positionals();
    if (positionals.size() < 2)
        return QStringLiteral("an action and a card folder are needed");
    options.action = positionals[0];
    options.root = positionals[1];
    options.assignments = positionals.mid(2);
    const bool isDefaults = options.action == QLatin1String("defaults");
    const bool takesAssignments =
        options.action == QLatin1String("set") || options.action == QLatin1String("choose");
    if (!takesAssignments && !options.assignments.isEmpty())
        return unexpected(options.assignments.constFirst());
    options.json = parsed.isSet(QStringLiteral("--json"));
    if (options.json && options.action != QLatin1String("menu"))
        return unexpected(QStringLiteral("--json"));
    if (const auto value = parsed.value(model)) {
        if (!isDefaults && options.action != QLatin1String("show"))
            return unexpected(model);
        options.modelType = CardCli::parseModelType(*value);
        if (!options.modelType)
            return QStringLiteral("unknown model \"%1\"").arg(*value);
    }
    if (const auto value = parsed.value(localID)) {
        if (!isDefaults)
            return unexpected(localID);
        bool ok = false;
        options.localID = value->toLongLong(&ok, 10);
        if (!ok || *options.localID < -1 || *options.localID > 6)
            return QStringLiteral("--local-id takes -1 to 6");
    }
    const std::optional<QString> dateText = parsed.value(date);
    if (parsed.isSet(now) || dateText) {
        if (options.action != QLatin1String("choose"))
            return unexpected(dateText ? date : now);
        if (parsed.isSet(now) && dateText)
            return QStringLiteral("--now or --date, not both");
        options.clock = dateText ? clockAt(*dateText) : QDateTime::currentDateTime();
        if (!options.clock)
            return QStringLiteral("--date takes \"YYYY-MM-DD HH:MM:SS\"");
    }
    if (options.action == QLatin1String("set") && options.assignments.isEmpty())
        return QStringLiteral("set needs FIELD=VALUE");
    if (options.action == QLatin1String("defaults")) {
        if (!options.modelType)
            return QStringLiteral("defaults needs --model TYPE");
        if (options.localID && *options.modelType != 3 && *options.modelType != 4)
            return QStringLiteral("--local-id applies to the V580 models (3 and 4) only");
    }
    return {};
}

QString modelLabel(qint64 type)
{
    const QStringList &names = CameraModelTable::modelNameList();
    return type >= 0 && type < names.size() ? QStringLiteral("%1 (%2)").arg(names[type]).arg(type)
                                            : QString::number(type);
}

// Why value cannot be stored in the field, or nothing once it is.
QString assign(SettingRecord &record, SettingField field, const QString &value)
{
    const SettingFieldFormat &format = SettingRecordLayout::format(field);
    if (format.encoding == SettingEncoding::Text) {
        if (value.toUtf8().size() > format.width)
            return QStringLiteral("text longer than the field's %1 bytes").arg(format.width);
        record.setText(field, value);
        return {};
    }
    qint64 low = std::numeric_limits<int32_t>::min();
    qint64 high = std::numeric_limits<int32_t>::max();
    if (format.encoding != SettingEncoding::Int32) {
        low = 0;
        high = format.encoding == SettingEncoding::UInt8 ? 0xFF : 0xFFFF;
    }
    bool ok = false;
    const qint64 number = value.toLongLong(&ok, 10);
    if (!ok || number < low || number > high)
        return QStringLiteral("takes a whole number from %1 to %2").arg(low).arg(high);
    record.setNumber(field, int32_t(number));
    return {};
}

// The card's own record keeps its length: only the fields' bytes change.
int saveInPlace(P820SettingManager &manager, const QList<SettingField> &fields, CliOutput &output)
{
    if (!manager.saveFieldsInPlace(fields))
        return CardCli::memoryCardError(output, manager.settingDirPath());
    output.write(QStringLiteral("%1: %2 fields written in place\n")
                     .arg(CardCli::recordPath(manager))
                     .arg(fields.size())
                     .toUtf8());
    return CliOutput::kOk;
}

int show(P820SettingManager &manager, CliOutput &output)
{
    if (!CardCli::readRecord(manager, output))
        return CliOutput::kInputError;
    OrderedJsonObject fields;
    const SettingRecord &record = manager.record();
    for (int i = 0; i < manager.getSettingVariableCount(); ++i) {
        const auto field = SettingField(i);
        const SettingFieldFormat &format = SettingRecordLayout::format(field);
        fields.insert(QString::fromLatin1(format.name), format.encoding == SettingEncoding::Text
                                                            ? QJsonValue(record.text(field))
                                                            : QJsonValue(record.number(field)));
    }
    output.write(fields.toJson());
    return CliOutput::kOk;
}

int set(P820SettingManager &manager, const QStringList &assignments, CliOutput &output)
{
    if (!CardCli::readRecord(manager, output))
        return CliOutput::kInputError;
    const bool inPlace = CameraModelTable::cardOwnsSettings(manager.modelType());
    const qint64 recordBytes = QFileInfo(CardCli::recordPath(manager)).size();
    // Every assignment is checked before anything is written.
    SettingRecord edited = manager.record();
    QList<SettingField> fields;
    for (const QString &assignment : assignments) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        const QString name = assignment.left(equals);
        const std::optional<SettingField> field =
            equals < 0 ? std::nullopt : SettingRecordLayout::fieldNamed(name);
        if (!field) {
            output.error(QStringLiteral("\"%1\": no such settings field")
                             .arg(equals < 0 ? assignment : name));
            return CliOutput::kInputError;
        }
        if (int(*field) >= manager.getSettingVariableCount()) {
            output.error(QStringLiteral("%1: not in the %2 record (%3 fields)")
                             .arg(name, modelLabel(manager.modelType()))
                             .arg(manager.getSettingVariableCount()));
            return CliOutput::kInputError;
        }
        if (inPlace && SettingRecordLayout::byteSize(int(*field) + 1) > recordBytes) {
            output.error(QStringLiteral("%1: past the end of the card's record (%2 bytes)")
                             .arg(name)
                             .arg(recordBytes));
            return CliOutput::kInputError;
        }
        if (const QString problem = assign(edited, *field, assignment.mid(equals + 1));
            !problem.isEmpty()) {
            output.error(name + QStringLiteral(": ") + problem);
            return CliOutput::kInputError;
        }
        fields.append(*field);
    }
    manager.record() = edited;
    return inPlace ? saveInPlace(manager, fields, output) : CardCli::saveRecord(manager, output);
}

// Why menu and choose do not serve the model.
QString editorElsewhere(qint64 type)
{
    return QStringLiteral("the %1's settings are edited on the card's own settings page "
                          "(set changes single fields)")
        .arg(modelLabel(type));
}

// Why the card's own settings page keeps defaults and reset to itself, or
// nothing when this program may write them.
QString resetOwnedByCard(const QString &action, qint64 cardType, qint64 chosenType)
{
    const qint64 owner = CameraModelTable::cardOwnsSettings(cardType) ? cardType : chosenType;
    if (!CameraModelTable::cardOwnsSettings(owner))
        return {};
    return QStringLiteral("the %1 keeps its settings on the card's own settings page: %2 there "
                          "(nothing was written)")
        .arg(modelLabel(owner), action == QLatin1String("reset")
                                    ? QStringLiteral("reset them")
                                    : QStringLiteral("restore its defaults"));
}

// The model's own defaults over the record the card has, as choosing the
// model in the viewer and resetting would give.
int writeDefaults(P820SettingManager &manager, const Options &options, CliOutput &output)
{
    const qint64 type = *options.modelType;
    if (!CameraModelTable::hasBuiltInDefaults(type)) {
        output.error(QStringLiteral("model %1 has no built-in defaults").arg(modelLabel(type)));
        return CliOutput::kInputError;
    }
    manager.setModelType(type);
    if (type == 3 || type == 4)
        manager.setLocalID(
            options.localID.value_or(type == 4 ? P820SettingManager::kUnitedKingdomLocalID : 0));
    if (!CardCli::readRecord(manager, output, CardCli::MissingRecord::LeavesFields))
        return CliOutput::kInputError;
    manager.loadDefaultValue();
    return CardCli::saveRecord(manager, output);
}

// The card's factory file when it has one, else the built-in defaults.
int reset(P820SettingManager &current, CliOutput &output)
{
    if (!CardCli::readRecord(current, output))
        return CliOutput::kInputError;
    P820SettingManager factory;
    factory.setSettingDirPath(current.settingDirPath());
    factory.setModelType(current.modelType());
    if (factory.loadDefaultDataFromDefaultCfgFile()) {
        factory.setVersion(current.version());
        factory.setFirmwareVersionInt(current.firmwareVersionInt());
        factory.setDriving_guide_version(current.driving_guide_version());
        return CardCli::saveRecord(factory, output);
    }
    if (!CameraModelTable::hasBuiltInDefaults(current.modelType())) {
        output.error(
            QStringLiteral("%1: no default.cfg on the card and no built-in defaults for model %2")
                .arg(current.settingDirPath(), modelLabel(current.modelType())));
        return CliOutput::kInputError;
    }
    current.loadDefaultValue();
    return CardCli::saveRecord(current, output);
}

} // namespace

const char *SettingsCommand::usage()
{
    return "torva settings show ROOT [--model TYPE] | set ROOT FIELD=VALUE... | "
           "defaults ROOT --model TYPE [--local-id N] | reset ROOT | menu ROOT [--json] | "
           "choose ROOT NAME=VALUE... [--now | --date \"YYYY-MM-DD HH:MM:SS\"]";
}

int SettingsCommand::run(const QStringList &args, CliOutput &output)
{
    Options options;
    if (const QString problem = parseArguments(args, options); !problem.isEmpty())
        return output.usageError(problem, usage());
    const QStringList actions = {QStringLiteral("show"),     QStringLiteral("set"),
                                 QStringLiteral("defaults"), QStringLiteral("reset"),
                                 QStringLiteral("menu"),     QStringLiteral("choose")};
    if (!actions.contains(options.action))
        return output.usageError(QStringLiteral("unknown action \"%1\"").arg(options.action),
                                 usage());
    if (const QString problem = CardCli::rootProblem(options.root); !problem.isEmpty())
        return output.inputError(options.root, problem);

    const std::shared_ptr<P820SettingManager> held = CardCli::inspect(options.root);
    P820SettingManager &manager = *held;
    const qint64 type = options.modelType.value_or(manager.modelType());
    if (type == CameraModelTable::kNoModel) {
        output.error(options.root + QStringLiteral(": no camera recognised on the card") +
                     (options.action == QLatin1String("show")
                          ? QStringLiteral(" (name one with --model TYPE)")
                          : QString()));
        return CliOutput::kInputError;
    }
    if (options.action == QLatin1String("defaults") || options.action == QLatin1String("reset")) {
        if (const QString problem = resetOwnedByCard(options.action, manager.modelType(), type);
            !problem.isEmpty())
            return output.inputError(options.root, problem);
    }
    if (options.action == QLatin1String("menu") || options.action == QLatin1String("choose")) {
        if (type == CameraModelTable::kCompactModel)
            return options.action == QLatin1String("menu")
                       ? CompactSettingsMenuCommand::menu(options.root, options.json, output)
                       : CompactSettingsMenuCommand::choose(options.root, options.assignments,
                                                            options.clock, output);
        if (options.clock)
            return output.usageError(QStringLiteral("--now and --date set the clock of the %1 only")
                                         .arg(modelLabel(CameraModelTable::kCompactModel)),
                                     usage());
        if (CameraModelTable::editorFor(type) != CameraModelTable::Editor::Native)
            return output.inputError(options.root, editorElsewhere(type));
        manager.setModelType(type);
        return options.action == QLatin1String("menu")
                   ? SettingsMenuCommand::menu(manager, options.json, output)
                   : SettingsMenuCommand::choose(manager, options.assignments, output);
    }
    if (type == CameraModelTable::kCompactModel) {
        if (options.action == QLatin1String("show"))
            return CompactSettingsCommand::show(options.root, output);
        if (options.action == QLatin1String("set"))
            return CompactSettingsCommand::set(options.root, options.assignments, output);
        return CompactSettingsCommand::writeDefaults(options.root, output);
    }
    manager.setModelType(type);
    if (options.action == QLatin1String("show"))
        return show(manager, output);
    if (options.action == QLatin1String("set"))
        return set(manager, options.assignments, output);
    if (options.action == QLatin1String("defaults"))
        return writeDefaults(manager, options, output);
    return reset(manager, output);
}
