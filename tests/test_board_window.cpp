// Presses on the real tile boxes: slides, turns, the refusal blink, and a long random game.
#include "boardfixture.h"
#include "gamewindow.h"
#include "roadtest.h"

#include <QRandomGenerator>

using namespace roadtest;

class TestBoardWindow : public QObject
{
    Q_OBJECT

    // Checks what must hold after every event of a game.
    static void checkInvariants(const MainWindow &w, int exitsInGame, const QString &when)
    {
        const QByteArray at = when.toLatin1();
        for (int n = 0; n <= placeCount; ++n) {
            const qint16 t = w.board.blocktype[n];
            QVERIFY2(t >= 0 && t <= 12, at);
        }
        QCOMPARE(w.board.blocktype[0], tile::straightLR);
        if (w.gamestate != QLatin1String("INTRO")) {
            int empties = 0;
            for (int n = 1; n <= placeCount; ++n)
                empties += w.board.blocktype[n] == tile::empty;
            QVERIFY2(empties == 1, at);
            QVERIFY2(w.board.blocktype[w.board.emptyblock] == tile::empty, at);
            for (int k = 1; k <= exitsInGame; ++k) {
                const qint16 t = w.board.blocktype[w.exitblock[k]];
                QVERIFY2(t == tile::exit || (t == tile::endYellow && w.Timerbigmsg->isActive()),
                         at);
            }
        }
        QVERIFY2(QRect(-15, -15, 545, 400).contains(w.car->geometry()), at);
        // A countdown always starts from a clean slate: the car waits at home, and no line of
        // an earlier game shows.
        if (w.Timercarin->isActive()) {
            QVERIFY2(w.car->pos() == QPoint(23, 28), at);
            QVERIFY2(!w.labelbig->isVisibleTo(&w), at);
            QVERIFY2(w.toprank == 11, at);
        }
    }

  private slots:
    void init() { roadtest::forgetGameSettings(); }
    void realMousePresses()
    {
        MainWindow w;
        w.show();
        w.restart(); // empty place 12; place 13 a curve l-u, place 4 a crossing
        QTest::mousePress(w.block[13], Qt::LeftButton);
        QCOMPARE(w.board.blocktype[12], tile::curveLU);
        QCOMPARE(w.board.emptyblock, 13);
        QCOMPARE(shown(w.block[12]), w.picblocks.cell(tile::curveLU).toImage());
        QCOMPARE(shown(w.block[13]), w.picblocks.cell(tile::empty).toImage());
        QTest::mousePress(w.block[12], Qt::RightButton);
        QCOMPARE(w.board.blocktype[12], tile::curveUR);
        QCOMPARE(shown(w.block[12]), w.picblocks.cell(tile::curveUR).toImage());
        QTest::mousePress(w.block[12], Qt::MiddleButton);
        QCOMPARE(w.board.blocktype[12], tile::curveUR);
        // A tent far away jumps into the empty place.
        QTest::mousePress(w.block[5], Qt::LeftButton);
        QCOMPARE(w.board.blocktype[13], tile::obstacle);
        QCOMPARE(w.board.emptyblock, 5);
        // Turns do nothing to the empty place, a tent or an exit.
        for (int place : {5, 13, int(w.exitblock[1])}) {
            const qint16 t = w.board.blocktype[place];
            QTest::mousePress(w.block[place], Qt::RightButton);
            QCOMPARE(w.board.blocktype[place], t);
        }
    }

    void refusalBlink()
    {
        MainWindow w;
        w.restart();
        release(w);
        w.block_MouseDown(1, MouseButton::Right); // turning the car's own tile is allowed
        QCOMPARE(w.board.blocktype[1], tile::straightUD);
        w.block_MouseDown(1, MouseButton::Right);
        // Put the empty place beside the car and try to slide the car's tile away.
        w.setblock(12, tile::straightLR);
        w.setblock(9, tile::empty);
        const auto board = w.board.blocktype;
        w.block_MouseDown(1, MouseButton::Left);
        QCOMPARE(w.board.blocktype, board);
        QVERIFY(w.Timerblink->isActive());
        QVERIFY(w.blockred->isVisibleTo(&w));
        // Each flash must outlast two frames of a 60 Hz screen, and the whole blink stay short.
        QVERIFY(w.Timerblink->interval() * 3 >= 100);
        QVERIFY(w.Timerblink->interval() * 10 < 500);
        QList<QPoint> marker;
        for (int i = 0; i < 10; ++i) {
            w.Timerblink_Timer();
            marker << w.blockred->pos();
        }
        const QPoint on(35, 10), off(-200, -200);
        QCOMPARE(marker, (QList<QPoint>{on, off, on, off, on, off, on, off, on, off}));
        QVERIFY(!w.Timerblink->isActive());
    }

