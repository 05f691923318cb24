<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translation>Over Roadshift</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translation>Over</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translatorcomment>&quot;Statistieken&quot;, as a Dutch player calls these numbers; the tab narrows its face to fit it.</translatorcomment>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translatorcomment>&quot;Cumulatief&quot; is an office word; &quot;all games so far&quot; says the same to a family.</translatorcomment>
        <translation>Alle potjes tot nu toe</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Zo vaak heb je het spel geopend </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Gespeelde potjes in totaal </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translatorcomment>The English grammar slip (&quot;pass&quot;) is not copied; &quot;blocks&quot; are the road tiles (tegels), shortened to fit beside the number.</translatorcomment>
        <translation>Door de auto bereden tegels </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translation>Deze sessie</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Gewonnen potjes </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Verloren potjes </translation>
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
        <translation>Spraak kort</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translation>Spraak uit</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>Spraak volledig</translation>
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
        <translation>Roadshift, een puzzelspel: schuif en draai wegtegels om een auto die vanzelf
rijdt naar een van de uitgangen te leiden.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translation>Deze hulp tonen en stoppen.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>De versie tonen en stoppen.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is a word on the command line that is no option</extracomment>
        <translation>Onverwacht argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <extracomment>%1 is the program&apos;s name, %2 says what was wrong with the command line</extracomment>
        <translation>%1: %2 Probeer &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift: het antwoord kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>Waarde ontbreekt na &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>Gebruik: %1 [opties]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>Zonder opties start het spel. De opties die elk Qt-programma kent,
zoals -platform, -style en -reverse, worden aan Qt doorgegeven.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift: geen geïnstalleerd lettertype toont %1 (fonts-noto-cjk heeft het); er wordt in het Engels gespeeld
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>Doel</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translatorcomment>The English grammar slip (&quot;it pass&quot;) is not copied. &quot;Countdown&quot; is the usual word in Dutch, also for children.</translatorcomment>
        <translation>Als de countdown op nul staat, gaat je auto rijden. Leg een goede weg waarover hij kan rijden. Voor elke wegtegel waar hij overheen rijdt, krijg je 10&#xa0;punten.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translation>Je wint als je de auto naar een “uitgang” weet te loodsen.</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translatorcomment>&quot;Hoe speel je?&quot; would repeat the box&apos;s title; &quot;Besturing&quot; (controls) names what follows and is shorter.</translatorcomment>
        <translation>Besturing</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translatorcomment>&quot;the blank tile&quot; is the empty place (het lege vak), as everywhere else in the game.</translatorcomment>
        <translation>Met de LINKERMUISKNOP schuif je een tegel in het lege vak.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translation>Met de RECHTERMUISKNOP draai je een tegel met de klok mee.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translation>Snap je het?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;slimmerik&quot; is the friendly Dutch word for a clever person, child or grown-up, with no gender; &quot;fellow&quot; has no such Dutch match.</translatorcomment>
        <translation>Jij bent vast een slimmerik! Veel plezier!&#xa0;^_^</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translation>OK, begrepen!</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>M zet de geluiden uit en weer aan.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>W noemt ook wat de weg blokkeert en een zet die hem opent. Een wegstuk heet naar zijn open kanten, in de volgorde boven, rechts, onder, links.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>%1 draait de tegel terug. B gaat naar het vak waar de weg ophoudt; X gaat nog eens naar de volgende uitgang.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>Toetsen: de pijltjes bewegen over het bord en lezen elk vak voor. %1 schuift de tegel, of laat de tent springen. R draait de tegel. W zegt waar de weg heen gaat. C zegt waar de auto is. %2 met een pijltje leest de hele rij of kolom. %3 gaat naar de auto, E naar het lege vak, X naar de dichtstbijzijnde uitgang. G laat de auto nu vertrekken. P pauzeert. N of F2 start een spel. %4 haalt de banner weg. V zet de spraak op volledig, kort of uit. %5 gaat tussen het bord en de knoppen. F1 is deze hulp; %6 stopt het spel.</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>The texts call the goal &quot;uitgang&quot;; the tiles say the same word, so that a player meets one word for it.</translatorcomment>
        <translation>UITGANG!</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>lettered on the small sign beside the board where the car starts; one short word</extracomment>
        <translatorcomment>&quot;START&quot; is the Dutch word too.</translatorcomment>
        <translation>START</translation>
    </message>
    <message>
        <source>Pts</source>
        <extracomment>lettered after the score&apos;s big digits: a short form of &quot;points&quot;, at most 3 letters</extracomment>
        <translatorcomment>The usual Dutch short form of &quot;punten&quot;.</translatorcomment>
        <translation>Ptn</translation>
    </message>
    <message>
        <source>CLICK TO PLAY!</source>
        <extracomment>lettered in big capitals on the banner under the board before a game</extracomment>
        <translatorcomment>&quot;KLIK OM TE SPELEN!&quot; would be 30 % longer; &quot;click and play!&quot; is as long as the English.</translatorcomment>
        <translation>KLIK EN SPEEL!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translation>HELAAS! VERLOREN!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translatorcomment>&quot;GEFELICITEERD!&quot; alone is almost as long as the whole English line; &quot;HOERA!&quot; (hooray) is the family cheer and shorter.</translatorcomment>
        <translation>HOERA! GEWONNEN!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translatorcomment>&quot;Veel succes!&quot; is what Dutch people wish before a game or test; &quot;VEEL GELUK&quot; sounds like a birthday wish.</translatorcomment>
        <translation>VEEL SUCCES!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;good luck ... and you will need it&quot;. The English plural &quot;&apos;em&quot; has no Dutch match; as long as the English.</translatorcomment>
        <translation>...EN DAT HEB JE NODIG</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translation>Linksklik schuift de tegel van punt A naar punt B</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translation>Rechtsklik draait de tegel met de klok mee</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translatorcomment>START and UITGANG! as lettered on the sign and the exit tiles.</translatorcomment>
        <translation>Leid de rijdende auto van START naar de UITGANG!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>PAUZE</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translatorcomment>Shortened: &quot;druk op P om verder te spelen&quot; is much longer than the English line.</translatorcomment>
        <translation>verder met P</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>speelbord</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>gepauzeerd</translation>
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
        <translatorcomment>Shortened: &quot;Over het spel&quot; would be 30 % longer than the button&apos;s English text.</translatorcomment>
        <translation>Spelinfo</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translatorcomment>&quot;Spel afsluiten&quot; would be too long for the button; &quot;Stoppen&quot; (quit) is shorter than the English.</translatorcomment>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translatorcomment>The English slip (&quot;exitpoint&quot; singular) is not copied.</translatorcomment>
        <translation>Aantal uitgangen</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>Meer uitgangen, meer kans om te winnen!</translation>
    </message>
    <message>
        <source>difficult</source>
        <extracomment>a placeholder under the number of exits, replaced by a difficulty name at once
