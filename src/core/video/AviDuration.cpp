#include "core/video/AviDuration.h"

#include <QFile>
#include <QtEndian>

namespace {

// "RIFF" size "AVI ", "LIST" size "hdrl", "avih" size, then the header, whose
// fifth field is the frame count.
constexpr qint64 kHeaderAt = 32;
constexpr qint64 kBytesNeeded = kHeaderAt + 20;

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

std::optional<double> AviDuration::read(QIODevice &device)
{
    const QByteArray bytes = device.read(kBytesNeeded);
    if (bytes.size() < kBytesNeeded || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "AVI " ||
        bytes.mid(12, 4) != "LIST" || bytes.mid(20, 4) != "hdrl" || bytes.mid(24, 4) != "avih" ||
        le32(bytes, 28) < 20)
        return std::nullopt;
    const double microsecondsPerFrame = le32(bytes, kHeaderAt);
    const double frames = le32(bytes, kHeaderAt + 16);
    if (microsecondsPerFrame == 0 || frames == 0)
        return std::nullopt;
    return microsecondsPerFrame * frames / 1e6;
}

std::optional<double> AviDuration::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return read(file);
}
