// Where the road ahead of the car leads: the car's own traversal rule, followed to its end.
#pragma once

#include "core/board.h"

#include <QList>

enum class RoadEnd {
    Exit,     // the road reaches an exit: a win
    Tent,     // it runs into a tent
    Empty,    // into the empty place
    DeadEnd,  // into a road that is not open towards it
    OffBoard, // off the board's edge
    Loop      // it comes back to where it was, and the car would drive round for ever
};

struct RoadTrace
{
    RoadEnd end = RoadEnd::DeadEnd;
    int tiles = 0;      // road tiles the car would drive through (and score) before the end
    qint16 last = 0;    // the last of them (0: none), or the exit reached
    qint16 blocked = 0; // the place it cannot enter, or comes back to in a loop (0: off the board)
    Side facing = Side::None; // the way the car heads at the end
};

// Follows the road a car entering `place` (0: off the board) through `entry` would take. From
// START this is place 1 from the left; from a driving car, its next place and entry side.
RoadTrace traceRoad(const Board &board, qint16 place, Side entry);

// Where the road stops: the place it cannot enter, or the last tile before the board's edge, or
// the exit it reaches; 0 for a road of no tiles that leaves the board.
qint16 roadEndPlace(const RoadTrace &trace);

// Whether a move changed the road: where or how it ends, or its length.
bool roadChanged(const RoadTrace &before, const RoadTrace &after);

// The exits in order of their distance, in steps along rows and columns, from `from`; ties keep
// the order given.
QList<qint16> exitsByDistance(const QList<qint16> &exits, qint16 from);

// The exit after `cursor` in `ordered`: the first when the cursor stands on none of them, and
// round to the first again after the last.
qint16 nextExit(const QList<qint16> &ordered, qint16 cursor);
