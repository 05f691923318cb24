<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translation>O hře Roadshift</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translation>O hře</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translation>Statistiky</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translation>Celkem od začátku</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Kolikrát byla hra otevřena </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Celkem odehraných her </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translation>Celkem dílků, kterými auto projelo </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translation>Toto spuštění</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Vyhraných her </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Prohraných her </translation>
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
        <translation>Hlas: stručně</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translation>Hlas: ticho</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>Hlas: vše</translation>
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
        <translation>%1: %2 Zkus „%1 --help“.
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift: odpověď nešlo vypsat: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>Po „%1“ chybí hodnota.</translation>
    </message>
    <message>
        <source>Roadshift, a puzzle game: slide and turn road tiles to lead a car that drives by itself
into one of the exits.</source>
        <extracomment>the first lines of --help; keep the line break where a line would pass 80 characters</extracomment>
        <translation>Roadshift, logická hra: posouvej a otáčej dílky silnice a doveď auto, které jede
samo, do jednoho z cílů.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translation>Ukázat tuto nápovědu a skončit.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>Ukázat verzi a skončit.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is a word on the command line that is no option</extracomment>
        <translation>Nečekaný argument „%1“.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>Použití: %1 [volby]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>Bez voleb se spustí hra. Volby, které bere každý program v Qt,
například -platform, -style a -reverse, se předají Qt.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift: žádné nainstalované písmo neukáže jazyk %1 (má ho fonts-noto-cjk); hraje se anglicky
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>Jak hrát</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>Cíl hry</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translation>Když odpočet dojde k nule, tvé auto se rozjede. Musíš mu postavit správnou cestu. Za každý dílek silnice, kterým projede, získáš 10&#xa0;bodů.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translation>Vyhraješ, když auto úspěšně dovedeš do „cíle“.</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translation>Jak se hraje?</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translation>LEVÝM TLAČÍTKEM MYŠI posuneš silnici na prázdné pole.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translation>PRAVÝM TLAČÍTKEM MYŠI otočíš silnici po směru hodinových ručiček.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translation>Už to chápeš?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translation>Vím, že jsi chytrá hlava! Užij si to!&#xa0;^_^</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>M vypíná a zapíná zvuky.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>%1 otočí dílek zpět. B skočí na místo, kde se cesta zastaví; X stisknuté znovu skočí na další cíl.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>W také řekne, co cestu blokuje, a jeden tah, který ji otevře. Kus silnice se jmenuje podle svých otevřených stran, v pořadí nahoru, doprava, dolů, doleva.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>Klávesy: šipky se pohybují po ploše a čtou každé pole. %1 posune dílek nebo nechá stan skočit. R otočí dílek. W řekne, kam vede cesta. C řekne, kde je auto. %2 se šipkou přečte celý řádek nebo sloupec. %3 skočí na auto, E na prázdné pole, X na nejbližší cíl. G pošle auto hned na cestu. P hru pozastaví. N nebo F2 začne hru. %4 schová banner. V přepne hlas na vše, stručně nebo ticho. %5 přechází mezi plochou a tlačítky. F1 je tato nápověda; %6 hru ukončí.</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translation>OK! Chápu!</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>CÍL! on the tiles and cíl in the texts: one word for the goal.</translatorcomment>
        <translation>CÍL!</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>lettered on the small sign beside the board where the car starts; one short word</extracomment>
        <translation>START</translation>
    </message>
    <message>
        <source>Pts</source>
        <extracomment>lettered after the score&apos;s big digits: a short form of &quot;points&quot;, at most 3 letters</extracomment>
        <translatorcomment>b. (body), the short form on Czech scoreboards.</translatorcomment>
        <translation>b.</translation>
    </message>
    <message>
        <source>CLICK TO PLAY!</source>
        <extracomment>lettered in big capitals on the banner under the board before a game</extracomment>
        <translation>KLIKNI A HREJ!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translation>SMŮLA! PROHRA!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translation>HURÁ! VÝHRA!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translation>HODNĚ ŠTĚSTÍ!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translation>...BUDEŠ HO POTŘEBOVAT</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translation>Levým kliknutím posuneš dílek z bodu A do bodu B</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translation>Pravým kliknutím otočíš dílek po směru hodinek</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translation>Doveď jedoucí auto od STARTU až do CÍLE!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>PAUZA</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translation>stiskni P a hraj dál</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>hrací plocha</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>pozastaveno</translation>
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
        <translation>O hře</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translation>Jak hrát</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translation>Konec hry</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translation>Počet cílů</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>Víc cílů znamená větší šanci na výhru!</translation>
    </message>
    <message>
        <source>difficult</source>
        <extracomment>a placeholder under the number of exits, replaced by a difficulty name at once
