<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>es ist kein PNG-, JPEG-, GIF- oder WebP-Bild</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>es ist größer, als ein Bild sein darf (32 MB, 64 Megapixel)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>es ist beschädigt</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>Das Bild „%s“ kann nicht angezeigt werden: %s. Die Abfrage geht ohne Bild weiter.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>Fällig %s</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>Fach %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>Gekonnt (Fächer 5 bis 7)</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Heute fällig</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>Morgen fällig</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>Antworten heute</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>Heute beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>noch keine Antworten</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>Antworten in den letzten 14 Tagen</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>Davon beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>1 Datei von einem anderen Rechner konnte nicht gelesen werden: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>%d Datei von anderen Rechnern konnte nicht gelesen werden: %s</numerusform>
            <numerusform>%d Dateien von anderen Rechnern konnten nicht gelesen werden: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>Das Gedächtnis ist aus, daher gibt es keinen Fortschritt zu zeigen. Schalten Sie im Kontextmenü „Fortschritt merken“ (Strg+M) ein, dann werden die Antworten ab dann aufbewahrt.</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Einträge je Fach</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>Fällig in den nächsten 14 Tagen (heute mit den überfälligen)</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>Antworten an den letzten 14 Tagen</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>Sprachen: %s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>Bilder: %d von %n Eintrag</numerusform>
            <numerusform>Bilder: %d von %n Einträgen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>Aufnahmen: %d von %n Eintrag</numerusform>
            <numerusform>Aufnahmen: %d von %n Einträgen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>Fortschritt merken</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>Der Fortschritt kann nicht aufbewahrt werden: %s.</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation> Die Übung geht ohne ihn weiter.</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>Der Fortschritt dieses Rechners kann nicht in den Fortschrittsordner „%s“ geschrieben werden (%s). Er bleibt hier erhalten und wird später erneut dorthin geschrieben.</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>Freies Üben: heute ist nichts mehr fällig.</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>Heute ist nichts mehr fällig.</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform> Morgen ist %d Wort fällig.</numerusform>
            <numerusform> Morgen sind %d Wörter fällig.</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation> Morgen kommen neue Wörter.</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation> Die nächsten sind am %s fällig.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation> Die Antworten bleiben erhalten und werden gespeichert, sobald es möglich ist.</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>Der Fortschritt dieser Liste konnte nicht vergessen werden.</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Fortschritt vergessen</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Öffnen Sie zuerst ein Wörterbuch.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>Speichern: ein anderes Programm nutzt die Datei</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>Sprechen</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>Die Aufnahme „%s“ kann nicht abgespielt werden: %s. Das Wort wird stattdessen gesprochen.</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Keine installierte Stimme spricht %s, daher können die Wörter nicht gesprochen werden. Stimmen für etwa hundert Sprachen bringt „apt install speech-dispatcher-espeak-ng“.</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>die Sprache der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Die Wörter können nicht gesprochen werden: Kein Sprachserver antwortet. Installieren Sie speech-dispatcher mit seinen Stimmen: „apt install speech-dispatcher-espeak-ng“.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>Die Wörter können nicht gesprochen werden: Es gibt kein Audiogerät. Schließen Sie eines an oder starten Sie den Soundserver der Arbeitsumgebung („apt install pulseaudio“).</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Die Wörter können nicht gesprochen werden: Das Sprachmodul des Programms ist nicht installiert. Installieren Sie das Programm erneut und die Stimmen mit „apt install speech-dispatcher-espeak-ng“.</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>Wie in der Liste angegeben</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>sie enthält keinen abspielbaren Ton</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>Keine installierte Stimme spricht %s, und auch keine der Stimmen, die Debian anbietet, daher können die Wörter nicht gesprochen werden. Eine Stimme eines anderen Anbieters lässt sich mit „spd-conf“ für speech-dispatcher einrichten.</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Sprache der Bedeutungen</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Sprache der Wörter</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>&amp;Umgekehrt abfragen: jetzt %s	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>Die Wörter können nicht gesprochen werden: Der Sprachserver speech-dispatcher ist installiert, startet aber nicht. „spd-say hello“ in einem Terminal zeigt, warum.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>Die Wörter können nicht gesprochen werden: Es gibt kein Audiogerät. Schließen Sie eines an oder starten Sie den Soundserver der Arbeitsumgebung.</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>Wie die Arbeitsumgebung</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>Die Sprache wird angezeigt, kann aber nicht für den nächsten Start behalten werden: Die Einstellungsdatei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>Klicken Sie auf „START“, um zu beginnen!!</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Öffnen Sie zuerst ein Wörterbuch.</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>Bedeutung zu Wort: Die Frage ist eine Bedeutung, die Zeilen bieten Wörter an.</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>Wort zu Bedeutung: Die Frage ist ein Wort, die Zeilen bieten Bedeutungen an.</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>Wortlisten (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Wörterbuchdateien (*.dic)|*.dic|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Die Datei „%s“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>Öffnen fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>„%s“ kann nicht geöffnet werden: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>Wörterbuch zu groß. Wörter nach dem %d. werden übergangen.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Die Datei „%s“ kann nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>Dieses Wörterbuch enthält %d Wort.</numerusform>
            <numerusform>Dieses Wörterbuch enthält %d Wörter.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>Öffnen erfolgreich!</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>Leider ist dieses Wörterbuch zu klein (%d) zum Üben.</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>Fehler im Wörterbuch.</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ RICHTIG!</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>Nr.%d, R=%d, F=%d, Quote=%L5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Fortschritt vergessen</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>Vergessen, was von jedem Wort in „%s“ gelernt wurde? Das kann nicht rückgängig gemacht werden.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>den Fortschritt mit der Wortliste FILE ausgeben und beenden</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>den Fortschritt für diesen Lauf in DIR aufbewahren</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>Aufruf: %s [OPTION]... [FILE]
Startet %s und öffnet FILE, falls angegeben. Läuft %s bereits, kommt
dessen Fenster stattdessen nach vorn und öffnet FILE.

      --help      diese Hilfe anzeigen und beenden
      --version   Versionsinformation ausgeben und beenden
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  die Zeit des ersten Zeichnens ausgeben und beenden

Qts eigene Optionen wie -platform, -style, -display und -session
werden wie von jedem Qt-Programm angenommen.
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s: Option „--%s“ braucht ein Argument
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s: unbekannte Option „%s“ (versuchen Sie „%s --help“)
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>&amp;Öffnen…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>&amp;Nächste Frage	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>Üb&amp;er	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>&amp;Fortschritt…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>Notizfeld &amp;leeren	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>&amp;Sprechen	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>&amp;Jede Frage sprechen</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>Sprache der &amp;Wörter…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>Sprache der Bedeu&amp;tungen…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>&amp;Umgekehrt abfragen	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>&amp;Verfehlte Wörter kopieren	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>Fortschritt &amp;merken	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>Fortschritt dieser Liste ver&amp;gessen…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>&amp;Ordner für den Fortschritt…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>Ve&amp;rgrößern	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>Verkle&amp;inern	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>Origin&amp;algröße	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Beenden	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>S&amp;prache der Oberfläche…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>Erst na&amp;chdenken	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>Pause vor &amp;den Antworten (%d s)…</translation>
    </message>
    <message>
        <source>%d s</source>
        <translation>%d s</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>ZANTOLI 1.7 for CE</source>
        <translation>ZANTOLI 1.7 für CE</translation>
    </message>
    <message>
        <source>The meaning on line 1 belongs to the word (key 1)</source>
        <translation>Die Bedeutung in Zeile 1 gehört zum Wort (Taste 1)</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>Wahl 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>Die Bedeutung in Zeile 2 gehört zum Wort (Taste 2)</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>Wahl 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>Die Bedeutung in Zeile 3 gehört zum Wort (Taste 3)</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>Wahl 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>Die Bedeutung in Zeile 4 gehört zum Wort (Taste 4)</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>Wahl 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>Die Bedeutung in Zeile 5 gehört zum Wort (Taste 5)</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>Wahl 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>Die Bedeutung in Zeile 6 gehört zum Wort (Taste 6)</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>Wahl 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ÖFFNEN</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>Ein Wörterbuch öffnen (Strg+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>Ein Wörterbuch öffnen</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>Nächste Frage (N oder Eingabe)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>Starten oder nächste Frage</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Zeile 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Zeile 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Zeile 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Zeile 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Zeile 5</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>Zeile 6</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>Über dieses Programm (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>Notizfeld leeren (Entf)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>Das Notizfeld leeren</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Einträge je Fach</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>In den nächsten 14 Tagen fällige Einträge</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>Antworten an jedem der letzten 14 Tage</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>Fortschritt in Zahlen</translation>
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
        <translation>die Leseteile des Programms (zantoli-lists.so und zantoli-packages.so) können nicht geladen werden; installieren Sie das Programm erneut</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>es ist nicht genug Speicher frei, um sie zu lesen.</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>Seit dem Laden der Liste wurde kein Wort verfehlt.</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>Verfehlte Wörter kopieren</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>Tippen zum Suchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>Gedächtnis ist aus</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Die Datei „%s“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>„%s“ kann nicht geöffnet werden: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Die Datei „%s“ kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>seine Sammlung ist beschädigt; der Stapel kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>er wurde mit einer neueren Anki-Version erstellt, als dieses Programm lesen kann. Exportieren Sie ihn in Anki erneut mit „Ältere Anki-Versionen unterstützen“.</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>es ist ein ZIP-Paket, aber kein Anki-Stapel: Es enthält keine Sammlung.</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>es ist kein Anki-Stapel: Seine Sammlung enthält keine Notizen.</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>seine Notiztypen können nicht gelesen werden; der Stapel ist beschädigt.</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>seine Sammlung ist in einer Form (Version %1) gespeichert, die dieses Programm nicht kennt.</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>seine Sammlung ist keine Anki-Datenbank; der Stapel ist beschädigt.</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>seine Sammlung zu lesen dauert viel zu lange; der Stapel ist beschädigt.</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>seine Sammlung ist beschädigt (%1).</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>die Medienliste des Stapels ist beschädigt</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>ihr Name führt aus dem Stapel hinaus</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>ein Feld, das in Zeile %1 mit einem Anführungszeichen beginnt, endet nie; sein schließendes &quot; fehlt.</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>sie hat nur eine Spalte. Eine Wortliste braucht das Wort in der ersten Spalte und seine Bedeutung in der zweiten.</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>sie ist keine KVTML-Datei: KVTML-Wortlisten sind XML.</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>sie endet zu früh; die Datei ist abgeschnitten oder unvollständig.</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>ihr XML ist in Zeile %1 fehlerhaft (%2).</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>sie enthält weit mehr Auszeichnungen als jede Wortliste.</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>sie ist eine XML-Datei, aber keine KVTML-Wortliste.</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>sie ist in KVTML-Version %1 gespeichert; nur KVTML 2.0 kann geöffnet werden.</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>ihre Elemente sind für eine Wortliste viel zu tief verschachtelt.</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>sie deklariert eigene XML-Entitäten, die keine Wortliste braucht.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>sie ist keine Tabelle: Sie enthält kein Tabellenblatt.</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>sie ist kein Paket, das eine Wortliste enthält.</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>ihr Name führt aus dem Ordner der Liste hinaus</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>neben der Liste gibt es keine solche Datei</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>sie ist keine Datei im Ordner der Liste</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>sie ist keine Tondatei (MP3, Ogg, WAV oder FLAC)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>sie enthält null Bytes, ist also keine Textdatei.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>sie ist kein UTF-8-Text. Speichern Sie sie als UTF-8-(Unicode-)Text und öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>sie ist kein gültiger UTF-16-Text.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>die Datei ist leer.</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>sie ist keine Datei, sondern ein Gerät.</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>sie ist ein Textverarbeitungsdokument: Speichern Sie sie als reinen Text (UTF-8).</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>sie ist ein Office-97-2003-Dokument, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>sie ist ein ZIP-Archiv, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>sie ist ein PDF-Dokument, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>sie ist ein PNG-Bild, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>sie ist ein JPEG-Bild, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>sie ist ein GIF-Bild, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>sie ist ein WebP-Bild, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>sie ist ein Programm, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>sie ist eine SQLite-Datenbank, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>sie ist eine gzip-komprimierte Datei, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>sie ist eine bzip2-komprimierte Datei, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>sie ist eine xz-komprimierte Datei, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>sie ist eine zstd-komprimierte Datei, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>sie ist ein 7z-Archiv, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>sie ist ein RAR-Archiv, keine Wortliste.</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>sie ist größer als %1 MB, viel zu groß für eine Wortliste.</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>sie enthält keine Wörter. Jeder Eintrag braucht ein Wort und seine Bedeutung.</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>ihre Arbeitsmappe enthält kein lesbares Tabellenblatt.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>ihr Teil „%1“ enthält weit mehr Auszeichnungen als jede Wortliste.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>ihr Teil „%1“ ist kein wohlgeformtes XML (%2).</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>sie ist durch ein Passwort geschützt. Speichern Sie sie ohne Passwort und öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>ihr Teil „%1“ ist beschädigt und kann nicht entpackt werden (%2).</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>sie ist kein ZIP-Paket, wie es Stapel und Tabellen sind.</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>sie ist abgeschnitten oder beschädigt: Ihr ZIP-Verzeichnis kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>sie ist kein ZIP-Paket.</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>sie kann nicht als ZIP-Paket geöffnet werden.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>ihr Teil „%1“ verweist auf einen Ort außerhalb des Pakets.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>ihr Teil „%1“ fehlt.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>ihr Teil „%1“ ist verschlüsselt. Speichern Sie sie ohne Passwort und öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>ihr Teil „%1“ ist auf eine Weise gepackt, die dieses Programm nicht entpacken kann.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>ihr Teil „%1“ ist größer, als das Paket angibt; die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>ihr Teil „%1“ würde auf über %2 MB entpackt, viel zu groß für eine Wortliste.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>ihr Teil „%1“ würde auf über das %2-Fache seiner gepackten Größe entpackt, wie es nur eine ZIP-Bombe tut.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>sie ist kein UTF-8-Text, und das Programm kann nicht erkennen, in welcher Kodierung sie vorliegt. Speichern Sie sie als UTF-8-(Unicode-)Text und öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>es ist nicht genug Speicher frei, um sie zu lesen.</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>das Lesen ist fehlgeschlagen (%1).</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>der Stapel enthält keine Datei dieses Namens</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>diese Art Liste enthält keine Mediendateien</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>dddd, d MMMM</source>
        <comment>A day as Qt&apos;s QDate::toString formats it: Friday, 11 December</comment>
        <translation>dddd, d. MMMM</translation>
    </message>
    <message>
        <source>Progress cannot be saved in &quot;%1&quot; (%2).</source>
        <translation>Der Fortschritt kann nicht in „%1“ gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>Die Fortschrittsdatei war beschädigt. Sie wurde als „%1“ aufbewahrt, und eine neue wurde begonnen.</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>die Datei dort ließ sich nicht vorher lesen: die Fortschrittsdatei ist belegt</translation>
    </message>
</context>
</TS>
