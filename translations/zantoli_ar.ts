<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>ليست صورة PNG أو JPEG أو GIF أو WebP</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>أكبر مما يُسمح به للصورة (32 ميغابايت، 64 ميغابكسل)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>إنها تالفة</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>لا يمكن عرض الصورة «%s»: %s. يستمر التمرين بدونها.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>صورة</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>مستحق في %s</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديدة</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>الصندوق %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>محفوظة (الصناديق 5 إلى 7)</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>مستحق اليوم</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>مستحق غدًا</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>إجابات اليوم</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>صحيحة من المحاولة الأولى اليوم</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>لا إجابات بعد</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>الإجابات في آخر 14 يومًا</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>منها صحيحة من المحاولة الأولى</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>تعذرت قراءة ملف واحد من جهاز آخر: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>تعذرت قراءة %d ملف من أجهزة أخرى: %s</numerusform>
            <numerusform>تعذرت قراءة %d ملف من أجهزة أخرى: %s</numerusform>
            <numerusform>تعذرت قراءة ملفين (%d) من أجهزة أخرى: %s</numerusform>
            <numerusform>تعذرت قراءة %d ملفات من أجهزة أخرى: %s</numerusform>
            <numerusform>تعذرت قراءة %d ملفًا من أجهزة أخرى: %s</numerusform>
            <numerusform>تعذرت قراءة %d ملف من أجهزة أخرى: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>الذاكرة متوقفة، لذا لا يوجد تقدم لعرضه. شغّل «تذكر التقدم» (Ctrl+M) من قائمة السياق، وستُحفظ الإجابات من ذلك الحين.</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>المدخلات في كل صندوق</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>المستحق في الأيام الـ14 القادمة (اليوم مع المتأخر)</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>الإجابات في آخر 14 يومًا</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>الإجابات</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>صحيحة من المحاولة الأولى</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>اللغات: %s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>الصور: %d من أصل %n</numerusform>
            <numerusform>الصور: %d من أصل %n</numerusform>
            <numerusform>الصور: %d من أصل %n</numerusform>
            <numerusform>الصور: %d من أصل %n</numerusform>
            <numerusform>الصور: %d من أصل %n</numerusform>
            <numerusform>الصور: %d من أصل %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>التسجيلات: %d من أصل %n</numerusform>
            <numerusform>التسجيلات: %d من أصل %n</numerusform>
            <numerusform>التسجيلات: %d من أصل %n</numerusform>
            <numerusform>التسجيلات: %d من أصل %n</numerusform>
            <numerusform>التسجيلات: %d من أصل %n</numerusform>
            <numerusform>التسجيلات: %d من أصل %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>تذكر التقدم</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>لا يمكن حفظ التقدم: %s.</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation> يستمر التمرين من دونه.</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>لا يمكن كتابة تقدم هذا الجهاز في مجلد التقدم «%s» (%s). سيبقى محفوظًا هنا، وسيُكتب هناك لاحقًا.</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>تمرين حر: لا شيء مستحق اليوم بعد الآن.</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>لا شيء مستحق اليوم بعد الآن.</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform> لا كلمات مستحقة غدًا (%d).</numerusform>
            <numerusform> كلمة واحدة مستحقة غدًا (%d).</numerusform>
            <numerusform> كلمتان مستحقتان غدًا (%d).</numerusform>
            <numerusform> %d كلمات مستحقة غدًا.</numerusform>
            <numerusform> %d كلمة مستحقة غدًا.</numerusform>
            <numerusform> %d كلمة مستحقة غدًا.</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation> تأتي كلمات جديدة غدًا.</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation> الكلمات التالية مستحقة في %s.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>أحسنت!</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation> الإجابات محفوظة، وستُكتب حالما يصبح ذلك ممكنًا.</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>تعذر نسيان تقدم هذه القائمة.</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>نسيان التقدم</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>افتح قاموسًا أولًا.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>جارٍ حفظ التقدم: برنامج آخر يستخدم الملف</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>نطق</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>لا يمكن تشغيل التسجيل «%s»: %s. ستُنطق الكلمة بدلًا منه.</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>لا يوجد صوت مثبت يتحدث %s، لذا لا يمكن نطق الكلمات. تأتي أصوات لنحو مئة لغة مع «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>لغة سطح المكتب</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>لا يمكن نطق الكلمات: لا يستجيب أي خادم نطق. ثبّت speech-dispatcher مع أصواته: «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>لا يمكن نطق الكلمات: لا يوجد جهاز صوت. وصّل جهازًا أو شغّل خادم الصوت في سطح المكتب («apt install pulseaudio»).</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>لا يمكن نطق الكلمات: وحدة النطق في البرنامج غير مثبتة. أعد تثبيت البرنامج، والأصوات عبر «apt install speech-dispatcher-espeak-ng».</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>كما تذكر القائمة</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>لا يحتوي على صوت يمكن تشغيله</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>لا يوجد صوت مثبت يتحدث %s، ولا أي صوت من الأصوات التي يقدمها Debian، لذا لا يمكن نطق الكلمات. يمكن إعداد صوت من جهة أخرى لـ speech-dispatcher باستخدام «spd-conf».</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>لغة المعاني</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>لغة الكلمات</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>السؤال &amp;بالعكس: الآن %s	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>لا يمكن نطق الكلمات: خادم النطق speech-dispatcher مثبت لكنه لا يبدأ. يوضح الأمر «spd-say hello» في الطرفية السبب.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>لا يمكن نطق الكلمات: لا يوجد جهاز صوت. وصّل جهازًا أو شغّل خادم الصوت في سطح المكتب.</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>كسطح المكتب</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>اللغة معروضة، لكن لا يمكن الاحتفاظ بها للتشغيل القادم: تتعذر كتابة ملف الإعدادات.</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>لغة الواجهة</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>START</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>انقر زر «ابدأ» للبدء!!</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>افتح قاموسًا أولًا.</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>من المعنى إلى الكلمة: السؤال معنى، والأسطر تعرض كلمات.</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>من الكلمة إلى المعنى: السؤال كلمة، والأسطر تعرض معاني.</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>قوائم الكلمات (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|ملفات القواميس (*.dic)|*.dic|كل الملفات (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>لا يمكن فتح الملف «%s».</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>فشل الفتح!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>لا يمكن فتح «%s»: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>القاموس كبير جدًا. ستُتجاهل الكلمات بعد الكلمة رقم %d.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>تحذير!</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>لا يمكن قراءة الملف «%s».</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>يحتوي هذا القاموس على %d كلمة.</numerusform>
            <numerusform>يحتوي هذا القاموس على كلمة واحدة (%d).</numerusform>
            <numerusform>يحتوي هذا القاموس على كلمتين (%d).</numerusform>
            <numerusform>يحتوي هذا القاموس على %d كلمات.</numerusform>
            <numerusform>يحتوي هذا القاموس على %d كلمة.</numerusform>
            <numerusform>يحتوي هذا القاموس على %d كلمة.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>نجح الفتح!</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>عذرًا. هذا القاموس أصغر (%d) من أن يُستخدم.</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>أخطاء في القاموس.</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ صحيح!</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>صحيح!</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>رقم %d، ص=%d، خ=%d، النتيجة=%5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>نسيان التقدم</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>أتريد نسيان ما تعلمته من كل كلمة في «%s»؟ لا يمكن التراجع عن هذا.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>اطبع التقدم مع قائمة الكلمات FILE ثم اخرج</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>احفظ التقدم في DIR في هذا التشغيل</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>الاستخدام: %s [OPTION]... [FILE]
يشغّل %s ويفتح FILE إن حُدد. وإن كان %s يعمل من قبل، تتقدم نافذته
إلى الواجهة بدلًا من ذلك وتفتح FILE.

      --help      اعرض هذه المساعدة ثم اخرج
      --version   اعرض معلومات الإصدار ثم اخرج
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  اطبع وقت الرسم الأول ثم اخرج

خيارات Qt الخاصة، مثل -platform و-style و-display و-session،
تُقبل كما يقبلها أي برنامج Qt.
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s: الخيار «--%s» يحتاج إلى وسيط
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s: خيار غير معروف «%s» (جرّب «%s --help»)
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>&amp;فتح…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>&amp;السؤال التالي	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>ح&amp;ول البرنامج	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>ا&amp;لتقدم…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>م&amp;سح لوحة الكتابة	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>&amp;نطق	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>نطق &amp;كل سؤال</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>ل&amp;غة الكلمات…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>لغة الم&amp;عاني…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>السؤال &amp;بالعكس	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>نس&amp;خ الكلمات الخاطئة	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>ت&amp;ذكر التقدم	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>نسيان تقدم &amp;هذه القائمة…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>&amp;مجلد التقدم…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>&amp;تكبير	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>ت&amp;صغير	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>ال&amp;حجم الأصلي	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;إنهاء	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>لغ&amp;ة الواجهة…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>فكّ&amp;ر أولًا	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>الانتظار &amp;قبل الخيارات (%d ث)…</translation>
    </message>
    <message>
        <source>%d s</source>
        <translation>%d ث</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>ZANTOLI 1.7 for CE</source>
        <translation>ZANTOLI 1.7 لنظام CE</translation>
    </message>
    <message>
        <source>The meaning on line 1 belongs to the word (key 1)</source>
        <translation>المعنى في السطر 1 يخص الكلمة (المفتاح 1)</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>الخيار 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>المعنى في السطر 2 يخص الكلمة (المفتاح 2)</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>الخيار 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>المعنى في السطر 3 يخص الكلمة (المفتاح 3)</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>الخيار 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>المعنى في السطر 4 يخص الكلمة (المفتاح 4)</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>الخيار 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>المعنى في السطر 5 يخص الكلمة (المفتاح 5)</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>الخيار 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>المعنى في السطر 6 يخص الكلمة (المفتاح 6)</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>الخيار 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>فتح قاموس (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>فتح قاموس</translation>
    </message>
    <message>
        <source>START</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>السؤال التالي (N أو Enter)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>ابدأ أو السؤال التالي</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>السطر 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>السطر 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>السطر 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>السطر 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>السطر 5</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>السطر 6</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>حول هذا البرنامج (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>مسح لوحة الكتابة (Delete)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>مسح لوحة الكتابة</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>المدخلات في كل صندوق</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>المدخلات المستحقة في الأيام الـ14 القادمة</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>الإجابات في كل يوم من آخر 14 يومًا</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>التقدم بالأرقام</translation>
    </message>
</context>
<context>
    <name>DialogWindow</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>ListLibrary</name>
    <message>
        <source>the program&apos;s readers (zantoli-lists.so and zantoli-packages.so) cannot be loaded; reinstall the program</source>
        <translation>لا يمكن تحميل قارئات البرنامج (zantoli-lists.so و zantoli-packages.so)؛ أعد تثبيت البرنامج</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>لا توجد ذاكرة كافية لقراءته.</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>لم تُخطأ أي كلمة منذ تحميل القائمة.</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>نسخ الكلمات الخاطئة</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>اكتب للبحث</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>الذاكرة متوقفة</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>لا يمكن فتح الملف «%s».</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>لا يمكن فتح «%s»: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>لا يمكن قراءة الملف «%s».</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>العربية</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>مجموعته تالفة؛ لا يمكن قراءة الرزمة.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>أُنشئ بإصدار من Anki أحدث مما يقرؤه هذا البرنامج. في Anki، صدّره مجددًا مع تحديد «دعم إصدارات Anki الأقدم».</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>إنه حزمة zip لكنه ليس رزمة Anki: لا يحتوي على مجموعة.</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>إنه ليس رزمة Anki: مجموعته لا تحتوي على ملاحظات.</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>تتعذر قراءة أنواع ملاحظاته؛ الرزمة تالفة.</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>مجموعته محفوظة بصيغة (الإصدار %1) لا يعرفها هذا البرنامج.</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>مجموعته ليست قاعدة بيانات Anki؛ الرزمة تالفة.</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>قراءة مجموعته تستغرق وقتًا طويلًا جدًا؛ الرزمة تالفة.</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>مجموعته تالفة (%1).</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>قائمة وسائط الرزمة تالفة</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>اسمه يقود إلى خارج الرزمة</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>إنه تالف</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>حجمه أكبر من %1 ميغابايت</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>حقل يبدأ بعلامة اقتباس في السطر %1 لا ينتهي أبدًا؛ علامة &quot; الختامية مفقودة.</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>فيه عمود واحد فقط. تحتاج قائمة الكلمات إلى الكلمة في العمود الأول ومعناها في الثاني.</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>إنه ليس ملف KVTML: قوائم كلمات KVTML بصيغة XML.</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>ينتهي مبكرًا جدًا؛ الملف مقطوع أو غير مكتمل.</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>ترميز XML فيه معطوب في السطر %1 (%2).</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>يحتوي على ترميز يفوق بكثير ما في أي قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>إنه ملف XML لكنه ليس قائمة كلمات KVTML.</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>محفوظ بإصدار KVTML %1؛ لا يمكن فتح سوى KVTML 2.0.</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>عناصره متداخلة بعمق يفوق أي قائمة كلمات.</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>يعرّف كيانات XML خاصة به لا تحتاجها أي قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>إنه ليس جدولًا حسابيًا: لا يحتوي على جدول.</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>إنه ليس حزمة تحتوي على قائمة كلمات.</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>اسمه يقود إلى خارج مجلد القائمة</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>لا يوجد ملف كهذا بجانب القائمة</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>ليس ملفًا في مجلد القائمة</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>ليس ملف صوت (mp3 أو Ogg أو WAV أو FLAC)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>حجمه صفر بايت، فهو ليس ملفًا نصيًا.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>ليس نص UTF-8. احفظه نصًا بترميز UTF-8 (يونيكود) ثم افتحه مجددًا.</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>ليس نص UTF-16 صالحًا.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>الملف فارغ.</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>ليس ملفًا بل جهازًا.</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>إنه مستند معالج نصوص: احفظه نصًا عاديًا (UTF-8).</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>إنه مستند Office 97-2003 وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>إنه أرشيف zip وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>إنه مستند PDF وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>إنه صورة PNG وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>إنه صورة JPEG وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>إنه صورة GIF وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>إنه صورة WebP وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>إنه برنامج وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>إنه قاعدة بيانات SQLite وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>إنه ملف مضغوط بـ gzip وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>إنه ملف مضغوط بـ bzip2 وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>إنه ملف مضغوط بـ xz وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>إنه ملف مضغوط بـ zstd وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>إنه أرشيف 7z وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>إنه أرشيف RAR وليس قائمة كلمات.</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>حجمه أكبر من %1 ميغابايت، وهذا كبير جدًا لقائمة كلمات.</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>لا يحتوي على كلمات. كل مدخل يحتاج إلى كلمة ومعناها.</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>مصنفه لا يحتوي على ورقة عمل يمكن قراءتها.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>جزؤه «%1» يحتوي على ترميز يفوق بكثير ما في أي قائمة كلمات.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>جزؤه «%1» ليس XML سليم البنية (%2).</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>إنه محمي بكلمة مرور. احفظه دون كلمة مرور ثم افتحه مجددًا.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>جزؤه «%1» تالف ولا يمكن فك ضغطه (%2).</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>إنه ليس حزمة zip كما هي الرزم والجداول الحسابية.</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>إنه مقطوع أو تالف: تتعذر قراءة دليل zip فيه.</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>إنه ليس حزمة zip.</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>لا يمكن فتحه كحزمة zip.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>جزؤه «%1» يشير إلى مكان خارج الحزمة.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>جزؤه «%1» مفقود.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>جزؤه «%1» مشفر. احفظه دون كلمة مرور ثم افتحه مجددًا.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>جزؤه «%1» مضغوط بطريقة لا يستطيع هذا البرنامج فكها.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>جزؤه «%1» أكبر مما تذكره الحزمة؛ الملف تالف.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>جزؤه «%1» سيتجاوز %2 ميغابايت بعد فك الضغط، وهذا كبير جدًا لقائمة كلمات.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>جزؤه «%1» سيتجاوز %2 ضعف حجمه المضغوط بعد فكه، وهذا ما لا تفعله إلا قنبلة zip.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>ليس نص UTF-8، ولا يستطيع البرنامج معرفة ترميزه. احفظه نصًا بترميز UTF-8 (يونيكود) ثم افتحه مجددًا.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>لا توجد ذاكرة كافية لقراءته.</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>فشلت قراءته (%1).</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>لا تحتوي الرزمة على ملف بهذا الاسم</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>هذا النوع من القوائم لا يحتوي على وسائط</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>dddd, d MMMM</source>
        <comment>A day as Qt&apos;s QDate::toString formats it: Friday, 11 December</comment>
        <translation>dddd، d MMMM</translation>
    </message>
    <message>
        <source>Progress cannot be saved in &quot;%1&quot; (%2).</source>
        <translation>لا يمكن حفظ التقدم في «%1» (%2).</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>يتعذر إنشاء المجلد</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>كان ملف التقدم تالفًا. احتُفظ به باسم «%1»، وبُدئ ملف جديد.</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>تعذّرت قراءة الملف الموجود هناك أولًا: ملف التقدم مشغول</translation>
    </message>
</context>
</TS>
