#include "cli/CardCommand.h"

#include "cli/CardCli.h"
#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"
#include "cli/OrderedJsonObject.h"

#include "core/format/MemoryCardFormatter.h"
#include "core/settings/CameraModelTable.h"
#include "core/settings/P820SettingManager.h"

#include <QJsonArray>

#include <cstdio>
#include <unistd.h>

namespace {

QJsonValue modelNameOf(const P820SettingManager &manager)
{
    const qint64 type = manager.modelType();
    if (type == CameraModelTable::kSelfDescribingModel)
        return manager.modelName();
    if (type < 0 || type >= manager.modelNameList().size())
        return QJsonValue::Null;
    return manager.modelNameList()[type];
}

QString editorName(CameraModelTable::Editor editor)
{
    switch (editor) {
    case CameraModelTable::Editor::Native:
        return QStringLiteral("native");
    case CameraModelTable::Editor::Compact:
        return QStringLiteral("compact");
    case CameraModelTable::Editor::Web:
        return QStringLiteral("web");
    case CameraModelTable::Editor::None:
        break;
    }
    return QStringLiteral("none");
}

QByteArray describe(const P820SettingManager &manager)
{
    QJsonArray languages;
    for (const CameraLanguage &language : manager.languages())
        languages.append(QJsonArray{language.index, language.code});
    const QString version = manager.version();
    OrderedJsonObject card;
    card.insert(QStringLiteral("root"), manager.settingDirPath());
    card.insert(QStringLiteral("modelType"), manager.modelType());
    card.insert(QStringLiteral("modelName"), modelNameOf(manager));
    card.insert(QStringLiteral("localID"), manager.localID());
    card.insert(QStringLiteral("version"), version.isNull() ? QJsonValue() : QJsonValue(version));
    card.insert(QStringLiteral("firmwareVersionInt"), manager.firmwareVersionInt());
    card.insert(QStringLiteral("languages"), languages);
    card.insert(QStringLiteral("fields"), manager.getSettingVariableCount());
    card.insert(QStringLiteral("recordBytes"), manager.getSaveDataSize());
    card.insert(QStringLiteral("editor"),
                editorName(CameraModelTable::editorFor(manager.modelType())));
    return card.toJson();
}

int refused(CliOutput &output, const QString &root, const CardFormatCheck &check)
{
    return output.inputError(root,
                             QStringLiteral("cannot format the memory card: ") + check.reason());
}

// Asks on the terminal; only "y" or "yes" agrees.
bool userAgrees(const QString &question)
{
    std::fputs(question.toUtf8().constData(), stderr);
    std::fflush(stderr);
    char answer[64] = {};
    if (!std::fgets(answer, sizeof answer, stdin))
        return false;
    const QString word = QString::fromLocal8Bit(answer).trimmed().toLower();
    return word == QLatin1String("y") || word == QLatin1String("yes");
}

int format(const QStringList &args, CliOutput &output)
{
    const CommandArguments parsed = CommandArguments::parse(
        args, {{QStringLiteral("--yes")}, {}, QStringLiteral("card folder")});
    if (!parsed.error().isEmpty())
        return output.usageError(parsed.error(), CardCommand::usage());
    const QString root = parsed.positional();
    if (root.isEmpty())
        return output.usageError(QStringLiteral("which card folder?"), CardCommand::usage());
    if (const QString problem = CardCli::rootProblem(root); !problem.isEmpty())
        return output.inputError(root, problem);
    const CardFormatCheck check = CardFormatCheck::check(root);
    if (!check.canFormat())
        return refused(output, root, check);
    if (!parsed.isSet(QStringLiteral("--yes"))) {
        if (!isatty(STDIN_FILENO))
            return output.usageError(
                QStringLiteral("no terminal to ask on: pass --yes to format without asking"),
                CardCommand::usage());
        const QString question =
            QStringLiteral("Format the memory card \"%1\" at %2? Every file on it will be "
                           "erased. [y/N] ")
                .arg(check.volumeName(), root);
        if (!userAgrees(question))
            return output.inputError(root, QStringLiteral("not formatted"));
    }

    const MemoryCardFormatter::Result result = MemoryCardFormatter::format(root);
    const QString log = result.log.isEmpty() ? QString() : QLatin1Char('\n') + result.log;
    switch (result.outcome) {
    case MemoryCardFormatter::Outcome::Formatted:
        output.write(QStringLiteral("%1: formatted as %2 \"%3\"\n")
                         .arg(root, result.check.mount().fsType, result.check.volumeName())
                         .toUtf8());
        return CliOutput::kOk;
    case MemoryCardFormatter::Outcome::Refused:
        return refused(output, root, result.check);
    case MemoryCardFormatter::Outcome::Busy:
        return output.inputError(
            root, QStringLiteral("the memory card is busy: close every program and window "
                                 "that uses it, then format again (nothing was changed)") +
                      log);
    case MemoryCardFormatter::Outcome::Failed:
        break;
    }
    const QString unmounted =
        result.leftUnmounted ? QStringLiteral(" (the card is no longer mounted)") : QString();
    return output.inputError(root,
                             QStringLiteral("formatting failed while %1%2%3")
                                 .arg(MemoryCardFormatter::stepName(result.step), unmounted, log));
}

} // namespace

const char *CardCommand::usage()
{
    return "torva card [ROOT]\n  torva card format ROOT [--yes]";
}

int CardCommand::run(const QStringList &args, CliOutput &output)
{
    // "format" names the action; a card folder of that name is "./format".
    if (args.value(0) == QLatin1String("format"))
        return format(args.mid(1), output);
    const CommandArguments parsed =
        CommandArguments::parse(args, {{}, {}, QStringLiteral("card folder"), -1});
    if (!parsed.error().isEmpty())
        return output.usageError(parsed.error(), usage());
    if (parsed.positionals().size() > 1)
        return output.usageError(QStringLiteral("at most one card folder, please"), usage());
    if (parsed.positionals().isEmpty()) {
        P820SettingManager manager;
        manager.loadVersionInfo();
        if (manager.settingDirPath().isEmpty()) {
            output.error(
                QStringLiteral("no memory card with a recognised camera among the volumes"));
            return CliOutput::kInputError;
        }
        manager.loadLanguages();
        output.write(describe(manager));
        return CliOutput::kOk;
    }
    const QString root = parsed.positional();
    if (const QString problem = CardCli::rootProblem(root); !problem.isEmpty())
        return output.inputError(root, problem);
    const std::shared_ptr<P820SettingManager> manager = CardCli::inspect(root);
    manager->loadLanguages();
    output.write(describe(*manager));
    return CliOutput::kOk;
}
