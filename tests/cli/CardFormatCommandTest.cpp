#include "LoopCard.h"
#include "StandInVolumes.h"

#include "CliRun.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

TEST(CardFormatCommand, RefusesWhatItMustNotFormat)
{
    const StandInVolumes volumes;
    const QMap<QString, QString> paths = {{"plain", volumes.volume("plain")}};
    CliRun::expect(
        {
            {"card format", 2,
             "torva: which card folder?\ntorva: usage: torva card [ROOT]\n"
             "  torva card format ROOT [--yes]\n",
             true},
            {"card format @plain --yes", 1,
             "torva: @plain: cannot format the memory card: not the root folder of a mounted "
             "volume\n",
             true},
            {"card format @plain", 1, "not the root folder of a mounted volume\n"},
            {"card format / --yes", 1,
             "torva: /: cannot format the memory card: on the system's disk\n", true},
        },
        paths);
}

// Runs torva with a terminal as its standard input, on which the answer is
// typed: its exit code (-1 when it did not run to its end), standard output
// and standard error.
std::tuple<int, QByteArray, QByteArray> answer(const QStringList &args, const QByteArray &typed)
{
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal < 0 || grantpt(terminal) != 0 || unlockpt(terminal) != 0)
        return {-1, {}, {}};
    QProcess torva;
    torva.setStandardInputFile(QString::fromLocal8Bit(ptsname(terminal)));
    torva.start(QStringLiteral(TORVA_CLI_PATH), args);
    const bool ran = torva.waitForStarted() &&
                     write(terminal, typed.constData(), size_t(typed.size())) > 0 &&
                     torva.waitForFinished(60000) && torva.exitStatus() == QProcess::NormalExit;
    close(terminal);
    return {ran ? torva.exitCode() : -1, torva.readAllStandardOutput(),
            torva.readAllStandardError()};
}

// Not while busy; without a terminal only with --yes; on a terminal only
// when the answer is yes.
TEST(CardFormatCommand, FormatsOnlyWhenAgreedAndNotWhileBusy)
{
    const StandInVolumes volumes;
    const QString root = volumes.volume("CARD");
    const LoopCard card(root, "ext4", "TORVA_CARD");
    if (!card.problem().isEmpty())
        GTEST_SKIP() << qPrintable(card.problem());
    QFile recording(card.putRecording());
    const QMap<QString, QString> paths = {{"card", root}};
    ASSERT_TRUE(recording.open(QIODevice::ReadOnly));
    CliRun::expect({{"card format @card --yes", 1,
                     "torva: @card: the memory card is busy: close every program and "
                     "window that uses it, then format again (nothing was changed)\n"}},
                   paths);
    recording.close();
    CliRun::expect({{"card format @card", 2,
                     "torva: no terminal to ask on: pass --yes to format without asking\n"}},
                   paths, QProcessEnvironment::systemEnvironment());

    const QString question = QStringLiteral("Format the memory card \"TORVA_CARD\" at %1? Every "
                                            "file on it will be erased. [y/N] ")
                                 .arg(root);
    for (const QByteArray typed : {"\n", "n\n", "yess\n"}) {
        SCOPED_TRACE(typed.constData());
        const auto [code, out, err] = answer({"card", "format", root}, typed);
        EXPECT_EQ(code, 1);
        EXPECT_EQ(err, question + "torva: " + root + ": not formatted\n");
    }
    EXPECT_TRUE(card.hasRecording());
    const auto [code, out, err] = answer({"card", "format", root}, " Yes\n");
    EXPECT_EQ(code, 0) << err.constData();
    EXPECT_EQ(out, root + ": formatted as ext4 \"TORVA_CARD\"\n");
    EXPECT_FALSE(card.hasRecording());
}

} // namespace
