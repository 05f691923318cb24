// Which sound the game plays for which event: pure functions of the game's state.
#pragma once

#include "car/roadtrace.h"

#include <QtGlobal>

#include <optional>

enum class Sound {
    NewGame,
    Slide,
    TentJump,
    TurnClockwise,
    TurnCounterClockwise,
    Refused,
    Tick, // the countdown's last seconds; the cue's pitch rises towards the departure
    Departure,
    CarStep, // the car enters a tile, placed by its column
    Win,     // the exit reached: a fanfare
    LossOffBoard,
    LossTent,
    LossEmpty,
    LossClosed,
    Pause,
    Resume,
    RoadLonger, // after a move: the road ahead grew
    RoadToExit, // after a move: the road ahead now reaches an exit
    RoadBroken, // after a move: the road ahead got shorter
    CursorClick,
    CursorBump, // the cursor met the board's edge
    Unmute,
};
inline constexpr int soundCount = static_cast<int>(Sound::Unmute) + 1;

// One sound as played: where it stands between the ears (-1 left, 1 right) and how high.
struct Cue
{
    Sound sound = Sound::NewGame;
    float pan = 0.0F;
    float pitch = 1.0F;
};

// Column 1 in the left ear, column 8 in the right; off the board (0) in the middle.
float panForPlace(qint16 place);

// The countdown's seconds that tick, and how high: the last five, one step higher each second.
std::optional<Cue> tickCue(int secondsLeft);

// The sound of a game lost at the road's end `end`.
Sound lossSound(RoadEnd end);

// How a press on the board sounds in a game: a slide (a tent's jump when a tent moved), a turn one
// way or the other, or, when it moved nothing, a refusal.
enum class PressDone { Nothing, Slid, TentJumped, Turned, TurnedBack };
Sound pressSound(PressDone done);

// What a move did to the road ahead of the car, from the trace before and after it: nothing for
// a road left as long as it was.
std::optional<Sound> progressSound(const RoadTrace &before, const RoadTrace &after);
