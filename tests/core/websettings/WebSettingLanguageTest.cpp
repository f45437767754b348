#include "core/websettings/WebSettingLanguage.h"

#include <gtest/gtest.h>

TEST(WebSettingLanguage, LittleEndianIndexAtByte428PicksAListPosition)
{
    const auto recordWithLanguage = [](const QByteArray &index, qsizetype length = 432) {
        return QByteArray(length, '\x55').replace(428, index.size(), index);
    };
    // The fallback list numbers its entries 0, 1 and 4: position counts, not
    // the number.
    const QList<CameraLanguage> languages = {{0, "en"}, {1, "fr"}, {4, "es"}};
    // The record, its index and its language's code.
    const std::tuple<QByteArray, std::optional<quint32>, std::optional<QString>> cases[] = {
        {recordWithLanguage({"\x02\x00\x00\x00", 4}), 2, "es"},
        {recordWithLanguage({"\x00\x00\x00\x00", 4}, 596), 0, "en"},
        {recordWithLanguage({"\x04\x00\x00\x00", 4}), 4, std::nullopt},
        {recordWithLanguage({"\x00\x00\x00\x01", 4}), 0x01000000, std::nullopt},
        {recordWithLanguage({"\x01\x00\x00", 3}, 431), std::nullopt, std::nullopt},
    };
    for (const auto &[record, index, code] : cases) {
        EXPECT_EQ(WebSettingLanguage::languageIndex(record), index) << record.size();
        EXPECT_EQ(WebSettingLanguage::languageCode(record, languages), code) << record.size();
    }
    EXPECT_FALSE(WebSettingLanguage::languageCode(recordWithLanguage({"\0\0\0\0", 4}), {}));
}
