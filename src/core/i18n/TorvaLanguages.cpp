#include "core/i18n/TorvaLanguages.h"

#include "core/i18n/TorvaPreferences.h"

#include <QDebug>
#include <QTranslator>

namespace {

constexpr char kContext[] = "Localizable_P820";
const QString kFallbackLanguage = QStringLiteral("en");

// A stored code we have no table for reads as English rather than leaving
// every text blank.
QString supportedOrFallback(const QString &code)
{
    return TorvaLanguages::supportedLanguages().contains(code) ? code : kFallbackLanguage;
}

void storeLanguage(TorvaPreferences &preferences, const QString &code)
{
    preferences.setValue(TorvaPreferences::kLanguageKey, code);
    preferences.setValue(TorvaPreferences::kAppleLanguagesKey, QStringList{code});
    preferences.save();
}

} // namespace

Q_GLOBAL_STATIC(TorvaLanguages, sharedLanguages)

TorvaLanguages::TorvaLanguages(QObject *parent) : QObject(parent) {}

TorvaLanguages::~TorvaLanguages() = default;

TorvaLanguages *TorvaLanguages::SharedTorvaLanguages()
{
    return sharedLanguages();
}

const QStringList &TorvaLanguages::supportedLanguages()
{
    static const QStringList codes{QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("ja"),
                                   QStringLiteral("pt")};
    return codes;
}

QString TorvaLanguages::text(const char *key)
{
    return SharedTorvaLanguages()->localized(QString::fromUtf8(key));
}

QString TorvaLanguages::localized(const QString &key) const
{
    const QStringList preferred =
        TorvaPreferences().value(TorvaPreferences::kAppleLanguagesKey).toStringList();
    return localizedIn(key, preferred.isEmpty() ? QString() : preferred.first());
}

QString TorvaLanguages::localizedIn(const QString &key, const QString &code) const
{
    const QTranslator *table = tableFor(supportedOrFallback(code));
    const QString text = table ? table->translate(kContext, key.toUtf8().constData()) : QString();
    return text.isEmpty() ? key : text;
}

void TorvaLanguages::initializeLanguageSetting()
{
    TorvaPreferences preferences;
    storeLanguage(preferences, supportedOrFallback(
                                   preferences.value(TorvaPreferences::kLanguageKey).toString()));
}

void TorvaLanguages::languageChange(const QString &code)
{
    if (!supportedLanguages().contains(code)) {
        qWarning() << "TorvaLanguages: ignoring unsupported language" << code;
        return;
    }
    TorvaPreferences preferences;
    if (preferences.value(TorvaPreferences::kLanguageKey).toString() == code)
        return;
    storeLanguage(preferences, code);
    Q_EMIT refreshLanguage();
}

const QTranslator *TorvaLanguages::tableFor(const QString &code) const
{
    auto found = m_tables.find(code);
    if (found == m_tables.end()) {
        auto table = std::make_unique<QTranslator>();
        const QString path = QStringLiteral(":/i18n/torva_%1.qm").arg(code);
        if (!table->load(path)) {
            qWarning() << "TorvaLanguages: cannot load the translation table" << path;
            table.reset();
        }
        found = m_tables.emplace(code, std::move(table)).first;
    }
    return found->second.get();
}
