#include "FileBytes.h"
#include "ReadOnlyCard.h"
#include "TempFolder.h"

#include "core/io/FileIO.h"
#include "core/settings/P820SettingManager.h"
#include "core/settings/QMVSettingManager.h"

#include <QFile>

#include <gtest/gtest.h>

using ReadError = FileIO::ReadError;
using WriteError = FileIO::WriteError;

// A write replaces the file and leaves nothing beside it; reads say why they failed.
TEST(FileIO, WritesReplaceTheFileAndReadsAreBounded)
{
    TempFolder folder;
    const QString file = folder.path(QStringLiteral("SETTING/lang/setup.cfg"));
    ASSERT_TRUE(FileIO::saveToFile(file, "first").ok());
    ASSERT_TRUE(FileIO::saveToFile(file, "0123456789").ok());
    EXPECT_EQ(FileBytes::entries(folder.path(QStringLiteral("SETTING/lang"))),
              QStringList{"setup.cfg"});
    // What a killed save left goes with the next save; files merely alike stay.
    for (const char *name :
         {"setup.cfg.aB3xY9", "setup.cfg.old", "setup.cfg.aB3xY90", "x.cfg.aB3xY9"})
        folder.write(QStringLiteral("SETTING/lang/") + name, "left");
    ASSERT_TRUE(FileIO::saveToFile(file, "0123456789").ok());
    EXPECT_EQ(FileBytes::entries(folder.path(QStringLiteral("SETTING/lang"))),
              (QStringList{"setup.cfg", "setup.cfg.aB3xY90", "setup.cfg.old", "x.cfg.aB3xY9"}));
    const std::tuple<QString, qint64, bool, ReadError, QByteArray> cases[] = {
        // path, limit, head only; error, bytes
        {file, 10, false, ReadError::None, "0123456789"},
        {file, 9, false, ReadError::ExceedSize, {}},
        {file, 4, true, ReadError::None, "0123"},
        {file, 64, true, ReadError::None, "0123456789"},
        {folder.path(QStringLiteral("missing.cfg")), 64, false, ReadError::NotExist, {}},
        {QString(), 64, true, ReadError::NotExist, {}},
        {folder.path(), 64, false, ReadError::Failed, {}},
    };
    for (const auto &[path, limit, head, error, bytes] : cases) {
        const FileIO::ReadResult read =
            head ? FileIO::readHead(path, limit) : FileIO::readFile(path, limit);
        EXPECT_EQ(read.error, error) << qPrintable(path) << " limit " << limit;
        EXPECT_EQ(read.bytes, bytes) << qPrintable(path) << " limit " << limit;
        EXPECT_EQ(read.message.isEmpty(), read.ok()) << qPrintable(read.message);
    }
}

// Each settings manager writes through FileIO: on a full or read-only card
// it reports the failure and the card keeps its files as they were.
TEST(FileIO, ReadOnlyOrFullCardKeepsTheOldFiles)
{
    ReadOnlyCard card;
    if (!card.error().isEmpty())
        GTEST_SKIP() << "the read-only and full card cases need root to mount a tmpfs ("
                     << qPrintable(card.error()) << ")";
    const QString setting = card.path() + QStringLiteral("/SETTING");
    const std::pair<QString, QByteArray> files[] = {
        {setting + QStringLiteral("/blackbox.cfg"), "model=V120\r\nset=0\r\n"},
        {setting + QStringLiteral("/setup.cfg"), QByteArray(400, '\x01')},
    };
    for (const auto &[path, bytes] : files)
        ASSERT_TRUE(FileIO::saveToFile(path, bytes).ok());
    const auto expectUntouched = [&] {
        for (const auto &[path, bytes] : files)
            EXPECT_EQ(FileBytes::read(path), bytes);
        EXPECT_EQ(FileBytes::entries(setting), QStringList({"blackbox.cfg", "setup.cfg"}));
    };
    P820SettingManager p820;
    p820.setSettingDirPath(card.path());
    p820.setModelType(26);
    QMVSettingManager compact;
    ASSERT_EQ(compact.loadData(card.path()), QMVSettingManager::LoadResult::CardFile);

    // The 256 KiB card cannot take this once the filler has the rest.
    card.fill();
    const FileIO::WriteResult full = FileIO::saveToFile(files[1].first, QByteArray(64 * 1024, 'x'));
    EXPECT_EQ(full.error, WriteError::DiskFull) << qPrintable(full.message);
    EXPECT_FALSE(full.message.isEmpty());
    expectUntouched();
    QFile::remove(card.path() + QStringLiteral("/filler"));

    ASSERT_TRUE(card.makeReadOnly());
    EXPECT_EQ(FileIO::saveToFile(files[1].first, "new").error, WriteError::NotWritable);
    EXPECT_EQ(FileIO::saveToFile(card.path() + QStringLiteral("/lang/ver.dat"), "").error,
              WriteError::CannotCreateFolder);
    EXPECT_FALSE(p820.loadData()) << "the rewrite at the model's length cannot happen";
    EXPECT_FALSE(p820.saveFieldsInPlace({SettingField::front_resolution}));
    EXPECT_EQ(compact.saveData(card.path()), QMVSettingManager::SaveResult::CannotWrite);
    expectUntouched();
    EXPECT_EQ(FileBytes::entries(card.path()), QStringList{"SETTING"});
}
