#include "DemoRecordings.h"

#include "core/library/DemoCardWriter.h"

DemoRecordings::DemoRecordings()
{
    using Kind = DemoCardWriter::Kind;
    const std::tuple<Kind, QString *, const char *> recordings[] = {
        {Kind::DualCameraAvi, &dualAvi, "REC_20260514_083000.avi"},
        {Kind::Mp4WithSubtitles, &frontMp4, "EVT_20260514_083050_F.mp4"},
        {Kind::Mp4WithSubtitles, &rearMp4, "EVT_20260514_083050_R.mp4"}};
    for (const auto &[kind, path, name] : recordings) {
        *path = m_folder.path(name);
        if (const QString error = DemoCardWriter::writeRecording(kind, *path, 6); !error.isEmpty())
            qFatal("cannot write %s: %s", qPrintable(*path), qPrintable(error));
    }
}

const DemoRecordings &DemoRecordings::shared()
{
    static const DemoRecordings recordings;
    return recordings;
}
