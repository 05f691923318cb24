<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translation>Über Roadshift</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translation>Über</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translatorcomment>Shortened: &quot;Statistik&quot; would be almost twice as long as the tab&apos;s English word; &quot;Bilanz&quot; (the tally of games won and lost) is as short.</translatorcomment>
        <translation>Bilanz</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translatorcomment>&quot;Kumuliert&quot; is an office word; &quot;all games so far&quot; says the same to a family.</translatorcomment>
        <translation>Alle Spiele bisher</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>So oft hast du das Spiel geöffnet </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Gespielte Partien insgesamt </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translatorcomment>The English grammar slip (&quot;pass&quot;) is not copied; shortened to fit beside the number.</translatorcomment>
        <translation>Vom Auto befahrene Plättchen </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Gewonnene Partien </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Verlorene Partien </translation>
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
        <translation>Ansagen kurz</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translation>Ansagen stumm</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>Ansagen ausführlich</translation>
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
        <translation>Roadshift, ein Knobelspiel: Schiebe und drehe Plättchen mit Straßen und lotse
ein Auto, das von selbst fährt, in eine der Ausfahrten.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is a word on the command line that is no option</extracomment>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <extracomment>%1 is the program&apos;s name, %2 says what was wrong with the command line</extracomment>
        <translation>%1: %2 Versuche „%1 --help“.
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift: die Antwort konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>Fehlender Wert nach „%1“.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>Aufruf: %1 [Optionen]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>Ohne Optionen startet das Spiel. Die Optionen, die jedes Qt-Programm kennt,
wie -platform, -style und -reverse, werden an Qt weitergegeben.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift: keine installierte Schrift zeigt %1 (fonts-noto-cjk enthält sie); es wird auf Englisch gespielt
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>Spielziel</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translation>Wenn der Countdown bei null ist, fährt dein Auto los. Lege ihm eine passende Straße. Für jedes Straßenplättchen, über das es fährt, bekommst du 10&#xa0;Punkte.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translation>Du gewinnst, wenn du das Auto bis in eine „Ausfahrt“ lotst.</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translatorcomment>&quot;Wie spielt man?&quot; repeats the box&apos;s title; &quot;Steuerung&quot; (controls) names what follows and is shorter.</translatorcomment>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translation>Mit der LINKEN MAUSTASTE schiebst du ein Plättchen ins freie Feld.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translation>Mit der RECHTEN MAUSTASTE drehst du ein Plättchen im Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translation>Alles klar?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;Schlaukopf/cleveres Köpfchen&quot; is the friendly German praise for a child or grown-up alike; &quot;fellow&quot; has no gender-free German word.</translatorcomment>
        <translation>Du bist ja ein cleveres Köpfchen! Viel Spaß!&#xa0;^_^</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translation>OK, kapiert!</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>M schaltet die Töne aus und wieder ein.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>W sagt auch, was die Straße blockiert, und einen Zug, der sie öffnet. Ein Straßenstück wird nach seinen offenen Seiten benannt, in der Reihenfolge oben, rechts, unten, links.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>%1 dreht das Plättchen zurück. B springt zu dem Feld, an dem die Straße endet; X springt noch einmal gedrückt zur nächsten Ausfahrt.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>Tasten: Die Pfeiltasten bewegen dich über das Spielbrett und lesen jedes Feld vor. %1 schiebt das Plättchen oder lässt das Zelt springen. R dreht das Plättchen. W sagt, wohin die Straße führt. C sagt, wo das Auto ist. %2 mit einem Pfeil liest die ganze Reihe oder Spalte. %3 springt zum Auto, E zum freien Feld, X zur nächsten Ausfahrt. G schickt das Auto sofort los. P hält das Spiel an. N oder F2 startet ein Spiel. %4 räumt das Banner weg. V stellt die Ansagen auf ausführlich, kurz oder stumm. %5 wechselt zwischen Spielbrett und Knöpfen. F1 ist diese Hilfe; %6 beendet.</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>The tiles carry the word the texts use for the goal, Ausfahrt, so that a player meets one word for it; AUS- / FAHRT! splits it over the tile&apos;s two lines as the English splits at its space.</translatorcomment>
        <translation>AUS- FAHRT!</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>lettered on the small sign beside the board where the car starts; one short word</extracomment>
        <translation>START</translation>
    </message>
    <message>
        <source>Pts</source>
        <extracomment>lettered after the score&apos;s big digits: a short form of &quot;points&quot;, at most 3 letters</extracomment>
        <translation>Pkt</translation>
    </message>
    <message>
        <source>CLICK TO PLAY!</source>
        <extracomment>lettered in big capitals on the banner under the board before a game</extracomment>
        <translatorcomment>&quot;KLICKEN ZUM SPIELEN&quot; would be 40 % longer; &quot;click and go!&quot; has the same length as the English.</translatorcomment>
        <translation>KLICK UND LOS!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translation>SCHADE! VERLOREN!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translation>BRAVO! GEWONNEN!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translation>VIEL GLÜCK!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;good luck ... and plenty of it&quot;. The English plural &quot;&apos;em&quot; has no German match; &quot;UND ZWAR JEDE MENGE&quot; is as long as the English.</translatorcomment>
        <translation>...UND ZWAR JEDE MENGE</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translation>Linksklick schiebt das Plättchen von Punkt A nach Punkt B</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translation>Rechtsklick dreht das Plättchen im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translatorcomment>START and AUSFAHRT as lettered on the sign and the exit tiles.</translatorcomment>
        <translation>Lenke das fahrende Auto von START bis zur AUSFAHRT!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translatorcomment>Shortened: &quot;drücke P zum Weiterspielen&quot; is much longer than the English line.</translatorcomment>
        <translation>weiter mit P</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>Pause</translation>
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
        <translatorcomment>Shortened: &quot;Über das Spiel&quot; would be 40 % longer than the button&apos;s English text.</translatorcomment>
        <translation>Spielinfo</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translation>Anzahl Ausfahrten</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>Mehr Ausfahrten, mehr Chancen auf den Sieg!</translation>
    </message>
    <message>
        <source>difficult</source>
        <extracomment>a placeholder under the number of exits, replaced by a difficulty name at once
