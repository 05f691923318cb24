<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translation>O grze Roadshift</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translatorcomment>Shortened: &quot;Statystyki&quot; is twice as long as the tab&apos;s English word; &quot;Bilans&quot; (the tally of games won and lost) is as short.</translatorcomment>
        <translation>Bilans</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translatorcomment>&quot;Łącznie/skumulowane&quot; reads like an office report; &quot;all games so far&quot; says the same to a family.</translatorcomment>
        <translation>Wszystkie gry dotąd</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translatorcomment>A noun phrase: the Polish past tense in the second person marks the player&apos;s gender (otworzyłeś/otworzyłaś), which the game does not know.</translatorcomment>
        <translation>Liczba uruchomień gry </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Rozegrane gry łącznie </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translatorcomment>The English grammar slip (&quot;pass&quot;) is not copied; shortened to fit beside the number.</translatorcomment>
        <translation>Kafelki przejechane przez auto </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translation>Ta sesja</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Wygrane gry </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Przegrane gry </translation>
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
        <translation>Komunikaty: krótkie</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translation>Komunikaty: wyłączone</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>Komunikaty: pełne</translation>
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
        <translation>Roadshift, gra logiczna: przesuwaj i obracaj kafelki z drogą, by doprowadzić
auto, które jedzie samo, do jednej z met.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translation>Pokazuje tę pomoc i kończy.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>Pokazuje wersję i kończy.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is a word on the command line that is no option</extracomment>
        <translation>Nieoczekiwany argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <extracomment>%1 is the program&apos;s name, %2 says what was wrong with the command line</extracomment>
        <translation>%1: %2 Spróbuj &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift: nie udało się wypisać odpowiedzi: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>Brak wartości po &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>Użycie: %1 [opcje]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>Bez opcji uruchamia się gra. Opcje, które zna każdy program Qt,
