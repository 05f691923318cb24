// The score row's layout, the banner's tips and the difficulty words.
#include "roadtest.h"
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
        QTest::newRow("highest") << 5 << "4 Kids Only" << 60 << "50 Walk the dog 1st!";
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
};

ROADSHIFT_TEST_RULES_MAIN(TestUi)
#include "test_ui.moc"
