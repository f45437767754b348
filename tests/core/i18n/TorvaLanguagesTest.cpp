#include "core/i18n/TorvaLanguages.h"
#include "core/i18n/TorvaPreferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Each test gets its own preference store inside a temporary folder.
class TorvaLanguagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }

    static QString stored(const char *key) { return TorvaPreferences().value(key).toString(); }
    static QStringList storedList(const char *key)
    {
        return TorvaPreferences().value(key).toStringList();
    }
    static void store(const char *key, const QVariant &value)
    {
        TorvaPreferences preferences;
        preferences.setValue(key, value);
        preferences.save();
    }

    QTemporaryDir m_dir;
};

TEST_F(TorvaLanguagesTest, StartUpSettlesASupportedLanguage)
{
    TorvaLanguages languages;
    languages.initializeLanguageSetting();
    EXPECT_EQ(stored(TorvaPreferences::kLanguageKey), "en");
    EXPECT_EQ(storedList(TorvaPreferences::kAppleLanguagesKey), QStringList{"en"});
    // Saved at once, into the test's own store.
    EXPECT_TRUE(
        QFileInfo(TorvaPreferences().fileName()).absoluteFilePath().startsWith(m_dir.path()));
    EXPECT_TRUE(QFileInfo::exists(TorvaPreferences().fileName()));

    store(TorvaPreferences::kLanguageKey, "de");
    languages.initializeLanguageSetting();
    EXPECT_EQ(stored(TorvaPreferences::kLanguageKey), "en");

    store(TorvaPreferences::kLanguageKey, "pt");
    store(TorvaPreferences::kAppleLanguagesKey, QStringList{"fr"});
    languages.initializeLanguageSetting();
    EXPECT_EQ(stored(TorvaPreferences::kLanguageKey), "pt");
    EXPECT_EQ(storedList(TorvaPreferences::kAppleLanguagesKey), QStringList{"pt"});
}

TEST_F(TorvaLanguagesTest, SwitchingNotifiesOnlyOnChange)
{
    TorvaLanguages languages;
    languages.initializeLanguageSetting();
    int refreshes = 0;
    QString textSeenByViews;
    QObject::connect(&languages, &TorvaLanguages::refreshLanguage, [&] {
        ++refreshes;
        textSeenByViews = languages.localized(QStringLiteral("취소"));
    });

    languages.languageChange(QStringLiteral("en"));
    EXPECT_EQ(refreshes, 0);

    languages.languageChange(QStringLiteral("fr"));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(textSeenByViews, "Annuler");
    EXPECT_EQ(stored(TorvaPreferences::kLanguageKey), "fr");
    EXPECT_EQ(storedList(TorvaPreferences::kAppleLanguagesKey), QStringList{"fr"});

    languages.languageChange(QStringLiteral("fr"));
    languages.languageChange(QStringLiteral("de"));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(stored(TorvaPreferences::kLanguageKey), "fr");
}

TEST_F(TorvaLanguagesTest, LooksUpTheCurrentLanguageOnEveryCall)
{
    TorvaLanguages *languages = TorvaLanguages::SharedTorvaLanguages();
    ASSERT_EQ(languages, TorvaLanguages::SharedTorvaLanguages());
    const QString yes = QStringLiteral("예");
    const QString cardError = QStringLiteral("메모리카드 오류");
    const QString formatting = QStringLiteral("포맷 중 입니다.\r\n잠시만 기다려 주십시오.");

    const struct
    {
        const char *code;
        const char *yes;
        const char *cardError;
        const char *formatting;
    } expected[] = {
        {"en", "Yes", "Memory Card Error", "Formatting…\nPlease wait."},
        {"fr", "Oui", "Erreur de carte mémoire", "Formatage en cours…\nVeuillez patienter."},
        {"ja", "はい", "メモリーカードエラー", "フォーマット中です。\nしばらくお待ちください。"},
        {"pt", "Sim", "Erro no cartão de memória", "Formatando…\nAguarde um momento."},
    };
    for (const auto &row : expected) {
        SCOPED_TRACE(row.code);
        // Written behind the object's back: the lookup still follows it.
        store(TorvaPreferences::kAppleLanguagesKey, QStringList{row.code});
        EXPECT_EQ(languages->localized(yes), QString::fromUtf8(row.yes));
        EXPECT_EQ(languages->localized(cardError), QString::fromUtf8(row.cardError));
        EXPECT_EQ(languages->localized(formatting), QString::fromUtf8(row.formatting));
        EXPECT_EQ(languages->localized(QStringLiteral("없는 문장")), "없는 문장");
        EXPECT_EQ(languages->localized(QString()), QString());
    }

    // A language without a table reads as English instead of blank texts.
    store(TorvaPreferences::kAppleLanguagesKey, QStringList{"de"});
    EXPECT_EQ(languages->localized(yes), "Yes");
    TorvaPreferences().remove(TorvaPreferences::kAppleLanguagesKey);
    EXPECT_EQ(languages->localized(yes), "Yes");
}

} // namespace
