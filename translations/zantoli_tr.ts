<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>PNG, JPEG, GIF veya WebP resmi değil</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>bir resim için izin verilenden büyük (32 MB, 64 megapiksel)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>bozuk</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>“%s” resmi gösterilemiyor: %s. Alıştırma resimsiz sürüyor.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Resim</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>bugün</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>%s tekrarı</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>Kutu %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>Bilinen (kutu 5–7)</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Bugün tekrar</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>Yarın tekrar</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>Bugünkü yanıtlar</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>Bugün ilk denemede doğru</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>henüz yanıt yok</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>Son 14 gündeki yanıtlar</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>Bunlardan ilk denemede doğru</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>Başka bir makineden 1 dosya okunamadı: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>Başka makinelerden %d dosya okunamadı: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>Bellek kapalı, bu yüzden gösterilecek ilerleme yok. Bağlam menüsünden “İlerlemeyi hatırla”yı (Ctrl+M) açın; o andan itibaren yanıtlar saklanır.</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Kutu başına girdi</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>Önümüzdeki 14 günde tekrar (bugün, gecikenlerle birlikte)</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>Son 14 gündeki yanıtlar</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Yanıtlar</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>İlk denemede doğru</translation>
    </message>
    <message>
        <source>Languages: %s
</source>
        <translation>Diller: %s
