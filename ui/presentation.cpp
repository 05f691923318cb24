// Score row layout, banner tips and difficulty words.
#include "ui/presentation.h"

QString bannerTip(qint16 msgpic)
{
    switch (msgpic) {
    case banner::clickToPlay:
        return QStringLiteral("Click here to start playing");
    case banner::lost:
        return QStringLiteral("Click here to replay");
    case banner::wonA:
    case banner::wonB:
        return QStringLiteral("Click here to play again");
    case banner::goodLuck:
        return QStringLiteral("Click here to cancel this game");
    default:
        return {};
    }
}

std::vector<ScoreSprite> scoreRow(qint16 points)
{
    const QString s = QString::number(points).trimmed();
    const int n = int(s.size());
    const int x0 = 255 - 22 * (n + 1);
    std::vector<ScoreSprite> row;
    for (int i = 1; i <= n + 1; ++i) {
        const int cell = i == n + 1 ? 10 : s.at(i - 1).digitValue();
        row.push_back({i, x0 + 36 * i, cell});
    }
    return row;
}

qint16 clampExits(int totalexit)
{
    return static_cast<qint16>(qBound(int(minExits), totalexit, int(maxExitCount)));
}

qint16 clampCountdown(int cartimein)
{
    return static_cast<qint16>(qBound(int(minCountdown), cartimein, int(maxCountdown)));
}

QString exitWord(qint16 totalexit)
{
    switch (totalexit) {
    case 1:
        return QStringLiteral("Ultra Hard!");
    case 2:
        return QStringLiteral("Medium");
    case 3:
        return QStringLiteral("Novice");
    case 4:
        return QStringLiteral("Kids Only");
    default:
        return {};
    }
}

QString countdownWord(qint16 cartimein)
{
    if (cartimein >= 50) return QStringLiteral("Walk the dog 1st!");
    if (cartimein >= 40) return QStringLiteral("Sit Down and Relax");
    if (cartimein >= 30) return QStringLiteral("Take it Easy");
    if (cartimein >= 20) return QStringLiteral("Think Faster!");
    if (cartimein >= 10) return QStringLiteral("Mission Impossible!");
    return {};
}

qint16 nextPhase(qint16 phase)
{
    const qint16 next = static_cast<qint16>(phase + 1);
    return next > 2 ? qint16(1) : next;
}
