<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Roadshift</source>
        <extracomment>the about box&apos;s title; keep the game&apos;s name Roadshift as it is</extracomment>
        <translation>À propos de Roadshift</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>the about box&apos;s first tab, which shows the game&apos;s picture</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Stats</source>
        <extracomment>the about box&apos;s second tab, with the numbers of games played, won and lost</extracomment>
        <translatorcomment>&quot;Stats&quot; is the usual short French word too (short for &quot;statistiques&quot;), as short as the English tab.</translatorcomment>
        <translation>Stats</translation>
    </message>
    <message>
        <source>This game (accumulative)</source>
        <extracomment>a heading in the statistics: the numbers below count every game since the first start</extracomment>
        <translatorcomment>&quot;Cumulé&quot; is an office word; &quot;since the beginning&quot; says the same to a family and is shorter.</translatorcomment>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>Number of times you opened this game </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translatorcomment>Shortened: &quot;Nombre de fois où tu as ouvert le jeu&quot; is as long as the English; &quot;number of launches of the game&quot; fits better beside the number.</translatorcomment>
        <translation>Nombre de lancements du jeu </translation>
    </message>
    <message>
        <source>Total number of games played until now </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translatorcomment>Shortened: &quot;games played in all&quot;.</translatorcomment>
        <translation>Parties jouées en tout </translation>
    </message>
    <message>
        <source>Total number of blocks the car pass through </source>
        <extracomment>a caption in the statistics, right-aligned beside its number: how many road tiles the car has driven over; keep the closing space</extracomment>
        <translatorcomment>The English grammar slip (&quot;pass&quot;) is not copied; &quot;blocks&quot; are the road tiles, &quot;tuiles&quot; as everywhere else.</translatorcomment>
        <translation>Tuiles parcourues par la voiture </translation>
    </message>
    <message>
        <source>This session</source>
        <extracomment>a heading in the statistics: the numbers below count the games since the game was started</extracomment>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>Number of games won </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Parties gagnées </translation>
    </message>
    <message>
        <source>Number of games lost </source>
        <extracomment>a caption in the statistics, right-aligned beside its number; keep the closing space</extracomment>
        <translation>Parties perdues </translation>
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
        <translation>Annonces brèves</translation>
    </message>
    <message>
        <source>Speech silent</source>
        <extracomment>the game&apos;s own announcements are off; the screen reader still reads the places</extracomment>
        <translatorcomment>&quot;Annonces muettes&quot; would be odd French; &quot;coupées&quot; (switched off) is what one says of sound.</translatorcomment>
        <translation>Annonces coupées</translation>
    </message>
    <message>
        <source>Speech full</source>
        <translation>Annonces complètes</translation>
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
        <translatorcomment>Line break moved so that no line passes 80 characters. Plain spaces before &quot;:&quot; here, as the text goes to a terminal.</translatorcomment>
        <translation>Roadshift, un jeu de réflexion&#xa0;: fais glisser et tourne des tuiles de route pour
mener une voiture qui roule toute seule jusqu&apos;à l&apos;une des sorties.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <extracomment>what --help does, in the list of options</extracomment>
        <translatorcomment>Infinitive, as French command-line option lists use.</translatorcomment>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <extracomment>what --version does, in the list of options</extracomment>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is a word on the command line that is no option</extracomment>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <extracomment>%1 is the program&apos;s name, %2 says what was wrong with the command line</extracomment>
        <translation>%1&#xa0;: %2 Essaie «&#xa0;%1 --help&#xa0;».
</translation>
    </message>
    <message>
        <source>roadshift: the answer could not be written: %1</source>
        <extracomment>on standard error when --help or --version could not print; %1 is the system&apos;s reason</extracomment>
        <translation>roadshift&#xa0;: impossible d&apos;écrire la réponse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is an option given without the value it needs, e.g. -platform</extracomment>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <extracomment>%1 is the program&apos;s name; &quot;[options]&quot; stands for the options listed below</extracomment>
        <translation>Utilisation&#xa0;: %1 [options]
</translation>
    </message>
    <message>
        <source>Without options the game starts. The options every Qt program takes,
such as -platform, -style and -reverse, are passed on to Qt.
</source>
        <translation>Sans option, le jeu démarre. Les options que tout programme Qt accepte,
comme -platform, -style et -reverse, sont transmises à Qt.
</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in English
</source>
        <translation>roadshift&#xa0;: aucune police installée n’affiche %1 (fonts-noto-cjk en a une)&#xa0;; la partie se joue en anglais
