<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translation>A Roadshift névjegye</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translation>Statisztika</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translation>Összesen az első indítás óta</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Ennyiszer nyitottad meg a játékot </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Eddig lejátszott játékok </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translation>Ennyi lapkán haladt át az autó </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translation>Ez az alkalom</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Megnyert játékok </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Elvesztett játékok </translation>
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
        <translation>Beszéd: rövid</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translation>Beszéd: néma</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>Beszéd: teljes</translation>
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
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <extracomment>%1 is the program&apos;s name, %2 says what was wrong with the command line</extracomment>
        <translation>%1: %2 Próbáld ki: „%1 --help”.
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift: a válasz nem írható ki: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>Hiányzik az érték ez után: „%1”.</translation>
    </message>
    <message>
        <source>Roadshift, a puzzle game: slide and turn road tiles to lead a car that drives by itself
into one of the exits.</source>
        <extracomment>the first lines of --help; keep the line break where a line would pass 80 characters</extracomment>
        <translation>Roadshift, egy logikai játék: tologasd és forgasd az útlapkákat, hogy a magától
haladó autót az egyik célba vezesd.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translation>Megmutatja ezt a súgót, és kilép.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>Megmutatja a verziót, és kilép.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is a word on the command line that is no option</extracomment>
        <translation>Váratlan argumentum: „%1”.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>Használat: %1 [kapcsolók]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>Kapcsolók nélkül elindul a játék. A minden Qt-program által ismert kapcsolókat,
például a -platform, -style és -reverse kapcsolót, a Qt kapja meg.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift: egyetlen telepített betűkészlet sem jeleníti meg ezt: %1 (a fonts-noto-cjk tartalmazza); a játék angolul fut
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>Játékszabályok</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>A játék célja</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translation>Amikor a visszaszámlálás nullához ér, az autód elindul. Építs neki rendes utat, hogy haladni tudjon. Minden útlapkáért, amelyen áthalad, 10&#xa0;pontot kapsz.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translation>Akkor nyersz, ha sikerül az autót a „célba” vezetned.</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translation>Hogyan játssz?</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translation>A BAL EGÉRGOMBBAL tolod az utat az üres mezőre.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translation>A JOBB EGÉRGOMBBAL forgatod az utat az óramutató járásával megegyezően.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translation>Érted már?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translation>Tudom, hogy okos vagy! Jó szórakozást!&#xa0;^_^</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>Az M ki- és bekapcsolja a hangokat.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>A %1 visszaforgatja a lapkát. A B oda visz, ahol megáll az út; az X újra megnyomva a következő célhoz visz.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>A W azt is megmondja, mi zárja el az utat, és egy lépést, amely megnyitja. Az útdarab neve a nyitott oldalait mondja, fel, jobbra, le, balra sorrendben.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>Billentyűk: a nyilak a táblán mozognak, és felolvassák a mezőket. A %1 eltolja a lapkát, vagy ugrásra bírja a sátrat. Az R forgatja a lapkát. A W megmondja, hová vezet az út. A C megmondja, hol van az autó. A %2 egy nyíllal felolvassa az egész sort vagy oszlopot. A %3 az autóhoz, az E az üres mezőre, az X a legközelebbi célhoz visz. A G azonnal elindítja az autót. A P szünetet tart. Az N vagy az F2 új játékot kezd. A %4 elteszi a szalagot. A V a beszédet teljesre, rövidre vagy némára állítja. A %5 a tábla és a gombok között vált. Az F1 ez a súgó; a %6 kilép.</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translation>OK! Értem!</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>CÉL! on the tiles and cél in the texts.</translatorcomment>
        <translation>CÉL!</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>lettered on the small sign beside the board where the car starts; one short word</extracomment>
        <translation>START</translation>
    </message>
    <message>
        <source>Pts</source>
        <extracomment>lettered after the score&apos;s big digits: a short form of &quot;points&quot;, at most 3 letters</extracomment>
        <translation>p</translation>
    </message>
    <message>
        <source>CLICK TO PLAY!</source>
        <extracomment>lettered in big capitals on the banner under the board before a game</extracomment>
        <translation>KATTINTS ÉS JÁTSSZ!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translation>SAJNOS! VESZTETTÉL!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translation>GRATULA! NYERTÉL!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translation>SOK SZERENCSÉT!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translation>...NAGYON KELL MAJD</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translation>Bal kattintás a lapkára: A pontból B pontba tolja</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translation>Jobb kattintás a lapkára: az óramutató járásával megegyezően forgatja</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translation>Vezesd a haladó autót a STARTtól a CÉLig!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>SZÜNET</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translation>nyomd meg a P-t a folytatáshoz</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>tábla</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>szünet</translation>
    </message>
    <message>
        <source>Roadshift v%1</source>
        <extracomment>the window&apos;s title: keep the game&apos;s name Roadshift as it is; %1 is the version, e.g. 1.00</extracomment>
        <translation>Roadshift v%1</translation>
    </message>
    <message>
        <source>START!</source>
        <extracomment>the red word to click under the board that starts a game; very short (about 7 letters)</extracomment>
        <translation>START!</translation>
    </message>
    <message>
        <source>About Game</source>
        <extracomment>a button that opens the about box with the statistics</extracomment>
        <translation>A játékról</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translation>Szabályok</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translation>Célok száma</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>Több cél, nagyobb esély a győzelemre!</translation>
    </message>
    <message>
        <source>difficult</source>
        <extracomment>a placeholder under the number of exits, replaced by a difficulty name at once
