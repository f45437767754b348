#include "cli/CardCli.h"

#include "cli/CliOutput.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/settings/CameraModelTable.h"
#include "core/settings/CardFolder.h"
#include "core/settings/MemoryCardAlert.h"
#include "core/settings/P820SettingManager.h"

#include <QFileInfo>

QString CardCli::rootProblem(const QString &root)
{
    const QFileInfo info(root);
    if (!info.exists())
        return QStringLiteral("no such folder");
    if (!info.isDir())
        return QStringLiteral("is a file, not a card folder");
    return {};
}

QString CardCli::listingProblem(const QString &folder)
{
    if (QString problem = rootProblem(folder); !problem.isEmpty())
        return problem;
    const QFileInfo info(folder);
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("cannot be read (permission denied)");
    return {};
}

std::optional<qint64> CardCli::parseModelType(const QString &text)
{
    const QStringList &names = CameraModelTable::modelNameList();
    bool isNumber = false;
    const qint64 type = text.toLongLong(&isNumber, 10);
    if (isNumber)
        return type >= 0 && type < names.size() ? std::optional(type) : std::nullopt;
    for (qint64 i = 0; i < names.size(); ++i) {
        if (names[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

std::shared_ptr<P820SettingManager> CardCli::inspect(const QString &root)
{
    auto manager = std::make_shared<P820SettingManager>();
    manager->setSettingDirPath(root);
    manager->loadCardIdentity();
    return manager;
}

QString CardCli::english(const QString &key)
{
    return TorvaLanguages::SharedTorvaLanguages()->localizedIn(key, QStringLiteral("en"));
}

int CardCli::memoryCardError(CliOutput &output, const QString &root)
{
    const TorvaLanguages &languages = *TorvaLanguages::SharedTorvaLanguages();
    return output.inputError(
        root, languages.localized(QString::fromUtf8(MemoryCardAlert::kTitleKey)) +
                  QStringLiteral(": ") +
                  languages.localized(QString::fromUtf8(MemoryCardAlert::kMessageKey)));
}

QString CardCli::recordPath(const P820SettingManager &manager)
{
    return CardFolder::settingFile(manager.settingDirPath(), QStringLiteral("setup.cfg"));
}

int CardCli::saveRecord(P820SettingManager &manager, CliOutput &output)
{
    if (!manager.saveData())
        return memoryCardError(output, manager.settingDirPath());
    output.write(QStringLiteral("%1: %2 bytes written\n")
                     .arg(recordPath(manager))
                     .arg(manager.getSaveDataSize())
                     .toUtf8());
    return CliOutput::kOk;
}

bool CardCli::readRecord(P820SettingManager &manager, CliOutput &output, MissingRecord whenMissing)
{
    switch (manager.readRecordFromCard()) {
    case P820SettingManager::RecordRead::Read:
        return true;
    case P820SettingManager::RecordRead::Missing:
        if (whenMissing == MissingRecord::TakesDefaults)
            manager.loadDefaultValue();
        if (whenMissing != MissingRecord::IsAnError)
            return true;
        output.error(manager.settingDirPath() +
                     QStringLiteral(": no settings record (SETTING/setup.cfg)"));
        return false;
    case P820SettingManager::RecordRead::Unreadable:
        output.error(manager.settingDirPath() +
                     QStringLiteral(": the settings record cannot be read"));
        return false;
    }
    return false;
}
