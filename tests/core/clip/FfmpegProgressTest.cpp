#include "core/clip/FfmpegProgress.h"

#include <QByteArray>
#include <QList>

#include <gtest/gtest.h>

TEST(FfmpegProgress, FollowsTheOutputTimeAgainstTheLengthWhereverChunksCut)
{
    const QByteArray overlong(5000, 'x');
    // The chunks read and the length; the fraction done and whether it ended.
    const std::tuple<QList<QByteArray>, double, double, bool> rows[] = {
        {{"frame=3\nout_time_us=1500000\nprogress=continue\n"}, 3.0, 0.5, false},
        {{"out_ti", "me_ms=750000\r\n"}, 3.0, 0.25, false}, // a key cut in two
        {{"out_time=00:01:30.500000\n"}, 181.0, 0.5, false},
        {{"out_time_us=2000000\nout_time_us=1000000\n"}, 4.0, 0.25, false}, // the latest counts
        {{"out_time_us=N/A\nout_time=-00:00:00.023220\n"}, 3.0, 0.0, false},
        {{"out_time_us=9000000\n"}, 3.0, 1.0, false},
        {{"out_time_us=3000000"}, 6.0, 0.0, false}, // a line not yet ended
        {{"out_time_us=1000000\nprogress=end\n"}, 3.0, 1.0, true},
        {{overlong, "=7\nout_time_us=1500000\n"}, 3.0, 0.5, false}, // an overlong line skipped
        {{"out_time_us=1500000\n"}, 0.0, 0.0, false},               // no length
    };
    for (const auto &[chunks, length, fraction, ended] : rows) {
        FfmpegProgress progress(length);
        for (const QByteArray &chunk : chunks)
            progress.feed(chunk);
        EXPECT_DOUBLE_EQ(progress.fraction(), fraction) << chunks.join('|').left(80).constData();
        EXPECT_EQ(progress.ended(), ended) << chunks.join('|').left(80).constData();
    }
}
