<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translation>Om Roadshift</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translation>Om</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translation>Totalt sedan början</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Antal gånger du öppnat spelet </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Antal spelade omgångar hittills </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translation>Antal brickor bilen kört genom </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translation>Den här gången</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Vunna omgångar </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Förlorade omgångar </translation>
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
        <translation>Tal: kort</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translation>Tal: tyst</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>Tal: fullt</translation>
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
        <translation>%1: %2 Prova ”%1 --help”.
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift: svaret kunde inte skrivas: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>Värde saknas efter ”%1”.</translation>
    </message>
    <message>
        <source>Roadshift, a puzzle game: slide and turn road tiles to lead a car that drives by itself
into one of the exits.</source>
        <extracomment>the first lines of --help; keep the line break where a line would pass 80 characters</extracomment>
        <translation>Roadshift, ett pusselspel: skjut och vrid vägbrickor för att leda en bil som kör
av sig själv in i ett av målen.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translation>Visa den här hjälpen och avsluta.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>Visa versionen och avsluta.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is a word on the command line that is no option</extracomment>
        <translation>Oväntat argument ”%1”.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>Användning: %1 [flaggor]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>Utan flaggor startar spelet. Flaggorna som varje Qt-program tar emot,
som -platform, -style och -reverse, skickas vidare till Qt.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift: inget installerat typsnitt visar %1 (fonts-noto-cjk har det); spelar på engelska
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>Så spelar du</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>Spelets syfte</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translation>När nedräkningen når noll börjar bilen köra. Du måste lägga en riktig väg som bilen kan köra på. För varje vägbricka den kör genom får du 10&#xa0;poäng.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translation>Du vinner om du lyckas leda bilen ända in i ”målet”.</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translation>Hur spelar man?</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translation>Använd VÄNSTER MUSKNAPP för att skjuta vägen in i den tomma rutan.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translation>Använd HÖGER MUSKNAPP för att vrida vägen medurs.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translation>Hänger du med?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translation>Jag vet att du är en klipsk typ! Ha så kul!&#xa0;^_^</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>M stänger av och sätter på ljuden.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>%1 vrider tillbaka brickan. B går till rutan där vägen tar stopp; X igen går vidare till nästa mål.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>W säger också vad som blockerar vägen och ett drag som öppnar den. En vägbit namnges efter sina öppna sidor, i ordningen upp, höger, ner, vänster.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>Tangenter: pilarna flyttar över spelplanen och läser varje ruta. %1 skjuter brickan eller får tältet att hoppa. R vrider brickan. W säger vart vägen leder. C säger var bilen är. %2 med en pil läser hela raden eller kolumnen. %3 går till bilen, E till den tomma rutan, X till närmaste mål. G skickar i väg bilen nu. P pausar. N eller F2 startar ett spel. %4 tar bort banderollen. V ställer talet på fullt, kort eller tyst. %5 flyttar mellan spelplanen och knapparna. F1 är den här hjälpen; %6 avslutar.</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translation>OK! Fattar!</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>MÅL! on the tiles and mål in the texts; the help&apos;s heading Objective is &quot;Spelets syfte&quot;, so that &quot;mål&quot; means only the goal.</translatorcomment>
        <translation>MÅL!</translation>
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
        <translation>KLICKA OCH SPELA!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translation>TYVÄRR! DU FÖRLORADE!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translation>GRATTIS! DU VANN!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translation>LYCKA TILL!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translation>...DU BEHÖVER MASSOR</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translation>Vänsterklicka på brickan för att flytta den från punkt A till punkt B</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translation>Högerklicka på brickan för att vrida den medurs</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translation>Led den körande bilen från START ända till MÅL!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>PAUS</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translation>tryck P för att spela vidare</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>spelplan</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>pausat</translation>
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
        <translation>Om spelet</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translation>Så spelar du</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translation>Antal mål</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>Fler mål ger större chans att vinna!</translation>
    </message>
    <message>
        <source>difficult</source>
        <extracomment>a placeholder under the number of exits, replaced by a difficulty name at once
