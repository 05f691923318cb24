// Words for the tiles and names for the board places.
#include "core/placenames.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString word(const char *text)
{
    return QCoreApplication::translate("PlaceNames", text);
}

// What stands between the places of a row or column read at once.
QString between()
{
    //: between two places of a row or column read at once
    return word(QT_TRANSLATE_NOOP("PlaceNames", "; "));
}

// One place of a row or column read at once: its number there, what lies there, and the car.
QString listed(int number, qint16 place, const Board &board, qint16 carPlace)
{
    const QString words = tileWords(board.blocktype[place]);
    //: one place in a row or column read at once: %1 its number in the row or column (a column
    //: number in a row, a row number in a column), %2 what lies there
    return place == carPlace
               ? word(QT_TRANSLATE_NOOP("PlaceNames", "%1 %2, car")).arg(number).arg(words)
               : word(QT_TRANSLATE_NOOP("PlaceNames", "%1 %2")).arg(number).arg(words);
}

} // namespace

QString tileWords(qint16 type)
{
    // Short, as a row of eight is read at once; a road piece is named by the sides it opens,
    // always in the order up, right, down, left.
    switch (type) {
    case tile::empty:
        //: the one place without a tile, into which a tile next to it can slide
        return word(QT_TRANSLATE_NOOP("PlaceNames", "empty"));
    case tile::straightLR:
        //: a straight road from the left side to the right side
        return word(QT_TRANSLATE_NOOP("PlaceNames", "straight across"));
    case tile::straightUD:
        //: a straight road from the top side to the bottom side
        return word(QT_TRANSLATE_NOOP("PlaceNames", "straight up down"));
    case tile::crossing:
        //: two straight roads across each other; the car goes straight on
        return word(QT_TRANSLATE_NOOP("PlaceNames", "crossing"));
    //: a curve is named by the two sides it opens, always in the order up, right, down, left
    case tile::curveRD:
        return word(QT_TRANSLATE_NOOP("PlaceNames", "curve right down"));
    case tile::curveLD:
        return word(QT_TRANSLATE_NOOP("PlaceNames", "curve down left"));
    case tile::curveUR:
        return word(QT_TRANSLATE_NOOP("PlaceNames", "curve up right"));
    case tile::curveLU:
        return word(QT_TRANSLATE_NOOP("PlaceNames", "curve up left"));
    // The exit's blink and the win flash change its picture, not what lies there.
    case tile::endYellow:
    case tile::endWhite:
    case tile::exit:
        //: the goal tile; the car wins as it drives in from any side
        return word(QT_TRANSLATE_NOOP("PlaceNames", "exit"));
    case tile::obstacle:
        //: the obstacle tile, drawn as a tent on grass; it jumps into the empty place
        return word(QT_TRANSLATE_NOOP("PlaceNames", "tent"));
    case tile::startSign:
        return word(QT_TRANSLATE_NOOP("PlaceNames", "START sign"));
    default:
        return word(QT_TRANSLATE_NOOP("PlaceNames", "plain tile"));
    }
}

QString placeWhere(qint16 place)
{
    const int row = (place - 1) / boardColumns + 1;
    const int column = (place - 1) % boardColumns + 1;
    return word(QT_TRANSLATE_NOOP("PlaceNames", "row %1, column %2")).arg(row).arg(column);
}

QString placeName(qint16 place, qint16 type, bool carHere)
{
    const int row = (place - 1) / boardColumns + 1;
    const int column = (place - 1) % boardColumns + 1;
    //: a board place: %1 what lies there, then its row and column
    return (carHere ? word(QT_TRANSLATE_NOOP("PlaceNames", "%1, row %2, column %3, car here"))
                    : word(QT_TRANSLATE_NOOP("PlaceNames", "%1, row %2, column %3")))
        .arg(tileWords(type))
        .arg(row)
        .arg(column);
}

QString introPlaceName(qint16 place)
{
    const int row = (place - 1) / boardColumns + 1;
    const int column = (place - 1) % boardColumns + 1;
    //: a board place before the first game, when the tiles are only a decoration
    return word(QT_TRANSLATE_NOOP("PlaceNames", "no game yet, row %1, column %2"))
        .arg(row)
        .arg(column);
}

QString startSignName(bool carWaits)
{
    //: the sign left of the top-left place, where the car enters the board
    return carWaits ? word(QT_TRANSLATE_NOOP("PlaceNames", "START, the car waits here"))
                    : word(QT_TRANSLATE_NOOP("PlaceNames", "START"));
}

QString sideWord(Side s)
{
    switch (s) {
    case Side::Left:
        //: a direction on the board, as in "facing left"
        return word(QT_TRANSLATE_NOOP("PlaceNames", "left"));
    case Side::Right:
        return word(QT_TRANSLATE_NOOP("PlaceNames", "right"));
    case Side::Up:
        return word(QT_TRANSLATE_NOOP("PlaceNames", "up"));
    case Side::Down:
        return word(QT_TRANSLATE_NOOP("PlaceNames", "down"));
    case Side::None:
        break;
    }
    return {};
}

QString rowReading(const Board &board, int row, qint16 carPlace)
{
    QStringList places;
    for (int c = 1; c <= boardColumns; ++c)
        places << listed(c, static_cast<qint16>((row - 1) * boardColumns + c), board, carPlace);
    //: a whole row read at once, left to right; %2 lists its eight places, each with its column
    return word(QT_TRANSLATE_NOOP("PlaceNames", "row %1: %2")).arg(row).arg(places.join(between()));
}

QString columnReading(const Board &board, int column, qint16 carPlace)
{
    QStringList places;
    for (int r = 1; r <= boardRows; ++r)
        places << listed(r, static_cast<qint16>((r - 1) * boardColumns + column), board, carPlace);
    //: a whole column read at once, top to bottom; %2 lists its six places, each with its row
    return word(QT_TRANSLATE_NOOP("PlaceNames", "column %1: %2"))
        .arg(column)
        .arg(places.join(between()));
}
