// The 8 x 6 board: place tables, tile catalogue, rotation, curve and path tables, intro layout.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// Tile types; a type is also the cell of its picture in the tile sheet.
namespace tile {
constexpr qint16 empty = 0;
constexpr qint16 straightLR = 1;
constexpr qint16 straightUD = 2;
constexpr qint16 crossing = 3;
constexpr qint16 curveRD = 4;
constexpr qint16 curveLD = 5;
constexpr qint16 curveUR = 6;
constexpr qint16 curveLU = 7;
constexpr qint16 endYellow = 9;
constexpr qint16 endWhite = 10;
constexpr qint16 exit = 11;
constexpr qint16 obstacle = 12;
constexpr qint16 startSign = 23;
} // namespace tile

constexpr int boardColumns = 8;
constexpr int boardRows = 6;
constexpr int placeCount = 48;
constexpr int tableSize = 101; // tables indexed by place have room for 0..100
constexpr int pathSteps = 30;

// A side of a tile; None stands for "no way through".
enum class Side { None, Left, Right, Up, Down };

Side sideFromLetter(QChar letter); // None for anything else
Side opposite(Side s);

// A connection through a tile, entry side first.
enum class Connection { lr, rl, ud, du, lu, ul, ur, ru, rd, dr, ld, dl };
constexpr int connectionCount = 12;
QString connectionName(Connection c); // "lr", "dl", ...
Side exitSide(Connection c);

struct PathPoint
{
    qint16 x = 0;
    qint16 y = 0;
    friend bool operator==(const PathPoint &, const PathPoint &) = default;
};

using PlaceTable = std::array<qint16, tableSize>;
using Path = std::array<PathPoint, pathSteps + 1>; // steps 1..30; entry 0 unused

// The traversal rule: which connection a car entering a tile of type `type` through `entry` takes.
std::optional<Connection> connectionFor(Side entry, qint16 type);

// Road pieces (types 1..7) are the only tiles that turn.
constexpr bool turns(qint16 type)
{
    return type >= tile::straightLR && type <= tile::curveLU;
}

// The clockwise quarter turn of a road piece; other types do not turn.
qint16 rotated(qint16 type);

// The fixed layout shown from start-up until the first game; entry n is the type of place n.
std::array<qint16, placeCount + 1> introLayout();

struct Board
{
    PlaceTable blocktype{};
    PlaceTable blockx{};
    PlaceTable blocky{};
    PlaceTable blockleft{};
    PlaceTable blockright{};
    PlaceTable blockup{};
    PlaceTable blockdown{};
    std::array<std::array<qint16, 11>, 11> blockgrid{}; // [x][y]
    qint16 emptyblock = 0;

    QString rotatemap;
    std::array<qint16, 33> arcx{};
    std::array<qint16, 33> arcy{};
    std::array<Path, connectionCount> tilepath{};

    // Rotation map and curve tables (the first two steps of the build).
    void buildCurves();
    // Sentinel, positions, grid, neighbours and paths (the remaining steps).
    void buildPlaces();

    // Puts type `blockt` on place `blocknum` (0..100); type 0 makes it the empty place.
    // The picture is the window's business.
    void setblock(qint16 blocknum, qint16 blockt);

    const Path &path(Connection c) const { return tilepath[static_cast<int>(c)]; }
    qint16 neighbour(qint16 place, Side s) const;
};
