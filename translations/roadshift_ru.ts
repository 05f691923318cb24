<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translation>Об игре Roadshift</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translatorcomment>Shortened: &quot;Об игре&quot; is 40 % longer than the tab&apos;s English word; &quot;Инфо&quot; is the usual short tab name.</translatorcomment>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translatorcomment>Shortened: &quot;Статистика&quot; is twice the tab&apos;s English length; &quot;Итоги&quot; (the tally) is as short as &quot;Stats&quot;.</translatorcomment>
        <translation>Итоги</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translatorcomment>&quot;Накопительно&quot; is an office word; &quot;за всё время&quot; (over all time) says the same to a family.</translatorcomment>
        <translation>За всё время</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translatorcomment>Impersonal (&quot;how many times the game was started&quot;): avoids the gendered past tense of &quot;ты открывал(а)&quot;.</translatorcomment>
        <translation>Сколько раз игра запускалась </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Всего сыграно партий </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translatorcomment>The English grammar slip (&quot;pass&quot;) is not copied; &quot;blocks&quot; are the road tiles, so the glossary&apos;s &quot;плитка&quot;.</translatorcomment>
        <translation>Машина проехала плиток </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translatorcomment>&quot;Сеанс&quot; is a technical word; &quot;этот запуск&quot; (this start of the game) is plain.</translatorcomment>
        <translation>Этот запуск</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Выиграно партий </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Проиграно партий </translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the about box</extracomment>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Speech brief</source>
        <extracomment>the game now speaks only events and answers, not every confirmation</extracomment>
        <translation>Озвучка: краткая</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translation>Озвучка: выключена</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>Озвучка: полная</translation>
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
        <translation>Roadshift — игра-головоломка: двигай и поворачивай плитки с дорогой, чтобы
