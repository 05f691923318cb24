// What a screen reader says for a board place: what lies there, where it is, and the car.
#pragma once

#include "core/board.h"

#include <QString>
#include <QtGlobal>

// What a tile of type `type` shows, in words, with the sides it opens ("curve, open to the left
// and down", "tent").
QString tileWords(qint16 type);

// "row 2, column 3"; `place` is 1..48.
QString placeWhere(qint16 place);

// A place as the cursor reads it, what lies there first: "curve, open to the left and down, row 2,
// column 3", ending in "car here" when `carHere`.
QString placeName(qint16 place, qint16 type, bool carHere);

// The START sign left of place 1, which also tells when the car waits there.
QString startSignName(bool carWaits);

// One word for a side the road faces: "left", "right", "up", "down".
QString sideWord(Side s);

// A whole row (1..6) or column (1..8) of `board`, place by place, in reading order.
QString rowReading(const Board &board, int row, qint16 carPlace);
QString columnReading(const Board &board, int column, qint16 carPlace);
