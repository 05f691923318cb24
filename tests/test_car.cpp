// The countdown and the car's drive through the tiles, on plain boards.
#include "boardfixture.h"
#include "car/drive.h"
#include "car/pause.h"
#include "roadtest.h"

class TestCar : public QObject
{
    Q_OBJECT

  private slots:
    // The car enters place 10 from the left on a curve l-d, then place 18 from the top.
    void workedExample()
    {
        const Board b = boardFrom({"11111111", //
                                   "15111111", //
                                   "12111111", //
                                   "11111111", //
                                   "11111111", //
                                   "11111111"});
        Car car;
        QCOMPARE(car.reentry(b, 10, Side::Left), Outcome::Drive);
        QCOMPARE(car.leavepoint, Side::Down);
        QCOMPARE(car.nextblock, 18);
        QCOMPARE(car.nextentry, Side::Up);
        QCOMPARE(car.boxPosition(b), (PathPoint{86, 89}));
        int ticks = 0;
        while (!car.advance(2)) {
            ++ticks;
            if (car.carblockct == 29) QCOMPARE(car.boxPosition(b), (PathPoint{113, 115}));
        }
        QCOMPARE(ticks, 14); // points 3..29 drawn, then the next place on the 15th tick
        QCOMPARE(car.reentry(b, car.nextblock, car.nextentry), Outcome::Drive);
        QCOMPARE(car.boxPosition(b), (PathPoint{113, 120}));
    }

