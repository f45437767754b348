#pragma once

#include "core/telemetry/TelemetryReading.h"
#include "core/telemetry/TelemetrySource.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>

// The telemetry track of one recording: up to 650 samples of acceleration,
// position and speed at ten samples per second. Sample i belongs to play
// time i / 10 s. Accessors answer an invalid index with a no-data value.
class TorvaClipData
{
public:
    static constexpr int kCapacity = TelemetrySamples::kCapacity;
    static constexpr int16_t kNoAcceleration = -512;
    static constexpr float kNoPosition = 512.0f;
    static constexpr uint32_t kNoSpeed = 1024;
    // Acceleration is stored in 1/128 g.
    static constexpr int kUnitsPerG = 128;

    int16_t getGx(int32_t index) const;
    int16_t getGy(int32_t index) const;
    int16_t getGz(int32_t index) const;
    float getGpsLat(int32_t index) const;
    float getGpsLng(int32_t index) const;
    uint32_t getGpsSpeed(int32_t index) const;
    void getClipDataWithIndex(int32_t index, int32_t &x, int32_t &y, int32_t &z, float &lat,
                              float &lng, uint32_t &speed) const;

    // A sample of the track with a position other than 0, 0.
    bool hasFix(int32_t index) const;

    uint32_t clipDataCount() const { return m_clipDataCount; }
    // The samples that can be read: clipDataCount, at most kCapacity.
    int32_t sampleCount() const;
    void setClipDataCount(uint32_t count) { m_clipDataCount = count; }
    uint32_t gpsDataCount() const { return m_gpsDataCount; }
    void setGpsDataCount(uint32_t count) { m_gpsDataCount = count; }

    // Refills the track from the file with the readers the choice names; a
    // file without telemetry leaves it empty.
    void load(const QString &path, TelemetrySource::Choice choice);
    // Refills the track with a recording's telemetry wherever it lies
    // (TelemetrySource::readRecording).
    void loadRecording(const QString &recordingPath);
    // Loading: the reader chain, and the compact family's own loader.
    void loadVideoFileCilpDataFromFilePath(const QString &path);
    void loadVideoFileCilpDataFromFilePath_QMV(const QString &path);

    // The readers. Each stores what it found from index 0 on, sets
    // gpsDataCount and returns the number of samples stored; when the reader
    // has nothing to give (see TelemetrySource::readWith) the result is 0
    // and the track stays as it was.
    int32_t getAllDataFromFile(const QByteArray &utf8Path);
    int32_t getAllDataFromFile_QMV(const QByteArray &utf8Path);
    int32_t getAllDataFromFileTail(const QString &path);
    int32_t getP820AllDataFromFile(const QString &path);
    int32_t getP820AllDataFromSrtFile(const QString &path);

    static uint32_t cal_string(std::string_view text);

    // Sets all sample arrays and both counts to zero.
    void clear();

    // Replaces samples 0 … count-1 with those of a reader's result.
    void storeSamples(const TelemetrySamples &samples, int count, uint32_t gpsCount);
    // Stores a reader's result when there is one; returns its sample count.
    int32_t storeReading(const std::optional<TelemetryReading> &reading);

    const TelemetrySamples &samples() const { return m_samples; }

private:
    void replaceWith(const std::optional<TelemetryReading> &reading);
    bool isValidIndex(int32_t index) const;

    TelemetrySamples m_samples;
    uint32_t m_clipDataCount = 0;
    uint32_t m_gpsDataCount = 0;
};
