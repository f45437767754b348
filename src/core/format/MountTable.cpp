#include "core/format/MountTable.h"

#include <QFile>

#include <algorithm>

namespace {

// Paths in the table write space, tab, newline and backslash as "\ooo".
QString unescaped(const QByteArray &field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const bool octal = field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' &&
                           field[i + 1] <= '3' && field[i + 2] >= '0' && field[i + 2] <= '7' &&
                           field[i + 3] >= '0' && field[i + 3] <= '7';
        if (!octal) {
            bytes.append(field[i]);
            continue;
        }
        bytes.append(
            char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + field[i + 3] - '0'));
        i += 3;
    }
    return QString::fromUtf8(bytes);
}

QStringList options(const QByteArray &field)
{
    return unescaped(field).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

// "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root rw,errors=continue":
// six fields, optional ones up to "-", then three more.
bool parseLine(const QByteArray &line, MountEntry &entry)
{
    const QList<QByteArray> fields = line.split(' ');
    const qsizetype separator = fields.indexOf(QByteArray("-"), 6);
    if (separator < 0 || fields.size() < separator + 4)
        return false;
    if (!fields[2].contains(':') || !fields[3].startsWith('/') || !fields[4].startsWith('/'))
        return false;
    entry.device = QString::fromLatin1(fields[2]);
    entry.root = unescaped(fields[3]);
    entry.mountPoint = unescaped(fields[4]);
    entry.mountOptions = options(fields[5]);
    entry.fsType = unescaped(fields[separator + 1]);
    entry.source = unescaped(fields[separator + 2]);
    entry.superOptions = options(fields[separator + 3]);
    return true;
}

bool isBelow(const QString &path, const QString &folder)
{
    if (folder == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == folder ||
           (path.startsWith(folder) && path.at(folder.size()) == QLatin1Char('/'));
}

} // namespace

MountTable MountTable::read()
{
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A proc file tells no size: read to its end.
    return parse(file.readAll());
}

MountTable MountTable::parse(const QByteArray &text)
{
    MountTable table;
    for (const QByteArray &line : text.split('\n')) {
        MountEntry entry;
        if (parseLine(line, entry))
            table.m_entries.append(entry);
    }
    return table;
}

const MountEntry *MountTable::mountedAt(const QString &path) const
{
    for (auto it = m_entries.crbegin(); it != m_entries.crend(); ++it) {
        if (it->mountPoint == path)
            return &*it;
    }
    return nullptr;
}

const MountEntry *MountTable::holding(const QString &path) const
{
    const MountEntry *best = nullptr;
    for (const MountEntry &entry : m_entries) {
        // A later mount at the same or a deeper folder hides the earlier one.
        if (isBelow(path, entry.mountPoint) &&
            (!best || entry.mountPoint.size() >= best->mountPoint.size()))
            best = &entry;
    }
    return best;
}

qsizetype MountTable::mountCount(const QString &device) const
{
    return std::count_if(m_entries.cbegin(), m_entries.cend(),
                         [&device](const MountEntry &entry) { return entry.device == device; });
}
