<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CPadPicture</name>
    <message>
        <source>it is not a PNG, JPEG, GIF or WebP picture</source>
        <translation>não é uma imagem PNG, JPEG, GIF ou WebP</translation>
    </message>
    <message>
        <source>it is larger than a picture may be (32 MB, 64 megapixels)</source>
        <translation>é maior do que uma imagem pode ser (32 MB, 64 megapixels)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está danificada</translation>
    </message>
    <message>
        <source>The picture &quot;%s&quot; cannot be shown: %s. The drill goes on without it.</source>
        <translation>A imagem “%s” não pode ser exibida: %s. O treino continua sem ela.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>today</source>
        <translation>hoje</translation>
    </message>
    <message>
        <source>Due %s</source>
        <translation>Para %s</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novas</translation>
    </message>
    <message>
        <source>Box %d</source>
        <translation>Caixa %d</translation>
    </message>
    <message>
        <source>Known (boxes 5 to 7)</source>
        <translation>Sabidas (caixas 5 a 7)</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Para hoje</translation>
    </message>
    <message>
        <source>Due tomorrow</source>
        <translation>Para amanhã</translation>
    </message>
    <message>
        <source>Answers today</source>
        <translation>Respostas hoje</translation>
    </message>
    <message>
        <source>Right at the first try today</source>
        <translation>Certas na primeira tentativa hoje</translation>
    </message>
    <message>
        <source>no answers yet</source>
        <translation>nenhuma resposta ainda</translation>
    </message>
    <message>
        <source>Answers in the last 14 days</source>
        <translation>Respostas nos últimos 14 dias</translation>
    </message>
    <message>
        <source>Right at the first try in them</source>
        <translation>Delas, certas na primeira tentativa</translation>
    </message>
    <message>
        <source>1 file from another machine could not be read: </source>
        <translation>1 arquivo de outra máquina não pôde ser lido: </translation>
    </message>
    <message numerus="yes">
        <source>%d files from other machines could not be read: %s</source>
        <translation>
            <numerusform>%d arquivo de outras máquinas não pôde ser lido: %s</numerusform>
            <numerusform>%d arquivos de outras máquinas não puderam ser lidos: %s</numerusform>
        </translation>
    </message>
    <message>
        <source>The memory is off, so there is no progress to show. Turn on Remember progress (Ctrl+M) in the context menu, and the answers from then on are kept.</source>
        <translation>A memória está desligada, então não há progresso para mostrar. Ative “Lembrar o progresso” (Ctrl+M) no menu de contexto e, a partir de então, as respostas serão guardadas.</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Entradas por caixa</translation>
    </message>
    <message>
        <source>Due in the next 14 days (today&apos;s with the overdue)</source>
        <translation>Para revisar nos próximos 14 dias (hoje, com as atrasadas)</translation>
    </message>
    <message>
        <source>Answers on the last 14 days</source>
        <translation>Respostas nos últimos 14 dias</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respostas</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Certas na primeira tentativa</translation>
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
            <numerusform>Imagens: %d de %n entrada</numerusform>
            <numerusform>Imagens: %d de %n entradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recordings: %d of %n entries</source>
        <translation>
            <numerusform>Gravações: %d de %n entrada</numerusform>
            <numerusform>Gravações: %d de %n entradas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressMemory</name>
    <message>
        <source>Remember progress</source>
        <translation>Lembrar o progresso</translation>
    </message>
    <message>
        <source>Progress cannot be kept: %s.</source>
        <translation>O progresso não pode ser guardado: %s.</translation>
    </message>
    <message>
        <source> The drill goes on without it.</source>
        <translation> O treino continua sem ele.</translation>
    </message>
    <message>
        <source>This machine&apos;s progress cannot be written to the progress folder &quot;%s&quot; (%s). It is kept here, and written there again later.</source>
        <translation>O progresso desta máquina não pode ser gravado na pasta do progresso “%s” (%s). Ele fica guardado aqui e será gravado lá mais tarde.</translation>
    </message>
    <message>
        <source>Free practice: nothing more is due today.</source>
        <translation>Prática livre: nada mais para revisar hoje.</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>Nada mais para revisar hoje.</translation>
    </message>
    <message numerus="yes">
        <source> %d words are due tomorrow.</source>
        <translation>
            <numerusform> %d palavra para revisar amanhã.</numerusform>
            <numerusform> %d palavras para revisar amanhã.</numerusform>
        </translation>
    </message>
    <message>
        <source> New words come tomorrow.</source>
        <translation> Palavras novas chegam amanhã.</translation>
    </message>
    <message>
        <source> The next are due on %s.</source>
        <translation> As próximas são para %s.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source> The answers are kept, and saved as soon as it can be done.</source>
        <translation> As respostas ficam guardadas e serão salvas assim que possível.</translation>
    </message>
    <message>
        <source>The progress of this list could not be forgotten.</source>
        <translation>Não foi possível esquecer o progresso desta lista.</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Esquecer o progresso</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Abra um dicionário primeiro.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Saving progress: another program is using the store</source>
        <translation>Salvando: outro programa está usando o arquivo</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>Speak</source>
        <translation>Falar</translation>
    </message>
    <message>
        <source>The recording &quot;%s&quot; cannot be played: %s. The word is spoken instead.</source>
        <translation>A gravação “%s” não pode ser reproduzida: %s. A palavra é falada no lugar dela.</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, so the words cannot be spoken. Voices for about a hundred languages come with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>Nenhuma voz instalada fala %s, então as palavras não podem ser faladas. Vozes para cerca de cem idiomas vêm com “apt install speech-dispatcher-espeak-ng”.</translation>
    </message>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>o idioma da área de trabalho</translation>
    </message>
    <message>
        <source>The words cannot be spoken: no speech server answers. Install speech-dispatcher with its voices: &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>As palavras não podem ser faladas: nenhum servidor de voz responde. Instale o speech-dispatcher com suas vozes: “apt install speech-dispatcher-espeak-ng”.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server (&quot;apt install pulseaudio&quot;).</source>
        <translation>As palavras não podem ser faladas: não há dispositivo de som. Conecte um ou inicie o servidor de som da área de trabalho (“apt install pulseaudio”).</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the program&apos;s speech module is not installed. Install the program again, and the voices with &quot;apt install speech-dispatcher-espeak-ng&quot;.</source>
        <translation>As palavras não podem ser faladas: o módulo de voz do programa não está instalado. Instale o programa novamente, e as vozes com “apt install speech-dispatcher-espeak-ng”.</translation>
    </message>
    <message>
        <source>As the list says</source>
        <translation>Como a lista diz</translation>
    </message>
    <message>
        <source>it holds no sound that plays</source>
        <translation>não contém nenhum som reproduzível</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazia</translation>
    </message>
    <message>
        <source>No installed voice speaks %s, and none of the voices that Debian offers does, so the words cannot be spoken. A voice of another maker can be set up for speech-dispatcher with &quot;spd-conf&quot;.</source>
        <translation>Nenhuma voz instalada fala %s, e nenhuma das vozes que o Debian oferece fala, então as palavras não podem ser faladas. Uma voz de outro fornecedor pode ser configurada para o speech-dispatcher com “spd-conf”.</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Idioma dos significados</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Idioma das palavras</translation>
    </message>
    <message>
        <source>&amp;Drill the other way: now %s	Ctrl+R</source>
        <translation>Perg&amp;untar ao contrário: agora %s	Ctrl+R</translation>
    </message>
    <message>
        <source>The words cannot be spoken: the speech server, speech-dispatcher, is installed but does not start. &quot;spd-say hello&quot; in a terminal tells why.</source>
        <translation>As palavras não podem ser faladas: o servidor de voz, speech-dispatcher, está instalado, mas não inicia. “spd-say hello” em um terminal mostra o motivo.</translation>
    </message>
    <message>
        <source>The words cannot be spoken: there is no sound device. Connect one, or start the desktop&apos;s sound server.</source>
        <translation>As palavras não podem ser faladas: não há dispositivo de som. Conecte um ou inicie o servidor de som da área de trabalho.</translation>
    </message>
