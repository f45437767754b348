#include "core/settings/QMVSettingManager.h"

#include <cstdint>
#include <cstdlib>

// Any bytes either are refused as non-UTF-8 or give lines that are written
// back as exactly the bytes read, less the blanks and tabs around the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QStringList> lines = QMVSettingManager::linesFromBytes(bytes);
    if (!lines)
        return 0;
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && (bytes[begin] == ' ' || bytes[begin] == '\t'))
        ++begin;
    while (end > begin && (bytes[end - 1] == ' ' || bytes[end - 1] == '\t'))
        --end;
    if (QMVSettingManager::bytesFromLines(*lines) != bytes.mid(begin, end - begin))
        std::abort();

    QMVSettingManager manager;
    manager.setLinedSettings(*lines);
    manager.removeTimeDateDelimiters();
    manager.addTimeDateDelimiters(QMVSettingManager::timeDateKeys());
    if (manager.indexOfKey(QStringLiteral("year")) < 0)
        std::abort();
    return 0;
}
