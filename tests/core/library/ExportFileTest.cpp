#include "FileBytes.h"
#include "ReadOnlyCard.h"
#include "TempFolder.h"

#include "core/library/ExportFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

using Result = ExportFile::Result;

// Bytes that differ from one offset to the next.
QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

} // namespace

TEST(ExportFile, CopiesChunkAfterChunkAndABrokenCopyLeavesNothing)
{
    TempFolder from;
    TempFolder to;
    const QByteArray bytes = pattern(10000);
    const QString source = from.path("REC_0001.avi");
    const QString target = to.path("copy.avi");
    // The user cancels, the card is pulled, or the camera cuts the file short.
    const std::pair<ExportFile::Progress, Result> rows[] = {
        {[](qint64, qint64) { return false; }, Result::Cancelled},
        {[&](qint64, qint64) { return QFile::remove(source) || true; }, Result::SourceVanished},
        {[&](qint64, qint64) { return QFile::resize(source, 5000); }, Result::SourceVanished}};
    for (const auto &[progress, result] : rows) {
        from.write("REC_0001.avi", bytes);
        EXPECT_EQ(ExportFile::copyFile(source, target, progress, 4096), result);
        EXPECT_TRUE(FileBytes::entries(to.path()).isEmpty());
    }
    from.write("REC_0001.avi", bytes);
    EXPECT_EQ(ExportFile::copyFile(from.path("missing.avi"), target), Result::SourceUnreadable);
    EXPECT_EQ(ExportFile::copyFile(source, to.path("no/such/folder/copy.avi")),
              Result::TargetNotWritable);
    EXPECT_TRUE(FileBytes::entries(to.path()).isEmpty());
    // A cancelled copy keeps an older file of that name as it was; a whole one replaces it.
    to.write("copy.avi", "old");
    EXPECT_EQ(ExportFile::copyFile(source, target, rows[0].first, 4096), Result::Cancelled);
    EXPECT_EQ(FileBytes::read(target), QByteArray("old"));
    QList<qint64> steps;
    const auto progress = [&steps](qint64 done, qint64 total) {
        EXPECT_EQ(total, 10000);
        steps.append(done);
        return true;
    };
    EXPECT_EQ(ExportFile::copyFile(source, target, progress, 4096), Result::Written);
    EXPECT_EQ(steps, QList<qint64>({4096, 8192, 10000}));
    EXPECT_EQ(FileBytes::read(target), bytes);
    EXPECT_EQ(QFileInfo(target).lastModified(), QFileInfo(source).lastModified());
    EXPECT_EQ(ExportFile::writeFile(to.path("picture.png"), bytes), Result::Written);
    EXPECT_EQ(FileBytes::read(to.path("picture.png")), bytes);
    EXPECT_EQ(FileBytes::entries(to.path()), QStringList({"copy.avi", "picture.png"}));
}

TEST(ExportFile, ReadOnlyOrFullCardLeavesNothing)
{
    TempFolder from;
    const QString small = from.write("small.avi", pattern(64 * 1024));
    const QString large = from.write("large.avi", pattern(1024 * 1024));

    ReadOnlyCard readOnly;
    if (!readOnly.error().isEmpty())
        GTEST_SKIP() << qPrintable(readOnly.error()) << " (needs root to mount a card)";
    ASSERT_TRUE(readOnly.makeReadOnly());
    const QString onReadOnly = readOnly.path() + "/copy.avi";
    EXPECT_EQ(ExportFile::copyFile(small, onReadOnly), Result::TargetReadOnly);
    EXPECT_EQ(ExportFile::writeFile(onReadOnly, "png"), Result::TargetReadOnly);
    EXPECT_TRUE(FileBytes::entries(readOnly.path()).isEmpty());
    // The 256 KiB card runs out of room in the middle of the copy.
    ReadOnlyCard smallCard;
    const QString onSmall = smallCard.path() + "/copy.avi";
    EXPECT_EQ(ExportFile::copyFile(large, onSmall, {}, 16 * 1024), Result::DiskFull);
    EXPECT_TRUE(FileBytes::entries(smallCard.path()).isEmpty());

    ReadOnlyCard fullCard;
    fullCard.fill();
    const QString onFull = fullCard.path() + "/copy.avi";
    EXPECT_EQ(ExportFile::copyFile(small, onFull), Result::DiskFull);
    EXPECT_EQ(ExportFile::writeFile(onFull, pattern(8192)), Result::DiskFull);
    EXPECT_EQ(FileBytes::entries(fullCard.path()), QStringList{"filler"});
}

TEST(ExportFile, EveryFailureHasAMessageInEveryLanguage)
{
    EXPECT_EQ(ExportFile::messageKey(Result::Written), nullptr);
    EXPECT_EQ(ExportFile::messageKey(Result::Cancelled), nullptr);
    for (const char *code : {"en", "fr", "ja", "pt"}) {
        QTranslator table;
        ASSERT_TRUE(table.load(QStringLiteral(":/i18n/torva_%1.qm").arg(QLatin1String(code))));
        for (Result failure :
             {Result::SourceUnreadable, Result::SourceVanished, Result::TargetReadOnly,
              Result::TargetNotWritable, Result::DiskFull, Result::WriteFailed}) {
            const char *key = ExportFile::messageKey(failure);
            EXPECT_FALSE(!key || table.translate("Localizable_P820", key).isEmpty())
                << code << " " << int(failure);
        }
    }
}
