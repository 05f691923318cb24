// Trying each move that could open the road, on a copy of the board.
#include "car/roadopening.h"

#include "board/moves.h"

namespace {

// Whether `a` is a better road than `b`: reaching an exit first, then the longer.
bool better(const RoadTrace &a, const RoadTrace &b)
{
    const bool aExit = a.end == RoadEnd::Exit;
    const bool bExit = b.end == RoadEnd::Exit;
    if (aExit != bExit) return aExit;
    return a.tiles > b.tiles;
}

// The turns of `place` that join it; the best of them, when any is better than `now`.
Opening bestTurn(const Board &board, qint16 start, Side entry, const RoadTrace &now, qint16 place)
{
    Opening found;
    if (place < 1 || place > placeCount || !turns(board.blocktype[place])) return found;
    Board b = board;
    RoadTrace best = now;
    for (int k = 1; k <= 3; ++k) {
        b.blocktype[place] = rotated(b.blocktype[place]);
        const RoadTrace t = traceRoad(b, start, entry);
        if (better(t, best)) {
            best = t;
            found = {Opening::Way::Turn, place, k, 0, 0, t};
        }
    }
    return found;
}

// The tile next to the empty place `hole` whose slide into it joins the road best.
Opening bestSlide(const Board &board, qint16 start, Side entry, const RoadTrace &now, qint16 hole,
                  qint16 carblock)
{
    Opening found;
    RoadTrace best = now;
    for (const Side s : {Side::Up, Side::Right, Side::Down, Side::Left}) {
        const qint16 from = board.neighbour(hole, s);
        if (from < 1 || from > placeCount || from == carblock) continue;
        const qint16 type = board.blocktype[from];
        if (type == tile::empty || type == tile::obstacle) continue; // a tent jumps, not slides
        Board b = board;
        swapTypes(b, from, hole);
        const RoadTrace t = traceRoad(b, start, entry);
        if (better(t, best)) {
            best = t;
            found = {Opening::Way::Slide, from, 0, hole, 0, t};
        }
    }
    return found;
}

} // namespace

Opening findOpening(const Board &board, qint16 start, Side entry, const RoadTrace &trace,
                    qint16 carblock)
{
    switch (trace.end) {
    case RoadEnd::DeadEnd:
        return bestTurn(board, start, entry, trace, trace.blocked);
    case RoadEnd::OffBoard:
        // The last tile turned so that it keeps the road on the board.
        return trace.last == carblock ? Opening{}
                                      : bestTurn(board, start, entry, trace, trace.last);
    case RoadEnd::Empty:
        return bestSlide(board, start, entry, trace, trace.blocked, carblock);
    case RoadEnd::Tent: {
        const qint16 hole = board.emptyblock;
        if (hole < 1 || hole > placeCount || board.blocktype[hole] != tile::empty) return {};
        Board b = board;
        swapTypes(b, trace.blocked, hole);
        Opening jump{Opening::Way::TentJump, trace.blocked, 0, hole, 0, traceRoad(b, start, entry)};
        // With the tent gone its place is the empty one: a tile next to it may join there.
        const Opening then = bestSlide(b, start, entry, jump.then, trace.blocked, carblock);
        jump.slideIn = then.place;
        return jump;
    }
    case RoadEnd::Exit:
    case RoadEnd::Loop:
        break;
    }
    return {};
}
