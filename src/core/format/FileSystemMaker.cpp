#include "core/format/FileSystemMaker.h"

namespace {

struct Kind
{
    const char *type;
    const char *program;
    const char *labelFlag;
    bool extFamily;
};

constexpr Kind kKinds[] = {
    {"vfat", "mkfs.vfat", "-n", false}, {"exfat", "mkfs.exfat", "-L", false},
    {"ext2", "mkfs.ext2", "-L", true},  {"ext3", "mkfs.ext3", "-L", true},
    {"ext4", "mkfs.ext4", "-L", true},
};

const Kind *kindOf(const QString &fsType)
{
    for (const Kind &kind : kKinds) {
        if (fsType == QLatin1String(kind.type))
            return &kind;
    }
    return nullptr;
}

} // namespace

QString FileSystemMaker::program(const QString &fsType)
{
    const Kind *kind = kindOf(fsType);
    return kind ? QString::fromLatin1(kind->program) : QString();
}

QStringList FileSystemMaker::arguments(const QString &fsType, const QString &device,
                                       const QString &label, const QString &rootOwner)
{
    const Kind *kind = kindOf(fsType);
    if (!kind)
        return {};
    QStringList arguments;
    // Without -F mke2fs asks before it overwrites a file system.
    if (kind->extFamily)
        arguments << QStringLiteral("-F");
    if (!label.isEmpty())
        arguments << QString::fromLatin1(kind->labelFlag) << label;
    if (kind->extFamily && !rootOwner.isEmpty())
        arguments << QStringLiteral("-E") << QStringLiteral("root_owner=") + rootOwner;
    arguments << device;
    return arguments;
}
