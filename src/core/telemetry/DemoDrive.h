#pragma once

#include <QByteArray>
#include <QDateTime>

#include <vector>

// A plausible drive through a city for demo recordings: the "02tx" records a
// camera would write, second by second — 10 to 30 acceleration records, then
// one RMC sentence (the first seconds without a fix while the receiver
// starts).
class DemoDrive
{
public:
    struct Options
    {
        int seconds = 20;
        double startLatitude = 37.5665; // Seoul City Hall
        double startLongitude = 126.9780;
        double startHeadingDegrees = 40.0;
        QDateTime startTime = QDateTime(QDate(2026, 5, 14), QTime(8, 30, 0), Qt::UTC);
        int secondsWithoutFix = 2;
    };

    explicit DemoDrive(const Options &options);

    // The records in the order they are written into the recording.
    std::vector<QByteArray> aviRecords() const;

    // Speed in km/h during second s.
    static double speedAt(int second);
    static QByteArray rmcSentence(const QDateTime &time, bool fix, double latitude,
                                  double longitude, double knots, double course);

private:
    Options m_options;
};
