// What a screen reader says for a board place: what lies there, where it is, and the car.
#pragma once

#include "core/board.h"

#include <QString>
#include <QtGlobal>

// What a tile of type `type` shows, in a few words: a road piece with the sides it opens, in the
// order up, right, down, left ("curve down left", "straight across", "tent").
QString tileWords(qint16 type);

// "row 2, column 3"; `place` is 1..48.
QString placeWhere(qint16 place);

// A place as the cursor reads it, what lies there first: "curve down left, row 2, column 3",
// ending in "car here" when `carHere`.
QString placeName(qint16 place, qint16 type, bool carHere);

// The START sign left of place 1, which also tells when the car waits there.
QString startSignName(bool carWaits);

// One word for a side the road faces: "left", "right", "up", "down".
QString sideWord(Side s);

// A place before the first game, when the board shows only a decoration: "no game yet, row 2,
// column 3".
QString introPlaceName(qint16 place);

// A whole row (1..6) or column (1..8) of `board`, place by place, in reading order, each place
// with its number: "row 2: 1 curve right down; 2 empty; …".
QString rowReading(const Board &board, int row, qint16 carPlace);
QString columnReading(const Board &board, int column, qint16 carPlace);
