#pragma once

// The alerts for a settings file that cannot be written to the card and for
// a card pulled out while in use. The texts are localisation keys: show them
// through TorvaLanguages::localized.
class MemoryCardAlert
{
public:
    static constexpr const char *kTitleKey = "메모리카드 오류";
    static constexpr const char *kMessageKey = "메모리카드를 확인하여 주시기 바랍니다.";
    static constexpr const char *kRemovedKey = "메모리카드가 제거되었습니다.";
};
