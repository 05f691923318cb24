<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translation>Roadshift 정보</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translation>정보</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translation>통계</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translation>지금까지 누적</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>게임을 연 횟수 </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>지금까지 한 게임 수 </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translation>차가 지나간 타일 수 </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translation>이번 실행</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>이긴 게임 수 </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>진 게임 수 </translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the about box</extracomment>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Speech brief</source>
        <extracomment>the game now speaks only events and answers, not every confirmation</extracomment>
        <translation>음성: 간단히</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translation>음성: 끔</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>음성: 전부</translation>
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
        <translation>%1: %2 &apos;%1 --help&apos;를 실행해 보세요.
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift: 답을 출력할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>&apos;%1&apos; 뒤에 값이 없습니다.</translation>
    </message>
    <message>
        <source>Roadshift, a puzzle game: slide and turn road tiles to lead a car that drives by itself
into one of the exits.</source>
        <extracomment>the first lines of --help; keep the line break where a line would pass 80 characters</extracomment>
        <translation>Roadshift, 퍼즐 게임: 도로 타일을 밀고 돌려서 혼자 달리는 차를
도착점 중 하나로 이끄세요.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translation>이 도움말을 보여 주고 끝냅니다.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>버전을 보여 주고 끝냅니다.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is a word on the command line that is no option</extracomment>
        <translation>예상하지 못한 인수 &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>사용법: %1 [옵션]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>옵션 없이 실행하면 게임이 시작됩니다. 모든 Qt 프로그램이 받는 옵션
(-platform, -style, -reverse 등)은 Qt에 넘겨집니다.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift: %1을(를) 보여 줄 글꼴이 설치되어 있지 않습니다(fonts-noto-cjk에 있습니다). 영어로 플레이합니다
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>게임 방법</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>목표</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translation>카운트다운이 0이 되면 차가 움직이기 시작해요. 차가 달릴 수 있게 알맞은 길을 만들어 주세요. 차가 도로 타일 하나를 지날 때마다 10&#xa0;점을 얻어요.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translation>차를 &quot;도착점&quot;까지 이끌면 이겨요.</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translation>어떻게 하나요?</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translation>마우스 왼쪽 버튼으로 도로를 빈칸으로 옮겨요.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translation>마우스 오른쪽 버튼으로 도로를 시계 방향으로 돌려요.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translation>알겠죠?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translation>당신은 똑똑하니까 할 수 있어요! 즐겁게 하세요!&#xa0;^_^</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>M 키로 효과음을 끄고 켜요.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>%1 키는 타일을 되돌려요. B는 길이 끊긴 곳으로 가고, X를 다시 누르면 다음 도착점으로 가요.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>W는 길을 막는 것과 길을 여는 수 하나도 알려 줘요. 도로 조각은 열린 면을 위, 오른쪽, 아래, 왼쪽 순서로 불러요.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>키: 화살표 키로 판 위를 움직이며 칸마다 읽어 줘요. %1 키는 타일을 밀거나 텐트를 점프시켜요. R은 타일을 돌려요. W는 길이 어디로 가는지 알려 줘요. C는 차가 어디 있는지 알려 줘요. %2 키와 화살표 키는 줄 전체나 열 전체를 읽어요. %3 키는 차로, E는 빈칸으로, X는 가장 가까운 도착점으로 가요. G는 차를 바로 출발시켜요. P는 일시 정지. N이나 F2는 게임을 시작해요. %4 키는 배너를 치워요. V는 음성을 전부, 간단히, 끔으로 바꿔요. %5 키는 판과 버튼 사이를 오가요. F1은 이 도움말, %6 키는 끝내기예요.</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translation>좋아요! 알겠어요!</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>도착! (arrival) on the tiles; the texts say 도착점 (arrival point), the same word.</translatorcomment>
        <translation>도착!</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>lettered on the small sign beside the board where the car starts; one short word</extracomment>
        <translation>출발</translation>
    </message>
    <message>
        <source>Pts</source>
        <extracomment>lettered after the score&apos;s big digits: a short form of &quot;points&quot;, at most 3 letters</extracomment>
        <translation>점</translation>
    </message>
    <message>
        <source>CLICK TO PLAY!</source>
        <extracomment>lettered in big capitals on the banner under the board before a game</extracomment>
        <translation>클릭해서 시작!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translation>아쉬워요! 졌어요!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translation>축하해요! 이겼어요!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translation>행운을 빌어요!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translation>…운이 아주 많이 필요해요</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translation>타일을 왼쪽 클릭해서 A에서 B로 옮겨요</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translation>타일을 오른쪽 클릭해서 시계 방향으로 돌려요</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translation>달리는 차를 출발에서 도착까지 이끌어요!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translation>P를 눌러 계속</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>판</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>일시 정지됨</translation>
    </message>
    <message>
        <source>Roadshift v%1</source>
        <extracomment>the window&apos;s title: keep the game&apos;s name Roadshift as it is; %1 is the version, e.g. 1.00</extracomment>
        <translation>Roadshift v%1</translation>
    </message>
    <message>
        <source>START!</source>
        <extracomment>the red word to click under the board that starts a game; very short (about 7 letters)</extracomment>
        <translation>출발!</translation>
    </message>
    <message>
        <source>About Game</source>
        <extracomment>a button that opens the about box with the statistics</extracomment>
        <translation>게임 정보</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translation>게임 방법</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translation>게임 끝내기</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translation>도착점 개수</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>도착점이 많을수록 이기기 쉬워요!</translation>
    </message>
    <message>
        <source>difficult</source>
        <extracomment>a placeholder under the number of exits, replaced by a difficulty name at once
