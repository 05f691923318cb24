// What a screen reader says for a board place: where it is, what lies there, and the car.
#pragma once

#include <QString>
#include <QtGlobal>

// What a tile of type `type` shows, in words ("curve from left to bottom", "tent").
QString tileWords(qint16 type);

// "row 2, column 3: curve from left to bottom", with ", car here" when `carHere`; `place` is 1..48.
QString placeName(qint16 place, qint16 type, bool carHere);

// The START sign left of place 1, which also tells when the car waits there.
QString startSignName(bool carWaits);
