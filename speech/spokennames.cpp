// Spoken forms of the texts and pictures under the board and in the top-ten panel.
#include "speech/spokennames.h"

#include "car/roadtrace.h"
#include "core/language.h"
#include "core/placenames.h"
#include "ui/lettering.h"
#include "ui/presentation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

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
        // A screen reader says what the banner's picture shows.
        words = letteringText(Lettering::ClickToPlay);
        break;
    case banner::lost:
        words = letteringText(Lettering::YouLost);
        break;
    case banner::wonA:
    case banner::wonB:
        words = letteringText(Lettering::YouWon);
        if (!line.isEmpty()) words = thenSay(words, line);
        break;
    case banner::goodLuck:
        words = thenSay(letteringText(Lettering::GoodLuck), letteringText(Lettering::LotsOfThem));
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
    if (secondsLeft >= noCountdown)
        //: the countdown label when there is no countdown, read by a screen reader
        return QCoreApplication::translate("SpokenNames",
                                           "No countdown: the car waits until you press G");
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

namespace {

QString say(const char *text)
{
    return QCoreApplication::translate("SpokenNames", text);
}

// A sentence with a count of road tiles in it.
QString counted(const char *text, int tiles)
{
    return countedText("SpokenNames", text, tiles);
}

} // namespace

QString traceSentence(const RoadTrace &t)
{
    const QString last = t.last ? placeWhere(t.last) : QString();
    const QString facing = sideWord(t.facing);
    if (t.tiles == 0) {
        switch (t.end) {
        case RoadEnd::Exit:
            return say(QT_TRANSLATE_NOOP("SpokenNames", "The road reaches the exit at %1 at once"))
                .arg(last);
        case RoadEnd::Tent:
            //: %1 is a direction (left, right, up, down), %2 a place (row 1, column 1)
            //: the road from the car or from START ends before its first tile
            return say(QT_TRANSLATE_NOOP("SpokenNames",
                                         "The road ends at once, facing %1 into a tent at %2"))
                .arg(facing, placeWhere(t.blocked));
        case RoadEnd::Empty:
            //: the road from the car or from START ends before its first tile
            return say(QT_TRANSLATE_NOOP(
                           "SpokenNames",
                           "The road ends at once, facing %1 into the empty place at %2"))
                .arg(facing, placeWhere(t.blocked));
        case RoadEnd::DeadEnd:
            //: the road from the car or from START ends before its first tile
            return say(QT_TRANSLATE_NOOP(
                           "SpokenNames",
                           "The road ends at once, facing %1 into a closed side at %2"))
                .arg(facing, placeWhere(t.blocked));
        case RoadEnd::OffBoard:
            //: the road from the car or from START ends before its first tile
            return say(QT_TRANSLATE_NOOP("SpokenNames",
                                         "The road ends at once, facing %1 off the board"))
                .arg(facing);
        case RoadEnd::Loop:
            break;
        }
    }
    switch (t.end) {
    case RoadEnd::Exit:
        //: %1 is a place (row 6, column 8); %n the road tiles on the way
        return counted(QT_TRANSLATE_N_NOOP("SpokenNames",
                                           "The road reaches the exit at %1 after %n tile(s)"),
                       t.tiles)
            .arg(last);
    case RoadEnd::Tent:
        //: %1 is the last road place, %2 a direction (left, right, up, down)
        return counted(QT_TRANSLATE_N_NOOP(
                           "SpokenNames",
                           "The road runs %n tile(s) to %1, then ends facing %2 into a tent"),
                       t.tiles)
            .arg(last, facing);
    case RoadEnd::Empty:
        return counted(
                   QT_TRANSLATE_N_NOOP(
                       "SpokenNames",
                       "The road runs %n tile(s) to %1, then ends facing %2 into the empty place"),
                   t.tiles)
            .arg(last, facing);
    case RoadEnd::DeadEnd:
        //: the next tile is not open on the side the road comes from
        return counted(
                   QT_TRANSLATE_N_NOOP(
                       "SpokenNames",
                       "The road runs %n tile(s) to %1, then ends facing %2 into a closed side"),
                   t.tiles)
            .arg(last, facing);
    case RoadEnd::OffBoard:
        return counted(QT_TRANSLATE_N_NOOP(
                           "SpokenNames",
                           "The road runs %n tile(s) to %1, then leaves the board facing %2"),
                       t.tiles)
            .arg(last, facing);
    case RoadEnd::Loop:
        //: the road comes back into itself; the car would drive round and round
        return counted(QT_TRANSLATE_N_NOOP("SpokenNames",
                                           "The road runs %n tile(s), then loops back to %1"),
                       t.tiles)
            .arg(placeWhere(t.blocked));
    }
    return {};
}

