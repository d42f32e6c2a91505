<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>это не изображение PNG, JPEG, GIF или WebP</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>оно больше допустимого для изображения (32 МБ, 64 мегапикселя)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>оно повреждено</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>Невозможно показать изображение «%s»: %s. Упражнение продолжается без него.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>сегодня</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>К повторению %s</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новые</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>Ящик %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>Выучено (ящики 5–7)</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>К повторению сегодня</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>К повторению завтра</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>Ответов сегодня</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>Верно с первой попытки сегодня</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>ответов пока нет</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>Ответов за последние 14 дней</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>Из них верно с первой попытки</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>Не удалось прочитать 1 файл с другого компьютера: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>Не удалось прочитать %d файл с других компьютеров: %s</numerusform>
            <numerusform>Не удалось прочитать %d файла с других компьютеров: %s</numerusform>
            <numerusform>Не удалось прочитать %d файлов с других компьютеров: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>Память выключена, поэтому показывать нечего. Включите «Запоминать успехи» (Ctrl+M) в контекстном меню, и с этого момента ответы будут сохраняться.</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Записей в ящиках</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>К повторению в ближайшие 14 дней (сегодня вместе с просроченными)</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>Ответы за последние 14 дней</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Ответы</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Верно с первой попытки</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>Языки: %s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>Изображения: %d из %n статьи</numerusform>
            <numerusform>Изображения: %d из %n статей</numerusform>
            <numerusform>Изображения: %d из %n статей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>Записи: %d из %n статьи</numerusform>
            <numerusform>Записи: %d из %n статей</numerusform>
            <numerusform>Записи: %d из %n статей</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>Запоминать успехи</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>Успехи невозможно сохранить: %s.</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation> Тренировка продолжится без них.</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>Успехи этого компьютера невозможно записать в папку успехов «%s» (%s). Они сохранены здесь и будут записаны туда позже.</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>Свободная тренировка: на сегодня больше ничего не нужно повторять.</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>На сегодня больше ничего не нужно повторять.</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform> Завтра к повторению %d слово.</numerusform>
            <numerusform> Завтра к повторению %d слова.</numerusform>
            <numerusform> Завтра к повторению %d слов.</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation> Завтра появятся новые слова.</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation> Следующие — к повторению %s.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Отлично!</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation> Ответы сохранены и будут записаны, как только это станет возможно.</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>Не удалось забыть успехи этого списка.</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Забыть успехи</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Сначала откройте словарь.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Успехи</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>Сохранение: файл занят другой программой</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>Произнести</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>Невозможно воспроизвести запись «%s»: %s. Вместо неё слово будет произнесено.</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Ни один установленный голос не говорит на языке «%s», поэтому слова невозможно произнести. Голоса примерно для ста языков устанавливает «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>язык рабочего стола</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Слова невозможно произнести: не отвечает ни один речевой сервер. Установите speech-dispatcher с голосами: «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>Слова невозможно произнести: нет звукового устройства. Подключите его или запустите звуковой сервер рабочего стола («apt install pulseaudio»).</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Слова невозможно произнести: речевой модуль программы не установлен. Переустановите программу, а голоса — командой «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>Как указано в списке</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>в ней нет звука, который можно воспроизвести</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>она пуста</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>Ни один установленный голос не говорит на языке «%s», и ни один из голосов, которые предлагает Debian, тоже, поэтому слова невозможно произнести. Голос другого производителя можно настроить для speech-dispatcher командой «spd-conf».</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Язык значений</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Язык слов</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>&amp;Спрашивать наоборот: сейчас %s	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>Слова невозможно произнести: речевой сервер speech-dispatcher установлен, но не запускается. Команда «spd-say hello» в терминале покажет причину.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>Слова невозможно произнести: нет звукового устройства. Подключите его или запустите звуковой сервер рабочего стола.</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>Как на рабочем столе</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>Язык показан, но его не удастся сохранить до следующего запуска: файл настроек недоступен для записи.</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>ДАЛЕЕ</translation>
    </message>
    <message>
        <source>START</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>Нажмите «СТАРТ», чтобы начать!!</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Сначала откройте словарь.</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>От значения к слову: вопрос — значение, строки предлагают слова.</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>От слова к значению: вопрос — слово, строки предлагают значения.</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>Списки слов (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Словари (*.dic)|*.dic|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Невозможно открыть файл «%s».</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>Не удалось открыть!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Невозможно открыть «%s»: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>Словарь слишком велик. Слова после %d-го будут пропущены.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Невозможно прочитать файл «%s».</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>Этот словарь содержит %d слово.</numerusform>
            <numerusform>Этот словарь содержит %d слова.</numerusform>
            <numerusform>Этот словарь содержит %d слов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>Открыто успешно!</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>Увы, этот словарь слишком мал (%d) для занятий.</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>Ошибки в словаре.</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ ВЕРНО!</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Верно!</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>№%d, В=%d, О=%d, Балл=%L5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Забыть успехи</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>Забыть всё выученное по каждому слову из «%s»? Это действие нельзя отменить.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>вывести успехи по списку слов FILE и выйти</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>хранить успехи в DIR во время этого запуска</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>Использование: %s [OPTION]... [FILE]
Запускает %s и открывает FILE, если он указан. Если %s уже запущен,
вместо этого его окно выходит на передний план и открывает FILE.

      --help      показать эту справку и выйти
      --version   показать версию и выйти
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  вывести время первой отрисовки и выйти

Собственные параметры Qt, такие как -platform, -style, -display и -session,
принимаются, как и в любой программе Qt.
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s: параметру «--%s» нужен аргумент
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s: неизвестный параметр «%s» (попробуйте «%s --help»)
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>&amp;Открыть…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>С&amp;ледующий вопрос	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>О &amp;программе	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>&amp;Успехи…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>Очистить &amp;блокнот	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>П&amp;роизнести	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>Произносить &amp;каждый вопрос</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>&amp;Язык слов…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>Язык &amp;значений…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>&amp;Спрашивать наоборот	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>Копирова&amp;ть ошибочные слова	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>Запом&amp;инать успехи	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>Забыть успехи &amp;этого списка…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>П&amp;апка успехов…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>Ув&amp;еличить	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>У&amp;меньшить	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>Ис&amp;ходный размер	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Выход	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>Яз&amp;ык интерфейса…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>С&amp;начала подумать	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>Пауза пере&amp;д вариантами (%d с)…</translation>
    </message>
    <message>
        <source>%d s</source>
        <translation>%d с</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>ZANTOLI 1.7 for CE</source>
        <translation>ZANTOLI 1.7 для CE</translation>
    </message>
    <message>
        <source>The meaning on line 1 belongs to the word (key 1)</source>
        <translation>Значение в строке 1 относится к слову (клавиша 1)</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>Вариант 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>Значение в строке 2 относится к слову (клавиша 2)</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>Вариант 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>Значение в строке 3 относится к слову (клавиша 3)</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>Вариант 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>Значение в строке 4 относится к слову (клавиша 4)</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>Вариант 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>Значение в строке 5 относится к слову (клавиша 5)</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>Вариант 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>Значение в строке 6 относится к слову (клавиша 6)</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>Вариант 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ОТКРЫТЬ</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>Открыть словарь (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>Открыть словарь</translation>
    </message>
    <message>
        <source>START</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>Следующий вопрос (N или Enter)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>Старт или следующий вопрос</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Строка 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Строка 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Строка 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Строка 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Строка 5</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>Строка 6</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>ИНФО</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>О программе (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>Очистить блокнот (Delete)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>Очистить блокнот</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Успехи</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Записей в ящиках</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>Записи к повторению в ближайшие 14 дней</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>Ответы за каждый из последних 14 дней</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>Успехи в цифрах</translation>
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
        <translation>модули чтения программы (zantoli-lists.so и zantoli-packages.so) не загружаются; переустановите программу</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>недостаточно памяти, чтобы его прочитать.</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>С момента загрузки списка ошибок не было.</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>Копировать ошибочные слова</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>Введите для поиска</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>память выключена</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Невозможно открыть файл «%s».</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Невозможно открыть «%s»: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Невозможно прочитать файл «%s».</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>Русский</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>его коллекция повреждена; колоду невозможно прочитать.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>он создан более новой версией Anki, чем умеет читать эта программа. Экспортируйте его в Anki заново с отмеченным пунктом «Поддержка старых версий Anki».</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>это zip-пакет, но не колода Anki: в нём нет коллекции.</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>это не колода Anki: в её коллекции нет заметок.</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>типы её заметок невозможно прочитать; колода повреждена.</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>её коллекция сохранена в формате (версия %1), который эта программа не знает.</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>её коллекция — не база данных Anki; колода повреждена.</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>её коллекция читается слишком долго; колода повреждена.</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>её коллекция повреждена (%1).</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>список медиафайлов колоды повреждён</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>его имя ведёт за пределы колоды</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>она повреждена</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>она больше %1 МБ</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>поле, которое начинается с кавычки в строке %1, нигде не заканчивается; нет закрывающей &quot;.</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>в нём только один столбец. Списку слов нужны слово в первом столбце и его значение во втором.</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>это не файл KVTML: списки слов KVTML — это XML.</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>он обрывается слишком рано; файл обрезан или неполон.</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>его XML нарушен в строке %1 (%2).</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>в нём намного больше разметки, чем в любом списке слов.</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>это XML-файл, но не список слов KVTML.</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>он сохранён в KVTML версии %1; открыть можно только KVTML 2.0.</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>его элементы вложены слишком глубоко для списка слов.</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>он объявляет собственные XML-сущности, которые не нужны ни одному списку слов.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>это не электронная таблица: в нём нет таблицы.</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>это не пакет со списком слов.</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>её имя ведёт за пределы папки списка</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>рядом со списком нет такого файла</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>это не файл в папке списка</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>это не звуковой файл (mp3, Ogg, WAV или FLAC)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>в нём ноль байт, значит, это не текстовый файл.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>это не текст UTF-8. Сохраните его как текст UTF-8 (Unicode) и откройте снова.</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>это недопустимый текст UTF-16.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>файл пуст.</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>это не файл, а устройство.</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>это документ текстового редактора: сохраните его как обычный текст (UTF-8).</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>это документ Office 97-2003, а не список слов.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>это zip-архив, а не список слов.</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>это документ PDF, а не список слов.</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>это изображение PNG, а не список слов.</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>это изображение JPEG, а не список слов.</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>это изображение GIF, а не список слов.</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>это изображение WebP, а не список слов.</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>это программа, а не список слов.</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>это база данных SQLite, а не список слов.</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>это файл, сжатый gzip, а не список слов.</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>это файл, сжатый bzip2, а не список слов.</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>это файл, сжатый xz, а не список слов.</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>это файл, сжатый zstd, а не список слов.</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>это архив 7z, а не список слов.</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>это архив RAR, а не список слов.</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>он больше %1 МБ — слишком много для списка слов.</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>в нём нет слов. Каждой записи нужны слово и его значение.</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>в его книге нет ни одного листа, который можно прочитать.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>его часть «%1» содержит намного больше разметки, чем любой список слов.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>его часть «%1» — некорректный XML (%2).</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>он защищён паролем. Сохраните его без пароля и откройте снова.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>его часть «%1» повреждена и не распаковывается (%2).</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>это не zip-пакет, каким бывают колоды и таблицы.</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>он обрезан или повреждён: его каталог zip невозможно прочитать.</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>это не zip-пакет.</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>его невозможно открыть как zip-пакет.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>его часть «%1» указывает на место вне пакета.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>нет его части «%1».</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>его часть «%1» зашифрована. Сохраните его без пароля и откройте снова.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>его часть «%1» упакована способом, который эта программа не умеет распаковывать.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>его часть «%1» больше, чем указано в пакете; файл повреждён.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>его часть «%1» после распаковки заняла бы больше %2 МБ — слишком много для списка слов.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>его часть «%1» после распаковки выросла бы более чем в %2 раз, как делает только zip-бомба.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>это не текст UTF-8, и программа не может определить его кодировку. Сохраните его как текст UTF-8 (Unicode) и откройте снова.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>недостаточно памяти, чтобы его прочитать.</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>чтение не удалось (%1).</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>в колоде нет файла с таким именем</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>списки такого вида не содержат медиафайлов</translation>
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
        <translation>Невозможно сохранить успехи в «%1» (%2).</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>невозможно создать папку</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>Файл успехов был повреждён. Он сохранён как «%1», и начат новый.</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>не удалось сначала прочитать находящийся там файл: файл успехов занят</translation>
    </message>
</context>
</TS>
