// What one move would open the road where it stops: a turn of the blocking tile, a tile slid
// into the empty place, or the tent sent away.
#pragma once

#include "car/roadtrace.h"

struct Opening
{
    enum class Way {
        None,     // nothing of one move helps (or the road reaches an exit already)
        Turn,     // turn `place` `turns` quarter turns clockwise (3: once counter-clockwise)
        Slide,    // slide the tile of `place` into the empty place `to`
        TentJump, // press the tent at `place`: it jumps to the empty place `to`
    };
    Way way = Way::None;
    qint16 place = 0;
    int turns = 0;
    qint16 to = 0;
    // TentJump: a tile next to the tent's place that could then slide in and join (0: none).
    qint16 slideIn = 0;
    RoadTrace then; // the road after the move
};

// The road from `start`, entered through `entry` (see traceRoad), ends as `trace` says; the car
// stands on `carblock` (0: not on the board), which neither slides nor is slid over. The move
// found joins the most: an exit reached first, then the longest road.
Opening findOpening(const Board &board, qint16 start, Side entry, const RoadTrace &trace,
                    qint16 carblock);
