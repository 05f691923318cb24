<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translation>Roadshift hakkında</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translation>İstatistik</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translation>Bu oyun (toplam)</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Oyunu açma sayın </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Şimdiye kadar oynanan oyun </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translation>Arabanın geçtiği toplam parça </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translation>Bu oturum</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Kazanılan oyun </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Kaybedilen oyun </translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the about box</extracomment>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Speech brief</source>
        <extracomment>the game now speaks only events and answers, not every confirmation</extracomment>
        <translation>Konuşma: kısa</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translation>Konuşma: sessiz</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>Konuşma: tam</translation>
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
        <translation>%1: %2 &apos;%1 --help&apos; komutunu dene.
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift: yanıt yazılamadı: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>&apos;%1&apos; sonrasında değer eksik.</translation>
    </message>
    <message>
        <source>Roadshift, a puzzle game: slide and turn road tiles to lead a car that drives by itself
into one of the exits.</source>
        <extracomment>the first lines of --help; keep the line break where a line would pass 80 characters</extracomment>
        <translation>Roadshift, bir bulmaca oyunu: kendi kendine giden arabayı çıkışlardan birine
ulaştırmak için yol parçalarını kaydır ve döndür.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translation>Bu yardımı göster ve çık.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>Sürümü göster ve çık.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is a word on the command line that is no option</extracomment>
        <translation>Beklenmeyen argüman &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>Kullanım: %1 [seçenekler]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>Seçenek verilmezse oyun başlar. Her Qt programının aldığı seçenekler,
örneğin -platform, -style ve -reverse, Qt&apos;ye iletilir.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift: yüklü hiçbir yazı tipi %1 dilini göstermiyor (fonts-noto-cjk içinde var); İngilizce oynanıyor
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>Nasıl oynanır</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>Amaç</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translation>Geri sayım sıfıra ulaşınca araban hareket etmeye başlar. Araba için düzgün bir yol kurmalısın. Arabanın geçtiği her yol parçası için 10&#xa0;puan kazanırsın.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translation>Arabayı &quot;bitiş noktasına&quot; ulaştırırsan oyunu kazanırsın.</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translation>Nasıl oynanır?</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translation>SOL FARE TUŞUYLA yolu boş kareye kaydır.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translation>SAĞ FARE TUŞUYLA yolu saat yönünde döndür.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translation>Anladın mı?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translation>Akıllı biri olduğunu biliyorum! İyi eğlenceler!&#xa0;^_^</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>M sesleri kapatıp açar.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>%1 parçayı geri çevirir. B yolun durduğu yere gider; X&apos;e yeniden basmak sonraki bitişe gider.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>W ayrıca yolu neyin kapattığını ve yolu açan bir hamleyi söyler. Bir yol parçası açık kenarlarıyla, yukarı, sağ, aşağı, sol sırasıyla adlandırılır.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>Tuşlar: oklar tahtada gezinir ve her kareyi okur. %1 parçayı kaydırır ya da çadırı zıplatır. R parçayı döndürür. W yolun nereye gittiğini söyler. C arabanın nerede olduğunu söyler. %2 ile bir ok, bütün satırı ya da sütunu okur. %3 arabaya, E boş kareye, X en yakın bitişe gider. G arabayı hemen yola çıkarır. P duraklatır. N ya da F2 oyun başlatır. %4 afişi kaldırır. V konuşmayı tam, kısa ya da sessiz yapar. %5 tahta ile düğmeler arasında geçer. F1 bu yardımdır; %6 çıkar.</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translation>Tamam! Anladım!</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>BİTİŞ! (finish) on the tiles and bitiş in the texts.</translatorcomment>
        <translation>BİTİŞ!</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>lettered on the small sign beside the board where the car starts; one short word</extracomment>
        <translatorcomment>START as Turkish races write it on the sign; the button says BAŞLA!.</translatorcomment>
        <translation>START</translation>
    </message>
    <message>
        <source>Pts</source>
        <extracomment>lettered after the score&apos;s big digits: a short form of &quot;points&quot;, at most 3 letters</extracomment>
        <translation>pn</translation>
    </message>
    <message>
        <source>CLICK TO PLAY!</source>
        <extracomment>lettered in big capitals on the banner under the board before a game</extracomment>
        <translation>TIKLA VE OYNA!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translation>EYVAH! KAYBETTİN!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translation>TEBRİKLER! KAZANDIN!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translation>BOL ŞANS!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translation>...ÇOOK ŞANS LAZIM</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translation>A noktasından B noktasına taşımak için parçaya sol tıkla</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translation>Saat yönünde döndürmek için parçaya sağ tıkla</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translation>Giden arabayı START&apos;tan BİTİŞ&apos;e götür!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>DURAKLADI</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translation>devam için P&apos;ye bas</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>tahta</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>duraklatıldı</translation>
    </message>
    <message>
        <source>Roadshift v%1</source>
        <extracomment>the window&apos;s title: keep the game&apos;s name Roadshift as it is; %1 is the version, e.g. 1.00</extracomment>
        <translation>Roadshift v%1</translation>
    </message>
    <message>
        <source>START!</source>
        <extracomment>the red word to click under the board that starts a game; very short (about 7 letters)</extracomment>
        <translation>BAŞLA!</translation>
    </message>
    <message>
        <source>About Game</source>
        <extracomment>a button that opens the about box with the statistics</extracomment>
        <translation>Oyun hakkında</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translation>Nasıl oynanır</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translation>Oyundan çık</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translation>Bitiş sayısı</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>Daha çok bitiş, kazanma şansı daha çok demek!</translation>
    </message>
    <message>
        <source>difficult</source>
        <extracomment>a placeholder under the number of exits, replaced by a difficulty name at once