</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>How to play</source>
        <extracomment>the title of the box with the rules of the game</extracomment>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>Objective</source>
        <extracomment>a heading in the rules: what the game is about</extracomment>
        <translation>But du jeu</translation>
    </message>
    <message>
        <source>When the countdown reaches zero, your car will start moving. You must set a proper path for the car to move around. For each tile of road it pass through, you will gain 10 points.</source>
        <extracomment>in the rules, beside a picture of the countdown; its room holds about a third more than the English, no more</extracomment>
        <translatorcomment>The English grammar slip (&quot;it pass&quot;) is not copied; shortened a little (&quot;prepare a good road for it&quot;).</translatorcomment>
        <translation>Quand le compte à rebours arrive à zéro, ta voiture démarre. Prépare-lui une bonne route. Pour chaque tuile de route qu&apos;elle traverse, tu gagnes 10&#xa0;points.</translation>
    </message>
    <message>
        <source>You will win the game if you successfully guided the car to reach the &quot;exit point&quot;.</source>
        <extracomment>in the rules, beside a picture of an exit</extracomment>
        <translatorcomment>&quot;exit point&quot; is &quot;sortie&quot;, the word used for the exits everywhere in the game.</translatorcomment>
        <translation>Tu gagnes si tu mènes la voiture jusqu&apos;à une «&#xa0;sortie&#xa0;».</translation>
    </message>
    <message>
        <source>How to play?</source>
        <extracomment>a heading in the rules, over the mouse buttons&apos; use</extracomment>
        <translatorcomment>&quot;Comment jouer ?&quot; would repeat the box&apos;s title; &quot;Commandes&quot; (controls) names what follows.</translatorcomment>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Use LEFT MOUSE BUTTON to shift the road into the blank tile.</source>
        <extracomment>in the rules: a left click on a tile beside the empty place slides it there; its room holds about a third more than the English, no more</extracomment>
        <translation>Le BOUTON GAUCHE de la souris fait glisser une tuile dans la case vide.</translation>
    </message>
    <message>
        <source>Use RIGHT MOUSE BUTTON to rotate the road clockwise.</source>
        <extracomment>in the rules: a right click on a tile turns it a quarter turn</extracomment>
        <translatorcomment>Shortened: &quot;dans le sens des aiguilles d&apos;une montre&quot; does not fit the two lines beside the picture even in the narrowest face; &quot;dans le sens horaire&quot; says the same.</translatorcomment>
        <translation>Le BOUTON DROIT de la souris fait tourner une tuile dans le sens horaire.</translation>
    </message>
    <message>
        <source>Get the idea?</source>
        <extracomment>the last heading in the rules: have you understood?</extracomment>
        <translatorcomment>Familiar, as the English: &quot;got it?&quot;.</translatorcomment>
        <translation>Tu as pigé&#xa0;?</translation>
    </message>
    <message>
        <source>I know you&apos;re a smart fellow! Enjoy! ^_^</source>
        <extracomment>the rules&apos; friendly last words with a smiling face ^_^; translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;I know you have your wits about you&quot;; &quot;jugeote&quot; is friendly family French, and unlike &quot;malin&quot; it has no gender, as &quot;fellow&quot; would need one.</translatorcomment>
        <translation>Je sais que tu as de la jugeote&#xa0;! Amuse-toi bien&#xa0;!&#xa0;^_^</translation>
    </message>
    <message>
        <source>OK! Got it!</source>
        <extracomment>the button that closes the rules: I have understood</extracomment>
        <translation>OK, compris&#xa0;!</translation>
    </message>
    <message>
        <source>M turns the sounds off and on.</source>
        <extracomment>follows the keys paragraph; the speaker button left of the board does the same</extracomment>
        <translation>M coupe et rétablit les sons.</translation>
    </message>
    <message>
        <source>W also names what blocks the road and one move that opens it. A road piece is named by its open sides, in the order up, right, down, left.</source>
        <extracomment>follows the keys paragraph</extracomment>
        <translation>W dit aussi ce qui bloque la route et un coup qui l&apos;ouvre. Une pièce de route est nommée par ses côtés ouverts, dans l&apos;ordre haut, droite, bas, gauche.</translation>
    </message>
    <message>
        <source>%1 turns the tile back. B goes to the place that stops the road; X again goes on to the next exit.</source>
        <extracomment>follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>%1 tourne la tuile dans l&apos;autre sens. B va à la case où la route s&apos;arrête&#xa0;; X, à nouveau, passe à la sortie suivante.</translation>
    </message>
    <message>
        <source>Keys: the arrows move over the board and read each place. %1 slides the tile, or makes the tent jump. R turns the tile. W tells where the road leads. C tells where the car is. %2 with an arrow reads the whole row or column. %3 goes to the car, E to the empty place, X to the nearest exit. G sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner away. V sets the speech full, brief or silent. %5 moves between the board and the buttons. F1 is this help; %6 leaves.</source>
        <extracomment>the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in the player&apos;s language (&quot;Leertaste&quot;, &quot;Umschalt&quot;, &quot;Pos1&quot;, &quot;Esc&quot;, &quot;Tab&quot;, &quot;Strg+Q&quot;)</extracomment>
        <translation>Touches&#xa0;: les flèches parcourent le plateau et lisent chaque case. %1 fait glisser la tuile, ou fait sauter la tente. R tourne la tuile. W dit où mène la route. C dit où est la voiture. %2 avec une flèche lit toute la ligne ou la colonne. %3 va à la voiture, E à la case vide, X à la sortie la plus proche. G fait partir la voiture tout de suite. P met en pause. N ou F2 lance une partie. %4 ferme la bannière. V règle les annonces&#xa0;: complètes, brèves ou coupées. %5 passe du plateau aux boutons et inversement. F1 affiche cette aide&#xa0;; %6 quitte.</translation>
    </message>
