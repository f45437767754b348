#include "core/telemetry/TorvaClipData.h"

#include "core/telemetry/AviTelemetryReader.h"
#include "core/telemetry/Mp4TelemetryScanner.h"
#include "core/telemetry/SrtTelemetryReader.h"
#include "core/telemetry/TailBlockReader.h"
#include "core/telemetry/TelemetryNumbers.h"

#include <QFile>
#include <QFileInfo>

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

bool TorvaClipData::isCompactFamilyRecording(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    return name.endsWith(QLatin1String(".avi")) &&
           (name.startsWith(QLatin1String("Rec_")) || name.startsWith(QLatin1String("Event_")) ||
            name.startsWith(QLatin1String("Park_")) || name.startsWith(QLatin1String("Manual_")));
}

void TorvaClipData::loadVideoFileCilpDataFromFilePath(const QString &path)
{
    clear();
    if (QFileInfo(path).suffix() == QLatin1String("srt")) {
        m_clipDataCount = uint32_t(getP820AllDataFromSrtFile(path));
        return;
    }
    m_clipDataCount = uint32_t(getP820AllDataFromFile(path));
    if (m_clipDataCount != 0)
        return;
    m_clipDataCount = uint32_t(getAllDataFromFileTail(path));
    if (m_clipDataCount != 0)
        return;
    m_clipDataCount = uint32_t(getAllDataFromFile(path.toUtf8()));
}

void TorvaClipData::loadVideoFileCilpDataFromFilePath_QMV(const QString &path)
{
    clear();
    m_clipDataCount = uint32_t(getAllDataFromFile_QMV(path.toUtf8()));
}

namespace {

// Runs a reader over the file; a file that cannot be opened gives 0 and
// leaves the track as it was.
template <typename Reader> int32_t withOpenFile(const QString &path, Reader reader)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return reader(file);
}

} // namespace

int32_t TorvaClipData::getAllDataFromFile(const QByteArray &utf8Path)
{
    return withOpenFile(QString::fromUtf8(utf8Path), [this](QFile &file) {
        return AviTelemetryReader::read(file, AviTelemetryReader::Family::Standard, *this);
    });
}

int32_t TorvaClipData::getAllDataFromFile_QMV(const QByteArray &utf8Path)
{
    return withOpenFile(QString::fromUtf8(utf8Path), [this](QFile &file) {
        return AviTelemetryReader::read(file, AviTelemetryReader::Family::Compact, *this);
    });
}

int32_t TorvaClipData::getAllDataFromFileTail(const QString &path)
{
    return withOpenFile(path, [this](QFile &file) { return TailBlockReader::read(file, *this); });
}

int32_t TorvaClipData::getP820AllDataFromFile(const QString &path)
{
    return withOpenFile(path,
                        [this](QFile &file) { return Mp4TelemetryScanner::scan(file, *this); });
}

int32_t TorvaClipData::getP820AllDataFromSrtFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > SrtTelemetryReader::kMaxFileBytes) {
        m_gpsDataCount = 0;
        return 0;
    }
    return SrtTelemetryReader::read(file.readAll(), *this);
}
