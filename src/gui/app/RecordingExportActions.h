#pragma once

#include "core/library/ExportFile.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

class ConversionRunner;
class QAction;
class QMenu;
class QMessageBox;
class QPoint;
class QPrinter;
class RecordingCopyRunner;
class RecordingExportHost;
class TorvaClipData;

// The main window's export actions: the large view's picture saved as PNG or
// printed, a copy of the selected recording, its telemetry track as GPX or
// CSV, and its removal from the disk. The toolbar buttons and the file
// table's context menu lead here. A failure is told to the user in their
// language and leaves no half-written file.
class RecordingExportActions : public QObject
{
    Q_OBJECT

public:
    // The host outlives the actions.
    RecordingExportActions(RecordingExportHost &host, QObject *parent);
    ~RecordingExportActions() override;

    void snapshotButtonTouched();
    void printButtonTouched();
    void saveFileButtonTouched();
    // Asks first: a deleted recording cannot be recovered.
    void removeFileButtonTouched();
    void exportTrackTouched();
    // The file table's menu for the row at pos (viewport coordinates), which
    // is selected first; nothing outside the rows.
    void showFileContextMenu(const QPoint &pos);

    QMenu *fileContextMenu() const { return m_fileMenu; }
    RecordingCopyRunner *copyRunner() const { return m_copyRunner; }
    // The message shown last, while it is open.
    QMessageBox *message() const { return m_message; }

private:
    struct NameFilter
    {
        QString filter; // "GPX (*.gpx)"
        QString suffix; // added to a name typed without one
    };
    struct SaveChoice
    {
        QString path; // empty when cancelled
        int filter = 0;
    };

    // The selected row when it lies inside the filtered list, else -1.
    int selectedRecordingRow() const;
    // The file the large view shows for the selected row; empty without one.
    QUrl selectedBigVideoUrl() const;
    SaveChoice askSavePath(const QString &proposedName, const QList<NameFilter> &filters = {});
    bool confirmRemoval(const QUrl &recording);
    // An MP4 recording's track comes from the subtitles its conversion
    // extracts (at once from the cache when it was played before).
    void trackConverted(const QUrl &recording, const std::optional<QList<QUrl>> &files);
    void exportTrack(const QUrl &recording, const TorvaClipData &track);
    void report(ExportFile::Result result);
    void showMessage(const char *key);

    RecordingExportHost &m_host;
    // Owned by the window.
    QMenu *m_fileMenu;
    QAction *m_saveCopyAction;
    QAction *m_exportTrackAction;
    QAction *m_removeAction;
    RecordingCopyRunner *m_copyRunner;
    ConversionRunner *m_conversion;
    QPointer<QMessageBox> m_message;
    // The print settings, kept from one print to the next; made on first use.
    std::unique_ptr<QPrinter> m_printer;
};
