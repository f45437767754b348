#include "cli/CardCli.h"

#include "cli/CliOutput.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/settings/CameraModelTable.h"
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

int CardCli::memoryCardError(CliOutput &output, const QString &root)
{
    const TorvaLanguages &languages = *TorvaLanguages::SharedTorvaLanguages();
    return output.inputError(
        root, languages.localized(QString::fromUtf8(MemoryCardAlert::kTitleKey)) +
                  QStringLiteral(": ") +
                  languages.localized(QString::fromUtf8(MemoryCardAlert::kMessageKey)));
}
