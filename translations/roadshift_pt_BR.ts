<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translation>Sobre o Roadshift</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translatorcomment>Shortened: &quot;Estatísticas&quot; is more than twice the tab&apos;s English word; &quot;Placar&quot; (the tally of games won and lost) is about as short.</translatorcomment>
        <translation>Placar</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translatorcomment>&quot;Acumulado&quot; is an office word; &quot;all games&quot; says the same to a family and is shorter.</translatorcomment>
        <translation>Todas as partidas</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Vezes que você abriu o jogo </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Total de partidas jogadas até agora </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translatorcomment>The English grammar slip (&quot;pass&quot;) is not copied; shortened to fit beside the number.</translatorcomment>
        <translation>Peças percorridas pelo carro </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translation>Esta sessão</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Partidas ganhas </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Partidas perdidas </translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the about box</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Speech brief</source>
        <extracomment>the game now speaks only events and answers, not every confirmation</extracomment>
        <translatorcomment>&quot;Avisos&quot; (announcements) rather than &quot;fala&quot;: it is the game&apos;s own announcements that change; the same words are used in the key help (&quot;V deixa os avisos completos, breves ou desligados&quot;).</translatorcomment>
        <translation>Avisos breves</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translation>Avisos desligados</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>Avisos completos</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>. </source>
        <extracomment>between sentences the game says at the same moment (&quot;The car is off. You lost: ...&quot;)</extracomment>
        <translation>. </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Roadshift, a puzzle game: slide and turn road tiles to lead a car that drives by itself
into one of the exits.</source>
        <extracomment>the first lines of --help; keep the line break where a line would pass 80 characters</extracomment>
        <translation>Roadshift, um jogo de quebra-cabeça: deslize e gire peças de estrada para levar
um carro que anda sozinho até uma das saídas.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is a word on the command line that is no option</extracomment>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <extracomment>%1 is the program&apos;s name, %2 says what was wrong with the command line</extracomment>
        <translation>%1: %2 Tente &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift: não foi possível escrever a resposta: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>Falta um valor depois de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>Uso: %1 [opções]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>Sem opções, o jogo começa. As opções que todo programa Qt aceita,