    void outcomes_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("side");
        QTest::addColumn<int>("outcome");
        const QStringList plain = {"11111111", "12345670", "1E111111",
                                   "11111111", "1111T111", "11111111"};
        QTest::newRow("straight") << plain << 1 << "l" << int(Outcome::Drive);
        QTest::newRow("turned straight") << plain << 10 << "l" << int(Outcome::Lose);
        QTest::newRow("crossing from the top") << plain << 11 << "u" << int(Outcome::Drive);
        QTest::newRow("curve l-d from the right") << plain << 13 << "r" << int(Outcome::Lose);
        QTest::newRow("curve l-d from the top") << plain << 13 << "u" << int(Outcome::Lose);
        QTest::newRow("empty place") << plain << 16 << "l" << int(Outcome::Lose);
        QTest::newRow("tent") << plain << 37 << "d" << int(Outcome::Lose);
        QTest::newRow("off the board") << plain << 0 << "l" << int(Outcome::Lose);
        for (const char *s : {"l", "r", "u", "d"})
            QTest::addRow("exit from %s", s) << plain << 18 << s << int(Outcome::Win);
    }
    void outcomes()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, place);
        QFETCH(QString, side);
        QFETCH(int, outcome);
        Car car;
        QCOMPARE(int(car.reentry(boardFrom(rows), qint16(place), sideFromLetter(side[0]))),
                 outcome);
        QCOMPARE(car.carblock, place);
        QCOMPARE(car.carblockct, 1);
    }

    // A car leaving place 8 to the right is lost at the edge although the sentinel is a road,
    // and it is drawn at point 1 of its old path from the window's corner.
    void offTheEdge()
    {
        const Board b =
            boardFrom({"11111111", "11111111", "11111111", "11111111", "11111111", "11111111"});
        Car car;
        QCOMPARE(car.reentry(b, 8, Side::Left), Outcome::Drive);
        QCOMPARE(car.nextblock, 0);
        QCOMPARE(car.reentry(b, car.nextblock, car.nextentry), Outcome::Lose);
        QCOMPARE(car.boxPosition(b), (PathPoint{2 - 12, 30 - 12}));
    }

    // A place with no way through keeps the old path and the old next place.
    void deadEndKeepsOldPath()
    {
        const Board b =
            boardFrom({"10111111", "11111111", "11111111", "11111111", "11111111", "11111111"});
        Car car;
        car.reentry(b, 1, Side::Left);
        QCOMPARE(car.reentry(b, 2, Side::Left), Outcome::Lose);
        QCOMPARE(car.leavepoint, Side::None);
        QCOMPARE(car.nextblock, 2);
        QCOMPARE(car.boxPosition(b), (PathPoint{95 + 2 - 12, 10 + 30 - 12}));
    }

    void countdownTimeline()
    {
        Countdown cd;
        QStringList captions;
        int releasedAt = 0;
        for (int second = 1; second <= 12 && !releasedAt; ++second) {
            const Countdown::Tick t = cd.tick(10);
            if (t.release)
                releasedAt = second;
            else
                captions << t.caption;
        }
        QCOMPARE(captions,
                 (QStringList{" 9", " 8", " 7", " 6", " 5", " 4", " 3", " 2", " 1", " 0"}));
        QCOMPARE(releasedAt, 11);
        QCOMPARE(cd.cartimeinct, 0);

        int seconds = 0;
        while (!cd.tick(50).release)
            ++seconds;
        QCOMPARE(seconds + 1, 51);
    }

    void hurryLeavesAtNextTick()
    {
        Countdown cd;
        cd.tick(30);
        cd.tick(30);
        cd.hurry(30);
        QVERIFY(cd.tick(30).release);
    }

    void pointsStopAtTheTop()
    {
        QCOMPARE(addPoints(0, 10), 10);
        QCOMPARE(addPoints(32750, 10), 32760);
        QCOMPARE(addPoints(32760, 10), 32767);
        QCOMPARE(addPoints(32767, 10), 32767);
    }
    // Reasons come and go in any order; the game goes on only when the last has gone.
    void pauseReasons_data()
    {
        // Steps: +X begins reason X, -X ends it (K key, M minimised, H held off by a box);
        // the result lists, per step, "s" (stop now), "g" (go on now) or "." (nothing).
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("result");
        QTest::newRow("key on, key off") << "+K -K"
                                         << "s g";
        QTest::newRow("box opened and closed") << "+H -H"
                                               << "s g";
        QTest::newRow("key pause outlives the box") << "+K +H -H -K"
                                                    << "s . . g";
        QTest::newRow("box outlives the key") << "+H +K -K -H"
                                              << "s . . g";
        QTest::newRow("minimised during the box") << "+H +M -H -M"
                                                  << "s . . g";
        QTest::newRow("ending a reason never begun") << "-K +M -K -M"
                                                     << ". s . g";
        QTest::newRow("the same reason twice") << "+M +M -M"
                                               << "s . g";
    }
    void pauseReasons()
    {
        QFETCH(QString, steps);
        QFETCH(QString, result);
        Pause pause;
        QStringList got;
        for (const QString &step : steps.split(u' ')) {
            const PauseReason r = step[1] == u'K'   ? PauseReason::Key
                                  : step[1] == u'M' ? PauseReason::Minimised
                                                    : PauseReason::HeldOff;
            const bool change = step[0] == u'+' ? pause.begin(r, true) : pause.end(r);
            got << (change ? (step[0] == u'+' ? "s" : "g") : ".");
        }
        QCOMPARE(got.join(u' '), result);
        QVERIFY(!pause.paused());
    }

    // Outside a countdown or a drive there is nothing to hold, and no reason is kept for later.
    void pauseNeedsARunningGame()
    {
        Pause pause;
        QVERIFY(!pause.begin(PauseReason::Key, false));
        QVERIFY(!pause.paused());
        QVERIFY(!pause.end(PauseReason::Key));
        QVERIFY(!pause.begin(PauseReason::HeldOff, false));
        QVERIFY(!pause.end(PauseReason::HeldOff));
        // Once paused, a further reason is kept even though the game now stands still.
        QVERIFY(pause.begin(PauseReason::Key, true));
        QVERIFY(!pause.begin(PauseReason::HeldOff, false));
        QVERIFY(!pause.end(PauseReason::Key));
        QVERIFY(pause.has(PauseReason::HeldOff));
        QVERIFY(pause.end(PauseReason::HeldOff));
    }
};

ROADSHIFT_TEST_RULES_MAIN(TestCar)
#include "test_car.moc"
