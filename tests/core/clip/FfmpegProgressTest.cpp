#include "core/clip/FfmpegProgress.h"

#include <QByteArray>
#include <QList>

#include <gtest/gtest.h>

TEST(FfmpegProgress, FollowsTheOutputTimeAgainstTheLengthWhereverChunksCut)
{
    const QByteArray overlong(5000, 'x');
    const struct
    {
        const char *what;
        QList<QByteArray> chunks;
        double length;
        double fraction;
        bool ended;
    } rows[] = {
        {"microseconds", {"frame=3\nout_time_us=1500000\nprogress=continue\n"}, 3.0, 0.5, false},
        {"a key cut in two", {"out_ti", "me_ms=750000\r\n"}, 3.0, 0.25, false},
        {"clock time", {"out_time=00:01:30.500000\n"}, 181.0, 0.5, false},
        {"the latest line counts",
         {"out_time_us=2000000\nout_time_us=1000000\n"},
         4.0,
         0.25,
         false},
        {"unknown and negative times",
         {"out_time_us=N/A\nout_time=-00:00:00.023220\n"},
         3.0,
         0.0,
         false},
        {"past the length", {"out_time_us=9000000\n"}, 3.0, 1.0, false},
        {"a line not yet ended", {"out_time_us=3000000"}, 6.0, 0.0, false},
        {"the end", {"out_time_us=1000000\nprogress=end\n"}, 3.0, 1.0, true},
        {"an overlong line skipped", {overlong, "=7\nout_time_us=1500000\n"}, 3.0, 0.5, false},
        {"no length", {"out_time_us=1500000\n"}, 0.0, 0.0, false},
    };
    for (const auto &row : rows) {
        FfmpegProgress progress(row.length);
        for (const QByteArray &chunk : row.chunks)
            progress.feed(chunk);
        EXPECT_DOUBLE_EQ(progress.fraction(), row.fraction) << row.what;
        EXPECT_EQ(progress.ended(), row.ended) << row.what;
    }
}
