#pragma once

#include "core/clip/ClipExport.h"
#include "core/playback/ClipMarks.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class PlaybackSession;
class QPoint;
class QWidget;
class SeekTimeSliderView;

// The range of the recording being played, marked on the seek bar (keys I
// and O, or the bar's context menu), and its export as a clip in the
// background with a progress dialog that can cancel it.
class ClipExportActions : public QObject
{
    Q_OBJECT

public:
    ClipExportActions(PlaybackSession &session, SeekTimeSliderView *seekBar, QWidget *dialogParent,
                      QObject *parent = nullptr);

    void markIn();
    void markOut();
    void clearMarks();
    // Asks how and where, then exports the marked range (or the whole
    // recording when nothing is marked).
    void exportClipTouched();

    const ClipMarks &marks() const { return m_marks; }
    // The export under way, if any.
    ClipExport *runningExport() const { return m_export; }

    // Where the clip goes, given a suggested path; empty cancels. A file
    // dialog unless replaced (the tests answer it themselves).
    std::function<QString(const QString &suggested)> chooseOutput;
    // How the clip is made; the options dialog unless replaced.
    std::function<bool(bool hasRear, ClipRequest &request)> chooseOptions;

Q_SIGNALS:
    void exportFinished(const ClipExport::Result &result);

private:
    void showSeekBarMenu(const QPoint &pos);
    void showMarks();
    void exportFinishedWith(const ClipExport::Result &result);

    PlaybackSession &m_session;
    SeekTimeSliderView *m_seekBar;
    QWidget *m_dialogParent;
    ClipMarks m_marks;
    QPointer<ClipExport> m_export;
};