takie jak -platform, -style i -reverse, są przekazywane do Qt.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift: żadna zainstalowana czcionka nie pokazuje języka %1 (ma ją fonts-noto-cjk); gra po angielsku
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>Zasady gry</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>Cel gry</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translation>Gdy odliczanie dojdzie do zera, twoje auto ruszy. Ułóż mu właściwą drogę. Za każdy kafelek drogi, przez który przejedzie, dostajesz 10&#xa0;punktów.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translatorcomment>&quot;Meta&quot; (the finish) is the word lettered on the exit tiles (META!), so the rules use it too.</translatorcomment>
        <translation>Wygrywasz, gdy doprowadzisz auto do „mety”.</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translatorcomment>&quot;Jak grać?&quot; would repeat the box&apos;s title; &quot;Sterowanie&quot; (controls) names what follows.</translatorcomment>
        <translation>Sterowanie</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translation>LEWYM PRZYCISKIEM MYSZY przesuwasz kafelek na puste pole.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translatorcomment>Shortened: &quot;zgodnie z ruchem wskazówek zegara&quot; does not fit the two lines beside the picture even in the narrowest face; turning &quot;w prawo&quot; is the same quarter turn clockwise.</translatorcomment>
        <translation>PRAWYM PRZYCISKIEM MYSZY obracasz kafelek w prawo.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translation>Wszystko jasne?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;bystra głowa&quot; (a bright head) is friendly praise that fits a girl, a boy or a grown-up; &quot;fellow&quot; has no gender-free Polish word.</translatorcomment>
        <translation>Wiem, że z ciebie bystra głowa! Miłej zabawy!&#xa0;^_^</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translation>OK, jasne!</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>M wyłącza i włącza dźwięki.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>W mówi też, co blokuje drogę, i jaki ruch ją otworzy. Kawałek drogi nazywa się od jego otwartych stron, w kolejności góra, prawo, dół, lewo.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>%1 obraca płytkę z powrotem. B przenosi na pole, gdzie droga się kończy; X wciśnięty ponownie przechodzi do następnej mety.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>Klawisze: strzałki przesuwają kursor po planszy i odczytują każde pole. %1 przesuwa kafelek albo każe skoczyć namiotowi. R obraca kafelek. W mówi, dokąd prowadzi droga. C mówi, gdzie jest auto. %2 ze strzałką odczytuje cały rząd lub kolumnę. %3 przenosi do auta, E do pustego pola, X do najbliższej mety. G od razu wysyła auto w drogę. P wstrzymuje grę. N lub F2 zaczyna grę. %4 chowa baner. V przełącza komunikaty: pełne, krótkie lub wyłączone. %5 przechodzi między planszą a przyciskami. F1 to ta pomoc; %6 kończy grę.</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>&quot;KONIEC!&quot; sounds like the end of a film and is one long word on a 60 px tile; &quot;META!&quot; (the finish line) is what a Polish race writes on its last tile, and it is shorter.</translatorcomment>
        <translation>META!</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>lettered on the small sign beside the board where the car starts; one short word</extracomment>
        <translation>START</translation>
    </message>
    <message>
        <source>Pts</source>
        <extracomment>lettered after the score&apos;s big digits: a short form of &quot;points&quot;, at most 3 letters</extracomment>
        <translatorcomment>The usual Polish short form of &quot;punkty&quot;, three letters.</translatorcomment>
        <translation>pkt</translation>
    </message>
    <message>
        <source>CLICK TO PLAY!</source>
        <extracomment>lettered in big capitals on the banner under the board before a game</extracomment>
        <translatorcomment>&quot;Click and play!&quot;: one letter longer than the English.</translatorcomment>
        <translation>KLIKNIJ I GRAJ!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translatorcomment>&quot;Bad luck! Lost!&quot;: nouns instead of &quot;przegrałeś/przegrałaś&quot;, which would mark the player&apos;s gender; as long as the English.</translatorcomment>
        <translation>PECH! PRZEGRANA!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translatorcomment>&quot;Bravo! Won!&quot;: the noun avoids the gendered past tense (wygrałeś/wygrałaś); shorter than the English.</translatorcomment>
        <translation>BRAWO! WYGRANA!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translation>POWODZENIA!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;good luck ... and loads of it&quot;. The English plural &quot;&apos;em&quot; has no Polish match; shorter than the English.</translatorcomment>
        <translation>...I TO CAŁE MNÓSTWO</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translation>Lewy klik przesuwa kafelek z punktu A do punktu B</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translatorcomment>Shortened: &quot;zgodnie z ruchem wskazówek zegara&quot; would not fit three short lines; &quot;obrót w prawo&quot; is the usual Polish for a clockwise turn.</translatorcomment>
        <translation>Prawy klik obraca kafelek w prawo</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translatorcomment>START and META! as lettered on the sign and the exit tiles; Polish would inflect them (do mety), so they stand uninflected after &quot;znak&quot; (sign) and &quot;pole&quot; (place).</translatorcomment>
        <translation>Prowadź auto od znaku START do pola META!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>PAUZA</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translatorcomment>Shortened: &quot;wciśnij P, by grać dalej&quot; is a third longer than the English line.</translatorcomment>
        <translation>wciśnij P, by grać dalej</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>plansza</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>pauza</translation>
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
        <translation>O grze</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translation>Zasady gry</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translatorcomment>&quot;Meta&quot; (finish) is the exit tiles&apos; word throughout (lettered META!); &quot;met&quot; is its genitive plural.</translatorcomment>
        <translation>Liczba met</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>Więcej met to większa szansa na wygraną!</translation>
    </message>
    <message>
        <source>difficult</source>
        <extracomment>a placeholder under the number of exits, replaced by a difficulty name at once
