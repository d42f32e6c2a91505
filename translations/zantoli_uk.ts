<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>це не зображення PNG, JPEG, GIF або WebP</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>воно більше, ніж дозволено для зображення (32 МБ, 64 мегапікселі)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>воно пошкоджене</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>Неможливо показати зображення «%s»: %s. Вправа триває без нього.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Зображення</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>сьогодні</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>До повторення %s</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нові</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>Скринька %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>Вивчені (скриньки 5–7)</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>До повторення сьогодні</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>До повторення завтра</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>Відповідей сьогодні</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>Правильно з першої спроби сьогодні</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>відповідей ще немає</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>Відповідей за останні 14 днів</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>З них правильно з першої спроби</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>Не вдалося прочитати 1 файл з іншого комп’ютера: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>Не вдалося прочитати %d файл з інших комп’ютерів: %s</numerusform>
            <numerusform>Не вдалося прочитати %d файли з інших комп’ютерів: %s</numerusform>
            <numerusform>Не вдалося прочитати %d файлів з інших комп’ютерів: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>Пам’ять вимкнено, тож показувати нічого. Увімкніть «Запам’ятовувати поступ» (Ctrl+M) у контекстному меню, і відтоді відповіді зберігатимуться.</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Записів у скриньках</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>До повторення в найближчі 14 днів (сьогодні разом із простроченими)</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>Відповіді за останні 14 днів</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Відповіді</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Правильно з першої спроби</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>Мови: %s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>Зображення: %d з %n статті</numerusform>
            <numerusform>Зображення: %d з %n статей</numerusform>
            <numerusform>Зображення: %d з %n статей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>Записи: %d з %n статті</numerusform>
            <numerusform>Записи: %d з %n статей</numerusform>
            <numerusform>Записи: %d з %n статей</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>Запам’ятовувати поступ</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>Поступ неможливо зберегти: %s.</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation> Вправа триває без нього.</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>Поступ цього комп’ютера неможливо записати до теки поступу «%s» (%s). Його збережено тут, і пізніше його буде записано туди.</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>Вільна вправа: на сьогодні більше нічого повторювати.</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>На сьогодні більше нічого повторювати.</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform> Завтра до повторення %d слово.</numerusform>
            <numerusform> Завтра до повторення %d слова.</numerusform>
            <numerusform> Завтра до повторення %d слів.</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation> Завтра з’являться нові слова.</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation> Наступні — до повторення %s.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Чудово!</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation> Відповіді збережено, їх буде записано, щойно це стане можливим.</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>Не вдалося забути поступ цього списку.</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Забути поступ</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Спершу відкрийте словник.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Поступ</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>Збереження: файл зайнятий іншою програмою</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>Вимовити</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>Неможливо відтворити запис «%s»: %s. Замість нього слово буде вимовлено.</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Жоден встановлений голос не говорить мовою «%s», тож слова неможливо вимовити. Голоси приблизно для ста мов встановлює «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>мова стільниці</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Слова неможливо вимовити: не відповідає жоден мовний сервер. Встановіть speech-dispatcher з голосами: «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>Слова неможливо вимовити: немає звукового пристрою. Під’єднайте його або запустіть звуковий сервер стільниці («apt install pulseaudio»).</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Слова неможливо вимовити: мовний модуль програми не встановлено. Перевстановіть програму, а голоси — командою «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>Як указано в списку</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>у ньому немає звуку, який можна відтворити</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>він порожній</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>Жоден встановлений голос не говорить мовою «%s», і жоден із голосів, які пропонує Debian, теж, тож слова неможливо вимовити. Голос іншого виробника можна налаштувати для speech-dispatcher командою «spd-conf».</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Мова значень</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Мова слів</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>Питати &amp;навпаки: зараз %s	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>Слова неможливо вимовити: мовний сервер speech-dispatcher встановлено, але він не запускається. Команда «spd-say hello» у терміналі покаже причину.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>Слова неможливо вимовити: немає звукового пристрою. Під’єднайте його або запустіть звуковий сервер стільниці.</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>Як на стільниці</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>Мову показано, але її не вдасться зберегти до наступного запуску: файл налаштувань недоступний для запису.</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Мова інтерфейсу</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>ДАЛІ</translation>
    </message>
    <message>
        <source>START</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>Натисніть «СТАРТ», щоб почати!!</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Спершу відкрийте словник.</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>Від значення до слова: питання — значення, рядки пропонують слова.</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>Від слова до значення: питання — слово, рядки пропонують значення.</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>Списки слів (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Словники (*.dic)|*.dic|Усі файли (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Неможливо відкрити файл «%s».</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>Не вдалося відкрити!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Неможливо відкрити «%s»: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>Словник завеликий. Слова після %d-го буде пропущено.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Увага!</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Неможливо прочитати файл «%s».</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>Цей словник містить %d слово.</numerusform>
            <numerusform>Цей словник містить %d слова.</numerusform>
            <numerusform>Цей словник містить %d слів.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>Відкрито успішно!</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>На жаль, цей словник замалий (%d) для вправ.</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>Помилки у словнику.</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ ПРАВИЛЬНО!</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Правильно!</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>№%d, П=%d, Н=%d, Бал=%L5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Забути поступ</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>Забути все вивчене з кожного слова в «%s»? Цю дію неможливо скасувати.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>вивести поступ зі списком слів FILE і вийти</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>зберігати поступ у DIR під час цього запуску</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>Використання: %s [OPTION]... [FILE]
Запускає %s і відкриває FILE, якщо його вказано. Якщо %s уже працює,
натомість його вікно виходить на передній план і відкриває FILE.

      --help      показати цю довідку й вийти
      --version   показати версію й вийти
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  вивести час першого малювання й вийти

Власні параметри Qt, як-от -platform, -style, -display і -session,
приймаються, як і в будь-якій програмі Qt.
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s: параметру «--%s» потрібен аргумент
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s: невідомий параметр «%s» (спробуйте «%s --help»)
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>В&amp;ідкрити…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>Н&amp;аступне питання	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>П&amp;ро програму	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>&amp;Поступ…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>&amp;Очистити блокнот	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>В&amp;имовити	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>Вимов&amp;ляти кожне питання</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>&amp;Мова слів…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>Мова зна&amp;чень…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>Питати &amp;навпаки	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>&amp;Копіювати помилкові слова	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>Запам’&amp;ятовувати поступ	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>Забути поступ &amp;цього списку…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>&amp;Тека поступу…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>З&amp;більшити	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>&amp;Зменшити	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>Початкови&amp;й розмір	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Вийти	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>Мова інт&amp;ерфейсу…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>&amp;Спершу подумати	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>Па&amp;уза перед варіантами (%d с)…</translation>
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
        <translation>Значення в рядку 1 належить слову (клавіша 1)</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>Варіант 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>Значення в рядку 2 належить слову (клавіша 2)</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>Варіант 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>Значення в рядку 3 належить слову (клавіша 3)</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>Варіант 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>Значення в рядку 4 належить слову (клавіша 4)</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>Варіант 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>Значення в рядку 5 належить слову (клавіша 5)</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>Варіант 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>Значення в рядку 6 належить слову (клавіша 6)</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>Варіант 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ВІДКРИТИ</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>Відкрити словник (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>Відкрити словник</translation>
    </message>
    <message>
        <source>START</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>Наступне питання (N або Enter)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>Старт або наступне питання</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Питання</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Рядок 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Рядок 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Рядок 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Рядок 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Рядок 5</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>Рядок 6</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>ІНФО</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>Про цю програму (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>Очистити блокнот (Delete)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>Очистити блокнот</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Поступ</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Записів у скриньках</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>Записи до повторення в найближчі 14 днів</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>Відповіді за кожен з останніх 14 днів</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>Поступ у числах</translation>
    </message>
</context>
<context>
    <name>DialogWindow</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>ListLibrary</name>
    <message>
        <source>the program&apos;s readers (zantoli-lists.so and zantoli-packages.so) cannot be loaded; reinstall the program</source>
        <translation>модулі читання програми (zantoli-lists.so і zantoli-packages.so) не завантажуються; перевстановіть програму</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>недостатньо пам’яті, щоб його прочитати.</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>Відколи список завантажено, помилок не було.</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>Копіювати помилкові слова</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>Введіть для пошуку</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>пам’ять вимкнено</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Неможливо відкрити файл «%s».</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Неможливо відкрити «%s»: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Неможливо прочитати файл «%s».</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>Українська</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>його колекцію пошкоджено; колоду неможливо прочитати.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>його створено новішою версією Anki, ніж уміє читати ця програма. Експортуйте його в Anki знову з позначеним пунктом «Підтримка старіших версій Anki».</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>це zip-пакунок, але не колода Anki: у ньому немає колекції.</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>це не колода Anki: у її колекції немає нотаток.</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>типи її нотаток неможливо прочитати; колоду пошкоджено.</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>її колекцію збережено у форматі (версія %1), якого ця програма не знає.</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>її колекція — не база даних Anki; колоду пошкоджено.</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>її колекція читається надто довго; колоду пошкоджено.</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>її колекцію пошкоджено (%1).</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>список медіафайлів колоди пошкоджено</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>його назва веде за межі колоди</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>його пошкоджено</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>він більший за %1 МБ</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>поле, що починається з лапок у рядку %1, ніде не закінчується; бракує закривальної &quot;.</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>у ньому лише один стовпчик. Списку слів потрібні слово в першому стовпчику та його значення в другому.</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>це не файл KVTML: списки слів KVTML — це XML.</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>він уривається надто рано; файл обрізано або він неповний.</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>його XML порушено в рядку %1 (%2).</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>у ньому набагато більше розмітки, ніж у будь-якому списку слів.</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>це XML-файл, але не список слів KVTML.</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>його збережено в KVTML версії %1; відкрити можна лише KVTML 2.0.</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>його елементи вкладено надто глибоко для списку слів.</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>він оголошує власні XML-сутності, які не потрібні жодному списку слів.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>це не електронна таблиця: у ньому немає таблиці.</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>це не пакунок зі списком слів.</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>його назва веде за межі теки списку</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>поруч зі списком немає такого файлу</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>це не файл у теці списку</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>це не звуковий файл (mp3, Ogg, WAV або FLAC)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>у ньому нуль байтів, отже, це не текстовий файл.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>це не текст UTF-8. Збережіть його як текст UTF-8 (Unicode) і відкрийте знову.</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>це некоректний текст UTF-16.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>файл порожній.</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>це не файл, а пристрій.</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>це документ текстового процесора: збережіть його як звичайний текст (UTF-8).</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>це документ Office 97-2003, а не список слів.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>це zip-архів, а не список слів.</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>це документ PDF, а не список слів.</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>це зображення PNG, а не список слів.</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>це зображення JPEG, а не список слів.</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>це зображення GIF, а не список слів.</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>це зображення WebP, а не список слів.</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>це програма, а не список слів.</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>це база даних SQLite, а не список слів.</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>це файл, стиснений gzip, а не список слів.</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>це файл, стиснений bzip2, а не список слів.</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>це файл, стиснений xz, а не список слів.</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>це файл, стиснений zstd, а не список слів.</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>це архів 7z, а не список слів.</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>це архів RAR, а не список слів.</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>він більший за %1 МБ — забагато для списку слів.</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>у ньому немає слів. Кожному запису потрібні слово та його значення.</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>у його книзі немає жодного аркуша, який можна прочитати.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>його частина «%1» містить набагато більше розмітки, ніж будь-який список слів.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>його частина «%1» — некоректний XML (%2).</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>його захищено паролем. Збережіть його без пароля і відкрийте знову.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>його частину «%1» пошкоджено, її неможливо розпакувати (%2).</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>це не zip-пакунок, якими є колоди й таблиці.</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>його обрізано або пошкоджено: його каталог zip неможливо прочитати.</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>це не zip-пакунок.</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>його неможливо відкрити як zip-пакунок.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>його частина «%1» вказує на місце поза пакунком.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>бракує його частини «%1».</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>його частину «%1» зашифровано. Збережіть його без пароля і відкрийте знову.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>його частину «%1» запаковано у спосіб, який ця програма не вміє розпаковувати.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>його частина «%1» більша, ніж зазначено в пакунку; файл пошкоджено.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>його частина «%1» після розпакування займала б понад %2 МБ — забагато для списку слів.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>його частина «%1» після розпакування зросла б понад у %2 разів, як робить лише zip-бомба.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>це не текст UTF-8, і програма не може визначити його кодування. Збережіть його як текст UTF-8 (Unicode) і відкрийте знову.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>недостатньо пам’яті, щоб його прочитати.</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>читання не вдалося (%1).</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>у колоді немає файлу з такою назвою</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>списки такого виду не містять медіафайлів</translation>
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
        <translation>Неможливо зберегти поступ у «%1» (%2).</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>неможливо створити теку</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>Файл поступу було пошкоджено. Його збережено як «%1», і розпочато новий.</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>не вдалося спершу прочитати файл, що там лежить: файл успіхів зайнятий</translation>
    </message>
</context>
</TS>
