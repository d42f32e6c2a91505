<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>ZANTOLI 1.7 for CE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meaning on line 1 belongs to the word (key 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogWindow</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListLibrary</name>
    <message>
        <source>the program&apos;s readers (zantoli-lists.so and zantoli-packages.so) cannot be loaded; reinstall the program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>dddd, d MMMM</source>
        <comment>A day as Qt&apos;s QDate::toString formats it: Friday, 11 December</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress cannot be saved in &quot;%1&quot; (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