----------
a placeholder under the countdown, replaced by a joke at once</extracomment>
        <translation>nehéz</translation>
    </message>
    <message>
        <source>Car move after...</source>
        <extracomment>the heading over the countdown: how many seconds pass before the car drives off</extracomment>
        <translation>Az autó indul...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>Misspelt in play as the English is: «Ejég», «megépiteni».</translatorcomment>
        <translation>Ejég idő kitalálni és megépiteni az utat?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translation>mp</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translation>Ide a neved</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translation>Ez a név bekerülhet a top 10-be!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>A neved</translation>
    </message>
    <message>
        <source>TOP</source>
        <extracomment>the first word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translation>TOP</translation>
    </message>
    <message>
        <source>TEN</source>
        <extracomment>the second word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translation>10</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>the sound switch&apos;s name for a screen reader and its tooltip</extracomment>
        <translation>Hang</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>A hang be van kapcsolva: kattints vagy nyomd meg az M-et a némításhoz</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>A hang ki van kapcsolva: kattints vagy nyomd meg az M-et a bekapcsoláshoz</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>kevesebb cél</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>több cél</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>rövidebb visszaszámlálás</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>hosszabb visszaszámlálás</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>autó</translation>
    </message>
</context>
<context>
    <name>PlaceNames</name>
    <message>
        <source>; </source>
        <extracomment>between two places of a row or column read at once</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 %2, car</source>
        <extracomment>one place in a row or column read at once: %1 its number in the row or column (a column number in a row, a row number in a column), %2 what lies there</extracomment>
        <translation>%1 %2, autó</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>the one place without a tile, into which a tile next to it can slide</extracomment>
        <translation>üres</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>egyenes vízszintes</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>egyenes függőleges</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>kereszteződés</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>kanyar jobbra le</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>kanyar le balra</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>kanyar fel jobbra</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>kanyar fel balra</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>cél</translation>
    </message>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translation>sátor</translation>
    </message>
    <message>
        <source>START sign</source>
        <translation>START tábla</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translation>út nélküli lapka</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>%1. sor, %2. oszlop</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, %2. sor, %3. oszlop, itt az autó</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, %2. sor, %3. oszlop</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>még nincs játék, %1. sor, %2. oszlop</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>START, itt vár az autó</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translation>balra</translation>
    </message>
    <message>
        <source>right</source>
        <translation>jobbra</translation>
    </message>
    <message>
        <source>up</source>
        <translation>felfelé</translation>
    </message>
    <message>
        <source>down</source>
        <translation>lefelé</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>%1. sor: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>%1. oszlop: %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>Kattints ide a játék indításához</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translation>Kattints ide az újrajátszáshoz</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>Kattints ide egy újabb játékhoz</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>Kattints ide a játék megszakításához</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translation>Ultranehéz!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translation>Közepes</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translation>Kezdő</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translation>Csak gyerekeknek</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>Megállt az idő!</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translation>Előbb sétáltasd meg a kutyát!</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translation>Dőlj hátra, pihenj</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translation>Csak lazán</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translation>Gondolkodj gyorsabban!</translation>
    </message>
    <message>
        <source>Mission Impossible!</source>
        <extracomment>shown under a countdown of 10 to 19 seconds, the hardest; a joke after the film title, translate in spirit, short</extracomment>
        <translation>Mission Impossible!</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>it is not a plain settings file; the game starts from its own settings and leaves it alone</source>
        <extracomment>on standard error, after &quot;passed over &lt;settings file&gt;:&quot;; a FIFO or a folder is there</extracomment>
        <translation>ez nem közönséges beállításfájl; a játék a saját beállításaival indul, és békén hagyja</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>nincs benne olyan beállítás, amelyet a játék el tud olvasni; a játék a saját beállításaival indul</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>a fájlrendszer megtagadta az írást</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ez nem közönséges fájl</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift: kihagyva: %1: %2</translation>
    </message>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift: az eredmények nem menthetők ide: %1: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>a zárolás nem hozható létre</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift: hang nélkül játszol: %1</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>hiányzik az OpenAL könyvtár</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>nincs hangeszköz</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>a hangeszköz nem használható</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translatorcomment>Hungarian takes the singular after a number: 5 pont.</translatorcomment>
        <translation>
            <numerusform>%n pont</numerusform>
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
        <translation>Pontszám: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>Nincs visszaszámlálás: az autó vár, amíg meg nem nyomod a G-t</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>Az autó egy másodpercen belül indul</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>Az autó %n másodperc múlva indul</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translation>%1. hely: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>névtelen</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translation>Az út azonnal célba ér: %1</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>Azonnal elzárja a sátor: %1</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>Azonnal elzárja az üres mező: %1</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>Azonnal elzárva: %1: %2, zárva a %3 haladó autó előtt</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>Az út azonnal véget ér, és %1 kifut a tábláról</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translation>
            <numerusform>Az út %n lapka után célba ér: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translation>
            <numerusform>%n lapka után elzárja a sátor: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>%n lapka után elzárja az üres mező: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>%n lapka után elzárva: %1: %2, zárva a %3 haladó autó előtt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>Az út %n lapka után kifut a tábláról: %1, irány: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translation>
            <numerusform>Az út %n lapkán át halad, aztán körbe visszatér ide: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>akkor az út célba ér: %1</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>akkor az út %n lapkán át halad, és megáll: %1</numerusform>
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
        <translation>Forgasd el egyszer az R-rel</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>Forgasd el kétszer az R-rel</translation>
    </message>
    <message>
        <source>Turn it back with %1</source>
        <translation>Forgasd vissza ezzel: %1</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>Told be a lapkát innen: %1: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>Nyomd meg a sátrat: az üres mezőre ugrik: %1</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>aztán told be a lapkát innen: %1: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>Egyik szomszédos lapka sem csatlakozik az úthoz így, ahogy áll</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>Az út célba ér: %1!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>Az út most %n lapka; megáll: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translatorcomment>Suffixes after a placeholder would need vowel harmony: places and directions come after a colon.</translatorcomment>
        <translation>Eltolva, irány: %1; most itt az üres mező</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translation>A sátor ide ugrott: %1; most itt az üres mező: %2</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>Nem tolható: nincs az üres mező mellett</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>Nem tolható: itt az autó</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>Nem tolható: ez az üres mező</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>Nem fut játék; nyomd meg az N-t az indításhoz</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translation>A sátor nem forgatható</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>Az üres mező nem forgatható</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>A cél nem forgatható</translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>Új játék; az autó vár, amíg meg nem nyomod a G-t</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>Új játék; az autó %1 másodperc múlva indul</translation>
    </message>
    <message>
        <source>Exit: %1</source>
        <extracomment>the one exit of a new game: %1 its place</extracomment>
        <translation>Cél: %1</translation>
    </message>
    <message>
        <source>Exit %1: %2</source>
        <translation>%1. cél: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>between the sentences of one announcement</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>Célok: %1; nincs visszaszámlálás</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translation>Célok: %1; visszaszámlálás: %2 másodperc</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>Az autó elindult</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>Nyertél! %1 pont; időkorlát nélkül, így nem kerül a top 10-be</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translation>Nyertél! %1 pont, %2. hely a top 10-ben</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translation>Nyertél! %1 pont, nem került a top 10-be</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translation>Vesztettél: az autó sátornak ütközött: %1</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>Vesztettél: az autó az üres mezőre hajtott: %1</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translation>Vesztettél: %1 zárva a %2 haladó autó előtt</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>Vesztettél: az autó lehajtott a tábláról</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translation>Vesztettél: az autó lehajtott a tábláról: %1, irány: %2</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Vesztettél</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>Szünet; nyomd meg a P-t a folytatáshoz</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>Folytatjuk</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>Játék feladva; nyomd meg az N-t egy újhoz</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>Játék eltéve; nyomd meg az N-t egy újhoz</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>Az autó még nem indult el: nyomd meg a G-t az indításhoz</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>Játék folyik: az Escape feladja vagy elteszi</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>Hang be</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Hang ki</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translation>Az autó a STARTnál vár</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>Az autó a STARTnál vár; visszaszámlálás: %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>Autó: %1, irány: %2</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>Az autó a táblán kívül állt meg</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>Az autó megállt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>the countdown before the car leaves, said at 10 and 5 seconds and in its last three</extracomment>
        <translation>
            <numerusform>%n másodperc</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>Nincs visszaszámlálás, így nincs hely a top 10-ben</translation>
    </message>
    <message>
        <source>You failed to make it to the Top Ten</source>
        <extracomment>shown under the banner after a win whose points are too few for the top-ten table</extracomment>
        <translation>Nem sikerült bekerülnöd a top 10-be</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translation>A pontjaid a %1. helyen állnak a top 10-ben</translation>
    </message>
</context>
</TS>