QString slidSentence(Side towards)
{
    //: after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)
    return say(QT_TRANSLATE_NOOP("SpokenNames", "Slid %1; the empty place is here now"))
        .arg(sideWord(towards));
}

QString tentJumpSentence(qint16 from, qint16 to)
{
    //: the tent jumps into the empty place wherever it is
    return say(QT_TRANSLATE_NOOP("SpokenNames",
                                 "Tent jumped to %1; the empty place is here now, at %2"))
        .arg(placeWhere(to), placeWhere(from));
}

QString refusalSentence(Refusal why, qint16 type)
{
    switch (why) {
    case Refusal::NotNextToEmpty:
        return say(QT_TRANSLATE_NOOP("SpokenNames", "Cannot slide: not next to the empty place"));
    case Refusal::CarHere:
        return say(QT_TRANSLATE_NOOP("SpokenNames", "Cannot slide: the car is here"));
    case Refusal::EmptyPlace:
        return say(QT_TRANSLATE_NOOP("SpokenNames", "Cannot slide: this is the empty place"));
    case Refusal::NoGame:
        //: a key on the board while no game is being played
        return say(QT_TRANSLATE_NOOP("SpokenNames", "No game running; press N to start one"));
    case Refusal::CannotTurn:
        if (type == tile::obstacle)
            return say(QT_TRANSLATE_NOOP("SpokenNames", "Cannot turn a tent"));
        if (type == tile::empty)
            return say(QT_TRANSLATE_NOOP("SpokenNames", "Cannot turn the empty place"));
        return say(QT_TRANSLATE_NOOP("SpokenNames", "Cannot turn the exit"));
    }
    return {};
}

QString newGameSentence(const QList<qint16> &exits, qint16 seconds)
{
    QStringList where;
    for (qint16 p : exits)
        where << placeWhere(p);
    const QString list = QLocale().createSeparatedList(where);
    if (seconds >= noCountdown)
        //: %1 lists the exits' places; there is no countdown
        return (exits.size() == 1
                    ? say(QT_TRANSLATE_NOOP(
                          "SpokenNames", "New game. Exit at %1; the car waits until you press G"))
                    : say(QT_TRANSLATE_NOOP(
                          "SpokenNames", "New game. Exits at %1; the car waits until you press G")))
            .arg(list);
    //: %1 lists the exits' places, %2 is the countdown in seconds
    return (exits.size() == 1
                ? say(QT_TRANSLATE_NOOP("SpokenNames",
                                        "New game. Exit at %1; the car leaves in %2 seconds"))
                : say(QT_TRANSLATE_NOOP("SpokenNames",
                                        "New game. Exits at %1; the car leaves in %2 seconds")))
        .arg(list)
        .arg(seconds);
}

QString settingsSentence(qint16 exits, qint16 seconds)
{
    if (seconds >= noCountdown)
        //: the difficulty panel: %1 the number of exits; the car waits until it is sent
        return say(QT_TRANSLATE_NOOP("SpokenNames", "Exits: %1; no countdown")).arg(exits);
    //: the difficulty panel: %1 the number of exits, %2 the countdown in seconds
    return say(QT_TRANSLATE_NOOP("SpokenNames", "Exits: %1; countdown: %2 seconds"))
        .arg(exits)
        .arg(seconds);
}

QString secondsLeftSentence(qint16 secondsLeft)
{
    //: the countdown before the car leaves, said in its last seconds
    return secondsLeft == 1 ? say(QT_TRANSLATE_NOOP("SpokenNames", "1 second"))
                            : say(QT_TRANSLATE_NOOP("SpokenNames", "%1 seconds")).arg(secondsLeft);
}

QString departureSentence()
{
    //: the countdown is over and the car drives onto the board
    return say(QT_TRANSLATE_NOOP("SpokenNames", "The car is off"));
}

