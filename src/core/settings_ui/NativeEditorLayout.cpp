#include "core/settings_ui/NativeEditorLayout.h"

#include "core/i18n/TorvaLanguages.h"
#include "core/settings_ui/EditorSections.h"
#include "core/settings_ui/NativeEditorMapping.h"
#include "core/settings_ui/SettingsFamily.h"
#include "core/settings_ui/SliderSteps.h"
#include "core/settings_ui/TimeZoneTable.h"

#include <QLocale>

#include <algorithm>

namespace {

using C = EditorControl;
using Kind = NativeEditorLayout::Kind;
using Page = NativeEditorLayout::Page;
using Row = EditorSections::Section;
using Layout = NativeEditorLayout;

const QStringList kOnOff{QStringLiteral("사용함"), QStringLiteral("사용 안함")};
const QStringList kQuality{QStringLiteral("낮음"), QStringLiteral("보통"), QStringLiteral("높음")};
// The cameras number their resolutions and frame rates; the models differ in
// what each number stands for.
const QStringList kThreeSettings{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
const QStringList kTwoSettings{QStringLiteral("1"), QStringLiteral("2")};

QString sliderTitleKey(C control)
{
    switch (control) {
    case C::FrontBrightness:
        return QStringLiteral("전방");
    case C::LdwsLeftSensitivity:
        return QStringLiteral("왼쪽");
    case C::TimeLimit36x:
    case C::TimeLimit36o:
        return QStringLiteral("시간");
    case C::Battery12V:
        return QStringLiteral("차량전압 12V");
    case C::Battery24V:
        return QStringLiteral("차량전압 24V");
    default:
        return {};
    }
}

QStringList sliderEndKeys(C control)
{
    switch (control) {
    case C::FrontBrightness:
    case C::RearBrightness:
        return {QStringLiteral("밝게"), QStringLiteral("어둡게")};
    case C::LcdBrightness:
        return {QStringLiteral("어두움"), QStringLiteral("밝음")};
    case C::AlwaysShock:
    case C::ParkingShock:
    case C::LdwsLeftSensitivity:
    case C::LdwsRightSensitivity:
    case C::FcwsSensitivity:
    case C::ParkingMotionSensitivity:
        return {QStringLiteral("둔감"), QStringLiteral("민감")};
    default:
        return {};
    }
}

struct Builder
{
    qint64 type;
    int32_t firmware;
    QList<NativeEditorMapping::Binding> bindings;
    QList<Layout::Section> sections;

    bool binds(const Layout::Control &control) const
    {
        if (!control.control || control.control == C::Language || control.control == C::TimeZone)
            return true;
        return std::any_of(bindings.cbegin(), bindings.cend(),
                           [&control](const auto &b) { return b.control == *control.control; });
    }
    // The editor lays out the sections the table leaves to it only for the
    // models that read or write something through them.
    bool offers(Row row, const QList<Layout::Control> &controls) const
    {
        switch (EditorSections::visibility(row, type, firmware)) {
        case EditorSections::Visibility::Shown:
            return true;
        case EditorSections::Visibility::Hidden:
            return false;
        case EditorSections::Visibility::AsLaidOut:
            break;
        }
        return std::any_of(controls.cbegin(), controls.cend(),
                           [this](const Layout::Control &control) { return binds(control); });
    }

    Layout::Control radio(C control, const QStringList &choices) const
    {
        return {control, Kind::Radio, choices};
    }
    Layout::Control slider(C control) const
    {
        const auto range = SliderSteps::forSlider(control, type);
        return {control, Kind::Slider, range ? range->guides : QStringList(),
                sliderTitleKey(control), sliderEndKeys(control)};
    }

    void add(const char *id, Page page, const char *titleKey,
             const QList<Layout::Control> &controls)
    {
        sections.append({QString::fromLatin1(id), page, QString::fromUtf8(titleKey), controls});
    }
    void addIf(Row row, const char *id, Page page, const char *titleKey,
               const QList<Layout::Control> &controls)
    {
        if (offers(row, controls))
            add(id, page, titleKey, controls);
    }
    // A front radio, and beside it the rear camera's where the model has one.
    QList<Layout::Control> frontAndRear(C front, C rear, const QStringList &frontChoices,
                                        const QStringList &rearChoices) const
    {
        QList<Layout::Control> controls{radio(front, frontChoices)};
        const Layout::Control rearRadio = radio(rear, rearChoices);
        if (offers(Row::RearRadios, {rearRadio}))
            controls.append(rearRadio);
        return controls;
    }
};

QStringList lcdOffTimerChoices(qint64 type)
{
    if (SettingsFamily::isOldGroup(type))
        return {QStringLiteral("2분 후"), QStringLiteral("5분 후"), QStringLiteral("10분 후"),
                QStringLiteral("사용 안함")};
    return {QStringLiteral("V580 : 30초 후"), QStringLiteral("V580 : 10분 후"),
            QStringLiteral("사용 안함")};
}

QStringList parkingModeChoices(qint64 type)
{
    if (SettingsFamily::hasThreeRowParking(type))
        return {QStringLiteral("주차모션"), QStringLiteral("타임랩스"),
                QStringLiteral("사용 안함")};
    return kOnOff;
}

// Resolution, frame rate and quality of the driving or the parking recordings.
struct VideoSections
{
    Row resolution, frameRate, quality;
    C frontResolution, rearResolution, frameRateControl, frontQuality, rearQuality;
};

void addVideoSections(Builder &b, Page page, const VideoSections &v)
{
    const QString prefix = page == Page::Parking ? QStringLiteral("parking_") : QString();
    const auto add = [&](Row row, const char *id, const char *titleKey,
                         const QList<Layout::Control> &controls) {
        if (b.offers(row, controls))
            b.sections.append(
                {prefix + QLatin1String(id), page, QString::fromUtf8(titleKey), controls});
    };
    add(v.resolution, "resolution", "영상 해상도",
        b.frontAndRear(v.frontResolution, v.rearResolution, kThreeSettings, kTwoSettings));
    add(v.frameRate, "frame_rate", "프레임 수", {b.radio(v.frameRateControl, kThreeSettings)});
    add(v.quality, "quality", "영상 화질",
        b.frontAndRear(v.frontQuality, v.rearQuality, kQuality, kQuality));
}

void addCommonPage(Builder &b)
{
    const Page p = Page::Common;
    b.add("language", p, "언어", {{C::Language, Kind::Popup, {}}});
    b.add("brightness", p, "밝기", {b.slider(C::FrontBrightness)});
    b.addIf(Row::RearBrightness, "rear_brightness", p, "후방", {b.slider(C::RearBrightness)});
    b.addIf(Row::AudioRecording, "audio_recording", p, "음성녹음",
            {b.radio(C::AudioRecording, kOnOff)});
    b.addIf(Row::VoiceGuidance, "voice_guidance", p, "음성 멘트",
            {b.radio(C::VoiceGuidance, kOnOff)});
    b.add("voice_volume", p, "볼륨", {b.slider(C::VoiceVolume)});
    b.addIf(Row::CameraClock, "camera_clock", p, "시간설정",
            // The date's check box says whether OK sets the camera's clock.
            {{std::nullopt, Kind::Date, {}, QStringLiteral("설정")},
             {std::nullopt, Kind::Button, {QStringLiteral("현재 시간 가져오기")}}});
    b.add("time_zone", p, "표준시간대", {{C::TimeZone, Kind::Combo, TimeZoneTable::gmtDescList()}});
    b.add("daylight_saving", p, "DST",
          {b.radio(C::DaylightSaving, {QStringLiteral("설정"), QStringLiteral("해제")})});
    b.addIf(Row::VideoDateFormat, "video_date_format", p, "비디오 날짜 형식",
            {b.radio(C::VideoDateFormat,
                     {QStringLiteral("yyyy-MM-dd"), QStringLiteral("MMM-dd-yyyy")})});
    b.add("speed_unit", p, "속도표시",
          {b.radio(C::SpeedUnit, {QStringLiteral("kph"), QStringLiteral("mph")})});
    b.addIf(Row::DrivingGuideCommon, "driving_guide_common", p, "안전운행 구간 음성 안내",
            {b.radio(C::DrivingGuideCommon, kOnOff)});
    b.addIf(Row::LcdBrightness, "lcd_brightness", p, "LCD 화면 밝기", {b.slider(C::LcdBrightness)});
    b.addIf(Row::LcdOffTimer, "lcd_off_timer", p, "LCD 자동 꺼짐",
            {b.radio(C::LcdOffTimer, lcdOffTimerChoices(b.type))});
    b.addIf(Row::SpeedStamp, "speed_stamp", p, "영상 속도 정보 표출",
            {b.radio(C::SpeedStamp, kOnOff)});
}

void addAlwaysPage(Builder &b)
{
    const Page p = Page::Always;
    addVideoSections(b, p,
                     {Row::Resolution, Row::FrameRate, Row::Quality, C::FrontResolution,
                      C::RearResolution, C::FrontFrameRate, C::FrontQuality, C::RearQuality});
    b.add("shock_sensitivity", p, "충격 감도", {b.slider(C::AlwaysShock)});
    b.addIf(Row::DrivingGuideAlways, "driving_guide_always", p, "V580 : 안전운행 구간 음성 안내",
            {b.radio(C::DrivingGuideAlways, kOnOff)});
    b.addIf(Row::SafetyCameraAlert, "safety_camera_alert", p, "이동식 단속 구간 안내",
            {b.radio(C::SafetyCameraAlert, kOnOff)});
    b.addIf(Row::Wdr, "wdr", p, "역광보정 기능(WDR)", {b.radio(C::Wdr, kOnOff)});
    b.addIf(Row::VehicleType, "vehicle_type", p, "차량 종류",
            {b.radio(C::VehicleType, {QStringLiteral("세단"), QStringLiteral("SUV"),
                                      QStringLiteral("트럭 (버스)")})});
    b.addIf(Row::Ldws, "ldws", p, "차선이탈 경보", {b.radio(C::Ldws, kOnOff)});
    b.addIf(Row::Ldws, "ldws_sensitivity", p, "차선이탈 민감도",
            {b.slider(C::LdwsLeftSensitivity)});
    b.addIf(Row::LdwsRightSensitivity, "ldws_right_sensitivity", p, "오른쪽",
            {b.slider(C::LdwsRightSensitivity)});
    b.addIf(Row::LdwsSpeed, "ldws_speed", p, "차선이탈 감지 속도",
            {b.radio(C::LdwsSpeed, {QStringLiteral("50km"), QStringLiteral("60km"),
                                    QStringLiteral("80km"), QStringLiteral("100km")})});
    b.addIf(Row::Fcws, "fcws", p, "전방 추돌 경보", {b.radio(C::Fcws, kOnOff)});
    b.addIf(Row::Fcws, "fcws_sensitivity", p, "전방 추돌 민감도", {b.slider(C::FcwsSensitivity)});
    b.addIf(Row::FrontVehicleDeparture, "front_vehicle_departure", p, "앞차 출발 알림",
            {b.radio(C::FrontVehicleDeparture, kOnOff)});
}

void addParkingPage(Builder &b)
{
    const Page p = Page::Parking;
    b.add("parking_mode", p, "주차모드", {b.radio(C::ParkingMode, parkingModeChoices(b.type))});
    b.addIf(Row::ParkingNightVision, "parking_night_vision", p, "슈퍼 나이트 비전",
            {b.radio(C::ParkingNightVision, kOnOff)});
    addVideoSections(b, p,
                     {Row::ParkingResolution, Row::ParkingFrameRate, Row::ParkingQuality,
                      C::ParkingFrontResolution, C::ParkingRearResolution, C::ParkingFrameRate,
                      C::ParkingFrontQuality, C::ParkingRearQuality});
    b.add("parking_shock_sensitivity", p, "충격 감도", {b.slider(C::ParkingShock)});
    b.addIf(Row::ParkingMotion, "parking_motion", p, "모션 감지",
            {b.radio(C::ParkingMotion, kOnOff)});
    b.add("parking_motion_sensitivity", p, "모션 감지", {b.slider(C::ParkingMotionSensitivity)});
    // The P820 also offers 36 hours.
    b.add("parking_time_limit", p, "녹화 종료 타이머 설정",
          {b.slider(b.type == 1 ? C::TimeLimit36o : C::TimeLimit36x)});
    b.add("battery_cutoff", p, "녹화 종료 전압 설정",
          {b.slider(C::Battery12V), b.slider(C::Battery24V)});
}

void addEtcPage(Builder &b)
{
    const Page p = Page::Etc;
    const auto check = [](C control, const char *key) {
        return Layout::Control{control, Kind::Check, {QString::fromUtf8(key)}};
    };
    b.add("overwrite", p, "녹화 영상 별 덮어쓰기",
          {check(C::OverwriteContinuous, "상시 녹화"), check(C::OverwriteAlwaysShock, "상시 충격"),
           check(C::OverwriteParkingMotion, "주차 모션"),
           check(C::OverwriteParkingShock, "주차 충격"), check(C::OverwriteManual, "수동 녹화")});
    b.addIf(Row::SecurityLed, "security_led", p, "시큐리티 LED",
            {b.radio(C::SecurityLed,
                     {QStringLiteral("모드 1"), QStringLiteral("모드 2"), QStringLiteral("모드 3"),
                      QStringLiteral("녹화모드에 따라 다르게")})});
    b.add("memory_partition", p, "메모리 파티션",
          {b.radio(C::Partition, {QStringLiteral("A Type(권장)"), QStringLiteral("B Type"),
                                  QStringLiteral("C Type")})});
    b.addIf(Row::MemoryCardFormat, "memory_card_format", p, "메모리 카드 포멧",
            {{std::nullopt, Kind::Button, {QStringLiteral("포멧하기")}}});
    b.addIf(Row::TouchCalibration, "touch_calibration", p, "화면 터치 정확도 초기화",
            {{std::nullopt, Kind::Button, {QStringLiteral("초기화하기")}}});
}

} // namespace

QList<NativeEditorLayout::Section> NativeEditorLayout::forModel(qint64 modelType,
                                                                int32_t firmwareVersionInt)
{
    Builder builder{modelType,
                    firmwareVersionInt,
                    NativeEditorMapping::bindings(modelType, firmwareVersionInt),
                    {}};
    addCommonPage(builder);
    addAlwaysPage(builder);
    addParkingPage(builder);
    addEtcPage(builder);
    return builder.sections;
}

QString NativeEditorLayout::pageId(Page page)
{
    static const char *const kIds[] = {"common", "always", "parking", "etc"};
    return QString::fromLatin1(kIds[int(page)]);
}

QString NativeEditorLayout::kindName(Kind kind)
{
    static const char *const kNames[] = {"radio", "slider", "check", "combo",
                                         "popup", "date",   "button"};
    return QString::fromLatin1(kNames[int(kind)]);
}

QStringList NativeEditorLayout::videoDateFormatTitles(const QDate &today)
{
    const TorvaLanguages *languages = TorvaLanguages::SharedTorvaLanguages();
    const QString example = languages->localized(QStringLiteral("e.g.)"));
    // The cameras' own wording, the parenthesis of the first one included.
    return {QStringLiteral("%1  %2)%3")
                .arg(languages->localized(QStringLiteral("yyyy-MM-dd")), example,
                     today.toString(QStringLiteral("yyyy-MM-dd"))),
            QStringLiteral("%1  %2%3")
                .arg(languages->localized(QStringLiteral("MMM-dd-yyyy")), example,
                     QLocale(QLocale::English, QLocale::UnitedStates)
                         .toString(today, QStringLiteral("MMM-dd-yyyy")))};
}
