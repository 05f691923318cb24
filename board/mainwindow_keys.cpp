// The main window's keyboard: one key map that calls the same handlers as the mouse.
#include "core/mainwindow.h"

#include "board/keymark.h"
#include "speech/boardfocus.h"
#include "speech/spokennames.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

QRect placeRect(const Board &board, qint16 place)
{
    return {board.blockx[place], board.blocky[place], 60, 60};
}

} // namespace

void MainWindow::buildKeys()
{
    // The board takes the focus as one control; it lies beneath the tiles, so only its focus ring
    // shows, just outside them.
    boardfocus = new BoardFocus(this);
    boardfocus->setGeometry(35, 10, 480, 360);
    boardfocus->setAttribute(Qt::WA_TransparentForMouseEvents);
    boardfocus->setFocusPolicy(Qt::TabFocus);
    //: the name a screen reader gives the board of tiles, which the arrow keys move over
    boardfocus->setAccessibleName(tr("board"));
    boardfocus->lower();

    cursorframe = new KeyMark(KeyMark::Kind::Cursor, this);
    cursorframe->stackUnder(car);
    focusring = new KeyMark(KeyMark::Kind::Focus, this);
    focusring->stackUnder(bigmsg); // controls under the banner take their ring along out of sight

    // The buttons already take Tab but no click focus; START! joins them.
    Label8->setFocusPolicy(Qt::TabFocus);
    for (QWidget *w : focusChain())
        w->installEventFilter(this);
    installEventFilter(this); // keys when no control has the focus
    // As before there were keys: the name box has the focus at start, ready for the name; once
    // a game covers it, the keys go to the board.
    namebox->setFocus();

    // A mouse press on the board puts the keyboard's marks away.
    for (qint16 n = 1; n <= placeCount; ++n) {
        connect(block[n], &ClickLabel::pressed, this, [this, n] {
            cursor.pointedAt(n);
            cursorframe->hide();
            keyboardmarks = false;
            focusring->hide();
        });
    }
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::placeFocusRing);
}

QList<QWidget *> MainWindow::focusChain() const
{
    return {boardfocus, Cmd_el,    Cmd_er,   cmd_cl,   Cmd_cr,   namebox,
            Label8,     cmd_about, cmd_help, cmd_exit, cmd_sound};
}