машина, которая едет сама, добралась до одного из выездов.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is a word on the command line that is no option</extracomment>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <extracomment>%1 is the program&apos;s name, %2 says what was wrong with the command line</extracomment>
        <translation>%1: %2 Попробуй «%1 --help».
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift: не удалось вывести ответ: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>Нет значения после «%1».</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>Использование: %1 [параметры]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>Без параметров запускается игра. Параметры, которые понимает любая программа Qt,
например -platform, -style и -reverse, передаются Qt.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift: ни один установленный шрифт не показывает %1 (он есть в fonts-noto-cjk); игра идёт на английском
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>Цель игры</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translatorcomment>The English grammar slip (&quot;it pass&quot;) is not copied.</translatorcomment>
        <translation>Когда отсчёт дойдёт до нуля, машина тронется. Проложи для неё подходящую дорогу. За каждую плитку дороги, по которой она проедет, ты получишь 10&#xa0;очков.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translatorcomment>The exit is &quot;выезд&quot; throughout; its tile is lettered ФИНИШ!.</translatorcomment>
        <translation>Ты победишь, если доведёшь машину до «выезда».</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translatorcomment>&quot;Как играть?&quot; would repeat the box&apos;s title; &quot;Управление&quot; (controls) names what follows.</translatorcomment>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translation>ЛЕВОЙ КНОПКОЙ МЫШИ сдвигай плитку в пустую клетку.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translation>ПРАВОЙ КНОПКОЙ МЫШИ поворачивай плитку по часовой стрелке.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translation>Всё понятно?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;умница&quot; is the warm praise used for children and grown-ups alike and, unlike &quot;молодец, парень&quot;, has no gender.</translatorcomment>
        <translation>Ты же у нас умница! Приятной игры!&#xa0;^_^</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translatorcomment>&quot;Понял!&quot; would be gendered (понял/поняла); &quot;ясно, едем!&quot; (clear, let&apos;s drive) fits a driving game and is as short as the English.</translatorcomment>
        <translation>Ясно, едем!</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>M выключает и включает звуки.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>W также называет, что перекрывает дорогу, и ход, который её откроет. Кусок дороги называется по открытым сторонам, в порядке вверх, вправо, вниз, влево.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>%1 поворачивает плитку обратно. B ведёт к клетке, где обрывается дорога; X, нажатая снова, ведёт к следующему выезду.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>Клавиши: стрелки ведут по полю и читают каждую клетку. %1 сдвигает плитку или заставляет палатку прыгнуть. R поворачивает плитку. W говорит, куда ведёт дорога. C говорит, где машина. %2 со стрелкой читает весь ряд или столбец. %3 ведёт к машине, E к пустой клетке, X к ближайшему выезду. G сразу отправляет машину в путь. P ставит паузу. N или F2 начинает игру. %4 убирает баннер. V переключает озвучку: полная, краткая или выключена. %5 переходит между полем и кнопками. F1 — эта справка; %6 — выход.</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>The texts call the goal «выезд»; the tiles say the same word, so that a player meets one word for it.</translatorcomment>
        <translation>ВЫЕЗД!</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>lettered on the small sign beside the board where the car starts; one short word</extracomment>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>Pts</source>
        <extracomment>lettered after the score&apos;s big digits: a short form of &quot;points&quot;, at most 3 letters</extracomment>
        <translatorcomment>Shortened: &quot;очков&quot; cut to &quot;очк.&quot; as Russian scoreboards do; if the 3 glyphs plus the narrow dot are too wide beside the digits, &quot;Очк&quot; without the dot is fine.</translatorcomment>
        <translation>очк.</translation>
    </message>
    <message>
        <source>CLICK TO PLAY!</source>
        <extracomment>lettered in big capitals on the banner under the board before a game</extracomment>
        <translatorcomment>Shortened: &quot;НАЖМИ, ЧТОБЫ ИГРАТЬ!&quot; would be 40 % longer; &quot;жми и играй&quot; (click and play) is shorter than the English.</translatorcomment>
        <translation>ЖМИ И ИГРАЙ!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translatorcomment>&quot;Ты проиграл&quot; is gendered in Russian; the noun &quot;проигрыш&quot; (a loss) is not, and is shorter.</translatorcomment>
        <translation>УВЫ! ПРОИГРЫШ!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translatorcomment>&quot;Ты выиграл&quot; is gendered in Russian; &quot;ура! победа!&quot; (hooray! victory!) is not, and is much shorter.</translatorcomment>
        <translation>УРА! ПОБЕДА!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translation>УДАЧИ!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;удачи... и побольше!&quot; (good luck... and plenty of it) is how a Russian jokes a wish bigger; the English &quot;&apos;em&quot; has no match.</translatorcomment>
        <translation>...И ПОБОЛЬШЕ!</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translatorcomment>A and B stay Latin: they are the letters drawn in the picture. Shortened to fit three short lines.</translatorcomment>
        <translation>Левый щелчок двигает плитку из точки A в точку B</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translation>Правый щелчок вращает плитку по часовой стрелке</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translatorcomment>СТАРТ and ВЫЕЗД! as lettered on the sign and the exit tiles.</translatorcomment>
        <translation>Веди машину от СТАРТА до ВЫЕЗДА!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>ПАУЗА</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translatorcomment>Shortened: &quot;нажми P, чтобы продолжить&quot; is much longer than the English line; the key P stays Latin.</translatorcomment>
        <translation>P — играть дальше</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>поле</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>пауза</translation>
    </message>
    <message>
        <source>Roadshift v%1</source>
        <extracomment>the window&apos;s title: keep the game&apos;s name Roadshift as it is; %1 is the version, e.g. 1.00</extracomment>
        <translation>Roadshift v%1</translation>
    </message>
    <message>
        <source>START!</source>
        <extracomment>the red word to click under the board that starts a game; very short (about 7 letters)</extracomment>
        <translation>СТАРТ!</translation>
    </message>
    <message>
        <source>About Game</source>
        <extracomment>a button that opens the about box with the statistics</extracomment>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translatorcomment>Shortened: &quot;Как играть&quot; fits too, but &quot;Правила&quot; (rules) is shorter than the English button text.</translatorcomment>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translatorcomment>The English slip (&quot;exitpoint&quot;) is not copied.</translatorcomment>
        <translation>Число выездов</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>Больше выездов — больше шансов на победу!</translation>
    </message>
    <message>
        <source>difficult</source>
        <extracomment>a placeholder under the number of exits, replaced by a difficulty name at once
