<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translatorcomment>Shortened: &quot;Informazioni su Roadshift&quot; is 50 % longer than the title&apos;s English; &quot;Info su&quot; is as common in Italian programs.</translatorcomment>
        <translation>Info su Roadshift</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translatorcomment>&quot;Statistiche&quot; would be more than twice as long as the tab&apos;s English word; &quot;Partite&quot; (games) names exactly what the tab counts: games opened, played, won and lost.</translatorcomment>
        <translation>Partite</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translatorcomment>&quot;Cumulativo&quot; is an office word; &quot;all games so far&quot; says the same to a family.</translatorcomment>
        <translation>Tutte le partite finora</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Volte che hai aperto il gioco </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Partite giocate in tutto </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translatorcomment>The English grammar slip (&quot;pass&quot;) is not copied; shortened to fit beside the number (&quot;tiles the car drove over&quot;).</translatorcomment>
        <translation>Tessere percorse dall&apos;auto </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translation>Questa sessione</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Partite vinte </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Partite perse </translation>
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
        <translation>Annunci brevi</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translation>Annunci spenti</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>Annunci completi</translation>
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
        <translation>Roadshift, un gioco di logica: fai scorrere e ruota le tessere della strada per
guidare un&apos;auto che va da sola fino a una delle uscite.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is a word on the command line that is no option</extracomment>
        <translation>Argomento inatteso &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <extracomment>%1 is the program&apos;s name, %2 says what was wrong with the command line</extracomment>
        <translation>%1: %2 Prova &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift: impossibile scrivere la risposta: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>Manca il valore dopo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>Uso: %1 [opzioni]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>Senza opzioni si avvia il gioco. Le opzioni valide per ogni programma Qt,
