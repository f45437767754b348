#include "core/video/Utils.h"

#include "core/settings/CardVolumes.h"
#include "core/video/ChildProcess.h"
#include "core/video/ConversionCache.h"
#include "core/video/FfmpegLocator.h"
#include "core/video/TranscoderArguments.h"
#include "core/video/VideoConversion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <iterator>

namespace {

int countMatches(const QRegularExpression &expression, const QString &text)
{
    int count = 0;
    for (auto match = expression.globalMatch(text); match.hasNext(); match.next())
        ++count;
    return count;
}

// Whether the bytes at the offset begin with one of the codec marks; the
// mark's index, as an AviType.
std::optional<int> codecMarkAt(QFile &file, qint64 offset)
{
    static const char *const kMarks[] = {"H264", "AVC1", "iso4hvc1"};
    if (!file.seek(offset))
        return std::nullopt;
    const QByteArray text = file.read(16);
    for (int type = 0; type < int(std::size(kMarks)); ++type) {
        const auto length = qsizetype(qstrlen(kMarks[type]));
        if (text.size() >= length && qstrnicmp(text.constData(), kMarks[type], length) == 0)
            return type;
    }
    return std::nullopt;
}

} // namespace

bool Utils::isEXteranlMemoryWithURL(const QUrl &url)
{
    return url.isLocalFile() && CardVolumes::isLocalRemovable(url.toLocalFile());
}

QString Utils::DoTaskWithLaunchPath(const QString &path, const QStringList &arguments)
{
    return ChildProcess::run(path, arguments);
}

QString Utils::GetFFMPEGPath()
{
    return FfmpegLocator::ffmpegPath();
}

QString Utils::GetFFMPEGVideoInfo(const QString &path)
{
    return DoTaskWithLaunchPath(GetFFMPEGPath(), TranscoderArguments::listing(path));
}

// ffmpeg 5 writes "Stream #0:0[0x1](und): Video: h264 …"; the optional stream
// id and language fall into the lazy middle group.
int Utils::GetVideoStreamCountFromVideoInfo(const QString &info)
{
    static const QRegularExpression video(QStringLiteral(R"((Stream #\d{1}:\d{1}(.*?): Video))"),
                                          QRegularExpression::CaseInsensitiveOption);
    return countMatches(video, info);
}

int Utils::GetAudioStreamCountFromVideoInfo(const QString &info)
{
    static const QRegularExpression audio(QStringLiteral(R"((Stream #\d{1}:\d{1}(.*?): Audio))"),
                                          QRegularExpression::CaseInsensitiveOption);
    return countMatches(audio, info);
}

int Utils::GetVideoStreamCountFromVideoPath(const QString &path)
{
    return GetVideoStreamCountFromVideoInfo(GetFFMPEGVideoInfo(path));
}

int Utils::GetAudioStreamCountFromVideoPath(const QString &path)
{
    return GetAudioStreamCountFromVideoInfo(GetFFMPEGVideoInfo(path));
}

int Utils::GetAviType(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TranscoderArguments::kAviTypeOther;
    // The AVI video stream's handler, else the MP4 compatible brands.
    for (const qint64 offset : {112, 16}) {
        if (const auto type = codecMarkAt(file, offset))
            return *type;
    }
    return TranscoderArguments::kAviTypeOther;
}

QString Utils::GetWorkingDirectoryPath()
{
    ConversionCache::prepare();
    return ConversionCache::folderPath();
}

bool Utils::RemoveDirectory(const QString &path)
{
    const QFileInfo item(path);
    if (item.isDir() && !item.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

std::optional<QList<QUrl>> Utils::checkAndConvertVideo(const QUrl &url)
{
    VideoConversion conversion(url);
    const VideoConversion::Result result = conversion.run();
    if (result.status != VideoConversion::Result::Status::Answered)
        return std::nullopt;
    return result.files;
}
