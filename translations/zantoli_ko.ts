<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>PNG, JPEG, GIF, WebP 그림이 아닙니다</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>그림의 허용 크기(32MB, 6400만 화소)보다 큽니다</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>손상되었습니다</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>그림 &apos;%s&apos;을(를) 표시할 수 없습니다: %s. 그림 없이 계속합니다.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>그림</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>%s 복습</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새 항목</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>상자 %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>익힌 항목(상자 5~7)</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>오늘 복습</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>내일 복습</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>오늘 답한 수</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>오늘 한 번에 맞힘</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>아직 답이 없음</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>최근 14일 동안 답한 수</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>그중 한 번에 맞힘</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>다른 컴퓨터의 파일 1개를 읽을 수 없습니다: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>다른 컴퓨터의 파일 %d개를 읽을 수 없습니다: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>기억 기능이 꺼져 있어 보여 줄 학습 현황이 없습니다. 오른쪽 단추 메뉴에서 &apos;학습 현황 기억&apos;(Ctrl+M)을 켜면 그때부터 답이 저장됩니다.</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>상자별 항목 수</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>앞으로 14일 동안 복습할 항목(오늘은 밀린 항목 포함)</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>최근 14일 동안의 답</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>답한 수</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>한 번에 맞힘</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>언어: %s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>그림: %d / %n개 항목</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>녹음: %d / %n개 항목</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>학습 현황 기억</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>학습 현황을 보관할 수 없습니다: %s.</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation> 기억 없이 연습을 계속합니다.</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>이 컴퓨터의 학습 현황을 학습 현황 폴더 &apos;%s&apos;에 쓸 수 없습니다(%s). 여기에 보관했다가 나중에 다시 씁니다.</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>자유 연습: 오늘은 더 복습할 것이 없습니다.</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>오늘은 더 복습할 것이 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform> 내일 복습할 단어는 %d개입니다.</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation> 내일 새 단어가 나옵니다.</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation> 다음 복습은 %s입니다.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>잘했습니다!</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation> 답은 보관되어 있으며 가능해지는 대로 저장됩니다.</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>이 목록의 학습 현황을 지울 수 없습니다.</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>학습 현황 지우기</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>먼저 사전을 여십시오.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>학습 현황</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>진행 상황 저장 중: 다른 프로그램이 사용 중</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>읽어 주기</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>녹음 &apos;%s&apos;을(를) 재생할 수 없습니다: %s. 대신 단어를 읽어 줍니다.</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>설치된 음성 중 %s을(를) 말하는 것이 없어 단어를 읽어 줄 수 없습니다. 약 100개 언어의 음성은 &apos;apt install speech-dispatcher-espeak-ng&apos;로 설치할 수 있습니다.</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>데스크톱 언어</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>단어를 읽어 줄 수 없습니다: 응답하는 음성 서버가 없습니다. speech-dispatcher와 음성을 설치하십시오: &apos;apt install speech-dispatcher-espeak-ng&apos;.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>단어를 읽어 줄 수 없습니다: 소리 장치가 없습니다. 장치를 연결하거나 데스크톱의 소리 서버를 시작하십시오(&apos;apt install pulseaudio&apos;).</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>단어를 읽어 줄 수 없습니다: 프로그램의 음성 모듈이 설치되어 있지 않습니다. 프로그램을 다시 설치하고, 음성은 &apos;apt install speech-dispatcher-espeak-ng&apos;로 설치하십시오.</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>목록에 적힌 대로</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>재생할 수 있는 소리가 없습니다</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>비어 있습니다</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>설치된 음성 중 %s을(를) 말하는 것이 없고 Debian이 제공하는 음성에도 없어 단어를 읽어 줄 수 없습니다. 다른 제공자의 음성은 &apos;spd-conf&apos;로 speech-dispatcher에 설정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>뜻의 언어</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>단어의 언어</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>반대로 묻기: 현재 %s(&amp;D)	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>단어를 읽어 줄 수 없습니다: 음성 서버 speech-dispatcher가 설치되어 있지만 시작되지 않습니다. 터미널에서 &apos;spd-say hello&apos;를 실행하면 이유를 알 수 있습니다.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>단어를 읽어 줄 수 없습니다: 소리 장치가 없습니다. 장치를 연결하거나 데스크톱의 소리 서버를 시작하십시오.</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>데스크톱에 맞춤</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>언어는 바뀌었지만 다음 실행 때까지 유지할 수 없습니다: 설정 파일에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>인터페이스 언어</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>START</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>&apos;시작&apos; 단추를 눌러 시작하십시오!!</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>먼저 사전을 여십시오.</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>뜻에서 단어로: 문제는 뜻이고, 각 줄에 단어가 나옵니다.</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>단어에서 뜻으로: 문제는 단어이고, 각 줄에 뜻이 나옵니다.</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>단어 목록 (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|사전 파일 (*.dic)|*.dic|모든 파일 (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>&apos;%s&apos; 파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>열지 못했습니다!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>&apos;%s&apos;을(를) 열 수 없습니다: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>사전이 너무 큽니다. %d번째 이후의 단어는 무시됩니다.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>경고!</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>&apos;%s&apos; 파일을 읽을 수 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>이 사전에는 단어 %d개가 들어 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>열었습니다!</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>죄송합니다. 이 사전은 너무 작아서(%d) 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>사전에 오류가 있습니다.</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ 정답!</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>정답!</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>%d번, 맞음=%d, 틀림=%d, 점수=%5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>학습 현황 지우기</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>&apos;%s&apos;의 모든 단어에 대해 익힌 내용을 지우시겠습니까? 되돌릴 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>단어 목록 FILE의 학습 현황을 출력하고 끝내기</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>이번 실행 동안 학습 현황을 DIR에 보관하기</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>사용법: %s [OPTION]... [FILE]
%s을(를) 시작하고, FILE을 지정하면 엽니다. %s이(가) 이미 실행 중이면
대신 그 창이 앞으로 나와 FILE을 엽니다.

      --help      이 도움말을 보여 주고 끝내기
      --version   버전 정보를 보여 주고 끝내기
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  처음 그린 시각을 출력하고 끝내기

-platform, -style, -display, -session 같은 Qt 자체 옵션은
다른 Qt 프로그램과 똑같이 받아들입니다.
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s: &apos;--%s&apos; 옵션에는 인자가 필요합니다
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s: 알 수 없는 옵션 &apos;%s&apos; (&apos;%s --help&apos;를 시도해 보십시오)
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>열기(&amp;O)…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>다음 문제(&amp;N)	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>프로그램 정보(&amp;A)	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>학습 현황(&amp;P)…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>메모란 지우기(&amp;W)	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>읽어 주기(&amp;K)	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>문제마다 읽어 주기(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>단어의 언어(&amp;L)…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>뜻의 언어(&amp;G)…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>반대로 묻기(&amp;D)	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>틀린 단어 복사(&amp;C)	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>학습 현황 기억(&amp;R)	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>이 목록의 학습 현황 지우기(&amp;F)…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>학습 현황 폴더(&amp;Y)…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>확대(&amp;I)	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>축소(&amp;U)	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>원래 크기(&amp;S)	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>끝내기(&amp;Q)	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>인터페이스 언어(&amp;T)…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>먼저 생각하기(&amp;H)	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>선택지 전 대기 시간(%d초)(&amp;B)…</translation>
    </message>
    <message>
        <source>%d s</source>
        <translation>%d초</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>ZANTOLI 1.7 for CE</source>
        <translation>ZANTOLI 1.7 for CE</translation>
    </message>
    <message>
        <source>The meaning on line 1 belongs to the word (key 1)</source>
        <translation>1번 줄의 뜻이 이 단어의 뜻입니다(키 1)</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>선택 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>2번 줄의 뜻이 이 단어의 뜻입니다(키 2)</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>선택 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>3번 줄의 뜻이 이 단어의 뜻입니다(키 3)</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>선택 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>4번 줄의 뜻이 이 단어의 뜻입니다(키 4)</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>선택 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>5번 줄의 뜻이 이 단어의 뜻입니다(키 5)</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>선택 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>6번 줄의 뜻이 이 단어의 뜻입니다(키 6)</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>선택 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>사전 열기(Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>사전 열기</translation>
    </message>
    <message>
        <source>START</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>다음 문제(N 또는 Enter)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>시작 또는 다음 문제</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>문제</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>1번 줄</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>2번 줄</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>3번 줄</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>4번 줄</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>5번 줄</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>6번 줄</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>이 프로그램 정보(F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>메모란 지우기(Delete)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>메모란 지우기</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>학습 현황</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>상자별 항목 수</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>앞으로 14일 동안 복습할 항목</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>최근 14일 동안 날마다의 답</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>숫자로 보는 학습 현황</translation>
    </message>
</context>
<context>
    <name>DialogWindow</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>ListLibrary</name>
    <message>
        <source>the program&apos;s readers (zantoli-lists.so and zantoli-packages.so) cannot be loaded; reinstall the program</source>
        <translation>프로그램의 읽기 모듈(zantoli-lists.so와 zantoli-packages.so)을 불러올 수 없습니다. 프로그램을 다시 설치하십시오</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>읽을 메모리가 부족합니다.</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>목록을 불러온 뒤로 틀린 단어가 없습니다.</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>틀린 단어 복사</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>입력하여 검색</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>기억 기능 꺼짐</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>&apos;%s&apos; 파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>&apos;%s&apos;을(를) 열 수 없습니다: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>&apos;%s&apos; 파일을 읽을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>한국어</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>모음집이 손상되어 덱을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>이 프로그램이 읽을 수 있는 것보다 새로운 Anki 버전으로 만들었습니다. Anki에서 &apos;이전 Anki 버전 지원&apos;을 선택하고 다시 내보내십시오.</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>zip 패키지이지만 Anki 덱이 아닙니다: 모음집이 없습니다.</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>Anki 덱이 아닙니다: 모음집에 노트가 없습니다.</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>노트 유형을 읽을 수 없습니다. 덱이 손상되었습니다.</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>모음집이 이 프로그램이 모르는 형식(버전 %1)으로 저장되어 있습니다.</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>모음집이 Anki 데이터베이스가 아닙니다. 덱이 손상되었습니다.</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>모음집을 읽는 데 너무 오래 걸립니다. 덱이 손상되었습니다.</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>모음집이 손상되었습니다(%1).</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>덱의 미디어 목록이 손상되었습니다</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>이름이 덱 바깥을 가리킵니다</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>손상되었습니다</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>%1MB를 넘습니다</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>%1번 줄에서 따옴표로 시작한 필드가 끝나지 않습니다. 닫는 &quot;가 없습니다.</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>열이 하나뿐입니다. 단어 목록에는 첫째 열에 단어, 둘째 열에 뜻이 있어야 합니다.</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>KVTML 파일이 아닙니다: KVTML 단어 목록은 XML입니다.</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>너무 일찍 끝납니다. 파일이 잘렸거나 불완전합니다.</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>XML이 %1번 줄에서 깨졌습니다(%2).</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>어떤 단어 목록보다도 훨씬 많은 마크업이 들어 있습니다.</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>XML 파일이지만 KVTML 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>KVTML 버전 %1로 저장되어 있습니다. KVTML 2.0만 열 수 있습니다.</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>요소가 단어 목록치고 너무 깊게 중첩되어 있습니다.</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>자체 XML 엔터티를 선언하지만 단어 목록에는 필요 없습니다.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>스프레드시트가 아닙니다: 표가 없습니다.</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>단어 목록이 든 패키지가 아닙니다.</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>이름이 목록 폴더 바깥을 가리킵니다</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>목록 옆에 그런 파일이 없습니다</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>목록 폴더에 있는 파일이 아닙니다</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>소리 파일(mp3, Ogg, WAV, FLAC)이 아닙니다</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>0바이트이므로 텍스트 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>UTF-8 텍스트가 아닙니다. UTF-8(유니코드) 텍스트로 저장한 뒤 다시 여십시오.</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>올바른 UTF-16 텍스트가 아닙니다.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>파일이 비어 있습니다.</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>파일이 아니라 장치입니다.</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>워드프로세서 문서입니다: 일반 텍스트(UTF-8)로 저장하십시오.</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>Office 97-2003 문서이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>zip 압축 파일이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>PDF 문서이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>PNG 그림이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>JPEG 그림이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>GIF 그림이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>WebP 그림이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>프로그램이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>SQLite 데이터베이스이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>gzip으로 압축한 파일이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>bzip2로 압축한 파일이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>xz로 압축한 파일이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>zstd로 압축한 파일이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>7z 압축 파일이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>RAR 압축 파일이며 단어 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>%1MB를 넘어 단어 목록으로는 너무 큽니다.</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>단어가 없습니다. 각 항목에는 단어와 그 뜻이 있어야 합니다.</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>통합 문서에 읽을 수 있는 워크시트가 없습니다.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>&apos;%1&apos; 부분에 어떤 단어 목록보다도 훨씬 많은 마크업이 들어 있습니다.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>&apos;%1&apos; 부분이 올바른 XML이 아닙니다(%2).</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>암호로 보호되어 있습니다. 암호 없이 저장한 뒤 다시 여십시오.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>&apos;%1&apos; 부분이 손상되어 풀 수 없습니다(%2).</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>덱이나 스프레드시트 같은 zip 패키지가 아닙니다.</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>잘렸거나 손상되었습니다: zip 목록을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>zip 패키지가 아닙니다.</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>zip 패키지로 열 수 없습니다.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>&apos;%1&apos; 부분이 패키지 바깥의 위치를 가리킵니다.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>&apos;%1&apos; 부분이 없습니다.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>&apos;%1&apos; 부분이 암호화되어 있습니다. 암호 없이 저장한 뒤 다시 여십시오.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>&apos;%1&apos; 부분이 이 프로그램이 풀 수 없는 방식으로 압축되어 있습니다.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>&apos;%1&apos; 부분이 패키지에 적힌 것보다 큽니다. 파일이 손상되었습니다.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>&apos;%1&apos; 부분을 풀면 %2MB를 넘어 단어 목록으로는 너무 큽니다.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>&apos;%1&apos; 부분을 풀면 압축된 크기의 %2배를 넘습니다. zip 폭탄만 그렇게 합니다.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>UTF-8 텍스트가 아니며, 어떤 인코딩인지도 알 수 없습니다. UTF-8(유니코드) 텍스트로 저장한 뒤 다시 여십시오.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>읽을 메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>읽지 못했습니다(%1).</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>덱에 그 이름의 파일이 없습니다</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>이 종류의 목록에는 미디어가 없습니다</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>dddd, d MMMM</source>
        <comment>A day as Qt&apos;s QDate::toString formats it: Friday, 11 December</comment>
        <translation>M월 d일 dddd</translation>
    </message>
    <message>
        <source>Progress cannot be saved in &quot;%1&quot; (%2).</source>
        <translation>학습 현황을 &apos;%1&apos;에 저장할 수 없습니다(%2).</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>폴더를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>학습 현황 파일이 손상되어 있었습니다. &apos;%1&apos;(으)로 보관하고 새 파일을 시작했습니다.</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>그곳의 파일을 먼저 읽을 수 없습니다: 진행 상황 파일이 사용 중입니다</translation>
    </message>
</context>
</TS>