come -platform, -style e -reverse, vengono passate a Qt.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift: nessun font installato mostra %1 (lo contiene fonts-noto-cjk); si gioca in inglese
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translatorcomment>The English grammar slip (&quot;it pass&quot;) is not copied.</translatorcomment>
        <translation>Quando il conto alla rovescia arriva a zero, la tua auto parte. Preparale una strada adatta. Per ogni tessera di strada che attraversa guadagni 10&#xa0;punti.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translation>Vinci se riesci a guidare l&apos;auto fino a un&apos;uscita.</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translatorcomment>&quot;Come si gioca?&quot; would repeat the box&apos;s title; &quot;Comandi&quot; (controls) names what follows and is shorter.</translatorcomment>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translation>Con il TASTO SINISTRO del mouse fai scorrere una tessera nella casella vuota.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translation>Con il TASTO DESTRO del mouse ruoti una tessera in senso orario.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translation>Tutto chiaro?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;sei un asso&quot; (you are an ace) is friendly praise for a child or a grown-up alike and, unlike &quot;tipo sveglio&quot;, fits any player.</translatorcomment>
        <translation>Lo so che sei un asso! Divertiti!&#xa0;^_^</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translation>OK, capito!</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>M spegne e riaccende i suoni.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>W dice anche cosa blocca la strada e una mossa che la apre. Un pezzo di strada prende il nome dai suoi lati aperti, nell&apos;ordine alto, destra, basso, sinistra.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>%1 gira la tessera all&apos;indietro. B va alla casella dove la strada si ferma; X, di nuovo, passa all&apos;uscita successiva.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>Tasti: le frecce ti muovono sul tabellone e leggono ogni casella. %1 fa scorrere la tessera o fa saltare la tenda. R ruota la tessera. W dice dove porta la strada. C dice dov&apos;è l&apos;auto. %2 con una freccia legge tutta la riga o la colonna. %3 va all&apos;auto, E alla casella vuota, X all&apos;uscita più vicina. G fa partire subito l&apos;auto. P mette in pausa. N o F2 avvia una partita. %4 toglie il banner. V imposta gli annunci su completi, brevi o spenti. %5 passa dal tabellone ai pulsanti e viceversa. F1 è questo aiuto; %6 esce.</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>The texts call the goal «uscita»; the tiles say the same word, so that a player meets one word for it.</translatorcomment>
        <translation>USCITA!</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>lettered on the small sign beside the board where the car starts; one short word</extracomment>
        <translatorcomment>&quot;PARTENZA&quot; is too long for the small sign; &quot;START&quot; is understood by every Italian child (races, video games) and is kept.</translatorcomment>
        <translation>START</translation>
    </message>
    <message>
        <source>Pts</source>
        <extracomment>lettered after the score&apos;s big digits: a short form of &quot;points&quot;, at most 3 letters</extracomment>
        <translatorcomment>The usual Italian short form of &quot;punti&quot;; Italian short forms take no plural ending.</translatorcomment>
        <translation>Pt</translation>
    </message>
    <message>
        <source>CLICK TO PLAY!</source>
        <extracomment>lettered in big capitals on the banner under the board before a game</extracomment>
        <translation>CLICCA E GIOCA!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translation>PECCATO! HAI PERSO!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translatorcomment>&quot;BRAVO!&quot; would be masculine only; &quot;GRANDE!&quot; is the playful praise that fits any player, same length as the English.</translatorcomment>
        <translation>GRANDE! HAI VINTO!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translatorcomment>Shortened: &quot;BUONA FORTUNA!&quot; would be 40 % longer than the English; &quot;BUONA SORTE!&quot; says the same.</translatorcomment>
        <translation>BUONA SORTE!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;good luck ... and you need plenty of it&quot;. Shorter than the English.</translatorcomment>
        <translation>...E NE SERVE TANTA</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translation>Clic sinistro: sposta la tessera dal punto A al punto B</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translation>Clic destro: ruota la tessera in senso orario</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translatorcomment>START and USCITA! as lettered on the sign and the exit tiles.</translatorcomment>
        <translation>Guida l&apos;auto in corsa dallo START all&apos;USCITA!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translatorcomment>Shortened: &quot;premi P per continuare&quot; is longer than the English line.</translatorcomment>
        <translation>riprendi con P</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>tabellone</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>in pausa</translation>
    </message>
    <message>
        <source>Roadshift v%1</source>
        <extracomment>the window&apos;s title: keep the game&apos;s name Roadshift as it is; %1 is the version, e.g. 1.00</extracomment>
        <translation>Roadshift v%1</translation>
    </message>
    <message>
        <source>START!</source>
        <extracomment>the red word to click under the board that starts a game; very short (about 7 letters)</extracomment>
        <translatorcomment>The Italian start call (&quot;pronti, partenza, via!&quot;); shorter than the English. The sign beside the board keeps START, which names a place, not a call.</translatorcomment>
        <translation>VIA!</translation>
    </message>
    <message>
        <source>About Game</source>
        <extracomment>a button that opens the about box with the statistics</extracomment>
        <translation>Info gioco</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translatorcomment>The English slip (The English grammar slip (&quot;exitpoint&quot;) is not copied.quot;exitpointThe English grammar slip (&quot;exitpoint&quot;) is not copied.quot;, one word, singular) is not copied.</translatorcomment>
        <translation>Numero di uscite</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>Più uscite, più possibilità di vincere!</translation>
    </message>
    <message>
        <source>difficult</source>
        <extracomment>a placeholder under the number of exits, replaced by a difficulty name at once
