// Spoken forms of the texts and pictures under the board and in the top-ten panel.
#include "ui/spokennames.h"

#include "core/language.h"
#include "ui/presentation.h"

#include <QCoreApplication>

namespace {

QString pointsWords(qint32 points)
{
    //: a score read by a screen reader
    static const char source[] = QT_TRANSLATE_N_NOOP("SpokenNames", "%n point(s)");
    return countedText("SpokenNames", source, points);
}

// Two sentences said one after the other.
QString thenSay(const QString &first, const QString &second)
{
    //: two sentences a screen reader says one after the other: %1 the first, which brings its
    //: own punctuation, %2 the second, which gets its full stop here
    return QCoreApplication::translate("SpokenNames", "%1 %2.").arg(first, second);
}

} // namespace

QString scoreName(qint32 points)
{
    //: the score under the board, read by a screen reader; %1 is the points, e.g. "230 points"
    return QCoreApplication::translate("SpokenNames", "Score: %1").arg(pointsWords(points));
}

QString bannerName(qint16 msgpic, qint32 points, const QString &line, const QString &tip)
{
    QString words;
    switch (msgpic) {
    case banner::clickToPlay:
        //: the banner under the board before a game, as a screen reader says it; the banner's
        //: picture shows the same words
        words = QCoreApplication::translate("SpokenNames", "CLICK TO PLAY!");
        break;
    case banner::lost:
        //: the banner under the board after the car has left the road, as a screen reader says it
        words = QCoreApplication::translate("SpokenNames", "SORRY! YOU LOST!");
        break;
    case banner::wonA:
    case banner::wonB:
        //: the banner under the board after the car has reached an exit, as a screen reader says it
        words = QCoreApplication::translate("SpokenNames", "CONGRATS! YOU WON!");
        if (!line.isEmpty()) words = thenSay(words, line);
        break;
    case banner::goodLuck:
        //: the banner under the board while a game runs, as a screen reader says it; a friendly
        //: joke: the player will need lots of luck
        words = QCoreApplication::translate("SpokenNames", "GOOD LUCK! You need lots of 'em.");
        break;
    default:
        //: a sentence of its own: %1 is the score, e.g. "Score: 230 points"
        words = QCoreApplication::translate("SpokenNames", "%1.").arg(scoreName(points));
        break;
    }
    return tip.isEmpty() ? words : thenSay(words, tip);
}

QString countdownName(qint16 secondsLeft)
{
    if (secondsLeft < 1) {
        //: the countdown before the car drives off, read by a screen reader
        return QCoreApplication::translate("SpokenNames", "The car leaves in under a second");
    }
    //: the countdown before the car drives off, read by a screen reader
    static const char source[] =
        QT_TRANSLATE_N_NOOP("SpokenNames", "The car leaves in %n second(s)");
    return countedText("SpokenNames", source, secondsLeft);
}

QString topTenRowName(int row, const QString &name, qint32 points)
{
    // Filled in by one arg() call, which reads the pattern once: a typed name may hold "%1".
    //: a row of the top-ten table read by a screen reader, e.g. "Rank 1: Racer, 230 points":
    //: %1 the rank, %2 the player's name, %3 the points
    return QCoreApplication::translate("SpokenNames", "Rank %1: %2, %3")
        .arg(QString::number(row),
             //: said for a top-ten row whose player left the name box empty
             name.isEmpty() ? QCoreApplication::translate("SpokenNames", "no name") : name,
             pointsWords(points));
}
