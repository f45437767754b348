#include "cli/CompactSettingsCommand.h"

#include "cli/CardCli.h"
#include "cli/CliOutput.h"
#include "cli/OrderedJsonObject.h"

#include "core/settings/QMVSettingManager.h"

namespace {

const QString kFileName = QStringLiteral("SETTING/blackbox.cfg");

} // namespace

int CompactSettingsCommand::show(const QString &root, CliOutput &output)
{
    QMVSettingManager manager;
    if (!loadCardLines(manager, root, output))
        return CliOutput::kInputError;
    // A key the file repeats shows its first line, the one the camera reads.
    OrderedJsonObject settings;
    for (const QString &line : manager.linedSettings()) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0 && !settings.contains(line.left(equals)))
            settings.insert(line.left(equals), line.mid(equals + 1));
    }
    output.write(settings.toJson());
    return CliOutput::kOk;
}

int CompactSettingsCommand::set(const QString &root, const QStringList &assignments,
                                CliOutput &output)
{
    QMVSettingManager manager;
    if (!loadCardLines(manager, root, output))
        return CliOutput::kInputError;
    for (const QString &assignment : assignments) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        const QString key = assignment.left(equals);
        if (equals <= 0) {
            output.error(QStringLiteral("\"%1\": KEY=VALUE expected").arg(assignment));
            return CliOutput::kInputError;
        }
        switch (manager.replaceValue(key, assignment.mid(equals + 1))) {
        case QMVSettingManager::ReplaceResult::Replaced:
            break;
        case QMVSettingManager::ReplaceResult::NoSuchKey:
            output.error(QStringLiteral("%1: no such key in %2").arg(key, kFileName));
            return CliOutput::kInputError;
        case QMVSettingManager::ReplaceResult::ValueHasLineBreak:
            output.error(QStringLiteral("%1: a value cannot hold a line break").arg(key));
            return CliOutput::kInputError;
        }
    }
    return save(manager, root, output);
}

int CompactSettingsCommand::writeDefaults(const QString &root, CliOutput &output)
{
    QMVSettingManager manager;
    if (manager.loadData(root) == QMVSettingManager::LoadResult::Unreadable) {
        output.error(root + QStringLiteral(": the settings file cannot be read"));
        return CliOutput::kInputError;
    }
    if (!manager.loadDefaultValue(QMVSettingManager::kCompactModelType)) {
        output.error(QStringLiteral("the default settings file is missing from this build"));
        return CliOutput::kInputError;
    }
    return save(manager, root, output);
}

bool CompactSettingsCommand::loadCardLines(QMVSettingManager &manager, const QString &root,
                                           CliOutput &output)
{
    switch (manager.loadData(root)) {
    case QMVSettingManager::LoadResult::CardFile:
        return true;
    case QMVSettingManager::LoadResult::DefaultFile:
        output.error(root + QStringLiteral(": no settings file (%1)").arg(kFileName));
        return false;
    case QMVSettingManager::LoadResult::Unreadable:
        output.error(root + QStringLiteral(": the settings file cannot be read"));
        return false;
    }
    return false;
}

int CompactSettingsCommand::save(const QMVSettingManager &manager, const QString &root,
                                 CliOutput &output)
{
    if (manager.saveData(root) != QMVSettingManager::SaveResult::Saved)
        return CardCli::memoryCardError(output, root);
    output.write(QMVSettingManager::settingsFilePath(root).toUtf8() + ": written\n");
    return CliOutput::kOk;
}
