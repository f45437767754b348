#pragma once

#include <QString>
#include <QStringList>

// English names of language codes, as cameras list the languages they speak.
// The table keeps some legacy names and codes ("Bhutani", "iw", "in") because
// that is how the cameras' codes were named.
namespace LanguageNames {

// The code's English name, or the code itself when the table lacks it.
QString languageTitleByExpandingCode(const QString &code);

// Every code the table names, in table order.
QStringList knownCodes();

} // namespace LanguageNames