</context>
<context>
    <name>Lettering</name>
    <message>
        <source>THE END!</source>
        <extracomment>lettered in capitals on every exit tile (a square of 60 px), on one or two lines split at the first space; keep it as short as the English</extracomment>
        <translatorcomment>The texts call the goal « sortie »; the tiles say the same word, so that a player meets one word for it. One word, so it takes both lines&apos; room; no « ! », which would make it smaller.</translatorcomment>
        <translation>SORTIE</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>lettered on the small sign beside the board where the car starts; one short word</extracomment>
        <translatorcomment>&quot;DÉPART&quot; is the French word on a start line; one letter more than START (1.2x). If the narrow sign cannot take six stacked letters, &quot;START&quot; is understood in France too.</translatorcomment>
        <translation>DÉPART</translation>
    </message>
    <message>
        <source>Pts</source>
        <extracomment>lettered after the score&apos;s big digits: a short form of &quot;points&quot;, at most 3 letters</extracomment>
        <translatorcomment>French abbreviates &quot;points&quot; as &quot;pts&quot; too.</translatorcomment>
        <translation>Pts</translation>
    </message>
    <message>
        <source>CLICK TO PLAY!</source>
        <extracomment>lettered in big capitals on the banner under the board before a game</extracomment>
        <translatorcomment>Shortened: &quot;CLIQUE POUR JOUER !&quot; would be 1.4x the English; &quot;click and play!&quot; is 1.1x.</translatorcomment>
        <translation>CLIQUE ET JOUE&#xa0;!</translation>
    </message>
    <message>
        <source>SORRY! YOU LOST!</source>
        <extracomment>lettered in big capitals on the banner when the car has left the road</extracomment>
        <translatorcomment>&quot;Too bad! Lost!&quot;: as short as the English.</translatorcomment>
        <translation>DOMMAGE&#xa0;! PERDU&#xa0;!</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WON!</source>
        <extracomment>lettered in big dancing capitals on the banner when the car has reached an exit</extracomment>
        <translatorcomment>Shortened to match &quot;DOMMAGE ! PERDU !&quot;: &quot;BRAVO ! TU AS GAGNÉ !&quot; would be longer than the English.</translatorcomment>
        <translation>BRAVO&#xa0;! GAGNÉ&#xa0;!</translation>
    </message>
    <message>
        <source>GOOD LUCK!</source>
        <extracomment>lettered in big rainbow capitals on the banner while a game runs</extracomment>
        <translatorcomment>No shorter French wish exists: &quot;BONNE CHANCE&quot; is 12 letters against 8; the &quot;!&quot; follows a no-break space, as French typography wants.</translatorcomment>
        <translation>BONNE CHANCE&#xa0;!</translation>
    </message>
    <message>
        <source>...YOU NEED LOTS OF &apos;EM</source>
        <extracomment>the small line under &quot;GOOD LUCK!&quot;: a friendly joke, you will need lots of luck; translate in spirit, in capitals, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;good luck ... and you will need it!&quot;. The English plural &quot;&apos;em&quot; has no French match; shorter than the English.</translatorcomment>
        <translation>...ET IL T&apos;EN FAUDRA&#xa0;!</translation>
    </message>
    <message>
        <source>Left-Click on the tile to move it from point A to point B</source>
        <extracomment>caption under the rules&apos; first picture: a tile slides into the empty place next to it, from A to B; three short lines at most</extracomment>
        <translatorcomment>Shortened and made parallel with the second caption (&quot;left click: the tile slides from point A to point B&quot;).</translatorcomment>
        <translation>Clic gauche&#xa0;: la tuile glisse du point A au point B</translation>
    </message>
    <message>
        <source>Right-click on the tile to rotate it clockwise</source>
        <extracomment>caption under the rules&apos; second picture; three short lines at most</extracomment>
        <translatorcomment>Shortened: &quot;dans le sens des aiguilles d&apos;une montre&quot; is too long for the caption; &quot;sens horaire&quot; is the usual short form.</translatorcomment>
        <translation>Clic droit&#xa0;: la tuile tourne dans le sens horaire</translation>
    </message>
    <message>
        <source>Guide the moving car from START until THE END!</source>
        <extracomment>caption under the rules&apos; third picture; START and THE END! name the sign and the exit tiles, write them as lettered there; three short lines at most</extracomment>
        <translatorcomment>DÉPART and SORTIE as lettered on the sign and the exit tiles; &quot;moving&quot; dropped to keep the caption short.</translatorcomment>
        <translation>Guide la voiture du DÉPART à la SORTIE&#xa0;!</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>lettered in big capitals on the cover over the board while the game is paused</extracomment>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>press P to play on</source>
        <extracomment>the smaller line under &quot;PAUSED&quot;; P is the key, keep it as P</extracomment>
        <translatorcomment>Shortened: &quot;appuie sur P pour reprendre&quot; is much longer than the English line.</translatorcomment>
        <translation>P pour reprendre</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>board</source>
        <extracomment>the name a screen reader gives the board of tiles, which the arrow keys move over</extracomment>
        <translation>plateau</translation>
    </message>
    <message>
        <source>paused</source>
        <extracomment>the name a screen reader gives the cover over the board while the game is paused</extracomment>
        <translation>pause</translation>
    </message>
    <message>
        <source>Roadshift v%1</source>
        <extracomment>the window&apos;s title: keep the game&apos;s name Roadshift as it is; %1 is the version, e.g. 1.00</extracomment>
        <translation>Roadshift v%1</translation>
    </message>
    <message>
        <source>START!</source>
        <extracomment>the red word to click under the board that starts a game; very short (about 7 letters)</extracomment>
        <translatorcomment>&quot;DÉPART !&quot; would be 8 letters and would mix up the button with the sign; &quot;PLAY!&quot; is 7 characters, as asked.</translatorcomment>
        <translation>JOUER&#xa0;!</translation>
    </message>
    <message>
        <source>About Game</source>
        <extracomment>a button that opens the about box with the statistics</extracomment>
        <translatorcomment>Shortened: &quot;À propos du jeu&quot; would be 1.5x the button&apos;s English text.</translatorcomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>How to Play</source>
        <extracomment>a button that opens the rules of the game</extracomment>
        <translatorcomment>Shortened: &quot;Comment jouer&quot; measures 75 px in Liberation Sans against the 81 px button and would touch its edges; &quot;Règles&quot; (rules) is half as wide.</translatorcomment>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Exit game</source>
        <extracomment>a button that closes the game</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Number of exitpoint</source>
        <extracomment>the heading over the number of exits on the board, 1 to 4</extracomment>
        <translatorcomment>The English slip (&quot;exitpoint&quot;) is not copied.</translatorcomment>
        <translation>Nombre de sorties</translation>
    </message>
    <message>
        <source>More exit points means more chance of winning the game!</source>
        <extracomment>the tooltip of the heading over the number of exits</extracomment>
        <translation>Plus de sorties, plus de chances de gagner&#xa0;!</translation>
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
        <translatorcomment>Shortened: &quot;La voiture part dans...&quot; is too long for the heading; &quot;departure in...&quot; is 14 characters.</translatorcomment>
        <translation>Départ dans...</translation>
    </message>
    <message>
        <source>Enuff time for you to think ahead and built the path?</source>
        <extracomment>the countdown&apos;s tooltip, playfully misspelt (&quot;enough&quot;, &quot;build&quot;); a joke, translate in spirit</extracomment>
        <translatorcomment>The English misspells on purpose (&quot;Enuff&quot;, &quot;built&quot;); French plays the same game with spoken, clipped forms (&quot;T&apos;as&quot;, &quot;d&apos;temps&quot;), which read as playful and not as the translator&apos;s mistakes.</translatorcomment>
        <translation>T&apos;as assez d&apos;temps pour anticiper et bâtir ta route&#xa0;?</translation>
    </message>
    <message>
        <source>sec</source>
        <extracomment>short for seconds, beside the countdown&apos;s number; at most 3 letters</extracomment>
        <translatorcomment>&quot;s&quot; is the formal symbol; &quot;sec&quot; is what French players say and write in a game.</translatorcomment>
        <translation>sec</translation>
    </message>
    <message>
        <source>Your name here</source>
        <extracomment>the heading over the box where the player types a name for the top-ten table</extracomment>
        <translation>Ton nom ici</translation>
    </message>
    <message>
        <source>This name may get into the TOP TEN!</source>
        <extracomment>the name box&apos;s tooltip; TOP TEN is the table of the best scores</extracomment>
        <translation>Ce nom entrera peut-être dans le TOP 10&#xa0;!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>the name box&apos;s first text, which enters the top-ten table if the player does not change it; at most 14 characters</extracomment>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>TOP</source>
        <extracomment>the first word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>&quot;Top 10&quot; is the usual French name for such a table (as in the charts); &quot;TOP DIX&quot; is never written.</translatorcomment>
        <translation>TOP</translation>
    </message>
    <message>
        <source>TEN</source>
        <extracomment>the second word of the top-ten table&apos;s heading &quot;TOP TEN&quot;, on its own line; very short</extracomment>
        <translatorcomment>&quot;Top 10&quot; is the usual French name for such a table (as in the charts); &quot;TOP DIX&quot; is never written, so the second line is the figure 10.</translatorcomment>
        <translation>10</translation>
    </message>
    <message>
        <source>fewer exits</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the number of exits</extracomment>
        <translation>moins de sorties</translation>
    </message>
    <message>
        <source>more exits</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the number of exits</extracomment>
        <translation>plus de sorties</translation>
    </message>
    <message>
        <source>shorter countdown</source>
        <extracomment>the name a screen reader gives the &quot;&lt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>compte à rebours plus court</translation>
    </message>
    <message>
        <source>longer countdown</source>
        <extracomment>the name a screen reader gives the &quot;&gt;&quot; button beside the countdown&apos;s seconds</extracomment>
        <translation>compte à rebours plus long</translation>
    </message>
    <message>
        <source>car</source>
        <extracomment>the name a screen reader gives the little car on the board</extracomment>
        <translation>voiture</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>the sound switch&apos;s name for a screen reader and its tooltip</extracomment>
        <translation>Son</translation>
    </message>
    <message>
        <source>Sound is on: click or press M to silence it</source>
        <translation>Le son est activé&#xa0;: clique ou appuie sur M pour le couper</translation>
    </message>
    <message>
        <source>Sound is off: click or press M to hear it</source>
        <translation>Le son est coupé&#xa0;: clique ou appuie sur M pour l&apos;entendre</translation>
    </message>
