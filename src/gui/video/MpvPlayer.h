#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class MpvFrameRenderer;
struct mpv_event;
struct mpv_handle;

// One libmpv core playing one file, drawn by its own MpvFrameRenderer. mpv's
// callbacks only queue work; its events are read and turned into signals on
// the thread that owns the player.
class MpvPlayer : public QObject
{
    Q_OBJECT

public:
    explicit MpvPlayer(QObject *parent = nullptr);
    ~MpvPlayer() override;

    // Starts loading the file, paused; fileReady() or loadFailed() tells how
    // it went.
    void loadFile(const QString &path);

    // The playback rate: 0.0 while paused or at the end, else the speed,
    // negative when playing backwards.
    double rate() const;
    // 0.0 pauses; any other rate plays at that speed and direction.
    void setRate(double rate);
    bool isPaused() const;
    void setPaused(bool paused);
    // One frame forward or back; playback pauses. A step asked for while a
    // seek is under way starts from where the seek lands. stepped() tells
    // when the new frame's time is there to read.
    void stepForward();
    void stepBackward();
    // Seeks to the exact time; position() tells the target until it lands.
    void seek(double seconds);

    // A seek is under way.
    bool isSeeking() const { return m_seeking; }
    // Seconds from the start; 0.0 before the file is loaded.
    double position() const;
    // The file's length; 0.0 until it is ready.
    double duration() const { return m_loaded ? m_duration : 0.0; }
    bool isAtEnd() const;
    // 0.0 to 1.0.
    float volume() const;
    void setVolume(float volume);

    bool isLoaded() const { return m_loaded; }
    // The size of the file's first video track; invalid when unknown.
    QSize videoSize() const { return m_videoSize; }
    // Whether a picture of the file has been drawn.
    bool isReadyForDisplay() const { return m_readyForDisplay; }
    // The picture shown now at the decoded size, without any mirroring; null
    // when there is none.
    QImage screenshot() const;

    MpvFrameRenderer *renderer() const { return m_renderer.get(); }

Q_SIGNALS:
    // mpv has taken the file; whether it can play it is not known yet.
    void fileStarted();
    // The file is open and its first picture, or its sound, is decoded.
    void fileReady(bool hasVideo);
    void loadFailed(const QString &reason);
    void endReached();
    void rateChanged(double rate);
    // Playback has restarted where a seek (or a step back) landed.
    void seeked();
    // A frame step has landed: position() is the new frame's time.
    void stepped();
    void readyForDisplay();
    void frameRendered();

private:
    void drainEvents();
    void handleEvent(const mpv_event &event);
    void handlePropertyChange(const char *name);
    void readTracks();
    void updateRate();
    bool playsBackward() const;
    void step(const char *command);
    void finishSeek();
    void issueStep(const char *command);
    void checkStepLanded();
    bool command(std::initializer_list<const char *> arguments);
    bool flagProperty(const char *name) const;
    double doubleProperty(const char *name) const;

    mpv_handle *m_mpv = nullptr;
    std::unique_ptr<MpvFrameRenderer> m_renderer;
    QString m_path;
    bool m_opened = false;
    bool m_loaded = false;
    bool m_hasVideo = false;
    bool m_ended = false;
    bool m_voConfigured = false;
    bool m_readyForDisplay = false;
    bool m_seeking = false;
    bool m_seekAnswered = false;
    quint64 m_seekSerial = 0;
    double m_seekTarget = 0.0;
    QList<const char *> m_pendingSteps;
    // The time a step started from, while it has not landed.
    std::optional<double> m_stepFrom;
    double m_duration = 0.0;
    double m_rate = 0.0;
    QSize m_videoSize;
};
