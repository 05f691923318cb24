// Sentences a screen reader reads for the score, the banner, the countdown and the top-ten rows.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// "Score: 120 points".
QString scoreName(qint32 points);

// The banner as one sentence: the words of cell `msgpic` (the score on the blank cell), the
// top-ten line `line` after a win, then what a click does (`tip`, the banner's hover text).
QString bannerName(qint16 msgpic, qint32 points, const QString &line, const QString &tip);

// The countdown label while it shows `secondsLeft` (0 stands for the whole last second).
QString countdownName(qint16 secondsLeft);

// "Rank 1: Racer, 230 points"; an empty name is said as "no name".
QString topTenRowName(int row, const QString &name, qint32 points);

// --- What the game says as it is played (the window decides when).

struct RoadTrace;
struct Opening;
struct Board;
enum class Side;

// Where the road from START or from the car leads, the place that blocks it first: "Blocked at
// row 2, column 6 after 5 tiles: curve up left, closed on the left side", "The road reaches the
// exit at row 6, column 8 after 9 tiles". `blockedType` is the tile at trace.blocked.
QString traceSentence(const RoadTrace &trace, qint16 blockedType);
// What one move would open the road: "Turn it once with R; then the road reaches the exit at
// row 1, column 8"; empty for Opening::Way::None. `board` is the board as it is now;
// `turnBackKey` names the key that turns a tile back ("Shift+R").
QString openingSentence(const Opening &opening, const Board &board, const QString &turnBackKey);
// For an empty place that blocks the road with no tile beside it to join.
QString noOpeningSentence();
// A short word after a move changed the road: "Road now 7 tiles; stops at row 3, column 2".
QString roadNewsSentence(const RoadTrace &trace);

// After a slide by `towards` (the way the tile moved): the cursor's place is the empty one now.
QString slidSentence(Side towards);
// After the tent at `from` jumped to `to`; `from` is the empty place now.
QString tentJumpSentence(qint16 from, qint16 to);

// Why a press on a place did nothing.
enum class Refusal { NotNextToEmpty, CarHere, EmptyPlace, NoGame, CannotTurn };
// `type` is the tile that would not turn (for CannotTurn).
QString refusalSentence(Refusal why, qint16 type = 0);

// A new game: how long the countdown runs, then its exits one a sentence, in the order given.
QString newGameSentence(const QList<qint16> &exits, qint16 seconds);
// The difficulty panel's two values, said as a button changes one.
QString settingsSentence(qint16 exits, qint16 seconds);
// One of the countdown's last seconds.
QString secondsLeftSentence(qint16 secondsLeft);
QString departureSentence();
// The win with its points and top-ten rank (above 10: not in the top ten).
// `rank` is the row taken, past the table when none, or untimedRank for a game without countdown.
inline constexpr qint16 untimedRank = -1;
QString winSentence(qint32 points, qint16 rank);
// The loss: the car could not go on from `trace`'s end (a trace of the car's last step).
QString lossSentence(const RoadTrace &end);
QString pauseSentence(bool paused);

// What Escape did, or why it did nothing: the banner was clicked in a running or a finished game,
// or the countdown still runs.
enum class EscapeDid { GaveUp, PutAway, TooEarly };
QString escapeSentence(EscapeDid did);
// F2 or N while a game, running or finished, covers START!.
QString gameOnSentence();
// M or the speaker button.
QString soundSentence(bool on);

// Where the car is: waiting at START with the countdown's `secondsLeft` (below 0: none running),
// driving on `place` heading `heading`, or stopped on `place` (0: off the board).
enum class CarState { Waiting, Driving, Stopped };
QString carSentence(CarState state, qint16 place, Side heading, qint16 secondsLeft);
