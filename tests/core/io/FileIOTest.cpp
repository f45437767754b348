#include "FileBytes.h"
#include "FolderListing.h"
#include "ReadOnlyCard.h"
#include "TempFolder.h"

#include "core/io/FileIO.h"

#include <QDir>

#include <gtest/gtest.h>

using ReadError = FileIO::ReadError;
using WriteError = FileIO::WriteError;

TEST(FileIO, WrittenBytesReadBackAndReplaceTheOldFile)
{
    TempFolder folder;
    const QString path = folder.path(QStringLiteral("SETTING/lang/ver.dat"));
    const FileIO::WriteResult created = FileIO::saveToFile(path, "first");
    ASSERT_TRUE(created.ok()) << qPrintable(created.message);
    ASSERT_TRUE(FileIO::saveToFile(path, "second").ok());
    EXPECT_EQ(FileIO::readFile(path, 6).bytes, QByteArray("second"));
    EXPECT_EQ(FolderListing::entries(folder.path(QStringLiteral("SETTING/lang"))),
              QStringList{"ver.dat"});
}

TEST(FileIO, ReadsAreBoundedAndSayWhyTheyFailed)
{
    TempFolder folder;
    const QString file = folder.write(QStringLiteral("setup.cfg"), "0123456789");
    const struct
    {
        QString path;
        qint64 limit;
        bool head;
        ReadError error;
        QByteArray bytes;
    } cases[] = {
        {file, 10, false, ReadError::None, "0123456789"},
        {file, 9, false, ReadError::ExceedSize, {}},
        {file, 4, true, ReadError::None, "0123"},
        {file, 64, true, ReadError::None, "0123456789"},
        {folder.path(QStringLiteral("missing.cfg")), 64, false, ReadError::NotExist, {}},
        {QString(), 64, true, ReadError::NotExist, {}},
        {folder.path(), 64, false, ReadError::Failed, {}},
    };
    for (const auto &c : cases) {
        const FileIO::ReadResult read =
            c.head ? FileIO::readHead(c.path, c.limit) : FileIO::readFile(c.path, c.limit);
        EXPECT_EQ(read.error, c.error) << qPrintable(c.path) << " limit " << c.limit;
        EXPECT_EQ(read.bytes, c.bytes) << qPrintable(c.path) << " limit " << c.limit;
        EXPECT_EQ(read.message.isEmpty(), read.ok()) << qPrintable(read.message);
    }
}

TEST(FileIO, ReadOnlyOrFullCardKeepsTheOldFile)
{
    ReadOnlyCard card;
    if (!card.error().isEmpty())
        GTEST_SKIP() << "SKIPPED: the read-only and full card cases need root to mount a tmpfs ("
                     << qPrintable(card.error()) << ")";
    const QString path = QDir(card.path()).filePath(QStringLiteral("SETTING/blackbox.cfg"));
    ASSERT_TRUE(FileIO::saveToFile(path, "old").ok());

    // The 256 KiB card cannot take this once the filler has the rest.
    card.fill();
    const FileIO::WriteResult full = FileIO::saveToFile(path, QByteArray(64 * 1024, 'x'));
    EXPECT_EQ(full.error, WriteError::DiskFull) << qPrintable(full.message);
    EXPECT_FALSE(full.message.isEmpty());
    EXPECT_EQ(FileBytes::read(path), QByteArray("old"));
    EXPECT_EQ(FolderListing::entries(QDir(card.path()).filePath(QStringLiteral("SETTING"))),
              QStringList{"blackbox.cfg"});
    QFile::remove(QDir(card.path()).filePath(QStringLiteral("filler")));

    ASSERT_TRUE(card.makeReadOnly());
    EXPECT_EQ(FileIO::saveToFile(path, "new").error, WriteError::NotWritable);
    EXPECT_EQ(FileBytes::read(path), QByteArray("old"));
    EXPECT_EQ(
        FileIO::saveToFile(QDir(card.path()).filePath(QStringLiteral("lang/ver.dat")), "").error,
        WriteError::CannotCreateFolder);
    EXPECT_EQ(FolderListing::entries(card.path()), QStringList{"SETTING"});
}
