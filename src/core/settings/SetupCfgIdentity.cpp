#include "core/settings/SetupCfgIdentity.h"

#include "core/settings/CameraModelTable.h"
#include "core/settings/SettingRecordLayout.h"

#include <QtEndian>

#include <algorithm>
#include <limits>

namespace {

// The text of a zero-padded field, or nothing when the bytes end inside it.
QByteArray textField(QByteArrayView head, SettingField field)
{
    const int offset = SettingRecordLayout::offsetOf(field);
    const int width = SettingRecordLayout::format(field).width;
    if (head.size() < offset + width)
        return {};
    const char *at = head.data() + offset;
    return QByteArray(at, qstrnlen(at, uint(width)));
}

} // namespace

SetupCfgIdentity::Recognition SetupCfgIdentity::recognise(QByteArrayView head, qint64 fileSize)
{
    Recognition result;
    // Shorter than its product name, a file is no settings record at all.
    if (head.size() < SettingRecordLayout::byteSize(int(SettingField::serial_number)))
        return result;
    const QString name = QString::fromUtf8(textField(head, SettingField::product_name));
    result.modelType = CameraModelTable::typeForProductName(name);
    if (result.modelType != CameraModelTable::kNoModel)
        return result;
    if (qFromLittleEndian<qint32>(head.data()) == fileSize) {
        result.modelType = CameraModelTable::kSelfDescribingModel;
        result.productName = name;
    }
    return result;
}

qint64 SetupCfgIdentity::localID(QByteArrayView head)
{
    const int offset = SettingRecordLayout::offsetOf(SettingField::local_id);
    if (head.size() < offset + 4)
        return -1;
    const qint32 id = qFromLittleEndian<qint32>(head.data() + offset);
    return id >= -1 && id <= 6 ? id : -1;
}

QString SetupCfgIdentity::version(QByteArrayView head)
{
    const int end = SettingRecordLayout::byteSize(int(SettingField::version) + 1);
    if (head.size() < end)
        return {};
    const QString text = QString::fromUtf8(textField(head, SettingField::version));
    // An all-zero field is an empty version, not an absent one.
    return text.isNull() ? QString(QLatin1String("")) : text;
}

int32_t SetupCfgIdentity::firmwareVersionInt(const QString &version)
{
    const QString last = version.section(QLatin1Char('.'), -1);
    qsizetype i = 0;
    while (i < last.size() && last[i].isSpace())
        ++i;
    bool negative = false;
    if (i < last.size() && (last[i] == QLatin1Char('-') || last[i] == QLatin1Char('+')))
        negative = last[i++] == QLatin1Char('-');
    int64_t value = 0;
    for (; i < last.size() && last[i] >= QLatin1Char('0') && last[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (last[i].unicode() - '0');
        if (value > int64_t(std::numeric_limits<int32_t>::max()) + 1)
            break;
    }
    value = negative ? -value : value;
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}
