#include "../GuiTestEnvironment.h"
#include "ViewerTestSupport.h"

#include "FileBytes.h"
#include "TempFolder.h"

#include <QMessageBox>

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace ViewerTestSupport;
using Gui = GuiTestEnvironment;

namespace {

QByteArray randomBytes(qsizetype size)
{
    std::mt19937 random(7);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random());
    return bytes;
}

// The card's recording with every telemetry chunk's payload overwritten.
QByteArray garbledTelemetry(QByteArray avi)
{
    int chunks = 0;
    for (qsizetype at = avi.indexOf("02tx"); at >= 0 && at + 8 <= avi.size();
         at = avi.indexOf("02tx", at + 8)) {
        const quint32 size = quint32(uchar(avi[at + 4])) | quint32(uchar(avi[at + 5])) << 8 |
                             quint32(uchar(avi[at + 6])) << 16 | quint32(uchar(avi[at + 7])) << 24;
        const qsizetype length = std::min<qsizetype>(size, avi.size() - at - 8);
        avi.replace(at + 8, length, randomBytes(length));
        ++chunks;
    }
    EXPECT_GT(chunks, 0) << "no telemetry to garble";
    return avi;
}

// Opening a damaged recording from the table either says it cannot play or
// plays what there is, in time; the next recording then plays as always.
TEST(DamagedRecordings, SayTheyCannotPlayOrPlayWhatIsThere)
{
    ASSERT_TRUE(insertCard());
    const QByteArray avi = FileBytes::read(cardFile("cont_rec/REC_20260514_083000.avi"));
    QByteArray mp4 = FileBytes::read(cardFile("manual_rec/MANUAL_20260514_083110.mp4"));
    ASSERT_FALSE(avi.isEmpty());
    const qsizetype index = mp4.indexOf("moov");
    ASSERT_GE(index, 4);
    const QByteArray noIndex = QByteArray(mp4).replace(index, 4, "free");
    const struct
    {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"REC_20260101_000000.avi", randomBytes(256 * 1024)},
        {"MANUAL_20260101_000000.mp4", randomBytes(256 * 1024)},
        {"REC_20260101_000010.avi", avi.left(avi.size() / 10)},
        {"REC_20260101_000020.avi", avi.left(avi.size() / 2)},
        {"MANUAL_20260101_000010.mp4", noIndex},
        {"REC_20260101_000030.avi", {}},
        {"REC_20260101_000040.avi", garbledTelemetry(avi)},
    };
    Viewer viewer;
    viewer.ignoreMountChanges();
    MainWindowController &controller = viewer.controller;
    for (const auto &[name, bytes] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        controller.openPath(folder.write(QString::fromLatin1(name), bytes));
        EXPECT_TRUE(Gui::waitFor(
            [&] {
                return controller.unsupportedFileAlert() != nullptr ||
                       controller.session().state() == PlaybackSession::State::Playing;
            },
            kPlayTimeoutMs))
            << "neither an alert nor playback";
        if (QMessageBox *alert = controller.unsupportedFileAlert())
            alert->close();
        EXPECT_TRUE(viewer.play(QStringLiteral("cont_rec/REC_20260514_083030.avi")));
    }
}

} // namespace
