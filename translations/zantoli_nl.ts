<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>het is geen PNG-, JPEG-, GIF- of WebP-afbeelding</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>ze is groter dan een afbeelding mag zijn (32 MB, 64 megapixel)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>ze is beschadigd</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>De afbeelding ‘%s’ kan niet worden getoond: %s. Het overhoren gaat zonder afbeelding verder.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>vandaag</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>Te herhalen op %s</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>Bak %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>Gekend (bakken 5 tot 7)</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Vandaag te herhalen</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>Morgen te herhalen</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>Antwoorden vandaag</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>Vandaag in één keer goed</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>nog geen antwoorden</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>Antwoorden in de laatste 14 dagen</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>Daarvan in één keer goed</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>1 bestand van een andere computer kon niet worden gelezen: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>%d bestand van andere computers kon niet worden gelezen: %s</numerusform>
            <numerusform>%d bestanden van andere computers konden niet worden gelezen: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>Het geheugen staat uit, dus er is geen voortgang om te tonen. Zet ‘Voortgang onthouden’ (Ctrl+M) aan in het contextmenu, dan worden de antwoorden vanaf dat moment bewaard.</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Items per bak</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>Te herhalen in de komende 14 dagen (vandaag met de achterstallige)</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>Antwoorden op de laatste 14 dagen</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antwoorden</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>In één keer goed</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>Talen: %s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>Afbeeldingen: %d van %n item</numerusform>
            <numerusform>Afbeeldingen: %d van %n items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>Opnamen: %d van %n item</numerusform>
            <numerusform>Opnamen: %d van %n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>Voortgang onthouden</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>De voortgang kan niet worden bewaard: %s.</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation> De oefening gaat zonder verder.</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>De voortgang van deze computer kan niet naar de voortgangsmap ‘%s’ worden geschreven (%s). Hij blijft hier bewaard en wordt daar later opnieuw geschreven.</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>Vrij oefenen: vandaag hoeft er niets meer herhaald te worden.</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>Vandaag hoeft er niets meer herhaald te worden.</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform> Morgen moet %d woord herhaald worden.</numerusform>
            <numerusform> Morgen moeten %d woorden herhaald worden.</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation> Morgen komen er nieuwe woorden.</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation> De volgende zijn op %s aan de beurt.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Goed gedaan!</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation> De antwoorden blijven bewaard en worden opgeslagen zodra dat kan.</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>De voortgang van deze lijst kon niet worden vergeten.</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Voortgang vergeten</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Open eerst een woordenboek.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>Opslaan: een ander programma gebruikt het bestand</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>Uitspreken</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>De opname ‘%s’ kan niet worden afgespeeld: %s. Het woord wordt in plaats daarvan uitgesproken.</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Geen geïnstalleerde stem spreekt %s, dus de woorden kunnen niet worden uitgesproken. Stemmen voor zo’n honderd talen komen met ‘apt install speech-dispatcher-espeak-ng’.</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>de taal van het bureaublad</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>De woorden kunnen niet worden uitgesproken: er antwoordt geen spraakserver. Installeer speech-dispatcher met zijn stemmen: ‘apt install speech-dispatcher-espeak-ng’.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>De woorden kunnen niet worden uitgesproken: er is geen geluidsapparaat. Sluit er een aan of start de geluidsserver van het bureaublad (‘apt install pulseaudio’).</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>De woorden kunnen niet worden uitgesproken: de spraakmodule van het programma is niet geïnstalleerd. Installeer het programma opnieuw, en de stemmen met ‘apt install speech-dispatcher-espeak-ng’.</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>Zoals de lijst aangeeft</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>ze bevat geen afspeelbaar geluid</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>ze is leeg</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>Geen geïnstalleerde stem spreekt %s, en ook geen van de stemmen die Debian biedt, dus de woorden kunnen niet worden uitgesproken. Een stem van een andere maker kan met ‘spd-conf’ voor speech-dispatcher worden ingesteld.</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Taal van de betekenissen</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Taal van de woorden</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>A&amp;ndersom overhoren: nu %s	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>De woorden kunnen niet worden uitgesproken: de spraakserver speech-dispatcher is geïnstalleerd maar start niet. ‘spd-say hello’ in een terminal vertelt waarom.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>De woorden kunnen niet worden uitgesproken: er is geen geluidsapparaat. Sluit er een aan of start de geluidsserver van het bureaublad.</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>Zoals het bureaublad</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>De taal wordt getoond, maar kan niet worden bewaard voor de volgende start: het instellingenbestand kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Taal van de interface</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>VOLGENDE</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>Klik op ‘START’ om te beginnen!!</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Open eerst een woordenboek.</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>Van betekenis naar woord: de vraag is een betekenis, de regels bieden woorden.</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>Van woord naar betekenis: de vraag is een woord, de regels bieden betekenissen.</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>Woordenlijsten (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Woordenboeken (*.dic)|*.dic|Alle bestanden (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Kan het bestand ‘%s’ niet openen.</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>Openen mislukt!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Kan ‘%s’ niet openen: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>Woordenboek te groot. Woorden na het %de worden genegeerd.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Waarschuwing!</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Kan het bestand ‘%s’ niet lezen.</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>Dit woordenboek bevat %d woord.</numerusform>
            <numerusform>Dit woordenboek bevat %d woorden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>Openen gelukt!</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>Sorry. Dit woordenboek is te klein (%d) om te gebruiken.</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>Fouten in woordenboek.</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ GOED!</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Goed!</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>Nr.%d, G=%d, F=%d, Score=%L5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Voortgang vergeten</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>Vergeten wat er van elk woord in ‘%s’ is geleerd? Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>de voortgang met woordenlijst FILE tonen en afsluiten</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>de voortgang voor deze keer in DIR bewaren</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>Gebruik: %s [OPTION]... [FILE]
Start %s en opent FILE als dat gegeven is. Draait %s al, dan komt het venster
ervan naar voren en opent het FILE.

      --help      deze hulp tonen en afsluiten
      --version   versie-informatie tonen en afsluiten
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  het tijdstip van de eerste tekening tonen en afsluiten

Qt&apos;s eigen opties, zoals -platform, -style, -display en -session,
worden aangenomen zoals elk Qt-programma dat doet.
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s: optie ‘--%s’ vereist een argument
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s: onbekende optie ‘%s’ (probeer ‘%s --help’)
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>O&amp;penen…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>Vo&amp;lgende vraag	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>&amp;Over	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>&amp;Voortgang…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>&amp;Kladblok wissen	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>Ui&amp;tspreken	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>Elke vraag uit&amp;spreken</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>Taal van &amp;de woorden…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>Taal van de &amp;betekenissen…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>A&amp;ndersom overhoren	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>Gemiste &amp;woorden kopiëren	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>Voo&amp;rtgang onthouden	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>Voortgang van de&amp;ze lijst vergeten…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>&amp;Map voor de voortgang…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>&amp;Inzoomen	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>&amp;Uitzoomen	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>Oorspronkelijke &amp;grootte	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Afsluiten	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>Taal van d&amp;e interface…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>Eerst zel&amp;f nadenken	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>Wa&amp;chttijd vóór de keuzes (%d s)…</translation>
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
        <translation>ZANTOLI 1.7 voor CE</translation>
    </message>
    <message>
        <source>The meaning on line 1 belongs to the word (key 1)</source>
        <translation>De betekenis op regel 1 hoort bij het woord (toets 1)</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>Keuze 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>De betekenis op regel 2 hoort bij het woord (toets 2)</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>Keuze 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>De betekenis op regel 3 hoort bij het woord (toets 3)</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>Keuze 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>De betekenis op regel 4 hoort bij het woord (toets 4)</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>Keuze 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>De betekenis op regel 5 hoort bij het woord (toets 5)</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>Keuze 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>De betekenis op regel 6 hoort bij het woord (toets 6)</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>Keuze 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OPENEN</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>Een woordenboek openen (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>Een woordenboek openen</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>Volgende vraag (N of Enter)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>Starten of volgende vraag</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Regel 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Regel 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Regel 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Regel 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Regel 5</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>Regel 6</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>Over dit programma (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>Het kladblok wissen (Delete)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>Het kladblok wissen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Items per bak</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>Te herhalen items in de komende 14 dagen</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>Antwoorden op elk van de laatste 14 dagen</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>Voortgang in cijfers</translation>
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
        <translation>de lezers van het programma (zantoli-lists.so en zantoli-packages.so) kunnen niet worden geladen; installeer het programma opnieuw</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>er is niet genoeg geheugen om het te lezen.</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>Er is geen woord gemist sinds de lijst is geladen.</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>Gemiste woorden kopiëren</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>Typ om te zoeken</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>geheugen staat uit</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Kan het bestand ‘%s’ niet openen.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Kan ‘%s’ niet openen: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Kan het bestand ‘%s’ niet lezen.</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>Nederlands</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>de collectie is beschadigd; het pakket kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>het is gemaakt met een nieuwere versie van Anki dan dit programma kan lezen. Exporteer het in Anki opnieuw met ‘Oudere Anki-versies ondersteunen’ aangevinkt.</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>het is een zip-pakket, maar geen Anki-pakket: het bevat geen collectie.</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>het is geen Anki-pakket: de collectie bevat geen notities.</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>de notitietypen kunnen niet worden gelezen; het pakket is beschadigd.</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>de collectie is opgeslagen in een vorm (versie %1) die dit programma niet kent.</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>de collectie is geen Anki-database; het pakket is beschadigd.</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>het lezen van de collectie duurt veel te lang; het pakket is beschadigd.</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>de collectie is beschadigd (%1).</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>de medialijst van het pakket is beschadigd</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>de naam leidt buiten het pakket</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>ze is beschadigd</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>ze is groter dan %1 MB</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>een veld dat op regel %1 met een aanhalingsteken begint, eindigt nooit; het sluitende &quot; ontbreekt.</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>het heeft maar één kolom. Een woordenlijst heeft het woord in de eerste kolom nodig en de betekenis in de tweede.</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>het is geen KVTML-bestand: KVTML-woordenlijsten zijn XML.</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>het eindigt te vroeg; het bestand is afgekapt of onvolledig.</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>de XML is kapot op regel %1 (%2).</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>het bevat veel meer opmaak dan welke woordenlijst ook.</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>het is een XML-bestand, maar geen KVTML-woordenlijst.</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>het is opgeslagen in KVTML-versie %1; alleen KVTML 2.0 kan worden geopend.</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>de elementen zijn veel te diep genest voor een woordenlijst.</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>het declareert eigen XML-entiteiten, die geen woordenlijst nodig heeft.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>het is geen rekenblad: het bevat geen tabel.</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>het is geen pakket dat een woordenlijst bevat.</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>de naam leidt buiten de map van de lijst</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>er staat geen zulk bestand naast de lijst</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>het is geen bestand in de map van de lijst</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>het is geen geluidsbestand (mp3, Ogg, WAV of FLAC)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>het bevat nul bytes, dus het is geen tekstbestand.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>het is geen UTF-8-tekst. Sla het op als UTF-8-tekst (Unicode) en open het opnieuw.</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>het is geen geldige UTF-16-tekst.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>het bestand is leeg.</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>het is geen bestand maar een apparaat.</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>het is een tekstverwerkingsdocument: sla het op als platte tekst (UTF-8).</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>het is een Office 97-2003-document, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>het is een zip-archief, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>het is een PDF-document, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>het is een PNG-afbeelding, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>het is een JPEG-afbeelding, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>het is een GIF-afbeelding, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>het is een WebP-afbeelding, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>het is een programma, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>het is een SQLite-database, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>het is een met gzip gecomprimeerd bestand, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>het is een met bzip2 gecomprimeerd bestand, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>het is een met xz gecomprimeerd bestand, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>het is een met zstd gecomprimeerd bestand, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>het is een 7z-archief, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>het is een RAR-archief, geen woordenlijst.</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>het is groter dan %1 MB, veel te groot voor een woordenlijst.</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>het bevat geen woorden. Elk item heeft een woord en de betekenis ervan nodig.</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>de werkmap bevat geen leesbaar werkblad.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>het onderdeel ‘%1’ bevat veel meer opmaak dan welke woordenlijst ook.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>het onderdeel ‘%1’ is geen welgevormde XML (%2).</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>het is beveiligd met een wachtwoord. Sla het op zonder wachtwoord en open het opnieuw.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>het onderdeel ‘%1’ is beschadigd en kan niet worden uitgepakt (%2).</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>het is geen zip-pakket, zoals pakketten en rekenbladen dat wel zijn.</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>het is afgekapt of beschadigd: de zip-inhoudsopgave kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>het is geen zip-pakket.</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>het kan niet als zip-pakket worden geopend.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>het onderdeel ‘%1’ verwijst naar een plek buiten het pakket.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>het onderdeel ‘%1’ ontbreekt.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>het onderdeel ‘%1’ is versleuteld. Sla het op zonder wachtwoord en open het opnieuw.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>het onderdeel ‘%1’ is ingepakt op een manier die dit programma niet kan uitpakken.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>het onderdeel ‘%1’ is groter dan het pakket aangeeft; het bestand is beschadigd.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>het onderdeel ‘%1’ zou uitgepakt groter worden dan %2 MB, veel te groot voor een woordenlijst.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>het onderdeel ‘%1’ zou uitgepakt meer dan %2 keer zo groot worden als ingepakt, zoals alleen een zipbom doet.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>het is geen UTF-8-tekst, en het programma kan niet zien in welke codering het staat. Sla het op als UTF-8-tekst (Unicode) en open het opnieuw.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>er is niet genoeg geheugen om het te lezen.</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>het lezen is mislukt (%1).</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>het pakket bevat geen bestand met die naam</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>dit soort lijst bevat geen media</translation>
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
        <translation>De voortgang kan niet worden opgeslagen in ‘%1’ (%2).</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>de map kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>Het voortgangsbestand was beschadigd. Het is bewaard als ‘%1’ en er is een nieuw begonnen.</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>het bestand daar kon niet eerst worden gelezen: het voortgangsbestand is bezet</translation>
    </message>
</context>
</TS>
