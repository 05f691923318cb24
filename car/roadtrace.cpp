// Following the road with the traversal rule, place by place, until it ends or repeats.
#include "car/roadtrace.h"

#include <array>

RoadTrace traceRoad(const Board &board, qint16 place, Side entry)
{
    RoadTrace t;
    // A car that enters a place through a side it entered before drives the same road again.
    std::array<std::array<bool, 5>, placeCount + 1> seen{};
    for (;;) {
        t.facing = opposite(entry);
        if (place < 1 || place > placeCount) {
            t.end = RoadEnd::OffBoard;
            return t;
        }
        const qint16 type = board.blocktype[place];
        const auto c = connectionFor(entry, type);
        if (!c) {
            t.blocked = place;
            t.end = type == tile::obstacle ? RoadEnd::Tent
                    : type == tile::empty  ? RoadEnd::Empty
                                           : RoadEnd::DeadEnd;
            return t;
        }
        if (type == tile::exit) {
            t.last = place;
            t.end = RoadEnd::Exit;
            return t;
        }
        bool &been = seen[place][static_cast<int>(entry)];
        if (been) {
            t.blocked = place;
            t.end = RoadEnd::Loop;
            return t;
        }
        been = true;
        ++t.tiles;
        t.last = place;
        const Side leave = exitSide(*c);
        place = board.neighbour(place, leave);
        entry = opposite(leave);
    }
}
