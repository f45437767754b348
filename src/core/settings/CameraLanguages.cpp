#include "core/settings/CameraLanguages.h"

#include <QRegularExpression>
#include <QStringDecoder>

QList<CameraLanguage> CameraLanguages::parseVerDat(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return {};
    static const QRegularExpression codeLine(QStringLiteral("#\\s+Language ISO Code:(.+?)\\s*$"),
                                             QRegularExpression::UseUnicodePropertiesOption);
    QList<CameraLanguage> languages;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = codeLine.match(line);
        if (!match.hasMatch())
            continue;
        // Every white space character separates, so adjacent ones yield
        // empty codes that keep their numbers.
        int index = 0;
        QString code;
        for (const QChar c : match.capturedView(1)) {
            if (c.isSpace()) {
                languages.append({index++, code});
                code.clear();
            } else {
                code.append(c);
            }
        }
        languages.append({index, code});
    }
    return languages;
}

QList<CameraLanguage> CameraLanguages::fallback()
{
    return {{0, QStringLiteral("en")}, {1, QStringLiteral("fr")}, {4, QStringLiteral("es")}};
}
