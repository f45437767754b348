#include "core/settings/SettingRecordLayout.h"
#include "core/settings/P820SettingManager.h"

#include <gtest/gtest.h>

// Where the cameras put the fields around each change of width or encoding;
// every field between two of these is four bytes wide.
TEST(SettingRecordLayout, FieldsSitAtTheCameraOffsets)
{
    using E = SettingEncoding;
    const struct
    {
        const char *name;
        int offset;
        int width;
        SettingEncoding encoding;
    } fields[] = {
        {"checksum", 0, 4, E::Int32},         {"product_name", 8, 16, E::Text},
        {"serial_number", 24, 16, E::Text},   {"version", 40, 10, E::Text},
        {"reserved", 50, 2, E::UInt16},       {"front_resolution", 52, 4, E::Int32},
        {"front_constrast", 68, 4, E::Int32}, {"driving_guide_version", 224, 4, E::Int32},
        {"setting_path", 228, 128, E::Text},  {"micom_version", 356, 16, E::Text},
        {"gmt_offset", 372, 4, E::Int32},     {"tz_key", 380, 32, E::Text},
        {"date_format", 412, 4, E::Int32},    {"battery_auto_set", 432, 4, E::Int32},
        {"local_id", 460, 4, E::Int32},       {"set_resolution", 504, 4, E::Int32},
        {"cloud_onoff", 572, 4, E::Int32},    {"iot_onoff", 576, 1, E::UInt8},
        {"bcws_onoff", 594, 1, E::UInt8},     {"avn_onoff", 595, 1, E::UInt8},
    };
    const P820SettingManager manager;
    for (const auto &expected : fields) {
        SCOPED_TRACE(expected.name);
        const std::optional<SettingField> field =
            SettingRecordLayout::fieldNamed(QString::fromLatin1(expected.name));
        ASSERT_TRUE(field);
        EXPECT_EQ(manager.offsetFromValue(*field), expected.offset);
        EXPECT_EQ(SettingRecordLayout::format(*field).width, expected.width);
        EXPECT_EQ(SettingRecordLayout::format(*field).encoding, expected.encoding);
    }
    for (int i = 0; i < SettingRecordLayout::kFieldCount; ++i)
        EXPECT_EQ(SettingRecordLayout::fieldNamed(
                      QString::fromLatin1(SettingRecordLayout::format(SettingField(i)).name)),
                  SettingField(i));
    EXPECT_EQ(manager.offsetFromValue(SettingField(-1)), 0);
    EXPECT_EQ(manager.offsetFromValue(SettingField(116)), 0);
    EXPECT_FALSE(SettingRecordLayout::fieldNamed(u"front_contrast"));
}

// One model of each record length, and the V580 on both sides of firmware 17.
TEST(SettingRecordLayout, RecordLengthFollowsModelAndFirmware)
{
    const struct
    {
        qint64 type;
        int32_t firmware;
        int fields;
        int bytes;
    } cases[] = {{-1, 0, 60, 432},  {2, 0, 60, 432},  {6, 0, 60, 432},   {28, 0, 60, 432},
                 {3, 16, 68, 464},  {3, 17, 78, 504}, {4, 0, 68, 464},   {4, 99, 78, 504},
                 {5, 0, 79, 508},   {18, 0, 81, 516}, {16, 0, 92, 560},  {13, 0, 93, 564},
                 {21, 0, 96, 576},  {17, 0, 99, 579}, {23, 0, 102, 582}, {25, 0, 113, 593},
                 {26, 0, 116, 596}, {29, 0, 0, 0},    {-2, 0, 0, 0}};
    P820SettingManager manager;
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " firmware " << c.firmware);
        manager.setModelType(c.type);
        manager.setFirmwareVersionInt(c.firmware);
        EXPECT_EQ(manager.getSettingVariableCount(), c.fields);
        EXPECT_EQ(manager.getSaveDataSize(), c.bytes);
    }
}
