// Words for the tiles and names for the board places.
#include "core/placenames.h"

#include "core/board.h"

#include <QCoreApplication>

QString tileWords(qint16 type)
{
    // Each curve is named by its left or right side first, then its top or bottom side, so the
    // four read alike and differ in the two words that matter.
    switch (type) {
    case tile::empty:
        //: the board's one place without a tile, read by a screen reader
        return QCoreApplication::translate("PlaceNames", "empty place");
    case tile::straightLR:
        return QCoreApplication::translate("PlaceNames", "straight road from left to right");
    case tile::straightUD:
        return QCoreApplication::translate("PlaceNames", "straight road from top to bottom");
    case tile::crossing:
        //: a tile where two straight roads cross
        return QCoreApplication::translate("PlaceNames", "crossing");
    case tile::curveRD:
        //: a curved road that joins the tile's right side and its bottom side
        return QCoreApplication::translate("PlaceNames", "curve from right to bottom");
    case tile::curveLD:
        //: a curved road that joins the tile's left side and its bottom side
        return QCoreApplication::translate("PlaceNames", "curve from left to bottom");
    case tile::curveUR:
        //: a curved road that joins the tile's right side and its top side
        return QCoreApplication::translate("PlaceNames", "curve from right to top");
    case tile::curveLU:
        //: a curved road that joins the tile's left side and its top side
        return QCoreApplication::translate("PlaceNames", "curve from left to top");
    // The exit's blink and the win flash change its picture, not what lies there.
    case tile::endYellow:
    case tile::endWhite:
    case tile::exit:
        //: a tile at the board's edge where the car leaves the board and wins
        return QCoreApplication::translate("PlaceNames", "exit");
    case tile::obstacle:
        //: a tile with a tent on it that blocks the road
        return QCoreApplication::translate("PlaceNames", "tent");
    case tile::startSign:
        //: the sign beside the board where the car starts
        return QCoreApplication::translate("PlaceNames", "START sign");
    default:
        //: a tile with no road on it
        return QCoreApplication::translate("PlaceNames", "plain tile");
    }
}

QString placeName(qint16 place, qint16 type, bool carHere)
{
    const int row = (place - 1) / boardColumns + 1;
    const int column = (place - 1) % boardColumns + 1;
    if (carHere) {
        //: a board place read by a screen reader: %1 its row, %2 its column, %3 what lies there,
        //: and the car stands on it
        return QCoreApplication::translate("PlaceNames", "row %1, column %2: %3, car here")
            .arg(QString::number(row), QString::number(column), tileWords(type));
    }
    //: a board place read by a screen reader: %1 its row, %2 its column, %3 what lies there
    return QCoreApplication::translate("PlaceNames", "row %1, column %2: %3")
        .arg(QString::number(row), QString::number(column), tileWords(type));
}

QString startSignName(bool carWaits)
{
    //: the START sign beside the board, read by a screen reader while the car waits there
    if (carWaits) return QCoreApplication::translate("PlaceNames", "START, the car waits here");
    //: the START sign beside the board, read by a screen reader
    return QCoreApplication::translate("PlaceNames", "START");
}
