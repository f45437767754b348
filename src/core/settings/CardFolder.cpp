#include "core/settings/CardFolder.h"

#include <QDir>
#include <QFileInfo>

QString CardFolder::settingFile(const QString &root, const QString &relative, Order order)
{
    if (root.isEmpty())
        return {};
    const QDir card(root);
    const QString lower = card.filePath(QStringLiteral("setting/") + relative);
    const QString upper = card.filePath(QStringLiteral("SETTING/") + relative);
    const QString &first = order == Order::LowerCaseFirst ? lower : upper;
    const QString &second = order == Order::LowerCaseFirst ? upper : lower;
    if (QFileInfo::exists(first))
        return first;
    if (QFileInfo::exists(second))
        return second;
    const bool onlyLowerFolder = order == Order::UpperCaseFirst &&
                                 !QFileInfo(card.filePath(QStringLiteral("SETTING"))).isDir() &&
                                 QFileInfo(card.filePath(QStringLiteral("setting"))).isDir();
    return onlyLowerFolder ? lower : upper;
}
