#include "core/i18n/LanguageNames.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct LanguageName
{
    std::string_view code;
    std::string_view name;
};

// Sorted by code (byte order) for the binary search below.
constexpr std::array kNames = std::to_array<LanguageName>({
    {"aa", "Afar"},
    {"ab", "Abkhazian"},
    {"af", "Afrikaans"},
    {"am", "Amharic"},
    {"an", "Aragonese"},
    {"ar", "Arabic"},
    {"as", "Assamese"},
    {"ay", "Aymara"},
    {"az", "Azerbaijani"},
    {"ba", "Bashkir"},
    {"be", "Byelorussian (Belarusian)"},
    {"bg", "Bulgarian"},
    {"bh", "Bihari"},
    {"bi", "Bislama"},
    {"bn", "Bengali (Bangla)"},
    {"bo", "Tibetan"},
    {"br", "Breton"},
    {"ca", "Catalan"},
    {"co", "Corsican"},
    {"cs", "Czech"},
    {"cy", "Welsh"},
    {"da", "Danish"},
    {"de", "German"},
    {"dz", "Bhutani"},
    {"el", "Greek"},
    {"en", "English"},
    {"eo", "Esperanto"},
    {"es", "Spanish"},
    {"et", "Estonian"},
    {"eu", "Basque"},
    {"fa", "Farsi"},
    {"fi", "Finnish"},
    {"fj", "Fijian"},
    {"fo", "Faroese"},
    {"fr", "French"},
    {"fy", "Frisian"},
    {"ga", "Irish"},
    {"gd", "Gaelic (Scottish)"},
    {"gl", "Galician"},
    {"gn", "Guarani"},
    {"gu", "Gujarati"},
    {"gv", "Gaelic (Manx)"},
    {"ha", "Hausa"},
    {"he", "Hebrew"},
    {"hi", "Hindi"},
    {"hr", "Croatian"},
    {"ht", "Haitian Creole"},
    {"hu", "Hungarian"},
    {"hy", "Armenian"},
    {"ia", "Interlingua"},
    {"id", "Indonesian"},
    {"ie", "Interlingue"},
    {"ii", "Sichuan Yi"},
    {"ik", "Inupiaq"},
    {"in", "Indonesian"},
    {"io", "Ido"},
    {"is", "Icelandic"},
    {"it", "Italian"},
    {"iu", "Inuktitut"},
    {"iw", "Hebrew"},
    {"ja", "Japanese"},
    {"ji", "Yiddish"},
    {"jv", "Javanese"},
    {"ka", "Georgian"},
    {"kk", "Kazakh"},
    {"kl", "Greenlandic"},
    {"km", "Cambodian"},
    {"kn", "Kannada"},
    {"ko", "Korean"},
    {"ks", "Kashmiri"},
    {"ku", "Kurdish"},
    {"ky", "Kyrgyz"},
    {"la", "Latin"},
    {"li", "Limburgish ( Limburger)"},
    {"ln", "Lingala"},
    {"lo", "Laothian"},
    {"lt", "Lithuanian"},
    {"lv", "Latvian (Lettish)"},
    {"mg", "Malagasy"},
    {"mi", "Maori"},
    {"mk", "Macedonian"},
    {"ml", "Malayalam"},
    {"mn", "Mongolian"},
    {"mo", "Moldavian"},
    {"mr", "Marathi"},
    {"ms", "Malay"},
    {"mt", "Maltese"},
    {"my", "Burmese"},
    {"na", "Nauruan"},
    {"ne", "Nepali"},
    {"nl", "Dutch"},
    {"no", "Norwegian"},
    {"oc", "Occitan"},
    {"om", "Oromo (Afaan Oromo)"},
    {"or", "Oriya"},
    {"pa", "Punjabi"},
    {"pl", "Polish"},
    {"ps", "Pashto (Pushto)"},
    {"pt", "Portuguese"},
    {"qu", "Quechua"},
    {"rm", "Romansh"},
    {"rn", "Kirundi (Rundi)"},
    {"ro", "Romanian"},
    {"ru", "Russian"},
    {"rw", "Kinyarwanda (Ruanda)"},
    {"sa", "Sanskrit"},
    {"sd", "Sindhi"},
    {"sg", "Sangro"},
    {"sh", "Serbo-Croatian"},
    {"si", "Sinhala"},
    {"sk", "Slovak"},
    {"sl", "Slovenian"},
    {"sm", "Samoan"},
    {"sn", "Shona"},
    {"so", "Somali"},
    {"sq", "Albanian"},
    {"sr", "Serbian"},
    {"ss", "Swati"},
    {"st", "Sesotho"},
    {"su", "Sundanese"},
    {"sv", "Swedish"},
    {"sw", "Swahili (Kiswahili)"},
    {"ta", "Tamil"},
    {"te", "Telugu"},
    {"tg", "Tajik"},
    {"th", "Thai"},
    {"ti", "Tigrinya"},
    {"tk", "Turkmen"},
    {"tl", "Tagalog"},
    {"tn", "Tswana"},
    {"to", "Tongan"},
    {"tr", "Turkish"},
    {"ts", "Tsonga"},
    {"tt", "Tatar"},
    {"tw", "Twi"},
    {"ug", "Uyghur"},
    {"uk", "Ukrainian"},
    {"ur", "Urdu"},
    {"uz", "Uzbek"},
    {"vi", "Vietnamese"},
    {"vo", "Volap?k"},
    {"wa", "Wallon"},
    {"wo", "Wolof"},
    {"xh", "Xhosa"},
    {"yi", "Yiddish"},
    {"yo", "Yoruba"},
    {"zh", "Chinese"},
    {"zh-Hans", "Chinese (Simplified)"},
    {"zh-Hans-CN", "PRC Mainland Chinese in simplified script"},
    {"zh-Hans-HK", "Hong Kong Chinese in simplified script"},
    {"zh-Hans-MO", "Macao Chinese in simplified script"},
    {"zh-Hans-TW", "Taiwan Chinese in simplified script"},
    {"zh-Hant", "Chinese (Traditional)"},
    {"zh-Hant-CN", "PRC Mainland Chinese in traditional script"},
    {"zh-Hant-HK", "Chinese(Traditional/Contonese)"},
    {"zh-Hant-MO", "Macao Chinese in traditional script"},
    {"zh-Hant-SG", "Singapore Chinese in traditional script"},
    {"zh-Hant-TW", "Taiwan Chinese in traditional script"},
    {"zh-cmn", "Mandarin Chinese"},
    {"zh-cmn-Hans", "Mandarin Chinese (Simplified)"},
    {"zh-cmn-Hant", "Mandarin Chinese (Traditional)"},
    {"zh-wuu", "Shanghaiese or Wu"},
    {"zu", "Zulu"},
});

constexpr bool codeBefore(const LanguageName &a, const LanguageName &b)
{
    return a.code < b.code;
}

static_assert(std::ranges::is_sorted(kNames, codeBefore));
static_assert(std::ranges::adjacent_find(kNames, [](const auto &a, const auto &b) {
                  return a.code == b.code;
              }) == kNames.end());

QString fromTable(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

QString LanguageNames::languageTitleByExpandingCode(const QString &code)
{
    const QByteArray bytes = code.toUtf8();
    const LanguageName wanted{std::string_view(bytes.constData(), size_t(bytes.size())), {}};
    const auto found = std::ranges::lower_bound(kNames, wanted, codeBefore);
    if (found == kNames.end() || found->code != wanted.code || found->name.empty())
        return code;
    return fromTable(found->name);
}

QStringList LanguageNames::knownCodes()
{
    QStringList codes;
    codes.reserve(qsizetype(kNames.size()));
    for (const LanguageName &entry : kNames)
        codes.append(fromTable(entry.code));
    return codes;
}