----------
a placeholder under the countdown, replaced by a joke at once</extracomment>
        <translation>trudność</translation>
    </message>
    <message>
        <source>Car move after...</source>
        <extracomment>the heading over the countdown: how many seconds pass before the car drives off</extracomment>
        <translation>Auto rusza za...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>The English misspells on purpose (&quot;Enuff&quot;, &quot;built&quot;); the Polish uses the slang &quot;styknie&quot; (= wystarczy) and the schoolchild&apos;s spelling slip &quot;zbódować&quot; (zbudować), which read as playful, not as the translator&apos;s mistakes.</translatorcomment>
        <translation>Styknie ci czasu, żeby pomyśleć zawczasu i zbódować drogę?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translatorcomment>The colloquial short form; &quot;s&quot; alone looks lost beside the number.</translatorcomment>
        <translation>sek</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translatorcomment>&quot;Twoje imię tutaj&quot; is clumsy in Polish; &quot;type your name&quot; is the usual heading over a name box, and shorter.</translatorcomment>
        <translation>Wpisz imię</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translation>To imię może trafić do TOP 10!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>TOP</source>
        <extracomment>the first word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>Polish charts say &quot;TOP 10&quot; (spoken &quot;top dziesięć&quot;), not &quot;top ten&quot; nor a Polish phrase; so the heading is TOP / 10 and &quot;Top 10&quot; is used in every other text.</translatorcomment>
        <translation>TOP</translation>
    </message>
    <message>
        <source>TEN</source>
        <extracomment>the second word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>Polish charts say &quot;TOP 10&quot; (spoken &quot;top dziesięć&quot;), not &quot;top ten&quot; nor a Polish phrase; so the heading is TOP / 10 and &quot;Top 10&quot; is used in every other text.</translatorcomment>
        <translation>10</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>mniej met</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>więcej met</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>krótsze odliczanie</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>dłuższe odliczanie</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>auto</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>the sound switch&apos;s name for a screen reader and its tooltip</extracomment>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>Dźwięk jest włączony: kliknij lub wciśnij M, by go wyciszyć</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>Dźwięk jest wyłączony: kliknij lub wciśnij M, by go słyszeć</translation>
    </message>
