#include "core/video/TranscoderArguments.h"

#include <gtest/gtest.h>

namespace {

QString joined(const QStringList &arguments)
{
    return arguments.join(QLatin1Char(' '));
}

} // namespace

TEST(TranscoderArguments, SingleStreamListPerCodecType)
{
    EXPECT_EQ(joined(TranscoderArguments::singleStream(0, "/in.avi", "/o.mov")),
              "-i /in.avi -vcodec copy -acodec copy -y /o.mov");
    EXPECT_EQ(joined(TranscoderArguments::singleStream(2, "/in.mp4", "/o.mov")),
              "-i /in.mp4 -vcodec copy -acodec copy -y -vtag hvc1 /o.mov");
    for (const int type : {1, 3}) {
        EXPECT_EQ(joined(TranscoderArguments::singleStream(type, "/in.mp4", "/o.mov")),
                  "-v 10 -i /in.mp4 -vcodec copy -acodec copy -vtag avc1 -y /o.mov");
    }
}

TEST(TranscoderArguments, TwoStreamListsPerCameraSoundAndCodecType)
{
    using Camera = TranscoderArguments::Camera;
    EXPECT_EQ(joined(TranscoderArguments::twoStream(0, Camera::Front, false, "/in.avi", "/f.mov")),
              "-i /in.avi -map 0:0 -c copy -y -v 10 -vcodec copy -acodec copy /f.mov");
    EXPECT_EQ(joined(TranscoderArguments::twoStream(3, Camera::Rear, false, "/in.avi", "/r.mov")),
              "-i /in.avi -map 0:1 -c copy -y -v 10 -vcodec copy -acodec copy -vtag avc1 /r.mov");
    EXPECT_EQ(joined(TranscoderArguments::twoStream(2, Camera::Rear, true, "/in.avi", "/r.mov")),
              "-i /in.avi -map 0:1 -map 0:2 -c copy -y -v 10 -vcodec copy -acodec copy -vtag hvc1 "
              "/r.mov");
    EXPECT_EQ(joined(TranscoderArguments::twoStream(1, Camera::Front, true, "/in.avi", "/f.mov")),
              "-i /in.avi -map 0:0 -map 0:2 -c copy -y -v 10 -vcodec copy -acodec copy -vtag avc1 "
              "/f.mov");
}
