#pragma once

#include "core/video/VideoStatus.h"

#include <QImage>
#include <QOpenGLWidget>
#include <QPointer>
#include <QProgressBar>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

class MpvPlayer;
class QOpenGLTextureBlitter;
class TorvaAVViewDelegate;

// Plays one video file and reports its state to a delegate. The file loads
// asynchronously behind an optional spinner; the picture can be mirrored,
// stepped frame by frame, handed to another view, and copied as an image.
class TorvaAVView : public QOpenGLWidget
{
    Q_OBJECT

public:
    explicit TorvaAVView(QWidget *parent = nullptr);
    ~TorvaAVView() override;

    bool upsideDown() const { return m_upsideDown; }
    void setUpsideDown(bool upsideDown);
    bool leftsideRight() const { return m_leftsideRight; }
    void setLeftsideRight(bool leftsideRight);
    // Whether the view shows the front camera; kept for the controller.
    bool front() const { return m_front; }
    void setFront(bool front) { m_front = front; }

    VideoStatus status() const { return m_status; }
    // Stores the status and tells the delegate from the event loop.
    void setStatus(VideoStatus status);
    // Not owned; must outlive the view or be taken away first.
    TorvaAVViewDelegate *delegate() const { return m_delegate; }
    void setDelegate(TorvaAVViewDelegate *delegate) { m_delegate = delegate; }

    QString fileName() const { return m_fileName; }
    // Closes the current file and loads the new one (none when empty).
    void setFileName(const QString &fileName);
    QUrl fileURL() const;
    // The player's last reported rate.
    double rate() const { return m_rate; }
    // Status neither 0 nor 7.
    bool hasMovie() const;

    // Optional: shown while a file loads. The view takes it as a child.
    QProgressBar *loadingSpinner() const { return m_loadingSpinner; }
    void setLoadingSpinner(QProgressBar *spinner);
    // Optional: shown over the whole view when the file has no video.
    QWidget *noVideoView() const { return m_noVideoView; }
    void setNoVideoView(QWidget *view);

    double currentTime() const;
    // Seeks exactly to the nearest whole second.
    void setCurrentTime(double seconds);
    // To the exact time, not the whole second setCurrentTime lands on.
    void seekExactly(double seconds);
    // The file's length once it is ready, else 0.0.
    double duration() const;
    // 0.0 to 1.0.
    float volume() const;
    void setVolume(float volume);

    // Stops and forgets the player and the file name, without loading
    // anything (hides QWidget::close, which the view never needs).
    void close();
    void reset() { close(); }
    // Plays at rate 1.0; from the start again when at the end.
    // Plays forward at the play speed.
    void play();
    // The speed play() plays at (1.0 normally); a view playing at the old
    // speed goes on at the new one.
    void setPlaySpeed(double speed);
    double playSpeed() const { return m_playSpeed; }
    // A seek has not landed yet.
    bool isSeeking() const;
    void pause();
    void playPauseToggle();
    void fastForward();
    void rewind();
    // One frame; the delegate hears the new frame's time when it is there.
    void stepForward();
    void stepBackward();

    // The two views exchange their players (which go on playing), file names
    // and left-right mirroring; everything else stays with each view.
    void swapPlayerItemWith(TorvaAVView *other);
    // The current picture at the video's natural size, unmirrored; null
    // without a loaded file or without video.
    QImage snapshot() const;

Q_SIGNALS:
    // A picture of the file has been drawn into the view; the window shows
    // it with the view's next frameSwapped().
    void framePainted();

protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void prepareAsset();
    void setUpPlaybackOfAsset(bool hasVideo);
    void startLoadingAnimation();
    void stopLoadingAnimationAndHandleError(const QString &error = QString());
    void onMovieEnd();
    void removeObservers();
    void rebuildObservers();
    void reportTime();
    void notifyDelegate(std::function<void(TorvaAVViewDelegate *)> call);
    void layOutOverlays();
    void releaseOpenGLResources();

    bool m_upsideDown = false;
    bool m_leftsideRight = false;
    bool m_front = false;
    VideoStatus m_status = VideoStatus::NoFile;
    TorvaAVViewDelegate *m_delegate = nullptr;
    QString m_fileName;
    double m_rate = 0.0;
    double m_playSpeed = 1.0;
    QPointer<QProgressBar> m_loadingSpinner;
    QPointer<QWidget> m_noVideoView;
    std::unique_ptr<MpvPlayer> m_player;
    QTimer m_timeObserver;
    std::unique_ptr<QOpenGLTextureBlitter> m_blitter;
    QMetaObject::Connection m_contextDestroyed;
};