----------
a placeholder under the countdown, replaced by a joke at once</extracomment>
        <translation>těžké</translation>
    </message>
    <message>
        <source>Car move after...</source>
        <extracomment>the heading over the countdown: how many seconds pass before the car drives off</extracomment>
        <translation>Auto vyjede za...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>Misspelt in play as the English is: «promislet».</translatorcomment>
        <translation>Stačí ti čas promislet a postavit cestu?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translation>Sem tvoje jméno</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translation>Tohle jméno se může dostat do TOP 10!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>Tvoje jméno</translation>
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
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>Zvuk je zapnutý: klikni nebo stiskni M a ztiš ho</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>Zvuk je vypnutý: klikni nebo stiskni M a zapni ho</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>méně cílů</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>více cílů</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>kratší odpočet</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>delší odpočet</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>auto</translation>
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
        <translation>%1 %2, auto</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>the one place without a tile, into which a tile next to it can slide</extracomment>
        <translation>prázdno</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>rovně napříč</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>rovně nahoru dolů</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>křižovatka</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>zatáčka doprava dolů</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>zatáčka dolů doleva</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>zatáčka nahoru doprava</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>zatáčka nahoru doleva</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>cíl</translation>
    </message>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translation>stan</translation>
    </message>
    <message>
        <source>START sign</source>
        <translation>cedule START</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translation>dílek bez silnice</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>řádek %1, sloupec %2</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, řádek %2, sloupec %3, tady je auto</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, řádek %2, sloupec %3</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>zatím žádná hra, řádek %1, sloupec %2</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>START, tady auto čeká</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translation>doleva</translation>
    </message>
    <message>
        <source>right</source>
        <translation>doprava</translation>
    </message>
    <message>
        <source>up</source>
        <translation>nahoru</translation>
    </message>
    <message>
        <source>down</source>
        <translation>dolů</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>řádek %1: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>sloupec %1: %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>Klikni sem a začni hrát</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translation>Klikni sem a hraj znovu</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>Klikni sem a hraj ještě jednou</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>Klikni sem a zruš tuto hru</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translation>Ultra těžké!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translation>Nováček</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translation>Jen pro děti</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>Čas se zastavil!</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translation>Nejdřív venči psa!</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translation>Sedni si a odpočívej</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translation>V klidu</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translation>Mysli rychleji!</translation>
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
        <translation>není to obyčejný soubor s nastavením; hra začne s vlastním nastavením a nechá ho být</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>není v něm nastavení, které by hra přečetla; hra začne s vlastním nastavením</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>souborový systém zápis odmítl</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>není to obyčejný soubor</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift: přeskočeno %1: %2</translation>
    </message>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift: záznamy nešlo uložit do %1: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>zámek nejde vytvořit</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift: hraje se bez zvuku: %1</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>chybí knihovna OpenAL</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>žádné zvukové zařízení</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>zvukové zařízení nejde použít</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translation>
            <numerusform>%n bod</numerusform>
            <numerusform>%n body</numerusform>
            <numerusform>%n bodů</numerusform>
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
        <translation>Skóre: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>Bez odpočtu: auto čeká, dokud nestiskneš G</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>Auto vyjede za necelou sekundu</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>Auto vyjede za %n sekundu</numerusform>
            <numerusform>Auto vyjede za %n sekundy</numerusform>
            <numerusform>Auto vyjede za %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translation>%1. místo: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>bez jména</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translation>Cesta hned vede do cíle: %1</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>Cestu hned blokuje stan: %1</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>Cestu hned blokuje prázdné pole: %1</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>Hned zablokováno: %1: %2, zavřené pro auto jedoucí %3</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>Cesta hned končí a vede %1 z plochy</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translation>
            <numerusform>Cesta po %n dílku vede do cíle: %1</numerusform>
            <numerusform>Cesta po %n dílcích vede do cíle: %1</numerusform>
            <numerusform>Cesta po %n dílcích vede do cíle: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translatorcomment>po %n dílku / dílcích: the locative has one form for 2-4 and for 5 and more.</translatorcomment>
        <translation>
            <numerusform>Po %n dílku cestu blokuje stan: %1</numerusform>
            <numerusform>Po %n dílcích cestu blokuje stan: %1</numerusform>
            <numerusform>Po %n dílcích cestu blokuje stan: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>Po %n dílku cestu blokuje prázdné pole: %1</numerusform>
            <numerusform>Po %n dílcích cestu blokuje prázdné pole: %1</numerusform>
            <numerusform>Po %n dílcích cestu blokuje prázdné pole: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Po %n dílku zablokováno: %1: %2, zavřené pro auto jedoucí %3</numerusform>
            <numerusform>Po %n dílcích zablokováno: %1: %2, zavřené pro auto jedoucí %3</numerusform>
            <numerusform>Po %n dílcích zablokováno: %1: %2, zavřené pro auto jedoucí %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>Po %n dílku cesta opouští plochu: %1, směr %2</numerusform>
            <numerusform>Po %n dílcích cesta opouští plochu: %1, směr %2</numerusform>
            <numerusform>Po %n dílcích cesta opouští plochu: %1, směr %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translation>
            <numerusform>Cesta vede %n dílek a pak se vrací do smyčky: %1</numerusform>
            <numerusform>Cesta vede %n dílky a pak se vrací do smyčky: %1</numerusform>
            <numerusform>Cesta vede %n dílků a pak se vrací do smyčky: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>pak cesta vede do cíle: %1</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>pak cesta vede %n dílek a končí: %1</numerusform>
            <numerusform>pak cesta vede %n dílky a končí: %1</numerusform>
            <numerusform>pak cesta vede %n dílků a končí: %1</numerusform>
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
        <translation>Otoč ho jednou klávesou R</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>Otoč ho dvakrát klávesou R</translation>
    </message>
    <message>
        <source>Turn it back with %1</source>
        <translation>Otoč ho zpět klávesami %1</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>Přisuň dílek z pole %1: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>Stiskni stan: skočí na prázdné pole: %1</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>pak přisuň dílek z pole %1: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>Žádný sousední dílek, jak leží, cestu nenapojí</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>Cesta vede do cíle: %1!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>Cesta teď má %n dílek; končí: %1</numerusform>
            <numerusform>Cesta teď má %n dílky; končí: %1</numerusform>
            <numerusform>Cesta teď má %n dílků; končí: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translation>Posunuto %1; prázdné pole je teď tady</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translation>Stan skočil na %1; prázdné pole je teď tady: %2</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>Nejde posunout: není vedle prázdného pole</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>Nejde posunout: je tu auto</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>Nejde posunout: tohle je prázdné pole</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>Žádná hra neběží; stiskni N a začni</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translation>Stan nejde otočit</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>Prázdné pole nejde otočit</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>Cíl nejde otočit</translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>Nová hra; auto čeká, dokud nestiskneš G</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>Nová hra; auto vyjede za %1 s</translation>
    </message>
    <message>
        <source>Exit: %1</source>
        <extracomment>the one exit of a new game: %1 its place</extracomment>
        <translation>Cíl: %1</translation>
    </message>
    <message>
        <source>Exit %1: %2</source>
        <translation>Cíl %1: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>between the sentences of one announcement</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>Cílů: %1; bez odpočtu</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translation>Cílů: %1; odpočet: %2 s</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>Auto vyjelo</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>Výhra! Bodů: %1; bez odpočtu, takže ne do TOP 10</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translation>Výhra! Bodů: %1, %2. místo v TOP 10</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translation>Výhra! Bodů: %1, do TOP 10 to nestačilo</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translation>Prohra: auto narazilo do stanu: %1</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>Prohra: auto vjelo na prázdné pole: %1</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translation>Prohra: %1 je zavřené pro auto jedoucí %2</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>Prohra: auto vyjelo z plochy</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translation>Prohra: auto vyjelo z plochy: %1, směr %2</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Prohra</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>Pozastaveno; stiskni P a pokračuj</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>Pokračujeme</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>Hra vzdána; stiskni N pro novou</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>Hra uklizena; stiskni N pro novou</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>Auto ještě nevyjelo: stiskni G a pošli ho</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>Hra běží: Escape ji vzdá nebo uklidí</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>Zvuk zapnut</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Zvuk vypnut</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translation>Auto čeká na STARTU</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>Auto čeká na STARTU; odpočet %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>Auto: %1, jede %2</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>Auto stojí mimo plochu</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>Auto stojí: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>the countdown before the car leaves, said at 10 and 5 seconds and in its last three</extracomment>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>Bez odpočtu, takže žádné místo v TOP 10</translation>
    </message>
    <message>
        <source>You failed to make it to the Top Ten</source>
        <extracomment>shown under the banner after a win whose points are too few for the top-ten table</extracomment>
        <translation>Do TOP 10 to tentokrát nestačilo</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translation>Tvoje body jsou na %1. místě v TOP 10</translation>
    </message>
</context>
</TS>