----------
a placeholder under the countdown, replaced by a joke at once</extracomment>
        <translation>svårt</translation>
    </message>
    <message>
        <source>Car move after...</source>
        <extracomment>the heading over the countdown: how many seconds pass before the car drives off</extracomment>
        <translation>Bilen kör om...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>Misspelt in play as the English is: &quot;å&quot; for &quot;och&quot;.</translatorcomment>
        <translation>Hinner du tänka ut å bygga vägen innan?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translation>Ditt namn här</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translation>Det här namnet kan hamna på topp 10!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>Ditt namn</translation>
    </message>
    <message>
        <source>TOP</source>
        <extracomment>the first word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translation>TOPP</translation>
    </message>
    <message>
        <source>TEN</source>
        <extracomment>the second word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translation>10</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>the sound switch&apos;s name for a screen reader and its tooltip</extracomment>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>Ljudet är på: klicka eller tryck M för att tysta det</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>Ljudet är av: klicka eller tryck M för att höra det</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>färre mål</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>fler mål</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>kortare nedräkning</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>längre nedräkning</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>bil</translation>
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
        <translation>%1 %2, bil</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>the one place without a tile, into which a tile next to it can slide</extracomment>
        <translation>tom</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>rak tvärs</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>rak upp ner</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>korsning</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>kurva höger ner</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>kurva ner vänster</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>kurva upp höger</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>kurva upp vänster</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>mål</translation>
    </message>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translation>tält</translation>
    </message>
    <message>
        <source>START sign</source>
        <translation>START-skylt</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translation>bricka utan väg</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>rad %1, kolumn %2</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, rad %2, kolumn %3, bilen här</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, rad %2, kolumn %3</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>inget spel än, rad %1, kolumn %2</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>START, bilen väntar här</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translatorcomment>The direction words carry their own &quot;åt&quot; or &quot;-åt&quot; (åt vänster, uppåt), as &quot;åt upp&quot; is not Swedish; the sentences around them have none.</translatorcomment>
        <translation>åt vänster</translation>
    </message>
    <message>
        <source>right</source>
        <translation>åt höger</translation>
    </message>
    <message>
        <source>up</source>
        <translation>uppåt</translation>
    </message>
    <message>
        <source>down</source>
        <translation>nedåt</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>rad %1: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>kolumn %1: %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>Klicka här för att börja spela</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translation>Klicka här för att spela om</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>Klicka här för att spela igen</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>Klicka här för att avbryta spelet</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translation>Ultrasvårt!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translation>Nybörjare</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translation>Bara för barn</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>Tiden står still!</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translation>Rasta hunden först!</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translation>Luta dig tillbaka</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translation>Ta det lugnt</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translation>Tänk snabbare!</translation>
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
        <translation>det är ingen vanlig inställningsfil; spelet börjar med sina egna inställningar och låter den vara</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>den innehåller inga inställningar som spelet kan läsa; spelet börjar med sina egna inställningar</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>filsystemet vägrade skrivningen</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>det är ingen vanlig fil</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift: hoppade över %1: %2</translation>
    </message>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift: rekorden kunde inte sparas i %1: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>låset kan inte skapas</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift: spelar utan ljud: %1</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>OpenAL-biblioteket saknas</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>ingen ljudenhet</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>ljudenheten kan inte användas</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translatorcomment>poäng is the same in singular and plural.</translatorcomment>
        <translation>
            <numerusform>%n poäng</numerusform>
            <numerusform>%n poäng</numerusform>
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
        <translation>Poäng: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>Ingen nedräkning: bilen väntar tills du trycker G</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>Bilen kör om mindre än en sekund</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>Bilen kör om %n sekund</numerusform>
            <numerusform>Bilen kör om %n sekunder</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translation>Plats %1: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>inget namn</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translation>Vägen når målet på %1 direkt</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>Blockerad direkt av tältet på %1</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>Blockerad direkt av den tomma rutan på %1</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>Blockerad direkt på %1: %2, stängd för en bil som kör %3</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>Vägen slutar direkt och leder %1 ut från spelplanen</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translation>
            <numerusform>Vägen når målet på %1 efter %n bricka</numerusform>
            <numerusform>Vägen når målet på %1 efter %n brickor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Blockerad av tältet på %1, efter %n bricka</numerusform>
            <numerusform>Blockerad av tältet på %1, efter %n brickor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>Blockerad av den tomma rutan på %1, efter %n bricka</numerusform>
            <numerusform>Blockerad av den tomma rutan på %1, efter %n brickor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Blockerad på %1 efter %n bricka: %2, stängd för en bil som kör %3</numerusform>
            <numerusform>Blockerad på %1 efter %n brickor: %2, stängd för en bil som kör %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>Vägen lämnar spelplanen på %1, %2, efter %n bricka</numerusform>
            <numerusform>Vägen lämnar spelplanen på %1, %2, efter %n brickor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translation>
            <numerusform>Vägen går %n bricka och slingrar sig sedan tillbaka till %1</numerusform>
            <numerusform>Vägen går %n brickor och slingrar sig sedan tillbaka till %1</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>då når vägen målet på %1</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>då går vägen %n bricka och stannar på %1</numerusform>
            <numerusform>då går vägen %n brickor och stannar på %1</numerusform>
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
        <translation>Vrid den en gång med R</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>Vrid den två gånger med R</translation>
    </message>
    <message>
        <source>Turn it back with %1</source>
        <translation>Vrid tillbaka den med %1</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>Skjut in brickan från %1: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>Tryck på tältet: det hoppar till den tomma rutan på %1</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>skjut sedan in brickan från %1: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>Ingen bricka bredvid ansluter till vägen som den ligger</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>Vägen når målet på %1!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>Vägen är nu %n bricka; stannar på %1</numerusform>
            <numerusform>Vägen är nu %n brickor; stannar på %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translation>Sköts %1; den tomma rutan är här nu</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translation>Tältet hoppade till %1; den tomma rutan är här nu, på %2</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>Kan inte skjuta: inte bredvid den tomma rutan</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>Kan inte skjuta: bilen står här</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>Kan inte skjuta: det här är den tomma rutan</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>Inget spel pågår; tryck N för att starta ett</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translation>Kan inte vrida ett tält</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>Kan inte vrida den tomma rutan</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>Kan inte vrida målet</translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>Nytt spel; bilen väntar tills du trycker G</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>Nytt spel; bilen kör om %1 sekunder</translation>
    </message>
    <message>
        <source>Exit: %1</source>
        <extracomment>the one exit of a new game: %1 its place</extracomment>
        <translation>Mål: %1</translation>
    </message>
    <message>
        <source>Exit %1: %2</source>
        <translation>Mål %1: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>between the sentences of one announcement</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>Mål: %1; ingen nedräkning</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translation>Mål: %1; nedräkning: %2 sekunder</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>Bilen kör i väg</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>Du vann! %1 poäng; utan tidsgräns, så inte till topp 10</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translation>Du vann! %1 poäng, plats %2 på topp 10</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translation>Du vann! %1 poäng, inte på topp 10</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translation>Du förlorade: bilen körde in i ett tält på %1</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>Du förlorade: bilen körde in i den tomma rutan på %1</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translation>Du förlorade: %1 är stängd för en bil som kör %2</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>Du förlorade: bilen lämnade spelplanen</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translation>Du förlorade: bilen lämnade spelplanen på %1, %2</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Du förlorade</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>Pausat; tryck P för att fortsätta</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>Fortsätter</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>Spelet uppgivet; tryck N för ett nytt</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>Spelet undanlagt; tryck N för ett nytt</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>Bilen har inte kört än: tryck G för att skicka i väg den</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>Ett spel pågår: Escape ger upp det eller lägger undan det</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>Ljud på</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ljud av</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translation>Bilen väntar vid START</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>Bilen väntar vid START; nedräkning %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>Bilen på %1, kör %2</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>Bilen stannade utanför spelplanen</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>Bilen stannade på %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>the countdown before the car leaves, said at 10 and 5 seconds and in its last three</extracomment>
        <translation>
            <numerusform>%n sekund</numerusform>
            <numerusform>%n sekunder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>Ingen nedräkning, så ingen plats på topp 10</translation>
    </message>
    <message>
        <source>You failed to make it to the Top Ten</source>
        <extracomment>shown under the banner after a win whose points are too few for the top-ten table</extracomment>
        <translation>Du kom inte in på topp 10</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translation>Dina poäng är på plats %1 på topp 10</translation>
    </message>
</context>
</TS>
