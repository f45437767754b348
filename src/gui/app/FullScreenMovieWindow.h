#pragma once

#include <QWidget>

class ImageButton;
class MainWindow;
class QPropertyAnimation;
class TorvaAVView;

// One video view over a whole screen, with the play/pause and frame-step
// strip fading in near the top. Keys go to the main window's shortcuts.
class FullScreenMovieWindow : public QWidget
{
    Q_OBJECT

public:
    explicit FullScreenMovieWindow(MainWindow *mainWindow);

    // Takes the view and shows it full screen on the main window's screen.
    void showMovie(TorvaAVView *view);
    // Leaves full screen and gives the view back without a parent.
    TorvaAVView *takeMovie();
    TorvaAVView *movie() const { return m_movie; }

    ImageButton *playPauseButton() const { return m_playPauseButton; }
    ImageButton *rewindButton() const { return m_rewindButton; }
    ImageButton *fastForwardButton() const { return m_fastForwardButton; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showFullscreenMovieControlWindow();
    void placeControls();

    MainWindow *m_mainWindow;
    TorvaAVView *m_movie = nullptr;
    QWidget *m_controls;
    ImageButton *m_rewindButton;
    ImageButton *m_playPauseButton;
    ImageButton *m_fastForwardButton;
    QPropertyAnimation *m_fade;
};
