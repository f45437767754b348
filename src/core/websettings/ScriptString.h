#pragma once

#include <QString>

// Text as a script string literal, for calls evaluated in a web page. The
// text may come from an untrusted page or card, so nothing in it can end the
// literal or the script around it: backslashes and both quote characters are
// escaped, line ends and the two Unicode line separators too, "</" becomes
// "<\/" (a literal inside an HTML script element), and other control
// characters are written as \uXXXX.
class ScriptString
{
public:
    // The escaped text between two quote characters, '"' or '\''.
    static QString quoted(const QString &text, QChar quote = QLatin1Char('"'));
};
