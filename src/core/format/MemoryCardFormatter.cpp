#include "core/format/MemoryCardFormatter.h"

#include "core/format/FileSystemMaker.h"
#include "core/format/SystemTool.h"

namespace {

// The old mount's own options and its file system's (the owner and
// character set of a FAT card), "rw" or "ro" said once.
QStringList formerOptions(const MountEntry &mount)
{
    QStringList options = mount.mountOptions;
    for (const QString &option : mount.superOptions) {
        const bool access = option == QLatin1String("rw") || option == QLatin1String("ro");
        if (!access && !options.contains(option))
            options.append(option);
    }
    return options;
}

SystemTool::Run mountBack(const MountEntry &mount)
{
    const auto mountWith = [&mount](const QStringList &options) {
        return SystemTool::run(QStringLiteral("mount"),
                               {QStringLiteral("-t"), mount.fsType, QStringLiteral("-o"),
                                options.join(QLatin1Char(',')), mount.source, mount.mountPoint});
    };
    const SystemTool::Run first = mountWith(formerOptions(mount));
    if (first.ok())
        return first;
    // Some file system options are the kernel's report rather than ones it
    // takes back ("seclabel"); the mount's own options always do.
    SystemTool::Run second = mountWith(mount.mountOptions);
    if (!second.ok())
        second.output.prepend(first.output);
    return second;
}

} // namespace

MemoryCardFormatter::Result MemoryCardFormatter::format(const QString &root,
                                                        const StepCallback &onStep)
{
    const auto begin = [&onStep](Step step) {
        if (onStep)
            onStep(step);
    };
    Result result;
    const auto failed = [&result](Outcome outcome, Step step, const QString &output) {
        result.outcome = outcome;
        result.step = step;
        result.log = SystemTool::tail(output);
        return result;
    };

    begin(Step::Check);
    result.check = CardFormatCheck::check(root);
    if (!result.check.canFormat()) {
        result.outcome = Outcome::Refused;
        return result;
    }
    const MountEntry &mount = result.check.mount();

    begin(Step::Unmount);
    const SystemTool::Run unmount = SystemTool::run(QStringLiteral("umount"), {mount.mountPoint});
    if (!unmount.ok()) {
        // umount runs in the C locale: "umount: /media/card: target is busy."
        const bool busy = unmount.output.contains(QLatin1String("busy"));
        return failed(busy ? Outcome::Busy : Outcome::Failed, Step::Unmount, unmount.output);
    }

    begin(Step::MakeFileSystem);
    const SystemTool::Run make =
        SystemTool::run(FileSystemMaker::program(mount.fsType),
                        FileSystemMaker::arguments(mount.fsType, mount.source, result.check.label(),
                                                   result.check.rootOwner()));

    // Mounted back also when formatting failed: the old file system may
    // well be whole, and the card stays where the user left it.
    begin(Step::Mount);
    const SystemTool::Run remount = mountBack(mount);
    result.leftUnmounted = !remount.ok();
    if (!make.ok()) {
        const QString output =
            remount.ok() ? make.output : make.output + QLatin1Char('\n') + remount.output;
        return failed(Outcome::Failed, Step::MakeFileSystem, output);
    }
    if (!remount.ok())
        return failed(Outcome::Failed, Step::Mount, remount.output);
    result.outcome = Outcome::Formatted;
    return result;
}

QString MemoryCardFormatter::stepName(Step step)
{
    switch (step) {
    case Step::Check:
        return QStringLiteral("checking");
    case Step::Unmount:
        return QStringLiteral("unmounting");
    case Step::MakeFileSystem:
        return QStringLiteral("making the file system");
    case Step::Mount:
        return QStringLiteral("mounting");
    }
    return {};
}
