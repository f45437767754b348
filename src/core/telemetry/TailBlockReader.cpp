#include "core/telemetry/TailBlockReader.h"

#include "core/telemetry/TelemetryNumbers.h"
#include "core/telemetry/TextFields.h"
#include "core/telemetry/Utf8ChunkValidator.h"

#include <QIODevice>

namespace {

constexpr int64_t kChunkBytes = 1 << 20;

// Where the sample text begins: after the marker when it lies near the end,
// else at byte 6.
int64_t textStart(QIODevice &device, int64_t length)
{
    if (length < TailBlockReader::kSearchWindow ||
        !device.seek(length - TailBlockReader::kSearchWindow))
        return 6;
    // Matches may start up to 7 bytes before the end.
    const QByteArray window = device.read(TailBlockReader::kSearchWindow - 1);
    const qsizetype found = window.indexOf("WQZKM7");
    return found < 0 ? 6 : length - TailBlockReader::kSearchWindow + found + 6;
}

class SampleLines
{
public:
    void feed(const QByteArray &text)
    {
        const auto *bytes = reinterpret_cast<const unsigned char *>(text.constData());
        const qsizetype size = text.size();
        for (qsizetype i = 0; i < size && !isFull(); ++i) {
            const int separator = separatorLength(bytes + i, size - i);
            if (separator > 0) {
                endLine();
                i += separator - 1;
            } else if (m_line.size() < TailBlockReader::kMaxLineBytes) {
                m_line.append(char(bytes[i]));
            } else {
                m_overlong = true;
            }
        }
    }

    TelemetryReading finish()
    {
        endLine();
        return m_reading;
    }

private:
    bool isFull() const { return m_reading.count >= TelemetrySamples::kCapacity; }

    // U+000A to U+000D, U+0085, U+2028 and U+2029 end a line.
    static int separatorLength(const unsigned char *b, qsizetype available)
    {
        if (b[0] >= 0x0A && b[0] <= 0x0D)
            return 1;
        if (b[0] == 0xC2 && available >= 2 && b[1] == 0x85)
            return 2;
        if (b[0] == 0xE2 && available >= 3 && b[1] == 0x80 && (b[2] == 0xA8 || b[2] == 0xA9))
            return 3;
        return 0;
    }

    void endLine()
    {
        if (!m_overlong && !isFull())
            parseLine(std::string_view(m_line.constData(), size_t(m_line.size())));
        m_line.clear();
        m_overlong = false;
    }

    void parseLine(std::string_view line)
    {
        using namespace TelemetryNumbers;
        const TextFields fields(line, ',');
        if (fields.size() != 7)
            return;
        TelemetrySamples &samples = m_reading.samples;
        const auto k = size_t(m_reading.count++);
        samples.gpsInfoLat[k] = leadingFloat(fields.at(1));
        samples.gpsInfoLng[k] = leadingFloat(fields.at(2));
        samples.gpsSpeed[k] = uint32_t(leadingInt(fields.at(3)));
        samples.gx[k] = int16_t(leadingInt(fields.at(4)));
        samples.gy[k] = int16_t(leadingInt(fields.at(5)));
        samples.gz[k] = int16_t(leadingInt(fields.at(6)));
        if (samples.gpsInfoLat[k] != 0.0f || samples.gpsInfoLng[k] != 0.0f)
            ++m_reading.gpsCount;
    }

    QByteArray m_line;
    bool m_overlong = false;
    TelemetryReading m_reading;
};

} // namespace

std::optional<TelemetryReading> TailBlockReader::read(QIODevice &device)
{
    const int64_t length = device.size();
    if (length < 6 || !device.seek(textStart(device, length)))
        return std::nullopt;

    // The whole text must be UTF-8, so it is checked to the end even after
    // the last sample that fits.
    Utf8ChunkValidator validator;
    SampleLines lines;
    while (!validator.hasError()) {
        const QByteArray chunk = device.read(kChunkBytes);
        if (chunk.isEmpty()) {
            if (device.atEnd() || device.pos() >= length)
                break;
            return std::nullopt; // a read error
        }
        lines.feed(validator.feed(chunk));
    }
    if (validator.finish())
        return TelemetryReading{};
    return lines.finish();
}
