#include "cli/CardCommand.h"

#include "cli/CardCli.h"
#include "cli/CliOutput.h"
#include "cli/CommandArguments.h"
#include "cli/OrderedJsonObject.h"

#include "core/settings/CameraModelTable.h"
#include "core/settings/P820SettingManager.h"

#include <QJsonArray>

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

} // namespace

const char *CardCommand::usage()
{
    return "torva card [ROOT]";
}

int CardCommand::run(const QStringList &args, CliOutput &output)
{
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
