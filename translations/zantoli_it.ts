<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>non è un&apos;immagine PNG, JPEG, GIF o WebP</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>è più grande di quanto possa essere un&apos;immagine (32 MB, 64 megapixel)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>è danneggiata</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>Impossibile mostrare l&apos;immagine «%s»: %s. L&apos;esercizio prosegue senza.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>Da ripassare %s</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuove</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>Scatola %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>Sapute (scatole da 5 a 7)</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Da ripassare oggi</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>Da ripassare domani</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>Risposte di oggi</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>Giuste al primo tentativo oggi</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>ancora nessuna risposta</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>Risposte degli ultimi 14 giorni</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>Di queste, giuste al primo tentativo</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>Non è stato possibile leggere 1 file di un altro computer: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>Non è stato possibile leggere %d file di altri computer: %s</numerusform>
            <numerusform>Non è stato possibile leggere %d file di altri computer: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>La memoria è spenta, quindi non ci sono progressi da mostrare. Attiva «Ricorda i progressi» (Ctrl+M) nel menu contestuale e da quel momento le risposte verranno conservate.</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Voci per scatola</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>Da ripassare nei prossimi 14 giorni (oggi con gli arretrati)</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>Risposte degli ultimi 14 giorni</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Risposte</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Giuste al primo tentativo</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>Lingue: %s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>Immagini: %d di %n voce</numerusform>
            <numerusform>Immagini: %d di %n voci</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>Registrazioni: %d di %n voce</numerusform>
            <numerusform>Registrazioni: %d di %n voci</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>Ricorda i progressi</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>Non è possibile conservare i progressi: %s.</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation> L&apos;esercizio continua senza.</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>I progressi di questo computer non possono essere scritti nella cartella dei progressi «%s» (%s). Restano conservati qui e verranno scritti là più tardi.</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>Esercizio libero: oggi non c&apos;è più nulla da ripassare.</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>Oggi non c&apos;è più nulla da ripassare.</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform> Domani c&apos;è %d parola da ripassare.</numerusform>
            <numerusform> Domani ci sono %d parole da ripassare.</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation> Domani arrivano parole nuove.</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation> Le prossime sono da ripassare %s.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Ben fatto!</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation> Le risposte sono conservate e verranno salvate appena possibile.</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>Non è stato possibile dimenticare i progressi di questa lista.</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Dimentica i progressi</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Apri prima un dizionario.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>Salvataggio: un altro programma usa l&apos;archivio</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>Pronuncia</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>Impossibile riprodurre la registrazione «%s»: %s. Al suo posto viene pronunciata la parola.</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Nessuna voce installata parla %s, quindi le parole non possono essere pronunciate. Le voci per un centinaio di lingue si installano con «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>la lingua del desktop</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Le parole non possono essere pronunciate: nessun server vocale risponde. Installa speech-dispatcher con le sue voci: «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>Le parole non possono essere pronunciate: non c&apos;è alcun dispositivo audio. Collegane uno o avvia il server audio del desktop («apt install pulseaudio»).</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Le parole non possono essere pronunciate: il modulo vocale del programma non è installato. Reinstalla il programma, e le voci con «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>Come indica la lista</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>non contiene alcun suono riproducibile</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>è vuota</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>Nessuna voce installata parla %s, e nemmeno una delle voci offerte da Debian, quindi le parole non possono essere pronunciate. Una voce di un altro fornitore si può configurare per speech-dispatcher con «spd-conf».</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Lingua dei significati</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Lingua delle parole</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>C&amp;hiedi al contrario: ora %s	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>Le parole non possono essere pronunciate: il server vocale, speech-dispatcher, è installato ma non si avvia. «spd-say hello» in un terminale ne indica il motivo.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>Le parole non possono essere pronunciate: non c&apos;è alcun dispositivo audio. Collegane uno o avvia il server audio del desktop.</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>Come il desktop</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>La lingua è mostrata, ma non può essere conservata per il prossimo avvio: il file delle impostazioni non può essere scritto.</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Lingua dell&apos;interfaccia</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>AVANTI</translation>
    </message>
    <message>
        <source>START</source>
        <translation>INIZIA</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>Fai clic su «INIZIA» per cominciare!!</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Apri prima un dizionario.</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>Da significato a parola: la domanda è un significato, le righe offrono parole.</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>Da parola a significato: la domanda è una parola, le righe offrono significati.</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>Liste di parole (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dizionari (*.dic)|*.dic|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Impossibile aprire il file «%s».</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>Apertura non riuscita!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Impossibile aprire «%s»: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>Dizionario troppo grande. Le parole dopo la %d° verranno ignorate.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Attenzione!</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Impossibile leggere il file «%s».</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>Questo dizionario contiene %d parola.</numerusform>
            <numerusform>Questo dizionario contiene %d parole.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>Apertura riuscita!</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>Spiacente. Questo dizionario è troppo piccolo (%d) per essere usato.</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>Errori nel dizionario.</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ GIUSTO!</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Giusto!</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>N.%d, G=%d, S=%d, Punteggio=%L5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Dimentica i progressi</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>Dimenticare quanto imparato di ogni parola di «%s»? L&apos;operazione non può essere annullata.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>stampa i progressi con la lista di parole FILE ed esci</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>conserva i progressi in DIR per questa esecuzione</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>Uso: %s [OPTION]... [FILE]
Avvia %s e apre FILE se indicato. Se %s è già in esecuzione, la sua finestra
passa in primo piano e apre FILE.

      --help      mostra questo aiuto ed esce
      --version   mostra la versione ed esce
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  stampa l&apos;ora del primo disegno ed esce

Le opzioni proprie di Qt, come -platform, -style, -display e -session,
sono accettate come in ogni programma Qt.
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s: l&apos;opzione «--%s» richiede un argomento
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s: opzione sconosciuta «%s» (prova «%s --help»)
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>&amp;Apri…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>Domanda &amp;successiva	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>&amp;Informazioni	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>&amp;Progressi…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>&amp;Cancella il blocco note	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>Pr&amp;onuncia	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>Pron&amp;uncia ogni domanda</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>&amp;Lingua delle parole…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>Lin&amp;gua dei significati…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>C&amp;hiedi al contrario	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>Copia le parole s&amp;bagliate	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>Ricor&amp;da i progressi	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>Dimentica i progressi di &amp;questa lista…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>Car&amp;tella dei progressi…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>I&amp;ngrandisci	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>&amp;Riduci	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>Di&amp;mensione originale	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Esci	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>Lingua dell&apos;inter&amp;faccia…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>Pensa prima di &amp;vedere le scelte	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>Lunghe&amp;zza della pausa (%d s)…</translation>
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
        <translation>ZANTOLI 1.7 per CE</translation>
    </message>
    <message>
        <source>The meaning on line 1 belongs to the word (key 1)</source>
        <translation>Il significato della riga 1 corrisponde alla parola (tasto 1)</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>Scelta 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>Il significato della riga 2 corrisponde alla parola (tasto 2)</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>Scelta 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>Il significato della riga 3 corrisponde alla parola (tasto 3)</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>Scelta 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>Il significato della riga 4 corrisponde alla parola (tasto 4)</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>Scelta 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>Il significato della riga 5 corrisponde alla parola (tasto 5)</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>Scelta 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>Il significato della riga 6 corrisponde alla parola (tasto 6)</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>Scelta 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>APRI</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>Apri un dizionario (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>Apri un dizionario</translation>
    </message>
    <message>
        <source>START</source>
        <translation>INIZIA</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>Domanda successiva (N o Invio)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>Inizia o domanda successiva</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Riga 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Riga 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Riga 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Riga 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Riga 5</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>Riga 6</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>Informazioni su questo programma (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>Cancella il blocco note (Canc)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>Cancella il blocco note</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Voci per scatola</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>Voci da ripassare nei prossimi 14 giorni</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>Risposte di ciascuno degli ultimi 14 giorni</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>I progressi in cifre</translation>
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
        <translation>i lettori del programma (zantoli-lists.so e zantoli-packages.so) non possono essere caricati; reinstalla il programma</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>non c&apos;è memoria sufficiente per leggerlo.</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>Nessuna parola sbagliata da quando la lista è stata caricata.</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>Copia le parole sbagliate</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>Digita per cercare</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>la memoria è spenta</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Impossibile aprire il file «%s».</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Impossibile aprire «%s»: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Impossibile leggere il file «%s».</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>Italiano</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>la sua raccolta è danneggiata; il mazzo non può essere letto.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>è stato creato con una versione di Anki più recente di quella che questo programma sa leggere. In Anki, esportalo di nuovo spuntando «Supporta le versioni precedenti di Anki».</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>è un pacchetto zip, ma non un mazzo Anki: non contiene alcuna raccolta.</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>non è un mazzo Anki: la sua raccolta non contiene note.</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>i suoi tipi di nota non possono essere letti; il mazzo è danneggiato.</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>la sua raccolta è salvata in un formato (versione %1) che questo programma non conosce.</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>la sua raccolta non è un database Anki; il mazzo è danneggiato.</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>la sua raccolta richiede troppo tempo per essere letta; il mazzo è danneggiato.</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>la sua raccolta è danneggiata (%1).</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>l&apos;elenco dei media del mazzo è danneggiato</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>il suo nome porta fuori dal mazzo</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>è danneggiata</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>supera %1 MB</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>un campo che inizia con le virgolette alla riga %1 non finisce mai; manca la &quot; di chiusura.</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>ha una sola colonna. Una lista di parole richiede la parola nella prima colonna e il suo significato nella seconda.</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>non è un file KVTML: le liste di parole KVTML sono XML.</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>finisce troppo presto; il file è troncato o incompleto.</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>il suo XML è rotto alla riga %1 (%2).</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>contiene molti più marcatori di qualsiasi lista di parole.</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>è un file XML, ma non una lista di parole KVTML.</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>è salvato in KVTML versione %1; si può aprire solo KVTML 2.0.</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>i suoi elementi sono annidati troppo in profondità per una lista di parole.</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>dichiara entità XML proprie, che nessuna lista di parole richiede.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>non è un foglio di calcolo: non contiene alcuna tabella.</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>non è un pacchetto che contiene una lista di parole.</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>il suo nome porta fuori dalla cartella della lista</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>accanto alla lista non c&apos;è alcun file con quel nome</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>non è un file nella cartella della lista</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>non è un file audio (mp3, Ogg, WAV o FLAC)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>contiene zero byte, quindi non è un file di testo.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>non è testo UTF-8. Salvalo come testo UTF-8 (Unicode) e riaprilo.</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>non è testo UTF-16 valido.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>il file è vuoto.</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>non è un file ma un dispositivo.</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>è un documento di videoscrittura: salvalo come testo semplice (UTF-8).</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>è un documento Office 97-2003, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>è un archivio zip, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>è un documento PDF, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>è un&apos;immagine PNG, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>è un&apos;immagine JPEG, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>è un&apos;immagine GIF, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>è un&apos;immagine WebP, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>è un programma, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>è un database SQLite, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>è un file compresso con gzip, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>è un file compresso con bzip2, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>è un file compresso con xz, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>è un file compresso con zstd, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>è un archivio 7z, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>è un archivio RAR, non una lista di parole.</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>supera %1 MB, troppo per una lista di parole.</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>non contiene parole. Ogni voce richiede una parola e il suo significato.</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>la sua cartella di lavoro non contiene alcun foglio leggibile.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>la sua parte «%1» contiene molti più marcatori di qualsiasi lista di parole.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>la sua parte «%1» non è XML ben formato (%2).</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>è protetto da password. Salvalo senza password e riaprilo.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>la sua parte «%1» è danneggiata e non può essere estratta (%2).</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>non è un pacchetto zip, come lo sono i mazzi e i fogli di calcolo.</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>è troncato o danneggiato: la sua directory zip non può essere letta.</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>non è un pacchetto zip.</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>non può essere aperto come pacchetto zip.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>la sua parte «%1» indica un luogo fuori dal pacchetto.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>manca la sua parte «%1».</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>la sua parte «%1» è cifrata. Salvalo senza password e riaprilo.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>la sua parte «%1» è compressa in un modo che questo programma non sa estrarre.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>la sua parte «%1» è più grande di quanto dichiara il pacchetto; il file è danneggiato.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>la sua parte «%1» supererebbe %2 MB una volta estratta, troppo per una lista di parole.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>la sua parte «%1» supererebbe %2 volte la sua dimensione compressa, come fa solo una bomba zip.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>non è testo UTF-8 e il programma non riesce a capire in quale codifica sia. Salvalo come testo UTF-8 (Unicode) e riaprilo.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>non c&apos;è memoria sufficiente per leggerlo.</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>la lettura non è riuscita (%1).</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>il mazzo non contiene alcun file con quel nome</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>questo tipo di lista non contiene file multimediali</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>dddd, d MMMM</source>
        <comment>A day as Qt&apos;s QDate::toString formats it: Friday, 11 December</comment>
        <translation>dddd d MMMM</translation>
    </message>
    <message>
        <source>Progress cannot be saved in &quot;%1&quot; (%2).</source>
        <translation>Impossibile salvare i progressi in «%1» (%2).</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>impossibile creare la cartella</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>Il file dei progressi era danneggiato. È stato conservato come «%1» e ne è stato iniziato uno nuovo.</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>non è stato possibile leggere prima il file presente: l&apos;archivio è occupato</translation>
    </message>
</context>
</TS>
