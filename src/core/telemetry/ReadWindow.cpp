#include "core/telemetry/ReadWindow.h"

#include <QIODevice>

#include <algorithm>

ReadWindow::ReadWindow(QIODevice &device, int64_t blockSize)
    : m_device(device), m_blockSize(blockSize)
{
}

int64_t ReadWindow::ensure(int64_t pos, int64_t count)
{
    if (bufferedFrom(pos) >= count || m_atEnd)
        return std::clamp<int64_t>(bufferedFrom(pos), 0, count);

    // Drop what lies before pos, then read whole blocks until count fits.
    const int64_t keepFrom = std::min<int64_t>(pos - m_start, m_buffer.size());
    m_buffer.remove(0, keepFrom);
    m_start += keepFrom;
    const int64_t skipAhead = pos - m_start; // pos past everything read so far
    if (skipAhead > 0) {
        if (m_device.skip(skipAhead) < skipAhead) {
            m_atEnd = true;
            return 0;
        }
        m_start = pos;
    }
    while (!m_atEnd && bufferedFrom(pos) < count) {
        const int64_t before = m_buffer.size();
        const int64_t want = std::max(m_blockSize, count);
        m_buffer.resize(before + want);
        const int64_t got = m_device.read(m_buffer.data() + before, want);
        m_buffer.resize(before + std::max<int64_t>(got, 0));
        if (got < 0)
            m_failed = true;
        if (got <= 0)
            m_atEnd = true;
    }
    return std::clamp<int64_t>(bufferedFrom(pos), 0, count);
}
