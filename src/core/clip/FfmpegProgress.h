#pragma once

#include <QByteArray>
#include <QByteArrayView>

// How far an ffmpeg run has got, from what "-progress pipe:1" writes: blocks
// of "key=value" lines whose "out_time_us", "out_time_ms" (also in
// microseconds) or "out_time" tell the output's time, each block ending in
// "progress=continue", the last one in "progress=end". Chunks may cut lines
// anywhere.
class FfmpegProgress
{
public:
    // The length the output is to reach, in seconds.
    explicit FfmpegProgress(double length);

    void feed(QByteArrayView chunk);
    // The output's time against the length, 0 to 1; 1 once ffmpeg said "end".
    double fraction() const;
    bool ended() const { return m_ended; }

private:
    void readLine(QByteArrayView line);

    double m_length;
    double m_seconds = 0.0;
    bool m_ended = false;
    QByteArray m_partial;
    bool m_overlong = false; // skipping to the end of a line too long to be ffmpeg's
};
