#pragma once

#include <QByteArray>
#include <QString>

// The settings record as the card's own settings page takes it and gives it
// back: two upper-case hexadecimal digits per byte, no separators.
class CfgHexText
{
public:
    static QString cfgStringWithData(const QByteArray &bytes);
    // The text of a file's bytes; empty when the file is absent, unreadable
    // or larger than any settings record (1 MiB).
    static QString cfgString(const QString &path);

    enum class SavedRecordProblem
    {
        None,
        Empty,
        OddLength,
        NotHex, // a character other than 0-9, a-f, A-F
        WrongLength,
    };

    struct SavedRecord
    {
        QByteArray bytes; // empty unless problem is None
        SavedRecordProblem problem = SavedRecordProblem::None;
    };

    // What the page returned for the record, decoded only when every byte is
    // there and nothing else: the page comes from the card and is not
    // trusted, and a short or garbled record written back would leave the
    // camera with settings it never had. Problems are checked in the order
    // of the enumeration.
    static SavedRecord dataFromHexString(const QString &hex, qsizetype expectedLength);
};
