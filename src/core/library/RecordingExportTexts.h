#pragma once

// The texts of the main window's export actions (picture, print, copy,
// track, removal). They are localisation keys: show them through
// TorvaLanguages::localized. Failures of writing a file have their keys in
// ExportFile::messageKey.
class RecordingExportTexts
{
public:
    static constexpr const char *kSaveKey = "저장";
    static constexpr const char *kCancelKey = "취소";
    static constexpr const char *kOkKey = "확인";
    static constexpr const char *kYesKey = "예";
    static constexpr const char *kNoKey = "아니오";

    // The file table's context menu.
    static constexpr const char *kSaveCopyMenuKey = "복사본 저장…";
    static constexpr const char *kExportTrackMenuKey = "주행 기록 내보내기…";
    static constexpr const char *kRemoveMenuKey = "삭제…";

    static constexpr const char *kRemoveQuestionKey = "선택한 영상을 삭제하시겠습니까?";
    static constexpr const char *kRemoveWarningKey = "삭제한 영상은 복구할 수 없습니다.";
    static constexpr const char *kRemoveFailedKey = "영상을 삭제할 수 없습니다.";
    static constexpr const char *kCopyingKey = "영상을 복사하는 중입니다…";
    static constexpr const char *kPrintFailedKey = "인쇄할 수 없습니다.";
    static constexpr const char *kNoTrackKey = "이 영상에는 주행 기록이 없습니다.";
};
