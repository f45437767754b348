#include "gui/video/MpvPlayer.h"

#include "gui/video/MpvFrameRenderer.h"
#include "gui/video/MpvNode.h"
#include "gui/video/MpvProperties.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <mpv/client.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

using namespace MpvProperties;

namespace {

struct Option
{
    const char *name;
    const char *value;
};

const Option kOptions[] = {
    {kVideoOutput, kVideoOutputLibmpv},
    {kHardwareDecodingInterop, kNo},
    {kSubtitleAutoLoad, kNo},
    {kSubtitleTrack, kNo},
    {kCoverArtAutoLoad, kNo},
    {kAudioDisplay, kNo},
    {kAudioOutput, kAudioOutputs},
    {kAudioFallbackToNull, kYes},
    {kKeepOpen, kYes},
    {kPause, kYes},
    {kLoadScripts, kNo},
    {kLoadStatsOverlay, kNo},
    {kLoadOsdConsole, kNo},
    {kLoadAutoProfiles, kNo},
    {kYoutubeDl, kNo},
};

// Observed without a value: each change is read back when it arrives.
const char *const kObserved[] = {kPause,      kSpeed,        kPlayDirection,
                                 kEofReached, kVoConfigured, kTimePosition};

} // namespace

MpvPlayer::MpvPlayer(QObject *parent) : QObject(parent), m_mpv(mpv_create())
{
    if (!m_mpv) {
        qWarning("video view: cannot create an mpv core");
        return;
    }
    for (const Option &option : kOptions) {
        if (const int error = mpv_set_option_string(m_mpv, option.name, option.value); error < 0)
            qWarning("video view: mpv option %s=%s: %s", option.name, option.value,
                     mpv_error_string(error));
    }
    if (const int error = mpv_initialize(m_mpv); error < 0) {
        qWarning("video view: mpv start: %s", mpv_error_string(error));
        mpv_terminate_destroy(m_mpv);
        m_mpv = nullptr;
        return;
    }
    mpv_request_log_messages(m_mpv, kLogLevel);
    for (const char *name : kObserved)
        mpv_observe_property(m_mpv, 0, name, MPV_FORMAT_NONE);
    // Called on mpv's threads: only queue the reading of events.
    mpv_set_wakeup_callback(
        m_mpv,
        [](void *player) {
            QMetaObject::invokeMethod(static_cast<MpvPlayer *>(player), &MpvPlayer::drainEvents,
                                      Qt::QueuedConnection);
        },
        this);
    m_renderer = std::make_unique<MpvFrameRenderer>(m_mpv);
    connect(m_renderer.get(), &MpvFrameRenderer::frameRendered, this, [this] {
        if (m_voConfigured && !m_readyForDisplay) {
            m_readyForDisplay = true;
            Q_EMIT readyForDisplay();
        }
        Q_EMIT frameRendered();
    });
}

MpvPlayer::~MpvPlayer()
{
    // The render context must go before the core.
    m_renderer.reset();
    if (m_mpv)
        mpv_terminate_destroy(m_mpv);
}

void MpvPlayer::loadFile(const QString &path)
{
    m_path = path;
    // An absolute path is never taken for a protocol or an option.
    if (!command({kLoadFile, QFile::encodeName(QFileInfo(path).absoluteFilePath()).constData()}))
        Q_EMIT loadFailed(QStringLiteral("no player"));
}

double MpvPlayer::rate() const
{
    if (!m_mpv || isPaused() || isAtEnd())
        return 0.0;
    const double speed = doubleProperty(kSpeed);
    return playsBackward() ? -speed : speed;
}

bool MpvPlayer::playsBackward() const
{
    char *direction = m_mpv ? mpv_get_property_string(m_mpv, kPlayDirection) : nullptr;
    const bool backward = direction && qstrcmp(direction, kBackward) == 0;
    mpv_free(direction);
    return backward;
}

void MpvPlayer::setRate(double rate)
{
    if (!m_mpv)
        return;
    if (rate == 0.0 || !std::isfinite(rate)) {
        setPaused(true);
        return;
    }
    mpv_set_property_string(m_mpv, kPlayDirection, rate < 0.0 ? kBackward : kForward);
    double speed = std::abs(rate);
    mpv_set_property(m_mpv, kSpeed, MPV_FORMAT_DOUBLE, &speed);
    setPaused(false);
}

bool MpvPlayer::isPaused() const
{
    return flagProperty(kPause);
}

