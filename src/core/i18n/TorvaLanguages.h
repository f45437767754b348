#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QTranslator;

// The interface language and the lookup of every user-visible text. Keys are
// the Korean source texts; the translations are Qt Linguist tables embedded
// as ":/i18n/torva_<code>.qm" under the context "Localizable_P820". The
// language is kept in the preferences of TorvaPreferences. Use from the main
// thread only.
class TorvaLanguages : public QObject
{
    Q_OBJECT

public:
    explicit TorvaLanguages(QObject *parent = nullptr);
    ~TorvaLanguages() override;

    // The one instance the whole program shares, created on first use.
    static TorvaLanguages *SharedTorvaLanguages();

    // "en", "fr", "ja", "pt".
    static const QStringList &supportedLanguages();

    // The key's text in the language of the "AppleLanguages" preference, read
    // afresh on every call; a key the table lacks comes back unchanged.
    QString localized(const QString &key) const;
    // The key's text in a given supported language, whatever the preference.
    QString localizedIn(const QString &key, const QString &code) const;
    // The shared instance's text for a key written in the code (UTF-8).
    static QString text(const char *key);

    // Start-up: keeps a supported stored language, otherwise "en", and writes
    // it to both language preferences.
    void initializeLanguageSetting();

    // Stores a new supported language and emits refreshLanguage(); the
    // language already set changes nothing.
    void languageChange(const QString &code);

Q_SIGNALS:
    // Every open view re-applies its texts.
    void refreshLanguage();

private:
    const QTranslator *tableFor(const QString &code) const;

    // Loaded on first use per language; a table that failed to load stays
    // null so the failure is logged once.
    mutable std::map<QString, std::unique_ptr<QTranslator>> m_tables;
};
