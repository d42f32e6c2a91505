<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>to nie jest obraz PNG, JPEG, GIF ani WebP</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>jest większy, niż może być obraz (32 MB, 64 megapiksele)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>jest uszkodzony</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>Nie można wyświetlić obrazu „%s”: %s. Ćwiczenie trwa dalej bez niego.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>dziś</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>Do powtórki: %s</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowe</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>Pudełko %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>Opanowane (pudełka 5–7)</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Do powtórki dziś</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>Do powtórki jutro</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>Odpowiedzi dziś</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>Dziś dobrze za pierwszym razem</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>jeszcze brak odpowiedzi</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>Odpowiedzi z ostatnich 14 dni</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>Z nich dobrze za pierwszym razem</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>Nie udało się odczytać 1 pliku z innego komputera: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>Nie udało się odczytać %d pliku z innych komputerów: %s</numerusform>
            <numerusform>Nie udało się odczytać %d plików z innych komputerów: %s</numerusform>
            <numerusform>Nie udało się odczytać %d plików z innych komputerów: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>Pamięć jest wyłączona, więc nie ma postępów do pokazania. Włącz „Zapamiętuj postępy” (Ctrl+M) w menu kontekstowym, a odpowiedzi od tej chwili będą zachowywane.</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Pozycje w pudełkach</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>Do powtórki w ciągu 14 dni (dziś wraz z zaległymi)</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>Odpowiedzi z ostatnich 14 dni</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Odpowiedzi</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Dobrze za pierwszym razem</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>Języki: %s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>Obrazy: %d z %n pozycji</numerusform>
            <numerusform>Obrazy: %d z %n pozycji</numerusform>
            <numerusform>Obrazy: %d z %n pozycji</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>Nagrania: %d z %n pozycji</numerusform>
            <numerusform>Nagrania: %d z %n pozycji</numerusform>
            <numerusform>Nagrania: %d z %n pozycji</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>Zapamiętuj postępy</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>Nie można zachować postępów: %s.</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation> Ćwiczenie trwa bez nich.</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>Nie można zapisać postępów tego komputera w folderze postępów „%s” (%s). Zostają zachowane tutaj i zostaną tam zapisane później.</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>Swobodna nauka: na dziś nie ma już nic do powtórki.</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>Na dziś nie ma już nic do powtórki.</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform> Jutro do powtórki jest %d słowo.</numerusform>
            <numerusform> Jutro do powtórki są %d słowa.</numerusform>
            <numerusform> Jutro do powtórki jest %d słów.</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation> Jutro przyjdą nowe słowa.</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation> Następne są do powtórki: %s.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Brawo!</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation> Odpowiedzi są zachowane i zostaną zapisane, gdy tylko będzie to możliwe.</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>Nie udało się zapomnieć postępów tej listy.</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Zapomnij postępy</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Najpierw otwórz słownik.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>Zapisywanie: inny program używa pliku</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>Wymów</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>Nie można odtworzyć nagrania „%s”: %s. Zamiast tego słowo zostanie wymówione.</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Żaden zainstalowany głos nie mówi w języku: %s, więc słów nie da się wymówić. Głosy dla około stu języków instaluje polecenie „apt install speech-dispatcher-espeak-ng”.</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>język pulpitu</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Nie można wymówić słów: żaden serwer mowy nie odpowiada. Zainstaluj speech-dispatcher z głosami: „apt install speech-dispatcher-espeak-ng”.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>Nie można wymówić słów: brak urządzenia dźwiękowego. Podłącz je lub uruchom serwer dźwięku pulpitu („apt install pulseaudio”).</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Nie można wymówić słów: moduł mowy programu nie jest zainstalowany. Zainstaluj program ponownie, a głosy poleceniem „apt install speech-dispatcher-espeak-ng”.</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>Tak jak podaje lista</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>nie zawiera dźwięku, który da się odtworzyć</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>jest puste</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>Żaden zainstalowany głos nie mówi w języku: %s, ani żaden z głosów oferowanych przez Debiana, więc słów nie da się wymówić. Głos innego dostawcy można skonfigurować dla speech-dispatcher poleceniem „spd-conf”.</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Język znaczeń</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Język słów</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>O&amp;dpytuj odwrotnie: teraz %s	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>Nie można wymówić słów: serwer mowy speech-dispatcher jest zainstalowany, ale się nie uruchamia. Polecenie „spd-say hello” w terminalu pokaże dlaczego.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>Nie można wymówić słów: brak urządzenia dźwiękowego. Podłącz je lub uruchom serwer dźwięku pulpitu.</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>Jak pulpit</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>Język jest wyświetlany, ale nie zostanie zachowany do następnego uruchomienia: nie można zapisać pliku ustawień.</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Język interfejsu</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>DALEJ</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>Kliknij „START”, aby zacząć!!</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Najpierw otwórz słownik.</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>Od znaczenia do słowa: pytaniem jest znaczenie, wiersze podają słowa.</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>Od słowa do znaczenia: pytaniem jest słowo, wiersze podają znaczenia.</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>Listy słów (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Słowniki (*.dic)|*.dic|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Nie można otworzyć pliku „%s”.</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>Otwieranie nie powiodło się!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Nie można otworzyć „%s”: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>Słownik jest za duży. Słowa po %d. zostaną pominięte.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Uwaga!</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Nie można odczytać pliku „%s”.</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>Ten słownik zawiera %d słowo.</numerusform>
            <numerusform>Ten słownik zawiera %d słowa.</numerusform>
            <numerusform>Ten słownik zawiera %d słów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>Otwarto pomyślnie!</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>Niestety, ten słownik jest za mały (%d), by go używać.</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>Błędy w słowniku.</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ DOBRZE!</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Dobrze!</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>Nr %d, D=%d, Ź=%d, Wynik=%L5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Zapomnij postępy</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>Zapomnieć, czego nauczono się z każdego słowa w „%s”? Tego nie można cofnąć.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>wypisz postępy z listą słów FILE i zakończ</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>przechowuj postępy w DIR podczas tego uruchomienia</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>Użycie: %s [OPTION]... [FILE]
Uruchamia %s i otwiera FILE, jeśli podano. Gdy %s już działa, jego okno
wysuwa się na wierzch i otwiera FILE.

      --help      wyświetl tę pomoc i zakończ
      --version   wyświetl wersję i zakończ
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  wypisz czas pierwszego rysowania i zakończ

Własne opcje Qt, takie jak -platform, -style, -display i -session,
są przyjmowane jak w każdym programie Qt.
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s: opcja „--%s” wymaga argumentu
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s: nieznana opcja „%s” (spróbuj „%s --help”)
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>&amp;Otwórz…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>&amp;Następne pytanie	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>O p&amp;rogramie	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>&amp;Postępy…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>W&amp;yczyść notatnik	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>&amp;Wymów	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>Wymawiaj &amp;każde pytanie</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>&amp;Język słów…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>J&amp;ęzyk znaczeń…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>O&amp;dpytuj odwrotnie	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>Kopiuj pomylone &amp;słowa	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>Zapamię&amp;tuj postępy	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>Zapomnij postępy tej &amp;listy…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>&amp;Folder postępów…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>Pow&amp;iększ	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>Po&amp;mniejsz	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>Rozmi&amp;ar oryginalny	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Zakończ	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>Język int&amp;erfejsu…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>Najpierw pomy&amp;śl	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>Pa&amp;uza przed odpowiedziami (%d s)…</translation>
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
        <translation>ZANTOLI 1.7 dla CE</translation>
    </message>
    <message>
        <source>The meaning on line 1 belongs to the word (key 1)</source>
        <translation>Znaczenie w wierszu 1 należy do słowa (klawisz 1)</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>Wybór 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>Znaczenie w wierszu 2 należy do słowa (klawisz 2)</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>Wybór 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>Znaczenie w wierszu 3 należy do słowa (klawisz 3)</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>Wybór 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>Znaczenie w wierszu 4 należy do słowa (klawisz 4)</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>Wybór 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>Znaczenie w wierszu 5 należy do słowa (klawisz 5)</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>Wybór 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>Znaczenie w wierszu 6 należy do słowa (klawisz 6)</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>Wybór 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OTWÓRZ</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>Otwórz słownik (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>Otwórz słownik</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>Następne pytanie (N lub Enter)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>Start lub następne pytanie</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Wiersz 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Wiersz 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Wiersz 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Wiersz 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Wiersz 5</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>Wiersz 6</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>O tym programie (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>Wyczyść notatnik (Delete)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>Wyczyść notatnik</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Pozycje w pudełkach</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>Pozycje do powtórki w ciągu 14 dni</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>Odpowiedzi z każdego z ostatnich 14 dni</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>Postępy w liczbach</translation>
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
        <translation>nie można wczytać modułów odczytu programu (zantoli-lists.so i zantoli-packages.so); zainstaluj program ponownie</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>brakuje pamięci, by go odczytać.</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>Od wczytania listy nie pomylono żadnego słowa.</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>Kopiuj pomylone słowa</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>Wpisz, aby wyszukać</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>pamięć jest wyłączona</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Nie można otworzyć pliku „%s”.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Nie można otworzyć „%s”: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Nie można odczytać pliku „%s”.</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>Polski</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>jego kolekcja jest uszkodzona; talii nie da się odczytać.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>utworzyła go nowsza wersja Anki, niż ten program potrafi odczytać. W Anki wyeksportuj go ponownie z zaznaczonym „Obsługuj starsze wersje Anki”.</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>to pakiet zip, ale nie talia Anki: nie zawiera kolekcji.</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>to nie jest talia Anki: jej kolekcja nie zawiera notatek.</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>nie można odczytać jej typów notatek; talia jest uszkodzona.</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>jej kolekcja jest zapisana w formie (wersja %1), której ten program nie zna.</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>jej kolekcja nie jest bazą danych Anki; talia jest uszkodzona.</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>odczyt jej kolekcji trwa zdecydowanie za długo; talia jest uszkodzona.</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>jej kolekcja jest uszkodzona (%1).</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>lista multimediów talii jest uszkodzona</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>jego nazwa prowadzi poza talię</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>jest uszkodzone</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>ma ponad %1 MB</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>pole zaczynające się cudzysłowem w wierszu %1 nigdy się nie kończy; brakuje zamykającego &quot;.</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>ma tylko jedną kolumnę. Lista słów potrzebuje słowa w pierwszej kolumnie i jego znaczenia w drugiej.</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>to nie jest plik KVTML: listy słów KVTML są w XML.</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>kończy się za wcześnie; plik jest ucięty lub niekompletny.</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>jego XML jest uszkodzony w wierszu %1 (%2).</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>zawiera znacznie więcej znaczników niż jakakolwiek lista słów.</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>to plik XML, ale nie lista słów KVTML.</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>jest zapisany w KVTML w wersji %1; można otwierać tylko KVTML 2.0.</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>jego elementy są zagnieżdżone zbyt głęboko jak na listę słów.</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>deklaruje własne encje XML, których żadna lista słów nie potrzebuje.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>to nie jest arkusz kalkulacyjny: nie zawiera tabeli.</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>to nie jest pakiet zawierający listę słów.</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>jego nazwa prowadzi poza folder listy</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>obok listy nie ma takiego pliku</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>to nie jest plik w folderze listy</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>to nie jest plik dźwiękowy (mp3, Ogg, WAV lub FLAC)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>ma zero bajtów, więc nie jest plikiem tekstowym.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>to nie jest tekst UTF-8. Zapisz go jako tekst UTF-8 (Unicode) i otwórz ponownie.</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>to nie jest poprawny tekst UTF-16.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>plik jest pusty.</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>to nie plik, lecz urządzenie.</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>to dokument edytora tekstu: zapisz go jako zwykły tekst (UTF-8).</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>to dokument Office 97-2003, nie lista słów.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>to archiwum zip, nie lista słów.</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>to dokument PDF, nie lista słów.</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>to obraz PNG, nie lista słów.</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>to obraz JPEG, nie lista słów.</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>to obraz GIF, nie lista słów.</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>to obraz WebP, nie lista słów.</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>to program, nie lista słów.</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>to baza danych SQLite, nie lista słów.</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>to plik skompresowany gzip, nie lista słów.</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>to plik skompresowany bzip2, nie lista słów.</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>to plik skompresowany xz, nie lista słów.</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>to plik skompresowany zstd, nie lista słów.</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>to archiwum 7z, nie lista słów.</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>to archiwum RAR, nie lista słów.</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>ma ponad %1 MB, zdecydowanie za dużo jak na listę słów.</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>nie zawiera słów. Każda pozycja potrzebuje słowa i jego znaczenia.</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>jego skoroszyt nie zawiera arkusza, który da się odczytać.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>jego część „%1” zawiera znacznie więcej znaczników niż jakakolwiek lista słów.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>jego część „%1” nie jest poprawnym XML (%2).</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>jest chroniony hasłem. Zapisz go bez hasła i otwórz ponownie.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>jego część „%1” jest uszkodzona i nie da się jej rozpakować (%2).</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>to nie jest pakiet zip, jakim są talie i arkusze.</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>jest ucięty lub uszkodzony: nie można odczytać jego katalogu zip.</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>to nie jest pakiet zip.</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>nie można go otworzyć jako pakietu zip.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>jego część „%1” wskazuje miejsce poza pakietem.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>brakuje jego części „%1”.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>jego część „%1” jest zaszyfrowana. Zapisz go bez hasła i otwórz ponownie.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>jego część „%1” jest spakowana w sposób, którego ten program nie umie rozpakować.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>jego część „%1” jest większa, niż podaje pakiet; plik jest uszkodzony.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>jego część „%1” po rozpakowaniu miałaby ponad %2 MB, zdecydowanie za dużo jak na listę słów.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>jego część „%1” po rozpakowaniu byłaby ponad %2 razy większa niż spakowana, co robi tylko bomba zip.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>to nie jest tekst UTF-8, a program nie potrafi rozpoznać jego kodowania. Zapisz go jako tekst UTF-8 (Unicode) i otwórz ponownie.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>brakuje pamięci, by go odczytać.</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>odczyt się nie powiódł (%1).</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>talia nie zawiera pliku o tej nazwie</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>ten rodzaj listy nie przechowuje multimediów</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>dddd, d MMMM</source>
        <comment>A day as Qt&apos;s QDate::toString formats it: Friday, 11 December</comment>
        <translation>dddd, d MMMM</translation>
    </message>
    <message>
        <source>Progress cannot be saved in &quot;%1&quot; (%2).</source>
        <translation>Nie można zapisać postępów w „%1” (%2).</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>Plik postępów był uszkodzony. Zachowano go jako „%1” i rozpoczęto nowy.</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>nie udało się najpierw odczytać znajdującego się tam pliku: plik postępów jest zajęty</translation>
    </message>
</context>
</TS>
