// The keyboard and the pause on the real main window: keys against the mouse, focus, cursor.
#include "board/keymark.h"
#include "boardfixture.h"
#include "gamewindow.h"
#include "records/aboutbox.h"
#include "records/store.h"
#include "roadtest.h"
#include "speech/announcer.h"
#include "ui/helpbox.h"

#include <QSettings>
#include <QSignalSpy>

#include <memory>

using namespace roadtest;

namespace {

// Everything a key or a click could change, in one line, so a difference reads at a glance.
QString seen(const MainWindow &w)
{
    const auto on = [](const QWidget *c) { return c->isVisibleTo(c->parentWidget()) ? 1 : 0; };
    return QStringLiteral(
               "%1 | %2 | countdown %3 %4 '%5' at %6 | car %7 %8,%9 in %10 step %11 | "
               "exits %12 | banner %13 line %14 | points %15 | paused %16 %17 | "
               "enabled %18 | exits %19 countdown %20 | name '%21' | refused %22 at %23,%24")
        .arg(w.gamestate, rowsOf(w.board.blocktype).join(u'/'))
        .arg(w.Timercarin->isActive())
        .arg(on(w.Labelcartimein))
        .arg(w.Labelcartimein->text())
        .arg(w.countdown.cartimeinct)
        .arg(w.Timercar->isActive())
        .arg(w.car->x())
        .arg(w.car->y())
        .arg(w.carstate.carblock)
        .arg(w.carstate.carblockct)
        .arg(w.Timerexitblock->isActive())
        .arg(on(w.bigmsg))
        .arg(on(w.labelbig))
        .arg(w.points)
        .arg(w.pause.paused())
        .arg(on(w.pausepic))
        .arg(w.isEnabled())
        .arg(w.totalexit)
        .arg(w.cartimein)
        .arg(w.playername)
        .arg(on(w.blockred))
        .arg(w.blink.blinkx)
        .arg(w.blink.blinky);
}

void closeBoxes()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<MainWindowBox *>(top); box && box->isVisible()) box->close();
}

// Brings a fresh window into a named state of the game.
void enter(MainWindow &w, const QString &state)
{
    if (state == QLatin1String("intro")) return;
    w.restart();
    if (state == QLatin1String("countdown")) return;
    if (state == QLatin1String("paused")) {
        key(w, Qt::Key_P);
        return;
    }
    if (state == QLatin1String("box open")) {
        w.cmd_about_Click();
        return;
    }
    if (state == QLatin1String("won")) buildFirstBoardRoad(w);
    release(w);
    for (int i = 0; i < 5; ++i)
        w.Timercar_Timer();
    if (state == QLatin1String("drive")) return;
    driveToEnd(w);
    if (state == QLatin1String("dismissed")) w.bigmsg_Click();
}

// Ticks whichever of the countdown and the car runs; false when neither does.
bool runningTick(MainWindow &w)
{
    if (w.Timercar->isActive())
        w.Timercar_Timer();
    else if (w.Timercarin->isActive())
        w.Timercarin_Timer();
    else
        return false;
    return true;
}

QString moment(const MainWindow &w)
{
    return QStringLiteral("'%1' %2,%3 in %4 step %5 %6")
        .arg(w.Labelcartimein->text())
        .arg(w.car->x())
        .arg(w.car->y())
        .arg(w.carstate.carblock)
        .arg(w.carstate.carblockct)
        .arg(w.gamestate);
}

} // namespace

class TestKeysWindow : public QObject
{
    Q_OBJECT

  private slots:
    void init() { roadtest::forgetGameSettings(); }
    void cleanup() { closeBoxes(); }