----------
a placeholder under the countdown, replaced by a joke at once</extracomment>
        <translation>сложно</translation>
    </message>
    <message>
        <source>Car move after...</source>
        <extracomment>the heading over the countdown: how many seconds pass before the car drives off</extracomment>
        <translatorcomment>Shortened: &quot;Машина поедет через...&quot; is 30 % longer; &quot;старт через...&quot; (start in...) is shorter than the English.</translatorcomment>
        <translation>Старт через...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>The English misspells on purpose (&quot;Enuff&quot;, &quot;built&quot;); the Russian does so with the playful spellings &quot;штоб&quot; and &quot;пастроить&quot;, which read as a joke, not as the translator&apos;s mistakes.</translatorcomment>
        <translation>Хватит времени, штоб всё продумать и пастроить дорогу?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translation>сек</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translation>Твоё имя тут</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translatorcomment>&quot;Топ-10&quot; is the usual Russian word for such a table; used for the top ten throughout.</translatorcomment>
        <translation>Это имя может попасть в топ-10!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>Твоё имя</translation>
    </message>
    <message>
        <source>TOP</source>
        <extracomment>the first word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>The heading reads ТОП / 10, i.e. &quot;ТОП-10&quot;, the usual Russian name for such a table; &quot;ДЕСЯТКА ЛУЧШИХ&quot; would not fit.</translatorcomment>
        <translation>ТОП</translation>
    </message>
    <message>
        <source>TEN</source>
        <extracomment>the second word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>The heading reads ТОП / 10, i.e. &quot;ТОП-10&quot;, the usual Russian name for such a table; &quot;ДЕСЯТКА&quot; would be more than twice as wide as &quot;TEN&quot;.</translatorcomment>
        <translation>10</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>меньше выездов</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>больше выездов</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>сократить отсчёт</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>удлинить отсчёт</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>машина</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>the sound switch&apos;s name for a screen reader and its tooltip</extracomment>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>Звук включён: щёлкни или нажми M, чтобы выключить</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>Звук выключен: щёлкни или нажми M, чтобы включить</translation>
    </message>