como -platform, -style e -reverse, são repassadas ao Qt.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift: nenhuma fonte instalada mostra %1 (fonts-noto-cjk tem uma); jogando em inglês
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translatorcomment>The English grammar slip (&quot;it pass&quot;) is not copied.</translatorcomment>
        <translation>Quando a contagem regressiva chegar a zero, seu carro começa a andar. Monte um bom caminho para ele. Para cada peça de estrada que ele percorrer, você ganha 10&#xa0;pontos.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translation>Você ganha se conseguir levar o carro até uma “saída”.</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translatorcomment>&quot;Como jogar?&quot; would repeat the box&apos;s title; &quot;Controles&quot; names what follows and is shorter.</translatorcomment>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translation>Use o BOTÃO ESQUERDO DO MOUSE para deslizar a peça para a casa vazia.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translation>Use o BOTÃO DIREITO DO MOUSE para girar a peça no sentido horário.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translation>Entendeu?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;você é fera&quot; is the friendly Brazilian praise (&quot;you&apos;re ace&quot;) for a child or grown-up alike, with no gender, which &quot;fellow&quot; would need in Portuguese.</translatorcomment>
        <translation>Sei que você é fera! Divirta-se!&#xa0;^_^</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translation>OK! Entendi!</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>M desliga e liga os sons.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>W também diz o que bloqueia a estrada e uma jogada que a abre. Cada peça de estrada leva o nome dos seus lados abertos, na ordem cima, direita, baixo, esquerda.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>%1 gira a peça de volta. B vai para a casa onde a estrada para; X, de novo, passa para a próxima saída.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>Teclas: as setas andam pelo tabuleiro e leem cada casa. %1 desliza a peça ou faz a barraca pular. R gira a peça. W diz aonde a estrada leva. C diz onde está o carro. %2 com uma seta lê a linha ou a coluna inteira. %3 vai até o carro, E até a casa vazia, X até a saída mais próxima. G faz o carro partir agora. P pausa. N ou F2 começa uma partida. %4 tira a faixa da tela. V deixa os avisos completos, breves ou desligados. %5 alterna entre o tabuleiro e os botões. F1 é esta ajuda; %6 sai do jogo.</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>The texts call the goal &quot;saída&quot;; the tiles say the same word, so that a player meets one word for it.</translatorcomment>
        <translation>SAÍDA!</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>lettered on the small sign beside the board where the car starts; one short word</extracomment>
        <translatorcomment>The sign&apos;s word; &quot;LARGADA&quot; (race start) would be 40 % longer than &quot;START&quot;. &quot;INÍCIO&quot; is used wherever the sign is named.</translatorcomment>
        <translation>INÍCIO</translation>
    </message>
    <message>
        <source>Pts</source>
        <extracomment>lettered after the score&apos;s big digits: a short form of &quot;points&quot;, at most 3 letters</extracomment>
        <translation>Pts</translation>
    </message>
    <message>
        <source>CLICK TO PLAY!</source>
        <extracomment>lettered in big capitals on the banner under the board before a game</extracomment>
        <translatorcomment>&quot;CLIQUE PARA JOGAR!&quot; would be 30 % longer; &quot;click and play!&quot; is about as long as the English.</translatorcomment>
        <translation>CLIQUE E JOGUE!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translatorcomment>&quot;Poxa!&quot; is the everyday, family-friendly Brazilian &quot;oh no!&quot;; &quot;QUE PENA! VOCÊ PERDEU!&quot; would be 40 % longer.</translatorcomment>
        <translation>POXA! VOCÊ PERDEU!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translatorcomment>Shortened: &quot;PARABÉNS! VOCÊ GANHOU!&quot; would be 22 letters of big dancing capitals; &quot;EBA!&quot; (hooray) is the cheerful family word and keeps it shorter than the English.</translatorcomment>
        <translation>EBA! VOCÊ GANHOU!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translation>BOA SORTE!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;e bota X nisso&quot; is the Brazilian idiom for &quot;and plenty of it&quot;; shorter than the English.</translatorcomment>
        <translation>...E BOTA SORTE NISSO</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translation>Clique esquerdo leva a peça do ponto A ao ponto B</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translation>Clique direito gira a peça no sentido horário</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translatorcomment>INÍCIO and SAÍDA! as lettered on the sign and the exit tiles.</translatorcomment>
        <translation>Guie o carro do INÍCIO até a SAÍDA!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translatorcomment>Shortened: &quot;aperte P para continuar&quot; is longer than the English line.</translatorcomment>
        <translation>P para continuar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>tabuleiro</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>pausado</translation>
    </message>
    <message>
        <source>Roadshift v%1</source>
        <extracomment>the window&apos;s title: keep the game&apos;s name Roadshift as it is; %1 is the version, e.g. 1.00</extracomment>
        <translation>Roadshift v%1</translation>
    </message>
    <message>
        <source>START!</source>
        <extracomment>the red word to click under the board that starts a game; very short (about 7 letters)</extracomment>
        <translatorcomment>&quot;COMEÇAR!&quot; would be 8 letters; &quot;JOGAR!&quot; (play!) is as long as the English. It is the button, not the START sign, so it need not match &quot;INÍCIO&quot;.</translatorcomment>
        <translation>JOGAR!</translation>
    </message>
    <message>
        <source>About Game</source>
        <extracomment>a button that opens the about box with the statistics</extracomment>
        <translatorcomment>Shortened: &quot;Sobre o jogo&quot; would be longer than the button&apos;s English text; &quot;Sobre&quot; alone is the usual Brazilian name of an about button.</translatorcomment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translatorcomment>The English slip (&quot;exitpoint&quot;) is not copied.</translatorcomment>
        <translation>Número de saídas</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>Mais saídas, mais chances de ganhar!</translation>
    </message>
    <message>
        <source>difficult</source>
        <extracomment>a placeholder under the number of exits, replaced by a difficulty name at once
