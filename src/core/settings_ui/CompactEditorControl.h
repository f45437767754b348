#pragma once

// The controls of the compact model's settings editor, in dialog order.
enum class CompactControl
{
    Partition,
    ParkingMode,
    Voltage,
    DateTimeSet,
    DatePicker,
    CurrentTime,
    Language,
    TimeZone,
    DaylightSaving,
    VoiceRecording,
    VoiceGuidance,
    VoiceVolume,
    ImpactSensitivity,
    MotionSensitivity,
    SpeedUnit,
    SecurityLed,
    Model,
    Version,
};

constexpr int kCompactControlCount = int(CompactControl::Version) + 1;
