// Following the road with the traversal rule, place by place, until it ends or repeats.
#include "car/roadtrace.h"

#include <algorithm>
#include <cstdlib>

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

qint16 roadEndPlace(const RoadTrace &trace)
{
    if (trace.end == RoadEnd::Exit || trace.blocked == 0) return trace.last;
    return trace.blocked;
}

bool roadChanged(const RoadTrace &before, const RoadTrace &after)
{
    return after.end != before.end || after.tiles != before.tiles ||
           roadEndPlace(after) != roadEndPlace(before);
}

QList<qint16> exitsByDistance(const QList<qint16> &exits, qint16 from)
{
    const auto steps = [from](qint16 p) {
        if (from < 1) return 0;
        return std::abs((p - 1) % boardColumns - (from - 1) % boardColumns) +
               std::abs((p - 1) / boardColumns - (from - 1) / boardColumns);
    };
    QList<qint16> ordered = exits;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [&steps](qint16 a, qint16 b) { return steps(a) < steps(b); });
    return ordered;
}

qint16 nextExit(const QList<qint16> &ordered, qint16 cursor)
{
    if (ordered.isEmpty()) return 0;
    const qsizetype at = ordered.indexOf(cursor);
    return ordered[at < 0 ? 0 : (at + 1) % ordered.size()];
}
