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

QByteArray DriveRecordingBuilder::minuteNorth(double latitude)
{
    std::vector<Sample> samples(600);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = {latitude + 0.0001 * double(i / 10), 127.0, 40};
    return avi(60, samples);
}

std::vector<DriveRecordingBuilder::Sample> DriveRecordingBuilder::shaking(const std::vector<int> &x,
                                                                          const std::vector<int> &y,
                                                                          const std::vector<int> &z)
{
    std::vector<Sample> samples(std::max({x.size(), y.size(), z.size()}));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = {0.0,
                      0.0,
                      0,
                      i < x.size() ? x[i] : 0,
                      i < y.size() ? y[i] : 0,
                      i < z.size() ? z[i] : 128};
    return samples;
}
