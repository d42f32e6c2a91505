<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>no es una imagen PNG, JPEG, GIF o WebP</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>es más grande de lo que puede ser una imagen (32 MB, 64 megapíxeles)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañada</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>No se puede mostrar la imagen «%s»: %s. La práctica continúa sin ella.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>Pendientes el %s</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevas</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>Caja %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>Sabidas (cajas 5 a 7)</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Pendientes hoy</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>Pendientes mañana</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>Respuestas de hoy</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>Acertadas a la primera hoy</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>aún no hay respuestas</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>Respuestas de los últimos 14 días</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>De ellas, acertadas a la primera</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>No se pudo leer 1 archivo de otro equipo: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>No se pudo leer %d archivo de otros equipos: %s</numerusform>
            <numerusform>No se pudieron leer %d archivos de otros equipos: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>La memoria está desactivada, así que no hay progreso que mostrar. Active «Recordar el progreso» (Ctrl+M) en el menú contextual y a partir de entonces se guardarán las respuestas.</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Entradas por caja</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>Pendientes en los próximos 14 días (hoy, con las atrasadas)</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>Respuestas de los últimos 14 días</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Acertadas a la primera</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>Idiomas: %s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>Imágenes: %d de %n entrada</numerusform>
            <numerusform>Imágenes: %d de %n entradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>Grabaciones: %d de %n entrada</numerusform>
            <numerusform>Grabaciones: %d de %n entradas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>Recordar el progreso</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>No se puede guardar el progreso: %s.</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation> La práctica sigue sin él.</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>El progreso de este equipo no se puede escribir en la carpeta del progreso «%s» (%s). Se guarda aquí y se volverá a escribir allí más tarde.</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>Práctica libre: hoy no queda nada pendiente.</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>Hoy no queda nada pendiente.</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform> Mañana toca repasar %d palabra.</numerusform>
            <numerusform> Mañana toca repasar %d palabras.</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation> Mañana llegan palabras nuevas.</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation> Las siguientes tocan el %s.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>¡Bien hecho!</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation> Las respuestas se conservan y se guardarán en cuanto sea posible.</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>No se pudo olvidar el progreso de esta lista.</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Olvidar el progreso</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Abra primero un diccionario.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>Guardando: otro programa usa el archivo</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>Pronunciar</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>No se puede reproducir la grabación «%s»: %s. En su lugar se pronuncia la palabra.</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Ninguna voz instalada habla %s, así que no se pueden pronunciar las palabras. Hay voces para un centenar de idiomas con «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>el idioma del escritorio</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>No se pueden pronunciar las palabras: no responde ningún servidor de voz. Instale speech-dispatcher con sus voces: «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>No se pueden pronunciar las palabras: no hay ningún dispositivo de sonido. Conecte uno o inicie el servidor de sonido del escritorio («apt install pulseaudio»).</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>No se pueden pronunciar las palabras: el módulo de voz del programa no está instalado. Vuelva a instalar el programa, y las voces con «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>Como indica la lista</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>no contiene ningún sonido reproducible</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacía</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>Ninguna voz instalada habla %s, ni tampoco ninguna de las que ofrece Debian, así que no se pueden pronunciar las palabras. Se puede configurar una voz de otro proveedor para speech-dispatcher con «spd-conf».</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Idioma de los significados</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Idioma de las palabras</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>Preguntar al re&amp;vés: ahora %s	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>No se pueden pronunciar las palabras: el servidor de voz, speech-dispatcher, está instalado pero no se inicia. «spd-say hello» en una terminal indica por qué.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>No se pueden pronunciar las palabras: no hay ningún dispositivo de sonido. Conecte uno o inicie el servidor de sonido del escritorio.</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>Como el escritorio</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>El idioma se muestra, pero no se podrá conservar para el próximo inicio: no se puede escribir el archivo de configuración.</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>SIGUIENTE</translation>
    </message>
    <message>
        <source>START</source>
        <translation>EMPEZAR</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>¡¡Pulse «EMPEZAR» para comenzar!!</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Abra primero un diccionario.</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>De significado a palabra: la pregunta es un significado y las líneas ofrecen palabras.</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>De palabra a significado: la pregunta es una palabra y las líneas ofrecen significados.</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>Listas de palabras (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Diccionarios (*.dic)|*.dic|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>No se puede abrir el archivo «%s».</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>¡No se pudo abrir!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>No se puede abrir «%s»: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>Diccionario demasiado grande. Se omitirán las palabras a partir de la %d.ª.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>¡Atención!</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>No se puede leer el archivo «%s».</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>Este diccionario contiene %d palabra.</numerusform>
            <numerusform>Este diccionario contiene %d palabras.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>¡Abierto correctamente!</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>Lo siento. Este diccionario es demasiado pequeño (%d) para usarlo.</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>Errores en el diccionario.</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>¡OK~ CORRECTO!</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>N.º %d, A=%d, F=%d, Puntuación=%L5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Olvidar el progreso</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>¿Olvidar lo aprendido de todas las palabras de «%s»? No se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>mostrar el progreso con la lista de palabras FILE y salir</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>guardar el progreso en DIR durante esta ejecución</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>Uso: %s [OPTION]... [FILE]
Inicia %s y abre FILE si se indica. Si %s ya se está ejecutando, su ventana
pasa al frente en su lugar y abre FILE.

      --help      mostrar esta ayuda y salir
      --version   mostrar la versión y salir
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  mostrar la hora del primer dibujado y salir

Las opciones propias de Qt, como -platform, -style, -display y -session,
se aceptan como en cualquier programa Qt.
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s: la opción «--%s» necesita un argumento
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s: opción desconocida «%s» (pruebe «%s --help»)
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>&amp;Abrir…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>Pregu&amp;nta siguiente	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>Acerca &amp;de	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>&amp;Progreso…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>&amp;Borrar el bloc de notas	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>Pron&amp;unciar	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>Pronunciar cada pr&amp;egunta</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>&amp;Idioma de las palabras…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>Idioma de los si&amp;gnificados…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>Preguntar al re&amp;vés	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>Copiar las palabras &amp;falladas	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>&amp;Recordar el progreso	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>&amp;Olvidar el progreso de esta lista…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>Carpe&amp;ta del progreso…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>A&amp;mpliar	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>Redu&amp;cir	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>Tamaño origina&amp;l	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Salir	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>Idioma de la interfa&amp;z…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>&amp;Hacer memoria primero	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>Pausa antes de &amp;que aparezcan las opciones (%d s)…</translation>
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
        <translation>ZANTOLI 1.7 para CE</translation>
    </message>
    <message>
        <source>The meaning on line 1 belongs to the word (key 1)</source>
        <translation>El significado de la línea 1 corresponde a la palabra (tecla 1)</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>Opción 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>El significado de la línea 2 corresponde a la palabra (tecla 2)</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>Opción 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>El significado de la línea 3 corresponde a la palabra (tecla 3)</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>Opción 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>El significado de la línea 4 corresponde a la palabra (tecla 4)</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>Opción 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>El significado de la línea 5 corresponde a la palabra (tecla 5)</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>Opción 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>El significado de la línea 6 corresponde a la palabra (tecla 6)</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>Opción 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ABRIR</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>Abrir un diccionario (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>Abrir un diccionario</translation>
    </message>
    <message>
        <source>START</source>
        <translation>EMPEZAR</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>Pregunta siguiente (N o Intro)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>Empezar o pregunta siguiente</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Línea 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Línea 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Línea 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Línea 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Línea 5</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>Línea 6</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>Acerca de este programa (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>Borrar el bloc de notas (Supr)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>Borrar el bloc de notas</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Entradas por caja</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>Entradas pendientes en los próximos 14 días</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>Respuestas de cada uno de los últimos 14 días</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>El progreso en cifras</translation>
    </message>
</context>
<context>
    <name>DialogWindow</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ListLibrary</name>
    <message>
        <source>the program&apos;s readers (zantoli-lists.so and zantoli-packages.so) cannot be loaded; reinstall the program</source>
        <translation>no se pueden cargar los lectores del programa (zantoli-lists.so y zantoli-packages.so); vuelva a instalar el programa</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>no hay memoria suficiente para leerlo.</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>No se ha fallado ninguna palabra desde que se cargó la lista.</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>Copiar las palabras falladas</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>Escriba para buscar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>la memoria está desactivada</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>No se puede abrir el archivo «%s».</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>No se puede abrir «%s»: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>No se puede leer el archivo «%s».</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>su colección está dañada; no se puede leer el mazo.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>se creó con una versión de Anki más reciente de la que este programa sabe leer. En Anki, expórtelo de nuevo marcando «Compatibilidad con versiones antiguas de Anki».</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>es un paquete zip, pero no un mazo de Anki: no contiene ninguna colección.</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>no es un mazo de Anki: su colección no contiene notas.</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>no se pueden leer sus tipos de nota; el mazo está dañado.</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>su colección está guardada en un formato (versión %1) que este programa no conoce.</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>su colección no es una base de datos de Anki; el mazo está dañado.</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>su colección tarda demasiado en leerse; el mazo está dañado.</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>su colección está dañada (%1).</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>la lista de medios del mazo está dañada</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>su nombre lleva fuera del mazo</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañada</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>supera los %1 MB</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>un campo que empieza con comillas en la línea %1 nunca termina; falta su &quot; de cierre.</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>solo tiene una columna. Una lista de palabras necesita la palabra en la primera columna y su significado en la segunda.</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>no es un archivo KVTML: las listas de palabras KVTML son XML.</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>termina demasiado pronto; el archivo está cortado o incompleto.</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>su XML está roto en la línea %1 (%2).</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>contiene muchas más etiquetas que cualquier lista de palabras.</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>es un archivo XML, pero no una lista de palabras KVTML.</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>está guardado en KVTML versión %1; solo se puede abrir KVTML 2.0.</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>sus elementos están anidados demasiado para una lista de palabras.</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>declara entidades XML propias, que ninguna lista de palabras necesita.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>no es una hoja de cálculo: no contiene ninguna tabla.</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>no es un paquete que contenga una lista de palabras.</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>su nombre lleva fuera de la carpeta de la lista</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>no existe tal archivo junto a la lista</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>no es un archivo de la carpeta de la lista</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>no es un archivo de sonido (mp3, Ogg, WAV o FLAC)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>tiene cero bytes, así que no es un archivo de texto.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>no es texto UTF-8. Guárdelo como texto UTF-8 (Unicode) y vuelva a abrirlo.</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>no es texto UTF-16 válido.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>el archivo está vacío.</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>no es un archivo, sino un dispositivo.</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>es un documento de procesador de textos: guárdelo como texto sin formato (UTF-8).</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>es un documento de Office 97-2003, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>es un archivo zip, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>es un documento PDF, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>es una imagen PNG, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>es una imagen JPEG, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>es una imagen GIF, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>es una imagen WebP, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>es un programa, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>es una base de datos SQLite, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>es un archivo comprimido con gzip, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>es un archivo comprimido con bzip2, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>es un archivo comprimido con xz, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>es un archivo comprimido con zstd, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>es un archivo 7z, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>es un archivo RAR, no una lista de palabras.</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>supera los %1 MB, demasiado para una lista de palabras.</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>no contiene palabras. Cada entrada necesita una palabra y su significado.</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>su libro no contiene ninguna hoja que se pueda leer.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>su parte «%1» contiene muchas más etiquetas que cualquier lista de palabras.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>su parte «%1» no es XML bien formado (%2).</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>está protegido con contraseña. Guárdelo sin contraseña y vuelva a abrirlo.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>su parte «%1» está dañada y no se puede descomprimir (%2).</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>no es un paquete zip, como lo son los mazos y las hojas de cálculo.</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>está cortado o dañado: no se puede leer su directorio zip.</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>no es un paquete zip.</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>no se puede abrir como paquete zip.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>su parte «%1» apunta a un lugar fuera del paquete.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>falta su parte «%1».</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>su parte «%1» está cifrada. Guárdelo sin contraseña y vuelva a abrirlo.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>su parte «%1» está comprimida de una forma que este programa no sabe descomprimir.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>su parte «%1» es mayor de lo que indica el paquete; el archivo está dañado.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>su parte «%1» ocuparía más de %2 MB al descomprimirse, demasiado para una lista de palabras.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>su parte «%1» ocuparía más de %2 veces su tamaño comprimido, como solo hace una bomba zip.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>no es texto UTF-8 y el programa no puede saber en qué codificación está. Guárdelo como texto UTF-8 (Unicode) y vuelva a abrirlo.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>no hay memoria suficiente para leerlo.</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>no se pudo leer (%1).</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>el mazo no contiene ningún archivo con ese nombre</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>este tipo de lista no guarda archivos multimedia</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>dddd, d MMMM</source>
        <comment>A day as Qt&apos;s QDate::toString formats it: Friday, 11 December</comment>
        <translation>dddd, d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>Progress cannot be saved in &quot;%1&quot; (%2).</source>
        <translation>No se puede guardar el progreso en «%1» (%2).</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>El archivo de progreso estaba dañado. Se ha conservado como «%1» y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>no se pudo leer antes el archivo que hay allí: el archivo de progreso está ocupado</translation>
    </message>
</context>
</TS>
