// The main window's side of what the game says: when to say it, and the keys that ask for it.
#include "core/mainwindow.h"

#include "car/roadopening.h"
#include "core/placenames.h"
#include "speech/announcer.h"
#include "speech/boardfocus.h"
#include "speech/spokennames.h"

#include <QKeySequence>

void MainWindow::buildSpeech()
{
    announcer = new Announcer(this);
    announcements.verbosity = verbosityFromKey(gameSettings->text(settingKey::verbosity));
    boardfocus->reading = [this](qint16 place) { return placeReading(place); };
}

QString MainWindow::placeReading(qint16 place) const
{
    if (gamestate == QLatin1String("INTRO")) return introPlaceName(place);
    return placeName(place, board.blocktype[place], place == carplace);
}

void MainWindow::say(const QString &sentence, Weight weight)
{
    const QString said = announcements.pass(sentence, weight);
    if (!said.isEmpty()) announcer->say(said);
}

void MainWindow::speakPress(qint16 place, MouseButton button, qint16 emptyBefore, qint16 typeBefore,
                            const RoadTrace &roadBefore)
{
    if (gamestate != QLatin1String("PLAY")) {
        say(refusalSentence(Refusal::NoGame), Weight::Answer);
    } else if (button == MouseButton::Right) {
        say(turns(typeBefore) ? tileWords(board.blocktype[place])
                              : refusalSentence(Refusal::CannotTurn, typeBefore),
            Weight::Answer);
    } else if (board.emptyblock != emptyBefore) {
        if (typeBefore == tile::obstacle) {
            say(tentJumpSentence(place, emptyBefore), Weight::Answer);
        } else {
            const int step = emptyBefore - place;
            const Side towards = step == 1    ? Side::Right
                                 : step == -1 ? Side::Left
                                 : step > 0   ? Side::Down
                                              : Side::Up;
            say(slidSentence(towards), Weight::Answer);
        }
    } else {
        say(refusalSentence(carstate.carblock == place  ? Refusal::CarHere
                            : typeBefore == tile::empty ? Refusal::EmptyPlace
                                                        : Refusal::NotNextToEmpty),
            Weight::Answer);
    }
    // A move that changed the road ahead: a short word on where it stops now.
    if (gamestate != QLatin1String("PLAY")) return;
    const RoadTrace now = roadAhead();
    if (roadChanged(roadBefore, now)) say(roadNewsSentence(now), Weight::Answer);
}

void MainWindow::speakLoss(qint16 from, qint16 toblock, Side entrypoint)
{
    // The one step the car could not take, traced as the road ahead would be.
    RoadTrace end = traceRoad(board, toblock, entrypoint);
    end.last = from;
    say(lossSentence(end), Weight::Event);
}

void MainWindow::speakNewGame()
{
    say(newGameSentence(exitsInTurn(), cartimein), Weight::Event);
}

void MainWindow::speakSettings()
{
    // The panel's buttons say only what they do; the value they changed is said here.
    say(settingsSentence(totalexit, cartimein), Weight::Answer);
}

void MainWindow::speakSecondsLeft()
{
    // Warnings at 10 and 5 seconds, then each of the last three.
    const int left = cartimein - countdown.cartimeinct;
    if (left == 10 || left == 5 || (left >= 1 && left <= 3))
        say(secondsLeftSentence(static_cast<qint16>(left)), Weight::Chatter);
}

void MainWindow::speakTrace()
{
    // From the car's next place while it drives; otherwise from START, where the car enters.
    qint16 start = 0;
    Side entry = Side::None;
    roadStart(start, entry);
    const Board b = roadBoard();
    const RoadTrace trace = traceRoad(b, start, entry);
    say(traceSentence(trace, b.blocktype[trace.blocked]), Weight::Answer);
    // While the game is on, what one move would open the road where it stops.
    if (gamestate != QLatin1String("PLAY")) return;
    const Opening opening = findOpening(b, start, entry, trace, carstate.carblock);
    if (opening.way != Opening::Way::None)
        say(openingSentence(opening, b,
                            QKeySequence(Qt::SHIFT | Qt::Key_R).toString(QKeySequence::NativeText)),
            Weight::Answer);
    else if (trace.end == RoadEnd::Empty)
        say(noOpeningSentence(), Weight::Answer);
}

