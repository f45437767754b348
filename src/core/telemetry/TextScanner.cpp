#include "core/telemetry/TextScanner.h"

TextScanner::TextScanner(const QString &text) : m_text(text) {}

bool TextScanner::isLineBreak(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

void TextScanner::skipBlanks()
{
    while (m_pos < m_text.size() && (m_text[m_pos].isSpace() || isLineBreak(m_text[m_pos])))
        ++m_pos;
}

bool TextScanner::isAtEnd()
{
    const qsizetype saved = m_pos;
    skipBlanks();
    const bool atEnd = m_pos >= m_text.size();
    m_pos = saved;
    return atEnd;
}

bool TextScanner::take(qsizetype end, QString *out)
{
    if (end == m_pos)
        return false;
    if (out)
        *out = m_text.mid(m_pos, end - m_pos);
    m_pos = end;
    return true;
}

bool TextScanner::scanUpToLineBreak(QString *out)
{
    skipBlanks();
    qsizetype end = m_pos;
    while (end < m_text.size() && !isLineBreak(m_text[end]))
        ++end;
    return take(end, out);
}

bool TextScanner::scanUpTo(const QString &stop, QString *out)
{
    skipBlanks();
    const qsizetype found = m_text.indexOf(stop, m_pos);
    return take(found < 0 ? m_text.size() : found, out);
}

bool TextScanner::scanLiteral(const QString &literal)
{
    const qsizetype saved = m_pos;
    skipBlanks();
    if (!QStringView(m_text).mid(m_pos).startsWith(literal)) {
        m_pos = saved;
        return false;
    }
    m_pos += literal.size();
    return true;
}
