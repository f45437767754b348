#include "core/telemetry/AviTelemetryReader.h"

#include "core/telemetry/GpsState.h"
#include "core/telemetry/TelemetryTrackBuilder.h"

#include <QIODevice>

#include <algorithm>
#include <string_view>

namespace {

constexpr int kGroupCapacity = 60;

uint32_t littleEndian32(const char *bytes)
{
    const auto *b = reinterpret_cast<const unsigned char *>(bytes);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

class AviRecordHandler
{
public:
    explicit AviRecordHandler(AviTelemetryReader::Family family)
        : m_family(family), m_builder(kGroupCapacity)
    {
    }

    void handle(const QByteArray &payload)
    {
        if (payload.isEmpty())
            return;
        switch (payload.front()) {
        case 'M':
            handleAcceleration(payload);
            break;
        case 'T':
            if (m_family == AviTelemetryReader::Family::Standard) {
                m_gps = GpsState{};
                m_builder.closeGroup(m_gps);
            }
            break;
        case '$':
        case 'G':
            handleSentence(payload);
            break;
        default:
            break;
        }
    }

    bool isFull() const { return m_builder.isFull(); }

    TelemetryReading finish()
    {
        m_builder.closeGroupAtEnd(m_gps);
        return m_builder.reading();
    }

private:
    void handleAcceleration(const QByteArray &payload)
    {
        const auto raw = [&payload](int i) { return int(static_cast<unsigned char>(payload[i])); };
        if (m_family == AviTelemetryReader::Family::Standard) {
            if (payload.size() < 4)
                return;
            m_builder.appendEntry(
                {int16_t(128 - raw(1)), int16_t(128 - raw(2)), int16_t(128 - raw(3))});
            return;
        }
        if (payload.size() < 7 || raw(4) != 1 || raw(5) != 1 || raw(6) != 1)
            return;
        m_builder.appendEntry({int16_t((raw(1) - 128) * 10), int16_t((raw(2) - 128) * 10),
                               int16_t((raw(3) - 128) * 10)});
    }

    void handleSentence(const QByteArray &payload)
    {
        // The payload is a zero-terminated text.
        const std::string_view text(payload.constData(),
                                    qstrnlen(payload.constData(), size_t(payload.size())));
        const TextFields fields(text, ',');
        if (fields.at(0) != "$GPRMC" && fields.at(0) != "G$GPRMC")
            return;
        m_gps = GpsState::fromRmc(fields, 2);
        m_builder.closeGroup(m_gps);
    }

    AviTelemetryReader::Family m_family;
    TelemetryTrackBuilder m_builder;
    GpsState m_gps;
};

} // namespace

std::optional<TelemetryReading> AviTelemetryReader::read(QIODevice &device, Family family)
{
    const QByteArray riff = device.read(8);
    if (riff.size() < 8 || !riff.startsWith("RIFF"))
        return std::nullopt;
    if (device.read(4) != "AVI ")
        return std::nullopt;

    AviRecordHandler handler(family);
    while (!handler.isFull()) {
        const QByteArray header = device.read(8);
        if (header.size() < 8)
            break; // end of the stream, or a header cut short by it
        const std::string_view id(header.constData(), 4);
        const int64_t size = littleEndian32(header.constData() + 4);
        const int64_t pad = size & 1;
        if (id == "02tx" || id == "03tx") {
            const int64_t wanted = std::min(size, kMaxRecordBytes);
            const QByteArray payload = device.read(wanted);
            handler.handle(payload);
            if (payload.size() < wanted)
                break;
            device.skip(size - wanted + pad);
        } else if (id == "LIST") {
            if (device.read(4).size() < 4)
                break;
        } else if (device.skip(size + pad) < size + pad) {
            break;
        }
    }
    return handler.finish();
}