QString winSentence(qint32 points, qint16 rank)
{
    if (rank == untimedRank)
        //: %1 points; a game without countdown does not enter the top ten
        return say(QT_TRANSLATE_NOOP("SpokenNames",
                                     "You won! %1 points; untimed, so not for the top ten"))
            .arg(points);
    if (rank <= 10)
        //: %1 points, %2 the row the score took in the top ten
        return say(QT_TRANSLATE_NOOP("SpokenNames", "You won! %1 points, rank %2 in the top ten"))
            .arg(points)
            .arg(rank);
    return say(QT_TRANSLATE_NOOP("SpokenNames", "You won! %1 points, not in the top ten"))
        .arg(points);
}

QString lossSentence(const RoadTrace &t)
{
    const QString facing = sideWord(t.facing);
    switch (t.end) {
    case RoadEnd::Tent:
        //: %1 is the place of the tent the car ran into
        return say(QT_TRANSLATE_NOOP("SpokenNames", "You lost: the car ran into a tent at %1"))
            .arg(placeWhere(t.blocked));
    case RoadEnd::Empty:
        return say(QT_TRANSLATE_NOOP("SpokenNames",
                                     "You lost: the car ran into the empty place at %1"))
            .arg(placeWhere(t.blocked));
    case RoadEnd::DeadEnd:
        //: %1 a place, %2 the way the car was heading (left, right, up, down)
        return say(QT_TRANSLATE_NOOP("SpokenNames", "You lost: %1 is closed to a car heading %2"))
            .arg(placeWhere(t.blocked), facing);
    case RoadEnd::OffBoard:
        if (t.last == 0)
            return say(QT_TRANSLATE_NOOP("SpokenNames", "You lost: the car left the board"));
        //: %1 the car's last place, %2 the way it left (left, right, up, down)
        return say(QT_TRANSLATE_NOOP("SpokenNames",
                                     "You lost: the car left the board at %1, heading %2"))
            .arg(placeWhere(t.last), facing);
    case RoadEnd::Exit:
    case RoadEnd::Loop:
        break;
    }
    return say(QT_TRANSLATE_NOOP("SpokenNames", "You lost"));
}

QString pauseSentence(bool paused)
{
    return paused ? say(QT_TRANSLATE_NOOP("SpokenNames", "Paused; press P to go on"))
                  : say(QT_TRANSLATE_NOOP("SpokenNames", "Going on"));
}

QString escapeSentence(EscapeDid did)
{
    switch (did) {
    case EscapeDid::GaveUp:
        //: said when Escape gives up a game while the car drives
        return say(QT_TRANSLATE_NOOP("SpokenNames", "Game given up; press N for a new one"));
    case EscapeDid::PutAway:
        //: said when Escape puts a won or lost game away
        return say(QT_TRANSLATE_NOOP("SpokenNames", "Game put away; press N for a new one"));
    case EscapeDid::TooEarly:
        break;
    }
    //: said when Escape is pressed during the countdown, when a game cannot be given up yet
    return say(QT_TRANSLATE_NOOP("SpokenNames", "The car has not left yet: press G to send it"));
}

QString gameOnSentence()
{
    //: said when F2 or N is pressed while a game, running or finished, covers START!
    return say(
        QT_TRANSLATE_NOOP("SpokenNames", "A game is on: Escape gives it up, or puts it away"));
}

QString soundSentence(bool on)
{
    //: said when M or the sound switch silences the game's sounds, or brings them back
    return on ? say(QT_TRANSLATE_NOOP("SpokenNames", "Sound on"))
              : say(QT_TRANSLATE_NOOP("SpokenNames", "Sound off"));
}

QString carSentence(CarState state, qint16 place, Side heading, qint16 secondsLeft)
{
    switch (state) {
    case CarState::Waiting:
        if (secondsLeft < 0) return say(QT_TRANSLATE_NOOP("SpokenNames", "Car waits at START"));
        //: %1 seconds before the car leaves
        return say(QT_TRANSLATE_NOOP("SpokenNames", "Car waits at START; countdown %1"))
            .arg(secondsLeft);
    case CarState::Driving:
        //: %1 a place, %2 the way the car drives (left, right, up, down)
        return say(QT_TRANSLATE_NOOP("SpokenNames", "Car at %1, heading %2"))
            .arg(placeWhere(place), sideWord(heading));
    case CarState::Stopped:
        break;
    }
    if (place == 0) return say(QT_TRANSLATE_NOOP("SpokenNames", "Car stopped off the board"));
    return say(QT_TRANSLATE_NOOP("SpokenNames", "Car stopped at %1")).arg(placeWhere(place));
}