    // A quick second press arrives as a double click; it still counts as a press.
    void quickSecondPress()
    {
        MainWindow w;
        w.show();
        w.restart(); // place 13 holds a curve left-top
        QLabel *box = w.block[13];
        const QPoint at(30, 30);
        QTest::mousePress(box, Qt::RightButton, {}, at);
        QTest::mouseRelease(box, Qt::RightButton, {}, at);
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(at), box->mapToGlobal(QPointF(at)),
                           Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(box, &second);
        QTest::mouseRelease(box, Qt::RightButton, {}, at);
        // Turned twice: left-top, top-right, right-bottom.
        QCOMPARE(w.board.blocktype[13], tile::curveRD);
    }

    // The first blink run at start-up passes unseen and parks the marker.
    void startUpBlinkPassesUnseen()
    {
        MainWindow w;
        for (int i = 0; i < 10; ++i)
            w.Timerblink_Timer();
        QVERIFY(!w.Timerblink->isActive());
        QVERIFY(!w.blockred->isVisibleTo(&w));
        QCOMPARE(w.blockred->pos(), QPoint(-200, -200));
    }

    // The new game forgets where the last car stood, so that tile can be slid at once.
    void newGameForgetsTheOldCar()
    {
        MainWindow w;
        w.restart();
        release(w);
        driveToEnd(w); // lost at place 10
        w.bigmsg_Click();
        w.restart();
        w.setblock(10, tile::straightLR);
        w.setblock(11, tile::empty);
        w.block_MouseDown(10, MouseButton::Left);
        QVERIFY(!w.blockred->isVisibleTo(&w));
        QCOMPARE(w.board.blocktype[11], tile::straightLR);
    }

    // Thousands of random presses, clicks and ticks on the real window keep the board sound.
    void randomPlay()
    {
        MainWindow w;
        w.show();
        QRandomGenerator gen(20261210);
        const int events = 100000;
        int exitsInGame = 0; // the difficulty may change between games, the board's exits not
        for (int e = 0; e < events; ++e) {
            const bool counting = w.Timercarin->isActive();
            const int kind = gen.bounded(100);
            QString what;
            if (kind < 30) {
                const int place = gen.bounded(0, placeCount + 1);
                const auto button = gen.bounded(3) == 0 ? Qt::RightButton : Qt::LeftButton;
                QTest::mousePress(w.block[place], button);
                QTest::mouseRelease(w.block[place], button);
                what = QStringLiteral("press %1").arg(place);
            } else if (kind < 35) {
                // A click anywhere below the board: banner, START!, the settings.
                const QPoint at(gen.bounded(35, 515), gen.bounded(375, 460));
                if (QWidget *target = w.childAt(at))
                    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&w, at));
                what = QStringLiteral("click %1,%2").arg(at.x()).arg(at.y());
            } else if (kind < 36) {
                // START!'s lowest rows, which the banner leaves uncovered.
                const QPoint at(gen.bounded(435, 501), gen.bounded(455, 459));
                QTest::mouseClick(w.childAt(at), Qt::LeftButton, {}, w.Label8->mapFrom(&w, at));
                what = QStringLiteral("start %1,%2").arg(at.x()).arg(at.y());
            } else if (kind < 37) {
                if (w.Labelcartimein->isVisible()) w.Labelcartimein_DblClick();
                what = QStringLiteral("hurry");
            } else {
                // Ticks come only from running timers, the car's most often.
                using Tick = void (MainWindow::*)();
                const std::pair<QTimer *, Tick> timers[] = {
                    {w.Timercar, &MainWindow::Timercar_Timer},
                    {w.Timercar, &MainWindow::Timercar_Timer},
                    {w.Timercar, &MainWindow::Timercar_Timer},
                    {w.Timercar, &MainWindow::Timercar_Timer},
                    {w.Timercarin, &MainWindow::Timercarin_Timer},
                    {w.Timerexitblock, &MainWindow::Timerexitblock_Timer},
                    {w.Timerblink, &MainWindow::Timerblink_Timer},
                    {w.Timerbigmsg, &MainWindow::Timerbigmsg_Timer}};
                const auto [t, tick] = timers[gen.bounded(8)];
                if (t->isActive()) (w.*tick)();
                what = QStringLiteral("tick %1").arg(t->interval());
            }
            if (!counting && w.Timercarin->isActive())
                exitsInGame = w.totalexit; // a new game was dealt
            checkInvariants(w, exitsInGame, QStringLiteral("event %1 (%2)").arg(e).arg(what));
            if (QTest::currentTestFailed()) return;
        }
        qInfo("%lld games lost, %lld won, %lld tiles entered", w.gamelost, w.gamewon, w.bpass);
        QVERIFY(w.gamelost + w.gamewon > 0); // the random player did finish games
    }
};

ROADSHIFT_TEST_GUI_MAIN(TestBoardWindow)
#include "test_board_window.moc"