void MpvPlayer::setPaused(bool paused)
{
    if (!m_mpv)
        return;
    int flag = paused ? 1 : 0;
    // Playing on, a step that never landed (at either end) is over.
    if (!paused)
        m_stepFrom.reset();
    mpv_set_property(m_mpv, kPause, MPV_FORMAT_FLAG, &flag);
    updateRate();
}

void MpvPlayer::stepForward()
{
    step(kFrameStep);
}

void MpvPlayer::stepBackward()
{
    step(kFrameBackStep);
}

void MpvPlayer::step(const char *stepCommand)
{
    // mpv would spend a forward step on the frame the seek lands on.
    if (m_seeking)
        m_pendingSteps.append(stepCommand);
    else
        issueStep(stepCommand);
}

void MpvPlayer::issueStep(const char *stepCommand)
{
    // mpv steps asynchronously: the frame has landed when the time moves.
    m_stepFrom = doubleProperty(kTimePosition);
    command({stepCommand});
}

void MpvPlayer::checkStepLanded()
{
    if (!m_stepFrom || m_seeking || doubleProperty(kTimePosition) == *m_stepFrom)
        return;
    m_stepFrom.reset();
    Q_EMIT stepped();
}

void MpvPlayer::seek(double seconds)
{
    if (!m_mpv)
        return;
    const QByteArray target = QByteArray::number(seconds, 'f', 6);
    const char *arguments[] = {kSeek, target.constData(), kSeekAbsoluteExact, nullptr};
    // mpv answers the command before it performs the seek, so the restart
    // that follows the answer is this seek's landing; earlier ones are not.
    if (const int error = mpv_command_async(m_mpv, ++m_seekSerial, arguments); error < 0) {
        qWarning("video view: mpv seek: %s", mpv_error_string(error));
        return;
    }
    m_seeking = true;
    m_seekAnswered = false;
    m_seekTarget = seconds;
}

double MpvPlayer::position() const
{
    if (m_seeking)
        return m_seekTarget;
    return m_loaded ? doubleProperty(kTimePosition) : 0.0;
}

bool MpvPlayer::isAtEnd() const
{
    return flagProperty(kEofReached);
}

float MpvPlayer::volume() const
{
    return float(doubleProperty(kVolume) / 100.0);
}

void MpvPlayer::setVolume(float volume)
{
    if (!m_mpv || !std::isfinite(volume))
        return;
    double percent = std::clamp(double(volume), 0.0, 1.0) * 100.0;
    mpv_set_property(m_mpv, kVolume, MPV_FORMAT_DOUBLE, &percent);
}

QImage MpvPlayer::screenshot() const
{
    if (!m_mpv || !m_loaded)
        return {};
    const char *arguments[] = {kScreenshotRaw, kScreenshotVideo, nullptr};
    mpv_node result;
    if (mpv_command_ret(m_mpv, arguments, &result) < 0)
        return {};
    const QVariantMap image = MpvNode::toVariant(result).toMap();
    mpv_free_node_contents(&result);
    const int width = image.value(kImageWidth).toInt();
    const int height = image.value(kImageHeight).toInt();
    const qsizetype stride = image.value(kImageStride).toLongLong();
    const QByteArray pixels = image.value(kImageData).toByteArray();
    if (image.value(kImageFormat).toString() != QLatin1String(kImageFormatBgr0) || width <= 0 ||
        height <= 0 || stride < qsizetype(width) * 4 || pixels.size() < stride * height) {
        qWarning() << "video view: unexpected screenshot of" << m_path;
        return {};
    }
    // "bgr0" is QImage's RGB32 on a little-endian machine.
    return QImage(reinterpret_cast<const uchar *>(pixels.constData()), width, height, stride,
                  QImage::Format_RGB32)
        .copy();
}