bool MainWindow::underBanner(const QWidget *control) const
{
    return bigmsg->isVisibleTo(this) && bigmsg->geometry().intersects(control->geometry());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A disabled window takes no keys; a filter would otherwise see them first.
    if (event->type() == QEvent::KeyPress && isEnabled() &&
        gameKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::gameKey(const QKeyEvent *event)
{
    // A control the banner has come to cover can no more be reached: the keys go to the board.
    QWidget *focus = focusWidget();
    if (!focus || underBanner(focus)) {
        boardfocus->setFocus(Qt::OtherFocusReason);
        focus = boardfocus;
    }
    const bool typing = focus == namebox;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const Qt::KeyboardModifiers mods =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const int key = event->key();
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (key == Qt::Key_Q && mods == Qt::ControlModifier) {
        if (!event->isAutoRepeat()) cmd_exit_Click();
        return true;
    }
    if (mods != Qt::NoModifier) return false;
    // Held keys repeat only the cursor's moves; a held P must not flicker the pause.
    if (event->isAutoRepeat() && !arrow) return !typing;

    switch (key) {
    case Qt::Key_F1:
        cmd_help_Click();
        return true;
    case Qt::Key_F2:
        startKey();
        return true;
    case Qt::Key_Escape:
        escapeKey();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (typing || focus == Label8)
            startKey();
        else if (auto *button = qobject_cast<QPushButton *>(focus))
            button->click();
        else
            tileKey(MouseButton::Left);
        return true;
    default:
        break;
    }
    if (typing) return false; // letters, Space and the arrows edit the name
    if (speechKey(key, shift)) return true;

    switch (key) {
    case Qt::Key_Left:
        cursorKey(CursorMove::Left);
        return true;
    case Qt::Key_Right:
        cursorKey(CursorMove::Right);
        return true;
    case Qt::Key_Up:
        cursorKey(CursorMove::Up);
        return true;
    case Qt::Key_Down:
        cursorKey(CursorMove::Down);
        return true;
    case Qt::Key_Space:
        // A button or START! with the focus is pressed as Space presses any button; elsewhere
        // Space is the left press on the cursor's place.
        if (auto *button = qobject_cast<QPushButton *>(focus))
            button->click();
        else if (focus == Label8)
            startKey();
        else
            tileKey(MouseButton::Left);
        return true;
    case Qt::Key_R:
        tileKey(MouseButton::Right, shift ? 3 : 1); // Shift: the turn back
        return true;
    case Qt::Key_N:
        startKey();
        return true;
    case Qt::Key_G:
        if (Labelcartimein->isVisibleTo(this)) Labelcartimein_DblClick();
        return true;
    case Qt::Key_P:
        pauseKey();
        return true;
    case Qt::Key_M:
        cmd_sound_Click();
        return true;
    default:
        return false;
    }
}

void MainWindow::startKey()
{
    // START! lies beneath the banner: it answers only while the banner is away.
    if (!bigmsg->isVisibleTo(this)) {
        Label8_Click();
        return;
    }
    say(gameOnSentence(), Weight::Answer);
}

void MainWindow::escapeKey()
{
    // The banner's click, and a word on what it did, or why it did nothing.
    if (pause.paused()) return say(pauseSentence(true), Weight::Answer);
    if (!bigmsg->isVisibleTo(this)) return say(refusalSentence(Refusal::NoGame), Weight::Answer);
    if (Timercarin->isActive()) return say(escapeSentence(EscapeDid::TooEarly), Weight::Answer);
    const bool finished = gamestate != QLatin1String("PLAY");
    bigmsg_Click();
    say(escapeSentence(finished ? EscapeDid::PutAway : EscapeDid::GaveUp), Weight::Answer);
}

void MainWindow::cursorKey(CursorMove m)
{
    if (pause.paused()) return; // the board is out of sight
    const qint16 before = cursor.place;
    const bool wasShown = cursor.shown;
    cursor.move(m);
    showCursor();
    // Soft, and placed by column: a click for a step, a bump at the edge.
    if (wasShown)
        playSound(cursor.place == before ? Sound::CursorBump : Sound::CursorClick, cursor.place);
    // At an edge, or where the key only shows the cursor, nothing moves for the screen reader
    // to hear: the place is told again.
    if (cursor.place == before && !boardfocus->arriving())
        say(placeReading(cursor.place), Weight::Answer);
}

void MainWindow::tileKey(MouseButton button, int turns)
{
    if (pause.paused()) return;
    // A press on a place the player cannot see would be a blind move: the first key shows it.
    const bool seen = cursor.reveal();
    showCursor();
    if (!seen) {
        if (!boardfocus->arriving()) say(placeReading(cursor.place), Weight::Answer);
        return;
    }
    const qint16 place = cursor.place;
    const qint16 emptyBefore = board.emptyblock;
    const qint16 typeBefore = board.blocktype[place];
    const RoadTrace roadBefore = roadAhead();
    pressBlock(place, button, turns);
    speakPress(place, button, emptyBefore, typeBefore, roadBefore);
}

void MainWindow::showCursor()
{
    cursorframe->setVisible(cursor.shown);
    cursorframe->surround(placeRect(board, cursor.place));
    boardfocus->focusPlace(cursor.place);
    // Working on the board brings the focus back to it, so Space then lands on the board.
    if (focusWidget() != boardfocus) {
        boardfocus->setFocus(Qt::OtherFocusReason);
        placeFocusRing();
    }
}

bool MainWindow::focusNextPrevChild(bool next)
{
    // The chain skips the controls the banner covers, as the mouse cannot reach them either.
    const QList<QWidget *> chain = focusChain();
    const int count = int(chain.size());
    const int at = qMax(0, int(chain.indexOf(focusWidget())));
    for (int step = 1; step <= count; ++step) {
        QWidget *w = chain[((next ? at + step : at - step) % count + count) % count];
        if (underBanner(w)) continue;
        keyboardmarks = true;
        w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        if (w == boardfocus) {
            cursor.reveal();
            showCursor();
        }
        placeFocusRing();
        return true;
    }
    return false;
}

void MainWindow::placeFocusRing()
{
    QWidget *focus = focusWidget();
    const bool on = keyboardmarks && focus && focusChain().contains(focus);
    if (on) focusring->surround(focus->geometry());
    focusring->setVisible(on);
}
