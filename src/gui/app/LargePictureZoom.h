#pragma once

#include <QObject>

class ImageButton;
class PlaybackSession;
class QScrollArea;
class TorvaAVView;

// The large picture's zoom and pan: its size in its scroll view follows the
// session's zoom and the scroll view's size, centred until the user scrolls
// it, and the pan button shows whether pan mode is on.
class LargePictureZoom : public QObject
{
    Q_OBJECT

public:
    LargePictureZoom(PlaybackSession &session, QScrollArea *scroll, TorvaAVView *view,
                     ImageButton *panButton, QObject *parent);

    void scaleUp();
    void scaleDown();
    void reset();
    void enterScrollMode();
    // The pan button shows whether pan mode is on.
    void showScrollMode();
    // Sizes and centres the picture once the pending layout has landed.
    void changeVideoScale();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void boundDidChange();

    PlaybackSession &m_session;
    QScrollArea *m_scroll;
    TorvaAVView *m_view;
    ImageButton *m_panButton;
};
