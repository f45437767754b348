<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ko_KR">
<context>
    <name>Localizable_P820</name>
    <message>
        <source>(시동이 꺼지면 블랙박스를 종료합니다</source>
        <translation>(The dashcam shuts down when the engine is turned off)</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 주차 녹화 모드로 전환합니다</source>
        <translation>(Switches to parking recording mode when the engine is turned off)</translation>
    </message>
    <message>
        <source>10분 후</source>
        <translation>After 10 minutes</translation>
    </message>
    <message>
        <source>2분 후</source>
        <translation>After 2 minutes</translation>
    </message>
    <message>
        <source>5분 후</source>
        <translation>After 5 minutes</translation>
    </message>
    <message>
        <source>A Type(권장)</source>
        <translation>Type A (Recommended)</translation>
    </message>
    <message>
        <source>LCD 자동 꺼짐</source>
        <translation>LCD Auto Off</translation>
    </message>
    <message>
        <source>LCD 화면 밝기</source>
        <translation>LCD Brightness</translation>
    </message>
    <message>
        <source>V120 : 날짜 / 시간</source>
        <translation>Date / Time</translation>
    </message>
    <message>
        <source>V120 : 녹화종료전압</source>
        <translation>Recording Cut-off Voltage</translation>
    </message>
    <message>
        <source>V120 : 둔감</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>V120 : 메모리 파티션</source>
        <translation>Memory Partition</translation>
    </message>
    <message>
        <source>V120 : 모션인식감도</source>
        <translation>Motion Sensitivity</translation>
    </message>
    <message>
        <source>V120 : 민감</source>
        <translation>High</translation>
    </message>
    <message>
        <source>V120 : 사용 안 함</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>V120 : 사용 함</source>
        <translation>On</translation>
    </message>
    <message>
        <source>V120 : 상시녹화</source>
        <translation>Continuous Recording</translation>
    </message>
    <message>
        <source>V120 : 수동녹화</source>
        <translation>Manual Recording</translation>
    </message>
    <message>
        <source>V120 : 음성녹음</source>
        <translation>Audio Recording</translation>
    </message>
    <message>
        <source>V120 : 음성안내</source>
        <translation>Voice Guidance</translation>
    </message>
    <message>
        <source>V120 : 이벤트녹화</source>
        <translation>Event Recording</translation>
    </message>
    <message>
        <source>V120 : 자동주차모드</source>
        <translation>Auto Parking Mode</translation>
    </message>
    <message>
        <source>V120 : 작게</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>V120 : 주차녹화</source>
        <translation>Parking Recording</translation>
    </message>
    <message>
        <source>V120 : 충격감도</source>
        <translation>Impact Sensitivity</translation>
    </message>
    <message>
        <source>V120 : 크게</source>
        <translation>High</translation>
    </message>
    <message>
        <source>V120 : 펌웨어 버전</source>
        <translation>Firmware Version</translation>
    </message>
    <message>
        <source>V120 : 표준 시간대</source>
        <translation>Time Zone</translation>
    </message>
    <message>
        <source>V580 : 10분 후</source>
        <translation>After 10 minutes</translation>
    </message>
    <message>
        <source>V580 : 30초 후</source>
        <translation>After 30 seconds</translation>
    </message>
    <message>
        <source>V580 : 안전운행 구간 음성 안내</source>
        <translation>Road Safety Voice Guidance</translation>
    </message>
    <message>
        <source>공통</source>
        <translation>General</translation>
    </message>
    <message>
        <source>낮음</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>녹화 영상 별 덮어쓰기</source>
        <translation>Overwrite by Recording Type</translation>
    </message>
    <message>
        <source>녹화 종료 전압 설정</source>
        <translation>Recording Cut-off Voltage</translation>
    </message>
    <message>
        <source>녹화 종료 타이머 설정</source>
        <translation>Recording Cut-off Timer</translation>
    </message>
    <message>
        <source>녹화모드에 따라 다르게</source>
        <translation>Depends on Recording Mode</translation>
    </message>
    <message>
        <source>높음</source>
        <translation>High</translation>
    </message>
    <message>
        <source>둔감</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>메모리 카드 포맷이 완료 되었습니다.</source>
        <translation>The memory card has been formatted.</translation>
    </message>
    <message>
        <source>메모리 카드 포멧</source>
        <translation>Format Memory Card</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.</source>
        <translation>The memory card cannot be formatted.</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#xd;
&#xd;
TORVAVIEW에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우&#xd;
Torvaview를 종료하고 다시 포맷하십시오.&#xd;
메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 종료하고&#xd;
메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오.</source>
        <translation>The memory card cannot be formatted.

If TORVAVIEW is playing a video or collecting GPS data,
quit Torvaview and format the card again.
Quit any disk utility or other program that is using the memory card,
make sure that no window is showing the contents of the memory card, then format it again.</translation>
    </message>
    <message>
        <source>메모리 파티션</source>
        <translation>Memory Partition</translation>
    </message>
    <message>
        <source>메모리카드 오류</source>
        <translation>Memory Card Error</translation>
    </message>
    <message>
        <source>메모리카드가 제거되었습니다.</source>
        <translation>The memory card was removed.</translation>
    </message>
    <message>
        <source>메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>Please check the memory card.</translation>
    </message>
    <message>
        <source>모드 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>모드 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>모드 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>모션 감지</source>
        <translation>Motion Detection</translation>
    </message>
    <message>
        <source>민감</source>
        <translation>High</translation>
    </message>
    <message>
        <source>밝게</source>
        <translation>Brighter</translation>
    </message>
    <message>
        <source>밝기</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>밝음</source>
        <translation>Bright</translation>
    </message>
    <message>
        <source>보통</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>볼륨</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>부가기능</source>
        <translation>Additional Features</translation>
    </message>
    <message>
        <source>블랙박스 설정</source>
        <translation>Dashcam Settings</translation>
    </message>
    <message>
        <source>비디오 날짜 형식</source>
        <translation>Video Date Format</translation>
    </message>
    <message>
        <source>사용 안함</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>사용함</source>
        <translation>On</translation>
    </message>
    <message>
        <source>상시 녹화</source>
        <translation>Continuous Recording</translation>
    </message>
    <message>
        <source>상시 충격</source>
        <translation>Driving Impact</translation>
    </message>
    <message>
        <source>상시녹화</source>
        <translation>Continuous Recording</translation>
    </message>
    <message>
        <source>상시모드</source>
        <translation>Driving Mode</translation>
    </message>
    <message>
        <source>상시충격</source>
        <translation>Driving Impact</translation>
    </message>
    <message>
        <source>설정</source>
        <translation>On</translation>
    </message>
    <message>
        <source>설정값 초기화</source>
        <translation>Reset to Defaults</translation>
    </message>
    <message>
        <source>세단</source>
        <translation>Sedan</translation>
    </message>
    <message>
        <source>속도 단위</source>
        <translation>Speed Unit</translation>
    </message>
    <message>
        <source>속도표시</source>
        <translation>Speed Unit</translation>
    </message>
    <message>
        <source>수동 녹화</source>
        <translation>Manual Recording</translation>
    </message>
    <message>
        <source>수동녹화</source>
        <translation>Manual Recording</translation>
    </message>
    <message>
        <source>슈퍼 나이트 비전</source>
        <translation>Super Night Vision</translation>
    </message>
    <message>
        <source>시간</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>시간설정</source>
        <translation>Time Setting</translation>
    </message>
    <message>
        <source>시큐리티 LED</source>
        <translation>Security LED</translation>
    </message>
    <message>
        <source>아니오</source>
        <translation>No</translation>
    </message>
    <message>
        <source>안전운행 구간 음성 안내</source>
        <translation>Road Safety Voice Guidance</translation>
    </message>
    <message>
        <source>앞차 출발 알림</source>
        <translation>Front Vehicle Departure Alert</translation>
    </message>
    <message>
        <source>어두움</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>어둡게</source>
        <translation>Darker</translation>
    </message>
    <message>
        <source>언어</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>역광보정 기능(WDR)</source>
        <translation>Backlight Compensation (WDR)</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>영상 속도 정보 표출</source>
        <translation>Speed Stamp on Video</translation>
    </message>
    <message>
        <source>영상 해상도</source>
        <translation>Video Resolution</translation>
    </message>
    <message>
        <source>영상 화질</source>
        <translation>Video Quality</translation>
    </message>
    <message>
        <source>영어</source>
        <translation>English</translation>
    </message>
    <message>
        <source>예</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>오른쪽</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>왼쪽</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>음성 멘트</source>
        <translation>Voice Prompts</translation>
    </message>
    <message>
        <source>음성녹음</source>
        <translation>Audio Recording</translation>
    </message>
    <message>
        <source>이동식 단속 구간 안내</source>
        <translation>Mobile Speed Camera Alert</translation>
    </message>
    <message>
        <source>일본어</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>복사본 저장…</source>
        <translation>Save copy…</translation>
    </message>
    <message>
        <source>주행 기록 내보내기…</source>
        <translation>Export track…</translation>
    </message>
    <message>
        <source>삭제…</source>
        <translation>Remove…</translation>
    </message>
    <message>
        <source>선택한 영상을 삭제하시겠습니까?</source>
        <translation>Delete the selected recording?</translation>
    </message>
    <message>
        <source>삭제한 영상은 복구할 수 없습니다.</source>
        <translation>A deleted recording cannot be recovered.</translation>
    </message>
    <message>
        <source>영상을 삭제할 수 없습니다.</source>
        <translation>The recording could not be deleted.</translation>
    </message>
    <message>
        <source>영상을 복사하는 중입니다…</source>
        <translation>Copying the recording…</translation>
    </message>
    <message>
        <source>인쇄할 수 없습니다.</source>
        <translation>Could not print.</translation>
    </message>
    <message>
        <source>이 영상에는 주행 기록이 없습니다.</source>
        <translation>This recording has no driving data.</translation>
    </message>
    <message>
        <source>영상을 읽을 수 없습니다.</source>
        <translation>The recording could not be read.</translation>
    </message>
    <message>
        <source>복사하는 동안 영상이 바뀌었거나 사라졌습니다. 메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>The recording changed or disappeared while it was being copied. Please check the memory card.</translation>
    </message>
    <message>
        <source>읽기 전용 위치에는 저장할 수 없습니다.</source>
        <translation>Cannot save to a read-only location.</translation>
    </message>
    <message>
        <source>선택한 위치에 저장할 수 없습니다.</source>
        <translation>Cannot save to the chosen location.</translation>
    </message>
    <message>
        <source>저장 공간이 부족합니다.</source>
        <translation>There is not enough free space.</translation>
    </message>
    <message>
        <source>파일을 저장하는 중 오류가 발생했습니다.</source>
        <translation>An error occurred while saving the file.</translation>
    </message>
    <message>
        <source>전방 추돌 경보</source>
        <translation>Forward Collision Warning</translation>
    </message>
    <message>
        <source>전방 추돌 민감도</source>
        <translation>Forward Collision Sensitivity</translation>
    </message>
    <message>
        <source>전방</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. &#xd;
포맷하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Caution: formatting deletes all data on the memory card.
Choose (Yes) to format or (No) to cancel.</translation>
    </message>
    <message>
        <source>주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.&#xd;
초기화하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Caution: the current touch screen calibration will be reset.
Choose (Yes) to reset or (No) to cancel.</translation>
    </message>
    <message>
        <source>주차 모션</source>
        <translation>Parking Motion</translation>
    </message>
    <message>
        <source>주차 충격</source>
        <translation>Parking Impact</translation>
    </message>
    <message>
        <source>주차모드</source>
        <translation>Parking Mode</translation>
    </message>
    <message>
        <source>주차모드를 사용하지 않는 경우,
차량 시동이 꺼지면 주차 중 녹화가 되지 않습니다.
주차모드 사용을 해제 하시겠습니까?</source>
        <translation>Without parking mode,
nothing is recorded while the vehicle is parked with the engine off.
Do you want to turn off parking mode?</translation>
    </message>
    <message>
        <source>주차모션 선택 시,
타임랩스 영상이 삭제되고 주차모션 영상이 저장됩니다.
적용하시겠습니까?</source>
        <translation>If you select Parking Motion,
time-lapse videos will be deleted and parking motion videos will be saved.
Do you want to apply this setting?</translation>
    </message>
    <message>
        <source>주차모션</source>
        <translation>Parking Motion</translation>
    </message>
    <message>
        <source>주차충격</source>
        <translation>Parking Impact</translation>
    </message>
    <message>
        <source>지원하지 않는 형식으로 인코딩된 동영상입니다.</source>
        <translation>This video is encoded in an unsupported format.</translation>
    </message>
    <message>
        <source>차량 종류</source>
        <translation>Vehicle Type</translation>
    </message>
    <message>
        <source>차량전압 12V</source>
        <translation>12V Vehicle</translation>
    </message>
    <message>
        <source>차량전압 24V</source>
        <translation>24V Vehicle</translation>
    </message>
    <message>
        <source>차선이탈 감지 속도</source>
        <translation>Lane Departure Detection Speed</translation>
    </message>
    <message>
        <source>차선이탈 경보</source>
        <translation>Lane Departure Warning</translation>
    </message>
    <message>
        <source>차선이탈 민감도</source>
        <translation>Lane Departure Sensitivity</translation>
    </message>
    <message>
        <source>초기화하기</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>충격 감도</source>
        <translation>Impact Sensitivity</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>타임랩스 선택 시 
주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 저장됩니다.
적용하시겠습니까?</source>
        <translation>If you select Time-lapse,
parking motion videos will be deleted, and parking mode and parking impact videos will be saved as time-lapse.
Do you want to apply this setting?</translation>
    </message>
    <message>
        <source>타임랩스</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>트럭 (버스)</source>
        <translation>Truck (Bus)</translation>
    </message>
    <message>
        <source>파일_모션</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>파일_상시</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>파일_수동</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>파일_이벤트</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>파일_전체</source>
        <translation>All</translation>
    </message>
    <message>
        <source>포맷 중 입니다.&#xd;
잠시만 기다려 주십시오.</source>
        <translation>Formatting…
Please wait.</translation>
    </message>
    <message>
        <source>포멧하기</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>표준시간대</source>
        <translation>Time Zone</translation>
    </message>
    <message>
        <source>프랑스어</source>
        <translation>French</translation>
    </message>
    <message>
        <source>프레임 수</source>
        <translation>Frame Rate</translation>
    </message>
    <message>
        <source>플래시 메모리를 선택해주세요.</source>
        <translation>Please select the memory card.</translation>
    </message>
    <message>
        <source>해제</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>현재 시간 가져오기</source>
        <translation>Use Current Time</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화</source>
        <translation>Reset Touch Screen Calibration</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화가 완료되었습니다.</source>
        <translation>The touch screen calibration has been reset.</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>후방</source>
        <translation>Rear</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>Daylight Saving Time</translation>
    </message>
    <message>
        <source>V120 : Daylight Saving Time</source>
        <translation>Daylight Saving Time</translation>
    </message>
    <message>
        <source>V120 : Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>V120 : Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>B Type</source>
        <translation>Type B</translation>
    </message>
    <message>
        <source>C Type</source>
        <translation>Type C</translation>
    </message>
    <message>
        <source>Left-Right</source>
        <translation>Left-Right</translation>
    </message>
    <message>
        <source>Blinking</source>
        <translation>Blinking</translation>
    </message>
    <message>
        <source>e.g.)</source>
        <translation>e.g.)</translation>
    </message>
    <message>
        <source>지도 타일을 불러올 수 없습니다.</source>
        <translation>Map tiles cannot be loaded.</translation>
    </message>
    <message>
        <source>ffmpeg가 설치되어 있지 않습니다.</source>
        <translation>ffmpeg is not installed.</translation>
    </message>
    <message>
        <source>이 녹화 영상을 재생하려면 ffmpeg가 필요합니다. &quot;sudo apt install ffmpeg&quot; 명령으로 ffmpeg 패키지를 설치한 다음 다시 여십시오.</source>
        <translation>ffmpeg is needed to play this recording. Install the ffmpeg package with &quot;sudo apt install ffmpeg&quot;, then open the recording again.</translation>
    </message>
    <message>
        <source>블랙박스 정보를 읽을 수 없습니다.
