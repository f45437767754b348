#include "settings/QMVSettingManager.h"

#include "TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A card on a small tmpfs of its own. Root writes through any permission, so
// only a read-only mount or a full one makes a save fail. Mounting needs root.
class TmpfsCard
{
public:
    explicit TmpfsCard(const QString &root) : m_root(root.toLocal8Bit())
    {
        QDir().mkpath(root);
        if (mount("tmpfs", m_root.constData(), "tmpfs", 0, "size=256k") != 0)
            m_error = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    }
    ~TmpfsCard()
    {
        if (m_error.empty())
            umount2(m_root.constData(), MNT_DETACH);
    }
    // Empty when the card is mounted.
    const std::string &error() const { return m_error; }

    bool makeReadOnly()
    {
        return mount(nullptr, m_root.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    // Takes all the free space with one filler file.
    void fill()
    {
        const int fd = open((m_root + "/filler").constData(), O_WRONLY | O_CREAT, 0644);
        const std::string block(4096, 'x');
        while (fd >= 0 && write(fd, block.data(), block.size()) > 0) {
        }
        close(fd);
    }

private:
    QByteArray m_root;
    std::string m_error;
};

void expectFailedSaveKeepsTheFile(const QString &root, const QByteArray &original,
                                  QMVSettingManager &manager)
{
    EXPECT_EQ(manager.saveData(root), QMVSettingManager::SaveResult::CannotWrite);
    EXPECT_EQ(fileBytes(root + QStringLiteral("/SETTING/blackbox.cfg")), original);
    EXPECT_EQ(QDir(root + QStringLiteral("/SETTING")).entryList(QDir::Files | QDir::Hidden),
              QStringList(QStringLiteral("blackbox.cfg")));
}

} // namespace

TEST(QMVSettingManagerSave, FailedSaveLeavesTheCardFileAsItWas)
{
    const QByteArray original("model=V120\r\nset=0\r\n");
    TempFolder folder;
    const QString root = folder.path(QStringLiteral("card"));
    TmpfsCard card(root);
    if (!card.error().empty())
        GTEST_SKIP() << card.error();
    folder.write(QStringLiteral("card/SETTING/blackbox.cfg"), original);

    QMVSettingManager manager;
    ASSERT_EQ(manager.loadData(root), QMVSettingManager::LoadResult::CardFile);
    // Larger than the card's free space once the card is full.
    ASSERT_EQ(
        manager.replaceValue(QStringLiteral("set"), QString(qsizetype(1) << 16, QLatin1Char('1'))),
        QMVSettingManager::ReplaceResult::Replaced);

    card.fill();
    expectFailedSaveKeepsTheFile(root, original, manager);
    QFile::remove(root + QStringLiteral("/filler"));

    ASSERT_TRUE(card.makeReadOnly()) << std::strerror(errno);
    expectFailedSaveKeepsTheFile(root, original, manager);
}

TEST(QMVSettingManagerSave, NoCardOrAVanishedCardWritesNothing)
{
    QMVSettingManager manager;
    ASSERT_TRUE(manager.loadDefaultData_V120());
    EXPECT_EQ(manager.saveData(QString()), QMVSettingManager::SaveResult::NoCard);

    TempFolder folder;
    const QString gone = folder.path(QStringLiteral("media/CARD"));
    EXPECT_EQ(manager.saveData(gone), QMVSettingManager::SaveResult::CannotWrite);
    EXPECT_FALSE(QFile::exists(folder.path(QStringLiteral("media"))));

    // A "SETTING" that is a file, not a folder, cannot take the settings.
    const QByteArray blocker("not a folder");
    folder.write(QStringLiteral("card/SETTING"), blocker);
    EXPECT_EQ(manager.saveData(folder.path(QStringLiteral("card"))),
              QMVSettingManager::SaveResult::CannotWrite);
    EXPECT_EQ(fileBytes(folder.path(QStringLiteral("card/SETTING"))), blocker);
}
