<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translation>Acerca de Roadshift</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translatorcomment>Shortened: &quot;Acerca de&quot; would be almost twice as long as the tab&apos;s English word; &quot;Info&quot; is as short and understood everywhere.</translatorcomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translatorcomment>Shortened: &quot;Estadísticas&quot; is more than twice as long as the tab&apos;s English word; &quot;Datos&quot; (the figures) is as short.</translatorcomment>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translatorcomment>&quot;Acumulado&quot; is an office word; &quot;all games&quot; says the same to a family.</translatorcomment>
        <translation>Todas las partidas</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translatorcomment>Shortened to fit beside its number. Simple past (&quot;abriste&quot;) is the neutral choice understood in Spain and Latin America alike.</translatorcomment>
        <translation>Veces que abriste el juego </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Partidas jugadas en total </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translatorcomment>The English grammar slip (&quot;pass&quot;) is not copied; shortened to fit beside the number.</translatorcomment>
        <translation>Fichas recorridas por el auto </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Partidas ganadas </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Partidas perdidas </translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the about box</extracomment>
        <translatorcomment>&quot;Aceptar&quot; would be more than three times as long; &quot;OK&quot; is understood by every Spanish speaker.</translatorcomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Speech brief</source>
        <extracomment>the game now speaks only events and answers, not every confirmation</extracomment>
        <translation>Voz breve</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translation>Voz apagada</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>Voz completa</translation>
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
        <translation>Roadshift, un juego de ingenio: desliza y gira fichas de carretera para guiar
un auto que avanza solo hasta una de las metas.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>Muestra la versión y termina.</translation>
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
        <translation>%1: %2 Prueba &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift: no se pudo escribir la respuesta: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>Falta un valor después de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>Uso: %1 [opciones]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>Sin opciones, se inicia el juego. Las opciones que acepta todo programa Qt,
