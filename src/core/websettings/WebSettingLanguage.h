#pragma once

#include "core/settings/CameraLanguages.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The camera's current interface language as the settings record holds it.
class WebSettingLanguage
{
public:
    // The little-endian unsigned 32-bit value at byte 428; nothing when the
    // record is shorter than 432 bytes.
    static std::optional<quint32> languageIndex(const QByteArray &record);
    // The code of the language at that position of the list, as the page
    // receives the list (the entry's own number is not consulted); nothing
    // when the record has no index or the list no such position.
    static std::optional<QString> languageCode(const QByteArray &record,
                                               const QList<CameraLanguage> &languages);
};
