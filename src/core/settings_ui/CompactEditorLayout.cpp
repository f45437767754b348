#include "core/settings_ui/CompactEditorLayout.h"

#include <utility>

namespace {

using C = CompactControl;
using Layout = CompactEditorLayout;
using Kind = Layout::Kind;
using Match = Layout::Match;

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Row 0 is "on" and writes "1"; a value neither "1" nor "0" shows otherRow.
Layout::Control onOff(C control, const char *key, int otherRow)
{
    return {.control = control,
            .key = text(key),
            .choices = {text("V120 : 사용 함"), text("V120 : 사용 안 함")},
            .values = {0, 1},
            .stored = {QStringLiteral("1"), QStringLiteral("0")},
            .otherValue = otherRow};
}

// A slider stores its own value; anything else shows the middle position.
Layout::Control slider(C control, const char *key, const QList<int> &positions,
                       const QStringList &labelKeys)
{
    QStringList numbers;
    for (const int position : positions)
        numbers.append(QString::number(position));
    return {.control = control,
            .kind = Kind::Slider,
            .key = text(key),
            .choices = numbers,
            .values = positions,
            .stored = numbers,
            .otherValue = 3,
            .labelKeys = labelKeys};
}

Layout::Control timeZones()
{
    // The camera's own wording, the double blank of "Atlantic" included.
    static const std::pair<const char *, double> kZones[] = {
        {"(UTC-10:00) Hawaii", -10.0},
        {"(UTC-09:00) Alaska", -9.0},
        {"(UTC-08:00) Pacific Standard Time (U.S.A and Canada)", -8.0},
        {"(UTC-07:00) Mountain Standard Time (U.S.A and Canada)", -7.0},
        {"(UTC-06:00) Central Standard Time (U.S.A and Canada)", -6.0},
        {"(UTC-05:00) Eastern Standard Time (U.S.A and Canada)", -5.0},
        {"(UTC-04:00) Atlantic  Standard Time (Canada)", -4.0},
        {"(UTC) Greenwich", 0.0},
        {"(UTC+01:00) Brussels, Copenhagen, Madrid, Paris", 1.0},
        {"(UTC+08:00) Kuala Lumpur, Singapore", 8.0},
        {"(UTC+09:30) Adelaide", 9.5},
        {"(UTC+10:00) Canberra, Melbourne, Sidney", 10.0},
    };
    // Hours with six decimals; read back by whole hours, so 9.5 is 9.
    Layout::Control combo{.control = C::TimeZone,
                          .kind = Kind::Combo,
                          .key = QStringLiteral("local_time="),
                          .otherValue = 2}; // Pacific
    for (const auto &[item, hours] : kZones) {
        combo.values.append(int(combo.choices.size()));
        combo.choices.append(QString::fromLatin1(item));
        combo.stored.append(QString::number(hours, 'f', 6));
    }
    return combo;
}

QList<Layout::Section> buildSections()
{
    const QStringList lowHigh = {text("V120 : 작게"), text("V120 : 크게")};
    const QStringList sensitivity = {text("V120 : 둔감"), text("V120 : 민감")};
    Layout::Control parkingMode = onOff(C::ParkingMode, "park_mode=", 1);
    parkingMode.labelKeys = {text("(시동이 꺼지면 주차 녹화 모드로 전환합니다"),
                             text("(시동이 꺼지면 블랙박스를 종료합니다")};
    return {
        {QStringLiteral("partition"),
         text("V120 : 메모리 파티션"),
         {{.control = C::Partition,
           .choices = {text("A Type(권장)"), text("B Type"), text("C Type")},
           .values = {0, 1, 2}}}},
        {QStringLiteral("parking_mode"),
         text("V120 : 자동주차모드"),
         {parkingMode,
          {.control = C::Voltage,
           .key = QStringLiteral("power_off_vlt="),
           .choices = {text("V120 : 사용 안 함"), QStringLiteral("11.8V"), QStringLiteral("12.0V"),
                       QStringLiteral("12.2V")},
           .values = {0, 1, 2, 3},
           .stored = {QStringLiteral("0"), QStringLiteral("11800"), QStringLiteral("12000"),
                      QStringLiteral("12200")},
           .otherValue = 2,
           .match = Match::WholeHundreds,
           .labelKeys = {text("V120 : 녹화종료전압")}}}},
        {QStringLiteral("date_time"),
         text("V120 : 날짜 / 시간"),
         {{.control = C::DateTimeSet,
           .kind = Kind::Check,
           .key = QStringLiteral("set="),
           .values = {0, 1},
           .stored = {QStringLiteral("0"), QStringLiteral("1")}},
          {.control = C::DatePicker, .kind = Kind::Date},
          {.control = C::CurrentTime,
           .kind = Kind::Button,
           .choices = {text("현재 시간 가져오기")}}}},
        {QStringLiteral("language"),
         text("언어"),
         {{.control = C::Language,
           .key = QStringLiteral("language="),
           .choices = {text("영어"), text("프랑스어")},
           .values = {0, 1},
           .stored = {QStringLiteral("us"), QStringLiteral("fr")},
           .match = Match::Text}}},
        {QStringLiteral("local_time"), text("V120 : 표준 시간대"), {timeZones()}},
        {QStringLiteral("summer_time"),
         text("V120 : Daylight Saving Time"),
         {onOff(C::DaylightSaving, "summer_time=", 1)}},
        {QStringLiteral("mic_in"),
         text("V120 : 음성녹음"),
         {onOff(C::VoiceRecording, "mic_in=", 0)}},
        {QStringLiteral("voice_guidance"),
         text("V120 : 음성안내"),
         {onOff(C::VoiceGuidance, "voice_out=", 0),
          slider(C::VoiceVolume, "voice_volume=", {1, 3, 5}, lowHigh)}},
        {QStringLiteral("acc_level"),
         text("V120 : 충격감도"),
         {slider(C::ImpactSensitivity, "acc_level=", {2, 3, 4}, sensitivity)}},
        {QStringLiteral("motion_level"),
         text("V120 : 모션인식감도"),
         {slider(C::MotionSensitivity, "motion_level=", {1, 3, 5}, sensitivity)}},
        {QStringLiteral("osd_speed"),
         text("속도표시"),
         {{.control = C::SpeedUnit,
           .key = QStringLiteral("osd_speed="),
           .choices = {QStringLiteral("kph"), QStringLiteral("mph")},
           .values = {0, 1},
           .stored = {QStringLiteral("1"), QStringLiteral("2")}}}},
        {QStringLiteral("front_led"),
         text("시큐리티 LED"),
         {onOff(C::SecurityLed, "front_led=", 1)}},
        {QStringLiteral("firmware"),
         text("V120 : 펌웨어 버전"),
         {{.control = C::Model,
           .kind = Kind::Text,
           .key = QStringLiteral("model="),
           .choices = {text("V120 : Model")}},
          {.control = C::Version,
           .kind = Kind::Text,
           .key = QStringLiteral("version="),
           .choices = {text("V120 : Version")}}}},
    };
}

} // namespace