----------
a placeholder under the countdown, replaced by a joke at once</extracomment>
        <translation>difficile</translation>
    </message>
    <message>
        <source>Car move after...</source>
        <extracomment>the heading over the countdown: how many seconds pass before the car drives off</extracomment>
        <translation>L&apos;auto parte tra...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>The English misspells on purpose (&quot;Enuff&quot;, &quot;built&quot;); misspelt Italian would look like the translator&apos;s mistake, so the Italian plays with spoken, Roman-flavoured forms instead (&quot;c&apos;hai&quot;, &quot;pe&apos;&quot;, &quot;fa&apos;&quot;), which every Italian reads as a wink.</translatorcomment>
        <translation>C&apos;hai tempo abbastanza pe&apos; pensarci e fa&apos; la strada?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translation>sec</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translation>Il tuo nome qui</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translation>Questo nome potrebbe entrare nella TOP TEN!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>TOP</source>
        <extracomment>the first word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>&quot;Top Ten&quot; is the usual Italian word for such a table (as in the charts), so the heading stays TOP / TEN; &quot;CLASSIFICA&quot; would not fit.</translatorcomment>
        <translation>TOP</translation>
    </message>
    <message>
        <source>TEN</source>
        <extracomment>the second word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>&quot;Top Ten&quot; is the usual Italian word for such a table (as in the charts), so the heading stays TOP / TEN; &quot;CLASSIFICA&quot; would not fit.</translatorcomment>
        <translation>TEN</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>meno uscite</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>più uscite</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>conto alla rovescia più breve</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>conto alla rovescia più lungo</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>auto</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>the sound switch&apos;s name for a screen reader and its tooltip</extracomment>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>Il suono è attivo: fai clic o premi M per spegnerlo</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>Il suono è spento: fai clic o premi M per sentirlo</translation>
    </message>