----------
a placeholder under the countdown, replaced by a joke at once</extracomment>
        <translation>zor</translation>
    </message>
    <message>
        <source>Car move after...</source>
        <extracomment>the heading over the countdown: how many seconds pass before the car drives off</extracomment>
        <translation>Araba kalkıyor...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>Misspelt in play as the English is: «yetcek».</translatorcomment>
        <translation>Önceden düşünüp yolu kurmaya vaktin yetcek mi?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translation>sn</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translation>Adını buraya yaz</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translation>Bu ad İlk 10&apos;a girebilir!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>Adın</translation>
    </message>
    <message>
        <source>TOP</source>
        <extracomment>the first word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translation>İLK</translation>
    </message>
    <message>
        <source>TEN</source>
        <extracomment>the second word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translation>10</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>the sound switch&apos;s name for a screen reader and its tooltip</extracomment>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>Ses açık: kapatmak için tıkla ya da M&apos;ye bas</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>Ses kapalı: açmak için tıkla ya da M&apos;ye bas</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>daha az bitiş</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>daha çok bitiş</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>daha kısa geri sayım</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>daha uzun geri sayım</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>araba</translation>
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
        <translation>%1 %2, araba</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>the one place without a tile, into which a tile next to it can slide</extracomment>
        <translation>boş</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>düz yatay</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>düz dikey</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>kavşak</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>viraj sağ aşağı</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>viraj aşağı sol</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>viraj yukarı sağ</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>viraj yukarı sol</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>bitiş</translation>
    </message>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translation>çadır</translation>
    </message>
    <message>
        <source>START sign</source>
        <translation>START tabelası</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translation>yolsuz parça</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>satır %1, sütun %2</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, satır %2, sütun %3, araba burada</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, satır %2, sütun %3</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>henüz oyun yok, satır %1, sütun %2</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>START, araba burada bekler</translation>
    </message>
    <message>
        <source>START</source>
        <translatorcomment>START as Turkish races write it on the sign; the button says BAŞLA!.</translatorcomment>
        <translation>START</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translation>sol</translation>
    </message>
    <message>
        <source>right</source>
        <translation>sağ</translation>
    </message>
    <message>
        <source>up</source>
        <translation>yukarı</translation>
    </message>
    <message>
        <source>down</source>
        <translation>aşağı</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>sütun %1: %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>Oynamaya başlamak için buraya tıkla</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translation>Yeniden oynamak için buraya tıkla</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>Bir daha oynamak için buraya tıkla</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>Bu oyunu iptal etmek için buraya tıkla</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translation>Ultra Zor!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translation>Acemi</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translation>Sadece Çocuklar</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>Zaman Durdu!</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translation>Önce köpeği gezdir!</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translation>Otur ve Dinlen</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translation>Acele Etme</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translation>Daha Hızlı Düşün!</translation>
    </message>
    <message>
        <source>Mission Impossible!</source>
        <extracomment>shown under a countdown of 10 to 19 seconds, the hardest; a joke after the film title, translate in spirit, short</extracomment>
        <translatorcomment>Görevimiz Tehlike, the film&apos;s Turkish title.</translatorcomment>
        <translation>Görevimiz Tehlike!</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>it is not a plain settings file; the game starts from its own settings and leaves it alone</source>
        <extracomment>on standard error, after &quot;passed over &lt;settings file&gt;:&quot;; a FIFO or a folder is there</extracomment>
        <translation>bu sıradan bir ayar dosyası değil; oyun kendi ayarlarıyla başlar ve ona dokunmaz</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>içinde oyunun okuyabildiği ayar yok; oyun kendi ayarlarıyla başlar</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>dosya sistemi yazmayı reddetti</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>bu sıradan bir dosya değil</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift: atlandı %1: %2</translation>
    </message>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift: kayıtlar şuraya kaydedilemedi: %1: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>kilit oluşturulamıyor</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift: sessiz oynanıyor: %1</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>OpenAL kitaplığı eksik</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>ses aygıtı yok</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>ses aygıtı kullanılamıyor</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translation>
            <numerusform>%n puan</numerusform>
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
        <translation>Skor: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>Geri sayım yok: araba sen G&apos;ye basana dek bekler</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>Araba bir saniyeden kısa sürede kalkıyor</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>Araba %n saniye sonra kalkıyor</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translation>Sıra %1: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>adsız</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translation>Yol hemen bitişe ulaşıyor: %1</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>Hemen çadırla kapanıyor: %1</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>Hemen boş kareyle kapanıyor: %1</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>Hemen kapanıyor: %1: %2, %3 yönünde giden araba giremez</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>Yol hemen bitiyor ve %1 yönünde tahtadan çıkıyor</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translation>
            <numerusform>Yol %n parça sonra bitişe ulaşıyor: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translation>
            <numerusform>%n parça sonra çadırla kapanıyor: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>%n parça sonra boş kareyle kapanıyor: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>%n parça sonra kapanıyor: %1: %2, %3 yönünde giden araba giremez</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>Yol %n parça sonra %2 yönünde tahtadan çıkıyor: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translation>
            <numerusform>Yol %n parça gidiyor, sonra döngüyle geri dönüyor: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>o zaman yol bitişe ulaşır: %1</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>o zaman yol %n parça gider ve durur: %1</numerusform>
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
        <translation>R ile bir kez döndür</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>R ile iki kez döndür</translation>
    </message>
    <message>
        <source>Turn it back with %1</source>
        <translation>%1 ile geri döndür</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>Şu karedeki parçayı kaydır: %1: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>Çadıra bas: boş kareye zıplar: %1</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>sonra şu karedeki parçayı kaydır: %1: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>Yanındaki hiçbir parça, durduğu hâliyle yolu birleştirmiyor</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>Yol bitişe ulaşıyor: %1!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>Yol şimdi %n parça; duruyor: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translatorcomment>Turkish case endings cannot follow a placeholder whose last vowel is unknown: places come after a colon (&quot;Bitiş: satır 2, sütun 3&quot;) and directions before a word of their own (&quot;sol yönünde&quot;).</translatorcomment>
        <translation>%1 yönünde kaydırıldı; boş kare artık burada</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translation>Çadır zıpladı: %1; boş kare artık burada: %2</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>Kaydırılamaz: boş karenin yanında değil</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>Kaydırılamaz: araba burada</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>Kaydırılamaz: burası boş kare</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>Oyun yok; başlatmak için N&apos;ye bas</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translation>Çadır döndürülemez</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>Boş kare döndürülemez</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>Bitiş döndürülemez</translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>Yeni oyun; araba sen G&apos;ye basana dek bekler</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>Yeni oyun; araba %1 saniye sonra kalkıyor</translation>
    </message>
    <message>
        <source>Exit: %1</source>
        <extracomment>the one exit of a new game: %1 its place</extracomment>
        <translation>Bitiş: %1</translation>
    </message>
    <message>
        <source>Exit %1: %2</source>
        <translation>Bitiş %1: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>between the sentences of one announcement</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>Bitiş: %1; geri sayım yok</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translation>Bitiş: %1; geri sayım: %2 saniye</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>Araba yola çıktı</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>Kazandın! %1 puan; süresiz, bu yüzden İlk 10&apos;a girmez</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translation>Kazandın! %1 puan, İlk 10&apos;da %2. sıra</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translation>Kazandın! %1 puan, İlk 10&apos;a giremedi</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translation>Kaybettin: araba çadıra çarptı: %1</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>Kaybettin: araba boş kareye girdi: %1</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translation>Kaybettin: %1, %2 yönünde giden arabaya kapalı</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>Kaybettin: araba tahtadan çıktı</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translation>Kaybettin: araba %2 yönünde tahtadan çıktı: %1</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Kaybettin</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>Duraklatıldı; devam için P&apos;ye bas</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>Oyun bırakıldı; yenisi için N&apos;ye bas</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>Oyun kaldırıldı; yenisi için N&apos;ye bas</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>Araba daha yola çıkmadı: göndermek için G&apos;ye bas</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>Bir oyun sürüyor: Escape onu bırakır ya da kaldırır</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>Ses açık</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ses kapalı</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translation>Araba START&apos;ta bekliyor</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>Araba START&apos;ta bekliyor; geri sayım %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>Araba: %1, %2 yönünde gidiyor</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>Araba tahtanın dışında durdu</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>Araba durdu: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>the countdown before the car leaves, said at 10 and 5 seconds and in its last three</extracomment>
        <translation>
            <numerusform>%n saniye</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>Geri sayım yok, bu yüzden İlk 10&apos;da yer yok</translation>
    </message>
    <message>
        <source>You failed to make it to the Top Ten</source>
        <extracomment>shown under the banner after a win whose points are too few for the top-ten table</extracomment>
        <translation>İlk 10&apos;a giremedin</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translation>Puanın İlk 10&apos;da %1. sırada</translation>
    </message>
</context>
</TS>
