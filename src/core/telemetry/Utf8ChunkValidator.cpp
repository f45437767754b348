#include "core/telemetry/Utf8ChunkValidator.h"

#include "core/telemetry/TelemetryNumbers.h"

#include <string_view>

namespace {

// Bytes at the end that begin a sequence not yet complete.
qsizetype unfinishedTail(const QByteArray &bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: look further back for the lead
        const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

} // namespace

QByteArray Utf8ChunkValidator::feed(const QByteArray &piece)
{
    if (m_error)
        return {};
    m_pending += piece;
    const qsizetype keep = unfinishedTail(m_pending);
    QByteArray whole = m_pending.left(m_pending.size() - keep);
    m_pending.remove(0, whole.size());
    if (!TelemetryNumbers::isValidUtf8(std::string_view(whole.constData(), size_t(whole.size())))) {
        m_error = true;
        return {};
    }
    return whole;
}

bool Utf8ChunkValidator::finish()
{
    if (!m_pending.isEmpty())
        m_error = true;
    return m_error;
}
