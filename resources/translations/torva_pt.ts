<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="ko_KR">
<context>
    <name>Localizable_P820</name>
    <message>
        <source>(시동이 꺼지면 블랙박스를 종료합니다</source>
        <translation>(A câmera veicular desliga quando o motor é desligado)</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 주차 녹화 모드로 전환합니다</source>
        <translation>(Muda para o modo de gravação no estacionamento quando o motor é desligado)</translation>
    </message>
    <message>
        <source>10분 후</source>
        <translation>Após 10 minutos</translation>
    </message>
    <message>
        <source>2분 후</source>
        <translation>Após 2 minutos</translation>
    </message>
    <message>
        <source>5분 후</source>
        <translation>Após 5 minutos</translation>
    </message>
    <message>
        <source>A Type(권장)</source>
        <translation>Tipo A (recomendado)</translation>
    </message>
    <message>
        <source>LCD 자동 꺼짐</source>
        <translation>Desligamento automático do LCD</translation>
    </message>
    <message>
        <source>LCD 화면 밝기</source>
        <translation>Brilho da tela LCD</translation>
    </message>
    <message>
        <source>V120 : 날짜 / 시간</source>
        <translation>Data / hora</translation>
    </message>
    <message>
        <source>V120 : 녹화종료전압</source>
        <translation>Tensão de corte</translation>
    </message>
    <message>
        <source>V120 : 둔감</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>V120 : 메모리 파티션</source>
        <translation>Partição da memória</translation>
    </message>
    <message>
        <source>V120 : 모션인식감도</source>
        <translation>Sensibilidade de detecção de movimento</translation>
    </message>
    <message>
        <source>V120 : 민감</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>V120 : 사용 안 함</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>V120 : 사용 함</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>V120 : 상시녹화</source>
        <translation>Gravação contínua</translation>
    </message>
    <message>
        <source>V120 : 수동녹화</source>
        <translation>Gravação manual</translation>
    </message>
    <message>
        <source>V120 : 음성녹음</source>
        <translation>Gravação de áudio</translation>
    </message>
    <message>
        <source>V120 : 음성안내</source>
        <translation>Orientação por voz</translation>
    </message>
    <message>
        <source>V120 : 이벤트녹화</source>
        <translation>Gravação de evento</translation>
    </message>
    <message>
        <source>V120 : 자동주차모드</source>
        <translation>Modo de estacionamento automático</translation>
    </message>
    <message>
        <source>V120 : 작게</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>V120 : 주차녹화</source>
        <translation>Gravação no estacionamento</translation>
    </message>
    <message>
        <source>V120 : 충격감도</source>
        <translation>Sensibilidade a impactos</translation>
    </message>
    <message>
        <source>V120 : 크게</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>V120 : 펌웨어 버전</source>
        <translation>Versão do firmware</translation>
    </message>
    <message>
        <source>V120 : 표준 시간대</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>V580 : 10분 후</source>
        <translation>Após 10 minutos</translation>
    </message>
    <message>
        <source>V580 : 30초 후</source>
        <translation>Após 30 segundos</translation>
    </message>
    <message>
        <source>V580 : 안전운행 구간 음성 안내</source>
        <translation>Orientação por voz em zonas de segurança viária</translation>
    </message>
    <message>
        <source>공통</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>낮음</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>녹화 영상 별 덮어쓰기</source>
        <translation>Sobrescrever por tipo de gravação</translation>
    </message>
    <message>
        <source>녹화 종료 전압 설정</source>
        <translation>Tensão de corte da gravação</translation>
    </message>
    <message>
        <source>녹화 종료 타이머 설정</source>
        <translation>Temporizador de fim da gravação</translation>
    </message>
    <message>
        <source>녹화모드에 따라 다르게</source>
        <translation>Conforme o modo de gravação</translation>
    </message>
    <message>
        <source>높음</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>둔감</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>메모리 카드 포맷이 완료 되었습니다.</source>
        <translation>A formatação do cartão de memória foi concluída.</translation>
    </message>
    <message>
        <source>메모리 카드 포멧</source>
        <translation>Formatação do cartão de memória</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.</source>
        <translation>Não é possível formatar o cartão de memória.</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#xd;
&#xd;
TORVAVIEW에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우&#xd;
Torvaview를 종료하고 다시 포맷하십시오.&#xd;
메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 종료하고&#xd;
메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오.</source>
        <translation>Não é possível formatar o cartão de memória.

Se o TORVAVIEW estiver reproduzindo um vídeo ou coletando dados de GPS,
feche o Torvaview e formate o cartão novamente.
Feche o utilitário de disco ou qualquer outro programa que esteja usando o cartão de memória,
verifique se nenhuma janela está exibindo o conteúdo do cartão de memória e formate-o novamente.</translation>
    </message>
    <message>
        <source>메모리 파티션</source>
        <translation>Partição da memória</translation>
    </message>
    <message>
        <source>메모리카드 오류</source>
        <translation>Erro no cartão de memória</translation>
    </message>
    <message>
        <source>메모리카드가 제거되었습니다.</source>
        <translation>O cartão de memória foi removido.</translation>
    </message>
    <message>
        <source>메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>Verifique o cartão de memória.</translation>
    </message>
    <message>
        <source>모드 1</source>
        <translation>Modo 1</translation>
    </message>
    <message>
        <source>모드 2</source>
        <translation>Modo 2</translation>
    </message>
    <message>
        <source>모드 3</source>
        <translation>Modo 3</translation>
    </message>
    <message>
        <source>모션 감지</source>
        <translation>Detecção de movimento</translation>
    </message>
    <message>
        <source>민감</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>밝게</source>
        <translation>Mais claro</translation>
    </message>
    <message>
        <source>밝기</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>밝음</source>
        <translation>Claro</translation>
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
        <translation>Funções adicionais</translation>
    </message>
    <message>
        <source>블랙박스 설정</source>
        <translation>Configurações da câmera veicular</translation>
    </message>
    <message>
        <source>비디오 날짜 형식</source>
        <translation>Formato de data do vídeo</translation>
    </message>
    <message>
        <source>사용 안함</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>사용함</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>상시 녹화</source>
        <translation>Gravação contínua</translation>
    </message>
    <message>
        <source>상시 충격</source>
        <translation>Impacto ao dirigir</translation>
    </message>
    <message>
        <source>상시녹화</source>
        <translation>Gravação contínua</translation>
    </message>
    <message>
        <source>상시모드</source>
        <translation>Modo de direção</translation>
    </message>
    <message>
        <source>상시충격</source>
        <translation>Impacto ao dirigir</translation>
    </message>
    <message>
        <source>설정</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>설정값 초기화</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>세단</source>
        <translation>Sedã</translation>
    </message>
    <message>
        <source>속도 단위</source>
        <translation>Unidade de velocidade</translation>
    </message>
    <message>
        <source>속도표시</source>
        <translation>Unidade de velocidade</translation>
    </message>
    <message>
        <source>수동 녹화</source>
        <translation>Gravação manual</translation>
    </message>
    <message>
        <source>수동녹화</source>
        <translation>Gravação manual</translation>
    </message>
    <message>
        <source>슈퍼 나이트 비전</source>
        <translation>Super visão noturna</translation>
    </message>
    <message>
        <source>시간</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>시간설정</source>
        <translation>Ajuste de horário</translation>
    </message>
    <message>
        <source>시큐리티 LED</source>
        <translation>LED de segurança</translation>
    </message>
    <message>
        <source>아니오</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>안전운행 구간 음성 안내</source>
        <translation>Orientação por voz em zonas de segurança viária</translation>
    </message>
    <message>
        <source>앞차 출발 알림</source>
        <translation>Alerta de partida do veículo da frente</translation>
    </message>
    <message>
        <source>어두움</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>어둡게</source>
        <translation>Mais escuro</translation>
    </message>
    <message>
        <source>언어</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>역광보정 기능(WDR)</source>
        <translation>Compensação de contraluz (WDR)</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>영상 속도 정보 표출</source>
        <translation>Exibir velocidade no vídeo</translation>
    </message>
    <message>
        <source>영상 해상도</source>
        <translation>Resolução do vídeo</translation>
    </message>
    <message>
        <source>영상 화질</source>
        <translation>Qualidade do vídeo</translation>
    </message>
    <message>
        <source>영어</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>예</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>오른쪽</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>왼쪽</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>음성 멘트</source>
        <translation>Mensagens de voz</translation>
    </message>
    <message>
        <source>음성녹음</source>
        <translation>Gravação de áudio</translation>
    </message>
    <message>
        <source>이동식 단속 구간 안내</source>
        <translation>Alerta de radar móvel</translation>
    </message>
    <message>
        <source>일본어</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>복사본 저장…</source>
        <translation>Salvar cópia…</translation>
    </message>
    <message>
        <source>주행 기록 내보내기…</source>
        <translation>Exportar trajeto…</translation>
    </message>
    <message>
        <source>삭제…</source>
        <translation>Remover…</translation>
    </message>
    <message>
        <source>선택한 영상을 삭제하시겠습니까?</source>
        <translation>Excluir a gravação selecionada?</translation>
    </message>
    <message>
        <source>삭제한 영상은 복구할 수 없습니다.</source>
        <translation>Uma gravação excluída não pode ser recuperada.</translation>
    </message>
    <message>
        <source>영상을 삭제할 수 없습니다.</source>
        <translation>Não foi possível excluir a gravação.</translation>
    </message>
    <message>
        <source>영상을 복사하는 중입니다…</source>
        <translation>Copiando a gravação…</translation>
    </message>
    <message>
        <source>인쇄할 수 없습니다.</source>
        <translation>Não foi possível imprimir.</translation>
    </message>
    <message>
        <source>이 영상에는 주행 기록이 없습니다.</source>
        <translation>Esta gravação não tem dados de condução.</translation>
    </message>
    <message>
        <source>영상을 읽을 수 없습니다.</source>
        <translation>Não foi possível ler a gravação.</translation>
    </message>
    <message>
        <source>복사하는 동안 영상이 바뀌었거나 사라졌습니다. 메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>A gravação mudou ou desapareceu durante a cópia. Verifique o cartão de memória.</translation>
    </message>
    <message>
        <source>읽기 전용 위치에는 저장할 수 없습니다.</source>
        <translation>Não é possível salvar em um local somente leitura.</translation>
    </message>
    <message>
        <source>선택한 위치에 저장할 수 없습니다.</source>
        <translation>Não é possível salvar no local escolhido.</translation>
    </message>
    <message>
        <source>저장 공간이 부족합니다.</source>
        <translation>Não há espaço livre suficiente.</translation>
    </message>
    <message>
        <source>파일을 저장하는 중 오류가 발생했습니다.</source>
        <translation>Ocorreu um erro ao salvar o arquivo.</translation>
    </message>
    <message>
        <source>전방 추돌 경보</source>
        <translation>Alerta de colisão frontal</translation>
    </message>
    <message>
        <source>전방 추돌 민감도</source>
        <translation>Sensibilidade do alerta de colisão frontal</translation>
    </message>
    <message>
        <source>전방</source>
        <translation>Dianteira</translation>
    </message>
    <message>
        <source>주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. &#xd;
포맷하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Atenção: a formatação apaga todos os dados do cartão de memória.
Escolha (Sim) para formatar ou (Não) para cancelar.</translation>
    </message>
    <message>
        <source>주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.&#xd;
초기화하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Atenção: a calibração atual da tela sensível ao toque será redefinida.
Escolha (Sim) para redefinir ou (Não) para cancelar.</translation>
    </message>
    <message>
        <source>주차 모션</source>
        <translation>Movimento no estacionamento</translation>
    </message>
    <message>
        <source>주차 충격</source>
        <translation>Impacto no estacionamento</translation>
    </message>
    <message>
        <source>주차모드</source>
        <translation>Modo de estacionamento</translation>
    </message>
    <message>
        <source>주차모드를 사용하지 않는 경우,
차량 시동이 꺼지면 주차 중 녹화가 되지 않습니다.
주차모드 사용을 해제 하시겠습니까?</source>
        <translation>Sem o modo de estacionamento,
nada é gravado com o veículo estacionado e o motor desligado.
Deseja desativar o modo de estacionamento?</translation>
    </message>
    <message>
        <source>주차모션 선택 시,
타임랩스 영상이 삭제되고 주차모션 영상이 저장됩니다.
적용하시겠습니까?</source>
        <translation>Ao selecionar Movimento no estacionamento,
os vídeos em time-lapse serão excluídos e os vídeos de movimento no estacionamento serão salvos.
Deseja aplicar esta configuração?</translation>
    </message>
    <message>
        <source>주차모션</source>
        <translation>Movimento no estacionamento</translation>
    </message>
    <message>
        <source>주차충격</source>
        <translation>Impacto no estacionamento</translation>
    </message>
    <message>
        <source>지원하지 않는 형식으로 인코딩된 동영상입니다.</source>
        <translation>Este vídeo está codificado em um formato não suportado.</translation>
    </message>
    <message>
        <source>차량 종류</source>
        <translation>Tipo de veículo</translation>
    </message>
    <message>
        <source>차량전압 12V</source>
        <translation>Veículo de 12 V</translation>
    </message>
    <message>
        <source>차량전압 24V</source>
        <translation>Veículo de 24 V</translation>
    </message>
    <message>
        <source>차선이탈 감지 속도</source>
        <translation>Velocidade de detecção de saída de faixa</translation>
    </message>
    <message>
        <source>차선이탈 경보</source>
        <translation>Alerta de saída de faixa</translation>
    </message>
    <message>
        <source>차선이탈 민감도</source>
        <translation>Sensibilidade do alerta de saída de faixa</translation>
    </message>
    <message>
        <source>초기화하기</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>충격 감도</source>
        <translation>Sensibilidade a impactos</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>타임랩스 선택 시 
주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 저장됩니다.
적용하시겠습니까?</source>
        <translation>Ao selecionar Time-lapse,
os vídeos de movimento no estacionamento serão excluídos, e os vídeos do modo de estacionamento e de impacto no estacionamento serão salvos em time-lapse.
Deseja aplicar esta configuração?</translation>
    </message>
    <message>
        <source>타임랩스</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>트럭 (버스)</source>
        <translation>Caminhão (ônibus)</translation>
    </message>
    <message>
        <source>파일_모션</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <source>파일_상시</source>
        <translation>Contínuo</translation>
    </message>
    <message>
        <source>파일_수동</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>파일_이벤트</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>파일_전체</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>포맷 중 입니다.&#xd;
잠시만 기다려 주십시오.</source>
        <translation>Formatando…
Aguarde um momento.</translation>
    </message>
    <message>
        <source>포멧하기</source>
        <translation>Formatar</translation>
    </message>
    <message>
        <source>표준시간대</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>프랑스어</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>프레임 수</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>플래시 메모리를 선택해주세요.</source>
        <translation>Selecione o cartão de memória.</translation>
    </message>
    <message>
        <source>해제</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>현재 시간 가져오기</source>
        <translation>Usar hora atual</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화</source>
        <translation>Redefinir a calibração da tela sensível ao toque</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화가 완료되었습니다.</source>
        <translation>A calibração da tela sensível ao toque foi redefinida.</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>후방</source>
        <translation>Traseira</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>V120 : Daylight Saving Time</source>
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>V120 : Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>V120 : Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>B Type</source>
        <translation>Tipo B</translation>
    </message>
    <message>
        <source>C Type</source>
        <translation>Tipo C</translation>
    </message>
    <message>
        <source>Left-Right</source>
        <translation>Esquerda-direita</translation>
    </message>
    <message>
        <source>Blinking</source>
        <translation>Piscando</translation>
    </message>
    <message>
        <source>e.g.)</source>
        <translation>ex.)</translation>
    </message>
    <message>
        <source>지도 타일을 불러올 수 없습니다.</source>
        <translation>Não é possível carregar os mosaicos do mapa.</translation>
    </message>
    <message>
        <source>ffmpeg가 설치되어 있지 않습니다.</source>
        <translation>O ffmpeg não está instalado.</translation>
    </message>
    <message>
        <source>이 녹화 영상을 재생하려면 ffmpeg가 필요합니다. &quot;sudo apt install ffmpeg&quot; 명령으로 ffmpeg 패키지를 설치한 다음 다시 여십시오.</source>
        <translation>O ffmpeg é necessário para reproduzir esta gravação. Instale o pacote ffmpeg com &quot;sudo apt install ffmpeg&quot; e abra a gravação novamente.</translation>
    </message>
    <message>
        <source>블랙박스 정보를 읽을 수 없습니다.
