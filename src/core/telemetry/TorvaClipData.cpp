#include "core/telemetry/TorvaClipData.h"

#include "core/telemetry/TelemetryNumbers.h"

#include <algorithm>

bool TorvaClipData::isValidIndex(int32_t index) const
{
    return index <= kCapacity - 1 && uint32_t(index) < m_clipDataCount;
}

int16_t TorvaClipData::getGx(int32_t index) const
{
    return isValidIndex(index) ? m_samples.gx[size_t(index)] : kNoAcceleration;
}

int16_t TorvaClipData::getGy(int32_t index) const
{
    return isValidIndex(index) ? m_samples.gy[size_t(index)] : kNoAcceleration;
}

int16_t TorvaClipData::getGz(int32_t index) const
{
    return isValidIndex(index) ? m_samples.gz[size_t(index)] : kNoAcceleration;
}

float TorvaClipData::getGpsLat(int32_t index) const
{
    return isValidIndex(index) ? m_samples.gpsInfoLat[size_t(index)] : kNoPosition;
}

float TorvaClipData::getGpsLng(int32_t index) const
{
    return isValidIndex(index) ? m_samples.gpsInfoLng[size_t(index)] : kNoPosition;
}

uint32_t TorvaClipData::getGpsSpeed(int32_t index) const
{
    return isValidIndex(index) ? m_samples.gpsSpeed[size_t(index)] : kNoSpeed;
}

bool TorvaClipData::hasFix(int32_t index) const
{
    return isValidIndex(index) && (getGpsLat(index) != 0.0f || getGpsLng(index) != 0.0f);
}

int32_t TorvaClipData::sampleCount() const
{
    return int32_t(std::min<uint32_t>(m_clipDataCount, kCapacity));
}

void TorvaClipData::getClipDataWithIndex(int32_t index, int32_t &x, int32_t &y, int32_t &z,
                                         float &lat, float &lng, uint32_t &speed) const
{
    x = getGx(index);
    y = getGy(index);
    z = getGz(index);
    lat = getGpsLat(index);
    lng = getGpsLng(index);
    speed = getGpsSpeed(index);
}

void TorvaClipData::clear()
{
    m_samples = TelemetrySamples{};
    m_clipDataCount = 0;
    m_gpsDataCount = 0;
}

void TorvaClipData::storeSamples(const TelemetrySamples &samples, int count, uint32_t gpsCount)
{
    const auto n = size_t(std::clamp(count, 0, kCapacity));
    std::copy_n(samples.gx.begin(), n, m_samples.gx.begin());
    std::copy_n(samples.gy.begin(), n, m_samples.gy.begin());
    std::copy_n(samples.gz.begin(), n, m_samples.gz.begin());
    std::copy_n(samples.gpsInfoLat.begin(), n, m_samples.gpsInfoLat.begin());
    std::copy_n(samples.gpsInfoLng.begin(), n, m_samples.gpsInfoLng.begin());
    std::copy_n(samples.gpsSpeed.begin(), n, m_samples.gpsSpeed.begin());
    m_gpsDataCount = gpsCount;
}

uint32_t TorvaClipData::cal_string(std::string_view text)
{
    return TelemetryNumbers::nmeaToMicrodegrees(text);
}

int32_t TorvaClipData::storeReading(const std::optional<TelemetryReading> &reading)
{
    if (!reading)
        return 0;
    storeSamples(reading->samples, reading->count, reading->gpsCount);
    return reading->count;
}

void TorvaClipData::load(const QString &path, TelemetrySource::Choice choice)
{
    replaceWith(TelemetrySource::read(path, choice));
}

void TorvaClipData::loadRecording(const QString &recordingPath)
{
    replaceWith(TelemetrySource::readRecording(recordingPath));
}

void TorvaClipData::replaceWith(const std::optional<TelemetryReading> &reading)
{
    clear();
    m_clipDataCount = uint32_t(storeReading(reading));
}

void TorvaClipData::loadVideoFileCilpDataFromFilePath(const QString &path)
{
    load(path, TelemetrySource::Choice::ReaderChain);
}

void TorvaClipData::loadVideoFileCilpDataFromFilePath_QMV(const QString &path)
{
    load(path, TelemetrySource::Choice::CompactFamily);
}

int32_t TorvaClipData::getAllDataFromFile(const QByteArray &utf8Path)
{
    return storeReading(TelemetrySource::readWith(QString::fromUtf8(utf8Path),
                                                  TelemetrySource::Reader::StandardAvi));
}

int32_t TorvaClipData::getAllDataFromFile_QMV(const QByteArray &utf8Path)
{
    return storeReading(TelemetrySource::readWith(QString::fromUtf8(utf8Path),
                                                  TelemetrySource::Reader::CompactAvi));
}

int32_t TorvaClipData::getAllDataFromFileTail(const QString &path)
{
    return storeReading(TelemetrySource::readWith(path, TelemetrySource::Reader::TailBlock));
}

int32_t TorvaClipData::getP820AllDataFromFile(const QString &path)
{
    return storeReading(TelemetrySource::readWith(path, TelemetrySource::Reader::Mp4Tags));
}

int32_t TorvaClipData::getP820AllDataFromSrtFile(const QString &path)
{
    return storeReading(TelemetrySource::readWith(path, TelemetrySource::Reader::Subtitles));
}
