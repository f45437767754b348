#include "DriveRecordingBuilder.h"

#include "RiffBuilder.h"

#include "core/telemetry/TailBlockReader.h"

#include <QtEndian>

#include <algorithm>

QByteArray DriveRecordingBuilder::avi(double seconds, const std::vector<Sample> &samples)
{
    // Ten frames a second: 100 000 µs each; the frame count is the fifth field.
    QByteArray header(56, '\0');
    qToLittleEndian<quint32>(100000, header.data());
    qToLittleEndian<quint32>(quint32(seconds * 10.0 + 0.5), header.data() + 16);
    QByteArray bytes =
        RiffBuilder::avi(RiffBuilder::list("hdrl", RiffBuilder::chunk("avih", header)));
    if (samples.empty())
        return bytes;
    // The tail reader looks for its marker in the last bytes of a file at
    // least that long; a shorter one would have to be text throughout.
    bytes += QByteArray(TailBlockReader::kSearchWindow, '\0') + "WQZKM7";
    for (size_t i = 0; i < samples.size(); ++i) {
        const Sample &s = samples[i];
        bytes += QString::asprintf("%zu,%.6f,%.6f,%d,%d,%d,%d\n", i, s.latitude, s.longitude,
                                   s.speed, s.x, s.y, s.z)
                     .toLatin1();
    }
    return bytes;
}

std::vector<DriveRecordingBuilder::Sample> DriveRecordingBuilder::northbound(int count,
                                                                             double latitude,
                                                                             double longitude,
                                                                             double step, int speed)
{
    std::vector<Sample> samples(size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        samples[size_t(i)] = {latitude + step * (i / 10), longitude, speed};
    return samples;
}

std::vector<DriveRecordingBuilder::Sample> DriveRecordingBuilder::shaking(const std::vector<int> &x,
                                                                          const std::vector<int> &y,
                                                                          const std::vector<int> &z)
{
    std::vector<Sample> samples(std::max({x.size(), y.size(), z.size()}));
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i].x = i < x.size() ? x[i] : 0;
        samples[i].y = i < y.size() ? y[i] : 0;
        samples[i].z = i < z.size() ? z[i] : 128;
    }
    return samples;
}
