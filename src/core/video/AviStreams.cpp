#include "core/video/AviStreams.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace {

// "RIFF" size "AVI ", then "LIST" size "hdrl".
constexpr qint64 kListAt = 12;
constexpr qint64 kListBodyAt = 24;

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

std::optional<AviStreams::Counts> AviStreams::read(QIODevice &device)
{
    QByteArray bytes = device.read(kListBodyAt);
    if (bytes.size() < kListBodyAt || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "AVI " ||
        bytes.mid(kListAt, 4) != "LIST" || bytes.mid(20, 4) != "hdrl")
        return std::nullopt;
    // The list's size counts its type.
    const qint64 listSize = le32(bytes, kListAt + 4);
    if (listSize < 4 || listSize - 4 > kMaxHeaderBytes)
        return std::nullopt;
    bytes = device.read(listSize - 4);
    if (bytes.size() != listSize - 4)
        return std::nullopt;
    Counts counts;
    // Each chunk: id, size, body, a pad byte after an odd size.
    for (qsizetype at = 0; at + 8 <= bytes.size();) {
        const qint64 size = le32(bytes, at + 4);
        if (at + 8 + size > bytes.size())
            return std::nullopt;
        if (bytes.mid(at, 4) == "LIST" && size >= 4 && bytes.mid(at + 8, 4) == "strl") {
            // The stream header comes first in its list.
            if (size < 4 + 8 + 4 || bytes.mid(at + 12, 4) != "strh" || le32(bytes, at + 16) < 4)
                return std::nullopt;
            const QByteArray kind = bytes.mid(at + 20, 4);
            if (kind == "vids")
                ++counts.video;
            else if (kind == "auds")
                ++counts.audio;
            else if (kind != "txts")
                return std::nullopt;
        }
        at += 8 + size + (size & 1);
    }
    return counts;
}

std::optional<AviStreams::Counts> AviStreams::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return read(file);
}
