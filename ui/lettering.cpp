// The words drawn into the game's pictures, in the player's language.
#include "ui/lettering.h"

#include <QCoreApplication>

const char *letteringSource(Lettering which)
{
    switch (which) {
    case Lettering::TheEnd:
        //: lettered in capitals on every exit tile (a square of 60 px), on one or two lines split
        //: at the first space; keep it as short as the English
        return QT_TRANSLATE_NOOP("Lettering", "THE END!");
    case Lettering::Start:
        //: lettered on the small sign beside the board where the car starts; one short word
        return QT_TRANSLATE_NOOP("Lettering", "START");
    case Lettering::Points:
        //: lettered after the score's big digits: a short form of "points", at most 3 letters
        return QT_TRANSLATE_NOOP("Lettering", "Pts");
    case Lettering::ClickToPlay:
        //: lettered in big capitals on the banner under the board before a game
        return QT_TRANSLATE_NOOP("Lettering", "CLICK TO PLAY!");
    case Lettering::YouLost:
        //: lettered in big capitals on the banner when the car has left the road
        return QT_TRANSLATE_NOOP("Lettering", "SORRY! YOU LOST!");
    case Lettering::YouWon:
        //: lettered in big dancing capitals on the banner when the car has reached an exit
        return QT_TRANSLATE_NOOP("Lettering", "CONGRATS! YOU WON!");
    case Lettering::GoodLuck:
        //: lettered in big rainbow capitals on the banner while a game runs
        return QT_TRANSLATE_NOOP("Lettering", "GOOD LUCK!");
    case Lettering::LotsOfThem:
        //: the small line under "GOOD LUCK!": a friendly joke, you will need lots of luck;
        //: translate in spirit, in capitals, short
        return QT_TRANSLATE_NOOP("Lettering", "...YOU NEED LOTS OF 'EM");
    case Lettering::HelpSlide:
        //: caption under the rules' first picture: a tile slides into the empty place next to
        //: it, from A to B; three short lines at most
        return QT_TRANSLATE_NOOP("Lettering", "Left-Click on the tile to move it from point A to "
                                              "point B");
    case Lettering::HelpTurn:
        //: caption under the rules' second picture; three short lines at most
        return QT_TRANSLATE_NOOP("Lettering", "Right-click on the tile to rotate it clockwise");
    case Lettering::HelpGuide:
        //: caption under the rules' third picture; START and THE END! name the sign and the exit
        //: tiles, write them as lettered there; three short lines at most
        return QT_TRANSLATE_NOOP("Lettering", "Guide the moving car from START until THE END!");
    case Lettering::Paused:
        //: lettered in big capitals on the cover over the board while the game is paused
        return QT_TRANSLATE_NOOP("Lettering", "PAUSED");
    case Lettering::PressToGoOn:
        //: the smaller line under "PAUSED"; P is the key, keep it as P
        return QT_TRANSLATE_NOOP("Lettering", "press P to play on");
    }
    return "";
}

QString letteringText(Lettering which)
{
    return QCoreApplication::translate("Lettering", letteringSource(which));
}
