// Spoken forms of the texts and pictures under the board and in the top-ten panel.
#include "speech/spokennames.h"

#include "car/roadopening.h"
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

QString traceSentence(const RoadTrace &t, qint16 blockedType)
{
    const QString last = t.last ? placeWhere(t.last) : QString();
    const QString blocked = t.blocked ? placeWhere(t.blocked) : QString();
    const QString heading = sideWord(t.facing);
    if (t.tiles == 0) {
        switch (t.end) {
        case RoadEnd::Exit:
            return say(QT_TRANSLATE_NOOP("SpokenNames", "The road reaches the exit at %1 at once"))
                .arg(last);
        case RoadEnd::Tent:
            //: the road from the car or from START is blocked before its first tile
            return say(QT_TRANSLATE_NOOP("SpokenNames", "Blocked at once by the tent at %1"))
                .arg(blocked);
        case RoadEnd::Empty:
            return say(QT_TRANSLATE_NOOP("SpokenNames", "Blocked at once by the empty place at %1"))
                .arg(blocked);
        case RoadEnd::DeadEnd:
            //: %1 the blocking place, %2 the tile there (curve up left), %3 the way the road
            //: heads into it (left, right, up, down)
            return say(QT_TRANSLATE_NOOP("SpokenNames",
                                         "Blocked at once at %1: %2, closed to a car heading %3"))
                .arg(blocked, tileWords(blockedType), heading);
        case RoadEnd::OffBoard:
            return say(QT_TRANSLATE_NOOP("SpokenNames",
                                         "The road ends at once, facing %1 off the board"))
                .arg(heading);
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
        //: %1 the place of the tent that blocks the road; %n the road tiles before it
        return counted(QT_TRANSLATE_N_NOOP("SpokenNames",
                                           "Blocked by the tent at %1, after %n tile(s)"),
                       t.tiles)
            .arg(blocked);
    case RoadEnd::Empty:
        return counted(QT_TRANSLATE_N_NOOP("SpokenNames",
                                           "Blocked by the empty place at %1, after %n tile(s)"),
                       t.tiles)
            .arg(blocked);
    case RoadEnd::DeadEnd:
        //: %1 the blocking place, %2 the tile there (curve up left), %3 the way the road heads
        //: into it (left, right, up, down); %n the road tiles before it
        return counted(QT_TRANSLATE_N_NOOP(
                           "SpokenNames",
                           "Blocked at %1 after %n tile(s): %2, closed to a car heading %3"),
                       t.tiles)
            .arg(blocked, tileWords(blockedType), heading);
    case RoadEnd::OffBoard:
        //: %1 the last road place, %2 the way the road leaves the board (left, right, up, down)
        return counted(QT_TRANSLATE_N_NOOP(
                           "SpokenNames",
                           "The road leaves the board at %1, heading %2, after %n tile(s)"),
                       t.tiles)
            .arg(last, heading);
    case RoadEnd::Loop:
        //: the road comes back into itself; the car would drive round and round
        return counted(QT_TRANSLATE_N_NOOP("SpokenNames",
                                           "The road runs %n tile(s), then loops back to %1"),
                       t.tiles)
            .arg(blocked);
    }
    return {};
}

QString openingSentence(const Opening &o, const Board &board, const QString &turnBackKey)
{
    // Where the road would lead after the move.
    const RoadTrace &t = o.then;
    const QString then =
        t.end == RoadEnd::Exit
            //: after a move that would open the road: %1 the exit it would then reach
            ? say(QT_TRANSLATE_NOOP("SpokenNames", "then the road reaches the exit at %1"))
                  .arg(placeWhere(t.last))
            //: after a move that would open the road: %n its tiles then, %1 where it then stops
            : counted(QT_TRANSLATE_N_NOOP("SpokenNames",
                                          "then the road runs %n tile(s) and stops at %1"),
                      t.tiles)
                  .arg(placeWhere(roadEndPlace(t)));
    //: two parts of one piece of advice: %1 the move, %2 what follows it
    const auto andThen = [](const QString &move, const QString &next) {
        return say(QT_TRANSLATE_NOOP("SpokenNames", "%1; %2")).arg(move, next);
    };
    switch (o.way) {
    case Opening::Way::Turn: {
        //: advice on the tile just named, which blocks the road or leads it off the board; %1
        //: is the key combination Shift+R, named by Qt in the player's language
        const QString turn =
            o.turns == 1 ? say(QT_TRANSLATE_NOOP("SpokenNames", "Turn it once with R"))
            : o.turns == 2
                ? say(QT_TRANSLATE_NOOP("SpokenNames", "Turn it twice with R"))
                : say(QT_TRANSLATE_NOOP("SpokenNames", "Turn it back with %1")).arg(turnBackKey);
        return andThen(turn, then);
    }
    case Opening::Way::Slide:
        //: advice: %1 the place of a tile next to the empty place, %2 that tile (curve up left)
        return andThen(say(QT_TRANSLATE_NOOP("SpokenNames", "Slide in the tile from %1: %2"))
                           .arg(placeWhere(o.place), tileWords(board.blocktype[o.place])),
                       then);
    case Opening::Way::TentJump: {
        //: advice: %1 the empty place, wherever it is, into which the tent would jump
        const QString jump =
            say(QT_TRANSLATE_NOOP("SpokenNames",
                                  "Press the tent: it jumps to the empty place at %1"))
                .arg(placeWhere(o.to));
        if (o.slideIn == 0) return jump;
        //: advice after the tent's jump: %1 the place of a tile that could then slide into the
        //: tent's place, %2 that tile (curve up left)
        return andThen(jump,
                       say(QT_TRANSLATE_NOOP("SpokenNames", "then slide in the tile from %1: %2"))
                           .arg(placeWhere(o.slideIn), tileWords(board.blocktype[o.slideIn])));
    }
    case Opening::Way::None:
        break;
    }
    return {};
}

QString noOpeningSentence()
{
    //: advice on the empty place that blocks the road: no tile beside it would join the road
    return say(QT_TRANSLATE_NOOP("SpokenNames", "No tile next to it joins the road as it lies"));
}

QString roadNewsSentence(const RoadTrace &t)
{
    if (t.end == RoadEnd::Exit)
        //: said after a move that changed the road: it now reaches the exit at %1
        return say(QT_TRANSLATE_NOOP("SpokenNames", "Road reaches the exit at %1!"))
            .arg(placeWhere(t.last));
    if (roadEndPlace(t) == 0) return traceSentence(t, tile::empty); // off the board at once
    //: said after a move that changed the road: %n its tiles now, %1 where it stops
    return counted(QT_TRANSLATE_N_NOOP("SpokenNames", "Road now %n tile(s); stops at %1"), t.tiles)
        .arg(placeWhere(roadEndPlace(t)));
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
    QStringList said;
    said << (seconds >= noCountdown
                 ? say(QT_TRANSLATE_NOOP("SpokenNames",
                                         "New game; the car waits until you press G"))
                 //: %1 is the countdown in seconds
                 : say(QT_TRANSLATE_NOOP("SpokenNames", "New game; the car leaves in %1 seconds"))
                       .arg(seconds));
    // One exit a sentence, numbered as X visits them.
    for (int k = 0; k < exits.size(); ++k)
        said << (exits.size() == 1
                     //: the one exit of a new game: %1 its place
                     ? say(QT_TRANSLATE_NOOP("SpokenNames", "Exit: %1")).arg(placeWhere(exits[k]))
                     //: one of the exits of a new game, nearest the road's end first: %1 its
                     //: number, %2 its place
                     : say(QT_TRANSLATE_NOOP("SpokenNames", "Exit %1: %2"))
                           .arg(QString::number(k + 1), placeWhere(exits[k])));
    //: between the sentences of one announcement
    return said.join(say(QT_TRANSLATE_NOOP("SpokenNames", ". ")));
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
    // Said at 10 and 5 seconds as well as in the last three: a counted form for each.
    //: the countdown before the car leaves, said at 10 and 5 seconds and in its last three
    return countedText("SpokenNames", QT_TRANSLATE_N_NOOP("SpokenNames", "%n second(s)"),
                       secondsLeft);
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
