// The countdown, the drive, the exits and the end of a game, on the real main window.
#include "boardfixture.h"
#include "gamewindow.h"
#include "roadtest.h"

using namespace roadtest;

class TestCarWindow : public QObject
{
    Q_OBJECT

  private slots:
    void init() { roadtest::forgetGameSettings(); }
    void countdownTimeline()
    {
        MainWindow w;
        w.restart();
        QCOMPARE(w.Labelcartimein->text(), QStringLiteral("10"));
        for (const char *caption : {" 9", " 8", " 7", " 6", " 5", " 4", " 3", " 2", " 1", " 0"}) {
            w.Timercarin_Timer();
            QCOMPARE(w.Labelcartimein->text(), QString::fromLatin1(caption));
            QVERIFY(!w.Timercar->isActive());
            QCOMPARE(w.car->pos(), QPoint(23, 28));
        }
        w.Timercarin_Timer(); // eleventh second: the car enters place 1 from the left
        QVERIFY(w.Timercar->isActive());
        QVERIFY(!w.Timercarin->isActive());
        QVERIFY(!w.Labelcartimein->isVisibleTo(&w));
        QCOMPARE(w.carstate.carblock, 1);
        QCOMPARE(w.points, 10);
        QCOMPARE(w.labelbp->text(), QStringLiteral("1"));
        QCOMPARE(w.car->pos(), QPoint(23, 28)); // not drawn before the first car tick
        w.Timercar_Timer();
        QCOMPARE(w.car->pos(), QPoint(35 + 6 - 12, 10 + 30 - 12)); // point 3 of place 1
    }

    void bannerIgnoredDuringCountdown()
    {
        MainWindow w;
        w.restart();
        w.Timercarin_Timer();
        w.bigmsg_Click();
        QVERIFY(w.Timercarin->isActive());
        QVERIFY(w.bigmsg->isVisibleTo(&w));
    }

    // Without a single press the first board loses at place 10 (a curve open left and down).
    void untouchedFirstBoardLoses()
    {
        MainWindow w;
        w.restart();
        release(w);
        driveToEnd(w);
        QCOMPARE(w.gamestate, QStringLiteral("LOSE"));
        QCOMPARE(w.carstate.carblock, 10);
        QCOMPARE(w.points, 0);
        QCOMPARE(w.bpass, 3);
        QCOMPARE(w.labellost->text(), QStringLiteral("1"));
        QCOMPARE(w.labelwon->text(), QStringLiteral("0"));
        QCOMPARE(w.bigmsg->toolTip(), QStringLiteral("Click here to replay"));
        QCOMPARE(shown(w.bigmsg), w.picbigmsg.cell(1).toImage());
        QVERIFY(w.labelbig->isVisibleTo(&w));
        QVERIFY(w.labelbig->text().isEmpty());
        QVERIFY(!w.rankbox->isVisibleTo(&w));
        for (QTimer *t : {w.Timercar, w.Timercarin, w.Timerexitblock, w.Timerbigmsg})
            QVERIFY(!t->isActive());
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(shown(w.block[w.exitblock[k]]), w.picblocks.cell(tile::exit).toImage());
        // The car was drawn at point 1 of its old path (l-d through place 2), over place 10.
        QCOMPARE(w.car->pos(), QPoint(95 + 3 - 12, 70 + 31 - 12));
        // Tiles no longer react.
        const auto board = w.board.blocktype;
        w.block_MouseDown(11, MouseButton::Right);
        w.block_MouseDown(4, MouseButton::Left);
        QCOMPARE(w.board.blocktype, board);
    }

    void firstBoardCanBeWon()
    {
        MainWindow w;
        w.restart();
        buildFirstBoardRoad(w);
        release(w);
        const int ticks = driveToEnd(w);
        QCOMPARE(w.gamestate, QStringLiteral("WIN"));
        QCOMPARE(ticks, 10 * 15); // ten places before the exit, 15 ticks each
        QCOMPARE(w.points, 100);
        QCOMPARE(w.bpass, 11); // the exit counts as entered, but scores nothing
        QCOMPARE(w.carstate.carblock, 46);
        QCOMPARE(w.labelwon->text(), QStringLiteral("1"));
        QCOMPARE(w.car->pos(), QPoint(335 + 30 - 12, 310 + 2 - 12)); // on the exit tile
        QVERIFY(w.Timerbigmsg->isActive());
        QVERIFY(!w.Timerexitblock->isActive());
        QCOMPARE(w.toprank, 1);
        QCOMPARE(w.labelbig->text(), QStringLiteral("Your points is ranked #1 in the Top Ten"));
        QCOMPARE(w.topten.toptenname[1], QStringLiteral("Your Name"));
        QCOMPARE(w.topten.toptenpoint[1], 100);
        QCOMPARE(w.topname[1]->text(), QStringLiteral(" 1.Your Name"));
        QCOMPARE(w.toppoint[1]->text(), QStringLiteral(" 100 "));
        QVERIFY(!w.rankbox->isVisibleTo(&w));
    }

