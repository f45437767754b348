#include "telemetry/Mp4TelemetryScanner.h"

#include "telemetry/P820TelemetryRecords.h"
#include "telemetry/ReadWindow.h"
#include "telemetry/TelemetryNumbers.h"
#include "telemetry/TorvaClipData.h"

#include <cstring>
#include <string_view>

namespace {

void handleRecord(std::string_view text, P820TelemetryRecords &records)
{
    if (!TelemetryNumbers::isValidUtf8(text))
        return;
    const TextFields fields(text, ',');
    if (P820TelemetryRecords::isRmcKind(fields.at(0))) {
        if (fields.size() >= 6)
            records.handleRmc(fields, 2);
        return;
    }
    records.appendAcceleration(fields);
}

// Returns the position after the zero bytes that start at pos.
int64_t skipZeros(ReadWindow &window, int64_t pos)
{
    while (window.ensure(pos, 1) > 0) {
        const char *bytes = window.at(pos);
        const int64_t available = window.bufferedFrom(pos);
        int64_t i = 0;
        while (i < available && bytes[i] == '\0')
            ++i;
        pos += i;
        if (i < available)
            break;
    }
    return pos;
}

} // namespace

int32_t Mp4TelemetryScanner::scan(QIODevice &device, TorvaClipData &track, int64_t blockSize)
{
    ReadWindow window(device, blockSize);
    P820TelemetryRecords records;
    int64_t i = 0;
    while (!records.isFull()) {
        if (window.ensure(i, 4) < 4)
            break; // no tag fits in what is left
        const char *bytes = window.at(i);
        const auto *zero = static_cast<const char *>(std::memchr(bytes, '0', size_t(window.bufferedFrom(i))));
        if (zero == nullptr) {
            i += window.bufferedFrom(i);
            continue;
        }
        i += zero - bytes;
        if (window.ensure(i, 4) < 4)
            break;
        const char *tag = window.at(i);
        if ((tag[1] & ~1) != '2') {
            i += 1;
            continue;
        }
        if (tag[2] != 't') {
            i += 3;
            continue;
        }
        if (tag[3] != 'x') {
            i += 4;
            continue;
        }
        const int64_t p = skipZeros(window, i + 5);
        const int64_t available = window.ensure(p, kRecordBytes);
        const char *record = window.at(p);
        handleRecord(std::string_view(record, qstrnlen(record, size_t(available))), records);
        i = p + 1;
    }
    if (window.readFailed()) {
        track.setGpsDataCount(0);
        return 0;
    }
    return records.finish(track);
}