----------
a placeholder under the countdown, replaced by a joke at once</extracomment>
        <translation>schwierig</translation>
    </message>
    <message>
        <source>Car move after...</source>
        <extracomment>the heading over the countdown: how many seconds pass before the car drives off</extracomment>
        <translation>Abfahrt in...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>The English misspells on purpose (&quot;Enuff&quot;, &quot;built&quot;); the German does so with &quot;Genuch&quot; and &quot;baun&quot;, which read as playful, not as mistakes of the translator.</translatorcomment>
        <translation>Genuch Zeit, um vorauszudenken und die Straße zu baun?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translation>Sek</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translation>Dein Name hier</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translation>Dieser Name schafft es vielleicht in die TOP TEN!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>TOP</source>
        <extracomment>the first word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>&quot;Top Ten&quot; is the usual German word for such a table (as in the charts), so the heading stays TOP / TEN.</translatorcomment>
        <translation>TOP</translation>
    </message>
    <message>
        <source>TEN</source>
        <extracomment>the second word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>&quot;Top Ten&quot; is the usual German word for such a table (as in the charts), so the heading stays TOP / TEN.</translatorcomment>
        <translation>TEN</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>weniger Ausfahrten</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>mehr Ausfahrten</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>kürzerer Countdown</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>längerer Countdown</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>the sound switch&apos;s name for a screen reader and its tooltip</extracomment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>Ton ist an: klicken oder M drücken, um ihn auszuschalten</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>Ton ist aus: klicken oder M drücken, um ihn einzuschalten</translation>
    </message>
