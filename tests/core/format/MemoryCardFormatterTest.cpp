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

TEST(MemoryCardFormatter, RefusesAFolderOfACardWithoutTouchingIt)
{
    const StandInVolumes volumes;
    const QString root = volumes.volume("CARD");
    const LoopCard card(root, "ext4", "TORVA_CARD");
    if (!card.problem().isEmpty())
        GTEST_SKIP() << qPrintable(card.problem());
    writeFiles(root);

    QList<Step> steps;
    const MemoryCardFormatter::Result result = format(root + "/DCIM", steps);
    EXPECT_EQ(result.outcome, Outcome::Refused);
    EXPECT_EQ(result.check.refusal(), CardFormatCheck::Refusal::NotMountPoint);
    EXPECT_EQ(steps, QList<Step>{Step::Check});
    EXPECT_TRUE(filesAreThere(root));
}

// A mkfs.ext4 first on PATH that fails as a real one does on a bad card.
class FailingMaker
{
public:
    FailingMaker() : m_path(qgetenv("PATH"))
    {
        const QString program = m_dir.write(
            "mkfs.ext4",
            "#!/bin/sh\necho 'mkfs.ext4: Input/output error while writing' >&2\nexit 1\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_path);
    }
    ~FailingMaker() { qputenv("PATH", m_path); }

private:
    TempFolder m_dir;
    QByteArray m_path;
};

TEST(MemoryCardFormatter, AFailingFormatReportsItsStepAndMountsTheCardBack)
{
    const StandInVolumes volumes;
    const QString root = volumes.volume("CARD");
    const LoopCard card(root, "ext4", "TORVA_CARD");
    if (!card.problem().isEmpty())
        GTEST_SKIP() << qPrintable(card.problem());
    writeFiles(root);

    const FailingMaker maker;
    QList<Step> steps;
    const MemoryCardFormatter::Result result = format(root, steps);
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_EQ(result.step, Step::MakeFileSystem);
    EXPECT_EQ(result.log, "mkfs.ext4: Input/output error while writing");
    EXPECT_EQ(steps.last(), Step::Mount);
    EXPECT_FALSE(result.leftUnmounted);
    EXPECT_TRUE(card.isMounted());
    EXPECT_TRUE(filesAreThere(root));
}

} // namespace
