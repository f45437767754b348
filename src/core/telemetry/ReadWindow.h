#pragma once

#include <QByteArray>

#include <cstdint>

class QIODevice;

// A forward-only window over a device, so that a scan can look a few bytes
// ahead anywhere in a file of any size while holding only one block in
// memory. Positions are absolute offsets from where the device stood at
// construction.
class ReadWindow
{
public:
    explicit ReadWindow(QIODevice &device, int64_t blockSize = 1 << 20);

    // Makes bytes [pos, pos + count) available as far as the device has them
    // and returns how many are. pos may never go back before an earlier pos.
    int64_t ensure(int64_t pos, int64_t count);
    // Everything buffered from pos on (call ensure first).
    const char *at(int64_t pos) const { return m_buffer.constData() + (pos - m_start); }
    int64_t bufferedFrom(int64_t pos) const { return m_start + m_buffer.size() - pos; }

    bool readFailed() const { return m_failed; }
    bool atEnd() const { return m_atEnd; }

private:
    QIODevice &m_device;
    int64_t m_blockSize;
    QByteArray m_buffer;
    int64_t m_start = 0;
    bool m_atEnd = false;
    bool m_failed = false;
};
