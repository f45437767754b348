#include "core/playback/TripPlayback.h"

#include <algorithm>

qsizetype TripPlayback::indexOf(const QString &path) const
{
    for (qsizetype i = 0; i < m_trip.recordings.size(); ++i) {
        const Trip::Recording &recording = m_trip.recordings[i];
        if (recording.path == path || (!path.isEmpty() && recording.partnerPath == path))
            return i;
    }
    return -1;
}

std::optional<QString> TripPlayback::nextAfter(const QString &path) const
{
    const qsizetype index = indexOf(path);
    if (index < 0 || index + 1 >= m_trip.recordings.size())
        return std::nullopt;
    return m_trip.recordings[index + 1].path;
}

double TripPlayback::offsetOf(qsizetype index) const
{
    double offset = 0.0;
    for (qsizetype i = 0; i < std::min(index, m_trip.recordings.size()); ++i)
        offset += m_trip.recordings[i].seconds;
    return offset;
}

TripPlayback::Place TripPlayback::placeAt(double tripSeconds) const
{
    if (!isActive())
        return {};
    double offset = 0.0;
    const qsizetype last = m_trip.recordings.size() - 1;
    for (qsizetype i = 0; i < last; ++i) {
        const double length = m_trip.recordings[i].seconds;
        if (tripSeconds < offset + length)
            return {i, std::max(0.0, tripSeconds - offset)};
        offset += length;
    }
    return {last, std::clamp(tripSeconds - offset, 0.0, m_trip.recordings[last].seconds)};
}
