#include "LoopCard.h"
#include "StandInVolumes.h"
#include "TempFolder.h"

#include "core/format/MemoryCardFormatter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>
#include <unistd.h>

namespace {

using Outcome = MemoryCardFormatter::Outcome;
using Step = MemoryCardFormatter::Step;

TEST(MemoryCardFormatter, FormatsInPlaceKeepingLabelTypeMountAndOwner)
{
    for (const char *type : {"ext2", "ext3", "ext4"}) {
        SCOPED_TRACE(type);
        const StandInVolumes volumes;
        const QString root = volumes.volume("CARD");
        const LoopCard card(root, type, "TORVA_CARD");
        if (!card.problem().isEmpty())
            GTEST_SKIP() << qPrintable(card.problem());
        ASSERT_FALSE(card.putRecording().isEmpty());
        ASSERT_EQ(::chown(QFile::encodeName(root).constData(), 1234, 5678), 0);

        QList<Step> steps;
        const MemoryCardFormatter::Result result =
            MemoryCardFormatter::format(root, [&steps](Step step) { steps.append(step); });
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

TEST(MemoryCardFormatter, ABusyOrFailingStepIsReportedAndTheCardMountedBackWhenItCanBe)
{
    // The tool that fails, none for a file held open that keeps the real
    // umount from the card; what it says, the outcome, the step, and whether
    // the card is left unmounted.
    const std::tuple<QString, QByteArray, Outcome, Step, bool> cases[] = {
        {"", "target is busy.", Outcome::Busy, Step::Unmount, false},
        {"umount", "umount: must be superuser", Outcome::Failed, Step::Unmount, false},
        {"mkfs.ext4", "mkfs.ext4: I/O error", Outcome::Failed, Step::MakeFileSystem, false},
        {"mount", "mount: wrong fs type", Outcome::Failed, Step::Mount, true},
    };
    for (const auto &[failing, message, outcome, step, leftUnmounted] : cases) {
        SCOPED_TRACE(message.constData());
        const StandInVolumes volumes;
        const QString root = volumes.volume("CARD");
        const LoopCard card(root, "ext4", "TORVA_CARD");
        if (!card.problem().isEmpty())
            GTEST_SKIP() << qPrintable(card.problem());
        QFile recording(card.putRecording());
        std::optional<FailingTool> tool;
        if (failing.isEmpty())
            ASSERT_TRUE(recording.open(QIODevice::ReadOnly));
        else
            tool.emplace(failing, message);

        const MemoryCardFormatter::Result result = MemoryCardFormatter::format(root);
        EXPECT_EQ(result.outcome, outcome);
        EXPECT_EQ(result.step, step);
        EXPECT_TRUE(result.log.endsWith(message)) << qPrintable(result.log);
        EXPECT_EQ(result.leftUnmounted, leftUnmounted);
        EXPECT_EQ(card.isMounted(), !leftUnmounted);
        EXPECT_EQ(card.hasRecording(), !leftUnmounted);
    }
}

} // namespace
