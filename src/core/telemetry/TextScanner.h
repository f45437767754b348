#pragma once

#include <QString>

// Reads a text piece by piece the way SRT blocks are cut: before every step,
// white space and line breaks are passed over; a step that finds nothing
// returns false and leaves the position as it is.
class TextScanner
{
public:
    explicit TextScanner(const QString &text);

    bool isAtEnd();
    bool scanUpToLineBreak(QString *out);
    bool scanUpTo(const QString &stop, QString *out);
    bool scanLiteral(const QString &literal);

    static bool isLineBreak(QChar c);

private:
    void skipBlanks();
    bool take(qsizetype end, QString *out);

    QString m_text;
    qsizetype m_pos = 0;
};