</context>
<context>
    <name>PlaceNames</name>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translation>tenda</translation>
    </message>
    <message>
        <source>START sign</source>
        <translation>cartello START</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translation>tessera senza strada</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>START, qui aspetta l&apos;auto</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>between two places of a row or column read at once</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, riga %2, colonna %3, qui c&apos;è l&apos;auto</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, riga %2, colonna %3</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translatorcomment>The direction words are only used inside sentences (&quot;va %1 contro una tenda&quot;, &quot;diretta %2&quot;, &quot;Tessera spostata %1&quot;), so they carry their preposition: &quot;verso sinistra&quot;, &quot;verso l&apos;alto&quot;.</translatorcomment>
        <translation>verso sinistra</translation>
    </message>
    <message>
        <source>right</source>
        <translatorcomment>The direction words are only used inside sentences (&quot;va %1 contro una tenda&quot;, &quot;diretta %2&quot;, &quot;Tessera spostata %1&quot;), so they carry their preposition: &quot;verso sinistra&quot;, &quot;verso l&apos;alto&quot;.</translatorcomment>
        <translation>verso destra</translation>
    </message>
    <message>
        <source>up</source>
        <translatorcomment>The direction words are only used inside sentences (&quot;va %1 contro una tenda&quot;, &quot;diretta %2&quot;, &quot;Tessera spostata %1&quot;), so they carry their preposition: &quot;verso sinistra&quot;, &quot;verso l&apos;alto&quot;.</translatorcomment>
        <translation>verso l&apos;alto</translation>
    </message>
    <message>
        <source>down</source>
        <translatorcomment>The direction words are only used inside sentences (&quot;va %1 contro una tenda&quot;, &quot;diretta %2&quot;, &quot;Tessera spostata %1&quot;), so they carry their preposition: &quot;verso sinistra&quot;, &quot;verso l&apos;alto&quot;.</translatorcomment>
        <translation>verso il basso</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>colonna %1: %2</translation>
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
        <translation>vuota</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>rettilineo orizzontale</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>rettilineo verticale</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>incrocio</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>curva destra basso</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>curva basso sinistra</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>curva alto destra</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>curva alto sinistra</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>uscita</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>ancora nessuna partita, riga %1, colonna %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>Clicca qui per giocare</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translation>Clicca qui per riprovare</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>Clicca qui per giocare ancora</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>Clicca qui per annullare questa partita</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;tosto&quot; is the playful Italian for &quot;tough&quot;; &quot;Difficilissimo!&quot; would be 40 % longer.</translatorcomment>
        <translation>Tostissimo!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translatorcomment>Shortened: &quot;Principiante&quot; is twice as long as the English; &quot;Facile&quot; (easy) keeps the scale from &quot;Tostissimo!&quot; down to &quot;Per bimbi&quot;.</translatorcomment>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translatorcomment>Joke in spirit: &quot;for little kids&quot;, the easiest setting; &quot;un gioco da ragazzi&quot; (child&apos;s play) would not fit.</translatorcomment>
        <translation>Per bimbi</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;take the dog out&quot; (so much time you can do that first); &quot;prima&quot; is left out to keep it short.</translatorcomment>
        <translation>Porta fuori il cane!</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit; nearly the same length as the English.</translatorcomment>
        <translation>Siediti e rilassati</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit: the Italian idiom for &quot;easy does it&quot;.</translatorcomment>
        <translation>Con calma</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit, colloquial and as long as the English.</translatorcomment>
        <translation>Pensa veloce!</translation>
    </message>
    <message>
        <source>Mission Impossible!</source>
        <extracomment>shown under a countdown of 10 to 19 seconds, the hardest; a joke after the film title, translate in spirit, short</extracomment>
        <translatorcomment>The film is known in Italy under its English title, but the Italian words are understood by children too.</translatorcomment>
        <translation>Missione impossibile!</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>Il tempo si ferma!</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift: impossibile salvare i dati di gioco in %1: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>impossibile creare il file di blocco</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>il file system ha rifiutato la scrittura</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is not a plain settings file; the game starts from its own settings and leaves it alone</source>
        <extracomment>on standard error, after &quot;passed over &lt;settings file&gt;:&quot;; a FIFO or a folder is there</extracomment>
        <translation>non è un normale file di impostazioni; il gioco parte con le sue impostazioni e non lo tocca</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>non contiene impostazioni che il gioco possa leggere; il gioco parte con le sue impostazioni</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift: %1 ignorato: %2</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift: si gioca senza suono: %1</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>nessun dispositivo audio</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>il dispositivo audio non è utilizzabile</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>manca la libreria OpenAL</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
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
        <translation>Punteggio: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>L&apos;auto parte tra meno di un secondo</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>L&apos;auto parte tra %n secondo</numerusform>
            <numerusform>L&apos;auto parte tra %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translation>Posizione %1: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>senza nome</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translation>La strada raggiunge subito l&apos;uscita in %1</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>La strada finisce subito: va %1 fuori dal tabellone</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translation>
            <numerusform>La strada raggiunge l&apos;uscita in %1 dopo %n tessera</numerusform>
            <numerusform>La strada raggiunge l&apos;uscita in %1 dopo %n tessere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translation>
            <numerusform>La strada prosegue per %n tessera, poi torna su sé stessa in %1</numerusform>
            <numerusform>La strada prosegue per %n tessere, poi torna su sé stessa in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translation>Tessera spostata %1; ora qui c&apos;è la casella vuota</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translation>La tenda è saltata in %1; ora la casella vuota è qui, in %2</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>Non si può spostare: non è accanto alla casella vuota</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>Non si può spostare: qui c&apos;è l&apos;auto</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>Non si può spostare: questa è la casella vuota</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>Nessuna partita in corso; premi N per iniziarne una</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translation>Non si può ruotare: è una tenda</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>Non si può ruotare: è la casella vuota</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>Non si può ruotare: è l&apos;uscita</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translation>Uscite: %1; conto alla rovescia: %2 secondi</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>L&apos;auto è partita</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translation>Hai vinto! %1 punti, posizione %2 nella Top Ten</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translation>Hai vinto! %1 punti, fuori dalla Top Ten</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translation>Hai perso: l&apos;auto ha urtato una tenda in %1</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>Hai perso: l&apos;auto è finita nella casella vuota in %1</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translatorcomment>A place alone (&quot;riga 2, colonna 3&quot;) has no clear gender for &quot;chiusa&quot;, so the sentence names the &quot;casella&quot;.</translatorcomment>
        <translation>Hai perso: la casella in %1 è chiusa per un&apos;auto diretta %2</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>Hai perso: l&apos;auto è uscita dal tabellone</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translation>Hai perso: l&apos;auto è uscita dal tabellone in %1, %2</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Hai perso</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>In pausa; premi P per continuare</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>Si riparte</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translation>L&apos;auto aspetta allo START</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>L&apos;auto aspetta allo START; conto alla rovescia %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>Auto in %1, diretta %2</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>Auto ferma fuori dal tabellone</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>Auto ferma in %1</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>Nessun conto alla rovescia: l&apos;auto aspetta che premi G</translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>Uscite: %1; nessun conto alla rovescia</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>Hai vinto! %1 punti; senza tempo, quindi non per la Top Ten</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>Partita abbandonata; premi N per una nuova</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>Partita messa via; premi N per una nuova</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>L&apos;auto non è ancora partita: premi G per mandarla</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>C&apos;è una partita: Escape la abbandona o la mette via</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>Suono attivo</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Suono spento</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>Bloccata subito dalla tenda in %1</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>Bloccata subito dalla casella vuota in %1</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>Bloccata subito in %1: %2, senza ingresso per un&apos;auto diretta %3</translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Bloccata dalla tenda in %1, dopo %n tessera</numerusform>
            <numerusform>Bloccata dalla tenda in %1, dopo %n tessere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>Bloccata dalla casella vuota in %1, dopo %n tessera</numerusform>
            <numerusform>Bloccata dalla casella vuota in %1, dopo %n tessere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Bloccata in %1 dopo %n tessera: %2, senza ingresso per un&apos;auto diretta %3</numerusform>
            <numerusform>Bloccata in %1 dopo %n tessere: %2, senza ingresso per un&apos;auto diretta %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>La strada esce dal tabellone in %1, %2, dopo %n tessera</numerusform>
            <numerusform>La strada esce dal tabellone in %1, %2, dopo %n tessere</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>poi la strada raggiunge l&apos;uscita in %1</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>poi la strada prosegue per %n tessera e si ferma in %1</numerusform>
            <numerusform>poi la strada prosegue per %n tessere e si ferma in %1</numerusform>
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
        <translation>Girala una volta con R</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>Girala due volte con R</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>Fai scorrere dentro la tessera da %1: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>Premi la tenda: salta nella casella vuota in %1</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>poi fai scorrere dentro la tessera da %1: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>Nessuna tessera accanto si collega alla strada così com&apos;è</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>La strada raggiunge l&apos;uscita in %1!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>Strada ora di %n tessera; si ferma in %1</numerusform>
            <numerusform>Strada ora di %n tessere; si ferma in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>Nuova partita; l&apos;auto aspetta finché non premi G</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>Nuova partita; l&apos;auto parte tra %1 secondi</translation>
    </message>
    <message>
        <source>Exit: %1</source>
        <extracomment>the one exit of a new game: %1 its place</extracomment>
        <translation>Uscita: %1</translation>
    </message>
    <message>
        <source>Exit %1: %2</source>
        <translation>Uscita %1: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>between the sentences of one announcement</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Turn it back with %1</source>
        <translation>Girala all&apos;indietro con %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>the countdown before the car leaves, said at 10 and 5 seconds and in its last three</extracomment>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>You failed to make it to the Top Ten</source>
        <extracomment>shown under the banner after a win whose points are too few for the top-ten table</extracomment>
        <translatorcomment>Shortened: the line under the banner has a fixed width.</translatorcomment>
        <translation>Peccato, non sei nella Top Ten</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translatorcomment>The English grammar slip (&quot;points is&quot;) is the English text&apos;s own charm; the Italian is correct. &quot;#&quot; is not used for ranks in Italian, &quot;%1º posto&quot; is.</translatorcomment>
        <translation>Sei al %1º posto nella Top Ten</translation>
    </message>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>Senza conto alla rovescia, niente posto nella Top Ten</translation>
    </message>
</context>
</TS>
