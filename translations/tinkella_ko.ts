<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>피아노 건반</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>터치 스트립과 마우스로 120건반 피아노를 연주하고 음을 다른 음악 프로그램으로 보냅니다</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>피아노;건반;키보드;MIDI;신시사이저;piano;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>여러 손가락으로 120건반 피아노를 연주하고 음을 다른 음악 프로그램으로 보냅니다</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella는 화면 아래쪽의 터치 스트립에서 여러 손가락으로 동시에, 그리고 스크롤되는 창에서 마우스로 연주하는 120건반 피아노 건반입니다.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>내장 General MIDI 신시사이저로 소리를 내고, ALSA 시퀀서나 JACK에서 Tinkella라는 가상 MIDI 포트로 모든 음을 내보내므로 다른 음악 프로그램에서 녹음할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Tinkella 도움말</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>이 사본에는 설명서가 내장되어 있지 않습니다. man tinkella를 참고하십시오.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>키보드 단축키</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>연주</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>옥타브의 C부터 위로 연주</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>한 옥타브 위를 연주</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>컴퓨터 키보드를 한 옥타브 아래 / 위로</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>누르는 동안 서스테인</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>패닉: 모든 음 정지 (피아노 창)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>창의 컨트롤 사이를 이동</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>메뉴 열기 (피아노 창)</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 ~ %2</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>피아노 건반</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>터치 스트립 건반</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>About Tinkella</source>
        <translation>Tinkella 정보</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>설정…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>서비스</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Tinkella 가리기</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>다른 항목 가리기</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>모두 보기</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Tinkella 끝내기</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>창</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>모두 앞으로 가져오기</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>서스테인</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>패닉</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>컴퓨터 키보드…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>마지막 연주 저장…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>위로 조옮김</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>아래로 조옮김</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>조옮김 초기화</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>한 옥타브 왼쪽으로</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>한 옥타브 오른쪽으로</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Tinkella 도움말</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>키보드 단축키</translation>
    </message>
