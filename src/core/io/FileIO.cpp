#include "core/io/FileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStorageInfo>

#include <algorithm>

namespace {

using WriteError = FileIO::WriteError;
using ReadError = FileIO::ReadError;

FileIO::WriteResult writeFailure(const QSaveFile &file, qint64 bytesNeeded, WriteError otherwise)
{
    WriteError error = otherwise;
    switch (FileIO::volumeState(file.fileName(), bytesNeeded)) {
    case FileIO::VolumeState::ReadOnly:
        error = WriteError::NotWritable;
        break;
    case FileIO::VolumeState::Full:
        error = WriteError::DiskFull;
        break;
    case FileIO::VolumeState::Usable:
        break;
    }
    return {error, QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString())};
}

// A save killed before it replaced its file leaves the temporary one QSaveFile
// names after it, "NAME.XXXXXX"; the next save of that file takes it away.
void removeKilledSaves(const QString &path)
{
    const QFileInfo target(path);
    const QDir folder = target.dir();
    const QRegularExpression temporaryName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (temporaryName.match(name).hasMatch())
            QFile::remove(folder.filePath(name));
    }
}

FileIO::ReadResult readFailure(ReadError error, const QString &message)
{
    return {error, QByteArray(), message};
}

} // namespace

FileIO::WriteResult FileIO::saveToFile(const QString &path, const QByteArray &bytes)
{
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return {WriteError::CannotCreateFolder, QStringLiteral("cannot create %1").arg(folder)};
    // Unbuffered: a write that fails says so at once; commit() would not notice a
    // failing final flush and put a cut file in place of the old one. Without
    // commit() the temporary file goes with the QSaveFile.
    removeKilledSaves(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(file, 1, WriteError::NotWritable);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return writeFailure(file, std::max<qint64>(bytes.size(), 1), WriteError::Failed);
    return {};
}

FileIO::ReadResult FileIO::readFile(const QString &path, qint64 maxSize)
{
    ReadResult result = readHead(path, maxSize + 1);
    if (result.ok() && result.bytes.size() > maxSize)
        return readFailure(ReadError::ExceedSize,
                           QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(maxSize));
    return result;
}

FileIO::ReadResult FileIO::readHead(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return readFailure(ReadError::NotExist, QStringLiteral("%1 does not exist").arg(path));
    // Only regular files: opening a pipe or device could block or never end.
    if (!info.isFile())
        return readFailure(ReadError::Failed, QStringLiteral("%1 is not a file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return readFailure(ReadError::Failed,
                           QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    // Sized by the file, not the limit; the byte past its size shows a file that grew meanwhile.
    const qint64 wanted = std::min(maxBytes, file.size() + 1);
    QByteArray bytes(wanted, Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < wanted) {
        const qint64 got = file.read(bytes.data() + filled, wanted - filled);
        if (got < 0)
            return readFailure(ReadError::Failed,
                               QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return {ReadError::None, bytes, QString()};
}

FileIO::VolumeState FileIO::volumeState(const QString &path, qint64 bytesNeeded)
{
    const QStorageInfo volume(QFileInfo(path).absolutePath());
    if (volume.isValid() && volume.isReadOnly())
        return VolumeState::ReadOnly;
    if (volume.isValid() && volume.bytesAvailable() < std::max<qint64>(bytesNeeded, 1))
        return VolumeState::Full;
    return VolumeState::Usable;
}
