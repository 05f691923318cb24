// Tones with envelopes, pitch glides and filtered noise, mixed and balanced.
#include "sound/synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

using Samples = std::vector<double>;

constexpr double twoPi = 2.0 * std::numbers::pi;

enum class Wave { Sine, Triangle, Soft }; // Soft: a square rounded off, for buzzes and engines

struct Tone
{
    double from = 440.0; // Hz at the start
    double to = 440.0;   // Hz at the end: an exponential glide between
    double start = 0.0;  // s
    double length = 0.1; // s
    double attack = 0.005;
    double release = 0.05; // the fade at the end; the rest decays by `decay`
    double decay = 0.0;    // exponential decay rate per second after the attack
    double vibrato = 0.0;  // depth in semitones, at 7 Hz
    double gain = 1.0;
    Wave wave = Wave::Sine;
};

double waveAt(Wave w, double phase)
{
    const double s = std::sin(phase);
    switch (w) {
    case Wave::Sine:
        return s;
    case Wave::Triangle:
        return 2.0 / std::numbers::pi * std::asin(s);
    case Wave::Soft:
        return std::tanh(3.0 * s) / std::tanh(3.0);
    }
    return s;
}

void ensure(Samples &out, double seconds)
{
    const auto n = static_cast<std::size_t>(std::ceil(seconds * soundRate));
    if (out.size() < n) out.resize(n, 0.0);
}

double envelope(double t, double length, double attack, double release, double decay)
{
    double e = t < attack ? t / attack : std::exp(-decay * (t - attack));
    if (t > length - release) e *= std::max(0.0, (length - t) / release);
    return e;
}

void add(Samples &out, const Tone &tone)
{
    ensure(out, tone.start + tone.length);
    const auto first = static_cast<std::size_t>(tone.start * soundRate);
    const auto count = static_cast<std::size_t>(tone.length * soundRate);
    const double ratio = tone.to / tone.from;
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / soundRate;
        double f = tone.from * std::pow(ratio, t / tone.length);
        if (tone.vibrato > 0.0) f *= std::pow(2.0, tone.vibrato / 12.0 * std::sin(twoPi * 7.0 * t));
        phase += twoPi * f / soundRate;
        out[first + i] += tone.gain * waveAt(tone.wave, phase) *
                          envelope(t, tone.length, tone.attack, tone.release, tone.decay);
    }
}

struct Noise
{
    double start = 0.0;
    double length = 0.1;
    double from = 2000.0; // the low-pass filter's corner, Hz, gliding to `to`
    double to = 2000.0;
    double attack = 0.003;
    double decay = 20.0;
    double gain = 1.0;
};

void add(Samples &out, const Noise &noise)
{
    ensure(out, noise.start + noise.length);
    const auto first = static_cast<std::size_t>(noise.start * soundRate);
    const auto count = static_cast<std::size_t>(noise.length * soundRate);
    // A fixed seed: the same sound every time.
    std::uint32_t state = 0x9e3779b9U;
    double low = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        state = state * 1664525U + 1013904223U;
        const double white = static_cast<double>(state >> 8) / static_cast<double>(1U << 23) - 1.0;
        const double t = static_cast<double>(i) / soundRate;
        const double corner = noise.from * std::pow(noise.to / noise.from, t / noise.length);
        const double k = 1.0 - std::exp(-twoPi * corner / soundRate);
        low += k * (white - low);
        out[first + i] +=
            noise.gain * low * envelope(t, noise.length, noise.attack, 0.01, noise.decay);
    }
}

// A note by its distance in semitones from A4.
double note(int semitones)
{
    return 440.0 * std::pow(2.0, semitones / 12.0);
}