----------
a placeholder under the countdown, replaced by a joke at once</extracomment>
        <translation>moeilijk</translation>
    </message>
    <message>
        <source>Car move after...</source>
        <extracomment>the heading over the countdown: how many seconds pass before the car drives off</extracomment>
        <translation>Auto vertrekt na...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>The English misspells on purpose (&quot;Enuff&quot;, &quot;built&quot;); the Dutch drops the final -n of &quot;denken&quot; and &quot;bouwen&quot; as people say them, which reads as playful, not as a translator&apos;s mistake.</translatorcomment>
        <translation>Genoeg tijd om vooruit te denke en de weg te bouwe?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translation>sec</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translation>Jouw naam hier</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translation>Deze naam komt misschien in de TOP TIEN!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>Jouw naam</translation>
    </message>
    <message>
        <source>TOP</source>
        <extracomment>the first word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>The heading reads TOP / TIEN, the Dutch &quot;top tien&quot; (as in the charts&apos; &quot;Top 40&quot;).</translatorcomment>
        <translation>TOP</translation>
    </message>
    <message>
        <source>TEN</source>
        <extracomment>the second word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>The heading reads TOP / TIEN, the Dutch &quot;top tien&quot;; four letters like the other word.</translatorcomment>
        <translation>TIEN</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>minder uitgangen</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>meer uitgangen</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>kortere countdown</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>langere countdown</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>auto</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>the sound switch&apos;s name for a screen reader and its tooltip</extracomment>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>Geluid staat aan: klik of druk op M om het uit te zetten</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>Geluid staat uit: klik of druk op M om het te horen</translation>
    </message>
