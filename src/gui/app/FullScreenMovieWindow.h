#pragma once

#include <QWidget>

class ImageButton;
class MainWindow;
class QPropertyAnimation;
class TorvaAVView;
class TorvaQTMovieView;

// One video view over a whole screen, with the play/pause and frame-step
// strip near the top: it fades in while the pointer is in the top quarter
// and out when it leaves. Keys go to the main window's shortcuts; a right
// click asks to leave full screen.
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

    // Called by name from the movie's event view.
    Q_INVOKABLE void showFullscreenMovieControlWindow();
    Q_INVOKABLE void hideFullscreenMovieControlWindow();
    Q_INVOKABLE void fullscreenButtonTouched(QObject *sender);

Q_SIGNALS:
    void exitFullScreenRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeControls();
    void fadeControls(double opacity);

    MainWindow *m_mainWindow;
    TorvaAVView *m_movie = nullptr;
    // Catches the pointer over the movie.
    TorvaQTMovieView *m_movieEvents;
    QWidget *m_controls;
    ImageButton *m_rewindButton;
    ImageButton *m_playPauseButton;
    ImageButton *m_fastForwardButton;
    QPropertyAnimation *m_fade;
    // The strip is shown, or fading in.
    bool m_controlsShown = false;
};
