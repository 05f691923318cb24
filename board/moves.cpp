// Sliding, jumping and turning tiles.
#include "board/moves.h"

PressResult decidePress(const Board &board, qint16 index, MouseButton button, qint16 carblock,
                        bool playing)
{
    PressResult result;
    if (index <= 0 || index > placeCount || !playing) return result;
    if (button == MouseButton::Right) {
        result.rotate = true;
        return result;
    }
    if (button != MouseButton::Left) return result;

    bool slide = true;
    if (carblock == index) {
        result.refused = true;
        slide = false;
    }
    // An obstacle jumps into the empty place wherever it is, whatever the car test said.
    if (board.blocktype[index] == tile::obstacle) {
        const qint16 hole = board.emptyblock;
        if (hole >= 1 && hole <= placeCount && board.blocktype[hole] == tile::empty) {
            result.block1 = index;
            result.block2 = hole;
        }
        slide = false;
    }
    if (slide) {
        const qint16 around[] = {board.blockleft[index], board.blockright[index],
                                 board.blockup[index], board.blockdown[index]};
        for (qint16 n : around) {
            if (board.blocktype[n] == tile::empty) {
                result.block1 = index;
                result.block2 = n;
                break;
            }
        }
    }
    return result;
}

void RefusalBlink::start(qint16 x, qint16 y)
{
    blinkcount = 0;
    blinkx = x;
    blinky = y;
}

RefusalBlink::Step RefusalBlink::tick()
{
    ++blinkcount;
    Step s;
    s.marker = blinkcount % 2 == 1 ? PathPoint{blinkx, blinky} : PathPoint{-200, -200};
    s.done = blinkcount >= 10;
    return s;
}

void swapTypes(Board &board, qint16 block1, qint16 block2)
{
    const qint16 moved = board.blocktype[block2];
    board.blocktype[block2] = board.blocktype[block1];
    board.blocktype[block1] = moved;
    if (board.blocktype[block1] == tile::empty) board.emptyblock = block1;
    if (board.blocktype[block2] == tile::empty) board.emptyblock = block2;
}

void carryExit(ExitList &exitblock, qint16 block1, qint16 block2)
{
    // The whole list, not just the current number of exits: after a cancelled game the tiles
    // still slide while the player may already have chosen fewer exits for the next one.
    for (std::size_t i = 1; i < exitblock.size(); ++i)
        if (exitblock[i] == block1) exitblock[i] = block2;
}