como -platform, -style y -reverse, se pasan a Qt.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift: ninguna fuente instalada muestra %1 (fonts-noto-cjk la tiene); se juega en inglés
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translatorcomment>The English grammar slip (&quot;it pass&quot;) is not copied. &quot;Cuenta regresiva&quot; and &quot;auto&quot; are the words understood from Spain to Latin America (&quot;cuenta atrás&quot;/&quot;coche&quot; are Spain only, &quot;coche&quot; even means pig in parts of Central America).</translatorcomment>
        <translation>Cuando la cuenta regresiva llegue a cero, tu auto arrancará. Prepárale una carretera adecuada. Por cada ficha de carretera que recorra, ganas 10&#xa0;puntos.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translatorcomment>The exit is called &quot;meta&quot; (finish) throughout: &quot;salida&quot;, the usual word for an exit, also means a race&apos;s start and is used here for the START sign.</translatorcomment>
        <translation>Ganas la partida si logras llevar el auto hasta una “meta”.</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translatorcomment>&quot;¿Cómo se juega?&quot; would repeat the box&apos;s title; &quot;Controles&quot; names what follows and is shorter.</translatorcomment>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translatorcomment>The mouse is not named: &quot;ratón&quot; (Spain) and &quot;mouse&quot; (Latin America) differ; &quot;CLIC IZQUIERDO&quot; is understood by both.</translatorcomment>
        <translation>Haz CLIC IZQUIERDO en una ficha para deslizarla a la casilla vacía.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translatorcomment>The mouse is not named: &quot;ratón&quot; (Spain) and &quot;mouse&quot; (Latin America) differ; &quot;CLIC DERECHO&quot; is understood by both.</translatorcomment>
        <translation>Haz CLIC DERECHO en una ficha para girarla en sentido horario.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translation>¿Todo claro?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;ser un as&quot; (to be an ace) is friendly praise for anyone, child or grown-up, and has no gender, unlike &quot;listo/lista&quot;.</translatorcomment>
        <translation>¡Sé que eres un as! ¡Diviértete!&#xa0;^_^</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translatorcomment>Shortened: &quot;¡OK, entendido!&quot; would be 40 % longer than the button&apos;s English text; the word alone answers the heading &quot;¿Todo claro?&quot;.</translatorcomment>
        <translation>¡Entendido!</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>M apaga y enciende los sonidos.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>W también dice qué bloquea la carretera y una jugada que la abre. Cada pieza de carretera se nombra por sus lados abiertos, en el orden arriba, derecha, abajo, izquierda.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>%1 gira la ficha hacia atrás. B va a la casilla donde se corta la carretera; X, otra vez, pasa a la meta siguiente.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>Teclas: las flechas recorren el tablero y leen cada casilla. %1 desliza la ficha o hace saltar la carpa. R gira la ficha. W dice adónde lleva la carretera. C dice dónde está el auto. %2 con una flecha lee toda la fila o columna. %3 va al auto, E a la casilla vacía, X a la meta más cercana. G hace salir el auto ya. P pausa. N o F2 empieza una partida. %4 quita el aviso. V pone la voz completa, breve o apagada. %5 pasa del tablero a los botones y viceversa. F1 es esta ayuda; %6 sale.</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>&quot;¡EL FIN!&quot; sounds like the end of a film; &quot;¡META!&quot; (finish) is what a Spanish road race writes on its last stretch, and it is shorter.</translatorcomment>
        <translation>¡META!</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>lettered on the small sign beside the board where the car starts; one short word</extracomment>
        <translatorcomment>&quot;SALIDA&quot; is the word on a race&apos;s start line; one letter longer than the English, within the sign&apos;s room.</translatorcomment>
        <translation>SALIDA</translation>
    </message>
    <message>
        <source>Pts</source>
        <extracomment>lettered after the score&apos;s big digits: a short form of &quot;points&quot;, at most 3 letters</extracomment>
        <translation>Pts</translation>
    </message>
    <message>
        <source>CLICK TO PLAY!</source>
        <extracomment>lettered in big capitals on the banner under the board before a game</extracomment>
        <translatorcomment>&quot;¡HAZ CLIC PARA JUGAR!&quot; would be 50 % longer; &quot;click and let&apos;s play!&quot; is close to the English length.</translatorcomment>
        <translation>¡CLIC Y A JUGAR!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translatorcomment>&quot;¡LO SIENTO!&quot; sounds stiff on a game&apos;s banner; &quot;¡OH, NO!&quot; is what a player says. Simple past &quot;PERDISTE&quot; is understood everywhere and shorter than &quot;HAS PERDIDO&quot;.</translatorcomment>
        <translation>¡OH, NO! ¡PERDISTE!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translatorcomment>Shortened: &quot;¡FELICIDADES!&quot; is long; &quot;¡BRAVO!&quot; cheers the same.</translatorcomment>
        <translation>¡BRAVO! ¡GANASTE!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translatorcomment>Shortened: &quot;¡BUENA SUERTE!&quot; is 40 % longer; &quot;¡Suerte!&quot; alone is the usual Spanish wish.</translatorcomment>
        <translation>¡SUERTE!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;luck ... and plenty of it, you will need it&quot;. The English plural &quot;&apos;em&quot; has no Spanish match.</translatorcomment>
        <translation>...Y MUCHA, LA NECESITARÁS</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translation>Clic izquierdo en la ficha para moverla del punto A al punto B</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translatorcomment>Shortened: the literal &quot;Clic derecho en la ficha para girarla en sentido horario&quot; is 20 % longer than the English caption.</translatorcomment>
        <translation>Clic derecho: la ficha gira en sentido horario</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translatorcomment>SALIDA and META as lettered on the sign and the exit tiles; the exclamation marks wrap the whole sentence, as Spanish writes them.</translatorcomment>
        <translation>¡Guía el auto desde la SALIDA hasta la META!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translation>presiona P para seguir</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>tablero</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>en pausa</translation>
    </message>
    <message>
        <source>Roadshift v%1</source>
        <extracomment>the window&apos;s title: keep the game&apos;s name Roadshift as it is; %1 is the version, e.g. 1.00</extracomment>
        <translation>Roadshift v%1</translation>
    </message>
    <message>
        <source>START!</source>
        <extracomment>the red word to click under the board that starts a game; very short (about 7 letters)</extracomment>
        <translatorcomment>The red word starts a game: &quot;¡JUGAR!&quot; (play!) has the English length; &quot;¡SALIDA!&quot; is kept for the sign where the car waits.</translatorcomment>
        <translation>¡JUGAR!</translation>
    </message>
    <message>
        <source>About Game</source>
        <extracomment>a button that opens the about box with the statistics</extracomment>
        <translatorcomment>Shortened: &quot;Acerca del juego&quot; would be 60 % longer than the button&apos;s English text.</translatorcomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translatorcomment>The English grammar slip (&quot;exitpoint&quot;) is not copied.</translatorcomment>
        <translation>Número de metas</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>¡Más metas, más posibilidades de ganar!</translation>
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
        <translation>El auto sale en...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>The English misspells on purpose (&quot;Enuff&quot;, &quot;built&quot;); the Spanish plays with the spoken &quot;pa&apos;&quot; for &quot;para&quot;, which reads as playful everywhere, not as the translator&apos;s mistake.</translatorcomment>
        <translation>¿Tiempo suficiente pa&apos; pensar y hacer la carretera?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translation>seg</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translation>Tu nombre aquí</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translatorcomment>&quot;Top 10&quot; is how Spanish writes such a table (as in the charts).</translatorcomment>
        <translation>¡Este nombre puede entrar en el TOP 10!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>TOP</source>
        <extracomment>the first word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>&quot;Top 10&quot; is how Spanish writes a top-ten table (as in the charts), so the heading reads TOP / 10.</translatorcomment>
        <translation>TOP</translation>
    </message>
    <message>
        <source>TEN</source>
        <extracomment>the second word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>&quot;Top 10&quot; is how Spanish writes a top-ten table (as in the charts), so the heading reads TOP / 10; &quot;TEN&quot; would be English, &quot;DIEZ&quot; unusual.</translatorcomment>
        <translation>10</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>menos metas</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>más metas</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>cuenta regresiva más corta</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>cuenta regresiva más larga</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>auto</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>the sound switch&apos;s name for a screen reader and its tooltip</extracomment>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>El sonido está activado: haz clic o presiona M para silenciarlo</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>El sonido está desactivado: haz clic o presiona M para oírlo</translation>
    </message>
