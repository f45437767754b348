#pragma once

#include "core/settings/SettingRecordLayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>

// The values of all record fields and their byte form. Numbers of width 1
// and 2 are held zero-extended; text is held as the bytes the card had, so
// that a load and save round trip never re-encodes what it did not change.
class SettingRecord
{
public:
    int32_t number(SettingField field) const { return m_numbers[size_t(field)]; }
    void setNumber(SettingField field, int32_t value) { m_numbers[size_t(field)] = value; }
    QString text(SettingField field) const;
    void setText(SettingField field, const QString &text);

    // Reads fields from index 0 on, at most maxFields of them, and stops at
    // the first field that the bytes do not hold completely. Fields not read
    // keep their values. Returns the number of fields read.
    int read(QByteArrayView bytes, int maxFields);
    // The first fieldCount fields back to back. Text longer than its field
    // is cut at a character boundary, so the record has its exact length.
    QByteArray bytes(int fieldCount) const;
    // The one field's bytes as bytes() places them, at its width.
    QByteArray fieldBytes(SettingField field) const;

private:
    void encode(SettingField field, char *at) const;

    std::array<int32_t, SettingRecordLayout::kFieldCount> m_numbers{};
    std::array<QByteArray, SettingRecordLayout::kFieldCount> m_texts;
};
