#include "VideoTestFiles.h"

#include "core/video/ChildProcess.h"
#include "core/video/Utils.h"

#include <QDebug>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdlib>

bool VideoTestFiles::movie(const QString &path, const QString &source, const QString &size,
                           int seconds)
{
    return ffmpeg({"-f", "lavfi", "-i", source + "=size=" + size + ":rate=30", "-t",
                   QString::number(seconds), "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt",
                   "yuv420p", "-g", "30", path});
}

QImage VideoTestFiles::frameAt(const QString &moviePath, double seconds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("frame.png"));
    if (!ffmpeg({"-ss", QString::number(seconds), "-i", moviePath, "-frames:v", "1", path}))
        return {};
    return QImage(path);
}

double VideoTestFiles::difference(const QImage &picture, const QImage &reference)
{
    if (picture.isNull() || reference.isNull())
        return 255.0;
    const QImage a = picture.convertToFormat(QImage::Format_RGB32);
    const QImage b = reference.convertToFormat(QImage::Format_RGB32)
                         .scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rowB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            sum += std::abs(qRed(rowA[x]) - qRed(rowB[x])) +
                   std::abs(qGreen(rowA[x]) - qGreen(rowB[x])) +
                   std::abs(qBlue(rowA[x]) - qBlue(rowB[x]));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

bool VideoTestFiles::ffmpeg(const QStringList &arguments)
{
    QProcess process;
    ChildProcess::start(process, Utils::GetFFMPEGPath(),
                        QStringList{"-nostdin", "-y", "-v", "error"} + arguments);
    process.waitForFinished(60000);
    if (!ChildProcess::succeeded(process)) {
        qWarning().noquote() << "test movie: ffmpeg" << arguments.join(' ')
                             << "failed:" << process.readAll();
        return false;
    }
    return true;
}