----------
a placeholder under the countdown, replaced by a joke at once</extracomment>
        <translation>difícil</translation>
    </message>
    <message>
        <source>Car move after...</source>
        <extracomment>the heading over the countdown: how many seconds pass before the car drives off</extracomment>
        <translatorcomment>&quot;partir&quot; (leave) is the verb used for the car&apos;s departure everywhere, never &quot;sair&quot;, which would be confused with &quot;saída&quot; (the exit).</translatorcomment>
        <translation>Carro parte em...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>The English misspells on purpose (&quot;Enuff&quot;, &quot;built&quot;). Misspelt Portuguese reads as the translator&apos;s mistake, so the playful tone comes from spoken Brazilian instead (&quot;Dá tempo&quot;, &quot;pra&quot;, &quot;né?&quot;).</translatorcomment>
        <translation>Dá tempo pra pensar antes e montar o caminho, né?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translation>seg</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translation>Seu nome aqui</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translatorcomment>&quot;Top 10&quot; is how Brazilians name such a table (charts, lists); &quot;TOP DEZ&quot; is not said.</translatorcomment>
        <translation>Este nome pode entrar no TOP 10!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>TOP</source>
        <extracomment>the first word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>&quot;Top 10&quot; is the usual Brazilian name of such a table, so the heading is TOP / 10.</translatorcomment>
        <translation>TOP</translation>
    </message>
    <message>
        <source>TEN</source>
        <extracomment>the second word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>&quot;Top 10&quot; is the usual Brazilian name of such a table, so the heading is TOP / 10; &quot;DEZ&quot; is not said.</translatorcomment>
        <translation>10</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>menos saídas</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>mais saídas</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>contagem regressiva menor</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>contagem regressiva maior</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>carro</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>the sound switch&apos;s name for a screen reader and its tooltip</extracomment>
        <translation>Som</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>O som está ligado: clique ou aperte M para silenciá-lo</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>O som está desligado: clique ou aperte M para ouvi-lo</translation>
    </message>
