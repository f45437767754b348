#include "LoopCard.h"
#include "StandInVolumes.h"
#include "TempFolder.h"

#include "core/format/MemoryCardFormatter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using Outcome = MemoryCardFormatter::Outcome;
using Step = MemoryCardFormatter::Step;

const QStringList kFiles = {"DCIM/clip.avi", "SETTING/setup.cfg"};

void writeFiles(const QString &root)
{
    for (const QString &name : kFiles) {
        QDir(root).mkpath(QFileInfo(name).path());
        QFile file(root + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("recording") == 9);
    }
}

bool filesAreThere(const QString &root)
{
    return std::all_of(kFiles.cbegin(), kFiles.cend(),
                       [&root](const QString &name) { return QFile::exists(root + '/' + name); });
}

// Formats, noting the steps.
MemoryCardFormatter::Result format(const QString &root, QList<Step> &steps)
{
    return MemoryCardFormatter::format(root, [&steps](Step step) { steps.append(step); });
}

TEST(MemoryCardFormatter, FormatsInPlaceKeepingLabelTypeMountAndOwner)
{
    for (const char *type : {"ext2", "ext3", "ext4"}) {
        SCOPED_TRACE(type);
        const StandInVolumes volumes;
        const QString root = volumes.volume("CARD");
        const LoopCard card(root, type, "TORVA_CARD");
        if (!card.problem().isEmpty())
            GTEST_SKIP() << qPrintable(card.problem());
        writeFiles(root);
        ASSERT_EQ(::chown(QFile::encodeName(root).constData(), 1234, 5678), 0);

        QList<Step> steps;
        const MemoryCardFormatter::Result result = format(root, steps);
        EXPECT_EQ(result.outcome, Outcome::Formatted) << qPrintable(result.log);
        EXPECT_EQ(steps,
                  QList<Step>({Step::Check, Step::Unmount, Step::MakeFileSystem, Step::Mount}));
        EXPECT_FALSE(result.leftUnmounted);
        EXPECT_TRUE(card.isMounted());
        EXPECT_EQ(QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"lost+found"});
        EXPECT_EQ(LoopCard::probe(card.device(), "LABEL"), "TORVA_CARD");
        EXPECT_EQ(LoopCard::probe(card.device(), "TYPE"), type);
        EXPECT_EQ(QFileInfo(root).ownerId(), 1234u);
        EXPECT_EQ(QFileInfo(root).groupId(), 5678u);
    }
}

TEST(MemoryCardFormatter, LeavesABusyCardAsItWas)
{
    const StandInVolumes volumes;
    const QString root = volumes.volume("CARD");
    const LoopCard card(root, "ext4", "TORVA_CARD");
    if (!card.problem().isEmpty())
        GTEST_SKIP() << qPrintable(card.problem());
    writeFiles(root);
    QFile open(root + '/' + kFiles[0]);
    ASSERT_TRUE(open.open(QIODevice::ReadOnly));

    QList<Step> steps;
    const MemoryCardFormatter::Result result = format(root, steps);
    EXPECT_EQ(result.outcome, Outcome::Busy);
    EXPECT_EQ(result.step, Step::Unmount);
    EXPECT_TRUE(result.log.contains("busy")) << qPrintable(result.log);
    EXPECT_EQ(steps.last(), Step::Unmount);
    EXPECT_TRUE(card.isMounted());
    EXPECT_TRUE(filesAreThere(root));
}

// A program of that name first on PATH that fails with the message.
class FailingTool
{
public:
    FailingTool(const QString &name, const QByteArray &message) : m_path(qgetenv("PATH"))
    {
        const QString program =
            m_dir.write(name, "#!/bin/sh\necho '" + message + "' >&2\nexit 32\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_path);
    }
    ~FailingTool() { qputenv("PATH", m_path); }

private:
    TempFolder m_dir;
    QByteArray m_path;
};

struct FailureCase
{
    QString tool;
    QByteArray message;
    Step step;
    bool leftUnmounted;
    bool filesInView;
};

TEST(MemoryCardFormatter, AFailingStepIsReportedAndTheCardMountedBackWhenItCanBe)
{
    const FailureCase cases[] = {
        {"umount", "umount: /card: must be superuser to unmount.", Step::Unmount, false, true},
        {"mkfs.ext4", "mkfs.ext4: Input/output error while writing", Step::MakeFileSystem, false,
         true},
        {"mount", "mount: /card: wrong fs type", Step::Mount, true, false},
    };
    for (const FailureCase &row : cases) {
        SCOPED_TRACE(qPrintable(row.tool));
        const StandInVolumes volumes;
        const QString root = volumes.volume("CARD");
        const LoopCard card(root, "ext4", "TORVA_CARD");
        if (!card.problem().isEmpty())
            GTEST_SKIP() << qPrintable(card.problem());
        writeFiles(root);

        const FailingTool tool(row.tool, row.message);
        QList<Step> steps;
        const MemoryCardFormatter::Result result = format(root, steps);
        EXPECT_EQ(result.outcome, Outcome::Failed);
        EXPECT_EQ(result.step, row.step);
        EXPECT_TRUE(result.log.endsWith(row.message)) << qPrintable(result.log);
        EXPECT_EQ(result.leftUnmounted, row.leftUnmounted);
        EXPECT_EQ(card.isMounted(), !row.leftUnmounted);
        EXPECT_EQ(filesAreThere(root), row.filesInView);
    }
}

} // namespace
