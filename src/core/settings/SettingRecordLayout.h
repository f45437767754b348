#pragma once

#include "core/settings/SettingFieldList.h"

#include <QStringView>

#include <array>
#include <optional>

// Widths 1 and 2 are unsigned, 4 is signed; text is UTF-8, zero-padded.
enum class SettingEncoding
{
    UInt8,
    UInt16,
    Int32,
    Text
};

// The record's fields by number, in record order.
enum class SettingField : int
{
#define TORVA_SETTING_ENUM(name, setter, width, encoding) name,
    TORVA_SETTING_FIELDS(TORVA_SETTING_ENUM)
#undef TORVA_SETTING_ENUM
};

struct SettingFieldFormat
{
    const char *name;
    int width;
    SettingEncoding encoding;
};

// The master field table that loading, saving and the size and offset
// questions all walk.
class SettingRecordLayout
{
public:
    static constexpr std::array<SettingFieldFormat, 116> kFields = {{
#define TORVA_SETTING_SPEC(name, setter, width, encoding) {#name, width, SettingEncoding::encoding},
        TORVA_SETTING_FIELDS(TORVA_SETTING_SPEC)
#undef TORVA_SETTING_SPEC
    }};
    static constexpr int kFieldCount = int(kFields.size());

    // Bytes held by the first fieldCount fields (0 for a count below 1).
    static constexpr int byteSize(int fieldCount)
    {
        int size = 0;
        for (int i = 0; i < fieldCount && i < kFieldCount; ++i)
            size += kFields[size_t(i)].width;
        return size;
    }
    // The longest record: all fields.
    static constexpr int kMaxRecordBytes = 596;

    static const SettingFieldFormat &format(SettingField field)
    {
        return kFields[size_t(field)];
    }
    // Widths of the fields before this one; 0 for a number outside the table.
    static int offsetOf(SettingField field);
    static std::optional<SettingField> fieldNamed(QStringView name);
};

static_assert(SettingRecordLayout::kFieldCount == 116);
static_assert(SettingRecordLayout::byteSize(SettingRecordLayout::kFieldCount) ==
              SettingRecordLayout::kMaxRecordBytes);
