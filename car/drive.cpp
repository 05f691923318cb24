// The car's traversal rule in action, and the countdown's seconds.
#include "car/drive.h"

#include <limits>

Outcome Car::reentry(const Board &board, qint16 toblock, Side entrypoint)
{
    if (toblock < 0 || toblock > placeCount) toblock = 0;
    carblock = toblock;
    carblockct = 1;
    leavepoint = Side::None;

    if (const auto c = connectionFor(entrypoint, board.blocktype[toblock])) {
        leavepoint = exitSide(*c);
        const Path &p = board.path(*c);
        for (int i = 1; i <= pathSteps; ++i) {
            pathx[i] = p[i].x;
            pathy[i] = p[i].y;
        }
    }
    if (leavepoint != Side::None) {
        nextblock = board.neighbour(toblock, leavepoint);
        nextentry = opposite(leavepoint);
    }

    if (toblock == 0 || leavepoint == Side::None) return Outcome::Lose;
    if (board.blocktype[carblock] == tile::exit) return Outcome::Win;
    return Outcome::Drive;
}

bool Car::advance(qint16 carspeed)
{
    carblockct = static_cast<qint16>(carblockct + carspeed);
    return carblockct > 29;
}

PathPoint Car::boxPosition(const Board &board) const
{
    const int step = qBound(1, int(carblockct), pathSteps);
    return {static_cast<qint16>(board.blockx[carblock] + pathx[step] - 12),
            static_cast<qint16>(board.blocky[carblock] + pathy[step] - 12)};
}

Countdown::Tick Countdown::tick(qint16 cartimein)
{
    Tick t;
    if (cartimein >= noCountdown && cartimeinct < cartimein) {
        t.caption = countdownCaption(cartimein);
        return t;
    }
    ++cartimeinct;
    t.caption = blankSigned(cartimein - cartimeinct);
    if (cartimeinct > cartimein) {
        cartimeinct = 0;
        t.release = true;
    }
    return t;
}

QString countdownCaption(qint16 cartimein)
{
    return cartimein >= noCountdown ? QStringLiteral("\u221e") : QString::number(cartimein);
}

qint16 addPoints(qint16 points, qint16 add)
{
    const int sum = int(points) + int(add);
    return static_cast<qint16>(qMin(sum, int(std::numeric_limits<qint16>::max())));
}