모델명을 선택하면 해당 모델의 기본 설정값이 적용됩니다.</source>
        <translation>The dashcam's information cannot be read.
Choosing a model name applies that model's default settings.</translation>
    </message>
    <message>
        <source>설정 페이지가 돌려준 설정값이 올바르지 않아 저장하지 않았습니다.</source>
        <translation>The settings page returned settings that are not valid; nothing was saved.</translation>
    </message>
    <message>
        <source>구간 시작 지정</source>
        <translation>Mark In</translation>
    </message>
    <message>
        <source>구간 끝 지정</source>
        <translation>Mark Out</translation>
    </message>
    <message>
        <source>구간 지정 해제</source>
        <translation>Clear Marks</translation>
    </message>
    <message>
        <source>구간 내보내기…</source>
        <translation>Export Clip…</translation>
    </message>
    <message>
        <source>구간 내보내기</source>
        <translation>Export Clip</translation>
    </message>
    <message>
        <source>무손실: 카메라마다 원본 그대로</source>
        <translation>Lossless: each camera as recorded</translation>
    </message>
    <message>
        <source>합성: 한 파일로 (H.264)</source>
        <translation>Composed: one file (H.264)</translation>
    </message>
    <message>
        <source>나란히</source>
        <translation>Side by side</translation>
    </message>
    <message>
        <source>화면 속 화면</source>
        <translation>Picture in picture</translation>
    </message>
    <message>
        <source>시간, 속도, 위치, G값 표시</source>
        <translation>Show time, speed, position and g values</translation>
    </message>
    <message>
        <source>구간을 내보내는 중입니다…</source>
        <translation>Exporting the clip…</translation>
    </message>
    <message>
        <source>구간을 내보냈습니다.</source>
        <translation>The clip has been exported.</translation>
    </message>
    <message>
        <source>구간을 내보낼 수 없습니다.</source>
        <translation>The clip could not be exported.</translation>
    </message>
    <message>
        <source>선택한 폴더에 쓸 수 없습니다.</source>
        <translation>The chosen folder cannot be written to.</translation>
    </message>
    <message>
        <source>구간을 내보내려면 ffmpeg가 필요합니다. &quot;sudo apt install ffmpeg&quot; 명령으로 ffmpeg 패키지를 설치하십시오.</source>
        <translation>ffmpeg is needed to export a clip. Install the ffmpeg package with &quot;sudo apt install ffmpeg&quot;.</translation>
    </message>
    <message>
        <source>ffmpeg가 구간을 만드는 중 오류가 발생했습니다.</source>
        <translation>ffmpeg failed while making the clip.</translation>
    </message>
    <message>
        <source>주행</source>
        <translation>Trips</translation>
    </message>
    <message>
        <source>주행 목록</source>
        <translation>Trips List</translation>
    </message>
    <message>
        <source>속도별 경로 색상</source>
        <translation>Colour the Route by Speed</translation>
    </message>
    <message>
        <source>다음 이벤트</source>
        <translation>Next Event</translation>
    </message>
    <message>
        <source>이전 이벤트</source>
        <translation>Previous Event</translation>
    </message>
    <message>
        <source>이벤트 없음</source>
        <translation>No events</translation>
    </message>
    <message>
        <source>주행 기록을 읽는 중…</source>
        <translation>Reading the trips…</translation>
    </message>
    <message>
        <source>주행 기록이 없습니다.</source>
        <translation>No trips on this card.</translation>
    </message>
    <message>
        <source>녹화 파일 %1개</source>
        <translation>%1 recordings</translation>
    </message>
    <message>
        <source>급제동</source>
        <translation>Harsh braking</translation>
    </message>
    <message>
        <source>급가속</source>
        <translation>Harsh acceleration</translation>
    </message>
    <message>
        <source>충격</source>
        <translation>Impact</translation>
    </message>
</context>
</TS>
