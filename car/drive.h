// The countdown before departure and the car's drive through the tiles.
#pragma once

#include "core/board.h"
#include "core/numbertext.h"

#include <QString>

enum class Outcome { Drive, Win, Lose };

// The car's place on the board and its path through that place.
struct Car
{
    qint16 carblock = 0;   // the place the car is in (0: none yet)
    qint16 carblockct = 1; // step on the path, 1..31
    Side leavepoint = Side::None;
    qint16 nextblock = 0;
    Side nextentry = Side::None;
    std::array<qint16, pathSteps + 1> pathx{};
    std::array<qint16, pathSteps + 1> pathy{};

    // The car enters `toblock` (0: off the board) through `entrypoint`: picks the path,
    // works out the next place and says how the game goes on. The path through the place is
    // fixed now; the next place's tile is only read when the car gets there.
    Outcome reentry(const Board &board, qint16 toblock, Side entrypoint);

    // One tick: advances `carspeed` steps; true when the path is done and the car must
    // enter `nextblock` through `nextentry`.
    bool advance(qint16 carspeed);

    // Top-left corner of the 24 x 24 car box, centred on the current path point.
    PathPoint boxPosition(const Board &board) const;
};

// Whole seconds of the countdown before the car leaves.
// The countdown setting past every number of seconds: no countdown. The car waits at START until
// the player sends it.
constexpr qint16 noCountdown = 60;

struct Countdown
{
    qint16 cartimeinct = 0;

    struct Tick
    {
        QString caption; // what the countdown label shows after this tick
        bool release = false;
    };
    // One second passes; on release the count is cleared. Without a countdown the count stands
    // still, and only a hurry releases the car.
    Tick tick(qint16 cartimein);
    // A double click on the label: the car leaves at the next tick.
    void hurry(qint16 cartimein) { cartimeinct = cartimein; }
};

// What the countdown label shows before the first tick: the seconds, or, without a countdown,
// that the car waits.
QString countdownCaption(qint16 cartimein);

// The score grows by `add` and stops at the largest 16-bit value instead of wrapping.
qint16 addPoints(qint16 points, qint16 add);
