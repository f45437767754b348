#include "core/displays/RouteSpeedBands.h"

#include <algorithm>
#include <array>

namespace {

constexpr double kMilesPerKilometre = 0.621371;
// Where the next band starts, in the unit shown: town, suburb, road, highway.
constexpr std::array<int, RouteSpeedBands::kBandCount - 1> kKmhEdges = {20, 40, 60, 80};
constexpr std::array<int, RouteSpeedBands::kBandCount - 1> kMphEdges = {15, 30, 45, 60};
constexpr std::array<const char *, RouteSpeedBands::kBandCount> kColours = {
    "#3b6fd8", "#1fa37a", "#e0b000", "#f07f13", "#d62728"};

const std::array<int, RouteSpeedBands::kBandCount - 1> &edgesOf(bool mph)
{
    return mph ? kMphEdges : kKmhEdges;
}

} // namespace

int RouteSpeedBands::bandOf(double kmh, bool mph)
{
    const double shown = mph ? kmh * kMilesPerKilometre : kmh;
    const auto &edges = edgesOf(mph);
    return int(std::upper_bound(edges.begin(), edges.end(), shown) - edges.begin());
}

QString RouteSpeedBands::colourOf(int band)
{
    return QLatin1String(kColours[size_t(std::clamp(band, 0, kBandCount - 1))]);
}

QList<RouteSpeedBands::LegendEntry> RouteSpeedBands::legend(bool mph)
{
    const auto &edges = edgesOf(mph);
    const QString unit = mph ? QStringLiteral("mph") : QStringLiteral("km/h");
    QList<LegendEntry> entries;
    entries.append({colourOf(0), QStringLiteral("< %1 %2").arg(edges.front()).arg(unit)});
    for (size_t i = 1; i < edges.size(); ++i)
        entries.append({colourOf(int(i)),
                        QStringLiteral("%1–%2 %3").arg(edges[i - 1]).arg(edges[i]).arg(unit)});
    entries.append(
        {colourOf(kBandCount - 1), QStringLiteral("≥ %1 %2").arg(edges.back()).arg(unit)});
    return entries;
}
