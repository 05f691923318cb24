// The choice of sound for each event.
#include "sound/soundcues.h"

#include "core/board.h"

#include <cmath>

float panForPlace(qint16 place)
{
    if (place < 1 || place > boardColumns * boardRows) return 0.0F;
    const int column = (place - 1) % boardColumns; // 0..7
    return -1.0F + 2.0F * static_cast<float>(column) / static_cast<float>(boardColumns - 1);
}

std::optional<Cue> tickCue(int secondsLeft)
{
    constexpr int ticking = 5;
    if (secondsLeft < 1 || secondsLeft > ticking) return std::nullopt;
    // A whole tone a second: 5 s at the tick's own pitch, 1 s four tones higher.
    const float steps = static_cast<float>(ticking - secondsLeft) * 2.0F;
    return Cue{Sound::Tick, 0.0F, std::pow(2.0F, steps / 12.0F)};
}

Sound lossSound(RoadEnd end)
{
    switch (end) {
    case RoadEnd::OffBoard:
        return Sound::LossOffBoard;
    case RoadEnd::Tent:
        return Sound::LossTent;
    case RoadEnd::Empty:
        return Sound::LossEmpty;
    case RoadEnd::DeadEnd:
    case RoadEnd::Exit:
    case RoadEnd::Loop:
        break;
    }
    return Sound::LossClosed;
}

Sound pressSound(PressDone done)
{
    switch (done) {
    case PressDone::Slid:
        return Sound::Slide;
    case PressDone::TentJumped:
        return Sound::TentJump;
    case PressDone::Turned:
        return Sound::TurnClockwise;
    case PressDone::TurnedBack:
        return Sound::TurnCounterClockwise;
    case PressDone::Nothing:
        break;
    }
    return Sound::Refused;
}

std::optional<Sound> progressSound(const RoadTrace &before, const RoadTrace &after)
{
    if (after.end == RoadEnd::Exit && (before.end != RoadEnd::Exit || after.last != before.last))
        return Sound::RoadToExit;
    if (after.tiles > before.tiles) return Sound::RoadLonger;
    if (after.tiles < before.tiles || (before.end == RoadEnd::Exit && after.end != RoadEnd::Exit))
        return Sound::RoadBroken;
    return std::nullopt;
}