모델명을 선택하면 해당 모델의 기본 설정값이 적용됩니다.</source>
        <translation>Não é possível ler as informações da câmera.
Escolher um nome de modelo aplica as configurações padrão desse modelo.</translation>
    </message>
    <message>
        <source>설정 페이지가 돌려준 설정값이 올바르지 않아 저장하지 않았습니다.</source>
        <translation>A página de configurações devolveu configurações inválidas; nada foi guardado.</translation>
    </message>
    <message>
        <source>구간 시작 지정</source>
        <translation>Marcar início</translation>
    </message>
    <message>
        <source>구간 끝 지정</source>
        <translation>Marcar fim</translation>
    </message>
    <message>
        <source>구간 지정 해제</source>
        <translation>Limpar marcas</translation>
    </message>
    <message>
        <source>구간 내보내기…</source>
        <translation>Exportar clipe…</translation>
    </message>
    <message>
        <source>구간 내보내기</source>
        <translation>Exportar clipe</translation>
    </message>
    <message>
        <source>무손실: 카메라마다 원본 그대로</source>
        <translation>Sem perdas: cada câmara tal como gravada</translation>
    </message>
    <message>
        <source>합성: 한 파일로 (H.264)</source>
        <translation>Composto: um ficheiro (H.264)</translation>
    </message>
    <message>
        <source>나란히</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>화면 속 화면</source>
        <translation>Imagem na imagem</translation>
    </message>
    <message>
        <source>시간, 속도, 위치, G값 표시</source>
        <translation>Mostrar hora, velocidade, posição e valores g</translation>
    </message>
    <message>
        <source>구간을 내보내는 중입니다…</source>
        <translation>A exportar o clipe…</translation>
    </message>
    <message>
        <source>구간을 내보냈습니다.</source>
        <translation>O clipe foi exportado.</translation>
    </message>
    <message>
        <source>구간을 내보낼 수 없습니다.</source>
        <translation>Não foi possível exportar o clipe.</translation>
    </message>
    <message>
        <source>선택한 폴더에 쓸 수 없습니다.</source>
        <translation>Não é possível escrever na pasta escolhida.</translation>
    </message>
    <message>
        <source>구간을 내보내려면 ffmpeg가 필요합니다. &quot;sudo apt install ffmpeg&quot; 명령으로 ffmpeg 패키지를 설치하십시오.</source>
        <translation>O ffmpeg é necessário para exportar um clipe. Instale o pacote ffmpeg com &quot;sudo apt install ffmpeg&quot;.</translation>
    </message>
    <message>
        <source>ffmpeg가 구간을 만드는 중 오류가 발생했습니다.</source>
        <translation>O ffmpeg falhou ao criar o clipe.</translation>
    </message>
    <message>
        <source>주행</source>
        <translation>Viagens</translation>
    </message>
    <message>
        <source>주행 목록</source>
        <translation>Lista de viagens</translation>
    </message>
    <message>
        <source>속도별 경로 색상</source>
        <translation>Colorir o percurso pela velocidade</translation>
    </message>
    <message>
        <source>다음 이벤트</source>
        <translation>Próximo evento</translation>
    </message>
    <message>
        <source>이전 이벤트</source>
        <translation>Evento anterior</translation>
    </message>
    <message>
        <source>이벤트 없음</source>
        <translation>Nenhum evento</translation>
    </message>
    <message>
        <source>주행 기록을 읽는 중…</source>
        <translation>A ler as viagens…</translation>
    </message>
    <message>
        <source>주행 기록이 없습니다.</source>
        <translation>Nenhuma viagem neste cartão.</translation>
    </message>
    <message>
        <source>녹화 파일 %1개</source>
        <translation>%1 gravações</translation>
    </message>
    <message>
        <source>급제동</source>
        <translation>Travagem brusca</translation>
    </message>
    <message>
        <source>급가속</source>
        <translation>Aceleração brusca</translation>
    </message>
    <message>
        <source>충격</source>
        <translation>Impacto</translation>
    </message>
</context>
</TS>