const QList<CompactEditorLayout::Section> &CompactEditorLayout::sections()
{
    static const QList<Section> sections = buildSections();
    return sections;
}

const CompactEditorLayout::Control &CompactEditorLayout::control(CompactControl which)
{
    static const QList<const Control *> byControl = [] {
        QList<const Control *> controls(kCompactControlCount, nullptr);
        for (const Section &section : sections()) {
            for (const Control &control : section.controls)
                controls[int(control.control)] = &control;
        }
        return controls;
    }();
    return *byControl.at(int(which));
}

const CompactEditorLayout::Control *CompactEditorLayout::controlNamed(const QString &name)
{
    for (const Section &section : sections()) {
        const Control *choosable = nullptr;
        int choosableCount = 0;
        for (const Control &control : section.controls) {
            if (!control.key.isEmpty() && fieldName(control) == name)
                return &control;
            if (!control.values.isEmpty()) {
                choosable = &control;
                ++choosableCount;
            }
        }
        if (section.id == name && choosableCount == 1)
            return choosable;
    }
    return nullptr;
}

QString CompactEditorLayout::fieldName(const Control &control)
{
    return control.key.chopped(control.key.isEmpty() ? 0 : 1);
}

const QList<CompactEditorLayout::PartitionShare> &CompactEditorLayout::partitionShares()
{
    static const QList<PartitionShare> shares = {
        {QStringLiteral("const="), QStringLiteral("continuous"), text("V120 : 상시녹화")},
        {QStringLiteral("event="), QStringLiteral("event"), text("V120 : 이벤트녹화")},
        {QStringLiteral("park="), QStringLiteral("park"), text("V120 : 주차녹화")},
        {QStringLiteral("manual="), QStringLiteral("manual"), text("V120 : 수동녹화")},
    };
    return shares;
}

QString CompactEditorLayout::dialogTitleKey()
{
    return text("블랙박스 설정");
}

const QStringList &CompactEditorLayout::buttonTitleKeys()
{
    static const QStringList keys = {text("설정값 초기화"), text("확인"), text("취소")};
    return keys;
}

QString CompactEditorLayout::kindName(Kind kind)
{
    static const char *const kNames[] = {"radio", "slider", "check", "combo",
                                         "date",  "button", "text"};
    return QString::fromLatin1(kNames[int(kind)]);
}