</context>
<context>
    <name>PlaceNames</name>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translatorcomment>&quot;barraca&quot; is the Brazilian word for a camping tent (&quot;tenda&quot; is a market stall).</translatorcomment>
        <translation>barraca</translation>
    </message>
    <message>
        <source>START sign</source>
        <translatorcomment>INÍCIO as lettered on the sign.</translatorcomment>
        <translation>placa de INÍCIO</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translation>peça sem estrada</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>INÍCIO, o carro espera aqui</translation>
    </message>
    <message>
        <source>START</source>
        <translatorcomment>The sign&apos;s word; &quot;LARGADA&quot; (race start) would be 40 % longer than &quot;START&quot;. &quot;INÍCIO&quot; is used wherever the sign is named.</translatorcomment>
        <translation>INÍCIO</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>between two places of a row or column read at once</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translatorcomment>Feminine nouns on purpose: the spoken sentences say &quot;na %1&quot; (&quot;na linha 2, coluna 3&quot;).</translatorcomment>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, linha %2, coluna %3, carro aqui</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, linha %2, coluna %3</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translatorcomment>Direction words are only used inside sentences (&quot;indo %1&quot;, &quot;vai %1 e dá numa barraca&quot;, &quot;Peça deslizou %1&quot;), so they carry their preposition: &quot;para a esquerda&quot;.</translatorcomment>
        <translation>para a esquerda</translation>
    </message>
    <message>
        <source>right</source>
        <translatorcomment>Direction words are only used inside sentences (&quot;indo %1&quot;, &quot;vai %1 e dá numa barraca&quot;, &quot;Peça deslizou %1&quot;), so they carry their preposition: &quot;para a esquerda&quot;.</translatorcomment>
        <translation>para a direita</translation>
    </message>
    <message>
        <source>up</source>
        <translatorcomment>Direction words are only used inside sentences (&quot;indo %1&quot;, &quot;vai %1 e dá numa barraca&quot;, &quot;Peça deslizou %1&quot;), so they carry their preposition: &quot;para a esquerda&quot;.</translatorcomment>
        <translation>para cima</translation>
    </message>
    <message>
        <source>down</source>
        <translatorcomment>Direction words are only used inside sentences (&quot;indo %1&quot;, &quot;vai %1 e dá numa barraca&quot;, &quot;Peça deslizou %1&quot;), so they carry their preposition: &quot;para a esquerda&quot;.</translatorcomment>
        <translation>para baixo</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>coluna %1: %2</translation>
    </message>
    <message>
        <source>%1 %2, car</source>
        <extracomment>one place in a row or column read at once: %1 its number in the row or column (a column number in a row, a row number in a column), %2 what lies there</extracomment>
        <translation>%1 %2, carro</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>the one place without a tile, into which a tile next to it can slide</extracomment>
        <translation>vazia</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>reta horizontal</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>reta vertical</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>cruzamento</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>curva direita baixo</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>curva baixo esquerda</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>curva cima direita</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>curva cima esquerda</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>saída</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>nenhuma partida ainda, linha %1, coluna %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>Clique aqui para começar a jogar</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translatorcomment>After a lost game: &quot;try again&quot;.</translatorcomment>
        <translation>Clique aqui para tentar de novo</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>Clique aqui para jogar de novo</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>Clique aqui para cancelar esta partida</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: the superlative &quot;dificílimo&quot; (&quot;hardest of hard&quot;) is one word, as long as the English.</translatorcomment>
        <translation>Dificílimo!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translatorcomment>&quot;Iniciante&quot; would be 50 % longer; &quot;Novato&quot; is as long as the English.</translatorcomment>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translatorcomment>Joke in spirit: &quot;moleza&quot; is the Brazilian children&apos;s word for &quot;dead easy&quot;; &quot;Só para crianças&quot; would be far too long.</translatorcomment>
        <translation>Moleza</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translatorcomment>Joke in spirit, not word for word: &quot;Passeie com o cachorro antes!&quot; is far too long. Offering &quot;a little coffee&quot; is what Brazilians say when there is time to spare; same length as the English.</translatorcomment>
        <translation>Vai um cafezinho?</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit and shorter; Portuguese does not capitalise every word of a phrase.</translatorcomment>
        <translation>Sente e relaxe</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit: the Brazilian idiom for &quot;no hurry&quot;.</translatorcomment>
        <translation>Sem pressa</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translation>Pense rápido!</translation>
    </message>
    <message>
        <source>Mission Impossible!</source>
        <extracomment>shown under a countdown of 10 to 19 seconds, the hardest; a joke after the film title, translate in spirit, short</extracomment>
        <translatorcomment>The film&apos;s Brazilian title is &quot;Missão: Impossível&quot;, so the joke carries over; same length as the English.</translatorcomment>
        <translation>Missão Impossível!</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>O tempo parou!</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift: não foi possível salvar os recordes em %1: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>não foi possível criar a trava</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>o sistema de arquivos recusou a gravação</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is not a plain settings file; the game starts from its own settings and leaves it alone</source>
        <extracomment>on standard error, after &quot;passed over &lt;settings file&gt;:&quot;; a FIFO or a folder is there</extracomment>
        <translation>não é um arquivo de configurações comum; o jogo começa com as próprias configurações e não mexe nele</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>não contém configurações que o jogo consiga ler; o jogo começa com as próprias configurações</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift: %1 ignorado: %2</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift: jogando sem som: %1</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>nenhum dispositivo de som</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>o dispositivo de som não pode ser usado</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>a biblioteca OpenAL não está instalada</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <extracomment>two sentences a screen reader says one after the other: %1 the first, which brings its own punctuation, %2 the second, which gets its full stop here</extracomment>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <extracomment>the score under the board, read by a screen reader; %1 is the points, e.g. &quot;230 points&quot;</extracomment>
        <translatorcomment>&quot;Pontos: 230 pontos&quot; would repeat the word; &quot;Pontuação&quot; (the score) does not. &quot;Placar&quot; is the statistics tab.</translatorcomment>
        <translation>Pontuação: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>O carro parte em menos de um segundo</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>O carro parte em %n segundo</numerusform>
            <numerusform>O carro parte em %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translatorcomment>Ranks are ordinals in Portuguese (&quot;1º lugar&quot;, read &quot;primeiro lugar&quot;); &quot;Posição %1&quot; is also possible but less natural.</translatorcomment>
        <translation>%1º lugar: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>sem nome</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translatorcomment>%1 is always a place &quot;linha X, coluna Y&quot; (or a list of them), so &quot;na %1&quot; reads &quot;na linha 2, coluna 3&quot;.</translatorcomment>
        <translation>A estrada chega direto à saída na %1</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>A estrada termina logo: vai %1 e sai do tabuleiro</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translation>
            <numerusform>A estrada chega à saída na %1 depois de %n peça</numerusform>
            <numerusform>A estrada chega à saída na %1 depois de %n peças</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translation>
            <numerusform>A estrada percorre %n peça e depois volta para a %1</numerusform>
            <numerusform>A estrada percorre %n peças e depois volta para a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translation>Peça deslizou %1; agora a casa vazia é aqui</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translation>A barraca pulou para a %1; agora a casa vazia é aqui, na %2</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>Não dá para deslizar: não está ao lado da casa vazia</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>Não dá para deslizar: o carro está aqui</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>Não dá para deslizar: esta é a casa vazia</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>Nenhuma partida em andamento; aperte N para começar uma</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translation>Não dá para girar uma barraca</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>Não dá para girar a casa vazia</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>Não dá para girar a saída</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translation>Saídas: %1; contagem regressiva: %2 segundos</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>O carro partiu</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translatorcomment>Ranks are ordinals in Portuguese (&quot;3º lugar&quot;).</translatorcomment>
        <translation>Você ganhou! %1 pontos, %2º lugar no Top 10</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translation>Você ganhou! %1 pontos, fora do Top 10</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translation>Você perdeu: o carro bateu numa barraca na %1</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>Você perdeu: o carro caiu na casa vazia na %1</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translatorcomment>&quot;a linha 2, coluna 3 está fechada&quot; would sound as if the whole row were closed; &quot;a peça na %1&quot; names the tile.</translatorcomment>
        <translation>Você perdeu: a peça na %1 está fechada para um carro indo %2</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>Você perdeu: o carro saiu do tabuleiro</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translation>Você perdeu: o carro saiu do tabuleiro na %1, indo %2</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Você perdeu</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>Pausado; aperte P para continuar</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>Continuando</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translation>Carro esperando no INÍCIO</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>Carro esperando no INÍCIO; contagem regressiva %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>Carro na %1, indo %2</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>Carro parado fora do tabuleiro</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>Carro parado na %1</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>Sem contagem regressiva: o carro espera até você apertar G</translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>Saídas: %1; sem contagem regressiva</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>Você ganhou! %1 pontos; sem tempo, então não vale para o Top 10</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>Você desistiu da partida; aperte N para uma nova</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>Partida guardada; aperte N para uma nova</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>O carro ainda não partiu: aperte G para mandá-lo</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>Há uma partida: Escape desiste dela ou a guarda</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>Som ligado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Som desligado</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>Bloqueada logo pela barraca na %1</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>Bloqueada logo pela casa vazia na %1</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>Bloqueada logo na %1: %2, fechada para um carro indo %3</translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Bloqueada pela barraca na %1, depois de %n peça</numerusform>
            <numerusform>Bloqueada pela barraca na %1, depois de %n peças</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>Bloqueada pela casa vazia na %1, depois de %n peça</numerusform>
            <numerusform>Bloqueada pela casa vazia na %1, depois de %n peças</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Bloqueada na %1 depois de %n peça: %2, fechada para um carro indo %3</numerusform>
            <numerusform>Bloqueada na %1 depois de %n peças: %2, fechada para um carro indo %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>A estrada sai do tabuleiro na %1, indo %2, depois de %n peça</numerusform>
            <numerusform>A estrada sai do tabuleiro na %1, indo %2, depois de %n peças</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>aí a estrada chega à saída na %1</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>aí a estrada segue %n peça e para na %1</numerusform>
            <numerusform>aí a estrada segue %n peças e para na %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>two parts of one piece of advice: %1 the move, %2 what follows it</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Turn it once with R</source>
        <extracomment>advice on the tile just named, which blocks the road or leads it off the board; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>Gire uma vez com R</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>Gire duas vezes com R</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>Deslize para cá a peça da %1: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>Aperte a barraca: ela pula para a casa vazia na %1</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>depois deslize para cá a peça da %1: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>Nenhuma peça ao lado se liga à estrada do jeito que está</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>A estrada chega à saída na %1!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>Estrada agora com %n peça; para na %1</numerusform>
            <numerusform>Estrada agora com %n peças; para na %1</numerusform>
        </translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>Nova partida; o carro espera até você apertar G</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>Nova partida; o carro sai em %1 segundos</translation>
    </message>
    <message>
        <source>Exit: %1</source>
        <extracomment>the one exit of a new game: %1 its place</extracomment>
        <translation>Saída: %1</translation>
    </message>
    <message>
        <source>Exit %1: %2</source>
        <translation>Saída %1: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>between the sentences of one announcement</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Turn it back with %1</source>
        <translation>Gire de volta com %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>the countdown before the car leaves, said at 10 and 5 seconds and in its last three</extracomment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>You failed to make it to the Top Ten</source>
        <extracomment>shown under the banner after a win whose points are too few for the top-ten table</extracomment>
        <translatorcomment>Shortened: the line under the banner has a fixed width.</translatorcomment>
        <translation>Você não entrou no Top 10</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translatorcomment>The English grammar slip (&quot;points is&quot;) is the English text&apos;s own charm; the Portuguese is correct. &quot;#&quot; is not used for ranks in Portuguese, the ordinal &quot;%1º lugar&quot; is.</translatorcomment>
        <translation>Seus pontos: %1º lugar no Top 10</translation>
    </message>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>Sem contagem regressiva, sem lugar no Top 10</translation>
    </message>
</context>
</TS>