Samples compose(Sound s)
{
    Samples out;
    switch (s) {
    case Sound::NewGame: // a bright rising arpeggio: C5 E5 G5 C6
        for (int i = 0; i < 4; ++i)
            add(out, Tone{.from = note(3 + std::array{0, 4, 7, 12}[i]),
                          .to = note(3 + std::array{0, 4, 7, 12}[i]),
                          .start = 0.08 * i,
                          .length = i == 3 ? 0.3 : 0.14,
                          .decay = 6.0,
                          .wave = Wave::Triangle});
        break;
    case Sound::Slide: // a swish, and the tile settling
        add(out, Noise{.length = 0.13, .from = 600.0, .to = 3500.0, .attack = 0.03, .decay = 8.0});
        add(out, Tone{.from = 160.0, .to = 110.0, .start = 0.1, .length = 0.06, .decay = 40.0});
        break;
    case Sound::TentJump: // boing: up, then down with a wobble
        add(out, Tone{.from = 200.0, .to = 700.0, .length = 0.12, .release = 0.01});
        add(out, Tone{.from = 700.0,
                      .to = 260.0,
                      .start = 0.12,
                      .length = 0.22,
                      .attack = 0.002,
                      .decay = 6.0,
                      .vibrato = 1.0});
        break;
    case Sound::TurnClockwise: // a click and a chirp upwards
    case Sound::TurnCounterClockwise: {
        const bool up = s == Sound::TurnClockwise;
        add(out, Noise{.length = 0.012,
                       .from = 5000.0,
                       .to = 5000.0,
                       .attack = 0.001,
                       .decay = 200.0,
                       .gain = 0.8});
        add(out, Tone{.from = up ? 620.0 : 930.0,
                      .to = up ? 930.0 : 620.0,
                      .length = 0.08,
                      .release = 0.03,
                      .decay = 10.0,
                      .wave = Wave::Triangle});
        break;
    }
    case Sound::Refused: // bonk bonk
        for (int i = 0; i < 2; ++i)
            add(out, Tone{.from = 155.0,
                          .to = 140.0,
                          .start = 0.11 * i,
                          .length = 0.09,
                          .release = 0.03,
                          .decay = 12.0,
                          .wave = Wave::Soft});
        break;
    case Sound::Tick: // a wood block
        add(out, Tone{.from = 1050.0,
                      .to = 980.0,
                      .length = 0.07,
                      .attack = 0.001,
                      .release = 0.02,
                      .decay = 45.0});
        add(out, Tone{.from = 2100.0,
                      .to = 1960.0,
                      .length = 0.03,
                      .attack = 0.001,
                      .release = 0.01,
                      .decay = 80.0,
                      .gain = 0.3});
        break;
    case Sound::Departure: // vroom: the engine winds up and away
        add(out, Tone{.from = 70.0,
                      .to = 210.0,
                      .length = 0.65,
                      .attack = 0.08,
                      .release = 0.2,
                      .vibrato = 0.6,
                      .wave = Wave::Soft});
        add(out, Tone{.from = 140.0,
                      .to = 420.0,
                      .length = 0.65,
                      .attack = 0.08,
                      .release = 0.2,
                      .gain = 0.3,
                      .wave = Wave::Triangle});
        add(out, Noise{.length = 0.6,
                       .from = 400.0,
                       .to = 1200.0,
                       .attack = 0.05,
                       .decay = 3.0,
                       .gain = 0.5});
        break;
    case Sound::CarStep: // putt
        add(out, Tone{.from = 190.0,
                      .to = 150.0,
                      .length = 0.05,
                      .attack = 0.002,
                      .release = 0.02,
                      .decay = 50.0,
                      .wave = Wave::Soft});
        break;
    case Sound::Win: // ta-da-da-DAA
        for (int i = 0; i < 3; ++i)
            add(out, Tone{.from = note(std::array{-2, 3, 7}[i]),
                          .to = note(std::array{-2, 3, 7}[i]),
                          .start = 0.1 * i,
                          .length = 0.11,
                          .release = 0.03,
                          .decay = 4.0,
                          .wave = Wave::Triangle});
        add(out, Tone{.from = note(15),
                      .to = note(15),
                      .start = 0.3,
                      .length = 0.6,
                      .attack = 0.01,
                      .release = 0.25,
                      .decay = 1.5,
                      .vibrato = 0.3,
                      .wave = Wave::Triangle});
        add(out, Tone{.from = note(10),
                      .to = note(10),
                      .start = 0.3,
                      .length = 0.6,
                      .attack = 0.01,
                      .release = 0.25,
                      .decay = 1.5,
                      .gain = 0.5,
                      .wave = Wave::Triangle});
        break;
    case Sound::LossOffBoard: // a falling whistle, and a faraway bump
        add(out, Tone{.from = 1400.0,
                      .to = 300.0,
                      .length = 0.5,
                      .attack = 0.01,
                      .release = 0.05,
                      .vibrato = 0.4});
        add(out, Noise{.start = 0.5, .length = 0.2, .from = 300.0, .to = 150.0, .decay = 15.0});
        break;
    case Sound::LossTent: // thud into the canvas, and a sad wobble
        add(out, Noise{.length = 0.12, .from = 500.0, .to = 200.0, .decay = 25.0});
        add(out, Tone{.from = 420.0,
                      .to = 160.0,
                      .start = 0.08,
                      .length = 0.45,
                      .decay = 3.0,
                      .vibrato = 1.5,
                      .wave = Wave::Triangle});
        break;
    case Sound::LossEmpty: // a fall into the hole, and a plop
        add(out, Tone{.from = 700.0, .to = 90.0, .length = 0.45, .release = 0.05, .decay = 1.5});
        add(out, Tone{.from = 300.0, .to = 900.0, .start = 0.45, .length = 0.06, .decay = 30.0});
        break;
    case Sound::LossClosed: // crash
        add(out, Noise{.length = 0.4, .from = 4000.0, .to = 600.0, .attack = 0.001, .decay = 9.0});
        add(out, Tone{.from = 90.0,
                      .to = 60.0,
                      .length = 0.3,
                      .attack = 0.001,
                      .decay = 10.0,
                      .wave = Wave::Soft});
        break;
    case Sound::Pause:    // two notes down
    case Sound::Resume: { // and up
        const bool down = s == Sound::Pause;
        add(out, Tone{.from = note(down ? 7 : 0),
                      .to = note(down ? 7 : 0),
                      .length = 0.11,
                      .release = 0.03,
                      .decay = 6.0,
                      .wave = Wave::Triangle});
        add(out, Tone{.from = note(down ? 0 : 7),
                      .to = note(down ? 0 : 7),
                      .start = 0.12,
                      .length = 0.16,
                      .release = 0.06,
                      .decay = 6.0,
                      .wave = Wave::Triangle});
        break;
    }
    case Sound::RoadLonger: // ding
        add(out, Tone{.from = note(27),
                      .to = note(27),
                      .length = 0.3,
                      .attack = 0.002,
                      .release = 0.05,
                      .decay = 9.0});
        add(out, Tone{.from = note(39),
                      .to = note(39),
                      .length = 0.2,
                      .attack = 0.002,
                      .release = 0.05,
                      .decay = 14.0,
                      .gain = 0.25});
        break;
    case Sound::RoadToExit: // sparkle: three dings up
        for (int i = 0; i < 3; ++i)
            add(out, Tone{.from = note(std::array{27, 31, 34}[i]),
                          .to = note(std::array{27, 31, 34}[i]),
                          .start = 0.07 * i,
                          .length = i == 2 ? 0.3 : 0.12,
                          .attack = 0.002,
                          .release = 0.05,
                          .decay = 8.0});
        break;
    case Sound::RoadBroken: // bwomp
        add(out, Tone{.from = 330.0,
                      .to = 200.0,
                      .length = 0.22,
                      .release = 0.06,
                      .decay = 5.0,
                      .wave = Wave::Triangle});
        break;
    case Sound::CursorClick:
        add(out, Tone{.from = 1500.0,
                      .to = 1400.0,
                      .length = 0.02,
                      .attack = 0.001,
                      .release = 0.008,
                      .decay = 100.0});
        break;
    case Sound::CursorBump:
        add(out, Tone{.from = 110.0,
                      .to = 80.0,
                      .length = 0.06,
                      .attack = 0.002,
                      .release = 0.02,
                      .decay = 40.0,
                      .wave = Wave::Soft});
        break;
    case Sound::Unmute:
        add(out, Tone{.from = note(19),
                      .to = note(19),
                      .length = 0.12,
                      .attack = 0.003,
                      .release = 0.04,
                      .decay = 12.0,
                      .wave = Wave::Triangle});
        break;
    }
    return out;
}

