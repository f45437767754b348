#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One interface language of the camera: the number that the record's
// cur_language field stores, and its ISO 639 code.
struct CameraLanguage
{
    int index = 0;
    QString code;

    friend bool operator==(const CameraLanguage &, const CameraLanguage &) = default;
};

// The languages a camera's firmware lists in its "lang/ver.dat" file.
class CameraLanguages
{
public:
    // Every "# Language ISO Code:" line, its codes split at white space and
    // numbered from 0 per line. Empty when the text is not UTF-8 or names
    // no language.
    static QList<CameraLanguage> parseVerDat(const QByteArray &bytes);
    // What firmware without a language list offers.
    static QList<CameraLanguage> fallback();
};
