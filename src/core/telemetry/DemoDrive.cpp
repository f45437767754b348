#include "core/telemetry/DemoDrive.h"

#include "core/telemetry/SrtText.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kMetresPerDegree = 111320.0;
constexpr double kKnotsPerKmh = 1.0 / 1.852;
constexpr int kUnitsPerG = 128;
// "gsensori" records give counts and the counts per g as a ratio.
constexpr int kSensorScaleA = 16;
constexpr int kSensorScaleB = 4096;
constexpr int kCountsPerG = kSensorScaleB / kSensorScaleA;

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

DemoDrive::DemoDrive(const Options &options)
{
    double latitude = options.startLatitude;
    double longitude = options.startLongitude;
    double heading = options.startHeadingDegrees;
    for (int second = 0; second < options.firstSecond + options.seconds; ++second) {
        Second state;
        state.time = options.startTime.addSecs(second);
        state.fix = second >= options.secondsWithoutFix;
        state.latitude = latitude;
        state.longitude = longitude;
        state.heading = heading;
        state.speed = options.parked ? 0.0 : speedAt(second);
        const double nextSpeed = options.parked ? 0.0 : speedAt(second + 1);
        state.acceleration = (nextSpeed - state.speed) / 3.6 / 9.81;
        // Bends come while slowing down: the car turns, the lateral axis feels it.
        const double turnRate = (second % 30 >= 12 && second % 30 < 17) ? 9.0 : 0.0; // degrees/s
        state.lateral = state.speed / 3.6 * (turnRate * std::numbers::pi / 180.0) / 9.81;
        if (second >= options.firstSecond)
            m_seconds.push_back(state);

        const double metres = state.speed / 3.6;
        const double radians = heading * std::numbers::pi / 180.0;
        latitude += metres * std::cos(radians) / kMetresPerDegree;
        longitude += metres * std::sin(radians) /
                     (kMetresPerDegree * std::cos(latitude * std::numbers::pi / 180.0));
        heading = std::fmod(heading + (options.parked ? 0.0 : turnRate) + 360.0, 360.0);
    }
}

double DemoDrive::speedAt(int second)
{
    // Pull away, cruise, slow for a bend, speed up again, brake at a light.
    static const double profile[] = {0,  6,  14, 22, 30, 37, 43, 48, 52, 54, 55, 55, 53, 46, 38,
                                     33, 32, 36, 42, 48, 53, 57, 59, 60, 60, 58, 50, 38, 24, 12};
    return profile[size_t(second) % std::size(profile)];
}

double DemoDrive::bump(int second, int sample)
{
    return 0.04 * std::sin(double(second * 31 + sample * 7));
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
    for (size_t s = 0; s < m_seconds.size(); ++s) {
        const Second &state = m_seconds[s];
        const int count = 10 + int(s * 7) % 21;
        for (int i = 0; i < count; ++i) {
            const double shake = bump(int(s), i);
            records.push_back("M" + QByteArray(1, char(rawAxis(state.acceleration + shake / 2))) +
                              QByteArray(1, char(rawAxis(state.lateral))) +
                              QByteArray(1, char(rawAxis(1.0 + shake))));
        }
        records.push_back(rmcSentence(state.time, state.fix, state.latitude, state.longitude,
                                      state.speed * kKnotsPerKmh, state.heading));
    }
    return records;
}

QByteArray DemoDrive::srtText() const
{
    QByteArray text;
    int block = 0;
    for (size_t s = 0; s < m_seconds.size(); ++s) {
        const Second &state = m_seconds[s];
        for (int tenth = 0; tenth < 10; ++tenth) {
            const double shake = bump(int(s), tenth);
            const auto counts = [](double g) {
                return QByteArray::number(std::lround(g * kCountsPerG));
            };
            QByteArray payload = "gsensori," + QByteArray::number(kSensorScaleA) + ',' +
                                 QByteArray::number(kSensorScaleB) + ',' +
                                 counts(state.acceleration + shake / 2) + ',' +
                                 counts(state.lateral) + ',' + counts(1.0 + shake);
            if (tenth == 9) {
                // Without the leading "$": the subtitle records drop it.
                payload += ';' + rmcSentence(state.time, state.fix, state.latitude, state.longitude,
                                             state.speed * kKnotsPerKmh, state.heading)
                                     .mid(1);
            }
            const int start = int(s) * 1000 + tenth * 100;
            text += SrtText::cue(++block, start, start + 100, payload);
        }
    }
    return text;
}

QByteArray DemoDrive::tailBlock() const
{
    QByteArray text = "WQZKM7";
    int sample = 0;
    for (size_t s = 0; s < m_seconds.size(); ++s) {
        const Second &state = m_seconds[s];
        for (int tenth = 0; tenth < 10; ++tenth) {
            const double shake = bump(int(s), tenth);
            text += QString::asprintf(
                        "%d,%.6f,%.6f,%d,%ld,%ld,%ld\n", sample++, state.fix ? state.latitude : 0.0,
                        state.fix ? state.longitude : 0.0, int(std::lround(state.speed)),
                        std::lround((state.acceleration + shake / 2) * kUnitsPerG),
                        std::lround(state.lateral * kUnitsPerG),
                        std::lround((1.0 + shake) * kUnitsPerG))
                        .toLatin1();
        }
    }
    return text;
}
