#include "core/settings_ui/ParkingModeChoice.h"

#include "core/settings_ui/SettingsFamily.h"

namespace {

using C = EditorControl;

const QList<C> kParkingSliders{C::ParkingShock, C::ParkingMotionSensitivity,
                               C::TimeLimit36x, C::TimeLimit36o,
                               C::Battery12V,   C::Battery24V};

const char *const kMotionKey = "주차모션 선택 시,\n타임랩스 영상이 삭제되고 주차모션 영상이 "
                               "저장됩니다.\n적용하시겠습니까?";
const char *const kTimeLapseKey =
    "타임랩스 선택 시 \n주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 "
    "저장됩니다.\n적용하시겠습니까?";
const char *const kOffKey = "주차모드를 사용하지 않는 경우,\n차량 시동이 꺼지면 주차 중 녹화가 "
                            "되지 않습니다.\n주차모드 사용을 해제 하시겠습니까?";

} // namespace

QString ParkingModeChoice::titleKey()
{
    return QStringLiteral("주차모드");
}

std::optional<QString> ParkingModeChoice::questionKey(qint64 modelType, int row)
{
    if (SettingsFamily::hasThreeRowParking(modelType)) {
        switch (row) {
        case 0:
            return QString::fromUtf8(kMotionKey);
        case 1:
            return QString::fromUtf8(kTimeLapseKey);
        default:
            return QString::fromUtf8(kOffKey);
        }
    }
    if (row == 1)
        return QString::fromUtf8(kOffKey);
    return std::nullopt;
}

ParkingModeChoice::Outcome ParkingModeChoice::accepted(qint64 modelType, int row)
{
    const bool threeRows = SettingsFamily::hasThreeRowParking(modelType);
    if (row == 0)
        return {1, kParkingSliders, {}};
    if (row == 1 && threeRows) {
        // Time-lapse records without motion detection.
        QList<C> enabled = kParkingSliders;
        enabled.removeOne(C::ParkingMotionSensitivity);
        return {2, enabled, {C::ParkingMotionSensitivity}};
    }
    return {0, {}, kParkingSliders};
}

int ParkingModeChoice::rowForStored(qint64 modelType, int parkingModeSet)
{
    switch (parkingModeSet) {
    case 1:
        return 0;
    case 2:
        return 1;
    default:
        return SettingsFamily::hasThreeRowParking(modelType) ? 2 : 1;
    }
}
