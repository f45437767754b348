#include "core/websettings/CfgHexText.h"

#include "core/i18n/HexString.h"
#include "core/io/FileIO.h"

namespace {

constexpr qint64 kMaxRecordBytes = 1024 * 1024;

} // namespace

QString CfgHexText::cfgStringWithData(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString CfgHexText::cfgString(const QString &path)
{
    const FileIO::ReadResult file = FileIO::readFile(path, kMaxRecordBytes);
    return file.ok() ? cfgStringWithData(file.bytes) : QString();
}

CfgHexText::SavedRecord CfgHexText::dataFromHexString(const QString &hex, qsizetype expectedLength)
{
    if (hex.isEmpty())
        return {{}, SavedRecordProblem::Empty};
    if (hex.size() % 2 != 0)
        return {{}, SavedRecordProblem::OddLength};
    QByteArray bytes(hex.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int high = HexString::hexDigitValue(hex[2 * i]);
        const int low = HexString::hexDigitValue(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return {{}, SavedRecordProblem::NotHex};
        bytes[i] = char(high * 16 + low);
    }
    if (bytes.size() != expectedLength)
        return {{}, SavedRecordProblem::WrongLength};
    return {bytes, SavedRecordProblem::None};
}
