#include "core/settings/CardFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

QString CardFolder::settingFile(const QString &root, const QString &relative)
{
    if (root.isEmpty())
        return {};
    const QDir card(root);
    const QString lower = card.filePath(QStringLiteral("setting/") + relative);
    if (QFileInfo::exists(lower))
        return lower;
    return card.filePath(QStringLiteral("SETTING/") + relative);
}

std::optional<QByteArray> CardFolder::readHead(const QString &path, qint64 maxBytes)
{
    // Only regular files: opening a pipe or device could block or never end.
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Sized by the file, not the limit; the byte past its size shows a file that grew meanwhile.
    const qint64 wanted = std::min(maxBytes, file.size() + 1);
    QByteArray bytes(wanted, Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < wanted) {
        const qint64 got = file.read(bytes.data() + filled, wanted - filled);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

std::optional<QByteArray> CardFolder::readWhole(const QString &path, qint64 maxBytes)
{
    std::optional<QByteArray> bytes = readHead(path, maxBytes + 1);
    if (bytes && bytes->size() > maxBytes)
        return std::nullopt;
    return bytes;
}
