<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>ce n&apos;est pas une image PNG, JPEG, GIF ou WebP</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>elle dépasse la taille permise pour une image (32&#xa0;Mo, 64&#xa0;mégapixels)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>elle est endommagée</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>L&apos;image «&#xa0;%s&#xa0;» ne peut pas être affichée&#xa0;: %s. L&apos;exercice continue sans elle.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>Dû %s</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveaux</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>Boîte %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>Sus (boîtes 5 à 7)</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Dus aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>Dus demain</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>Réponses aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>Justes du premier coup aujourd&apos;hui</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>pas encore de réponse</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>Réponses des 14 derniers jours</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>Dont justes du premier coup</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>1 fichier d&apos;une autre machine n&apos;a pas pu être lu&#xa0;: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>%d fichier d&apos;autres machines n&apos;a pas pu être lu&#xa0;: %s</numerusform>
            <numerusform>%d fichiers d&apos;autres machines n&apos;ont pas pu être lus&#xa0;: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>La mémoire est désactivée&#xa0;; il n&apos;y a donc aucune progression à afficher. Activez «&#xa0;Retenir la progression&#xa0;» (Ctrl+M) dans le menu contextuel, et les réponses seront conservées à partir de ce moment.</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Entrées par boîte</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>Dus dans les 14 prochains jours (aujourd&apos;hui avec les retards)</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>Réponses des 14 derniers jours</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Justes du premier coup</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>Langues&#xa0;: %s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>Images&#xa0;: %d sur %n entrée</numerusform>
            <numerusform>Images&#xa0;: %d sur %n entrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>Enregistrements&#xa0;: %d sur %n entrée</numerusform>
            <numerusform>Enregistrements&#xa0;: %d sur %n entrées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>Retenir la progression</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>La progression ne peut pas être conservée&#xa0;: %s.</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation> L&apos;exercice continue sans elle.</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>La progression de cette machine ne peut pas être écrite dans le dossier de progression «&#xa0;%s&#xa0;» (%s). Elle est conservée ici et y sera écrite plus tard.</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>Entraînement libre&#xa0;: plus rien n&apos;est dû aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>Plus rien n&apos;est dû aujourd&apos;hui.</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform> %d mot est dû demain.</numerusform>
            <numerusform> %d mots sont dus demain.</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation> De nouveaux mots arrivent demain.</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation> Les suivants sont dus le %s.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation> Les réponses sont conservées et seront enregistrées dès que possible.</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>La progression de cette liste n&apos;a pas pu être oubliée.</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Oublier la progression</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Ouvrez d&apos;abord un dictionnaire.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>Sauvegarde : un autre programme tient le fichier</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>Prononcer</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>L&apos;enregistrement «&#xa0;%s&#xa0;» ne peut pas être lu&#xa0;: %s. Le mot est prononcé à la place.</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Aucune voix installée ne parle %s&#xa0;; les mots ne peuvent donc pas être prononcés. Des voix pour une centaine de langues s&apos;installent avec «&#xa0;apt install speech-dispatcher-espeak-ng&#xa0;».</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>la langue du bureau</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Les mots ne peuvent pas être prononcés&#xa0;: aucun serveur vocal ne répond. Installez speech-dispatcher avec ses voix&#xa0;: «&#xa0;apt install speech-dispatcher-espeak-ng&#xa0;».</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>Les mots ne peuvent pas être prononcés&#xa0;: il n&apos;y a aucun périphérique audio. Branchez-en un ou démarrez le serveur de son du bureau («&#xa0;apt install pulseaudio&#xa0;»).</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Les mots ne peuvent pas être prononcés&#xa0;: le module vocal du programme n&apos;est pas installé. Réinstallez le programme, et les voix avec «&#xa0;apt install speech-dispatcher-espeak-ng&#xa0;».</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>Comme l&apos;indique la liste</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>il ne contient aucun son lisible</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>Aucune voix installée ne parle %s, et aucune des voix proposées par Debian non plus&#xa0;; les mots ne peuvent donc pas être prononcés. Une voix d&apos;un autre fournisseur peut être configurée pour speech-dispatcher avec «&#xa0;spd-conf&#xa0;».</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Langue des significations</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Langue des mots</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>Interroger en sens in&amp;verse&#xa0;: actuellement %s	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>Les mots ne peuvent pas être prononcés&#xa0;: le serveur vocal, speech-dispatcher, est installé mais ne démarre pas. «&#xa0;spd-say hello&#xa0;» dans un terminal en indique la raison.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>Les mots ne peuvent pas être prononcés&#xa0;: il n&apos;y a aucun périphérique audio. Branchez-en un ou démarrez le serveur de son du bureau.</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>Comme le bureau</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>La langue est affichée, mais elle ne pourra pas être conservée au prochain démarrage&#xa0;: le fichier de configuration ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Langue de l&apos;interface</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>SUIVANT</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉBUT</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>Cliquez sur «&#xa0;DÉBUT&#xa0;» pour commencer&#xa0;!!</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Ouvrez d&apos;abord un dictionnaire.</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>Du sens au mot&#xa0;: la question est un sens, les lignes proposent des mots.</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>Du mot au sens&#xa0;: la question est un mot, les lignes proposent des sens.</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>Listes de mots (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionnaires (*.dic)|*.dic|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%s&#xa0;».</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>Échec de l&apos;ouverture&#xa0;!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%s&#xa0;»&#xa0;: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>Dictionnaire trop grand. Les mots après le %de seront ignorés.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Attention&#xa0;!</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Impossible de lire le fichier «&#xa0;%s&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>Ce dictionnaire contient %d mot.</numerusform>
            <numerusform>Ce dictionnaire contient %d mots.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>Ouverture réussie&#xa0;!</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>Désolé. Ce dictionnaire est trop petit (%d) pour être utilisé.</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>Erreurs dans le dictionnaire.</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ JUSTE&#xa0;!</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Juste&#xa0;!</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>N°%d, J=%d, F=%d, Score=%L5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Oublier la progression</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>Oublier ce qui a été appris de chaque mot de «&#xa0;%s&#xa0;»&#xa0;? Cette action est irréversible.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>afficher la progression avec la liste de mots FILE et quitter</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>conserver la progression dans DIR pour cette exécution</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>Utilisation : %s [OPTION]... [FILE]
Démarre %s et ouvre FILE s’il est indiqué. Si %s tourne déjà, sa fenêtre
passe au premier plan à la place et ouvre FILE.

      --help      afficher cette aide et quitter
      --version   afficher la version et quitter
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  afficher l’heure du premier affichage et quitter

Les options propres à Qt, comme -platform, -style, -display et -session,
sont acceptées comme par tout programme Qt.
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s : l’option « --%s » demande un argument
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s : option inconnue « %s » (essayez « %s --help »)
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>&amp;Ouvrir…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>Question &amp;suivante	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>À &amp;propos	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>Pro&amp;grès…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>&amp;Effacer le bloc-notes	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>Pronon&amp;cer	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>Prononcer chaque q&amp;uestion</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>&amp;Langue des mots…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>Langue des sig&amp;nifications…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>Interroger en sens in&amp;verse	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>Copier les mots &amp;manqués	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>&amp;Retenir la progression	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>Ou&amp;blier la progression de cette liste…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>&amp;Dossier de progression…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>&amp;Agrandir	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>Ré&amp;trécir	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>&amp;Zoom 100&#xa0;%	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Quitter	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>Langue de l&apos;&amp;interface…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>R&amp;éfléchir d&apos;abord	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>Pause avant les c&amp;hoix (%d&#xa0;s)…</translation>
    </message>
    <message>
        <source>%d s</source>
        <translation>%d&#xa0;s</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>ZANTOLI 1.7 for CE</source>
        <translation>ZANTOLI 1.7 pour CE</translation>
    </message>
    <message>
        <source>The meaning on line 1 belongs to the word (key 1)</source>
        <translation>Le sens de la ligne 1 correspond au mot (touche 1)</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>Choix 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>Le sens de la ligne 2 correspond au mot (touche 2)</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>Choix 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>Le sens de la ligne 3 correspond au mot (touche 3)</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>Choix 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>Le sens de la ligne 4 correspond au mot (touche 4)</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>Choix 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>Le sens de la ligne 5 correspond au mot (touche 5)</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>Choix 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>Le sens de la ligne 6 correspond au mot (touche 6)</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>Choix 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OUVRIR</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>Ouvrir un dictionnaire (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>Ouvrir un dictionnaire</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉBUT</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>Question suivante (N ou Entrée)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>Commencer ou question suivante</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Ligne 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Ligne 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Ligne 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Ligne 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Ligne 5</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>Ligne 6</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>INFOS</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>À propos de ce programme (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>Effacer le bloc-notes (Suppr)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>Effacer le bloc-notes</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Entrées par boîte</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>Entrées dues dans les 14 prochains jours</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>Réponses de chacun des 14 derniers jours</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>La progression en chiffres</translation>
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
        <translation>les lecteurs du programme (zantoli-lists.so et zantoli-packages.so) ne peuvent pas être chargés&#xa0;; réinstallez le programme</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>il n’y a pas assez de mémoire pour le lire.</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>Aucun mot n&apos;a été manqué depuis le chargement de la liste.</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>Copier les mots manqués</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>Tapez pour rechercher</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>la mémoire est désactivée</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%s&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%s&#xa0;»&#xa0;: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Impossible de lire le fichier «&#xa0;%s&#xa0;».</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>sa collection est endommagée&#xa0;; le paquet ne peut pas être lu.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>il a été créé par une version d&apos;Anki plus récente que celle que ce programme sait lire. Dans Anki, exportez-le de nouveau en cochant «&#xa0;Prendre en charge les anciennes versions d&apos;Anki&#xa0;».</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>c&apos;est un paquet zip, mais pas un paquet Anki&#xa0;: il ne contient aucune collection.</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>ce n&apos;est pas un paquet Anki&#xa0;: sa collection ne contient aucune note.</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>ses types de notes ne peuvent pas être lus&#xa0;; le paquet est endommagé.</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>sa collection est enregistrée sous une forme (version %1) que ce programme ne connaît pas.</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>sa collection n&apos;est pas une base de données Anki&#xa0;; le paquet est endommagé.</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>sa collection est beaucoup trop longue à lire&#xa0;; le paquet est endommagé.</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>sa collection est endommagée (%1).</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>la liste des médias du paquet est endommagée</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>son nom mène hors du paquet</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>il dépasse %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>un champ qui commence par un guillemet à la ligne %1 ne se termine jamais&#xa0;; son &quot; fermant manque.</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>il n&apos;a qu&apos;une colonne. Une liste de mots a besoin du mot dans la première colonne et de son sens dans la deuxième.</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>ce n&apos;est pas un fichier KVTML&#xa0;: les listes de mots KVTML sont en XML.</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>il se termine trop tôt&#xa0;; le fichier est tronqué ou incomplet.</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>son XML est cassé à la ligne %1 (%2).</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>il contient bien plus de balises qu&apos;aucune liste de mots.</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>c&apos;est un fichier XML, mais pas une liste de mots KVTML.</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>il est enregistré en KVTML version %1&#xa0;; seul KVTML 2.0 peut être ouvert.</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>ses éléments sont bien trop imbriqués pour une liste de mots.</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>il déclare ses propres entités XML, dont aucune liste de mots n&apos;a besoin.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>ce n&apos;est pas un classeur&#xa0;: il ne contient aucun tableau.</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>ce n&apos;est pas un paquet qui contient une liste de mots.</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>son nom mène hors du dossier de la liste</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>il n&apos;y a pas de tel fichier à côté de la liste</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>ce n&apos;est pas un fichier du dossier de la liste</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>ce n&apos;est pas un fichier son (mp3, Ogg, WAV ou FLAC)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>il contient zéro octet&#xa0;; ce n&apos;est donc pas un fichier texte.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>ce n&apos;est pas du texte UTF-8. Enregistrez-le en texte UTF-8 (Unicode) et rouvrez-le.</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>ce n&apos;est pas du texte UTF-16 valide.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>le fichier est vide.</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>ce n&apos;est pas un fichier mais un périphérique.</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>c&apos;est un document de traitement de texte&#xa0;: enregistrez-le en texte brut (UTF-8).</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>c&apos;est un document Office 97-2003, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>c&apos;est une archive zip, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>c&apos;est un document PDF, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>c&apos;est une image PNG, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>c&apos;est une image JPEG, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>c&apos;est une image GIF, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>c&apos;est une image WebP, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>c&apos;est un programme, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>c&apos;est une base de données SQLite, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>c&apos;est un fichier compressé avec gzip, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>c&apos;est un fichier compressé avec bzip2, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>c&apos;est un fichier compressé avec xz, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>c&apos;est un fichier compressé avec zstd, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>c&apos;est une archive 7z, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>c&apos;est une archive RAR, pas une liste de mots.</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>il dépasse %1&#xa0;Mo, bien trop pour une liste de mots.</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>il ne contient aucun mot. Chaque entrée a besoin d&apos;un mot et de son sens.</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>son classeur ne contient aucune feuille lisible.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>sa partie «&#xa0;%1&#xa0;» contient bien plus de balises qu&apos;aucune liste de mots.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>sa partie «&#xa0;%1&#xa0;» n&apos;est pas du XML bien formé (%2).</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>il est protégé par un mot de passe. Enregistrez-le sans mot de passe et rouvrez-le.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>sa partie «&#xa0;%1&#xa0;» est endommagée et ne peut pas être décompressée (%2).</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>ce n&apos;est pas un paquet zip, comme le sont les paquets Anki et les classeurs.</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>il est tronqué ou endommagé&#xa0;: son répertoire zip ne peut pas être lu.</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>ce n&apos;est pas un paquet zip.</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>il ne peut pas être ouvert comme paquet zip.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>sa partie «&#xa0;%1&#xa0;» désigne un emplacement hors du paquet.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>sa partie «&#xa0;%1&#xa0;» manque.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>sa partie «&#xa0;%1&#xa0;» est chiffrée. Enregistrez-le sans mot de passe et rouvrez-le.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>sa partie «&#xa0;%1&#xa0;» est compressée d&apos;une façon que ce programme ne sait pas décompresser.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>sa partie «&#xa0;%1&#xa0;» est plus grande que ne l&apos;indique le paquet&#xa0;; le fichier est endommagé.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>sa partie «&#xa0;%1&#xa0;» dépasserait %2&#xa0;Mo une fois décompressée, bien trop pour une liste de mots.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>sa partie «&#xa0;%1&#xa0;» dépasserait %2 fois sa taille compressée, comme seule une bombe zip le fait.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>ce n’est pas du texte UTF-8, et le programme ne peut pas reconnaître son codage. Enregistrez-le en texte UTF-8 (Unicode) et rouvrez-le.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>il n’y a pas assez de mémoire pour le lire.</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>sa lecture a échoué (%1).</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>le paquet ne contient aucun fichier de ce nom</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>ce type de liste ne contient pas de médias</translation>
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
        <translation>La progression ne peut pas être enregistrée dans «&#xa0;%1&#xa0;» (%2).</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>Le fichier de progression était endommagé. Il a été conservé sous «&#xa0;%1&#xa0;», et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>le fichier qui s&apos;y trouve n&apos;a pas pu être lu d&apos;abord&#xa0;: le fichier de progression est occupé</translation>
    </message>
</context>
</TS>
