#pragma once

// The alert for a recording that needs ffmpeg to play when none is
// installed. The texts are localisation keys: show them through
// TorvaLanguages::localized.
class TranscoderMissingAlert
{
public:
    static constexpr const char *kTitleKey = "ffmpeg가 설치되어 있지 않습니다.";
    static constexpr const char *kMessageKey =
        "이 녹화 영상을 재생하려면 ffmpeg가 필요합니다. \"sudo apt install ffmpeg\" 명령으로 "
        "ffmpeg 패키지를 설치한 다음 다시 여십시오.";
};
