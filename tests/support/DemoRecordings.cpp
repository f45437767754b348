#include "DemoRecordings.h"

#include "core/library/DemoCardWriter.h"

DemoRecordings::DemoRecordings()
{
    dualAvi = m_folder.path("REC_20260514_083000.avi");
    frontMp4 = m_folder.path("EVT_20260514_083050_F.mp4");
    rearMp4 = m_folder.path("EVT_20260514_083050_R.mp4");
    singleAvi = m_folder.path("SOS_20260514_083120.avi");
    using Kind = DemoCardWriter::Kind;
    const std::pair<Kind, QString> recordings[] = {{Kind::DualCameraAvi, dualAvi},
                                                   {Kind::Mp4WithSubtitles, frontMp4},
                                                   {Kind::Mp4WithSubtitles, rearMp4},
                                                   {Kind::SingleCameraAvi, singleAvi}};
    for (const auto &[kind, path] : recordings) {
        if (const QString error = DemoCardWriter::writeRecording(kind, path, kSeconds);
            !error.isEmpty())
            qFatal("cannot write %s: %s", qPrintable(path), qPrintable(error));
    }
}

const DemoRecordings &DemoRecordings::shared()
{
    static const DemoRecordings recordings;
    return recordings;
}
