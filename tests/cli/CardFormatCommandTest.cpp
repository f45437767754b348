#include "LoopCard.h"
#include "StandInVolumes.h"

#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

const QString kClip = QStringLiteral("DCIM/clip.avi");

// A loop-device card among the stand-in volumes, a recording on it.
struct CardOnVolumes
{
    StandInVolumes volumes;
    QString root = volumes.volume("CARD");
    LoopCard card{root, "ext4", "TORVA_CARD"};

    bool recordingIsThere() const { return QFile::exists(root + '/' + kClip); }
    void putRecording() const
    {
        QDir(root).mkpath("DCIM");
        QFile file(root + '/' + kClip);
        if (!file.open(QIODevice::WriteOnly) || file.write("recording") != 9)
            qFatal("cannot write to the loop card");
    }
};

TEST(CardFormatCommand, RefusesWhatItMustNotFormat)
{
    const StandInVolumes volumes;
    const QMap<QString, QString> paths = {{"plain", volumes.volume("plain")},
                                          {"missing", volumes.volume("plain") + "/missing"}};
    CliRun::expect(
        {
            {"card format", 2,
             "torva: which card folder?\ntorva: usage: torva card [ROOT]\n"
             "  torva card format ROOT [--yes]\n",
             true},
            {"card format @plain @plain", 2, "torva: only one card folder, please\n"},
            {"card format --force @plain", 2, "torva: unknown option --force\n"},
            {"card format @missing --yes", 1, "torva: @missing: no such folder\n", true},
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

TEST(CardFormatCommand, FormatsWithYesAndNotWhileBusy)
{
    const CardOnVolumes card;
    if (!card.card.problem().isEmpty())
        GTEST_SKIP() << qPrintable(card.card.problem());
    card.putRecording();
    const QMap<QString, QString> paths = {{"card", card.root}};
    {
        QFile open(card.root + '/' + kClip);
        ASSERT_TRUE(open.open(QIODevice::ReadOnly));
        CliRun::expect({{"card format @card --yes", 1,
                         "torva: @card: the memory card is busy: close every program and "
                         "window that uses it, then format again (nothing was changed)\n"}},
                       paths);
        EXPECT_TRUE(card.recordingIsThere());
    }
    // Without a terminal to ask on, only --yes formats.
    CliRun::expect({{"card format @card", 2,
                     "torva: no terminal to ask on: pass --yes to format without asking\n"}},
                   paths, QProcessEnvironment::systemEnvironment());
    EXPECT_TRUE(card.recordingIsThere());
    CliRun::expect(
        {{"card format @card --yes", 0, "@card: formatted as ext4 \"TORVA_CARD\"\n", true}}, paths);
    EXPECT_FALSE(card.recordingIsThere());
    EXPECT_TRUE(card.card.isMounted());
    EXPECT_EQ(LoopCard::probe(card.card.device(), "LABEL"), "TORVA_CARD");
}

struct Answered
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

// Runs torva with a terminal as its standard input, on which the answer is typed.
Answered answer(const QStringList &args, const QByteArray &typed)
{
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal < 0 || grantpt(terminal) != 0 || unlockpt(terminal) != 0)
        return {};
    QProcess torva;
    torva.setStandardInputFile(QString::fromLocal8Bit(ptsname(terminal)));
    torva.start(QStringLiteral(TORVA_CLI_PATH), args);
    Answered answered;
    if (torva.waitForStarted() && write(terminal, typed.constData(), size_t(typed.size())) > 0 &&
        torva.waitForFinished(60000) && torva.exitStatus() == QProcess::NormalExit)
        answered = {torva.exitCode(), torva.readAllStandardOutput(), torva.readAllStandardError()};
    close(terminal);
    return answered;
}

TEST(CardFormatCommand, AsksOnTheTerminalAndFormatsOnlyOnYes)
{
    const CardOnVolumes card;
    if (!card.card.problem().isEmpty())
        GTEST_SKIP() << qPrintable(card.card.problem());
    card.putRecording();
    const QString question = QStringLiteral("Format the memory card \"TORVA_CARD\" at %1? Every "
                                            "file on it will be erased. [y/N] ")
                                 .arg(card.root);
    for (const QByteArray typed : {"\n", "n\n", "yess\n"}) {
        SCOPED_TRACE(typed.constData());
        const Answered answered = answer({"card", "format", card.root}, typed);
        EXPECT_EQ(answered.code, 1);
        EXPECT_EQ(answered.err, question + "torva: " + card.root + ": not formatted\n");
        EXPECT_TRUE(card.recordingIsThere());
    }
    const Answered answered = answer({"card", "format", card.root}, " Yes\n");
    EXPECT_EQ(answered.code, 0) << answered.err.constData();
    EXPECT_EQ(answered.out, card.root + ": formatted as ext4 \"TORVA_CARD\"\n");
    EXPECT_FALSE(card.recordingIsThere());
}

} // namespace
