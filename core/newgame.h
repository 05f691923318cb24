// Dealing a new game: the fixed-start random numbers, the board deal and the exit draw.
#pragma once

#include "core/board.h"

#include <QtGlobal>

#include <array>

using ExitList = std::array<qint16, 11>; // entries 1..totalexit used; room for 0..10

// Uniform numbers in [0, 1) from a fixed starting state: every run deals the same boards.
// The whole algorithm is ours (xoshiro256** seeded by splitmix64), so the sequence is the same
// with every compiler and on every platform.
class Random
{
  public:
    Random();
    double next();

  private:
    quint64 nextBits();
    std::array<quint64, 4> s{};
};

// Nearest integer, a half going to the even neighbour.
qint64 roundHalfEven(double v);

// Types for places 1..48 of a fresh deal, drawn in place order (one number per place, place 1
// included): 1..7 roads, 12 obstacles, place 1 always the straight road left-right.
std::array<qint16, placeCount + 1> dealTypes(Random &rng);

// True for the places where no exit may go: around the start at place 1.
bool exitExcluded(qint16 place);

// Draws places 2..48 until one is allowed and not an exit already; returns it.
qint16 drawExitPlace(Random &rng, const Board &board);
