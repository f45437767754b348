#include "core/settings/SettingRecordLayout.h"

#include <QLatin1String>

int SettingRecordLayout::offsetOf(SettingField field)
{
    const int index = int(field);
    if (index < 0 || index >= kFieldCount)
        return 0;
    return byteSize(index);
}

std::optional<SettingField> SettingRecordLayout::fieldNamed(QStringView name)
{
    for (int i = 0; i < kFieldCount; ++i) {
        if (name == QLatin1String(kFields[size_t(i)].name))
            return SettingField(i);
    }
    return std::nullopt;
}
