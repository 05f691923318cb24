// The words drawn into the game's pictures, in the player's language.
#pragma once

#include <QString>

enum class Lettering {
    TheEnd,      // on each exit tile
    Start,       // on the sign where the car waits
    Points,      // the unit after the score's digits
    ClickToPlay, // the banners under the board
    YouLost,
    YouWon,
    GoodLuck,
    LotsOfThem, // the smaller line under GOOD LUCK!
    HelpSlide,  // the captions of the rules' three pictures
    HelpTurn,
    HelpGuide,
    Paused, // the cover over the board while the game is paused
    PressToGoOn,
};

// The words of `which`, translated.
QString letteringText(Lettering which);
// The same words as written, in English (the text the translations are made from).
const char *letteringSource(Lettering which);
