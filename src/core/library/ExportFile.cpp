#include "core/library/ExportFile.h"

#include "core/io/FileIO.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

using Result = ExportFile::Result;

struct Source
{
    QIODevice &device;
    qint64 size = 0;
    QDateTime lastModified;
    // Whether the source is still what it was when the copy began.
    std::function<bool()> unchanged;
};

Result writeAll(Source &source, const QString &target, const ExportFile::Progress &progress,
                qint64 chunkSize)
{
    // Without commit() the temporary file is removed with the QSaveFile.
    // Unbuffered: every write reports its own failure, and no failing final
    // flush is left for commit(), which would not notice it.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qWarning("Cannot create %s: %s", qPrintable(target), qPrintable(out.errorString()));
        return ExportFile::targetFailure(target, 1, Result::TargetNotWritable);
    }
    QByteArray buffer(std::max<qint64>(chunkSize, 1), Qt::Uninitialized);
    qint64 done = 0;
    while (done < source.size) {
        const qint64 got =
            source.device.read(buffer.data(), std::min<qint64>(buffer.size(), source.size - done));
        if (got < 0) {
            qWarning("Cannot read the source of %s: %s", qPrintable(target),
                     qPrintable(source.device.errorString()));
            return Result::SourceUnreadable;
        }
        if (got == 0) {
            qWarning("The source of %s ended after %lld of %lld bytes", qPrintable(target), done,
                     source.size);
            return Result::SourceVanished;
        }
        if (out.write(buffer.constData(), got) != got) {
            qWarning("Cannot write %s: %s", qPrintable(target), qPrintable(out.errorString()));
            return ExportFile::targetFailure(target, source.size - done, Result::WriteFailed);
        }
        done += got;
        if (progress && !progress(done, source.size))
            return Result::Cancelled;
    }
    if (!source.unchanged()) {
        qWarning("The source of %s changed while it was copied", qPrintable(target));
        return Result::SourceVanished;
    }
    // The copy keeps the recording's time, as a copy in a file manager does.
    if (source.lastModified.isValid())
        out.setFileTime(source.lastModified, QFileDevice::FileModificationTime);
    if (!out.commit()) {
        qWarning("Cannot finish %s: %s", qPrintable(target), qPrintable(out.errorString()));
        return ExportFile::targetFailure(target, 1, Result::WriteFailed);
    }
    return Result::Written;
}

} // namespace

ExportFile::Result ExportFile::targetFailure(const QString &target, qint64 bytesNeeded,
                                             Result otherwise)
{
    switch (FileIO::volumeState(target, bytesNeeded)) {
    case FileIO::VolumeState::ReadOnly:
        return Result::TargetReadOnly;
    case FileIO::VolumeState::Full:
        return Result::DiskFull;
    case FileIO::VolumeState::Usable:
        break;
    }
    return otherwise;
}

ExportFile::Result ExportFile::copyFile(const QString &source, const QString &target,
                                        const Progress &progress, qint64 chunkSize)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qWarning("Cannot open %s: %s", qPrintable(source), qPrintable(in.errorString()));
        return Result::SourceUnreadable;
    }
    const QFileInfo before(source);
    Source from{in, in.size(), before.lastModified(), [&source, size = in.size()] {
                    const QFileInfo now(source);
                    return now.exists() && now.size() == size;
                }};
    return writeAll(from, target, progress, chunkSize);
}

ExportFile::Result ExportFile::writeFile(const QString &target, const QByteArray &bytes)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    Source from{in, bytes.size(), QDateTime(), [] { return true; }};
    return writeAll(from, target, {}, kChunkSize);
}

const char *ExportFile::messageKey(Result result)
{
    switch (result) {
    case Result::Written:
    case Result::Cancelled:
        return nullptr;
    case Result::SourceUnreadable:
        return "영상을 읽을 수 없습니다.";
    case Result::SourceVanished:
        return "복사하는 동안 영상이 바뀌었거나 사라졌습니다. 메모리카드를 확인하여 주시기 "
               "바랍니다.";
    case Result::TargetReadOnly:
        return "읽기 전용 위치에는 저장할 수 없습니다.";
    case Result::TargetNotWritable:
        return "선택한 위치에 저장할 수 없습니다.";
    case Result::DiskFull:
        return "저장 공간이 부족합니다.";
    case Result::WriteFailed:
        return "파일을 저장하는 중 오류가 발생했습니다.";
    }
    return nullptr;
}