</translation>
    </message>
    <message numerus="yes">
        <source>Pictures: %d of %n entries</source>
        <translation>
            <numerusform>Resimler: %d / %n giriş</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>Kayıtlar: %d / %n giriş</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>İlerlemeyi hatırla</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>İlerleme saklanamıyor: %s.</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation> Alıştırma onsuz sürüyor.</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>Bu makinenin ilerlemesi “%s” ilerleme klasörüne yazılamıyor (%s). Burada saklanıyor ve daha sonra oraya yeniden yazılacak.</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>Serbest alıştırma: bugün tekrar edilecek başka bir şey yok.</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>Bugün tekrar edilecek başka bir şey yok.</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform> Yarın %d sözcüğün tekrarı var.</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation> Yarın yeni sözcükler geliyor.</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation> Sonrakilerin tekrarı %s.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Aferin!</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation> Yanıtlar saklanıyor ve mümkün olur olmaz kaydedilecek.</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>Bu listenin ilerlemesi unutulamadı.</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>İlerlemeyi unut</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Önce bir sözlük açın.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>Kaydediliyor: dosya başka bir programda açık</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>Seslendir</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>“%s” kaydı çalınamıyor: %s. Bunun yerine sözcük seslendiriliyor.</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Kurulu hiçbir ses %s konuşmuyor, bu yüzden sözcükler seslendirilemiyor. Yaklaşık yüz dil için sesler “apt install speech-dispatcher-espeak-ng” ile gelir.</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>masaüstünün dili</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Sözcükler seslendirilemiyor: hiçbir konuşma sunucusu yanıt vermiyor. speech-dispatcher&apos;ı sesleriyle kurun: “apt install speech-dispatcher-espeak-ng”.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>Sözcükler seslendirilemiyor: ses aygıtı yok. Bir tane bağlayın ya da masaüstünün ses sunucusunu başlatın (“apt install pulseaudio”).</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Sözcükler seslendirilemiyor: programın konuşma modülü kurulu değil. Programı yeniden kurun, sesleri de “apt install speech-dispatcher-espeak-ng” ile.</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>Listenin dediği gibi</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>çalınabilir bir ses içermiyor</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>Kurulu hiçbir ses %s konuşmuyor, Debian’ın sunduğu seslerden hiçbiri de konuşmuyor; bu yüzden sözcükler seslendirilemiyor. Başka bir üreticinin sesi speech-dispatcher için “spd-conf” ile kurulabilir.</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Anlamların dili</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Sözcüklerin dili</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>&amp;Tersinden sor: şu an %s	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>Sözcükler seslendirilemiyor: konuşma sunucusu speech-dispatcher kurulu ama başlamıyor. Bir uçbirimde “spd-say hello” nedenini gösterir.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>Sözcükler seslendirilemiyor: ses aygıtı yok. Bir tane bağlayın ya da masaüstünün ses sunucusunu başlatın.</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>Masaüstü gibi</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>Dil gösteriliyor, ancak bir sonraki açılış için saklanamıyor: ayarlar dosyası yazılamıyor.</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Arayüz dili</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>SONRAKİ</translation>
    </message>
    <message>
        <source>START</source>
        <translation>BAŞLA</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>Başlamak için “BAŞLA”ya tıklayın!!</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Önce bir sözlük açın.</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>Anlamdan sözcüğe: soru bir anlam, satırlar sözcükler sunuyor.</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>Sözcükten anlama: soru bir sözcük, satırlar anlamlar sunuyor.</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>Sözcük listeleri (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Sözlük dosyaları (*.dic)|*.dic|Tüm dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>“%s” dosyası açılamıyor.</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>Açılamadı!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>“%s” açılamıyor: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>Sözlük çok büyük. %d. sözcükten sonrakiler yok sayılacak.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Uyarı!</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>“%s” dosyası okunamıyor.</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>Bu sözlükte %d sözcük var.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>Açıldı!</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>Üzgünüz. Bu sözlük kullanmak için çok küçük (%d).</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>Sözlükte hatalar.</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ DOĞRU!</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Doğru!</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>No.%d, D=%d, Y=%d, Puan=%L5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>İlerlemeyi unut</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>“%s” içindeki her sözcükte öğrenilenler unutulsun mu? Bu geri alınamaz.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>FILE sözcük listesiyle ilerlemeyi yazdır ve çık</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>bu çalıştırmada ilerlemeyi DIR içinde sakla</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>Kullanım: %s [OPTION]... [FILE]
%s programını başlatır, FILE verildiyse açar. %s zaten çalışıyorsa
onun penceresi öne gelir ve FILE&apos;ı açar.

      --help      bu yardımı göster ve çık
      --version   sürüm bilgisini göster ve çık
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  ilk çizimin zamanını yazdır ve çık

Qt&apos;nin kendi seçenekleri (-platform, -style, -display ve -session gibi)
her Qt programında olduğu gibi kabul edilir.
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s: &apos;--%s&apos; seçeneği bir değer gerektirir
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s: bilinmeyen seçenek &apos;%s&apos; (&apos;%s --help&apos; deneyin)
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>&amp;Open…	Ctrl+O</source>
        <translation>&amp;Aç…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Next question	N</source>
        <translation>S&amp;onraki soru	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>&amp;Hakkında	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>&amp;İlerleme…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>&amp;Not alanını temizle	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>&amp;Seslendir	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>H&amp;er soruyu seslendir</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>Sö&amp;zcüklerin dili…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>Anlamların &amp;dili…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>&amp;Tersinden sor	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>Kaç&amp;ırılan sözcükleri kopyala	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>İ&amp;lerlemeyi hatırla	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>&amp;Bu listenin ilerlemesini unut…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>İlerleme &amp;klasörü…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>&amp;Yakınlaştır	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>&amp;Uzaklaştır	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>&amp;Özgün boyut	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Çık	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>A&amp;rayüz dili…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>Ön&amp;ce düşün	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>Seçeneklerden önce bekle&amp;me (%d sn)…</translation>
    </message>
    <message>
        <source>%d s</source>
        <translation>%d sn</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>ZANTOLI 1.7 for CE</source>
        <translation>ZANTOLI 1.7 (CE için)</translation>
    </message>
    <message>
        <source>The meaning on line 1 belongs to the word (key 1)</source>
        <translation>1. satırdaki anlam sözcüğe ait (tuş 1)</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>Seçenek 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>2. satırdaki anlam sözcüğe ait (tuş 2)</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>Seçenek 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>3. satırdaki anlam sözcüğe ait (tuş 3)</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>Seçenek 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>4. satırdaki anlam sözcüğe ait (tuş 4)</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>Seçenek 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>5. satırdaki anlam sözcüğe ait (tuş 5)</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>Seçenek 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>6. satırdaki anlam sözcüğe ait (tuş 6)</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>Seçenek 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>AÇ</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>Bir sözlük aç (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>Bir sözlük aç</translation>
    </message>
    <message>
        <source>START</source>
        <translation>BAŞLA</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>Sonraki soru (N veya Enter)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>Başla veya sonraki soru</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Soru</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Satır 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Satır 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Satır 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Satır 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Satır 5</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>Satır 6</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>BİLGİ</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>Bu program hakkında (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>Not alanını temizle (Delete)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>Not alanını temizle</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Kutu başına girdi</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>Önümüzdeki 14 günde tekrar edilecek girdiler</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>Son 14 günün her birindeki yanıtlar</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>Sayılarla ilerleme</translation>
    </message>
</context>
<context>
    <name>DialogWindow</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>ListLibrary</name>
    <message>
        <source>the program&apos;s readers (zantoli-lists.so and zantoli-packages.so) cannot be loaded; reinstall the program</source>
        <translation>programın okuyucuları (zantoli-lists.so ve zantoli-packages.so) yüklenemiyor; programı yeniden kurun</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>okumak için yeterli bellek yok.</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>Liste yüklendiğinden beri hiçbir sözcük kaçırılmadı.</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>Kaçırılan sözcükleri kopyala</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>Aramak için yazın</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>bellek kapalı</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>“%s” dosyası açılamıyor.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>“%s” açılamıyor: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>“%s” dosyası okunamıyor.</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>Türkçe</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>koleksiyonu bozuk; deste okunamıyor.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>bu programın okuyabildiğinden daha yeni bir Anki sürümüyle yapılmış. Anki&apos;de “Eski Anki sürümlerini destekle” işaretliyken yeniden dışa aktarın.</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>bir zip paketi ama Anki destesi değil: içinde koleksiyon yok.</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>Anki destesi değil: koleksiyonunda not yok.</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>not türleri okunamıyor; deste bozuk.</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>koleksiyonu bu programın bilmediği bir biçimde (sürüm %1) kaydedilmiş.</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>koleksiyonu bir Anki veritabanı değil; deste bozuk.</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>koleksiyonunu okumak çok uzun sürüyor; deste bozuk.</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>koleksiyonu bozuk (%1).</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>destenin medya listesi bozuk</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>adı destenin dışına çıkıyor</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>bozuk</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>%1 MB&apos;tan büyük</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>%1. satırda tırnakla başlayan bir alan hiç bitmiyor; kapanış &quot; işareti eksik.</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>yalnızca bir sütunu var. Sözcük listesinde sözcük ilk sütunda, anlamı ikinci sütunda olmalı.</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>KVTML dosyası değil: KVTML sözcük listeleri XML&apos;dir.</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>çok erken bitiyor; dosya kesik ya da eksik.</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>XML&apos;i %1. satırda bozuk (%2).</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>herhangi bir sözcük listesinden çok daha fazla işaretleme içeriyor.</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>bir XML dosyası ama KVTML sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>KVTML %1 sürümünde kaydedilmiş; yalnızca KVTML 2.0 açılabilir.</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>öğeleri bir sözcük listesi için çok derin iç içe.</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>kendi XML varlıklarını tanımlıyor; hiçbir sözcük listesinin bunlara ihtiyacı yok.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>bir hesap tablosu değil: içinde tablo yok.</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>sözcük listesi içeren bir paket değil.</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>adı listenin klasörünün dışına çıkıyor</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>listenin yanında böyle bir dosya yok</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>listenin klasöründe bir dosya değil</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>bir ses dosyası değil (mp3, Ogg, WAV veya FLAC)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>sıfır bayt içeriyor, yani bir metin dosyası değil.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>UTF-8 metin değil. UTF-8 (Unicode) metin olarak kaydedip yeniden açın.</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>geçerli bir UTF-16 metin değil.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>dosya boş.</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>bir dosya değil, bir aygıt.</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>bir kelime işlemci belgesi: düz metin (UTF-8) olarak kaydedin.</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>bir Office 97-2003 belgesi, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>bir zip arşivi, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>bir PDF belgesi, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>bir PNG görüntüsü, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>bir JPEG görüntüsü, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>bir GIF görüntüsü, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>bir WebP görüntüsü, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>bir program, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>bir SQLite veritabanı, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>gzip ile sıkıştırılmış bir dosya, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>bzip2 ile sıkıştırılmış bir dosya, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>xz ile sıkıştırılmış bir dosya, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>zstd ile sıkıştırılmış bir dosya, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>bir 7z arşivi, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>bir RAR arşivi, sözcük listesi değil.</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>%1 MB&apos;tan büyük; bir sözcük listesi için çok fazla.</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>hiç sözcük içermiyor. Her girdinin bir sözcüğü ve anlamı olmalı.</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>çalışma kitabında okunabilen bir çalışma sayfası yok.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>“%1” bölümü herhangi bir sözcük listesinden çok daha fazla işaretleme içeriyor.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>“%1” bölümü düzgün biçimli XML değil (%2).</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>parolayla korunuyor. Parolasız kaydedip yeniden açın.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>“%1” bölümü bozuk ve açılamıyor (%2).</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>desteler ve hesap tabloları gibi bir zip paketi değil.</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>kesik ya da bozuk: zip dizini okunamıyor.</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>bir zip paketi değil.</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>zip paketi olarak açılamıyor.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>“%1” bölümü paketin dışında bir yeri gösteriyor.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>“%1” bölümü eksik.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>“%1” bölümü şifreli. Parolasız kaydedip yeniden açın.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>“%1” bölümü bu programın açamayacağı bir yolla paketlenmiş.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>“%1” bölümü paketin söylediğinden büyük; dosya bozuk.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>“%1” bölümü açıldığında %2 MB&apos;ı aşar; bir sözcük listesi için çok fazla.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>“%1” bölümü açıldığında paketli boyutunun %2 katını aşar; bunu yalnızca bir zip bombası yapar.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>UTF-8 metin değil ve program hangi kodlamada olduğunu anlayamıyor. UTF-8 (Unicode) metin olarak kaydedip yeniden açın.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>okumak için yeterli bellek yok.</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>okuma başarısız oldu (%1).</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>destede bu adda bir dosya yok</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>bu tür liste medya içermez</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>dddd, d MMMM</source>
        <comment>A day as Qt&apos;s QDate::toString formats it: Friday, 11 December</comment>
        <translation>d MMMM dddd</translation>
    </message>
    <message>
        <source>Progress cannot be saved in &quot;%1&quot; (%2).</source>
        <translation>İlerleme “%1” içine kaydedilemiyor (%2).</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>klasör oluşturulamıyor</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>İlerleme dosyası bozuktu. “%1” olarak saklandı ve yenisi başlatıldı.</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>oradaki dosya önce okunamadı: ilerleme dosyası meşgul</translation>
    </message>
</context>
</TS>