void MainWindow::speakCar()
{
    const bool counting = Timercarin->isActive();
    const bool driving = Timercar->isActive();
    const qint16 left = counting && !untimedgame
                            ? static_cast<qint16>(cartimein - countdown.cartimeinct)
                            : qint16(-1);
    const CarState state = carwaits  ? CarState::Waiting
                           : driving ? CarState::Driving
                                     : CarState::Stopped;
    say(carSentence(state, carstate.carblock, carstate.leavepoint, left), Weight::Answer);
}

void MainWindow::speakLine(CursorMove m)
{
    if (gamestate == QLatin1String("INTRO"))
        return say(refusalSentence(Refusal::NoGame), Weight::Answer);
    const qint16 car = carwaits ? 0 : carplace;
    const int row = (cursor.place - 1) / boardColumns + 1;
    const int column = (cursor.place - 1) % boardColumns + 1;
    say(m == CursorMove::Left || m == CursorMove::Right ? rowReading(board, row, car)
                                                        : columnReading(board, column, car),
        Weight::Answer);
}

void MainWindow::changeVerbosity()
{
    announcements.nextVerbosity();
    gameSettings->setText(settingKey::verbosity, verbosityKey(announcements.verbosity));
    say(verbositySentence(announcements.verbosity), Weight::Setting);
}

void MainWindow::jumpTo(qint16 place)
{
    if (place < 1 || place > placeCount) {
        say(refusalSentence(Refusal::NoGame), Weight::Answer);
        return;
    }
    const bool same = place == cursor.place;
    cursor.place = place;
    cursor.shown = true;
    showCursor();
    if (same) say(placeReading(place), Weight::Answer); // no move the screen reader would hear
}

QList<qint16> MainWindow::exitsInTurn() const
{
    // The nearest to where the road stops first: the order the new game names them in, and X
    // visits them in.
    QList<qint16> exits;
    for (int k = 1; k <= totalexit; ++k) {
        const qint16 p = exitblock[k];
        if (p >= 1 && p <= placeCount) exits << p;
    }
    return exitsByDistance(exits, roadEndPlace(roadAhead()));
}

bool MainWindow::speechKey(int key, bool shift)
{
    if (key == Qt::Key_V) {
        changeVerbosity();
        return true;
    }
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (arrow && !shift) return false;
    if (!arrow && key != Qt::Key_W && key != Qt::Key_C && key != Qt::Key_Home && key != Qt::Key_E &&
        key != Qt::Key_X && key != Qt::Key_B)
        return false;
    if (pause.paused()) return true; // the board is out of sight: nothing of it is told either
    const bool intro = gamestate == QLatin1String("INTRO");
    if (intro && (key == Qt::Key_W || key == Qt::Key_C)) {
        say(refusalSentence(Refusal::NoGame), Weight::Answer); // the intro's tiles are no road
        return true;
    }
    switch (key) {
    case Qt::Key_Left:
        speakLine(CursorMove::Left);
        break;
    case Qt::Key_Right:
        speakLine(CursorMove::Right);
        break;
    case Qt::Key_Up:
        speakLine(CursorMove::Up);
        break;
    case Qt::Key_Down:
        speakLine(CursorMove::Down);
        break;
    case Qt::Key_W:
        speakTrace();
        break;
    case Qt::Key_C:
        speakCar();
        break;
    case Qt::Key_Home:
        jumpTo(carwaits || carplace == 0 ? qint16(1) : carplace);
        break;
    case Qt::Key_E:
        jumpTo(intro ? qint16(0) : board.emptyblock);
        break;
    case Qt::Key_X:
        jumpTo(intro ? qint16(0) : nextExit(exitsInTurn(), cursor.place));
        break;
    case Qt::Key_B:
        // Where the road ahead stops; on a road that reaches an exit, that exit.
        jumpTo(intro ? qint16(0) : roadEndPlace(roadAhead()));
        break;
    default:
        break;
    }
    return true;
}
