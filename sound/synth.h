// The game's sounds, synthesized from tones, glides and noise, as the art program draws the art.
#pragma once

#include "sound/soundcues.h"

#include <QtGlobal>

#include <vector>

inline constexpr int soundRate = 44100;

// The loudness every event's sound is balanced to, as RMS over its sounding part, in dBFS.
inline constexpr double eventLevelDb = -17.0;
// No sample ever goes above this, in dBFS.
inline constexpr double peakLimitDb = -1.0;

// How far below the events' level a sound sits: the cursor and the car's steps are heard often
// and beside the speech, so they are kept soft.
double levelBelowEvents(Sound s);

// The sound's samples: mono, 16 bits, at soundRate; balanced to its level and never above the
// peak limit. The same every time.
std::vector<qint16> synthesize(Sound s);

// The RMS level of `samples` in dBFS over the part that sounds (above -50 dBFS in 10 ms windows).
double soundingLevelDb(const std::vector<qint16> &samples);
