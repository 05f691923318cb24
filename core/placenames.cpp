// Words for the tiles and names for the board places.
#include "core/placenames.h"

#include "core/board.h"

QString tileWords(qint16 type)
{
    // Each curve is named by its left or right side first, then its top or bottom side, so the
    // four read alike and differ in the two words that matter.
    switch (type) {
    case tile::empty:
        return QStringLiteral("empty place");
    case tile::straightLR:
        return QStringLiteral("straight road from left to right");
    case tile::straightUD:
        return QStringLiteral("straight road from top to bottom");
    case tile::crossing:
        return QStringLiteral("crossing");
    case tile::curveRD:
        return QStringLiteral("curve from right to bottom");
    case tile::curveLD:
        return QStringLiteral("curve from left to bottom");
    case tile::curveUR:
        return QStringLiteral("curve from right to top");
    case tile::curveLU:
        return QStringLiteral("curve from left to top");
    // The exit's blink and the win flash change its picture, not what lies there.
    case tile::endYellow:
    case tile::endWhite:
    case tile::exit:
        return QStringLiteral("exit");
    case tile::obstacle:
        return QStringLiteral("tent");
    case tile::startSign:
        return QStringLiteral("START sign");
    default:
        return QStringLiteral("plain tile");
    }
}

QString placeName(qint16 place, qint16 type, bool carHere)
{
    const int row = (place - 1) / boardColumns + 1;
    const int column = (place - 1) % boardColumns + 1;
    QString name =
        QStringLiteral("row %1, column %2: %3").arg(row).arg(column).arg(tileWords(type));
    if (carHere) name += QStringLiteral(", car here");
    return name;
}

QString startSignName(bool carWaits)
{
    return carWaits ? QStringLiteral("START, the car waits here") : QStringLiteral("START");
}
