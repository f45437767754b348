#pragma once

#include <QList>
#include <QWidget>

// A thin bar over the seek bar while a trip plays: the trip's recordings end
// to end, each as wide as it is long, the one playing lighter, and the part
// already driven filled up to the play time. A click asks to go to that
// time of the trip.
class TripTimelineView : public QWidget
{
    Q_OBJECT

public:
    explicit TripTimelineView(QWidget *parent = nullptr);

    // The recordings' lengths in seconds, in order; none hides nothing, it
    // only empties the bar.
    void setRecordingLengths(QList<double> seconds);
    // The recording playing and the time in it.
    void setPlace(qsizetype index, double seconds);

    double totalSeconds() const { return m_total; }
    // Where a time of the trip lies across the bar, and back.
    double xOfTime(double tripSeconds) const;
    double timeAtX(double x) const;
    double playedSeconds() const;

Q_SIGNALS:
    void jumpRequested(double tripSeconds);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QList<double> m_lengths;
    double m_total = 0.0;
    qsizetype m_index = -1;
    double m_seconds = 0.0;
};
