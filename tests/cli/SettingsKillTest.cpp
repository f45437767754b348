#include "LoopCard.h"
#include "TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <random>

#include <unistd.h>

namespace {

// A settings save that runs to its end, with a private home.
bool save(const QStringList &args, QProcess &torva)
{
    torva.start(QStringLiteral(TORVA_CLI_PATH), args);
    return torva.waitForFinished(30000) && torva.exitStatus() == QProcess::NormalExit &&
           torva.exitCode() == 0;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

struct Editor
{
    const char *model;
    const char *action;
    const char *file;
    const char *field;
};

// Saves killed at random moments, from before the program reads the card to
// after it has replaced the file: each leaves the old or the new file whole,
// and a save that runs to its end leaves no temporary file beside it.
void killSavesOn(const QString &root, int runs)
{
    QProcess torva;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const TempFolder home;
    environment.insert(QStringLiteral("HOME"), home.path());
    torva.setProcessEnvironment(environment);
    std::mt19937 random(std::random_device{}());
    const Editor editors[] = {
        {"1", "set", "SETTING/setup.cfg", "front_resolution=%1"},
        {"6", "choose", "SETTING/blackbox.cfg", "local_time=%1"},
    };
    for (const Editor &editor : editors) {
        SCOPED_TRACE(editor.file);
        QDir(root).removeRecursively();
        QDir().mkpath(root);
        ASSERT_TRUE(save({"settings", "defaults", root, "--model", editor.model}, torva));
        const QString path = QDir(root).filePath(QLatin1String(editor.file));
        const auto saving = [&](int value) {
            return QStringList{"settings", editor.action, root,
                               QString::fromLatin1(editor.field).arg(value)};
        };
        QByteArray contents[2];
        QElapsedTimer lifetime;
        for (int value : {0, 1}) {
            lifetime.start();
            ASSERT_TRUE(save(saving(value), torva)) << torva.readAllStandardError().data();
            contents[value] = bytesOf(path);
        }
        ASSERT_NE(contents[0], contents[1]);
        std::uniform_int_distribution<int> delay(0, int(lifetime.nsecsElapsed() / 1000));
        int value = 1;
        int torn = 0;
        for (int run = 0; run < runs; ++run) {
            value = 1 - value;
            torva.start(QStringLiteral(TORVA_CLI_PATH), saving(value));
            ASSERT_TRUE(torva.waitForStarted());
            usleep(useconds_t(delay(random)));
            torva.kill();
            torva.waitForFinished();
            const QByteArray now = bytesOf(path);
            torn += now != contents[0] && now != contents[1];
            // Whichever the kill left, the next save starts from it.
            if (now == contents[value])
                value = 1 - value;
            if (run % 10 == 9) {
                value = 1 - value;
                ASSERT_TRUE(save(saving(value), torva));
                EXPECT_EQ(QFileInfo(path)
                              .dir()
                              .entryList(QDir::Files | QDir::Hidden | QDir::System)
                              .join(' ')
                              .toStdString(),
                          QFileInfo(path).fileName().toStdString())
                    << "after run " << run;
            }
        }
        EXPECT_EQ(torn, 0) << "of " << runs << " killed saves";
    }
}

constexpr int kRunsPerCard = 300;

TEST(SettingsSaveKilled, LeavesTheOldOrTheNewFileOnALocalDisk)
{
    const TempFolder folder;
    killSavesOn(folder.path(QStringLiteral("card")), kRunsPerCard);
}

// FAT, the cards' own file system, has no unnamed temporary files: each save
// writes a named one beside the settings.
TEST(SettingsSaveKilled, LeavesTheOldOrTheNewFileOnAFatCard)
{
    const TempFolder folder;
    const LoopCard card(folder.path(QStringLiteral("CARD")), QStringLiteral("vfat"),
                        QStringLiteral("CARD"));
    if (!card.problem().isEmpty())
        GTEST_SKIP() << qPrintable(card.problem());
    killSavesOn(folder.path(QStringLiteral("CARD/torva")), kRunsPerCard);
}

} // namespace