</context>
<context>
    <name>PlaceNames</name>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translation>палатка</translation>
    </message>
    <message>
        <source>START sign</source>
        <translation>табличка СТАРТ</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translation>плитка без дороги</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>СТАРТ, здесь ждёт машина</translation>
    </message>
    <message>
        <source>START</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>between two places of a row or column read at once</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translatorcomment>Places are always spoken in the nominative, set off by a comma or colon in the sentences (&quot;врезалась в палатку, ряд 2, столбец 3&quot;), so no case endings are needed.</translatorcomment>
        <translation>ряд %1, столбец %2</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, ряд %2, столбец %3, здесь машина</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, ряд %2, столбец %3</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translatorcomment>The direction words are adverbs (влево, вправо, вверх, вниз), which fit every sentence they go into (&quot;едет %1&quot;, &quot;сдвинута %1&quot;, &quot;упирается %1 в палатку&quot;, &quot;съехала с поля %1&quot;).</translatorcomment>
        <translation>влево</translation>
    </message>
    <message>
        <source>right</source>
        <translatorcomment>The direction words are adverbs (влево, вправо, вверх, вниз), which fit every sentence they go into (&quot;едет %1&quot;, &quot;сдвинута %1&quot;, &quot;упирается %1 в палатку&quot;, &quot;съехала с поля %1&quot;).</translatorcomment>
        <translation>вправо</translation>
    </message>
    <message>
        <source>up</source>
        <translatorcomment>The direction words are adverbs (влево, вправо, вверх, вниз), which fit every sentence they go into (&quot;едет %1&quot;, &quot;сдвинута %1&quot;, &quot;упирается %1 в палатку&quot;, &quot;съехала с поля %1&quot;).</translatorcomment>
        <translation>вверх</translation>
    </message>
    <message>
        <source>down</source>
        <translatorcomment>The direction words are adverbs (влево, вправо, вверх, вниз), which fit every sentence they go into (&quot;едет %1&quot;, &quot;сдвинута %1&quot;, &quot;упирается %1 в палатку&quot;, &quot;съехала с поля %1&quot;).</translatorcomment>
        <translation>вниз</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>ряд %1: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>столбец %1: %2</translation>
    </message>
    <message>
        <source>%1 %2, car</source>
        <extracomment>one place in a row or column read at once: %1 its number in the row or column (a column number in a row, a row number in a column), %2 what lies there</extracomment>
        <translation>%1 %2, машина</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>the one place without a tile, into which a tile next to it can slide</extracomment>
        <translation>пусто</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>прямая поперёк</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>прямая вдоль</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>перекрёсток</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>поворот вправо вниз</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>поворот вниз влево</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>поворот вверх вправо</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>поворот вверх влево</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>выезд</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>игры ещё нет, ряд %1, столбец %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>Щёлкни, чтобы начать игру</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translation>Щёлкни и сыграй снова</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>Щёлкни и сыграй ещё раз</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>Щёлкни, чтобы прервать игру</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: the playful &quot;супер-&quot; prefix is how a Russian game box says &quot;ultra&quot;; one word, about as long as the English. The slang &quot;Жесть!&quot; was shorter but too rough for a family game.</translatorcomment>
        <translation>Суперсложно!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translatorcomment>&quot;Средний&quot; (as in &quot;средний уровень&quot;, medium level) rather than the adverb &quot;средне&quot;, which sounds like &quot;so-so&quot;.</translatorcomment>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translation>Новичок</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translatorcomment>Joke in spirit: &quot;детский сад&quot; (kindergarten) is the Russian idiom for &quot;child&apos;s play&quot;, saying both &quot;for kids&quot; and &quot;dead easy&quot;.</translatorcomment>
        <translation>Детский сад</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translatorcomment>Joke in spirit: so much time that you could walk the dog first; &quot;пса&quot; (the dog, colloquial) keeps it short.</translatorcomment>
        <translation>Сперва выгуляй пса!</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit, shorter than the literal &quot;Сядь и расслабься&quot;.</translatorcomment>
        <translation>Сядь и отдохни</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit: &quot;не спеши&quot; (no hurry), shorter than the English.</translatorcomment>
        <translation>Не спеши</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translation>Думай быстрее!</translation>
    </message>
    <message>
        <source>Mission Impossible!</source>
        <extracomment>shown under a countdown of 10 to 19 seconds, the hardest; a joke after the film title, translate in spirit, short</extracomment>
        <translatorcomment>The film&apos;s Russian title, known to everyone, and as long as the English.</translatorcomment>
        <translation>Миссия невыполнима!</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>Время остановилось!</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift: не удалось сохранить рекорды в %1: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>не удаётся создать блокировку</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>файловая система отказала в записи</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is not a plain settings file; the game starts from its own settings and leaves it alone</source>
        <extracomment>on standard error, after &quot;passed over &lt;settings file&gt;:&quot;; a FIFO or a folder is there</extracomment>
        <translation>это не обычный файл настроек; игра начинает со своих настроек и не трогает его</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>в нём нет настроек, которые игра может прочитать; игра начинает со своих настроек</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift: пропущен %1: %2</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift: игра без звука: %1</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>нет звукового устройства</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>звуковое устройство нельзя использовать</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>нет библиотеки OpenAL</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очка</numerusform>
            <numerusform>%n очков</numerusform>
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
        <translation>Счёт: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>Машина тронется меньше чем через секунду</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>Машина тронется через %n секунду</numerusform>
            <numerusform>Машина тронется через %n секунды</numerusform>
            <numerusform>Машина тронется через %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translation>Место %1: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>без имени</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translation>Дорога сразу ведёт к выезду, %1</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>Дорога сразу уходит %1 с поля</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translatorcomment>The place comes last, after a comma, so that it stays in the nominative (&quot;ряд 6, столбец 8&quot;).</translatorcomment>
        <translation>
            <numerusform>Дорога через %n плитку доходит до выезда, %1</numerusform>
            <numerusform>Дорога через %n плитки доходит до выезда, %1</numerusform>
            <numerusform>Дорога через %n плиток доходит до выезда, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translatorcomment>&quot;возвращается на ряд 2, столбец 4&quot;: ряд and столбец have the same form in the accusative, so the place needs no ending.</translatorcomment>
        <translation>
            <numerusform>Дорога идёт на %n плитку, затем петлёй возвращается на %1</numerusform>
            <numerusform>Дорога идёт на %n плитки, затем петлёй возвращается на %1</numerusform>
            <numerusform>Дорога идёт на %n плиток, затем петлёй возвращается на %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translation>Плитка сдвинута %1; здесь теперь пустая клетка</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translation>Палатка прыгнула на %1; здесь теперь пустая клетка, %2</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>Нельзя сдвинуть: не рядом с пустой клеткой</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>Нельзя сдвинуть: здесь машина</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>Нельзя сдвинуть: это пустая клетка</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>Игра не идёт; нажми N, чтобы начать</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translation>Нельзя повернуть палатку</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>Нельзя повернуть пустую клетку</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>Нельзя повернуть выезд</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translatorcomment>%2 is a plain number (10 to 50) without a plural form here; &quot;секунд: %2&quot; is the usual Russian way to put a number after its noun without a wrong ending (&quot;22 секунд&quot; would be wrong).</translatorcomment>
        <translation>Выездов: %1; секунд до старта: %2</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>Машина поехала</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translatorcomment>&quot;Очков: %1&quot;: the points are a plain number here, so the noun comes first to avoid a wrong plural ending. &quot;Ты выиграл&quot; would be gendered; &quot;Победа!&quot; is not.</translatorcomment>
        <translation>Победа! Очков: %1, место %2 в топ-10</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translatorcomment>&quot;Очков: %1&quot;: the points are a plain number here, so the noun comes first to avoid a wrong plural ending. &quot;Ты выиграл&quot; would be gendered; &quot;Победа!&quot; is not.</translatorcomment>
        <translation>Победа! Очков: %1, до топ-10 не хватило</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translatorcomment>&quot;Ты проиграл&quot; would be gendered; &quot;Проигрыш:&quot; (a loss) is not.</translatorcomment>
        <translation>Проигрыш: машина врезалась в палатку, %1</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>Проигрыш: машина въехала в пустую клетку, %1</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translatorcomment>Reordered so the place stays in the nominative at the end.</translatorcomment>
        <translation>Проигрыш: машина ехала %2 и упёрлась в закрытую сторону, %1</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>Проигрыш: машина съехала с поля</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translatorcomment>Reordered: the direction (%2) follows the verb, the place (%1) comes last in the nominative.</translatorcomment>
        <translation>Проигрыш: машина съехала с поля %2, %1</translation>
    </message>
    <message>
        <source>You lost</source>
        <translatorcomment>&quot;Ты проиграл&quot; would be gendered; &quot;Проигрыш:&quot; (a loss) is not.</translatorcomment>
        <translation>Проигрыш</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>Пауза; нажми P, чтобы продолжить</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>Продолжаем</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translatorcomment>Uses the START sign&apos;s name (&quot;табличка СТАРТ&quot;) so that СТАРТ needs no ending.</translatorcomment>
        <translation>Машина ждёт у таблички СТАРТ</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>Машина ждёт у таблички СТАРТ; отсчёт: %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>Машина: %1, едет %2</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>Машина стоит за краем поля</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>Машина стоит: %1</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>Без отсчёта: машина ждёт, пока ты не нажмёшь G</translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>Выездов: %1; без отсчёта</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>Победа! Очков: %1; без отсчёта, так что не для топ-10</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>Игра сдана; нажми N для новой</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>Игра убрана; нажми N для новой</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>Машина ещё не тронулась: нажми G, чтобы отправить её</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>Игра идёт: Escape сдаёт её или убирает</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>Звук включён</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Звук выключен</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>Сразу упирается в палатку, %1</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>Сразу упирается в пустую клетку, %1</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>Сразу тупик, %1: %2, нет въезда для машины, едущей %3</translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Через %n плитку упирается в палатку, %1</numerusform>
            <numerusform>Через %n плитки упирается в палатку, %1</numerusform>
            <numerusform>Через %n плиток упирается в палатку, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>Через %n плитку упирается в пустую клетку, %1</numerusform>
            <numerusform>Через %n плитки упирается в пустую клетку, %1</numerusform>
            <numerusform>Через %n плиток упирается в пустую клетку, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Через %n плитку тупик, %1: %2, нет въезда для машины, едущей %3</numerusform>
            <numerusform>Через %n плитки тупик, %1: %2, нет въезда для машины, едущей %3</numerusform>
            <numerusform>Через %n плиток тупик, %1: %2, нет въезда для машины, едущей %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>Через %n плитку дорога уходит %2 с поля, %1</numerusform>
            <numerusform>Через %n плитки дорога уходит %2 с поля, %1</numerusform>
            <numerusform>Через %n плиток дорога уходит %2 с поля, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>тогда дорога доходит до выезда, %1</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>тогда дорога идёт %n плитку и обрывается, %1</numerusform>
            <numerusform>тогда дорога идёт %n плитки и обрывается, %1</numerusform>
            <numerusform>тогда дорога идёт %n плиток и обрывается, %1</numerusform>
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
        <translation>Поверни её один раз клавишей R</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>Поверни её два раза клавишей R</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>Сдвинь сюда плитку, %1: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>Нажми на палатку: она прыгнет в пустую клетку, %1</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>потом сдвинь сюда плитку, %1: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>Ни одна соседняя плитка в нынешнем виде не продолжит дорогу</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>Дорога доходит до выезда, %1!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>Дорога теперь %n плитка; обрывается, %1</numerusform>
            <numerusform>Дорога теперь %n плитки; обрывается, %1</numerusform>
            <numerusform>Дорога теперь %n плиток; обрывается, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>Новая игра; машина ждёт, пока ты не нажмёшь G</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>Новая игра; машина поедет через %1 с</translation>
    </message>
    <message>
        <source>Exit: %1</source>
        <extracomment>the one exit of a new game: %1 its place</extracomment>
        <translation>Выезд: %1</translation>
    </message>
    <message>
        <source>Exit %1: %2</source>
        <translation>Выезд %1: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>between the sentences of one announcement</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Turn it back with %1</source>
        <translation>Поверни её обратно клавишами %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>the countdown before the car leaves, said at 10 and 5 seconds and in its last three</extracomment>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>You failed to make it to the Top Ten</source>
        <extracomment>shown under the banner after a win whose points are too few for the top-ten table</extracomment>
        <translatorcomment>Shortened: the line under the banner has a fixed width; &quot;ты не попал&quot; would also be gendered.</translatorcomment>
        <translation>До топ-10 не хватило</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translatorcomment>The English grammar slip (&quot;points is&quot;) is the English text&apos;s own charm; the Russian is correct. &quot;#&quot; is not used for ranks in Russian; &quot;1-е место&quot; is.</translatorcomment>
        <translation>Твои очки: %1-е место в топ-10</translation>
    </message>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>Без отсчёта места в топ-10 нет</translation>
    </message>
</context>
</TS>
