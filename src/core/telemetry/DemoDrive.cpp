#include "telemetry/DemoDrive.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kMetresPerDegree = 111320.0;
constexpr double kKnotsPerKmh = 1.0 / 1.852;
constexpr int kUnitsPerG = 128;

uint8_t rawAxis(double g)
{
    // The camera stores 128 - raw, so raw = 128 - value.
    return uint8_t(std::clamp(128 - int(std::lround(g * kUnitsPerG)), 0, 255));
}

QByteArray nmeaCoordinate(double degrees, int degreeDigits)
{
    const double absolute = std::fabs(degrees);
    const int whole = int(absolute);
    const double minutes = (absolute - whole) * 60.0;
    return QByteArray::number(whole).rightJustified(degreeDigits, '0') +
           QByteArray::number(minutes, 'f', 4).rightJustified(7, '0');
}

} // namespace

DemoDrive::DemoDrive(const Options &options) : m_options(options) {}

double DemoDrive::speedAt(int second)
{
    // Pull away, cruise, slow for a bend, speed up again, brake at a light.
    static const double profile[] = {0,  6,  14, 22, 30, 37, 43, 48, 52, 54, 55, 55, 53, 46, 38,
                                     33, 32, 36, 42, 48, 53, 57, 59, 60, 60, 58, 50, 38, 24, 12};
    constexpr int length = int(std::size(profile));
    return profile[size_t(second % length)];
}

QByteArray DemoDrive::rmcSentence(const QDateTime &time, bool fix, double latitude,
                                  double longitude, double knots, double course)
{
    QByteArray body =
        "GPRMC," + time.toString(QStringLiteral("HHmmss.00")).toLatin1() + (fix ? ",A," : ",V,");
    if (fix) {
        body += nmeaCoordinate(latitude, 2) + (latitude < 0 ? ",S," : ",N,") +
                nmeaCoordinate(longitude, 3) + (longitude < 0 ? ",W," : ",E,") +
                QByteArray::number(knots, 'f', 1) + ',' + QByteArray::number(course, 'f', 1) + ',';
    } else {
        body += ",,,,,,";
    }
    body += time.toString(QStringLiteral("ddMMyy")).toLatin1() + ",,,A";
    uint8_t checksum = 0;
    for (const char c : body)
        checksum ^= uint8_t(c);
    return '$' + body + '*' + QByteArray::number(checksum, 16).toUpper().rightJustified(2, '0');
}

std::vector<QByteArray> DemoDrive::aviRecords() const
{
    std::vector<QByteArray> records;
    double latitude = m_options.startLatitude;
    double longitude = m_options.startLongitude;
    double heading = m_options.startHeadingDegrees;
    for (int second = 0; second < m_options.seconds; ++second) {
        const double speed = speedAt(second);
        const double acceleration = (speedAt(second + 1) - speed) / 3.6 / 9.81; // g, along the car
        // Bends while slowing down: the car turns, which the lateral axis feels.
        const double turnRate =
            (second % 30 >= 12 && second % 30 < 17) ? 9.0 : 0.0; // degrees per second
        const double lateral = speed / 3.6 * (turnRate * std::numbers::pi / 180.0) / 9.81;
        const int count = 10 + (second * 7) % 21;
        for (int i = 0; i < count; ++i) {
            const double bump = 0.04 * std::sin(double(second * 31 + i * 7));
            records.push_back("M" + QByteArray(1, char(rawAxis(acceleration + bump / 2))) +
                              QByteArray(1, char(rawAxis(lateral))) +
                              QByteArray(1, char(rawAxis(1.0 + bump))));
        }
        const bool fix = second >= m_options.secondsWithoutFix;
        records.push_back(rmcSentence(m_options.startTime.addSecs(second), fix, latitude, longitude,
                                      speed * kKnotsPerKmh, heading));
        const double metres = speed / 3.6;
        const double radians = heading * std::numbers::pi / 180.0;
        latitude += metres * std::cos(radians) / kMetresPerDegree;
        longitude += metres * std::sin(radians) /
                     (kMetresPerDegree * std::cos(latitude * std::numbers::pi / 180.0));
        heading = std::fmod(heading + turnRate + 360.0, 360.0);
    }
    return records;
}
