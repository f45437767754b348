#include "core/i18n/TorvaLanguages.h"
#include "core/i18n/TorvaPreferences.h"

#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr const char *kLanguage = TorvaPreferences::kLanguageKey;
constexpr const char *kApple = TorvaPreferences::kAppleLanguagesKey;

// Each test gets its own preference store inside a temporary folder.
class TorvaLanguagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }
    // The language as stored, once under each key.
    static QStringList stored()
    {
        return {TorvaPreferences().value(kLanguage).toString(),
                TorvaPreferences().value(kApple).toStringList().join(',')};
    }
    static void store(const char *key, const QVariant &value)
    {
        TorvaPreferences().setValue(key, value);
    }

    QTemporaryDir m_dir;
};

TEST_F(TorvaLanguagesTest, StartUpSettlesASupportedLanguageAndSwitchingNotifiesOnChange)
{
    TorvaLanguages languages;
    languages.initializeLanguageSetting();
    EXPECT_EQ(stored(), QStringList({"en", "en"}));
    EXPECT_TRUE(QFileInfo::exists(TorvaPreferences().fileName())); // saved at once
    store(kLanguage, "de");
    languages.initializeLanguageSetting();
    EXPECT_EQ(stored(), QStringList({"en", "en"}));
    store(kLanguage, "pt");
    store(kApple, QStringList{"fr"});
    languages.initializeLanguageSetting();
    EXPECT_EQ(stored(), QStringList({"pt", "pt"}));

    int refreshes = 0;
    QString textSeenByViews;
    QObject::connect(&languages, &TorvaLanguages::refreshLanguage, [&] {
        ++refreshes;
        textSeenByViews = languages.localized(QStringLiteral("취소"));
    });
    // The current language, the new one again, and one without a table: no news.
    for (const char *code : {"pt", "fr", "fr", "de"})
        languages.languageChange(QString::fromLatin1(code));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(textSeenByViews, "Annuler");
    EXPECT_EQ(stored(), QStringList({"fr", "fr"}));
}

TEST_F(TorvaLanguagesTest, LooksUpTheCurrentLanguageOnEveryCallAndFallsBackToEnglish)
{
    TorvaLanguages *languages = TorvaLanguages::SharedTorvaLanguages();
    const QString yes = QStringLiteral("예");
    // Written behind the object's back: the lookup still follows it. "de"
    // has no table and reads as English instead of blank texts.
    const char *const rows[][2] = {
        {"de", "Yes"}, {"fr", "Oui"}, {"pt", "Sim"}, {"en", "Yes"}, {"ja", "はい"}};
    for (const auto &row : rows) {
        store(kApple, QStringList{row[0]});
        EXPECT_EQ(languages->localized(yes), QString::fromUtf8(row[1])) << row[0];
    }
    TorvaPreferences().remove(kApple);
    EXPECT_EQ(languages->localized(yes), "Yes");
    EXPECT_EQ(languages->localized(QStringLiteral("없는 문장")), "없는 문장");
    EXPECT_EQ(languages->localized(QString()), QString());
}

} // namespace
