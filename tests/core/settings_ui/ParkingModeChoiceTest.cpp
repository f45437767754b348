#include "core/settings_ui/ParkingModeChoice.h"

#include <gtest/gtest.h>

using C = EditorControl;

TEST(ParkingModeChoice, ThreeRowModelsAskForEveryRowOthersOnlyForOff)
{
    const auto off = ParkingModeChoice::questionKey(8, 1);
    ASSERT_TRUE(off);
    EXPECT_TRUE(off->startsWith(QStringLiteral("주차모드를 사용하지 않는 경우,\n")));
    EXPECT_EQ(ParkingModeChoice::questionKey(8, 0), std::nullopt);
    EXPECT_EQ(ParkingModeChoice::questionKey(10, 2), off);
    EXPECT_TRUE(
        ParkingModeChoice::questionKey(10, 0)->startsWith(QStringLiteral("주차모션 선택 시")));
    EXPECT_TRUE(
        ParkingModeChoice::questionKey(18, 1)->startsWith(QStringLiteral("타임랩스 선택 시 \n")));
}

TEST(ParkingModeChoice, AnswersSwitchTheSlidersAndTheStoredMode)
{
    const auto timeLapse = ParkingModeChoice::accepted(9, 1);
    EXPECT_EQ(timeLapse.parkingModeSet, 2);
    EXPECT_EQ(timeLapse.disabled, QList<C>{C::ParkingMotionSensitivity});
    EXPECT_TRUE(timeLapse.enabled.contains(C::Battery24V));
    const auto off = ParkingModeChoice::accepted(8, 1);
    EXPECT_EQ(off.parkingModeSet, 0);
    EXPECT_TRUE(off.enabled.isEmpty());
    EXPECT_TRUE(off.disabled.contains(C::ParkingShock));
    EXPECT_EQ(ParkingModeChoice::accepted(9, 2).parkingModeSet, 0);
    EXPECT_EQ(ParkingModeChoice::accepted(1, 0).parkingModeSet, 1);

    // "No" returns to the stored mode's row.
    EXPECT_EQ(ParkingModeChoice::rowForStored(9, 0), 2);
    EXPECT_EQ(ParkingModeChoice::rowForStored(8, 0), 1);
    EXPECT_EQ(ParkingModeChoice::rowForStored(9, 2), 1);
    EXPECT_EQ(ParkingModeChoice::rowForStored(1, 1), 0);
}
