#include "core/settings/CameraLanguages.h"

#include <cstdint>
#include <cstdlib>

// Any ver.dat bytes give language codes free of white space, numbered from
// 0 upwards on each line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    int expected = 0;
    for (const CameraLanguage &language : CameraLanguages::parseVerDat(bytes)) {
        if (language.index != 0 && language.index != expected)
            std::abort();
        for (const QChar c : language.code) {
            if (c.isSpace())
                std::abort();
        }
        expected = language.index + 1;
    }
    return 0;
}
