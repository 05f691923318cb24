// What a press on a tile does: slide into the empty place, obstacle jump, turn, or refusal.
#pragma once

#include "core/board.h"
#include "core/newgame.h"

enum class MouseButton { Left = 1, Right = 2, Other };

struct PressResult
{
    bool rotate = false;  // turn the pressed tile (a no-op for types outside 1..7)
    bool refused = false; // the car stands there: blink instead of sliding
    qint16 block1 = 0;    // when not 0: move the tile of block1 ...
    qint16 block2 = 0;    // ... into the empty place block2
};

// Decides a press on tile box `index` (0 is the spare box) without changing anything.
// `playing` is whether the game state is "PLAY"; `carblock` is where the car stands.
PressResult decidePress(const Board &board, qint16 index, MouseButton button, qint16 carblock,
                        bool playing);

// Exchanges the types of block1 and block2 and keeps emptyblock; pictures are the window's.
void swapTypes(Board &board, qint16 block1, qint16 block2);

// Five red flashes over a refused tile: ten ticks, on the tile when the count is odd and parked
// out of sight when even. A new refusal starts again at its own tile.
struct RefusalBlink
{
    qint16 blinkcount = 0;
    qint16 blinkx = 0;
    qint16 blinky = 0;

    void start(qint16 x, qint16 y);
    struct Step
    {
        PathPoint marker;  // where the marker goes
        bool done = false; // the last flash: the timer stops
    };
    Step tick();
};

// An exit travels with its tile: the entry naming block1 now names block2.
void carryExit(ExitList &exitblock, qint16 block1, qint16 block2);
