#pragma once

#include <QUrl>

class QTableView;
class QWidget;
class RecordingLibrary;
class TorvaAVView;
class TorvaClipData;

// What the export actions need of the window they act in: the listed
// recordings and the selection, the large picture, the recording being
// played, and a parent for their dialogs.
class RecordingExportHost
{
public:
    virtual ~RecordingExportHost() = default;

    virtual const RecordingLibrary &library() const = 0;
    // The row selected in the table, -1 for none.
    virtual int selectedRow() const = 0;
    // Selects the row (replacing the selection) and scrolls it into view.
    virtual void selectRow(int row) = 0;
    virtual QTableView *fileTable() const = 0;
    virtual const TorvaAVView *largeView() const = 0;
    virtual void pauseVideo() = 0;
    // The front and rear files trade views.
    virtual bool viewsSwapped() const = 0;
    virtual QUrl playingRecording() const = 0;
    // The telemetry track of the recording being played.
    virtual const TorvaClipData &playingTrack() const = 0;
    // A recording deleted from the disk leaves the lists and the table; the
    // row below takes the selection.
    virtual void removeVideoFileURL(const QUrl &url) = 0;
    virtual QWidget *dialogParent() const = 0;

protected:
    RecordingExportHost() = default;
    RecordingExportHost(const RecordingExportHost &) = default;
    RecordingExportHost &operator=(const RecordingExportHost &) = default;
};