    // Each key, in the states where it acts, does what its mouse action does on a twin window;
    // where the mouse cannot act or reach, the key changes nothing.
    void keyDoesWhatTheMouseDoes_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("mods");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("place");     // where the cursor stands, shown
        QTest::addColumn<QString>("mouse"); // the twin's mouse action; empty: the key is ignored
        auto row = [&](const char *name, int k, const char *state, const char *mouse,
                       int place = 13, int mods = Qt::NoModifier) {
            QTest::newRow(name) << k << mods << QString::fromLatin1(state) << place
                                << QString::fromLatin1(mouse);
        };
        row("F2 intro", Qt::Key_F2, "intro", "start");
        row("F2 after the banner went", Qt::Key_F2, "dismissed", "start");
        row("F2 countdown: START! is under the banner", Qt::Key_F2, "countdown", "");
        row("F2 lost: banner shown", Qt::Key_F2, "lost", "");
        row("F2 paused", Qt::Key_F2, "paused", "");
        row("N intro", Qt::Key_N, "intro", "start");
        row("N drive", Qt::Key_N, "drive", "");
        row("Escape drive: gives up", Qt::Key_Escape, "drive", "banner");
        row("Escape lost: dismisses", Qt::Key_Escape, "lost", "banner");
        row("Escape won: dismisses", Qt::Key_Escape, "won", "banner");
        row("Escape countdown", Qt::Key_Escape, "countdown", "");
        row("Escape intro: no banner", Qt::Key_Escape, "intro", "");
        row("Escape dismissed", Qt::Key_Escape, "dismissed", "");
        row("Escape paused", Qt::Key_Escape, "paused", "");
        row("G countdown", Qt::Key_G, "countdown", "countdown");
        row("G drive: no countdown", Qt::Key_G, "drive", "");
        row("G intro", Qt::Key_G, "intro", "");
        row("G paused", Qt::Key_G, "paused", "");
        row("Space countdown: slide", Qt::Key_Space, "countdown", "left");
        row("Space drive: slide", Qt::Key_Space, "drive", "left");
        row("Space on the car: refusal", Qt::Key_Space, "drive", "left", 1);
        row("Space intro", Qt::Key_Space, "intro", "");
        row("Space lost", Qt::Key_Space, "lost", "");
        row("Space paused", Qt::Key_Space, "paused", "");
        row("Return countdown: slide", Qt::Key_Return, "countdown", "left");
        row("keypad Enter drive: slide", Qt::Key_Enter, "drive", "left", 13, Qt::KeypadModifier);
        row("R countdown: turn", Qt::Key_R, "countdown", "right", 10);
        row("R drive: turn", Qt::Key_R, "drive", "right", 10);
        row("shift R turns back: three right presses", Qt::Key_R, "countdown", "right3", 10,
            Qt::ShiftModifier);
        row("R intro", Qt::Key_R, "intro", "", 10);
        row("R won", Qt::Key_R, "won", "", 10);
        row("R paused", Qt::Key_R, "paused", "", 10);
        row("ctrl R is no key of the game", Qt::Key_R, "countdown", "", 10, Qt::ControlModifier);
        row("F1 intro", Qt::Key_F1, "intro", "help");
        row("F1 drive: the box holds the game", Qt::Key_F1, "drive", "help");
        row("F1 paused", Qt::Key_F1, "paused", "help");
        row("ctrl Q intro", Qt::Key_Q, "intro", "exit", 13, Qt::ControlModifier);
        row("ctrl Q drive", Qt::Key_Q, "drive", "exit", 13, Qt::ControlModifier);
        row("ctrl Q paused", Qt::Key_Q, "paused", "exit", 13, Qt::ControlModifier);
        row("Q alone", Qt::Key_Q, "drive", "");
        row("ctrl alt Q is no key of the game", Qt::Key_Q, "drive", "", 13,
            Qt::ControlModifier | Qt::AltModifier);
        for (int k : {Qt::Key_F2, Qt::Key_Escape, Qt::Key_G, Qt::Key_Space, Qt::Key_R, Qt::Key_P,
                      Qt::Key_F1, Qt::Key_Right}) {
            const QByteArray name = "box open: " + QKeySequence(k).toString().toLatin1();
            QTest::newRow(name.constData()) << k << int(Qt::NoModifier) << "box open" << 13 << "";
        }
        QTest::newRow("box open: ctrl Q")
            << int(Qt::Key_Q) << int(Qt::ControlModifier) << "box open" << 13 << "";
    }
    void keyDoesWhatTheMouseDoes()
    {
        QFETCH(int, k);
        QFETCH(int, mods);
        QFETCH(QString, state);
        QFETCH(int, place);
        QFETCH(QString, mouse);
        MainWindow w, twin;
        QSignalSpy exited(&w, &MainWindow::finished), twinExited(&twin, &MainWindow::finished);
        for (MainWindow *x : {&w, &twin}) {
            enter(*x, state);
            x->boardfocus->setFocus();
            x->cursor.place = qint16(place);
            x->cursor.shown = true;
        }
        const QString before = seen(w);
        QCOMPARE(seen(twin), before);

        key(w, k, Qt::KeyboardModifiers(mods));
        if (mouse.isEmpty()) {
            QCOMPARE(seen(w), before);
            QCOMPARE(exited.count(), 0);
            QVERIFY(!openBox<HelpBox>());
            return;
        }
        if (mouse == QLatin1String("start"))
            QTest::mouseClick(twin.Label8, Qt::LeftButton);
        else if (mouse == QLatin1String("banner"))
            QTest::mouseClick(twin.bigmsg, Qt::LeftButton);
        else if (mouse == QLatin1String("countdown"))
            QTest::mouseDClick(twin.Labelcartimein, Qt::LeftButton);
        else if (mouse == QLatin1String("left"))
            QTest::mousePress(twin.block[place], Qt::LeftButton);
        else if (mouse == QLatin1String("right"))
            QTest::mousePress(twin.block[place], Qt::RightButton);
        else if (mouse == QLatin1String("right3"))
            for (int i = 0; i < 3; ++i)
                QTest::mousePress(twin.block[place], Qt::RightButton);
        else if (mouse == QLatin1String("help"))
            QTest::mouseClick(twin.cmd_help, Qt::LeftButton);
        else if (mouse == QLatin1String("exit"))
            QTest::mouseClick(twin.cmd_exit, Qt::LeftButton);
        QCOMPARE(seen(w), seen(twin));
        QCOMPARE(exited.count(), twinExited.count());
        QVERIFY2(seen(w) != before || exited.count() == 1, "the key had nothing to do");
        if (mouse == QLatin1String("help")) QVERIFY(openBox<HelpBox>());
    }

    // Escape and F2 answer in every state, with what they did or why they did nothing.
    void escapeAndStartAnswer_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("escape");
        QTest::addColumn<QString>("start");
        QTest::newRow("intro") << "intro"
                               << "No game running"
                               << "New game;";
        QTest::newRow("countdown") << "countdown"
                                   << "The car has not left yet"
                                   << "A game is on";
        QTest::newRow("drive") << "drive"
                               << "Game given up"
                               << "New game;";
        QTest::newRow("won") << "won"
                             << "Game put away"
                             << "New game;";
        QTest::newRow("lost") << "lost"
                              << "Game put away"
                              << "New game;";
        QTest::newRow("paused") << "paused"
                                << "Paused"
                                << "A game is on";
    }
    void escapeAndStartAnswer()
    {
        QFETCH(QString, state);
        QFETCH(QString, escape);
        QFETCH(QString, start);
        MainWindow w;
        enter(w, state);
        w.boardfocus->setFocus();
        key(w, Qt::Key_Escape);
        QVERIFY2(w.announcer->said().startsWith(escape), qPrintable(w.announcer->said()));
        key(w, Qt::Key_F2);
        QVERIFY2(w.announcer->said().startsWith(start), qPrintable(w.announcer->said()));
    }

    // Past 50 s the countdown stops: the car waits at START however long, and G sends it. Its win
    // counts in the statistics but takes no place in the top ten.
    void untimedGame()
    {
        MainWindow w;
        for (int i = 0; i < 6; ++i)
            QTest::mouseClick(w.Cmd_cr, Qt::LeftButton);
        QCOMPARE(w.cartimein, noCountdown);
        QCOMPARE(w.Label5->text(), QStringLiteral("\u221e"));
        QCOMPARE(w.Label7->text(), QStringLiteral("Time Stands Still!"));
        const TopTen before = w.topten;
        w.restart();
        buildFirstBoardRoad(w);
        for (int second = 0; second < 120; ++second)
            w.Timercarin_Timer();
        QVERIFY(!w.Timercar->isActive());
        QCOMPARE(w.Labelcartimein->text(), QStringLiteral("\u221e"));
        QCOMPARE(w.Labelcartimein->accessibleName(),
                 QStringLiteral("No countdown: the car waits until you press G"));
        key(w, Qt::Key_G);
        w.Timercarin_Timer();
        QVERIFY(w.Timercar->isActive());
        driveToEnd(w);
        QCOMPARE(w.gamestate, QStringLiteral("WIN"));
        QVERIFY(w.points > 0);
        QCOMPARE(w.gamewon, 1);
        QVERIFY(w.topTenWins.isEmpty());
        QCOMPARE(w.topten.toptenpoint, before.toptenpoint);
        QCOMPARE(w.labelbig->text(), QStringLiteral("No countdown, so no place in the Top Ten"));
    }

    // The difficulty last chosen is there at the next start; a damaged value is put in range.
    void difficultyRemembered()
    {
        {
            MainWindow w;
            QTest::mouseClick(w.Cmd_el, Qt::LeftButton);
            QTest::mouseClick(w.Cmd_cr, Qt::LeftButton);
        }
        {
            MainWindow again;
            QCOMPARE(again.totalexit, 3);
            QCOMPARE(again.cartimein, 20);
            QCOMPARE(again.Label2->text(), QStringLiteral("3"));
            QCOMPARE(again.Label5->text(), QStringLiteral("20"));
        }
        GameSettings damaged;
        damaged.setText(settingKey::exits, QStringLiteral("9"));
        damaged.setText(settingKey::countdown, QStringLiteral("-5"));
        MainWindow third;
        QCOMPARE(third.totalexit, 4);
        QCOMPARE(third.cartimein, 10);
    }

    // X visits every exit in turn, nearest to where the road stops first, and round again; B
    // goes to the place that stops the road.
    void exitsInTurnAndTheBlock()
    {
        MainWindow w;
        w.restart();
        key(w, Qt::Key_Right); // the cursor shows
        key(w, Qt::Key_B);
        QCOMPARE(w.cursor.place, 10); // the first board's road turns down into a closed side
        QList<qint16> visited;
        for (int i = 0; i < w.totalexit; ++i) {
            key(w, Qt::Key_X);
            visited << w.cursor.place;
        }
        key(w, Qt::Key_X);
        QCOMPARE(w.cursor.place, visited.first());
        QList<qint16> exits;
        for (int k = 1; k <= w.totalexit; ++k)
            exits << w.exitblock[k];
        QList<qint16> seenOnce = visited;
        std::sort(seenOnce.begin(), seenOnce.end());
        std::sort(exits.begin(), exits.end());
        QCOMPARE(seenOnce, exits);
        const auto steps = [](int a, int b) {
            return std::abs((a - 1) % 8 - (b - 1) % 8) + std::abs((a - 1) / 8 - (b - 1) / 8);
        };
        for (int i = 1; i < visited.size(); ++i)
            QVERIFY(steps(visited[i - 1], 10) <= steps(visited[i], 10));
    }

    // Arrows walk the cursor's frame over the places; a mouse press on the board puts it away.
    void arrowsMoveTheFrame()
    {
        MainWindow w;
        w.restart(); // the banner covers the name box, which had the focus: keys go to the board
        QVERIFY(!w.cursorframe->isVisibleTo(&w));
        key(w, Qt::Key_Up);
        QVERIFY(w.cursorframe->isVisibleTo(&w));
        QCOMPARE(w.cursor.place, 1);
        QCOMPARE(w.cursorframe->geometry(), QRect(33, 8, 64, 64));
        for (int k : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
            key(w, k);
        QCOMPARE(w.cursor.place, 18);
        QCOMPARE(w.cursorframe->geometry(), QRect(93, 128, 64, 64));
        // The frame lies over the tiles and under the car and the paused picture.
        const QObjectList &order = w.children();
        QVERIFY(order.indexOf(w.cursorframe) > order.indexOf(w.block[48]));
        QVERIFY(order.indexOf(w.cursorframe) < order.indexOf(w.car));
        QVERIFY(order.indexOf(w.pausepic) > order.indexOf(w.car));

        w.restart();
        QTest::mousePress(w.block[30], Qt::RightButton);
        QVERIFY(!w.cursorframe->isVisibleTo(&w));
        const auto board = w.board.blocktype;
        key(w, Qt::Key_R); // shows where the cursor went, turns nothing yet
        QCOMPARE(w.board.blocktype, board);
        QCOMPARE(w.cursor.place, 30);
        QCOMPARE(w.cursorframe->geometry(), QRect(33 + 5 * 60, 8 + 3 * 60, 64, 64));
        key(w, Qt::Key_R);
        QCOMPARE(w.board.blocktype[30], rotated(board[30]));
    }

    // The window can go with the focus still inside it (the sanitizer build watches the focus
    // leaving its controls as they are deleted).
    void windowGoesWithTheFocusInside()
    {
        auto w = std::make_unique<MainWindow>();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QSignalSpy moves(qApp, &QApplication::focusChanged);
        w->cmd_help->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), w->cmd_help);
        QVERIFY(moves.count() > 0);
        w.reset();
    }

    // Tab walks the board, the panel and the buttons, skipping what the banner covers; a mouse
    // click gives no control the focus, so the keys stay with the board.
    void tabChain()
    {
        MainWindow w;
        QCOMPARE(w.focusWidget(), w.namebox);
        QVERIFY(!w.focusring->isVisibleTo(&w));
        const QList<QWidget *> intro{w.Label8,    w.cmd_about,  w.cmd_help, w.cmd_exit,
                                     w.cmd_sound, w.boardfocus, w.Cmd_el,   w.Cmd_er,
                                     w.cmd_cl,    w.Cmd_cr,     w.namebox};
        for (QWidget *next : intro) {
            key(w, Qt::Key_Tab);
            QCOMPARE(w.focusWidget(), next);
            QVERIFY(w.focusring->isVisibleTo(&w));
            QVERIFY(w.focusring->geometry().contains(next->geometry()));
            if (next == w.boardfocus)
                QVERIFY(w.cursorframe->isVisibleTo(&w)); // the board shows its cursor
        }
        key(w, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(w.focusWidget(), w.Cmd_cr);

        w.restart(); // the banner covers the panel, START! and the name box
        key(w, Qt::Key_Right);
        QCOMPARE(w.focusWidget(), w.boardfocus);
        for (QWidget *next :
             QList<QWidget *>{w.cmd_about, w.cmd_help, w.cmd_exit, w.cmd_sound, w.boardfocus}) {
            key(w, Qt::Key_Tab);
            QCOMPARE(w.focusWidget(), next);
        }

        QTest::mouseClick(w.cmd_cl, Qt::LeftButton);
        QCOMPARE(w.focusWidget(), w.boardfocus);
        QTest::mousePress(w.block[5], Qt::LeftButton);
        QVERIFY(!w.focusring->isVisibleTo(&w));
        QVERIFY(!w.cursorframe->isVisibleTo(&w));
    }

    // Space and Enter press a focused button or START!; a board key brings the focus back.
    void focusedControlsTakeSpaceAndEnter()
    {
        MainWindow w;
        for (int i = 0; i < 7; ++i)
            key(w, Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), w.Cmd_el);
        key(w, Qt::Key_Space);
        QCOMPARE(w.totalexit, 3);
        key(w, Qt::Key_Return);
        QCOMPARE(w.totalexit, 2);
        key(w, Qt::Key_Right); // the cursor appears, and Space now lands on the board
        QCOMPARE(w.focusWidget(), w.boardfocus);
        key(w, Qt::Key_Space);
        QCOMPARE(w.totalexit, 2);

        for (int i = 0; i < 6; ++i)
            key(w, Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), w.Label8);
        key(w, Qt::Key_Space);
        QCOMPARE(w.gamestate, QStringLiteral("PLAY"));
        QVERIFY(w.Timercarin->isActive());
    }

    // The name box takes the letters, Space and the arrows; Enter there starts the game, after
    // which the banner covers the box and the keys go to the board again.
    void nameBoxTypes()
    {
        MainWindow w;
        QCOMPARE(w.focusWidget(), w.namebox);
        key(w, Qt::Key_Tab);
        QTest::mouseClick(w.namebox, Qt::LeftButton);
        QCOMPARE(w.focusWidget(), w.namebox);
        w.namebox->clear();
        QTest::keyClicks(w.namebox, QStringLiteral("Gr PN"));
        key(w, Qt::Key_Left);
        QCOMPARE(w.namebox->text(), QStringLiteral("Gr PN"));
        QCOMPARE(w.gamestate, QStringLiteral("INTRO"));
        QVERIFY(!w.cursorframe->isVisibleTo(&w));
        key(w, Qt::Key_Return);
        QCOMPARE(w.gamestate, QStringLiteral("PLAY"));
        QCOMPARE(w.playername, QStringLiteral("Gr PN"));
        key(w, Qt::Key_Down);
        QCOMPARE(w.focusWidget(), w.boardfocus);
        QVERIFY(w.cursorframe->isVisibleTo(&w));
        QCOMPARE(w.namebox->text(), QStringLiteral("Gr PN"));
    }

    // Paused in the countdown or the drive, resumed later: every running tick after it finds
    // the countdown and the car where an unpaused twin has them at the same tick.
    void pauseKeepsTheTimeline_data()
    {
        QTest::addColumn<int>("pauseAt");
        QTest::newRow("countdown") << 4;
        QTest::newRow("release tick") << 11;
        QTest::newRow("drive") << 40;
        QTest::newRow("last tick before the exit") << 11 + 149;
    }
    void pauseKeepsTheTimeline()
    {
        QFETCH(int, pauseAt);
        MainWindow w, twin;
        for (MainWindow *x : {&w, &twin}) {
            x->restart();
            buildFirstBoardRoad(*x);
        }
        QStringList paused, unpaused;
        while (runningTick(twin))
            unpaused << moment(twin);
        for (int tick = 0;; ++tick) {
            if (tick == pauseAt) {
                key(w, Qt::Key_P);
                QVERIFY(w.pause.paused());
                const QString held = seen(w);
                for (int i = 0; i < 20; ++i)
                    QVERIFY(!runningTick(w)); // nothing runs while paused
                QVERIFY(!w.Timerexitblock->isActive());
                QCOMPARE(seen(w), held);
                key(w, Qt::Key_P);
                QVERIFY(!w.pause.paused());
                QVERIFY(!w.pausepic->isVisibleTo(&w));
                QVERIFY(w.Timerexitblock->isActive());
            }
            if (!runningTick(w)) break;
            paused << moment(w);
        }
        QCOMPARE(paused, unpaused);
        QCOMPARE(w.gamestate, QStringLiteral("WIN"));
        QCOMPARE(w.points, 100);
    }

    // A resumed timer runs out what was left of its interval first, and then keeps its own pace,
    // after its next tick or when a new game starts it afresh.
    void resumeRunsOutTheInterruptedSecond()
    {
        MainWindow w;
        w.restart();
        key(w, Qt::Key_P);
        const int left = w.pause.left[0];
        QVERIFY(left >= 0 && left <= 1000);
        QCOMPARE(w.pause.left[1], -1); // no car yet
        w.pause.left[0] = 400;         // as if paused 600 ms into the second
        key(w, Qt::Key_P);
        QCOMPARE(w.Timercarin->interval(), 400);
        QVERIFY(QMetaObject::invokeMethod(w.Timercarin, "timeout")); // the second runs out
        QCOMPARE(w.Labelcartimein->text(), QStringLiteral(" 9"));
        QCOMPARE(w.Timercarin->interval(), 1000);

        key(w, Qt::Key_P);
        w.pause.left[0] = 300;
        w.pause.left[2] = 50;
        key(w, Qt::Key_P);
        w.Label8_Click(); // a new game before the shortened second ran out
        QVERIFY(w.Timercarin->isActive());
        QCOMPARE(w.Timercarin->interval(), 1000);
        QCOMPARE(w.Timerexitblock->interval(), 200);
    }

    // While paused, mouse presses on the tiles, the banner, the countdown and START! do nothing.
    void mouseWaitsDuringPause()
    {
        MainWindow w;
        w.restart();
        key(w, Qt::Key_P);
        const QString held = seen(w);
        QTest::mousePress(w.block[13], Qt::LeftButton);
        QTest::mousePress(w.block[10], Qt::RightButton);
        QTest::mouseClick(w.bigmsg, Qt::LeftButton);
        QTest::mouseDClick(w.Labelcartimein, Qt::LeftButton);
        QTest::mouseClick(w.Label8, Qt::LeftButton, {},
                          QPoint(30, 29)); // the strip below the banner
        QCOMPARE(seen(w), held);
        QVERIFY(w.pausepic->isVisibleTo(&w));
        QVERIFY(w.pausepic->geometry() == QRect(35, 10, 480, 360));
        QCOMPARE(w.pausepic->pixmap().toImage(), w.picpause.cell(0).toImage());
    }

    // While paused, the board's keys neither move nor show the hidden cursor, and nothing of the
    // board under the cover is told.
    void boardKeysWaitDuringPause_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("mods");
        for (int k :
             {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return,
              Qt::Key_R, Qt::Key_Home, Qt::Key_E, Qt::Key_X, Qt::Key_W, Qt::Key_C}) {
            const QByteArray name = QKeySequence(k).toString().toLatin1();
            QTest::newRow(name.constData()) << k << int(Qt::NoModifier);
        }
        QTest::newRow("shift Left") << int(Qt::Key_Left) << int(Qt::ShiftModifier);
    }
    void boardKeysWaitDuringPause()
    {
        QFETCH(int, k);
        QFETCH(int, mods);
        MainWindow w;
        w.restart();
        w.boardfocus->setFocus();
        key(w, Qt::Key_P);
        QVERIFY(w.pause.paused());
        w.cursor = BoardCursor{13, false};
        const QString said = w.announcer->said();

        key(w, k, Qt::KeyboardModifiers(mods));
        QCOMPARE(w.cursor.place, 13);
        QVERIFY(!w.cursor.shown);
        QVERIFY(!w.cursorframe->isVisibleTo(&w));
        QCOMPARE(w.announcer->said(), said);
    }

    // A held key repeats only the cursor's moves: a held P or R acts as one press does.
    void heldKeyActsOnce_data()
    {
        QTest::addColumn<int>("k");
        QTest::newRow("P") << int(Qt::Key_P);
        QTest::newRow("R") << int(Qt::Key_R);
    }
    void heldKeyActsOnce()
    {
        QFETCH(int, k);
        MainWindow w, twin;
        for (MainWindow *x : {&w, &twin}) {
            x->restart();
            x->boardfocus->setFocus();
            x->cursor = BoardCursor{13, true};
        }
        key(twin, k);
        QWidget *target = w.focusWidget();
        for (int i = 0; i < 4; ++i) {
            QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, QString(), i > 0);
            QApplication::sendEvent(target, &press);
        }
        QKeyEvent up(QEvent::KeyRelease, k, Qt::NoModifier);
        QApplication::sendEvent(target, &up);
        QCOMPARE(seen(w), seen(twin));
    }

    // A minimised window and an open box hold a running game until they end; a pause by P
    // outlasts them; outside a game nothing is held and P does nothing.
    void otherReasonsPause_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("minimised") << "minimised";
        QTest::newRow("help box") << "help";
        QTest::newRow("about box") << "about";
    }
    void otherReasonsPause()
    {
        QFETCH(QString, reason);
        const auto begin = [&reason](MainWindow &w) {
            if (reason == QLatin1String("minimised"))
                w.setWindowState(Qt::WindowMinimized);
            else if (reason == QLatin1String("help"))
                QTest::mouseClick(w.cmd_help, Qt::LeftButton);
            else
                QTest::mouseClick(w.cmd_about, Qt::LeftButton);
        };
        const auto end = [&reason](MainWindow &w) {
            if (reason == QLatin1String("minimised"))
                w.setWindowState(Qt::WindowNoState);
            else
                closeBoxes();
        };
        MainWindow w;
        w.show();
        w.restart();
        release(w);
        begin(w);
        QVERIFY(w.pause.paused());
        QVERIFY(!w.Timercar->isActive());
        QVERIFY(w.pausepic->isVisibleTo(&w));
        end(w);
        QVERIFY(!w.pause.paused());
        QVERIFY(w.Timercar->isActive());
        QVERIFY(!w.pausepic->isVisibleTo(&w));

        key(w, Qt::Key_P);
        begin(w);
        end(w);
        QVERIFY(w.pause.paused()); // still paused by P
        QVERIFY(!w.Timercar->isActive());
        key(w, Qt::Key_P);
        QVERIFY(w.Timercar->isActive());

        driveToEnd(w); // lost: no game runs
        begin(w);
        QVERIFY(!w.pause.paused());
        QVERIFY(!w.pausepic->isVisibleTo(&w));
        end(w);
        const QString after = seen(w);
        key(w, Qt::Key_P);
        QCOMPARE(seen(w), after);
    }

    // Leaving while paused saves the records as always, and nothing starts running again.
    void exitWhilePaused()
    {
        MainWindow w;
        w.show();
        w.restart();
        release(w);
        key(w, Qt::Key_P);
        QSignalSpy finished(&w, &MainWindow::finished);
        QTest::mouseClick(w.cmd_help, Qt::LeftButton);
        w.Form_Unload(); // a termination request while the box is open
        QCOMPARE(finished.count(), 1);
        QSettings store(recordsName, recordsName);
        QCOMPARE(loadCounters(store).executed, w.executed);
        closeBoxes();
        key(w, Qt::Key_P);
        for (QTimer *t : {w.Timercar, w.Timercarin, w.Timerexitblock})
            QVERIFY(!t->isActive());
    }
};

ROADSHIFT_TEST_GUI_MAIN(TestKeysWindow)
#include "test_keys_window.moc"