</context>
<context>
    <name>PlaceNames</name>
    <message>
        <source>tent</source>
        <extracomment>the obstacle tile, drawn as a tent on grass; it jumps into the empty place</extracomment>
        <translation>tente</translation>
    </message>
    <message>
        <source>START sign</source>
        <translatorcomment>DÉPART as lettered on the sign.</translatorcomment>
        <translation>panneau DÉPART</translation>
    </message>
    <message>
        <source>plain tile</source>
        <translation>tuile sans route</translation>
    </message>
    <message>
        <source>START, the car waits here</source>
        <extracomment>the sign left of the top-left place, where the car enters the board</extracomment>
        <translation>DÉPART, la voiture attend ici</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉPART</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>between two places of a row or column read at once</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1, row %2, column %3, car here</source>
        <extracomment>a board place: %1 what lies there, then its row and column</extracomment>
        <translation>%1, ligne %2, colonne %3, voiture ici</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>a direction on the board, as in &quot;facing left&quot;</extracomment>
        <translatorcomment>The direction words are only used inside sentences (&quot;roule %1&quot;, &quot;sort du plateau %1&quot;, &quot;Tuile glissée %1&quot;), so they carry their preposition: &quot;vers la gauche&quot;.</translatorcomment>
        <translation>vers la gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translatorcomment>The direction words are only used inside sentences (&quot;roule %1&quot;, &quot;sort du plateau %1&quot;, &quot;Tuile glissée %1&quot;), so they carry their preposition: &quot;vers la gauche&quot;.</translatorcomment>
        <translation>vers la droite</translation>
    </message>
    <message>
        <source>up</source>
        <translatorcomment>The direction words are only used inside sentences (&quot;roule %1&quot;, &quot;sort du plateau %1&quot;, &quot;Tuile glissée %1&quot;), so they carry their preposition: &quot;vers la gauche&quot;.</translatorcomment>
        <translation>vers le haut</translation>
    </message>
    <message>
        <source>down</source>
        <translatorcomment>The direction words are only used inside sentences (&quot;roule %1&quot;, &quot;sort du plateau %1&quot;, &quot;Tuile glissée %1&quot;), so they carry their preposition: &quot;vers la gauche&quot;.</translatorcomment>
        <translation>vers le bas</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <extracomment>a whole row read at once, left to right; %2 lists its eight places, each with its column</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <extracomment>a whole column read at once, top to bottom; %2 lists its six places, each with its row</extracomment>
        <translation>colonne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 %2, car</source>
        <extracomment>one place in a row or column read at once: %1 its number in the row or column (a column number in a row, a row number in a column), %2 what lies there</extracomment>
        <translation>%1 %2, voiture</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>the one place without a tile, into which a tile next to it can slide</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>straight across</source>
        <extracomment>a straight road from the left side to the right side</extracomment>
        <translation>droite horizontale</translation>
    </message>
    <message>
        <source>straight up down</source>
        <extracomment>a straight road from the top side to the bottom side</extracomment>
        <translation>droite verticale</translation>
    </message>
    <message>
        <source>crossing</source>
        <extracomment>two straight roads across each other; the car goes straight on</extracomment>
        <translation>croisement</translation>
    </message>
    <message>
        <source>curve right down</source>
        <extracomment>a curve is named by the two sides it opens, always in the order up, right, down, left</extracomment>
        <translation>virage droite bas</translation>
    </message>
    <message>
        <source>curve down left</source>
        <translation>virage bas gauche</translation>
    </message>
    <message>
        <source>curve up right</source>
        <translation>virage haut droite</translation>
    </message>
    <message>
        <source>curve up left</source>
        <translation>virage haut gauche</translation>
    </message>
    <message>
        <source>exit</source>
        <extracomment>the goal tile; the car wins as it drives in from any side</extracomment>
        <translation>sortie</translation>
    </message>
    <message>
        <source>no game yet, row %1, column %2</source>
        <extracomment>a board place before the first game, when the tiles are only a decoration</extracomment>
        <translation>pas encore de partie, ligne %1, colonne %2</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Click here to start playing</source>
        <extracomment>the banner&apos;s tooltip before a game</extracomment>
        <translation>Clique ici pour jouer</translation>
    </message>
    <message>
        <source>Click here to replay</source>
        <extracomment>the banner&apos;s tooltip after a lost game</extracomment>
        <translatorcomment>After a lost game: &quot;try again&quot;, to tell it from the tooltip after a win.</translatorcomment>
        <translation>Clique ici pour réessayer</translation>
    </message>
    <message>
        <source>Click here to play again</source>
        <extracomment>the banner&apos;s tooltip after a won game</extracomment>
        <translation>Clique ici pour rejouer</translation>
    </message>
    <message>
        <source>Click here to cancel this game</source>
        <extracomment>the banner&apos;s tooltip while a game runs</extracomment>
        <translation>Clique ici pour abandonner cette partie</translation>
    </message>
    <message>
        <source>Ultra Hard!</source>
        <extracomment>difficulty shown under the number of exits when there is 1 exit; a playful word, translate in spirit</extracomment>
        <translatorcomment>Translated in spirit: &quot;costaud&quot; (tough, beefy) is the playful French for a hard level; shorter than the English.</translatorcomment>
        <translation>Super dur&#xa0;!</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>difficulty shown under the number of exits when there are 2 exits</extracomment>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Novice</source>
        <extracomment>difficulty shown under the number of exits when there are 3 exits</extracomment>
        <translatorcomment>&quot;Débutant&quot; would be 1.3x the English; &quot;Facile&quot; (easy) is as long and fits between &quot;Moyen&quot; and &quot;Fastoche&quot;.</translatorcomment>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Kids Only</source>
        <extracomment>difficulty shown under the number of exits when there are 4 exits; a playful joke: this is the easiest setting</extracomment>
        <translatorcomment>Joke in spirit: &quot;fastoche&quot; is the children&apos;s slang for &quot;dead easy&quot;, so it says both &quot;for kids&quot; and &quot;easiest&quot;; shorter than the English.</translatorcomment>
        <translation>Fastoche</translation>
    </message>
    <message>
        <source>Walk the dog 1st!</source>
        <extracomment>shown under a countdown of 50 seconds or more: so much time that you could walk the dog first; a joke, translate in spirit, short</extracomment>
        <translatorcomment>Joke in spirit: &quot;walk the dog!&quot; (there is time for it); &quot;d&apos;abord&quot; (first) dropped to stay as short as the English.</translatorcomment>
        <translation>Promène le chien&#xa0;!</translation>
    </message>
    <message>
        <source>Sit Down and Relax</source>
        <extracomment>shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit (&quot;make yourself comfortable&quot;), shorter than the literal &quot;Assieds-toi et détends-toi&quot;.</translatorcomment>
        <translation>Installe-toi bien</translation>
    </message>
    <message>
        <source>Take it Easy</source>
        <extracomment>shown under a countdown of 30 to 39 seconds; translate in spirit, short</extracomment>
        <translatorcomment>Translated in spirit: the familiar French for &quot;take it easy&quot;.</translatorcomment>
        <translation>Pas de stress</translation>
    </message>
    <message>
        <source>Think Faster!</source>
        <extracomment>shown under a countdown of 20 to 29 seconds; translate in spirit, short</extracomment>
        <translation>Réfléchis vite&#xa0;!</translation>
    </message>
    <message>
        <source>Mission Impossible!</source>
        <extracomment>shown under a countdown of 10 to 19 seconds, the hardest; a joke after the film title, translate in spirit, short</extracomment>
        <translatorcomment>The film and series are known in France as &quot;Mission impossible&quot;, so the joke carries over word for word. No &quot;!&quot;: with the French space before it the text would fill the whole 126 px label; the title has none anyway.</translatorcomment>
        <translation>Mission impossible</translation>
    </message>
    <message>
        <source>Time Stands Still!</source>
        <extracomment>shown under the countdown setting past 50 seconds: no countdown at all, the car waits until it is sent; a joke in the spirit of the others, short</extracomment>
        <translation>Le temps s&apos;arrête&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>roadshift: the records could not be saved in %1: %2</source>
        <extracomment>one line on standard error; %1 is a file, %2 the reason the system gave</extracomment>
        <translation>roadshift&#xa0;: impossible d&apos;enregistrer les scores dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the lock cannot be made</source>
        <translation>impossible de poser le verrou</translation>
    </message>
    <message>
        <source>the file system refused the write</source>
        <translation>le système de fichiers a refusé l&apos;écriture</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a plain settings file; the game starts from its own settings and leaves it alone</source>
        <extracomment>on standard error, after &quot;passed over &lt;settings file&gt;:&quot;; a FIFO or a folder is there</extracomment>
        <translation>ce n&apos;est pas un fichier de réglages ordinaire&#xa0;; le jeu démarre avec ses propres réglages et n&apos;y touche pas</translation>
    </message>
    <message>
        <source>it holds no settings the game can read; the game starts from its own settings</source>
        <extracomment>on standard error, after &quot;passed over &lt;the settings file&gt;:&quot;; the file is damaged</extracomment>
        <translation>il ne contient aucun réglage lisible par le jeu&#xa0;; le jeu démarre avec ses propres réglages</translation>
    </message>
    <message>
        <source>roadshift: passed over %1: %2</source>
        <extracomment>one line on standard error; %1 is a file the game passed over, %2 why</extracomment>
        <translation>roadshift&#xa0;: %1 ignoré&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>roadshift: playing without sound: %1</source>
        <extracomment>one line on standard error when the game cannot play sound; %1 is why</extracomment>
        <translation>roadshift&#xa0;: partie sans son&#xa0;: %1</translation>
    </message>
    <message>
        <source>no sound device</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>aucun périphérique audio</translation>
    </message>
    <message>
        <source>the sound device cannot be used</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>le périphérique audio est inutilisable</translation>
    </message>
    <message>
        <source>the OpenAL library is missing</source>
        <extracomment>why the game plays without sound, after &quot;playing without sound:&quot;</extracomment>
        <translation>la bibliothèque OpenAL est absente</translation>
    </message>
