#pragma once

// The libmpv names the video view relies on, in one place.
namespace MpvProperties {

// Options set before the core starts.
inline constexpr char kVideoOutput[] = "vo";
inline constexpr char kVideoOutputLibmpv[] = "libmpv";
// Without it mpv probes libcuda on machines without NVIDIA hardware.
inline constexpr char kHardwareDecodingInterop[] = "gpu-hwdec-interop";
// The transcoder cache puts an SRT file beside each MOV file; its telemetry
// text must never appear over the picture.
inline constexpr char kSubtitleAutoLoad[] = "sub-auto";
inline constexpr char kSubtitleTrack[] = "sid";
inline constexpr char kCoverArtAutoLoad[] = "cover-art-auto";
inline constexpr char kAudioDisplay[] = "audio-display";
// Only the desktop's sound servers and ALSA are tried, then no sound: mpv's
// further candidates include SDL, whose shared state hangs when two players
// probe it at once on a machine without a sound device.
inline constexpr char kAudioOutput[] = "ao";
inline constexpr char kAudioOutputs[] = "pipewire,pulse,alsa";
inline constexpr char kAudioFallbackToNull[] = "audio-fallback-to-null";
inline constexpr char kKeepOpen[] = "keep-open";
// Scripts only cost start-up time here: the view has no on-screen controls.
inline constexpr char kLoadScripts[] = "load-scripts";
inline constexpr char kLoadStatsOverlay[] = "load-stats-overlay";
inline constexpr char kLoadOsdConsole[] = "load-osd-console";
inline constexpr char kLoadAutoProfiles[] = "load-auto-profiles";
inline constexpr char kYoutubeDl[] = "ytdl";

// Properties read, written or observed.
inline constexpr char kPause[] = "pause";
inline constexpr char kSpeed[] = "speed";
inline constexpr char kPlayDirection[] = "play-dir";
inline constexpr char kTimePosition[] = "time-pos";
inline constexpr char kDuration[] = "duration";
inline constexpr char kEofReached[] = "eof-reached";
inline constexpr char kVolume[] = "volume";
inline constexpr char kVoConfigured[] = "vo-configured";
inline constexpr char kTrackList[] = "track-list";

// Values.
inline constexpr char kYes[] = "yes";
inline constexpr char kNo[] = "no";
inline constexpr char kForward[] = "forward";
inline constexpr char kBackward[] = "backward";

// Keys of the track list entries.
inline constexpr char kTrackType[] = "type";
inline constexpr char kTrackTypeVideo[] = "video";
inline constexpr char kTrackAlbumArt[] = "albumart";
inline constexpr char kTrackWidth[] = "demux-w";
inline constexpr char kTrackHeight[] = "demux-h";

// Commands.
inline constexpr char kLoadFile[] = "loadfile";
inline constexpr char kSeek[] = "seek";
inline constexpr char kSeekAbsoluteExact[] = "absolute+exact";
inline constexpr char kFrameStep[] = "frame-step";
inline constexpr char kFrameBackStep[] = "frame-back-step";
inline constexpr char kScreenshotRaw[] = "screenshot-raw";
inline constexpr char kScreenshotVideo[] = "video";

// Keys of the screenshot-raw answer; the pixels are "bgr0".
inline constexpr char kImageWidth[] = "w";
inline constexpr char kImageHeight[] = "h";
inline constexpr char kImageStride[] = "stride";
inline constexpr char kImageFormat[] = "format";
inline constexpr char kImageFormatBgr0[] = "bgr0";
inline constexpr char kImageData[] = "data";

// Log level of the messages passed on to qWarning.
inline constexpr char kLogLevel[] = "error";

} // namespace MpvProperties
