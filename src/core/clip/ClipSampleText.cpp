#include "core/clip/ClipSampleText.h"

#include "core/displays/SpeedGaugeReadout.h"
#include "core/telemetry/TorvaClipData.h"

#include <algorithm>
#include <limits>

QString ClipSampleText::speed(uint32_t kmh, bool metricSpeed)
{
    const QString unit = metricSpeed ? QStringLiteral("km/h") : QStringLiteral("mph");
    if (kmh == TorvaClipData::kNoSpeed)
        return QStringLiteral("-- ") + unit;
    const auto value = SpeedGaugeReadout::displaySpeed(
        int32_t(std::min<uint32_t>(kmh, std::numeric_limits<int32_t>::max())), !metricSpeed);
    return QString::number(value) + ' ' + unit;
}

QString ClipSampleText::position(const TorvaClipData &track, int32_t index)
{
    if (!track.hasFix(index))
        return QStringLiteral("--");
    return QString::asprintf("%.5f, %.5f", double(track.getGpsLat(index)),
                             double(track.getGpsLng(index)));
}

QString ClipSampleText::acceleration(const TorvaClipData &track, int32_t index)
{
    constexpr double kUnit = TorvaClipData::kUnitsPerG;
    return QString::asprintf("X %.2f Y %.2f Z %.2f", track.getGx(index) / kUnit,
                             track.getGy(index) / kUnit, track.getGz(index) / kUnit);
}

QStringList ClipSampleText::lines(const TorvaClipData &track, int32_t index, bool metricSpeed)
{
    return {speed(track.getGpsSpeed(index), metricSpeed), position(track, index),
            acceleration(track, index)};
}