</context>
<context>
    <name>PlaceNames</name>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translation>namiot</translation>
    </message>
    <message>
        <source>START sign</source>
        <translation>znak START</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translation>kafelek bez drogi</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>START, tu czeka auto</translation>
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
        <translatorcomment>This place name stays in the nominative; sentences put it after a colon (&quot;…: rząd 2, kolumna 3&quot;), so that it needs no case of its own.</translatorcomment>
        <translation>rząd %1, kolumna %2</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, rząd %2, kolumna %3, tu jest auto</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, rząd %2, kolumna %3</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translatorcomment>The direction words are only used inside sentences (&quot;jedzie %1&quot;, &quot;prowadzi %1 w namiot&quot;, &quot;przesunięty %1&quot;), so they carry their preposition: &quot;w lewo&quot;.</translatorcomment>
        <translation>w lewo</translation>
    </message>
    <message>
        <source>right</source>
        <translatorcomment>The direction words are only used inside sentences (&quot;jedzie %1&quot;, &quot;prowadzi %1 w namiot&quot;, &quot;przesunięty %1&quot;), so they carry their preposition: &quot;w lewo&quot;.</translatorcomment>
        <translation>w prawo</translation>
    </message>
    <message>
        <source>up</source>
        <translatorcomment>The direction words are only used inside sentences (&quot;jedzie %1&quot;, &quot;prowadzi %1 w namiot&quot;, &quot;przesunięty %1&quot;), so they carry their preposition: &quot;w lewo&quot;.</translatorcomment>
        <translation>w górę</translation>
    </message>
    <message>
        <source>down</source>
        <translatorcomment>The direction words are only used inside sentences (&quot;jedzie %1&quot;, &quot;prowadzi %1 w namiot&quot;, &quot;przesunięty %1&quot;), so they carry their preposition: &quot;w lewo&quot;.</translatorcomment>
        <translation>w dół</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>rząd %1: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>kolumna %1: %2</translation>
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
        <translation>puste</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>prosta pozioma</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>prosta pionowa</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>skrzyżowanie</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>zakręt prawo dół</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>zakręt dół lewo</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>zakręt góra prawo</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>zakręt góra lewo</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>meta</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>jeszcze bez gry, rząd %1, kolumna %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>Kliknij, aby zacząć grę</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translation>Kliknij, aby spróbować znowu</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>Kliknij, aby zagrać jeszcze raz</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>Kliknij, aby przerwać tę grę</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;hardkor&quot; is the playful Polish slang for &quot;really tough&quot;; shorter than the English.</translatorcomment>
        <translation>Hardkor!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translatorcomment>Shortened: &quot;Początkujący&quot; (beginner) is twice as long as the English; on a scale Hardkor - Średni - Łatwy - Dla dzieci &quot;Łatwy&quot; (easy) says the same.</translatorcomment>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translatorcomment>Joke kept: &quot;for kids&quot; says &quot;dead easy&quot; in Polish too.</translatorcomment>
        <translation>Dla dzieci</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;you have time to walk the dog&quot;; the literal &quot;Najpierw wyprowadź psa!&quot; is longer and loses the point.</translatorcomment>
        <translation>Zdążysz wyjść z psem!</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translatorcomment>As long as the English.</translatorcomment>
        <translation>Usiądź i odpocznij</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit: &quot;no hurry&quot;.</translatorcomment>
        <translation>Bez pośpiechu</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translation>Myśl szybciej!</translation>
    </message>
    <message>
        <source>Mission Impossible!</source>
        <extracomment>shown under a countdown of 10 to 19 seconds, the hardest; a joke after the film title, translate in spirit, short</extracomment>
        <translatorcomment>The film runs in Poland under its English title, but the Polish words are understood by children too and are shorter.</translatorcomment>
        <translation>Misja niemożliwa!</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>Czas stanął w miejscu!</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift: nie udało się zapisać wyników w %1: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>nie można założyć blokady</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>system plików odmówił zapisu</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it is not a plain settings file; the game starts from its own settings and leaves it alone</source>
        <extracomment>on standard error, after &quot;passed over &lt;settings file&gt;:&quot;; a FIFO or a folder is there</extracomment>
        <translation>to nie jest zwykły plik ustawień; gra zaczyna z własnymi ustawieniami i go nie rusza</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>nie zawiera ustawień, które gra potrafi odczytać; gra zaczyna z własnymi ustawieniami</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift: pominięto %1: %2</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift: gra bez dźwięku: %1</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>brak urządzenia dźwiękowego</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>nie można użyć urządzenia dźwiękowego</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>brak biblioteki OpenAL</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translation>
            <numerusform>%n punkt</numerusform>
            <numerusform>%n punkty</numerusform>
            <numerusform>%n punktów</numerusform>
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
        <translatorcomment>&quot;Punkty: 230 punktów&quot; would repeat the word; &quot;Wynik&quot; (score) does not.</translatorcomment>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>Auto rusza za niecałą sekundę</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>Auto rusza za %n sekundę</numerusform>
            <numerusform>Auto rusza za %n sekundy</numerusform>
            <numerusform>Auto rusza za %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translation>Miejsce %1: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>bez imienia</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translation>Droga od razu dochodzi do mety: %1</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>Droga od razu się kończy: prowadzi %1 poza planszę</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translation>
            <numerusform>Droga dochodzi do mety: %1 po %n kafelku</numerusform>
            <numerusform>Droga dochodzi do mety: %1 po %n kafelkach</numerusform>
            <numerusform>Droga dochodzi do mety: %1 po %n kafelkach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translation>
            <numerusform>Droga biegnie przez %n kafelek, a potem wraca do pola %1</numerusform>
            <numerusform>Droga biegnie przez %n kafelki, a potem wraca do pola %1</numerusform>
            <numerusform>Droga biegnie przez %n kafelków, a potem wraca do pola %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translation>Kafelek przesunięty %1; teraz tu jest puste pole</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translation>Namiot skoczył na pole %1; teraz tu jest puste pole, %2</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>Nie da się przesunąć: kafelek nie leży obok pustego pola</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>Nie da się przesunąć: tu jest auto</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>Nie da się przesunąć: to jest puste pole</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>Gra nie trwa; wciśnij N, by zacząć nową</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translation>Nie da się obrócić namiotu</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>Nie da się obrócić pustego pola</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>Nie da się obrócić mety</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translatorcomment>&quot;sekund&quot; (genitive plural) is right for every countdown the game offers (10, 20, 30, 40, 50 seconds); the text is not a plural message.</translatorcomment>
        <translation>Mety: %1; odliczanie: %2 sekund</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>Auto ruszyło</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translatorcomment>&quot;Punkty: %1&quot; (points: 230) avoids the number agreement that &quot;%1 punktów&quot; would need in a text that is not a plural message.</translatorcomment>
        <translation>Wygrana! Punkty: %1, miejsce %2 w Top 10</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translatorcomment>&quot;Punkty: %1&quot; (points: 230) avoids the number agreement that &quot;%1 punktów&quot; would need in a text that is not a plural message.</translatorcomment>
        <translation>Wygrana! Punkty: %1, poza Top 10</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translation>Przegrana: auto wjechało w namiot: %1</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>Przegrana: auto wjechało w puste pole, %1</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translation>Przegrana: pole %1 jest zamknięte dla auta jadącego %2</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>Przegrana: auto zjechało z planszy</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translation>Przegrana: auto zjechało z planszy jadąc %2: %1</translation>
    </message>
    <message>
        <source>You lost</source>
        <translatorcomment>&quot;Przegrana&quot; (a loss): the noun avoids the gendered past tense &quot;przegrałeś/przegrałaś&quot;.</translatorcomment>
        <translation>Przegrana</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>Pauza; wciśnij P, by grać dalej</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>Gramy dalej</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translation>Auto czeka przy znaku START</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>Auto czeka przy znaku START; odliczanie: %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>Auto jedzie %2: %1</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>Auto stoi poza planszą</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>Auto stoi: %1</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>Bez odliczania: auto czeka, aż wciśniesz G</translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>Mety: %1; bez odliczania</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>Wygrana! Punkty: %1; bez odliczania, więc poza Top 10</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>Gra przerwana; wciśnij N, by zacząć nową</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>Gra odłożona; wciśnij N, by zacząć nową</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>Auto jeszcze nie ruszyło: wciśnij G, by je wysłać</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>Trwa gra: Escape ją przerywa albo odkłada</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>Dźwięk włączony</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Dźwięk wyłączony</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>Od razu zablokowana przez namiot: %1</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>Od razu zablokowana przez puste pole: %1</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>Od razu zablokowana, %1: %2, zamknięte dla auta jadącego %3</translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Zablokowana przez namiot: %1, po %n kafelku</numerusform>
            <numerusform>Zablokowana przez namiot: %1, po %n kafelkach</numerusform>
            <numerusform>Zablokowana przez namiot: %1, po %n kafelkach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>Zablokowana przez puste pole: %1, po %n kafelku</numerusform>
            <numerusform>Zablokowana przez puste pole: %1, po %n kafelkach</numerusform>
            <numerusform>Zablokowana przez puste pole: %1, po %n kafelkach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Zablokowana po %n kafelku, %1: %2, zamknięte dla auta jadącego %3</numerusform>
            <numerusform>Zablokowana po %n kafelkach, %1: %2, zamknięte dla auta jadącego %3</numerusform>
            <numerusform>Zablokowana po %n kafelkach, %1: %2, zamknięte dla auta jadącego %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>Droga wychodzi poza planszę %2, %1, po %n kafelku</numerusform>
            <numerusform>Droga wychodzi poza planszę %2, %1, po %n kafelkach</numerusform>
            <numerusform>Droga wychodzi poza planszę %2, %1, po %n kafelkach</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>wtedy droga dochodzi do mety: %1</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>wtedy droga biegnie przez %n kafelek i kończy się: %1</numerusform>
            <numerusform>wtedy droga biegnie przez %n kafelki i kończy się: %1</numerusform>
            <numerusform>wtedy droga biegnie przez %n kafelków i kończy się: %1</numerusform>
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
        <translation>Obróć go raz klawiszem R</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>Obróć go dwa razy klawiszem R</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>Wsuń kafelek z pola %1: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>Wciśnij namiot: skoczy na puste pole, %1</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>potem wsuń kafelek z pola %1: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>Żaden sąsiedni kafelek, tak jak leży, nie łączy się z drogą</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>Droga dochodzi do mety: %1!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>Droga ma teraz %n kafelek; kończy się: %1</numerusform>
            <numerusform>Droga ma teraz %n kafelki; kończy się: %1</numerusform>
            <numerusform>Droga ma teraz %n kafelków; kończy się: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>Nowa gra; auto czeka, aż wciśniesz G</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>Nowa gra; auto rusza za %1 sekund</translation>
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
        <translation>Obróć go z powrotem klawiszami %1</translation>
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
        <source>You failed to make it to the Top Ten</source>
        <extracomment>shown under the banner after a win whose points are too few for the top-ten table</extracomment>
        <translatorcomment>Shortened: the line under the banner has a fixed width; &quot;this time outside the Top 10&quot;.</translatorcomment>
        <translation>Tym razem poza Top 10</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translatorcomment>The English grammar slip (&quot;points is&quot;) is the English text&apos;s own charm; the Polish is correct. Polish writes a rank as &quot;3. miejsce&quot;, not with &quot;#&quot;.</translatorcomment>
        <translation>Twój wynik: %1. miejsce w Top 10</translation>
    </message>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>Bez odliczania nie ma miejsca w Top 10</translation>
    </message>
</context>
</TS>
