// The board's tables, built once, and the tile catalogue's rules.
#include "core/board.h"

namespace {

const char *const rotationMap = "2135746";
const char *const arcxText = "34679:<=>?ABCDEFGHIJJKLLMMMNNN";
const char *const arcyText = "111222344567789:;<>?@ACDEGHJKM";
const char *const introText = "1111111554115452265476372A22456561767617AAAAAAAA";

} // namespace

Side sideFromLetter(QChar letter)
{
    switch (letter.unicode()) {
    case u'l':
        return Side::Left;
    case u'r':
        return Side::Right;
    case u'u':
        return Side::Up;
    case u'd':
        return Side::Down;
    default:
        return Side::None;
    }
}

Side opposite(Side s)
{
    switch (s) {
    case Side::Left:
        return Side::Right;
    case Side::Right:
        return Side::Left;
    case Side::Up:
        return Side::Down;
    case Side::Down:
        return Side::Up;
    case Side::None:
        break;
    }
    return Side::None;
}

QString connectionName(Connection c)
{
    static const char *const names[connectionCount] = {"lr", "rl", "ud", "du", "lu", "ul",
                                                       "ur", "ru", "rd", "dr", "ld", "dl"};
    return QString::fromLatin1(names[static_cast<int>(c)]);
}

Side exitSide(Connection c)
{
    return sideFromLetter(connectionName(c).at(1));
}

std::optional<Connection> connectionFor(Side entry, qint16 type)
{
    // Per entry side: the straight-through types and connection, then the two turning ones.
    struct Row
    {
        qint16 straightType;
        Connection straight;
        qint16 turnA;
        Connection viaA;
        qint16 turnB;
        Connection viaB;
    };
    Row row{};
    switch (entry) {
    case Side::Left:
        row = {1, Connection::lr, 5, Connection::ld, 7, Connection::lu};
        break;
    case Side::Right:
        row = {1, Connection::rl, 4, Connection::rd, 6, Connection::ru};
        break;
    case Side::Up:
        row = {2, Connection::ud, 6, Connection::ur, 7, Connection::ul};
        break;
    case Side::Down:
        row = {2, Connection::du, 4, Connection::dr, 5, Connection::dl};
        break;
    case Side::None:
        return std::nullopt;
    }
    if (type == row.straightType || type == tile::crossing || type == tile::exit)
        return row.straight;
    if (type == row.turnA) return row.viaA;
    if (type == row.turnB) return row.viaB;
    return std::nullopt;
}

qint16 rotated(qint16 type)
{
    if (!turns(type)) return type;
    return static_cast<qint16>(rotationMap[type - 1] - '0');
}

std::array<qint16, placeCount + 1> introLayout()
{
    std::array<qint16, placeCount + 1> types{};
    for (int n = 1; n <= placeCount; ++n) {
        const int code = static_cast<unsigned char>(introText[n - 1]);
        // "A" and later letters stand for "1" followed by the digits of code - 63.
        types[n] = static_cast<qint16>(
            code >= 65 ? QString(u'1' + QString::number(code - 63)).toInt() : code - '0');
    }
    return types;
}

void Board::buildCurves()
{
    rotatemap = QString::fromLatin1(rotationMap);
    for (int i = 1; i <= pathSteps; ++i) {
        arcx[i] = static_cast<qint16>(arcxText[i - 1] - 48);
        arcy[i] = static_cast<qint16>(arcyText[i - 1] - 48);
    }
}

void Board::buildPlaces()
{
    blocktype[0] = tile::straightLR; // the off-board sentinel is never taken for the empty place

    int k = 0;
    for (int r = 0; r <= 5; ++r) {
        for (int c = 0; c <= 7; ++c) {
            ++k;
            blockx[k] = static_cast<qint16>(60 * c + 35);
            blocky[k] = static_cast<qint16>(60 * r + 10);
        }
    }

    for (int x = 1; x <= boardColumns; ++x)
        for (int y = 1; y <= boardRows; ++y)
            blockgrid[x][y] = static_cast<qint16>(8 * (y - 1) + x);

    for (int n = 1; n <= placeCount; ++n) {
        const int x = (n - 1) % boardColumns + 1;
        const int y = (n - 1) / boardColumns + 1;
        blockleft[n] = blockgrid[x - 1][y];
        blockright[n] = blockgrid[x + 1][y];
        blockup[n] = blockgrid[x][y - 1];
        blockdown[n] = blockgrid[x][y + 1];
    }

    auto set = [this](Connection c, int i, int x, int y) {
        tilepath[static_cast<int>(c)][i] = {static_cast<qint16>(x), static_cast<qint16>(y)};
    };
    for (int i = 1; i <= pathSteps; ++i) {
        const int a = arcx[i];
        const int b = arcy[i];
        set(Connection::lr, i, 2 * i, 30);
        set(Connection::rl, i, 61 - 2 * i, 30);
        set(Connection::ud, i, 30, 2 * i);
        set(Connection::du, i, 30, 61 - 2 * i);
        set(Connection::lu, i, a, 30 - b);
        set(Connection::ul, i, 30 - b, a);
        set(Connection::ur, i, 30 + b, a);
        set(Connection::ru, i, 60 - a, 30 - b);
        set(Connection::rd, i, 60 - a, 30 + b);
        set(Connection::dr, i, 30 + b, 60 - a);
        set(Connection::ld, i, a, 30 + b);
        set(Connection::dl, i, 30 - b, 60 - a);
    }
}

void Board::setblock(qint16 blocknum, qint16 blockt)
{
    if (blocknum < 0 || blocknum >= tableSize) return;
    blocktype[blocknum] = blockt;
    if (blockt == tile::empty) emptyblock = blocknum;
}

qint16 Board::neighbour(qint16 place, Side s) const
{
    if (place < 0 || place >= tableSize) return 0;
    switch (s) {
    case Side::Left:
        return blockleft[place];
    case Side::Right:
        return blockright[place];
    case Side::Up:
        return blockup[place];
    case Side::Down:
        return blockdown[place];
    case Side::None:
        break;
    }
    return 0;
}
