// Presses on tiles: slides, obstacle jumps, turns and refusals.
#include "board/cursor.h"
#include "board/moves.h"
#include "boardfixture.h"
#include "roadtest.h"

class TestBoard : public QObject
{
    Q_OBJECT

    // Empty place at 20, tents at 2 and 47, an exit at 28, the corner 48 a road.
    static Board fixture()
    {
        return boardFrom({"1T111111", //
                          "11111111", //
                          "11101111", //
                          "111E1111", //
                          "11111111", //
                          "1111112T"});
    }

  private slots:
    void leftPresses_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("carblock");
        QTest::addColumn<int>("block1");
        QTest::addColumn<int>("block2");
        QTest::addColumn<bool>("refused");
        QTest::newRow("left neighbour slides right") << 19 << 0 << 19 << 20 << false;
        QTest::newRow("right neighbour slides left") << 21 << 0 << 21 << 20 << false;
        QTest::newRow("above slides down") << 12 << 0 << 12 << 20 << false;
        QTest::newRow("below slides up") << 28 << 0 << 28 << 20 << false;
        QTest::newRow("the empty place itself") << 20 << 0 << 0 << 0 << false;
        QTest::newRow("diagonal") << 11 << 0 << 0 << 0 << false;
        QTest::newRow("two away") << 22 << 0 << 0 << 0 << false;
        QTest::newRow("far tent jumps") << 2 << 0 << 2 << 20 << false;
        QTest::newRow("corner tent jumps") << 48 << 0 << 48 << 20 << false;
        QTest::newRow("car's tile refused") << 19 << 19 << 0 << 0 << true;
        QTest::newRow("car elsewhere") << 19 << 5 << 19 << 20 << false;
        QTest::newRow("edge tile, nothing off board") << 8 << 0 << 0 << 0 << false;
        QTest::newRow("spare box") << 0 << 0 << 0 << 0 << false;
    }
    void leftPresses()
    {
        QFETCH(int, place);
        QFETCH(int, carblock);
        QFETCH(int, block1);
        QFETCH(int, block2);
        QFETCH(bool, refused);
        const PressResult r =
            decidePress(fixture(), qint16(place), MouseButton::Left, qint16(carblock), true);
        QCOMPARE(r.block1, block1);
        QCOMPARE(r.block2, block2);
        QCOMPARE(r.refused, refused);
        QVERIFY(!r.rotate);
    }

    void otherPresses()
    {
        const Board b = fixture();
        QVERIFY(decidePress(b, 19, MouseButton::Right, 19, true).rotate); // even the car's tile
        const PressResult other = decidePress(b, 19, MouseButton::Other, 0, true);
        QVERIFY(!other.rotate && !other.refused && other.block1 == 0);
        for (MouseButton button : {MouseButton::Left, MouseButton::Right}) {
            const PressResult idle = decidePress(b, 19, button, 19, false);
            QVERIFY(!idle.rotate && !idle.refused && idle.block1 == 0);
        }
    }

    // A tent on the car's place is refused and still jumps: the two tests are independent.
    void refusalAndJumpTogether()
    {
        const PressResult r = decidePress(fixture(), 2, MouseButton::Left, 2, true);
        QVERIFY(r.refused);
        QCOMPARE(r.block1, 2);
        QCOMPARE(r.block2, 20);
    }

    void swapCarriesTypeAndExit()
    {
        Board b = fixture();
        ExitList exits{};
        exits[1] = 5;
        exits[2] = 28;
        swapTypes(b, 28, 20);
        carryExit(exits, 28, 20);
        QCOMPARE(b.blocktype[20], tile::exit);
        QCOMPARE(b.blocktype[28], tile::empty);
        QCOMPARE(b.emptyblock, 28);
        QCOMPARE(exits[1], 5);
        QCOMPARE(exits[2], 20);
        // Every entry follows its tile, also one past the number of exits chosen for the
        // next game, so the list never names a place its exit has left.
        exits[4] = 21;
        carryExit(exits, 21, 28);
        QCOMPARE(exits[4], 28);
    }

    // Arrows walk the cursor, clamped at every edge; the first arrow only shows it.
    void cursorMoves_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("to");
        QTest::newRow("first arrow only shows") << 1 << "R" << 1;
        QTest::newRow("right and down") << 1 << "RRD" << 10;
        QTest::newRow("left edge") << 17 << "RLLL" << 17;
        QTest::newRow("top edge") << 3 << "RUU" << 3;
        QTest::newRow("right edge, no wrap to next row") << 8 << "RRR" << 8;
        QTest::newRow("bottom edge") << 44 << "DDD" << 44;
        QTest::newRow("corner to corner") << 1 << "RRRRRRRRDDDDDD" << 48;
        QTest::newRow("back up a column") << 48 << "RUUUUUUU" << 8;
    }
    void cursorMoves()
    {
        QFETCH(int, from);
        QFETCH(QString, keys);
        QFETCH(int, to);
        BoardCursor c;
        c.place = qint16(from);
        for (QChar k : keys) {
            c.move(k == u'R'   ? CursorMove::Right
                   : k == u'L' ? CursorMove::Left
                   : k == u'U' ? CursorMove::Up
                               : CursorMove::Down);
            QVERIFY(c.shown);
        }
        QCOMPARE(c.place, to);
    }

    // A key on a hidden cursor shows it and does nothing else; a mouse press hides it where the
    // mouse was, and only real places count.
    void cursorShowsAndHides()
    {
        BoardCursor c;
        QCOMPARE(c.place, 1);
        QVERIFY(!c.shown);
        QVERIFY(!c.reveal());
        QVERIFY(c.reveal());
        c.pointedAt(30);
        QVERIFY(!c.shown);
        QCOMPARE(c.place, 30);
        c.move(CursorMove::Left);
        QCOMPARE(c.place, 30);
        c.pointedAt(0);
        QCOMPARE(c.place, 30);
        c.pointedAt(49);
        QCOMPARE(c.place, 30);
    }
};

ROADSHIFT_TEST_RULES_MAIN(TestBoard)
#include "test_board.moc"