</context>
<context>
    <name>PerformanceFile</name>
    <message>
        <source>Tinkella %1.mid</source>
        <translation>Tinkella %1.mid</translation>
    </message>
    <message>
        <source>Save Last Performance</source>
        <translation>마지막 연주 저장</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>MIDI 파일 (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>마지막 연주를 %1에 저장할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — 조옮김 %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Pitch bend: drag up or down, or Up / Down with the focus; springs back to the centre when let go</source>
        <translation>피치 벤드: 위아래로 끌거나 포커스가 있을 때 위 / 아래 키; 놓으면 가운데로 돌아옵니다</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>모듈레이션 (컨트롤러 1): 위아래로 끌거나 포커스가 있을 때 위 / 아래 키; 놓은 자리에 머뭅니다</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>피치 벤드 휠</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>모듈레이션 휠</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>모듈레이션</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>브레스</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>풋</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>포르타멘토 타임</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>볼륨</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>밸런스</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>팬</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>익스프레션</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>레조넌스</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>릴리스</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>어택</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>브라이트니스</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>디케이</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>비브라토 속도</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>비브라토 깊이</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>비브라토 딜레이</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>리버브</translation>
    </message>
    <message>
        <source>Tremolo</source>
        <translation>트레몰로</translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation>코러스</translation>
    </message>
    <message>
        <source>Detune</source>
        <translation>디튠</translation>
    </message>
    <message>
        <source>Phaser</source>
        <translation>페이저</translation>
    </message>
    <message>
        <source>CC %1</source>
        <translation>CC %1</translation>
    </message>
    <message>
        <source>%1 (controller %2): %3 — right-click to choose another controller</source>
        <translation>%1 (컨트롤러 %2): %3 — 오른쪽 클릭으로 다른 컨트롤러 선택</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>다른 컨트롤러…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>컨트롤러</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>컨트롤러 번호 (1–119; Tinkella가 직접 보내는 6, 32, 38, 64, 96–101 제외):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>Tinkella 정보</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;터치 스트립과 마우스로 연주하는 120건반 피아노 건반으로, 모든 음을 MIDI 소스 &quot;Tinkella&quot;로 내보냅니다.&lt;br&gt;&lt;br&gt;시스템의 General MIDI 사운드폰트를 쓰는 FluidSynth 신시사이저로 소리를 냅니다.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;만든 이: Quorvin</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>피아노 창이 활성화되어 있는 동안 컴퓨터 키보드의 두 줄로 한 옥타브 반을 연주합니다. 키는 글자가 아니라 위치로 정해지므로 어떤 배열에서도 똑같이 연주되며, 표시된 글자는 US 키보드 기준입니다.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>%1 ~ %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>컴퓨터 키보드</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>옥타브 아래 / 위</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>누르는 동안 서스테인</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>패닉: 모든 음 정지</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>MIDI 이벤트만 보내기</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>내장 신시사이저만 사용</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>둘 다 사용</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>음은 MIDI 포트 Tinkella를 통해 다른 프로그램으로만 갑니다</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>음이 내장 신시사이저에서만 울립니다</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>음이 내장 신시사이저에서 울리고 다른 프로그램으로도 갑니다</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>스트립 글리산도에 검은 건반 포함</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>터치 위치로 벨로시티 결정</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>악기</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>내장 신시사이저가 연주하는 General MIDI 악기</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>사운드폰트</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>내장 신시사이저가 쓰는 사운드폰트; &quot;기타…&quot;로 파일 선택</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>옥타브</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>120개 건반을 따라 건반을 스크롤합니다</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>건반 크기</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>스트립과 피아노 창에서 건반의 너비</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>스트립의 검은 건반 영역</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>스트립에서 검은 건반의 터치 영역 너비</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>스트립을 따라 미끄러지는 손가락이 지나가는 검은 건반도 연주합니다</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>건반 앞쪽 가장자리에 가까울수록 세게, 뒤쪽으로 갈수록 여리게</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella는 GarageBand 등 다른 앱을 제어할 수 있습니다</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>건반</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>연주 중인 코드 이름 표시</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> 반음</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>건반 이름</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>조옮김</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>스케일</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>건반에 표시할 이름</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>연주하는 모든 음에 더하는 반음 수</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>스케일 으뜸음</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>건반에 표시되는 스케일의 으뜸음</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>스케일 밖의 건반을 어둡게 그립니다; 연주는 바뀌지 않습니다</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>피아노 창에 울리는 코드나 음정의 이름을 표시합니다</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>고대비 건반</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>표현</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>끔 또는 MPE: 음마다 고유한 MIDI 채널, 건반을 따라 밀면 음높이가 휩니다</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>윤곽이 뚜렷한 흰 건반과 검은 건반; 내 건반은 주황색, MIDI 입력의 음은 파란색으로 켜집니다</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>건반</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>악기를 프로그램과 뱅크로 보내기</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>피치 벤드 휠과 모듈레이션 휠 표시</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>컨트롤러 노브 표시</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>음, 페달, 휠, 노브가 나가고 내장 신시사이저가 연주하는 MIDI 채널 (MPE 꺼짐 시)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>&quot;터치 위치로 벨로시티 결정&quot;이 꺼져 있을 때 모든 음의 벨로시티, 그리고 컴퓨터 키보드 음에는 항상 사용</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>&quot;일반&quot; 탭에서 고른 악기를 MIDI 출력으로도 보냅니다: 고를 때, 시작할 때, 프로그램이 연결될 때 뱅크 셀렉트 후 프로그램 체인지</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>프로그램 앞에 보내는 뱅크 (컨트롤러 0과 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>피아노 창 왼쪽 끝의 피치 벤드 휠과 모듈레이션 휠, 마우스나 손가락으로 연주</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>피치 휠이 양 끝에서 휘는 정도 (RPN 0으로 전송)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> 반음</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>건반 위의 컨트롤러 노브 8개; 노브를 오른쪽 클릭해 컨트롤러 선택</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>벨로시티</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>뱅크</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>벤드 범위</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>스플릿 아래 건반이 연주하는 General MIDI 악기</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>스플릿</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>스플릿 악기</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>이 음보다 낮은 건반은 스플릿 악기를 연주합니다. MPE가 꺼져 있으면 사용자 채널 다음 채널에서, 켜져 있으면 아래 존에서 연주하고, 위쪽 건반은 위 존에서 연주합니다</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MpeGroup</name>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>느리게</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>빠르게</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>절대</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>상대</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>아래</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>위</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>멤버 채널의 피치 벤드 범위, 위아래 각각 반음 단위</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>멈춘 손가락의 음높이가 건반 가운데로 미끄러지는 빠르기</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>컨트롤러 74: 건반 위 손가락의 위치에서, 또는 손가락이 닿은 곳으로부터</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>존의 멤버 채널</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>음높이 반올림</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>팀버</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>존</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>벤드 범위</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>멤버</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>시스템 GM 폰트</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>기타…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>시스템 GM 폰트로 연주</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>사용 중인 폰트 유지</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>사운드폰트 선택</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>사운드폰트 (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>설정 페이지</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella by Quorvin</translation>
    </message>
</context>
</TS>