</context>
<context>
    <name>CZantoliceDlg</name>
    <message>
        <source>As the desktop</source>
        <translation>Como a área de trabalho</translation>
    </message>
    <message>
        <source>The language is shown, but it cannot be kept for the next start: the settings file cannot be written.</source>
        <translation>O idioma está sendo mostrado, mas não pode ser mantido para a próxima vez: o arquivo de configurações não pode ser gravado.</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Idioma da interface</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>PRÓXIMA</translation>
    </message>
    <message>
        <source>START</source>
        <translation>INICIAR</translation>
    </message>
    <message>
        <source>Click &quot;START&quot; button to start !!</source>
        <translation>Clique em “INICIAR” para começar!!</translation>
    </message>
    <message>
        <source>Open a dictionary first.</source>
        <translation>Abra um dicionário primeiro.</translation>
    </message>
    <message>
        <source>Meaning to word: the question is a meaning, the lines offer words.</source>
        <translation>De significado para palavra: a pergunta é um significado, as linhas oferecem palavras.</translation>
    </message>
    <message>
        <source>Word to meaning: the question is a word, the lines offer meanings.</source>
        <translation>De palavra para significado: a pergunta é uma palavra, as linhas oferecem significados.</translation>
    </message>
    <message>
        <source>Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||</source>
        <translation>Listas de palavras (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|Dicionários (*.dic)|*.dic|Todos os arquivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Não é possível abrir o arquivo “%s”.</translation>
    </message>
    <message>
        <source>Open failed!</source>
        <translation>Falha ao abrir!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Não é possível abrir “%s”: %s</translation>
    </message>
    <message>
        <source>Too large dictionary. Words after %dth will be ignored.</source>
        <translation>Dicionário grande demais. As palavras após a %dª serão ignoradas.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Atenção!</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Não é possível ler o arquivo “%s”.</translation>
    </message>
    <message numerus="yes">
        <source>This dictionary contains %d words.</source>
        <translation>
            <numerusform>Este dicionário contém %d palavra.</numerusform>
            <numerusform>Este dicionário contém %d palavras.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open succeeded!</source>
        <translation>Aberto com sucesso!</translation>
    </message>
    <message>
        <source>Sorry. This dictionary is to small(%d) to use.</source>
        <translation>Desculpe. Este dicionário é pequeno demais (%d) para ser usado.</translation>
    </message>
    <message>
        <source>Errors in Dictionary.</source>
        <translation>Erros no dicionário.</translation>
    </message>
    <message>
        <source>OK~ RIGHT!</source>
        <translation>OK~ CERTO!</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Certo!</translation>
    </message>
    <message>
        <source>No.%d, R=%d, W=%d, Score=%5.2f</source>
        <translation>Nº%d, C=%d, E=%d, Nota=%L5.2f</translation>
    </message>
    <message>
        <source>Forget progress</source>
        <translation>Esquecer o progresso</translation>
    </message>
    <message>
        <source>Forget what was learned of every word in &quot;%s&quot;? This cannot be undone.</source>
        <translation>Esquecer o que foi aprendido de todas as palavras de “%s”? Isso não pode ser desfeito.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the progress with the word list FILE and exit</source>
        <translation>mostrar o progresso com a lista de palavras FILE e sair</translation>
    </message>
    <message>
        <source>keep the progress in DIR for this run</source>
        <translation>guardar o progresso em DIR nesta execução</translation>
    </message>
    <message>
        <source>Usage: %s [OPTION]... [FILE]
Start %s, opening FILE if one is named. While %s runs, its window
comes to the front instead and opens FILE.

      --help      display this help and exit
      --version   output version information and exit
</source>
        <translation>Uso: %s [OPTION]... [FILE]
Inicia o %s e abre FILE, se indicado. Se o %s já estiver aberto, a janela dele
vem para a frente e abre FILE.

      --help      mostra esta ajuda e sai
      --version   mostra a versão e sai
</translation>
    </message>
    <message>
        <source>      --exit-after-first-paint
                  print the time of the first paint and quit

Qt&apos;s own options, such as -platform, -style, -display and -session,
are taken as every Qt program takes them.
</source>
        <translation>      --exit-after-first-paint
                  mostra a hora do primeiro desenho e sai

As opções do próprio Qt, como -platform, -style, -display e -session,
são aceitas como em qualquer programa Qt.
</translation>
    </message>
    <message>
        <source>%s: option &apos;--%s&apos; requires an argument
</source>
        <translation>%s: a opção “--%s” exige um argumento
</translation>
    </message>
    <message>
        <source>%s: unknown option &apos;%s&apos; (try &apos;%s --help&apos;)
</source>
        <translation>%s: opção desconhecida “%s” (tente “%s --help”)
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
        <translation>Pr&amp;óxima pergunta	N</translation>
    </message>
    <message>
        <source>&amp;About	F1</source>
        <translation>S&amp;obre	F1</translation>
    </message>
    <message>
        <source>&amp;Progress…	F2</source>
        <translation>&amp;Progresso…	F2</translation>
    </message>
    <message>
        <source>&amp;Wipe the pad	Del</source>
        <translation>Limpar o &amp;bloco de notas	Del</translation>
    </message>
    <message>
        <source>Spea&amp;k	S</source>
        <translation>&amp;Falar	S</translation>
    </message>
    <message>
        <source>Speak &amp;each question</source>
        <translation>Falar cada p&amp;ergunta</translation>
    </message>
    <message>
        <source>&amp;Language of the words…</source>
        <translation>&amp;Idioma das palavras…</translation>
    </message>
    <message>
        <source>Lan&amp;guage of the meanings…</source>
        <translation>Idioma dos si&amp;gnificados…</translation>
    </message>
    <message>
        <source>&amp;Drill the other way	Ctrl+R</source>
        <translation>Perg&amp;untar ao contrário	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Copy missed words	Ctrl+Shift+C</source>
        <translation>&amp;Copiar palavras erradas	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Remember progress	Ctrl+M</source>
        <translation>&amp;Lembrar o progresso	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Forget progress of this list…</source>
        <translation>Es&amp;quecer o progresso desta lista…</translation>
    </message>
    <message>
        <source>Progre&amp;ss folder…</source>
        <translation>Pasta &amp;do progresso…</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl++</source>
        <translation>A&amp;mpliar	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut	Ctrl+-</source>
        <translation>&amp;Reduzir	Ctrl+-</translation>
    </message>
    <message>
        <source>Original si&amp;ze	Ctrl+0</source>
        <translation>&amp;Tamanho original	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Sair	Ctrl+Q</translation>
    </message>
    <message>
        <source>In&amp;terface language…</source>
        <translation>Idioma da i&amp;nterface…</translation>
    </message>
    <message>
        <source>T&amp;hink first	Ctrl+T</source>
        <translation>Pensar antes de &amp;ver as opções	Ctrl+T</translation>
    </message>
    <message>
        <source>Pause &amp;before the choices (%d s)…</source>
        <translation>Pausa até e&amp;xibir as opções (%d s)…</translation>
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
        <translation>O significado da linha 1 é o da palavra (tecla 1)</translation>
    </message>
    <message>
        <source>Choice 1</source>
        <translation>Opção 1</translation>
    </message>
    <message>
        <source>The meaning on line 2 belongs to the word (key 2)</source>
        <translation>O significado da linha 2 é o da palavra (tecla 2)</translation>
    </message>
    <message>
        <source>Choice 2</source>
        <translation>Opção 2</translation>
    </message>
    <message>
        <source>The meaning on line 3 belongs to the word (key 3)</source>
        <translation>O significado da linha 3 é o da palavra (tecla 3)</translation>
    </message>
    <message>
        <source>Choice 3</source>
        <translation>Opção 3</translation>
    </message>
    <message>
        <source>The meaning on line 4 belongs to the word (key 4)</source>
        <translation>O significado da linha 4 é o da palavra (tecla 4)</translation>
    </message>
    <message>
        <source>Choice 4</source>
        <translation>Opção 4</translation>
    </message>
    <message>
        <source>The meaning on line 5 belongs to the word (key 5)</source>
        <translation>O significado da linha 5 é o da palavra (tecla 5)</translation>
    </message>
    <message>
        <source>Choice 5</source>
        <translation>Opção 5</translation>
    </message>
    <message>
        <source>The meaning on line 6 belongs to the word (key 6)</source>
        <translation>O significado da linha 6 é o da palavra (tecla 6)</translation>
    </message>
    <message>
        <source>Choice 6</source>
        <translation>Opção 6</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ABRIR</translation>
    </message>
    <message>
        <source>Open a dictionary (Ctrl+O)</source>
        <translation>Abrir um dicionário (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open a dictionary</source>
        <translation>Abrir um dicionário</translation>
    </message>
    <message>
        <source>START</source>
        <translation>INICIAR</translation>
    </message>
    <message>
        <source>Next question (N or Enter)</source>
        <translation>Próxima pergunta (N ou Enter)</translation>
    </message>
    <message>
        <source>Start or next question</source>
        <translation>Iniciar ou próxima pergunta</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Linha 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Linha 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Linha 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Linha 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Linha 5</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>Linha 6</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>SOBRE</translation>
    </message>
    <message>
        <source>About this program (F1)</source>
        <translation>Sobre este programa (F1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Wipe the scribble pad (Delete)</source>
        <translation>Limpar o bloco de notas (Delete)</translation>
    </message>
    <message>
        <source>Clear the scribble pad</source>
        <translation>Limpar o bloco de notas</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Entries per box</source>
        <translation>Entradas por caixa</translation>
    </message>
    <message>
        <source>Entries due in the next 14 days</source>
        <translation>Entradas para revisar nos próximos 14 dias</translation>
    </message>
    <message>
        <source>Answers on each of the last 14 days</source>
        <translation>Respostas em cada um dos últimos 14 dias</translation>
    </message>
    <message>
        <source>Progress in numbers</source>
        <translation>O progresso em números</translation>
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
        <translation>os leitores do programa (zantoli-lists.so e zantoli-packages.so) não podem ser carregados; reinstale o programa</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>não há memória suficiente para lê-lo.</translation>
    </message>
</context>
<context>
    <name>MissedWords</name>
    <message>
        <source>No word has been missed since the list was loaded.</source>
        <translation>Nenhuma palavra foi errada desde que a lista foi carregada.</translation>
    </message>
    <message>
        <source>Copy missed words</source>
        <translation>Copiar palavras erradas</translation>
    </message>
</context>
<context>
    <name>PickListDialog</name>
    <message>
        <source>Type to search</source>
        <translation>Digite para pesquisar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>memory is off</source>
        <translation>a memória está desligada</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;.</source>
        <translation>Não é possível abrir o arquivo “%s”.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%s&quot;: %s</source>
        <translation>Não é possível abrir “%s”: %s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;.</source>
        <translation>Não é possível ler o arquivo “%s”.</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>English</source>
        <comment>The name of this language, in itself</comment>
        <translation>Português (Brasil)</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>its collection is damaged; the deck cannot be read.</source>
        <translation>sua coleção está danificada; o baralho não pode ser lido.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Anki than this program reads. In Anki, export it again with &quot;Support older Anki versions&quot; checked.</source>
        <translation>ele foi feito por uma versão do Anki mais nova do que este programa lê. No Anki, exporte-o novamente com “Suportar versões antigas do Anki” marcado.</translation>
    </message>
    <message>
        <source>it is a zip package, but not an Anki deck: it holds no collection.</source>
        <translation>é um pacote zip, mas não um baralho do Anki: não contém nenhuma coleção.</translation>
    </message>
    <message>
        <source>it is not an Anki deck: its collection holds no notes.</source>
        <translation>não é um baralho do Anki: sua coleção não contém notas.</translation>
    </message>
    <message>
        <source>its note types cannot be read; the deck is damaged.</source>
        <translation>seus tipos de nota não podem ser lidos; o baralho está danificado.</translation>
    </message>
    <message>
        <source>its collection is saved in a form (version %1) this program does not know.</source>
        <translation>sua coleção está salva num formato (versão %1) que este programa não conhece.</translation>
    </message>
    <message>
        <source>its collection is not an Anki database; the deck is damaged.</source>
        <translation>sua coleção não é um banco de dados do Anki; o baralho está danificado.</translation>
    </message>
    <message>
        <source>its collection takes far too long to read; the deck is damaged.</source>
        <translation>sua coleção demora demais para ser lida; o baralho está danificado.</translation>
    </message>
    <message>
        <source>its collection is damaged (%1).</source>
        <translation>sua coleção está danificada (%1).</translation>
    </message>
    <message>
        <source>the deck&apos;s list of media is damaged</source>
        <translation>a lista de mídias do baralho está danificada</translation>
    </message>
    <message>
        <source>its name leads outside the deck</source>
        <translation>seu nome leva para fora do baralho</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>ela está danificada</translation>
    </message>
    <message>
        <source>it is over %1 MB</source>
        <translation>ela passa de %1 MB</translation>
    </message>
    <message>
        <source>a field that starts with a quotation mark on line %1 never ends; its closing &quot; is missing.</source>
        <translation>um campo que começa com aspas na linha %1 nunca termina; falta o &quot; de fechamento.</translation>
    </message>
    <message>
        <source>it has only one column. A word list needs the word in the first column and its meaning in the second.</source>
        <translation>ele tem só uma coluna. Uma lista de palavras precisa da palavra na primeira coluna e do significado na segunda.</translation>
    </message>
    <message>
        <source>it is not a KVTML file: KVTML word lists are XML.</source>
        <translation>não é um arquivo KVTML: listas de palavras KVTML são XML.</translation>
    </message>
    <message>
        <source>it ends too early; the file is cut short or incomplete.</source>
        <translation>ele termina cedo demais; o arquivo está cortado ou incompleto.</translation>
    </message>
    <message>
        <source>its XML is broken at line %1 (%2).</source>
        <translation>seu XML está quebrado na linha %1 (%2).</translation>
    </message>
    <message>
        <source>it holds far more markup than any word list.</source>
        <translation>ele contém muito mais marcação do que qualquer lista de palavras.</translation>
    </message>
    <message>
        <source>it is an XML file, but not a KVTML word list.</source>
        <translation>é um arquivo XML, mas não uma lista de palavras KVTML.</translation>
    </message>
    <message>
        <source>it is saved in KVTML version %1; only KVTML 2.0 can be opened.</source>
        <translation>está salvo em KVTML versão %1; só KVTML 2.0 pode ser aberto.</translation>
    </message>
    <message>
        <source>its elements are nested far too deeply for a word list.</source>
        <translation>seus elementos estão aninhados fundo demais para uma lista de palavras.</translation>
    </message>
    <message>
        <source>it declares XML entities of its own, which no word list needs.</source>
        <translation>ele declara entidades XML próprias, das quais nenhuma lista de palavras precisa.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet: it holds no table.</source>
        <translation>não é uma planilha: não contém nenhuma tabela.</translation>
    </message>
    <message>
        <source>it is not a package that holds a word list.</source>
        <translation>não é um pacote que contenha uma lista de palavras.</translation>
    </message>
    <message>
        <source>its name leads outside the list&apos;s folder</source>
        <translation>seu nome leva para fora da pasta da lista</translation>
    </message>
    <message>
        <source>there is no such file beside the list</source>
        <translation>não há esse arquivo ao lado da lista</translation>
    </message>
    <message>
        <source>it is not a file in the list&apos;s folder</source>
        <translation>não é um arquivo na pasta da lista</translation>
    </message>
    <message>
        <source>it is not a sound file (mp3, Ogg, WAV or FLAC)</source>
        <translation>não é um arquivo de som (mp3, Ogg, WAV ou FLAC)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is not a text file.</source>
        <translation>ele tem zero bytes, então não é um arquivo de texto.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>não é texto UTF-8. Salve-o como texto UTF-8 (Unicode) e abra-o novamente.</translation>
    </message>
    <message>
        <source>it is not valid UTF-16 text.</source>
        <translation>não é texto UTF-16 válido.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>o arquivo está vazio.</translation>
    </message>
    <message>
        <source>it is not a file but a device.</source>
        <translation>não é um arquivo, e sim um dispositivo.</translation>
    </message>
    <message>
        <source>it is a word-processor document: save it as plain text (UTF-8).</source>
        <translation>é um documento de processador de texto: salve-o como texto simples (UTF-8).</translation>
    </message>
    <message>
        <source>it is an Office 97-2003 document, not a word list.</source>
        <translation>é um documento do Office 97-2003, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a word list.</source>
        <translation>é um arquivo zip, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is a PDF document, not a word list.</source>
        <translation>é um documento PDF, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is a PNG image, not a word list.</source>
        <translation>é uma imagem PNG, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is a JPEG image, not a word list.</source>
        <translation>é uma imagem JPEG, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is a GIF image, not a word list.</source>
        <translation>é uma imagem GIF, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is a WebP image, not a word list.</source>
        <translation>é uma imagem WebP, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is a program, not a word list.</source>
        <translation>é um programa, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is an SQLite database, not a word list.</source>
        <translation>é um banco de dados SQLite, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is a gzip-compressed file, not a word list.</source>
        <translation>é um arquivo compactado com gzip, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is a bzip2-compressed file, not a word list.</source>
        <translation>é um arquivo compactado com bzip2, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is an xz-compressed file, not a word list.</source>
        <translation>é um arquivo compactado com xz, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is a zstd-compressed file, not a word list.</source>
        <translation>é um arquivo compactado com zstd, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is a 7z archive, not a word list.</source>
        <translation>é um arquivo 7z, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is a RAR archive, not a word list.</source>
        <translation>é um arquivo RAR, não uma lista de palavras.</translation>
    </message>
    <message>
        <source>it is over %1 MB, far too large for a word list.</source>
        <translation>ele passa de %1 MB, grande demais para uma lista de palavras.</translation>
    </message>
    <message>
        <source>it holds no words. Each entry needs a word and its meaning.</source>
        <translation>ele não contém palavras. Cada entrada precisa de uma palavra e do seu significado.</translation>
    </message>
    <message>
        <source>its workbook holds no worksheet that can be read.</source>
        <translation>sua pasta de trabalho não contém nenhuma planilha que possa ser lida.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; holds far more markup than any word list.</source>
        <translation>sua parte “%1” contém muito mais marcação do que qualquer lista de palavras.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is not well-formed XML (%2).</source>
        <translation>sua parte “%1” não é um XML bem formado (%2).</translation>
    </message>
    <message>
        <source>it is protected by a password. Save it without one and open it again.</source>
        <translation>ele está protegido por senha. Salve-o sem senha e abra-o novamente.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged and cannot be unpacked (%2).</source>
        <translation>sua parte “%1” está danificada e não pode ser descompactada (%2).</translation>
    </message>
    <message>
        <source>it is not a zip package, as decks and spreadsheets are.</source>
        <translation>não é um pacote zip, como são os baralhos e as planilhas.</translation>
    </message>
    <message>
        <source>it is cut short or damaged: its zip directory cannot be read.</source>
        <translation>está cortado ou danificado: seu diretório zip não pode ser lido.</translation>
    </message>
    <message>
        <source>it is not a zip package.</source>
        <translation>não é um pacote zip.</translation>
    </message>
    <message>
        <source>it cannot be opened as a zip package.</source>
        <translation>não pode ser aberto como pacote zip.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; names a place outside the package.</source>
        <translation>sua parte “%1” aponta para um lugar fora do pacote.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing.</source>
        <translation>falta sua parte “%1”.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is encrypted. Save it without a password and open it again.</source>
        <translation>sua parte “%1” está criptografada. Salve-o sem senha e abra-o novamente.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is packed in a way this program cannot unpack.</source>
        <translation>sua parte “%1” está compactada de um jeito que este programa não sabe descompactar.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is larger than the package says; the file is damaged.</source>
        <translation>sua parte “%1” é maior do que o pacote diz; o arquivo está danificado.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 MB, far too large for a word list.</source>
        <translation>sua parte “%1” passaria de %2 MB descompactada, grande demais para uma lista de palavras.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; would unpack to over %2 times its packed size, as only a zip bomb does.</source>
        <translation>sua parte “%1” passaria de %2 vezes o tamanho compactado, como só uma bomba zip faz.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, and the program cannot tell which encoding it is in. Save it as UTF-8 (Unicode) text and open it again.</source>
        <translation>não é texto UTF-8, e o programa não consegue saber em que codificação está. Salve-o como texto UTF-8 (Unicode) e abra-o novamente.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>não há memória suficiente para lê-lo.</translation>
    </message>
    <message>
        <source>reading it failed (%1).</source>
        <translation>a leitura falhou (%1).</translation>
    </message>
    <message>
        <source>the deck holds no file of that name</source>
        <translation>o baralho não contém nenhum arquivo com esse nome</translation>
    </message>
    <message>
        <source>this kind of list keeps no media</source>
        <translation>este tipo de lista não guarda mídia</translation>
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
        <translation>O progresso não pode ser salvo em “%1” (%2).</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>a pasta não pode ser criada</translation>
    </message>
    <message>
        <source>The progress file was damaged. It has been kept as &quot;%1&quot;, and a new one has been started.</source>
        <translation>O arquivo de progresso estava danificado. Ele foi guardado como “%1”, e um novo foi iniciado.</translation>
    </message>
    <message>
        <source>the file there could not be read first: the store is busy</source>
        <translation>não foi possível ler antes o arquivo que está lá: o arquivo de progresso está ocupado</translation>
    </message>
</context>
</TS>
