// The score row's layout, the banner's tips and the difficulty words.
#include "roadtest.h"
#include "speech/spokennames.h"
#include "ui/presentation.h"

class TestUi : public QObject
{
    Q_OBJECT

  private slots:
    void scoreRow_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QList<int>>("lefts");
        QTest::addColumn<QList<int>>("cells");
        QTest::newRow("0") << 0 << QList<int>{247, 283} << QList<int>{0, 10};
        QTest::newRow("10") << 10 << QList<int>{225, 261, 297} << QList<int>{1, 0, 10};
        QTest::newRow("150") << 150 << QList<int>{203, 239, 275, 311} << QList<int>{1, 5, 0, 10};
        QTest::newRow("2340") << 2340 << QList<int>{181, 217, 253, 289, 325}
                              << QList<int>{2, 3, 4, 0, 10};
        QTest::newRow("32767") << 32767 << QList<int>{159, 195, 231, 267, 303, 339}
                               << QList<int>{3, 2, 7, 6, 7, 10};
    }
    void scoreRow()
    {
        QFETCH(int, points);
        QFETCH(QList<int>, lefts);
        QFETCH(QList<int>, cells);
        QList<int> gotLefts, gotCells;
        int box = 0;
        for (const ScoreSprite &s : ::scoreRow(qint16(points))) {
            QCOMPARE(s.box, ++box); // boxes 1 upwards: never 0, never 7
            gotLefts << s.left;
            gotCells << s.cell;
        }
        QCOMPARE(gotLefts, lefts);
        QCOMPARE(gotCells, cells);
    }

    void bannerTips()
    {
        QCOMPARE(bannerTip(0), QStringLiteral("Click here to start playing"));
        QCOMPARE(bannerTip(1), QStringLiteral("Click here to replay"));
        QCOMPARE(bannerTip(2), QStringLiteral("Click here to play again"));
        QCOMPARE(bannerTip(3), QStringLiteral("Click here to play again"));
        QCOMPARE(bannerTip(4), QStringLiteral("Click here to cancel this game"));
        QVERIFY(bannerTip(5).isNull()); // the blank banner keeps the tip it had
    }

    void difficulty_data()
    {
        QTest::addColumn<int>("exits");
        QTest::addColumn<QString>("exitText");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("secondsText");
        QTest::newRow("lowest") << 0 << "1 Ultra Hard!" << 0 << "10 Mission Impossible!";
        QTest::newRow("1") << 1 << "1 Ultra Hard!" << 10 << "10 Mission Impossible!";
        QTest::newRow("2") << 2 << "2 Medium" << 20 << "20 Think Faster!";
        QTest::newRow("3") << 3 << "3 Novice" << 30 << "30 Take it Easy";
        QTest::newRow("4") << 4 << "4 Kids Only" << 40 << "40 Sit Down and Relax";
        QTest::newRow("50") << 4 << "4 Kids Only" << 50 << "50 Walk the dog 1st!";
        QTest::newRow("no countdown") << 4 << "4 Kids Only" << 60 << "60 Time Stands Still!";
        QTest::newRow("highest") << 5 << "4 Kids Only" << 70 << "60 Time Stands Still!";
        QTest::newRow("start-up") << 4 << "4 Kids Only" << 1 << "10 Mission Impossible!";
    }
    void difficulty()
    {
        QFETCH(int, exits);
        QFETCH(QString, exitText);
        QFETCH(int, seconds);
        QFETCH(QString, secondsText);
        const qint16 e = clampExits(exits);
        const qint16 s = clampCountdown(seconds);
        QCOMPARE(QString::number(e) + u' ' + exitWord(e), exitText);
        QCOMPARE(QString::number(s) + u' ' + countdownWord(s), secondsText);
    }

    void blinkPhasesAlternate()
    {
        QCOMPARE(nextPhase(0), 1);
        QCOMPARE(nextPhase(1), 2);
        QCOMPARE(nextPhase(2), 1);
    }
    void bannerNames_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        const QString ranked = QStringLiteral("Your points is ranked #3 in the Top Ten");
        QTest::newRow("click to play")
            << 0 << 0 << QString() << "CLICK TO PLAY! Click here to start playing.";
        QTest::newRow("lost") << 1 << 0 << QString() << "SORRY! YOU LOST! Click here to replay.";
        QTest::newRow("won") << 2 << 120 << ranked
                             << "CONGRATS! YOU WON! Your points is ranked #3 in the Top Ten. "
                                "Click here to play again.";
        QTest::newRow("won, second pose")
            << 3 << 120 << ranked
            << "CONGRATS! YOU WON! Your points is ranked #3 in the Top Ten. Click here to play "
               "again.";
        QTest::newRow("won, before the line")
            << 2 << 120 << QString() << "CONGRATS! YOU WON! Click here to play again.";
        QTest::newRow("good luck")
            << 4 << 0 << QString()
            << "GOOD LUCK! ...YOU NEED LOTS OF 'EM. Click here to cancel this game.";
        QTest::newRow("score") << 5 << 120 << QString()
                               << "Score: 120 points. Click here to cancel this game.";
        QTest::newRow("a line only goes with a win")
            << 1 << 0 << ranked << "SORRY! YOU LOST! Click here to replay.";
    }
    void bannerNames()
    {
        QFETCH(int, cell);
        QFETCH(int, points);
        QFETCH(QString, line);
        QFETCH(QString, name);
        // The blank cell keeps the tip of the cell before it, as the window does.
        const QString tip =
            cell == banner::blank ? bannerTip(banner::goodLuck) : bannerTip(qint16(cell));
        QCOMPARE(bannerName(qint16(cell), points, line, tip), name);
    }

    void spokenNumbers()
    {
        QCOMPARE(scoreName(10), QStringLiteral("Score: 10 points"));
        QCOMPARE(scoreName(32767), QStringLiteral("Score: 32767 points"));
        QCOMPARE(countdownName(50), QStringLiteral("The car leaves in 50 seconds"));
        QCOMPARE(countdownName(1), QStringLiteral("The car leaves in 1 second"));
        QCOMPARE(countdownName(0), QStringLiteral("The car leaves in under a second"));
        QCOMPARE(topTenRowName(1, QStringLiteral("Racer"), 230),
                 QStringLiteral("Rank 1: Racer, 230 points"));
        QCOMPARE(topTenRowName(10, QString(), 0), QStringLiteral("Rank 10: no name, 0 points"));
        QCOMPARE(topTenRowName(2, QStringLiteral("%1 %2"), 1),
                 QStringLiteral("Rank 2: %1 %2, 1 point"));
    }
};

ROADSHIFT_TEST_RULES_MAIN(TestUi)
#include "test_ui.moc"