----------
a placeholder under the countdown, replaced by a joke at once</extracomment>
        <translation>어려움</translation>
    </message>
    <message>
        <source>Car move after...</source>
        <extracomment>the heading over the countdown: how many seconds pass before the car drives off</extracomment>
        <translation>차 출발까지...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>Casual 반말 for the joke, unlike the polite 해요체 everywhere else.</translatorcomment>
        <translation>길을 미리 생각하고 만들 시간 충분해?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translation>초</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translation>여기에 이름을</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translation>이 이름이 톱 10에 오를지도 몰라요!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>내 이름</translation>
    </message>
    <message>
        <source>TOP</source>
        <extracomment>the first word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>톱 10 is the usual Korean name for a top-ten table.</translatorcomment>
        <translation>톱</translation>
    </message>
    <message>
        <source>TEN</source>
        <extracomment>the second word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translation>10</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>the sound switch&apos;s name for a screen reader and its tooltip</extracomment>
        <translation>소리</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>소리 켜짐: 클릭하거나 M을 눌러 끄기</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>소리 꺼짐: 클릭하거나 M을 눌러 켜기</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>도착점 줄이기</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>도착점 늘리기</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>카운트다운 줄이기</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>카운트다운 늘리기</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>차</translation>
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
        <translation>%1 %2, 차</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>the one place without a tile, into which a tile next to it can slide</extracomment>
        <translation>빈칸</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>직선 가로</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>직선 세로</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>교차로</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>커브 오른쪽 아래</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>커브 아래 왼쪽</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>커브 위 오른쪽</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>커브 위 왼쪽</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>도착점</translation>
    </message>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translation>텐트</translation>
    </message>
    <message>
        <source>START sign</source>
        <translation>출발 표지판</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translation>길 없는 타일</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>%1행 %2열</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, %2행 %3열, 차가 여기 있어요</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, %2행 %3열</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>아직 게임 없음, %1행 %2열</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>출발, 차가 여기서 기다려요</translation>
    </message>
    <message>
        <source>START</source>
        <translation>출발</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translatorcomment>The direction words carry their particle (왼쪽으로, 위로), so the sentences around them need none after a placeholder.</translatorcomment>
        <translation>왼쪽으로</translation>
    </message>
    <message>
        <source>right</source>
        <translation>오른쪽으로</translation>
    </message>
    <message>
        <source>up</source>
        <translation>위로</translation>
    </message>
    <message>
        <source>down</source>
        <translation>아래로</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>%1행: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>%1열: %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>여기를 클릭해서 게임 시작</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translation>여기를 클릭해서 다시 하기</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>여기를 클릭해서 한 번 더</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>여기를 클릭해서 이 게임 취소</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translation>초고난도!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translation>보통</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translation>초보</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translation>어린이용</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>시간이 멈췄어요!</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translation>개 산책부터!</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translation>앉아서 쉬어요</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translation>느긋하게</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translation>더 빨리 생각해!</translation>
    </message>
    <message>
        <source>Mission Impossible!</source>
        <extracomment>shown under a countdown of 10 to 19 seconds, the hardest; a joke after the film title, translate in spirit, short</extracomment>
        <translation>미션 임파서블!</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>it is not a plain settings file; the game starts from its own settings and leaves it alone</source>
        <extracomment>on standard error, after &quot;passed over &lt;settings file&gt;:&quot;; a FIFO or a folder is there</extracomment>
        <translation>일반 설정 파일이 아닙니다. 게임은 자체 설정으로 시작하고 이 파일은 건드리지 않습니다</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>게임이 읽을 수 있는 설정이 없습니다. 게임은 자체 설정으로 시작합니다</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>파일 시스템이 쓰기를 거부했습니다</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift: %1 건너뜀: %2</translation>
    </message>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift: 기록을 %1에 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>잠금을 만들 수 없습니다</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift: 소리 없이 플레이합니다: %1</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>OpenAL 라이브러리가 없습니다</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>소리 장치가 없습니다</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>소리 장치를 쓸 수 없습니다</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translation>
            <numerusform>%n점</numerusform>
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
        <translation>점수: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>카운트다운 없음: G를 누를 때까지 차가 기다려요</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>차가 곧 출발해요</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>차가 %n초 뒤에 출발해요</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translation>%1위: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>이름 없음</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translation>길이 바로 %1 도착점에 닿아요</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>바로 %1 텐트에 막혀요</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>바로 %1 빈칸에 막혀요</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>바로 %1에서 막혀요: %2, %3 가는 차는 못 들어가요</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>길이 바로 끝나고, %1 판을 벗어나요</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translation>
            <numerusform>길이 타일 %n개를 지나 %1 도착점에 닿아요</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translation>
            <numerusform>타일 %n개 뒤, %1 텐트에 막혀요</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>타일 %n개 뒤, %1 빈칸에 막혀요</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>타일 %n개 뒤 %1에서 막혀요: %2, %3 가는 차는 못 들어가요</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>타일 %n개 뒤, 길이 %1에서 %2 판을 벗어나요</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translation>
            <numerusform>길이 타일 %n개를 지나 %1(으)로 되돌아와 빙빙 돌아요</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>그러면 길이 %1 도착점에 닿아요</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>그러면 길이 타일 %n개를 지나 %1에서 멈춰요</numerusform>
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
        <translation>R로 한 번 돌려요</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>R로 두 번 돌려요</translation>
    </message>
    <message>
        <source>Turn it back with %1</source>
        <translation>%1 키로 되돌려요</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>%1의 타일을 밀어 넣어요: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>텐트를 눌러요: %1 빈칸으로 점프해요</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>그다음 %1의 타일을 밀어 넣어요: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>옆의 어떤 타일도 지금 모양으로는 길에 이어지지 않아요</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>길이 %1 도착점에 닿아요!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>길이 이제 타일 %n개; %1에서 멈춰요</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translation>%1 밀었어요; 이제 여기가 빈칸이에요</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translatorcomment>A particle after a placeholder is written for both endings: %1(으)로.</translatorcomment>
        <translation>텐트가 %1(으)로 점프했어요; 이제 빈칸은 여기, %2예요</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>밀 수 없어요: 빈칸 옆이 아니에요</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>밀 수 없어요: 차가 여기 있어요</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>밀 수 없어요: 여기가 빈칸이에요</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>진행 중인 게임이 없어요; N을 눌러 시작해요</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translation>텐트는 돌릴 수 없어요</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>빈칸은 돌릴 수 없어요</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>도착점은 돌릴 수 없어요</translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>새 게임; G를 누를 때까지 차가 기다려요</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>새 게임; 차가 %1초 뒤에 출발해요</translation>
    </message>
    <message>
        <source>Exit: %1</source>
        <extracomment>the one exit of a new game: %1 its place</extracomment>
        <translation>도착점: %1</translation>
    </message>
    <message>
        <source>Exit %1: %2</source>
        <translation>도착점 %1: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>between the sentences of one announcement</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>도착점: %1개; 카운트다운 없음</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translation>도착점: %1개; 카운트다운: %2초</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>차가 출발했어요</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>이겼어요! %1점; 시간 제한이 없어서 톱 10에는 안 들어가요</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translation>이겼어요! %1점, 톱 10 중 %2위</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translation>이겼어요! %1점, 톱 10에는 못 들었어요</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translation>졌어요: 차가 %1 텐트에 부딪혔어요</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>졌어요: 차가 %1 빈칸에 들어갔어요</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translation>졌어요: %1 칸에는 %2 가는 차가 들어갈 수 없어요</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>졌어요: 차가 판을 벗어났어요</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translation>졌어요: 차가 %1에서 %2 판을 벗어났어요</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>졌어요</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>일시 정지; P를 누르면 계속해요</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>계속해요</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>게임을 포기했어요; N을 누르면 새 게임</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>게임을 치웠어요; N을 누르면 새 게임</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>차가 아직 출발하지 않았어요: G를 눌러 보내요</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>게임 중이에요: Esc로 포기하거나 치워요</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>소리 켬</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>소리 끔</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translation>차가 출발 지점에서 기다려요</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>차가 출발 지점에서 기다려요; 카운트다운 %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>차: %1, %2 가는 중</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>차가 판 밖에서 멈췄어요</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>차가 %1에서 멈췄어요</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>the countdown before the car leaves, said at 10 and 5 seconds and in its last three</extracomment>
        <translation>
            <numerusform>%n초</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>카운트다운이 없어서 톱 10에 들 수 없어요</translation>
    </message>
    <message>
        <source>You failed to make it to the Top Ten</source>
        <extracomment>shown under the banner after a win whose points are too few for the top-ten table</extracomment>
        <translation>아쉽게도 톱 10에 들지 못했어요</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translation>당신의 점수는 톱 10 중 %1위예요</translation>
    </message>
</context>
</TS>
