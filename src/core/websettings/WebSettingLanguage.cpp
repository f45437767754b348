#include "core/websettings/WebSettingLanguage.h"

#include "core/settings/SettingRecordLayout.h"

#include <QtEndian>

std::optional<quint32> WebSettingLanguage::languageIndex(const QByteArray &record)
{
    // cur_language, byte 428 of the record.
    const qsizetype offset = SettingRecordLayout::offsetOf(SettingField::cur_language);
    if (record.size() < offset + qsizetype(sizeof(quint32)))
        return std::nullopt;
    return qFromLittleEndian<quint32>(record.constData() + offset);
}

std::optional<QString> WebSettingLanguage::languageCode(const QByteArray &record,
                                                        const QList<CameraLanguage> &languages)
{
    const std::optional<quint32> index = languageIndex(record);
    if (!index || *index >= quint64(languages.size()))
        return std::nullopt;
    return languages[qsizetype(*index)].code;
}