</context>
<context>
    <name>SpokenNames</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>a score read by a screen reader</extracomment>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
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
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>a sentence of its own: %1 is the score, e.g. &quot;Score: 230 points&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The car leaves in under a second</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>La voiture part dans moins d&apos;une seconde</translation>
    </message>
    <message numerus="yes">
        <source>The car leaves in %n second(s)</source>
        <extracomment>the countdown before the car drives off, read by a screen reader</extracomment>
        <translation>
            <numerusform>La voiture part dans %n seconde</numerusform>
            <numerusform>La voiture part dans %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <extracomment>a row of the top-ten table read by a screen reader, e.g. &quot;Rank 1: Racer, 230 points&quot;: %1 the rank, %2 the player&apos;s name, %3 the points</extracomment>
        <translation>Rang %1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>no name</source>
        <extracomment>said for a top-ten row whose player left the name box empty</extracomment>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>The road reaches the exit at %1 at once</source>
        <translation>La route atteint tout de suite la sortie en %1</translation>
    </message>
    <message>
        <source>The road ends at once, facing %1 off the board</source>
        <translation>La route s&apos;arrête net&#xa0;: elle sort du plateau %1</translation>
    </message>
    <message numerus="yes">
        <source>The road reaches the exit at %1 after %n tile(s)</source>
        <extracomment>%1 is a place (row 6, column 8); %n the road tiles on the way</extracomment>
        <translation>
            <numerusform>La route atteint la sortie en %1 après %n tuile</numerusform>
            <numerusform>La route atteint la sortie en %1 après %n tuiles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road runs %n tile(s), then loops back to %1</source>
        <extracomment>the road comes back into itself; the car would drive round and round</extracomment>
        <translation>
            <numerusform>La route fait %n tuile, puis revient sur elle-même en %1</numerusform>
            <numerusform>La route fait %n tuiles, puis revient sur elle-même en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Slid %1; the empty place is here now</source>
        <extracomment>after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)</extracomment>
        <translation>Tuile glissée %1&#xa0;; la case vide est maintenant ici</translation>
    </message>
    <message>
        <source>Tent jumped to %1; the empty place is here now, at %2</source>
        <extracomment>the tent jumps into the empty place wherever it is</extracomment>
        <translation>La tente a sauté en %1&#xa0;; la case vide est maintenant ici, en %2</translation>
    </message>
    <message>
        <source>Cannot slide: not next to the empty place</source>
        <translation>Impossible de faire glisser&#xa0;: pas à côté de la case vide</translation>
    </message>
    <message>
        <source>Cannot slide: the car is here</source>
        <translation>Impossible de faire glisser&#xa0;: la voiture est ici</translation>
    </message>
    <message>
        <source>Cannot slide: this is the empty place</source>
        <translation>Impossible de faire glisser&#xa0;: c&apos;est la case vide</translation>
    </message>
    <message>
        <source>No game running; press N to start one</source>
        <extracomment>a key on the board while no game is being played</extracomment>
        <translation>Aucune partie en cours&#xa0;; appuie sur N pour en lancer une</translation>
    </message>
    <message>
        <source>Cannot turn a tent</source>
        <translation>Impossible de tourner une tente</translation>
    </message>
    <message>
        <source>Cannot turn the empty place</source>
        <translation>Impossible de tourner la case vide</translation>
    </message>
    <message>
        <source>Cannot turn the exit</source>
        <translation>Impossible de tourner la sortie</translation>
    </message>
    <message>
        <source>Exits: %1; countdown: %2 seconds</source>
        <extracomment>the difficulty panel: %1 the number of exits, %2 the countdown in seconds</extracomment>
        <translation>Sorties&#xa0;: %1&#xa0;; compte à rebours&#xa0;: %2 secondes</translation>
    </message>
    <message>
        <source>The car is off</source>
        <extracomment>the countdown is over and the car drives onto the board</extracomment>
        <translation>La voiture démarre</translation>
    </message>
    <message>
        <source>You won! %1 points, rank %2 in the top ten</source>
        <extracomment>%1 points, %2 the row the score took in the top ten</extracomment>
        <translation>Gagné&#xa0;! %1 points, rang %2 dans le Top 10</translation>
    </message>
    <message>
        <source>You won! %1 points, not in the top ten</source>
        <translation>Gagné&#xa0;! %1 points, pas dans le Top 10</translation>
    </message>
    <message>
        <source>You lost: the car ran into a tent at %1</source>
        <extracomment>%1 is the place of the tent the car ran into</extracomment>
        <translation>Perdu&#xa0;: la voiture a percuté une tente en %1</translation>
    </message>
    <message>
        <source>You lost: the car ran into the empty place at %1</source>
        <translation>Perdu&#xa0;: la voiture est tombée dans la case vide en %1</translation>
    </message>
    <message>
        <source>You lost: %1 is closed to a car heading %2</source>
        <extracomment>%1 a place, %2 the way the car was heading (left, right, up, down)</extracomment>
        <translatorcomment>&quot;la case en %1&quot; (the place at ...) because a bare &quot;ligne 3, colonne 4&quot; cannot be the subject of the French sentence.</translatorcomment>
        <translation>Perdu&#xa0;: la case en %1 est fermée à une voiture qui roule %2</translation>
    </message>
    <message>
        <source>You lost: the car left the board</source>
        <translation>Perdu&#xa0;: la voiture est sortie du plateau</translation>
    </message>
    <message>
        <source>You lost: the car left the board at %1, heading %2</source>
        <extracomment>%1 the car&apos;s last place, %2 the way it left (left, right, up, down)</extracomment>
        <translation>Perdu&#xa0;: la voiture est sortie du plateau en %1, %2</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Paused; press P to go on</source>
        <translation>Pause&#xa0;; appuie sur P pour reprendre</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>On reprend</translation>
    </message>
    <message>
        <source>Car waits at START</source>
        <translation>Voiture en attente au DÉPART</translation>
    </message>
    <message>
        <source>Car waits at START; countdown %1</source>
        <extracomment>%1 seconds before the car leaves</extracomment>
        <translation>Voiture en attente au DÉPART&#xa0;; compte à rebours %1</translation>
    </message>
    <message>
        <source>Car at %1, heading %2</source>
        <extracomment>%1 a place, %2 the way the car drives (left, right, up, down)</extracomment>
        <translation>Voiture en %1, roule %2</translation>
    </message>
    <message>
        <source>Car stopped off the board</source>
        <translation>Voiture arrêtée hors du plateau</translation>
    </message>
    <message>
        <source>Car stopped at %1</source>
        <translation>Voiture arrêtée en %1</translation>
    </message>
    <message>
        <source>No countdown: the car waits until you press G</source>
        <extracomment>the countdown label when there is no countdown, read by a screen reader</extracomment>
        <translation>Pas de compte à rebours&#xa0;: la voiture attend que tu appuies sur G</translation>
    </message>
    <message>
        <source>Exits: %1; no countdown</source>
        <extracomment>the difficulty panel: %1 the number of exits; the car waits until it is sent</extracomment>
        <translation>Sorties&#xa0;: %1&#xa0;; pas de compte à rebours</translation>
    </message>
    <message>
        <source>You won! %1 points; untimed, so not for the top ten</source>
        <extracomment>%1 points; a game without countdown does not enter the top ten</extracomment>
        <translation>Gagné&#xa0;! %1 points&#xa0;; sans chrono, donc pas pour le Top 10</translation>
    </message>
    <message>
        <source>Game given up; press N for a new one</source>
        <extracomment>said when Escape gives up a game while the car drives</extracomment>
        <translation>Partie abandonnée&#xa0;; appuie sur N pour en lancer une</translation>
    </message>
    <message>
        <source>Game put away; press N for a new one</source>
        <extracomment>said when Escape puts a won or lost game away</extracomment>
        <translation>Partie rangée&#xa0;; appuie sur N pour en lancer une</translation>
    </message>
    <message>
        <source>The car has not left yet: press G to send it</source>
        <extracomment>said when Escape is pressed during the countdown, when a game cannot be given up yet</extracomment>
        <translation>La voiture n&apos;est pas encore partie&#xa0;: appuie sur G pour la lancer</translation>
    </message>
    <message>
        <source>A game is on: Escape gives it up, or puts it away</source>
        <extracomment>said when F2 or N is pressed while a game, running or finished, covers START!</extracomment>
        <translation>Une partie est en cours&#xa0;: Escape l&apos;abandonne ou la range</translation>
    </message>
    <message>
        <source>Sound on</source>
        <extracomment>said when M or the sound switch silences the game&apos;s sounds, or brings them back</extracomment>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Blocked at once by the tent at %1</source>
        <extracomment>the road from the car or from START is blocked before its first tile</extracomment>
        <translation>Bloquée tout de suite par la tente en %1</translation>
    </message>
    <message>
        <source>Blocked at once by the empty place at %1</source>
        <translation>Bloquée tout de suite par la case vide en %1</translation>
    </message>
    <message>
        <source>Blocked at once at %1: %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down)</extracomment>
        <translation>Bloquée tout de suite en %1&#xa0;: %2, sans entrée pour une voiture qui roule %3</translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the tent at %1, after %n tile(s)</source>
        <extracomment>%1 the place of the tent that blocks the road; %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Bloquée par la tente en %1, après %n tuile</numerusform>
            <numerusform>Bloquée par la tente en %1, après %n tuiles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked by the empty place at %1, after %n tile(s)</source>
        <translation>
            <numerusform>Bloquée par la case vide en %1, après %n tuile</numerusform>
            <numerusform>Bloquée par la case vide en %1, après %n tuiles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Blocked at %1 after %n tile(s): %2, closed to a car heading %3</source>
        <extracomment>%1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads into it (left, right, up, down); %n the road tiles before it</extracomment>
        <translation>
            <numerusform>Bloquée en %1 après %n tuile&#xa0;: %2, sans entrée pour une voiture qui roule %3</numerusform>
            <numerusform>Bloquée en %1 après %n tuiles&#xa0;: %2, sans entrée pour une voiture qui roule %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The road leaves the board at %1, heading %2, after %n tile(s)</source>
        <extracomment>%1 the last road place, %2 the way the road leaves the board (left, right, up, down)</extracomment>
        <translation>
            <numerusform>La route sort du plateau en %1, %2, après %n tuile</numerusform>
            <numerusform>La route sort du plateau en %1, %2, après %n tuiles</numerusform>
        </translation>
    </message>
    <message>
        <source>then the road reaches the exit at %1</source>
        <translation>puis la route atteint la sortie en %1</translation>
    </message>
    <message numerus="yes">
        <source>then the road runs %n tile(s) and stops at %1</source>
        <extracomment>after a move that would open the road: %n its tiles then, %1 where it then stops</extracomment>
        <translation>
            <numerusform>puis la route fait %n tuile et s&apos;arrête en %1</numerusform>
            <numerusform>puis la route fait %n tuiles et s&apos;arrête en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>two parts of one piece of advice: %1 the move, %2 what follows it</extracomment>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>Turn it once with R</source>
        <extracomment>advice on the tile just named, which blocks the road or leads it off the board; %1 is the key combination Shift+R, named by Qt in the player&apos;s language</extracomment>
        <translation>Tourne-la une fois avec R</translation>
    </message>
    <message>
        <source>Turn it twice with R</source>
        <translation>Tourne-la deux fois avec R</translation>
    </message>
    <message>
        <source>Slide in the tile from %1: %2</source>
        <extracomment>advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)</extracomment>
        <translation>Fais glisser la tuile de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Press the tent: it jumps to the empty place at %1</source>
        <extracomment>advice: %1 the empty place, wherever it is, into which the tent would jump</extracomment>
        <translation>Appuie sur la tente&#xa0;: elle saute dans la case vide en %1</translation>
    </message>
    <message>
        <source>then slide in the tile from %1: %2</source>
        <extracomment>advice after the tent&apos;s jump: %1 the place of a tile that could then slide into the tent&apos;s place, %2 that tile (curve up left)</extracomment>
        <translation>puis fais glisser la tuile de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No tile next to it joins the road as it lies</source>
        <extracomment>advice on the empty place that blocks the road: no tile beside it would join the road</extracomment>
        <translation>Aucune tuile voisine ne rejoint la route telle quelle</translation>
    </message>
    <message>
        <source>Road reaches the exit at %1!</source>
        <extracomment>said after a move that changed the road: it now reaches the exit at %1</extracomment>
        <translation>La route atteint la sortie en %1&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>Road now %n tile(s); stops at %1</source>
        <extracomment>said after a move that changed the road: %n its tiles now, %1 where it stops</extracomment>
        <translation>
            <numerusform>Route de %n tuile&#xa0;; s&apos;arrête en %1</numerusform>
            <numerusform>Route de %n tuiles&#xa0;; s&apos;arrête en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>New game; the car waits until you press G</source>
        <translation>Nouvelle partie&#xa0;; la voiture attend que tu appuies sur G</translation>
    </message>
    <message>
        <source>New game; the car leaves in %1 seconds</source>
        <translation>Nouvelle partie&#xa0;; la voiture part dans %1 secondes</translation>
    </message>
    <message>
        <source>Exit: %1</source>
        <extracomment>the one exit of a new game: %1 its place</extracomment>
        <translation>Sortie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Exit %1: %2</source>
        <translation>Sortie %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>between the sentences of one announcement</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Turn it back with %1</source>
        <translation>Tourne-la en arrière avec %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>the countdown before the car leaves, said at 10 and 5 seconds and in its last three</extracomment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>You failed to make it to the Top Ten</source>
        <extracomment>shown under the banner after a win whose points are too few for the top-ten table</extracomment>
        <translatorcomment>Shortened: the line under the banner has a fixed width (&quot;no place in the Top 10&quot;).</translatorcomment>
        <translation>Pas de place dans le Top 10</translation>
    </message>
    <message>
        <source>Your points is ranked #%1 in the Top Ten</source>
        <extracomment>shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10</extracomment>
        <translatorcomment>The English grammar slip (&quot;points is&quot;) is the English text&apos;s own charm; the French is correct. &quot;#&quot; is not used for ranks in French, &quot;n°&quot; is.</translatorcomment>
        <translation>Ton score est classé n°&#xa0;%1 au Top 10</translation>
    </message>
    <message>
        <source>No countdown, so no place in the Top Ten</source>
        <extracomment>shown under the banner after a win without countdown</extracomment>
        <translation>Sans compte à rebours, pas de place dans le Top 10</translation>
    </message>
</context>
</TS>
