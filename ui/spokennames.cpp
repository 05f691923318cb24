// Spoken forms of the texts and pictures under the board and in the top-ten panel.
#include "ui/spokennames.h"

#include "car/roadtrace.h"
#include "core/placenames.h"
#include "ui/presentation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

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

namespace {

QString say(const char *text, const char *comment = nullptr, int n = -1)
{
    return QCoreApplication::translate("SpokenNames", text, comment, n);
}

} // namespace

QString traceSentence(const RoadTrace &t)
{
    const QString last = t.last ? placeWhere(t.last) : QString();
    const QString facing = sideWord(t.facing);
    const char *const none = "the road from the car or from START ends before its first tile";
    if (t.tiles == 0) {
        switch (t.end) {
        case RoadEnd::Exit:
            return say("The road reaches the exit at %1 at once").arg(last);
        case RoadEnd::Tent:
            //: %1 is a direction (left, right, up, down), %2 a place (row 1, column 1)
            return say("The road ends at once, facing %1 into a tent at %2", none)
                .arg(facing, placeWhere(t.blocked));
        case RoadEnd::Empty:
            return say("The road ends at once, facing %1 into the empty place at %2", none)
                .arg(facing, placeWhere(t.blocked));
        case RoadEnd::DeadEnd:
            return say("The road ends at once, facing %1 into a closed side at %2", none)
                .arg(facing, placeWhere(t.blocked));
        case RoadEnd::OffBoard:
            return say("The road ends at once, facing %1 off the board", none).arg(facing);
        case RoadEnd::Loop:
            break;
        }
    }
    switch (t.end) {
    case RoadEnd::Exit:
        //: %1 is a place (row 6, column 8); %n the road tiles on the way
        return say("The road reaches the exit at %1 after %n tiles", nullptr, t.tiles).arg(last);
    case RoadEnd::Tent:
        //: %1 is the last road place, %2 a direction (left, right, up, down)
        return say("The road runs %n tiles to %1, then ends facing %2 into a tent", nullptr,
                   t.tiles)
            .arg(last, facing);
    case RoadEnd::Empty:
        return say("The road runs %n tiles to %1, then ends facing %2 into the empty place",
                   nullptr, t.tiles)
            .arg(last, facing);
    case RoadEnd::DeadEnd:
        //: the next tile is not open on the side the road comes from
        return say("The road runs %n tiles to %1, then ends facing %2 into a closed side", nullptr,
                   t.tiles)
            .arg(last, facing);
    case RoadEnd::OffBoard:
        return say("The road runs %n tiles to %1, then leaves the board facing %2", nullptr,
                   t.tiles)
            .arg(last, facing);
    case RoadEnd::Loop:
        //: the road comes back into itself; the car would drive round and round
        return say("The road runs %n tiles, then loops back to %1", nullptr, t.tiles)
            .arg(placeWhere(t.blocked));
    }
    return {};
}

QString slidSentence(Side towards)
{
    //: after the tile under the cursor slid; %1 is the way it moved (left, right, up, down)
    return say("Slid %1; the empty place is here now").arg(sideWord(towards));
}

QString tentJumpSentence(qint16 from, qint16 to)
{
    //: the tent jumps into the empty place wherever it is
    return say("Tent jumped to %1; the empty place is here now, at %2")
        .arg(placeWhere(to), placeWhere(from));
}

QString refusalSentence(Refusal why, qint16 type)
{
    switch (why) {
    case Refusal::NotNextToEmpty:
        return say("Cannot slide: not next to the empty place");
    case Refusal::CarHere:
        return say("Cannot slide: the car is here");
    case Refusal::EmptyPlace:
        return say("Cannot slide: this is the empty place");
    case Refusal::NoGame:
        //: a key on the board while no game is being played
        return say("No game running; press N to start one");
    case Refusal::CannotTurn:
        if (type == tile::obstacle) return say("Cannot turn a tent");
        if (type == tile::empty) return say("Cannot turn the empty place");
        return say("Cannot turn the exit");
    }
    return {};
}

QString newGameSentence(const QList<qint16> &exits, qint16 seconds)
{
    QStringList where;
    for (qint16 p : exits)
        where << placeWhere(p);
    const QString list = QLocale().createSeparatedList(where);
    //: %1 lists the exits' places, %2 is the countdown in seconds
    return (exits.size() == 1 ? say("New game. Exit at %1; the car leaves in %2 seconds")
                              : say("New game. Exits at %1; the car leaves in %2 seconds"))
        .arg(list)
        .arg(seconds);
}

QString settingsSentence(qint16 exits, qint16 seconds)
{
    //: the difficulty panel: %1 the number of exits, %2 the countdown in seconds
    return say("Exits: %1; countdown: %2 seconds").arg(exits).arg(seconds);
}

QString secondsLeftSentence(qint16 secondsLeft)
{
    //: the countdown before the car leaves, said in its last seconds
    return secondsLeft == 1 ? say("1 second") : say("%1 seconds").arg(secondsLeft);
}

QString departureSentence()
{
    //: the countdown is over and the car drives onto the board
    return say("The car is off");
}

QString winSentence(qint32 points, qint16 rank)
{
    if (rank <= 10)
        //: %1 points, %2 the row the score took in the top ten
        return say("You won! %1 points, rank %2 in the top ten").arg(points).arg(rank);
    return say("You won! %1 points, not in the top ten").arg(points);
}

QString lossSentence(const RoadTrace &t)
{
    const QString facing = sideWord(t.facing);
    switch (t.end) {
    case RoadEnd::Tent:
        //: %1 is the place of the tent the car ran into
        return say("You lost: the car ran into a tent at %1").arg(placeWhere(t.blocked));
    case RoadEnd::Empty:
        return say("You lost: the car ran into the empty place at %1").arg(placeWhere(t.blocked));
    case RoadEnd::DeadEnd:
        //: %1 a place, %2 the way the car was heading (left, right, up, down)
        return say("You lost: %1 is closed to a car heading %2").arg(placeWhere(t.blocked), facing);
    case RoadEnd::OffBoard:
        if (t.last == 0) return say("You lost: the car left the board");
        //: %1 the car's last place, %2 the way it left (left, right, up, down)
        return say("You lost: the car left the board at %1, heading %2")
            .arg(placeWhere(t.last), facing);
    case RoadEnd::Exit:
    case RoadEnd::Loop:
        break;
    }
    return say("You lost");
}

QString pauseSentence(bool paused)
{
    return paused ? say("Paused; press P to go on") : say("Going on");
}

QString carSentence(CarState state, qint16 place, Side heading, qint16 secondsLeft)
{
    switch (state) {
    case CarState::Waiting:
        if (secondsLeft < 0) return say("Car waits at START");
        //: %1 seconds before the car leaves
        return say("Car waits at START; countdown %1").arg(secondsLeft);
    case CarState::Driving:
        //: %1 a place, %2 the way the car drives (left, right, up, down)
        return say("Car at %1, heading %2").arg(placeWhere(place), sideWord(heading));
    case CarState::Stopped:
        break;
    }
    if (place == 0) return say("Car stopped off the board");
    return say("Car stopped at %1").arg(placeWhere(place));
}
