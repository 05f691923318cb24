// The deal of a new game.
#include "core/newgame.h"

#include <cmath>

namespace {

quint64 splitmix64(quint64 &x)
{
    quint64 z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

quint64 rotl(quint64 x, int k)
{
    return (x << k) | (x >> (64 - k));
}

const char *const exitExclusions = ".2.3.4.5.6.9.10.11.12.13.17.18.19.20.25.26.27.28.";

} // namespace

Random::Random()
{
    quint64 seed = 0x526F616473686966ULL; // fixed: never taken from the clock
    for (auto &word : s)
        word = splitmix64(seed);
}

quint64 Random::nextBits()
{
    const quint64 result = rotl(s[1] * 5, 7) * 9;
    const quint64 t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = rotl(s[3], 45);
    return result;
}

double Random::next()
{
    return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
}

qint64 roundHalfEven(double v)
{
    const double below = std::floor(v);
    const double fraction = v - below;
    qint64 n = static_cast<qint64>(below);
    if (fraction > 0.5 || (fraction == 0.5 && (n % 2 != 0))) ++n;
    return n;
}

std::array<qint16, placeCount + 1> dealTypes(Random &rng)
{
    std::array<qint16, placeCount + 1> types{};
    for (int n = 1; n <= placeCount; ++n) {
        auto t = static_cast<qint16>(roundHalfEven(rng.next() * 7) + 1);
        if (n == 1) t = tile::straightLR;
        if (t == 8) t = tile::obstacle;
        types[n] = t;
    }
    return types;
}

bool exitExcluded(qint16 place)
{
    const QString key = u'.' + QString::number(place) + u'.';
    return QString::fromLatin1(exitExclusions).contains(key);
}

qint16 drawExitPlace(Random &rng, const Board &board)
{
    for (;;) {
        const auto p = static_cast<qint16>(roundHalfEven(rng.next() * 46) + 2);
        if (!exitExcluded(p) && board.blocktype[p] != tile::exit) return p;
    }
}