</context>
<context>
    <name>PlaceNames</name>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translation>Zelt</translation>
    </message>
    <message>
        <source>START sign</source>
        <translation>START-Schild</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translation>Plättchen ohne Straße</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>START, hier wartet das Auto</translation>
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
        <translation>Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, Reihe %2, Spalte %3, Auto hier</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, Reihe %2, Spalte %3</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translatorcomment>The direction words are only used inside sentences (&quot;fährt %1&quot;, &quot;führt %1 in ein Zelt&quot;, &quot;%1 geschoben&quot;), so they carry their preposition: &quot;nach links&quot;.</translatorcomment>
        <translation>nach links</translation>
    </message>
    <message>
        <source>right</source>
        <translatorcomment>The direction words are only used inside sentences (&quot;fährt %1&quot;, &quot;führt %1 in ein Zelt&quot;, &quot;%1 geschoben&quot;), so they carry their preposition: &quot;nach links&quot;.</translatorcomment>
        <translation>nach rechts</translation>
    </message>
    <message>
        <source>up</source>
        <translatorcomment>The direction words are only used inside sentences (&quot;fährt %1&quot;, &quot;führt %1 in ein Zelt&quot;, &quot;%1 geschoben&quot;), so they carry their preposition: &quot;nach links&quot;.</translatorcomment>
        <translation>nach oben</translation>
    </message>
    <message>
        <source>down</source>
        <translatorcomment>The direction words are only used inside sentences (&quot;fährt %1&quot;, &quot;führt %1 in ein Zelt&quot;, &quot;%1 geschoben&quot;), so they carry their preposition: &quot;nach links&quot;.</translatorcomment>
        <translation>nach unten</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>Reihe %1: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>Spalte %1: %2</translation>
    </message>
    <message>
        <source>%1 %2, car</source>
        <extracomment>one place in a row or column read at once: %1 its number in the row or column (a column number in a row, a row number in a column), %2 what lies there</extracomment>
        <translation>%1 %2, Auto</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>the one place without a tile, into which a tile next to it can slide</extracomment>
        <translation>frei</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>Gerade waagrecht</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>Gerade senkrecht</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>Kreuzung</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>Kurve rechts unten</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>Kurve unten links</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>Kurve oben rechts</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>Kurve oben links</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>Ausfahrt</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>noch kein Spiel, Reihe %1, Spalte %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>Klicke hier, um zu spielen</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translation>Klicke hier für eine neue Runde</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>Klicke hier, um noch mal zu spielen</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>Klicke hier, um dieses Spiel abzubrechen</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;knallhart&quot; is the playful German for &quot;rock hard&quot;; one word, shorter than the English.</translatorcomment>
        <translation>Knallhart!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translatorcomment>Joke in spirit: &quot;Kinderspiel&quot; (child&apos;s play) says both &quot;for kids&quot; and &quot;dead easy&quot;.</translatorcomment>
        <translation>Kinderspiel</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;Gassi gehen&quot; is the German family word for walking the dog; same length as the English.</translatorcomment>
        <translation>Erst Gassi gehen!</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit (&quot;lean back&quot;), shorter than the literal &quot;Setz dich hin und entspann dich&quot;.</translatorcomment>
        <translation>Lehn dich zurück</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit: the German idiom for &quot;easy does it&quot;.</translatorcomment>
        <translation>Nur die Ruhe</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translation>Denk schneller!</translation>
    </message>
    <message>
        <source>Mission Impossible!</source>
        <extracomment>shown under a countdown of 10 to 19 seconds, the hardest; a joke after the film title, translate in spirit, short</extracomment>
        <translatorcomment>The film is known in Germany under its English title, but the German words are understood by children too and are shorter.</translatorcomment>
        <translation>Mission unmöglich!</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>Die Zeit steht still!</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift: die Spielstände konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>die Sperre lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>das Dateisystem hat das Schreiben verweigert</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is not a plain settings file; the game starts from its own settings and leaves it alone</source>
        <extracomment>on standard error, after &quot;passed over &lt;settings file&gt;:&quot;; a FIFO or a folder is there</extracomment>
        <translation>es ist keine normale Einstellungsdatei; das Spiel beginnt mit seinen eigenen Einstellungen und lässt sie unberührt</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>sie enthält keine Einstellungen, die das Spiel lesen kann; das Spiel beginnt mit seinen eigenen Einstellungen</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift: %1 übergangen: %2</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift: Spiel ohne Ton: %1</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>kein Tongerät</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>das Tongerät lässt sich nicht verwenden</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>die OpenAL-Bibliothek fehlt</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
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
        <translatorcomment>&quot;Punkte: 230 Punkte&quot; would repeat the word; &quot;Punktestand&quot; (the score so far) does not.</translatorcomment>
        <translation>Punktestand: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>Das Auto fährt in weniger als einer Sekunde los</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>Das Auto fährt in %n Sekunde los</numerusform>
            <numerusform>Das Auto fährt in %n Sekunden los</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translation>Platz %1: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>kein Name</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translation>Die Straße erreicht sofort die Ausfahrt bei %1</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>Die Straße endet sofort: sie führt %1 aus dem Spielbrett hinaus</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translation>
            <numerusform>Die Straße erreicht die Ausfahrt bei %1 nach %n Plättchen</numerusform>
            <numerusform>Die Straße erreicht die Ausfahrt bei %1 nach %n Plättchen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translation>
            <numerusform>Die Straße führt %n Plättchen weit und kehrt dann zu %1 zurück</numerusform>
            <numerusform>Die Straße führt %n Plättchen weit und kehrt dann zu %1 zurück</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translation>Plättchen %1 geschoben; hier ist jetzt das freie Feld</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translation>Zelt springt auf %1; hier ist jetzt das freie Feld, bei %2</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>Schieben geht nicht: nicht neben dem freien Feld</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>Schieben geht nicht: hier ist das Auto</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>Schieben geht nicht: das ist das freie Feld</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>Kein Spiel läuft; drücke N für ein neues</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translation>Drehen geht nicht: das ist ein Zelt</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>Drehen geht nicht: das ist das freie Feld</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>Drehen geht nicht: das ist die Ausfahrt</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translation>Ausfahrten: %1; Countdown: %2 Sekunden</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>Das Auto fährt los</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translation>Gewonnen! %1 Punkte, Platz %2 in der Top Ten</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translation>Gewonnen! %1 Punkte, nicht in der Top Ten</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translation>Verloren: Das Auto fuhr bei %1 in ein Zelt</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>Verloren: Das Auto fuhr bei %1 ins freie Feld</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translation>Verloren: %1 ist zu für ein Auto, das %2 fährt</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>Verloren: Das Auto hat das Spielbrett verlassen</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translation>Verloren: Das Auto hat das Spielbrett bei %1 %2 verlassen</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>Pause; drücke P zum Weiterspielen</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>Weiter geht&apos;s</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translation>Auto wartet am START</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>Auto wartet am START; Countdown %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>Auto bei %1, fährt %2</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>Auto steht außerhalb des Spielbretts</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>Auto steht bei %1</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>Kein Countdown: das Auto wartet, bis du G drückst</translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>Ausfahrten: %1; kein Countdown</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>Gewonnen! %1 Punkte; ohne Countdown, also nicht für die Top Ten</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>Spiel aufgegeben; drücke N für ein neues</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>Spiel weggeräumt; drücke N für ein neues</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>Das Auto ist noch nicht losgefahren: drücke G, um es loszuschicken</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>Ein Spiel läuft: Escape gibt es auf oder räumt es weg</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>Sofort blockiert vom Zelt bei %1</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>Sofort blockiert vom freien Feld bei %1</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>Sofort blockiert bei %1: %2, zu für ein Auto, das %3 fährt</translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Blockiert vom Zelt bei %1, nach %n Plättchen</numerusform>
            <numerusform>Blockiert vom Zelt bei %1, nach %n Plättchen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>Blockiert vom freien Feld bei %1, nach %n Plättchen</numerusform>
            <numerusform>Blockiert vom freien Feld bei %1, nach %n Plättchen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Blockiert bei %1 nach %n Plättchen: %2, zu für ein Auto, das %3 fährt</numerusform>
            <numerusform>Blockiert bei %1 nach %n Plättchen: %2, zu für ein Auto, das %3 fährt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>Die Straße führt bei %1 %2 aus dem Spielbrett hinaus, nach %n Plättchen</numerusform>
            <numerusform>Die Straße führt bei %1 %2 aus dem Spielbrett hinaus, nach %n Plättchen</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>dann erreicht die Straße die Ausfahrt bei %1</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>dann führt die Straße %n Plättchen weit und endet bei %1</numerusform>
            <numerusform>dann führt die Straße %n Plättchen weit und endet bei %1</numerusform>
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
        <translation>Dreh es einmal mit R</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>Dreh es zweimal mit R</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>Schieb das Plättchen von %1 hinein: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>Drück aufs Zelt: es springt aufs freie Feld bei %1</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>dann schieb das Plättchen von %1 hinein: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>Kein Plättchen daneben passt, so wie es liegt, an die Straße</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>Straße erreicht die Ausfahrt bei %1!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>Straße jetzt %n Plättchen; endet bei %1</numerusform>
            <numerusform>Straße jetzt %n Plättchen; endet bei %1</numerusform>
        </translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>Neues Spiel; das Auto wartet, bis du G drückst</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>Neues Spiel; Abfahrt in %1 Sekunden</translation>
    </message>
    <message>
        <source>Exit: %1</source>
        <extracomment>the one exit of a new game: %1 its place</extracomment>
        <translation>Ausfahrt: %1</translation>
    </message>
    <message>
        <source>Exit %1: %2</source>
        <translation>Ausfahrt %1: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>between the sentences of one announcement</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Turn it back with %1</source>
        <translation>Dreh es zurück mit %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>the countdown before the car leaves, said at 10 and 5 seconds and in its last three</extracomment>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>You failed to make it to the Top Ten</source>
        <extracomment>shown under the banner after a win whose points are too few for the top-ten table</extracomment>
        <translatorcomment>Shortened: the line under the banner has a fixed width.</translatorcomment>
        <translation>Leider nicht in der Top Ten</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translatorcomment>The English grammar slip (&quot;points is&quot;) is the English text&apos;s own charm; the German is correct. &quot;#&quot; is not used for ranks in German, &quot;Platz&quot; is.</translatorcomment>
        <translation>Deine Punkte: Platz %1 der Top Ten</translation>
    </message>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>Ohne Countdown, also kein Platz in der Top Ten</translation>
    </message>
</context>
</TS>