    // The next place is read only on entry: a turn at the last tick before it still counts.
    void lastMomentTurnDecides_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("turned open") << int(tile::straightUD) << "PLAY";
        QTest::newRow("turned shut") << int(tile::straightLR) << "LOSE";
    }
    void lastMomentTurnDecides()
    {
        QFETCH(int, before);
        QFETCH(QString, outcome);
        MainWindow w;
        w.restart();
        w.setblock(2, qint16(before));
        release(w);
        for (int i = 0; i < 14; ++i)
            w.Timercar_Timer();
        QCOMPARE(w.carstate.carblock, 1);
        QCOMPARE(w.carstate.carblockct, 29);
        w.block_MouseDown(2, MouseButton::Right);
        w.Timercar_Timer();
        QCOMPARE(w.carstate.carblock, 2);
        QCOMPARE(w.gamestate, outcome);
    }

    // A turn under the car does not change its path through that place.
    void turningUnderTheCarKeepsItsPath()
    {
        MainWindow w;
        w.restart();
        w.setblock(2, tile::straightLR);
        w.setblock(3, tile::straightLR);
        release(w);
        for (int i = 0; i < 15; ++i)
            w.Timercar_Timer(); // now on place 2
        QCOMPARE(w.carstate.carblock, 2);
        w.block_MouseDown(2, MouseButton::Right);
        QCOMPARE(w.board.blocktype[2], tile::straightUD);
        for (int i = 0; i < 15; ++i)
            w.Timercar_Timer();
        QCOMPARE(w.carstate.carblock, 3);
        QCOMPARE(w.gamestate, QStringLiteral("PLAY"));
    }

    void placeOneTurnedLosesAtRelease()
    {
        MainWindow w;
        w.restart();
        w.block_MouseDown(1, MouseButton::Right);
        release(w);
        QCOMPARE(w.gamestate, QStringLiteral("LOSE"));
        QCOMPARE(w.bpass, 1);
        QCOMPARE(w.points, 0);
        QVERIFY(!w.Timercar->isActive());
    }

    void exitsBlinkInStep()
    {
        MainWindow w;
        w.settotalexit(-2); // two exits
        w.restart();
        for (int phase = 0; phase < 4; ++phase) {
            w.Timerexitblock_Timer();
            const int cell = w.exitblink + 9;
            QVERIFY(cell == 10 || cell == 11);
            for (int k = 1; k <= 2; ++k) {
                QCOMPARE(shown(w.block[w.exitblock[k]]), w.picblocks.cell(cell).toImage());
                QCOMPARE(w.board.blocktype[w.exitblock[k]], tile::exit);
            }
        }
    }

    // An exit slid into the empty place blinks, and wins, at its new place.
    void slidExitTravels()
    {
        MainWindow w;
        w.restart();
        // Make place 20 empty next to an exit at 28 by hand.
        w.setblock(20, tile::empty);
        w.setblock(12, tile::straightLR);
        w.setblock(28, tile::exit);
        w.exitblock[1] = 28;
        w.block_MouseDown(28, MouseButton::Left);
        QCOMPARE(w.exitblock[1], 20);
        QCOMPARE(w.board.blocktype[20], tile::exit);
        QCOMPARE(w.board.emptyblock, 28);
        w.Timerexitblock_Timer();
        QCOMPARE(shown(w.block[20]), w.picblocks.cell(w.exitblink + 9).toImage());
        QCOMPARE(shown(w.block[28]), w.picblocks.cell(tile::empty).toImage());
    }

    // After a win the reached exit flashes yellow and grey, the banner switches poses, and the
    // phase carries on into the next win.
    void winAnimation()
    {
        MainWindow w;
        w.restart();
        buildFirstBoardRoad(w);
        release(w);
        driveToEnd(w);
        QList<int> banners, tiles;
        for (int i = 0; i < 4; ++i) {
            w.Timerbigmsg_Timer();
            banners << (shown(w.bigmsg) == w.picbigmsg.cell(2).toImage() ? 2 : 3);
            tiles << w.board.blocktype[46];
            QCOMPARE(shown(w.block[46]), w.picblocks.cell(w.board.blocktype[46]).toImage());
            QCOMPARE(w.bigmsg->toolTip(), QStringLiteral("Click here to play again"));
        }
        QCOMPARE(banners, (QList<int>{2, 3, 2, 3}));
        QCOMPARE(tiles, (QList<int>{9, 11, 9, 11}));
        w.Timerbigmsg_Timer();
        QCOMPARE(w.board.blocktype[46], tile::endYellow);
        w.bigmsg_Click();
        QCOMPARE(w.board.blocktype[46], tile::exit);
        QVERIFY(!w.Timerbigmsg->isActive());
        QCOMPARE(w.winflash, 1); // never reset: the next win goes on from here
    }

    void pointsStopAtTheTop()
    {
        MainWindow w;
        w.restart();
        release(w);
        w.points = 32760;
        w.reentry(1, Side::Left);
        QCOMPARE(w.points, 32767);
        w.reentry(1, Side::Left);
        QCOMPARE(w.points, 32767);
    }
};

ROADSHIFT_TEST_GUI_MAIN(TestCarWindow)
#include "test_car_window.moc"