</context>
<context>
    <name>PlaceNames</name>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translatorcomment>&quot;Carpa&quot; is a tent from Spain to Latin America; &quot;tienda&quot; means shop in Latin America.</translatorcomment>
        <translation>carpa</translation>
    </message>
    <message>
        <source>START sign</source>
        <translation>cartel de SALIDA</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translation>ficha sin carretera</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>SALIDA, aquí espera el auto</translation>
    </message>
    <message>
        <source>START</source>
        <translation>SALIDA</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>between two places of a row or column read at once</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, fila %2, columna %3, auto aquí</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, fila %2, columna %3</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translatorcomment>Direction words are only used inside sentences (&quot;va %1 contra una carpa&quot;, &quot;Ficha deslizada %1&quot;, &quot;que va %2&quot;), so they carry their preposition: &quot;hacia la izquierda&quot;.</translatorcomment>
        <translation>hacia la izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translatorcomment>Direction words are only used inside sentences (&quot;va %1 contra una carpa&quot;, &quot;Ficha deslizada %1&quot;, &quot;que va %2&quot;), so they carry their preposition: &quot;hacia la izquierda&quot;.</translatorcomment>
        <translation>hacia la derecha</translation>
    </message>
    <message>
        <source>up</source>
        <translatorcomment>Direction words are only used inside sentences (&quot;va %1 contra una carpa&quot;, &quot;Ficha deslizada %1&quot;, &quot;que va %2&quot;), so they carry their preposition: &quot;hacia la izquierda&quot;.</translatorcomment>
        <translation>hacia arriba</translation>
    </message>
    <message>
        <source>down</source>
        <translatorcomment>Direction words are only used inside sentences (&quot;va %1 contra una carpa&quot;, &quot;Ficha deslizada %1&quot;, &quot;que va %2&quot;), so they carry their preposition: &quot;hacia la izquierda&quot;.</translatorcomment>
        <translation>hacia abajo</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>fila %1: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>columna %1: %2</translation>
    </message>
    <message>
        <source>%1 %2, car</source>
        <extracomment>one place in a row or column read at once: %1 its number in the row or column (a column number in a row, a row number in a column), %2 what lies there</extracomment>
        <translation>%1 %2, auto</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>the one place without a tile, into which a tile next to it can slide</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>recta horizontal</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>recta vertical</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>cruce</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>curva derecha abajo</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>curva abajo izquierda</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>curva arriba derecha</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>curva arriba izquierda</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>meta</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>aún no hay partida, fila %1, columna %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>Haz clic aquí para empezar a jugar</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translatorcomment>After a lost game: &quot;la revancha&quot; (the return match) keeps it apart from &quot;play again&quot; after a win.</translatorcomment>
        <translation>Haz clic aquí para la revancha</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>Haz clic aquí para jugar de nuevo</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>Haz clic aquí para cancelar esta partida</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;¡Durísimo!&quot; (rock hard) is the playful superlative; one word, shorter than the English.</translatorcomment>
        <translation>¡Durísimo!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translatorcomment>&quot;Intermedio&quot; would be 70 % longer; &quot;Normal&quot; is the usual middle level in Spanish games.</translatorcomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translatorcomment>&quot;Principiante&quot; would be twice as long; &quot;Novato&quot; is the usual game level name.</translatorcomment>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translatorcomment>Joke in spirit: &quot;pan comido&quot; (a piece of cake) says &quot;dead easy&quot; as the English joke does; &quot;Juego de niños&quot; would say both but is 55 % longer.</translatorcomment>
        <translation>Pan comido</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translatorcomment>Joke in spirit: so much time that you can walk the dog; &quot;primero&quot; dropped to stay as short as the English.</translatorcomment>
        <translation>¡Pasea al perro!</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translation>Siéntate y relájate</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit: the Spanish idiom for &quot;easy does it&quot;, understood everywhere (&quot;Tranqui&quot; is Spain-only slang).</translatorcomment>
        <translation>Con calma</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translation>¡Piensa rápido!</translation>
    </message>
    <message>
        <source>Mission Impossible!</source>
        <extracomment>shown under a countdown of 10 to 19 seconds, the hardest; a joke after the film title, translate in spirit, short</extracomment>
        <translatorcomment>The film is known by this title across the Spanish-speaking world.</translatorcomment>
        <translation>¡Misión imposible!</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>¡El tiempo se detiene!</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift: no se pudieron guardar los récords en %1: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>no se puede crear el bloqueo</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>el sistema de archivos rechazó la escritura</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is not a plain settings file; the game starts from its own settings and leaves it alone</source>
        <extracomment>on standard error, after &quot;passed over &lt;settings file&gt;:&quot;; a FIFO or a folder is there</extracomment>
        <translation>no es un archivo de configuración normal; el juego empieza con su propia configuración y no lo toca</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>no contiene ninguna configuración que el juego pueda leer; el juego empieza con su propia configuración</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift: se omitió %1: %2</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift: se juega sin sonido: %1</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>no hay dispositivo de sonido</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>no se puede usar el dispositivo de sonido</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>falta la biblioteca OpenAL</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
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
        <translation>Puntuación: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>El auto sale en menos de un segundo</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>El auto sale en %n segundo</numerusform>
            <numerusform>El auto sale en %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translation>Puesto %1: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translation>La carretera llega de inmediato a la meta en %1</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>La carretera termina de inmediato: va %1 fuera del tablero</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translation>
            <numerusform>La carretera llega a la meta en %1 tras %n ficha</numerusform>
            <numerusform>La carretera llega a la meta en %1 tras %n fichas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translation>
            <numerusform>La carretera recorre %n ficha y luego vuelve a %1</numerusform>
            <numerusform>La carretera recorre %n fichas y luego vuelve a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translation>Ficha deslizada %1; ahora aquí está la casilla vacía</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translation>La carpa saltó a %1; ahora aquí está la casilla vacía, en %2</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>No se puede deslizar: no está junto a la casilla vacía</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>No se puede deslizar: aquí está el auto</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>No se puede deslizar: esta es la casilla vacía</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>No hay partida en curso; presiona N para empezar una</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translation>No se puede girar una carpa</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>No se puede girar la casilla vacía</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>No se puede girar la meta</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translation>Metas: %1; cuenta regresiva: %2 segundos</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>El auto arranca</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translation>¡Ganaste! %1 puntos, puesto %2 en el Top 10</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translation>¡Ganaste! %1 puntos, fuera del Top 10</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translation>Perdiste: el auto chocó con una carpa en %1</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>Perdiste: el auto entró en la casilla vacía en %1</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translation>Perdiste: la casilla de la %1 está cerrada para un auto que va %2</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>Perdiste: el auto salió del tablero</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translation>Perdiste: el auto salió del tablero en %1, %2</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Perdiste</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>Pausa; presiona P para seguir</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>Seguimos</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translation>El auto espera en la SALIDA</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>El auto espera en la SALIDA; cuenta regresiva: %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>Auto en %1, va %2</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>Auto detenido fuera del tablero</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>Auto detenido en %1</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>Sin cuenta regresiva: el auto espera hasta que presiones G</translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>Metas: %1; sin cuenta regresiva</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>¡Ganaste! %1 puntos; sin tiempo, así que no cuenta para el Top 10</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>Partida abandonada; presiona N para una nueva</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>Partida quitada; presiona N para una nueva</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>El auto todavía no salió: presiona G para enviarlo</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>Hay una partida: Escape la abandona o la quita</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Sonido desactivado</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>Bloqueada de inmediato por la carpa en %1</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>Bloqueada de inmediato por la casilla vacía en %1</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>Bloqueada de inmediato en %1: %2, cerrada para un auto que va %3</translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Bloqueada por la carpa en %1, tras %n ficha</numerusform>
            <numerusform>Bloqueada por la carpa en %1, tras %n fichas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>Bloqueada por la casilla vacía en %1, tras %n ficha</numerusform>
            <numerusform>Bloqueada por la casilla vacía en %1, tras %n fichas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Bloqueada en %1 tras %n ficha: %2, cerrada para un auto que va %3</numerusform>
            <numerusform>Bloqueada en %1 tras %n fichas: %2, cerrada para un auto que va %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>La carretera sale del tablero en %1, %2, tras %n ficha</numerusform>
            <numerusform>La carretera sale del tablero en %1, %2, tras %n fichas</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>luego la carretera llega a la meta en %1</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>luego la carretera sigue %n ficha y se detiene en %1</numerusform>
            <numerusform>luego la carretera sigue %n fichas y se detiene en %1</numerusform>
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
        <translation>Gírala una vez con R</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>Gírala dos veces con R</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>Desliza la ficha de %1: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>Presiona la carpa: salta a la casilla vacía en %1</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>luego desliza la ficha de %1: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>Ninguna ficha de al lado se une a la carretera tal como está</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>¡La carretera llega a la meta en %1!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>Carretera ahora de %n ficha; se detiene en %1</numerusform>
            <numerusform>Carretera ahora de %n fichas; se detiene en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>Partida nueva; el auto espera hasta que presiones G</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>Partida nueva; el auto sale en %1 segundos</translation>
    </message>
    <message>
        <source>Exit: %1</source>
        <extracomment>the one exit of a new game: %1 its place</extracomment>
        <translation>Meta: %1</translation>
    </message>
    <message>
        <source>Exit %1: %2</source>
        <translation>Meta %1: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>between the sentences of one announcement</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Turn it back with %1</source>
        <translation>Gírala hacia atrás con %1</translation>
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
        <translation>No entraste en el Top 10</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translatorcomment>The English grammar slip (&quot;points is&quot;) is the English text&apos;s own charm; the Spanish is correct. &quot;#&quot; is not used for ranks in Spanish, &quot;puesto&quot; is.</translatorcomment>
        <translation>Tus puntos: puesto %1 en el Top 10</translation>
    </message>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>Sin cuenta regresiva no hay lugar en el Top 10</translation>
    </message>
</context>
</TS>
