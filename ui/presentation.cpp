// Score row layout, banner tips and difficulty words.
#include "ui/presentation.h"

#include <QCoreApplication>

QString bannerTip(qint16 msgpic)
{
    switch (msgpic) {
    case banner::clickToPlay:
        //: the banner's tooltip before a game
        return QCoreApplication::translate("Presentation", "Click here to start playing");
    case banner::lost:
        //: the banner's tooltip after a lost game
        return QCoreApplication::translate("Presentation", "Click here to replay");
    case banner::wonA:
    case banner::wonB:
        //: the banner's tooltip after a won game
        return QCoreApplication::translate("Presentation", "Click here to play again");
    case banner::goodLuck:
        //: the banner's tooltip while a game runs
        return QCoreApplication::translate("Presentation", "Click here to cancel this game");
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
        //: difficulty shown under the number of exits when there is 1 exit; a playful word,
        //: translate in spirit
        return QCoreApplication::translate("Presentation", "Ultra Hard!");
    case 2:
        //: difficulty shown under the number of exits when there are 2 exits
        return QCoreApplication::translate("Presentation", "Medium");
    case 3:
        //: difficulty shown under the number of exits when there are 3 exits
        return QCoreApplication::translate("Presentation", "Novice");
    case 4:
        //: difficulty shown under the number of exits when there are 4 exits; a playful joke:
        //: this is the easiest setting
        return QCoreApplication::translate("Presentation", "Kids Only");
    default:
        return {};
    }
}

QString countdownWord(qint16 cartimein)
{
    //: shown under the countdown setting past 50 seconds: no countdown at all, the car waits
    //: until it is sent; a joke in the spirit of the others, short
    if (cartimein >= noCountdown)
        return QCoreApplication::translate("Presentation", "Time Stands Still!");
    //: shown under a countdown of 50 seconds or more: so much time that you could walk the dog
    //: first; a joke, translate in spirit, short
    if (cartimein >= 50) return QCoreApplication::translate("Presentation", "Walk the dog 1st!");
    //: shown under a countdown of 40 to 49 seconds: plenty of time; translate in spirit, short
    if (cartimein >= 40) return QCoreApplication::translate("Presentation", "Sit Down and Relax");
    //: shown under a countdown of 30 to 39 seconds; translate in spirit, short
    if (cartimein >= 30) return QCoreApplication::translate("Presentation", "Take it Easy");
    //: shown under a countdown of 20 to 29 seconds; translate in spirit, short
    if (cartimein >= 20) return QCoreApplication::translate("Presentation", "Think Faster!");
    //: shown under a countdown of 10 to 19 seconds, the hardest; a joke after the film title,
    //: translate in spirit, short
    if (cartimein >= 10) return QCoreApplication::translate("Presentation", "Mission Impossible!");
    return {};
}

qint16 nextPhase(qint16 phase)
{
    const qint16 next = static_cast<qint16>(phase + 1);
    return next > 2 ? qint16(1) : next;
}
