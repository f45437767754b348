#pragma once

#include <QByteArray>
#include <QDateTime>

#include <vector>

// A plausible drive through a city for demo recordings, second by second,
// written the ways the cameras store telemetry: "02tx" records for AVI files,
// an SRT subtitle text for MP4 files, and a tail block of samples.
class DemoDrive
{
public:
    struct Options
    {
        int firstSecond = 0; // where in the drive the recording starts
        int seconds = 20;
        double startLatitude = 37.5665; // Seoul City Hall
        double startLongitude = 126.9780;
        double startHeadingDegrees = 40.0;
        QDateTime startTime = QDateTime(QDate(2026, 5, 14), QTime(8, 30, 0), Qt::UTC);
        int secondsWithoutFix = 2; // the receiver starting up
        bool parked = false;       // standing still, engine running
    };

    explicit DemoDrive(const Options &options);

    // Per second: 10 to 30 acceleration records, then one RMC sentence.
    std::vector<QByteArray> aviRecords() const;
    // A block every 100 ms with a "gsensori" record; once a second an RMC
    // sentence follows it after ";".
    QByteArray srtText() const;
    // "WQZKM7", then one "n,lat,lng,speed,x,y,z" line per 100 ms.
    QByteArray tailBlock() const;

    // Speed in km/h during second s of the drive.
    static double speedAt(int second);
    static QByteArray rmcSentence(const QDateTime &time, bool fix, double latitude,
                                  double longitude, double knots, double course);

private:
    struct Second
    {
        QDateTime time;
        bool fix = false;
        double latitude = 0;
        double longitude = 0;
        double heading = 0;
        double speed = 0;        // km/h
        double acceleration = 0; // g along the car
        double lateral = 0;      // g across it
    };

    // Sideways and vertical shaking of sample i within second s, in g.
    static double bump(int second, int sample);

    std::vector<Second> m_seconds;
};
