#pragma once

// The alert for a recording that cannot be made playable. The texts are
// localisation keys: show them through TorvaLanguages::localized.
class UnsupportedVideoAlert
{
public:
    static constexpr const char *kTitleKey = "메모리카드 오류";
    static constexpr const char *kMessageKey = "지원하지 않는 형식으로 인코딩된 동영상입니다.";
};