void MpvPlayer::drainEvents()
{
    // Handling events reads properties, which waits for mpv's core; the core
    // may be waiting in turn for a picture to be drawn on this thread.
    if (m_renderer)
        m_renderer->renderPending();
    while (m_mpv) {
        const mpv_event *event = mpv_wait_event(m_mpv, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        handleEvent(*event);
    }
}

void MpvPlayer::handleEvent(const mpv_event &event)
{
    switch (event.event_id) {
    case MPV_EVENT_START_FILE:
        Q_EMIT fileStarted();
        break;
    case MPV_EVENT_FILE_LOADED:
        m_opened = true;
        m_duration = doubleProperty(kDuration);
        readTracks();
        break;
    case MPV_EVENT_END_FILE: {
        const auto *end = static_cast<const mpv_event_end_file *>(event.data);
        if (end->reason == MPV_END_FILE_REASON_ERROR) {
            m_opened = m_loaded = false;
            Q_EMIT loadFailed(QString::fromUtf8(mpv_error_string(end->error)));
        }
        break;
    }
    case MPV_EVENT_PLAYBACK_RESTART:
        // The first restart after opening: the first picture is decoded.
        if (m_opened && !m_loaded) {
            m_loaded = true;
            Q_EMIT fileReady(m_hasVideo);
            break;
        }
        if (m_seeking) {
            // Still the landing of an earlier seek.
            if (!m_seekAnswered)
                break;
            finishSeek();
        }
        Q_EMIT seeked();
        break;
    case MPV_EVENT_COMMAND_REPLY:
        if (event.reply_userdata == m_seekSerial) {
            m_seekAnswered = true;
            if (event.error < 0)
                finishSeek();
        }
        break;
    case MPV_EVENT_PROPERTY_CHANGE:
        handlePropertyChange(static_cast<const mpv_event_property *>(event.data)->name);
        break;
    case MPV_EVENT_LOG_MESSAGE: {
        const auto *message = static_cast<const mpv_event_log_message *>(event.data);
        qWarning().noquote() << "video view:" << m_path << QString::fromUtf8(message->prefix)
                             << QString::fromUtf8(message->text).trimmed();
        break;
    }
    default:
        break;
    }
}

void MpvPlayer::handlePropertyChange(const char *name)
{
    // The time changes with every frame while playing; only a step waits
    // for it.
    if (qstrcmp(name, kTimePosition) == 0) {
        checkStepLanded();
        return;
    }
    if (qstrcmp(name, kVoConfigured) == 0) {
        m_voConfigured = flagProperty(kVoConfigured);
        // The first picture may have been drawn before this news arrived.
        if (m_voConfigured && m_renderer)
            m_renderer->scheduleRender();
        return;
    }
    if (qstrcmp(name, kEofReached) == 0) {
        const bool ended = isAtEnd();
        const bool reachedNow = ended && !m_ended;
        m_ended = ended;
        // Playing backwards, mpv's end is the start of the file.
        if (reachedNow && !playsBackward())
            Q_EMIT endReached();
    }
    updateRate();
}

void MpvPlayer::finishSeek()
{
    m_seeking = false;
    for (const char *stepCommand : std::exchange(m_pendingSteps, {}))
        issueStep(stepCommand);
}

void MpvPlayer::readTracks()
{
    mpv_node tracks;
    if (mpv_get_property(m_mpv, kTrackList, MPV_FORMAT_NODE, &tracks) < 0)
        return;
    const QVariantList list = MpvNode::toVariant(tracks).toList();
    mpv_free_node_contents(&tracks);
    for (const QVariant &entry : list) {
        const QVariantMap track = entry.toMap();
        if (track.value(kTrackType).toString() == QLatin1String(kTrackTypeVideo) &&
            !track.value(kTrackAlbumArt).toBool()) {
            m_hasVideo = true;
            m_videoSize =
                QSize(track.value(kTrackWidth).toInt(), track.value(kTrackHeight).toInt());
            return;
        }
    }
}

void MpvPlayer::updateRate()
{
    const double current = rate();
    if (current == m_rate)
        return;
    m_rate = current;
    Q_EMIT rateChanged(current);
}

bool MpvPlayer::command(std::initializer_list<const char *> arguments)
{
    if (!m_mpv)
        return false;
    std::vector<const char *> list(arguments);
    list.push_back(nullptr);
    const int error = mpv_command(m_mpv, list.data());
    if (error < 0)
        qWarning("video view: mpv %s: %s", list.front(), mpv_error_string(error));
    return error >= 0;
}

bool MpvPlayer::flagProperty(const char *name) const
{
    int flag = 0;
    return m_mpv && mpv_get_property(m_mpv, name, MPV_FORMAT_FLAG, &flag) >= 0 && flag != 0;
}

double MpvPlayer::doubleProperty(const char *name) const
{
    double value = 0.0;
    if (!m_mpv || mpv_get_property(m_mpv, name, MPV_FORMAT_DOUBLE, &value) < 0 ||
        !std::isfinite(value))
        return 0.0;
    return value;
}
