<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>不是 PNG、JPEG、GIF 或 WebP 图片</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>超出图片允许的大小（32 MB，6400 万像素）</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>文件已损坏</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>无法显示图片“%s”：%s。练习将在没有图片的情况下继续。</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>%s 复习</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新词</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>第 %d 盒</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>已掌握（第 5 至 7 盒）</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>今天复习</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>明天复习</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>今天的回答</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>今天一次答对</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>还没有回答</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>最近 14 天的回答</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>其中一次答对</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>有 1 个来自其他电脑的文件无法读取：</translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>有 %d 个来自其他电脑的文件无法读取：%s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>记忆功能已关闭，因此没有可显示的学习进度。在右键菜单中打开“记住学习进度”(Ctrl+M)，此后的回答就会被保存。</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>每盒条目数</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>未来 14 天内需复习（今天含已逾期）</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>最近 14 天的回答</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>回答</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>一次答对</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>语言：%s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>图片：%d / %n 个词条</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>录音：%d / %n 个词条</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>记住学习进度</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>无法保存学习进度：%s。</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation>练习将在没有记忆的情况下继续。</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>无法将本机的学习进度写入学习进度文件夹“%s”(%s)。进度已保存在本机，稍后会再次写入。</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>自由练习：今天没有需要复习的内容了。</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>今天没有需要复习的内容了。</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform>明天有 %d 个单词需要复习。</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation>明天会有新单词。</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation>下一批在 %s 复习。</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>做得好！</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation>回答已保留，将在可以保存时立即保存。</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>无法忘记此列表的学习进度。</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>忘记学习进度</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>请先打开一个词典。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>学习进度</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>正在保存进度：另一个程序正在使用存储</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>朗读</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>无法播放录音“%s”：%s。将改为朗读该单词。</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>没有已安装的语音会说%s，因此无法朗读单词。使用“apt install speech-dispatcher-espeak-ng”可获得约一百种语言的语音。</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>桌面的语言</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>无法朗读单词：没有语音服务器响应。请安装 speech-dispatcher 及其语音：“apt install speech-dispatcher-espeak-ng”。</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>无法朗读单词：没有声音设备。请连接一个，或启动桌面的声音服务器（“apt install pulseaudio”）。</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>无法朗读单词：程序的语音模块未安装。请重新安装程序，并用“apt install speech-dispatcher-espeak-ng”安装语音。</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>按列表指定</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>其中没有可播放的声音</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>没有已安装的语音会说%s，Debian 提供的语音中也没有，因此无法朗读单词。可以用“spd-conf”为 speech-dispatcher 设置其他来源的语音。</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>释义的语言</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>单词的语言</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>反向出题：当前 %s(&amp;D)	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>无法朗读单词：语音服务器 speech-dispatcher 已安装，但无法启动。在终端中运行“spd-say hello”可查看原因。</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>无法朗读单词：没有声音设备。请连接一个，或启动桌面的声音服务器。</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>跟随桌面</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>已显示该语言，但无法保留到下次启动：无法写入设置文件。</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>界面语言</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>下一题</translation>
    </message>
    <message>
        <source>START</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>请点击“开始”按钮开始！！</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>请先打开一个词典。</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>由释义到单词：题目是释义，各行给出单词。</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>由单词到释义：题目是单词，各行给出释义。</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>单词列表 (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|词典文件 (*.dic)|*.dic|所有文件 (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>无法打开文件“%s”。</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>打开失败！</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>无法打开“%s”：%s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>词典太大。第 %d 个之后的单词将被忽略。</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>无法读取文件“%s”。</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>此词典包含 %d 个单词。</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>打开成功！</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>抱歉，此词典太小（%d），无法使用。</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>词典有错误。</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ 答对了！</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>答对了！</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>第%d题，对=%d，错=%d，得分=%5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>忘记学习进度</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>要忘记“%s”中每个单词已学到的内容吗？此操作无法撤销。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>输出单词列表 FILE 的学习进度后退出</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>本次运行将学习进度保存在 DIR 中</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>用法： %s [OPTION]... [FILE]
启动 %s，如果指定了 FILE 则打开它。如果 %s 已在运行，
则改为将其窗口置于最前并打开 FILE。

      --help      显示此帮助并退出
      --version   显示版本信息并退出
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  输出首次绘制的时间并退出

Qt 自身的选项，例如 -platform、-style、-display 和 -session，
与任何 Qt 程序一样被接受。
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s：选项“--%s”需要一个参数
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s：未知选项“%s”（请尝试“%s --help”）
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>打开(&amp;O)…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>下一题(&amp;N)	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>关于(&amp;A)	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>学习进度(&amp;P)…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>清除草稿区(&amp;W)	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>朗读(&amp;K)	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>每题自动朗读(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>单词的语言(&amp;L)…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>释义的语言(&amp;G)…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>反向出题(&amp;D)	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>复制答错的单词(&amp;C)	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>记住学习进度(&amp;R)	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>忘记此列表的学习进度(&amp;F)…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>学习进度文件夹(&amp;Y)…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>放大(&amp;I)	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>缩小(&amp;U)	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>原始大小(&amp;S)	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>退出(&amp;Q)	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>界面语言(&amp;T)…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>先思考(&amp;H)	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>显示选项前的停顿（%d 秒）(&amp;B)…</translation>
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
        <translation>第 1 行的释义属于该单词（按键 1）</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>选项 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>第 2 行的释义属于该单词（按键 2）</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>选项 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>第 3 行的释义属于该单词（按键 3）</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>选项 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>第 4 行的释义属于该单词（按键 4）</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>选项 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>第 5 行的释义属于该单词（按键 5）</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>选项 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>第 6 行的释义属于该单词（按键 6）</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>选项 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>打开词典 (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>打开词典</translation>
    </message>
    <message>
        <source>START</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>下一题（N 或 Enter）</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>开始或下一题</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>第 1 行</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>第 2 行</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>第 3 行</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>第 4 行</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>第 5 行</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>第 6 行</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>关于本程序 (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>清除草稿区 (Delete)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>清除草稿区</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>学习进度</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>每盒条目数</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>未来 14 天内需复习的条目</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>最近 14 天每天的回答</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>学习进度数字</translation>
    </message>
</context>
<context>
    <name>DialogWindow</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ListLibrary</name>
    <message>
        <source>the program&apos;s readers (zantoli-lists.so and zantoli-packages.so) cannot be loaded; reinstall the program</source>
        <translation>无法加载程序的读取模块（zantoli-lists.so 和 zantoli-packages.so）；请重新安装程序</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>内存不足，无法读取。</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>自载入列表以来没有答错的单词。</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>复制答错的单词</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>输入以搜索</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>记忆功能已关闭</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>无法打开文件“%s”。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>无法打开“%s”：%s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>无法读取文件“%s”。</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>简体中文</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>其集合已损坏；无法读取该牌组。</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>它由比本程序能读取的版本更新的 Anki 创建。请在 Anki 中勾选“支持旧版 Anki”后重新导出。</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>它是 zip 包，但不是 Anki 牌组：其中没有集合。</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>它不是 Anki 牌组：其集合中没有笔记。</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>无法读取其笔记类型；牌组已损坏。</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>其集合以本程序不认识的格式（版本 %1）保存。</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>其集合不是 Anki 数据库；牌组已损坏。</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>读取其集合耗时过长；牌组已损坏。</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>其集合已损坏（%1）。</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>牌组的媒体列表已损坏</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>其名称指向牌组之外</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>它已损坏</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>它超过 %1 MB</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>第 %1 行中以引号开头的字段没有结束；缺少结尾的 &quot;。</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>它只有一列。单词列表需要第一列是单词，第二列是释义。</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>它不是 KVTML 文件：KVTML 单词列表是 XML。</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>它过早结束；文件被截断或不完整。</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>其 XML 在第 %1 行出错（%2）。</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>它包含的标记远多于任何单词列表。</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>它是 XML 文件，但不是 KVTML 单词列表。</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>它以 KVTML %1 版保存；只能打开 KVTML 2.0。</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>其元素嵌套过深，不像单词列表。</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>它声明了自己的 XML 实体，单词列表不需要这些。</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>它不是电子表格：其中没有表格。</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>它不是包含单词列表的包。</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>其名称指向列表文件夹之外</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>列表旁边没有这样的文件</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>它不是列表文件夹中的文件</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>它不是声音文件（mp3、Ogg、WAV 或 FLAC）</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>它只有零字节，因此不是文本文件。</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>它不是 UTF-8 文本。请将其另存为 UTF-8 (Unicode) 文本后重新打开。</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>它不是有效的 UTF-16 文本。</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>它不是文件，而是设备。</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>它是文字处理文档：请另存为纯文本 (UTF-8)。</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>它是 Office 97-2003 文档，不是单词列表。</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>它是 zip 归档，不是单词列表。</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>它是 PDF 文档，不是单词列表。</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>它是 PNG 图像，不是单词列表。</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>它是 JPEG 图像，不是单词列表。</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>它是 GIF 图像，不是单词列表。</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>它是 WebP 图像，不是单词列表。</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>它是程序，不是单词列表。</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>它是 SQLite 数据库，不是单词列表。</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>它是 gzip 压缩文件，不是单词列表。</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>它是 bzip2 压缩文件，不是单词列表。</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>它是 xz 压缩文件，不是单词列表。</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>它是 zstd 压缩文件，不是单词列表。</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>它是 7z 归档，不是单词列表。</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>它是 RAR 归档，不是单词列表。</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>它超过 %1 MB，对单词列表来说太大了。</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>它不含单词。每个条目都需要一个单词及其释义。</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>其工作簿中没有可读取的工作表。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>其部件“%1”包含的标记远多于任何单词列表。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>其部件“%1”不是格式正确的 XML（%2）。</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>它受密码保护。请不加密码另存后重新打开。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>其部件“%1”已损坏，无法解压（%2）。</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>它不是 zip 包，而牌组和电子表格都是。</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>它被截断或已损坏：无法读取其 zip 目录。</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>它不是 zip 包。</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>无法作为 zip 包打开。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>其部件“%1”指向包外的位置。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>缺少其部件“%1”。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>其部件“%1”已加密。请不加密码另存后重新打开。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>其部件“%1”的压缩方式本程序无法解压。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>其部件“%1”比包中声明的大；文件已损坏。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>其部件“%1”解压后将超过 %2 MB，对单词列表来说太大了。</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>其部件“%1”解压后将超过压缩大小的 %2 倍，只有 zip 炸弹才会这样。</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>它不是 UTF-8 文本，程序也无法判断其编码。请将其另存为 UTF-8 (Unicode) 文本后重新打开。</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>内存不足，无法读取。</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>读取失败（%1）。</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>牌组中没有该名称的文件</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>此类列表不包含媒体文件</translation>
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
        <translation>无法将学习进度保存到“%1”（%2）。</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>学习进度文件已损坏。已将其保留为“%1”，并新建了一个。</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>无法先读取那里的文件：进度存储正忙</translation>
    </message>
</context>
</TS>
