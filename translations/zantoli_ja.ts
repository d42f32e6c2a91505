<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>PNG、JPEG、GIF、WebP のいずれの画像でもありません</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>画像の上限 (32 MB、6400 万画素) を超えています</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>破損しています</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>画像「%s」を表示できません: %s。画像なしで続けます。</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>%s に復習</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>箱 %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>習得済み（箱 5〜7）</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>今日の復習</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>明日の復習</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>今日の回答数</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>今日の一回目での正解</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>まだ回答なし</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>過去 14 日間の回答数</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>そのうち一回目で正解</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>他のマシンのファイル 1 件を読み込めませんでした: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>他のマシンのファイル %d 件を読み込めませんでした: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>記憶がオフのため、表示する学習状況はありません。コンテキストメニューで「学習状況を記憶」(Ctrl+M) をオンにすると、それ以降の回答が保存されます。</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>箱ごとの項目数</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>今後 14 日間の復習（今日の分は期限切れを含む）</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>過去 14 日間の回答</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>回答</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>一回目で正解</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>言語: %s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>画像: %d / %n 項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>録音: %d / %n 項目</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>学習状況を記憶</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>学習状況を保存できません: %s。</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation>記憶なしで練習を続けます。</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>このマシンの学習状況を学習状況フォルダー「%s」に書き込めません (%s)。ここに保存しておき、後でもう一度書き込みます。</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>自由練習: 今日の復習はもうありません。</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>今日の復習はもうありません。</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform>明日は %d 語を復習します。</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation>明日は新しい単語が出ます。</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation>次の復習は %s です。</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>よくできました！</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation>回答は保存され、可能になり次第書き込まれます。</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>このリストの学習状況を消去できませんでした。</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>学習状況を消去</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>先に辞書を開いてください。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>学習状況</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>進捗を保存中：別のプログラムが使用中です</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>読み上げ</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>録音「%s」を再生できません: %s。代わりに単語を読み上げます。</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>%s を話す音声がインストールされていないため、単語を読み上げられません。約 100 言語の音声は「apt install speech-dispatcher-espeak-ng」で入手できます。</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>デスクトップの言語</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>単語を読み上げられません: 音声サーバーが応答しません。speech-dispatcher と音声をインストールしてください:「apt install speech-dispatcher-espeak-ng」。</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>単語を読み上げられません: サウンドデバイスがありません。接続するか、デスクトップのサウンドサーバーを起動してください（「apt install pulseaudio」）。</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>単語を読み上げられません: プログラムの音声モジュールがインストールされていません。プログラムを再インストールし、音声は「apt install speech-dispatcher-espeak-ng」でインストールしてください。</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>リストの指定どおり</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>再生できる音声が含まれていません</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>空です</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>%s を話す音声はインストールされておらず、Debian が提供する音声にもないため、単語を読み上げられません。他の提供元の音声は「spd-conf」で speech-dispatcher に設定できます。</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>意味の言語</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>単語の言語</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>逆方向に出題: 現在 %s(&amp;D)	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>単語を読み上げられません: 音声サーバー speech-dispatcher はインストールされていますが起動しません。端末で「spd-say hello」を実行すると理由がわかります。</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>単語を読み上げられません: サウンドデバイスがありません。接続するか、デスクトップのサウンドサーバーを起動してください。</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>デスクトップに合わせる</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>言語は表示されていますが、次回の起動には引き継げません: 設定ファイルに書き込めません。</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>表示言語</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>START</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>「開始」ボタンを押して始めてください！！</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>先に辞書を開いてください。</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>意味から単語へ: 問題は意味で、各行に単語が並びます。</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>単語から意味へ: 問題は単語で、各行に意味が並びます。</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>単語リスト (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|辞書ファイル (*.dic)|*.dic|すべてのファイル (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>ファイル「%s」を開けません。</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>開けませんでした！</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>「%s」を開けません: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>辞書が大きすぎます。%d 語目より後の単語は無視されます。</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>ファイル「%s」を読み込めません。</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>この辞書には %d 語が収録されています。</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>開きました！</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>申し訳ありません。この辞書は小さすぎて (%d) 使えません。</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>辞書にエラーがあります。</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ 正解！</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>正解！</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>第%d問 正=%d 誤=%d 得点=%5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>学習状況を消去</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>「%s」のすべての単語について学習した内容を消去しますか？ 元に戻せません。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>単語リスト FILE の学習状況を表示して終了する</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>今回の実行では学習状況を DIR に保存する</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>使い方: %s [OPTION]... [FILE]
%s を起動し、FILE が指定されていれば開きます。%s が既に実行中の場合は、
代わりにそのウィンドウが前面に出て FILE を開きます。

      --help      このヘルプを表示して終了する
      --version   バージョン情報を表示して終了する
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  最初の描画の時刻を表示して終了する

-platform、-style、-display、-session など Qt 自身のオプションは、
ほかの Qt プログラムと同じように受け付けます。
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s: オプション &apos;--%s&apos; には引数が必要です
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s: 不明なオプション &apos;%s&apos; です (&apos;%s --help&apos; を試してください)
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>開く(&amp;O)…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>次の問題(&amp;N)	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>このプログラムについて(&amp;A)	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>学習状況(&amp;P)…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>メモ欄を消去(&amp;W)	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>読み上げ(&amp;K)	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>毎回問題を読み上げる(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>単語の言語(&amp;L)…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>意味の言語(&amp;G)…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>逆方向に出題(&amp;D)	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>間違えた単語をコピー(&amp;C)	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>学習状況を記憶(&amp;R)	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>このリストの学習状況を消去(&amp;F)…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>学習状況のフォルダー(&amp;Y)…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>拡大(&amp;I)	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>縮小(&amp;U)	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>元のサイズ(&amp;S)	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>終了(&amp;Q)	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>表示言語(&amp;T)…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>先に考える(&amp;H)	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>選択肢までの待ち時間 (%d 秒)(&amp;B)…</translation>
    </message>
    <message>
        <source>%d s</source>
        <translation>%d 秒</translation>
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
        <translation>1 行目の意味がこの単語のものです（キー 1）</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>選択肢 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>2 行目の意味がこの単語のものです（キー 2）</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>選択肢 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>3 行目の意味がこの単語のものです（キー 3）</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>選択肢 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>4 行目の意味がこの単語のものです（キー 4）</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>選択肢 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>5 行目の意味がこの単語のものです（キー 5）</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>選択肢 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>6 行目の意味がこの単語のものです（キー 6）</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>選択肢 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>辞書を開く (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>辞書を開く</translation>
    </message>
    <message>
        <source>START</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>次の問題 (N または Enter)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>開始または次の問題</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>1 行目</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>2 行目</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>3 行目</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>4 行目</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>5 行目</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>6 行目</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>このプログラムについて (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>このプログラムについて</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>メモ欄を消去 (Delete)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>メモ欄を消去</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>学習状況</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>箱ごとの項目数</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>今後 14 日間に復習する項目</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>過去 14 日間の日ごとの回答</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>数字で見る学習状況</translation>
    </message>
</context>
<context>
    <name>DialogWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ListLibrary</name>
    <message>
        <source>the program&apos;s readers (zantoli-lists.so and zantoli-packages.so) cannot be loaded; reinstall the program</source>
        <translation>プログラムの読み込みモジュール (zantoli-lists.so と zantoli-packages.so) を読み込めません。プログラムを再インストールしてください</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>読み込むためのメモリーが足りません。</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>リストを読み込んでから間違えた単語はありません。</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>間違えた単語をコピー</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>入力して検索</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>記憶はオフです</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>ファイル「%s」を開けません。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>「%s」を開けません: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>ファイル「%s」を読み込めません。</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>日本語</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>コレクションが壊れているため、デッキを読み込めません。</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>このプログラムが読めるより新しいバージョンの Anki で作成されています。Anki で「古い Anki バージョンをサポート」にチェックを入れて書き出し直してください。</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>zip パッケージですが Anki デッキではありません: コレクションが含まれていません。</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>Anki デッキではありません: コレクションにノートがありません。</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>ノートタイプを読み込めません。デッキが壊れています。</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>コレクションがこのプログラムの知らない形式（バージョン %1）で保存されています。</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>コレクションが Anki のデータベースではありません。デッキが壊れています。</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>コレクションの読み込みに時間がかかりすぎます。デッキが壊れています。</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>コレクションが壊れています (%1)。</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>デッキのメディア一覧が壊れています</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>名前がデッキの外を指しています</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>壊れています</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>%1 MB を超えています</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>%1 行目で引用符から始まるフィールドが終わっていません。閉じる &quot; がありません。</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>列が 1 つしかありません。単語リストには 1 列目に単語、2 列目に意味が必要です。</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>KVTML ファイルではありません: KVTML の単語リストは XML です。</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>途中で終わっています。ファイルが切れているか不完全です。</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>XML が %1 行目で壊れています (%2)。</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>どんな単語リストよりもはるかに多くのマークアップを含んでいます。</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>XML ファイルですが、KVTML の単語リストではありません。</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>KVTML バージョン %1 で保存されています。開けるのは KVTML 2.0 だけです。</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>要素の入れ子が単語リストとしては深すぎます。</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>独自の XML エンティティを宣言していますが、単語リストには不要です。</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>スプレッドシートではありません: 表が含まれていません。</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>単語リストを含むパッケージではありません。</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>名前がリストのフォルダーの外を指しています</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>リストの隣にそのようなファイルはありません</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>リストのフォルダー内のファイルではありません</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>音声ファイル (mp3、Ogg、WAV、FLAC) ではありません</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>0 バイトなので、テキストファイルではありません。</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>UTF-8 テキストではありません。UTF-8 (Unicode) テキストとして保存して開き直してください。</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>正しい UTF-16 テキストではありません。</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>ファイルではなくデバイスです。</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>ワープロ文書です: プレーンテキスト (UTF-8) として保存してください。</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>Office 97-2003 文書で、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>zip アーカイブで、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>PDF 文書で、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>PNG 画像で、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>JPEG 画像で、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>GIF 画像で、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>WebP 画像で、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>プログラムで、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>SQLite データベースで、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>gzip 圧縮ファイルで、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>bzip2 圧縮ファイルで、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>xz 圧縮ファイルで、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>zstd 圧縮ファイルで、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>7z アーカイブで、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>RAR アーカイブで、単語リストではありません。</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>%1 MB を超えており、単語リストとしては大きすぎます。</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>単語がありません。各項目には単語とその意味が必要です。</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>ブックに読み込めるワークシートがありません。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>パート「%1」がどんな単語リストよりもはるかに多くのマークアップを含んでいます。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>パート「%1」が整形式の XML ではありません (%2)。</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>パスワードで保護されています。パスワードなしで保存して開き直してください。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>パート「%1」が壊れていて展開できません (%2)。</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>デッキやスプレッドシートのような zip パッケージではありません。</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>切れているか壊れています: zip のディレクトリを読み込めません。</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>zip パッケージではありません。</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>zip パッケージとして開けません。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>パート「%1」がパッケージの外の場所を指しています。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>パート「%1」がありません。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>パート「%1」が暗号化されています。パスワードなしで保存して開き直してください。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>パート「%1」はこのプログラムが展開できない方式で圧縮されています。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>パート「%1」がパッケージの記載より大きく、ファイルが壊れています。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>パート「%1」は展開すると %2 MB を超え、単語リストとしては大きすぎます。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>パート「%1」は展開すると圧縮時の %2 倍を超えます。これは zip 爆弾の特徴です。</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>UTF-8 テキストではなく、どのエンコーディングかも判別できません。UTF-8 (Unicode) テキストとして保存して開き直してください。</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>読み込むためのメモリーが足りません。</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>読み込みに失敗しました (%1)。</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>デッキにその名前のファイルはありません</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>この種類のリストにはメディアがありません</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>dddd, d MMMM</source>
        <comment>A day as Qt&apos;s QDate::toString formats it: Friday, 11 December</comment>
        <translation>M月d日 dddd</translation>
    </message>
    <message>
        <source>Progress cannot be saved in &quot;%1&quot; (%2).</source>
        <translation>学習状況を「%1」に保存できません (%2)。</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>学習状況ファイルが壊れていました。「%1」として保管し、新しいファイルを作成しました。</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>そこにあるファイルを先に読み込めませんでした: 進捗ファイルが使用中です</translation>
    </message>
</context>
</TS>