double rmsOverSounding(const Samples &x)
{
    const std::size_t window = soundRate / 100;
    double sum = 0.0;
    std::size_t counted = 0;
    const double floor = std::pow(10.0, -50.0 / 20.0);
    for (std::size_t at = 0; at < x.size(); at += window) {
        const std::size_t end = std::min(x.size(), at + window);
        double w = 0.0;
        for (std::size_t i = at; i < end; ++i)
            w += x[i] * x[i];
        if (std::sqrt(w / static_cast<double>(end - at)) < floor) continue;
        sum += w;
        counted += end - at;
    }
    return counted ? std::sqrt(sum / static_cast<double>(counted)) : 0.0;
}

} // namespace

double levelBelowEvents(Sound s)
{
    switch (s) {
    case Sound::CursorClick:
    case Sound::CursorBump:
        return 14.0;
    case Sound::CarStep:
    case Sound::Tick:
        return 8.0;
    default:
        return 0.0;
    }
}

std::vector<qint16> synthesize(Sound s)
{
    Samples x = compose(s);
    const double rms = rmsOverSounding(x);
    double gain =
        rms > 0.0 ? std::pow(10.0, (eventLevelDb - levelBelowEvents(s)) / 20.0) / rms : 0.0;
    double peak = 0.0;
    for (double v : x)
        peak = std::max(peak, std::abs(v));
    // A short, sharp sound would pass the peak limit at the events' loudness: it stays below.
    const double ceiling = std::pow(10.0, peakLimitDb / 20.0) * 0.98;
    if (peak * gain > ceiling) gain = ceiling / peak;
    std::vector<qint16> out(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        out[i] = static_cast<qint16>(std::lround(std::clamp(x[i] * gain, -1.0, 1.0) * 32767.0));
    return out;
}

double soundingLevelDb(const std::vector<qint16> &samples)
{
    Samples x(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        x[i] = samples[i] / 32768.0;
    const double rms = rmsOverSounding(x);
    return rms > 0.0 ? 20.0 * std::log10(rms) : -200.0;
}
