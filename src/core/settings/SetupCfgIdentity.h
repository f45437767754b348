#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>

// What the start of a card's settings record tells about the camera: the
// model, the region variant and the firmware version. Each function takes
// the file's first bytes (as many as it has, up to a whole record) and never
// reads past them.
class SetupCfgIdentity
{
public:
    struct Recognition
    {
        qint64 modelType = -1;
        // The product name as stored, for a self-describing record.
        QString productName;
    };

    // The model named by the record, or a self-describing record (its first
    // four bytes hold the file's length, fileSize); type -1 otherwise.
    static Recognition recognise(QByteArrayView head, qint64 fileSize);
    // The region variant, -1 to 6; -1 when absent or out of range.
    static qint64 localID(QByteArrayView head);
    // The firmware version text; null when the record does not hold it.
    static QString version(QByteArrayView head);
    // The number after the version's last dot (leading digits), 0 if none.
    static int32_t firmwareVersionInt(const QString &version);
};
