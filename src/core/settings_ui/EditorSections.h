#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The sections of the native settings editor whose presence depends on the
// camera model, and for each model type whether the editor shows it, hides
// it, or leaves it as the editor lays it out (shown).
class EditorSections
{
public:
    enum class Section
    {
        AudioRecording,
        VoiceGuidance,
        RearBrightness,
        LcdBrightness,
        LcdOffTimer,
        CameraClock,
        VideoDateFormat,
        DrivingGuideCommon,
        SpeedStamp,
        Resolution,
        RearRadios, // the rear resolution and rear quality radios
        FrameRate,
        Quality,
        DrivingGuideAlways,
        SafetyCameraAlert,
        Wdr,
        VehicleType,
        Ldws,
        LdwsSpeed,
        Fcws,
        LdwsRightSensitivity,
        FrontVehicleDeparture,
        ParkingResolution,
        ParkingFrameRate,
        ParkingQuality,
        ParkingMotion,
        ParkingNightVision,
        SecurityLed,
        TouchCalibration,
        MemoryCardFormat,
    };
    static constexpr int kSectionCount = int(Section::MemoryCardFormat) + 1;

    enum class Visibility
    {
        Shown,
        Hidden,
        AsLaidOut,
    };

    // Model types outside 0-19 have no row in the table: every section stays
    // as laid out.
    static Visibility visibility(Section section, qint64 modelType, int32_t firmwareVersionInt);
    // Whether the model's editor offers the section at all.
    static bool isPresent(Section section, qint64 modelType, int32_t firmwareVersionInt)
    {
        return visibility(section, modelType, firmwareVersionInt) != Visibility::Hidden;
    }

    // "audio_recording", "ldws_speed", …: the names scripts use.
    static QString id(Section section);
    static std::optional<Section> fromId(const QString &id);
};
