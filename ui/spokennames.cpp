// Spoken forms of the texts and pictures under the board and in the top-ten panel.
#include "ui/spokennames.h"

#include "ui/presentation.h"

namespace {

QString pointsWords(qint32 points)
{
    return points == 1 ? QStringLiteral("1 point") : QStringLiteral("%1 points").arg(points);
}

} // namespace

QString scoreName(qint32 points)
{
    return QStringLiteral("Score: ") + pointsWords(points);
}

QString bannerName(qint16 msgpic, qint32 points, const QString &line, const QString &tip)
{
    QString words;
    switch (msgpic) {
    case banner::clickToPlay:
        words = QStringLiteral("CLICK TO PLAY!");
        break;
    case banner::lost:
        words = QStringLiteral("SORRY! YOU LOST!");
        break;
    case banner::wonA:
    case banner::wonB:
        words = QStringLiteral("CONGRATS! YOU WON!");
        if (!line.isEmpty()) words += u' ' + line + u'.';
        break;
    case banner::goodLuck:
        words = QStringLiteral("GOOD LUCK! You need lots of 'em.");
        break;
    default:
        words = scoreName(points) + u'.';
        break;
    }
    return tip.isEmpty() ? words : words + u' ' + tip + u'.';
}

QString countdownName(qint16 secondsLeft)
{
    if (secondsLeft < 1) return QStringLiteral("The car leaves in under a second");
    if (secondsLeft == 1) return QStringLiteral("The car leaves in 1 second");
    return QStringLiteral("The car leaves in %1 seconds").arg(secondsLeft);
}

QString topTenRowName(int row, const QString &name, qint32 points)
{
    // Joined, not filled in with arg(): a typed name may hold "%1".
    return QStringLiteral("Rank ") + QString::number(row) + QStringLiteral(": ") +
           (name.isEmpty() ? QStringLiteral("no name") : name) + QStringLiteral(", ") +
           pointsWords(points);
}