</context>
<context>
    <name>PlaceNames</name>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translation>tent</translation>
    </message>
    <message>
        <source>START sign</source>
        <translation>START-bord</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translatorcomment>&quot;gewone tegel&quot; would not say that no road is on it.</translatorcomment>
        <translation>tegel zonder weg</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>START, hier wacht de auto</translation>
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
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, rij %2, kolom %3, auto hier</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, rij %2, kolom %3</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translatorcomment>The direction is said with &quot;naar&quot; because it is put into sentences such as &quot;rijdt %1&quot;, &quot;%1 geschoven&quot;, &quot;eindigt %1 tegen een tent&quot;: &quot;naar links&quot; fits all of them.</translatorcomment>
        <translation>naar links</translation>
    </message>
    <message>
        <source>right</source>
        <translatorcomment>The direction is said with &quot;naar&quot; because it is put into sentences such as &quot;rijdt %1&quot;, &quot;%1 geschoven&quot;, &quot;eindigt %1 tegen een tent&quot;: &quot;naar links&quot; fits all of them.</translatorcomment>
        <translation>naar rechts</translation>
    </message>
    <message>
        <source>up</source>
        <translatorcomment>The direction is said with &quot;naar&quot; because it is put into sentences such as &quot;rijdt %1&quot;, &quot;%1 geschoven&quot;, &quot;eindigt %1 tegen een tent&quot;: &quot;naar links&quot; fits all of them.</translatorcomment>
        <translation>naar boven</translation>
    </message>
    <message>
        <source>down</source>
        <translatorcomment>The direction is said with &quot;naar&quot; because it is put into sentences such as &quot;rijdt %1&quot;, &quot;%1 geschoven&quot;, &quot;eindigt %1 tegen een tent&quot;: &quot;naar links&quot; fits all of them.</translatorcomment>
        <translation>naar beneden</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>rij %1: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>kolom %1: %2</translation>
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
        <translation>leeg</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>recht stuk liggend</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>recht stuk staand</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>kruising</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>bocht rechts onder</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>bocht onder links</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>bocht boven rechts</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>bocht boven links</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>uitgang</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>nog geen spel, rij %1, kolom %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>Klik hier om te beginnen</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translatorcomment>After a lost game: &quot;herkansing&quot; (a second chance) is what Dutch players call a replay after failing.</translatorcomment>
        <translation>Klik hier voor een herkansing</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>Klik hier om nog eens te spelen</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>Klik hier om dit spel af te breken</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;keihard&quot; (rock hard) is the playful Dutch word; shorter than the English.</translatorcomment>
        <translation>Keihard!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translatorcomment>&quot;Gemiddeld&quot; would be 50 % longer than &quot;Medium&quot;; &quot;Normaal&quot; is what Dutch games call the middle setting.</translatorcomment>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translatorcomment>&quot;Beginner&quot; is the usual Dutch word; two letters longer than &quot;Novice&quot;, no shorter word says it.</translatorcomment>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translatorcomment>Joke in spirit: &quot;kinderspel&quot; (child&apos;s play) says both &quot;for kids&quot; and &quot;dead easy&quot;.</translatorcomment>
        <translation>Kinderspel</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;de hond uitlaten&quot; is walking the dog; &quot;Eerst de hond uit!&quot; is how a Dutch family says it in a hurry; as long as the English.</translatorcomment>
        <translation>Eerst de hond uit!</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit: &quot;lekker relaxen&quot; (have a nice relax) is the everyday Dutch for it; the literal &quot;Ga zitten en ontspan&quot; is longer and stiff.</translatorcomment>
        <translation>Lekker relaxen</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit: the Dutch idiom for &quot;easy does it&quot;.</translatorcomment>
        <translation>Rustig aan</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translation>Denk sneller!</translation>
    </message>
    <message>
        <source>Mission Impossible!</source>
        <extracomment>shown under a countdown of 10 to 19 seconds, the hardest; a joke after the film title, translate in spirit, short</extracomment>
        <translatorcomment>The film keeps its English title in the Netherlands; &quot;Missie onmogelijk!&quot; follows its word order, is understood by children too and is a little narrower than the English in its 126 px label (&quot;Onmogelijke missie!&quot; would just fill it).</translatorcomment>
        <translation>Missie onmogelijk!</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>De tijd staat stil!</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift: de scores konden niet worden opgeslagen in %1: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>de vergrendeling kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>het bestandssysteem weigerde het schrijven</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is not a plain settings file; the game starts from its own settings and leaves it alone</source>
        <extracomment>on standard error, after &quot;passed over &lt;settings file&gt;:&quot;; a FIFO or a folder is there</extracomment>
        <translation>het is geen gewoon instellingenbestand; het spel begint met zijn eigen instellingen en laat het met rust</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>het bevat geen instellingen die het spel kan lezen; het spel begint met zijn eigen instellingen</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift: %1 overgeslagen: %2</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift: spelen zonder geluid: %1</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>geen geluidsapparaat</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>het geluidsapparaat is niet te gebruiken</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>de OpenAL-bibliotheek ontbreekt</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
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
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>De auto vertrekt binnen een seconde</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>De auto vertrekt over %n seconde</numerusform>
            <numerusform>De auto vertrekt over %n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translation>Plaats %1: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>geen naam</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translation>De weg komt direct bij de uitgang op %1</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>De weg eindigt direct, %1 van het bord af</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translation>
            <numerusform>De weg komt na %n tegel bij de uitgang op %1</numerusform>
            <numerusform>De weg komt na %n tegels bij de uitgang op %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translation>
            <numerusform>De weg loopt %n tegel en komt dan terug bij %1</numerusform>
            <numerusform>De weg loopt %n tegels en komt dan terug bij %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translation>%1 geschoven; het lege vak is nu hier</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translation>Tent gesprongen naar %1; het lege vak is nu hier, op %2</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>Schuiven kan niet: niet naast het lege vak</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>Schuiven kan niet: de auto staat hier</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>Schuiven kan niet: dit is het lege vak</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>Geen spel bezig; druk op N om er één te starten</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translatorcomment>Built like the &quot;Schuiven kan niet&quot; answers so that the most useful words come first.</translatorcomment>
        <translation>Draaien kan niet: dit is een tent</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>Draaien kan niet: dit is het lege vak</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>Draaien kan niet: dit is de uitgang</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translation>Uitgangen: %1; countdown: %2 seconden</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>De auto vertrekt</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translation>Gewonnen! %1 punten, plaats %2 in de top tien</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translation>Gewonnen! %1 punten, niet in de top tien</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translation>Verloren: de auto reed tegen een tent op %1</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>Verloren: de auto reed het lege vak in op %1</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translation>Verloren: %1 is dicht voor een auto die %2 rijdt</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>Verloren: de auto reed van het bord af</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translatorcomment>Order changed: the direction (&quot;naar rechts&quot;) reads naturally before &quot;van het bord af&quot;, the place comes last.</translatorcomment>
        <translation>Verloren: de auto reed %2 van het bord af, bij %1</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>Gepauzeerd; druk op P om verder te gaan</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>We gaan verder</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translation>Auto wacht bij START</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>Auto wacht bij START; countdown %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>Auto op %1, rijdt %2</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>Auto gestopt buiten het bord</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>Auto gestopt op %1</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>Geen countdown: de auto wacht tot je op G drukt</translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>Uitgangen: %1; geen countdown</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>Gewonnen! %1 punten; zonder tijd, dus niet voor de top tien</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>Spel opgegeven; druk op N voor een nieuw</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>Spel opgeruimd; druk op N voor een nieuw</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>De auto is nog niet vertrokken: druk op G om hem te laten gaan</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>Er loopt een spel: Escape geeft het op of ruimt het op</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>Meteen geblokkeerd door de tent op %1</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>Meteen geblokkeerd door het lege vak op %1</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>Meteen geblokkeerd op %1: %2, dicht voor een auto die %3 rijdt</translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Geblokkeerd door de tent op %1, na %n tegel</numerusform>
            <numerusform>Geblokkeerd door de tent op %1, na %n tegels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>Geblokkeerd door het lege vak op %1, na %n tegel</numerusform>
            <numerusform>Geblokkeerd door het lege vak op %1, na %n tegels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Geblokkeerd op %1 na %n tegel: %2, dicht voor een auto die %3 rijdt</numerusform>
            <numerusform>Geblokkeerd op %1 na %n tegels: %2, dicht voor een auto die %3 rijdt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>De weg gaat op %1 %2 van het bord af, na %n tegel</numerusform>
            <numerusform>De weg gaat op %1 %2 van het bord af, na %n tegels</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>dan komt de weg bij de uitgang op %1</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>dan loopt de weg %n tegel en stopt op %1</numerusform>
            <numerusform>dan loopt de weg %n tegels en stopt op %1</numerusform>
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
        <translation>Draai hem één keer met R</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>Draai hem twee keer met R</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>Schuif de tegel van %1 erin: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>Druk op de tent: hij springt naar het lege vak op %1</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>schuif dan de tegel van %1 erin: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>Geen tegel ernaast sluit zoals hij ligt aan op de weg</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>Weg komt bij de uitgang op %1!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>Weg nu %n tegel; stopt op %1</numerusform>
            <numerusform>Weg nu %n tegels; stopt op %1</numerusform>
        </translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>Nieuw spel; de auto wacht tot je op G drukt</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>Nieuw spel; de auto vertrekt over %1 seconden</translation>
    </message>
    <message>
        <source>Exit: %1</source>
        <extracomment>the one exit of a new game: %1 its place</extracomment>
        <translation>Uitgang: %1</translation>
    </message>
    <message>
        <source>Exit %1: %2</source>
        <translation>Uitgang %1: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>between the sentences of one announcement</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Turn it back with %1</source>
        <translation>Draai hem terug met %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>the countdown before the car leaves, said at 10 and 5 seconds and in its last three</extracomment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>You failed to make it to the Top Ten</source>
        <extracomment>shown under the banner after a win whose points are too few for the top-ten table</extracomment>
        <translatorcomment>Shortened: the line under the banner has a fixed width.</translatorcomment>
        <translation>Helaas niet in de top tien</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translatorcomment>The English grammar slip (&quot;points is&quot;) is the English text&apos;s own charm; the Dutch is correct. &quot;#&quot; is not used for ranks in Dutch, &quot;plaats&quot; is.</translatorcomment>
        <translation>Je staat op plaats %1 in de top tien</translation>
    </message>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>Zonder countdown geen plek in de top tien</translation>
    </message>
</context>
</TS>
