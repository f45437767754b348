#include "core/telemetry/Mp4TelemetryScanner.h"

#include "core/telemetry/P820TelemetryRecords.h"
#include "core/telemetry/ReadWindow.h"
#include "core/telemetry/TelemetryNumbers.h"

#include <bit>
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

namespace {

// The first p in [from, last) with p[0] == '0' and p[1] == '2' or '3'; the
// bytes up to last + 1 must be readable. Sixteen positions are compared at a
// time: pairs are rare, so most of a recording is passed over in bulk.
using Bytes = unsigned char __attribute__((vector_size(16)));

Bytes candidatesAt(const char *p)
{
    Bytes here;
    Bytes next;
    std::memcpy(&here, p, sizeof here);
    std::memcpy(&next, p + 1, sizeof next);
    return Bytes((here == '0') & ((next & 0xFE) == '2'));
}

bool any(Bytes hits)
{
    uint64_t halves[2];
    std::memcpy(halves, &hits, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

const char *findTagCandidate(const char *from, const char *last)
{
    const char *p = from;
    // Sixty-four positions per step while nothing is found; pairs are rare.
    while (last - p >= 64 && !any(candidatesAt(p) | candidatesAt(p + 16) | candidatesAt(p + 32) |
                                  candidatesAt(p + 48)))
        p += 64;
    for (; p < last; ++p) {
        if (p[0] == '0' && (p[1] & ~1) == '2')
            return p;
    }
    return nullptr;
}

// Moves pos to the next tag start in what is buffered, stepping over partial
// matches exactly as a byte-by-byte scan would: a '0' that does not begin a
// pair moves on by one; "0[23]" without "t" by three; "0[23]t" without "x" by
// four. Returns false when the buffer ran out first (pos is then where the
// scan must go on).
bool findTag(ReadWindow &window, int64_t &pos)
{
    const char *const base = window.at(pos);
    const char *const last = base + window.bufferedFrom(pos) - 3; // a tag needs four bytes
    const char *p = base;
    bool found = false;
    while (p < last) {
        p = findTagCandidate(p, last);
        if (p == nullptr) {
            p = last;
            break;
        }
        if (p[2] != 't') {
            p += 3;
        } else if (p[3] != 'x') {
            p += 4;
        } else {
            found = true;
            break;
        }
    }
    pos += p - base;
    return found;
}

} // namespace

TelemetryReading Mp4TelemetryScanner::scan(QIODevice &device, int64_t blockSize)
{
    ReadWindow window(device, blockSize);
    P820TelemetryRecords records;
    int64_t i = 0;
    while (!records.isFull()) {
        if (window.ensure(i, 4) < 4)
            break; // no tag fits in what is left
        if (!findTag(window, i))
            continue;
        const int64_t p = skipZeros(window, i + 5);
        const int64_t available = window.ensure(p, kRecordBytes);
        const char *record = window.at(p);
        handleRecord(std::string_view(record, qstrnlen(record, size_t(available))), records);
        i = p + 1;
    }
    if (window.readFailed())
        return TelemetryReading{};
    return records.finish();
}
