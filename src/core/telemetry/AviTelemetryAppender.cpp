#include "core/telemetry/AviTelemetryAppender.h"

#include <QFile>
#include <QtEndian>

namespace {

QByteArray littleEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray &id, const QByteArray &payload)
{
    QByteArray bytes = id + littleEndian32(quint32(payload.size())) + payload;
    if (payload.size() % 2 == 1)
        bytes.append('\0');
    return bytes;
}

} // namespace

bool AviTelemetryAppender::append(const QString &aviPath, const std::vector<QByteArray> &records)
{
    QFile file(aviPath);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "AVI ")
        return false;

    QByteArray chunks;
    for (const QByteArray &record : records)
        chunks += chunk("02tx", record);
    const QByteArray list = chunk("LIST", "TELE" + chunks);
    const qint64 riffSize = qint64(qFromLittleEndian<quint32>(header.constData() + 4));
    // The list goes right after the RIFF chunk's own payload, which must end
    // the file: anything after it (a second RIFF of a long recording) stays.
    const qint64 end = 8 + riffSize + (riffSize & 1);
    const qint64 newSize = riffSize + (riffSize & 1) + list.size();
    if (end != file.size() || newSize > qint64(0xFFFFFFFFu))
        return false;
    return file.seek(end) && file.write(list) == list.size() && file.seek(4) &&
           file.write(littleEndian32(quint32(newSize))) == 4 && file.flush();
}
