#include "LoopCard.h"
#include "StandInVolumes.h"
#include "TempFolder.h"

#include "core/format/MemoryCardFormatter.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using Outcome = MemoryCardFormatter::Outcome;
using Step = MemoryCardFormatter::Step;

TEST(MemoryCardFormatter, FormatsInPlaceKeepingLabelTypeMountAndOwnerUnlessUntitled)
{
    // Type, label, the folder the card is mounted at, the volume's name (the
    // label, else the folder's), and the outcome.
    const std::tuple<QString, QString, QString, QString, Outcome> cases[] = {
        {"ext2", "TORVA_CARD", "CARD", "TORVA_CARD", Outcome::Formatted},
        {"ext3", "untitled", "CARD", "untitled", Outcome::Formatted},
        {"ext4", "", "NO_LABEL", "NO_LABEL", Outcome::Formatted},
        {"ext4", "Untitled 2", "CARD", "Untitled 2", Outcome::Refused},
        {"ext4", "", "Untitled", "Untitled", Outcome::Refused},
    };
    const QList<Step> steps = {Step::Check, Step::Unmount, Step::MakeFileSystem, Step::Mount};
    for (const auto &[type, label, folder, volumeName, outcome] : cases) {
        SCOPED_TRACE(qPrintable(type + ' ' + label + ' ' + folder));
        const StandInVolumes volumes;
        const QString root = volumes.volume(folder);
        const LoopCard card(root, type, label);
        if (!card.problem().isEmpty())
            GTEST_SKIP() << qPrintable(card.problem());
        ASSERT_FALSE(card.putRecording().isEmpty());
        ASSERT_EQ(::chown(QFile::encodeName(root).constData(), 1234, 5678), 0);

        QList<Step> begun;
        const MemoryCardFormatter::Result result =
            MemoryCardFormatter::format(root, [&begun](Step step) { begun.append(step); });
        EXPECT_EQ(result.outcome, outcome) << qPrintable(result.log);
        EXPECT_EQ(result.check.label(), label);
        EXPECT_EQ(result.check.volumeName(), volumeName);
        EXPECT_EQ(begun, outcome == Outcome::Formatted ? steps : steps.mid(0, 1));
        EXPECT_FALSE(result.leftUnmounted);
        EXPECT_TRUE(card.isMounted());
        EXPECT_EQ(card.hasRecording(), outcome == Outcome::Refused);
        EXPECT_EQ(LoopCard::probe(card.device(), "LABEL"), label);
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

// A busy card: see CardFormatCommandTest, which holds a file open on it.
TEST(MemoryCardFormatter, AFailingStepIsReportedAndTheCardMountedBackWhenItCanBe)
{
    // The tool that fails, what it says, the step and whether the card is
    // left unmounted.
    const std::tuple<QString, QByteArray, Step, bool> cases[] = {
        {"umount", "umount: must be superuser", Step::Unmount, false},
        {"mkfs.ext4", "mkfs.ext4: I/O error", Step::MakeFileSystem, false},
        {"mount", "mount: wrong fs type", Step::Mount, true},
    };
    for (const auto &[failing, message, step, leftUnmounted] : cases) {
        SCOPED_TRACE(message.constData());
        const StandInVolumes volumes;
        const QString root = volumes.volume("CARD");
        const LoopCard card(root, "ext4", "TORVA_CARD");
        if (!card.problem().isEmpty())
            GTEST_SKIP() << qPrintable(card.problem());
        ASSERT_FALSE(card.putRecording().isEmpty());
        const FailingTool tool(failing, message);

        const MemoryCardFormatter::Result result = MemoryCardFormatter::format(root);
        EXPECT_EQ(result.outcome, Outcome::Failed);
        EXPECT_EQ(result.step, step);
        EXPECT_TRUE(result.log.endsWith(message)) << qPrintable(result.log);
        EXPECT_EQ(result.leftUnmounted, leftUnmounted);
        EXPECT_EQ(card.isMounted(), !leftUnmounted);
        EXPECT_EQ(card.hasRecording(), !leftUnmounted);
    }
}

} // namespace
