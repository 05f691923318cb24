// Why a running game stands still, and when it may go on.
#pragma once

#include <QtGlobal>

#include <array>

// Each reason holds the game on its own; the game goes on when the last one has ended, so a game
// paused with P stays paused after the help box or a minimised window comes back.
enum class PauseReason : quint8 { Key = 1, Minimised = 2, HeldOff = 4 };

class Pause
{
  public:
    // A reason begins. `running`: a countdown or a drive is on; otherwise there is nothing to hold
    // and the reason is not kept. True when the game must stop now (the first reason).
    bool begin(PauseReason r, bool running);

    // A reason ends. True when it was the last one: the game must go on now.
    bool end(PauseReason r);

    bool paused() const { return reasons != 0; }
    bool has(PauseReason r) const { return (reasons & quint8(r)) != 0; }

    // What each held timer had left of its interval when the pause began; -1: it was not
    // running. The window fills and reads these; the order is the window's.
    std::array<int, 3> left{-1, -1, -1};

  private:
    quint8 reasons = 0;
};
