// What the game says, without a display: place readings, the road trace, the announcement rules.
#include "boardfixture.h"
#include "car/drive.h"
#include "car/roadopening.h"
#include "core/placenames.h"
#include "roadtest.h"
#include "speech/announcements.h"
#include "speech/spokennames.h"

#include <algorithm>

Q_DECLARE_METATYPE(Side)
Q_DECLARE_METATYPE(Verbosity)
Q_DECLARE_METATYPE(Weight)

class TestSpeech : public QObject
{
    Q_OBJECT

    static QStringList sides() { return {"left", "right", "up", "down"}; }

  private slots:
    // A reading names exactly the sides the car's traversal rule lets it in through.
    void readingNamesOpenSides_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Side>("side");
        for (int t : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12})
            for (Side s : {Side::Left, Side::Right, Side::Up, Side::Down})
                QTest::addRow("type %d, %s", t, qPrintable(sideWord(s))) << t << s;
    }
    void readingNamesOpenSides()
    {
        QFETCH(int, type);
        QFETCH(Side, side);
        const QStringList words = tileWords(qint16(type)).split(u' ');
        // Exit pictures 9 and 10 stand for the exit while it blinks or flashes.
        const qint16 rule = type == 9 || type == 10 ? tile::exit : qint16(type);
        const bool open = connectionFor(side, rule).has_value();
        const bool acrossSide = side == Side::Left || side == Side::Right;
        const bool said = words.contains(sideWord(side)) || words.contains("crossing") ||
                          words.contains("exit") || (words.contains("across") && acrossSide);
        QCOMPARE(said, open);
    }

    // The sides of a road piece are said in one order everywhere: up, right, down, left.
    void sidesInOneOrder()
    {
        const QStringList order = {"up", "right", "down", "left"};
        for (int t = tile::straightLR; t <= tile::curveLU; ++t) {
            QList<qsizetype> at;
            for (const QString &w : tileWords(qint16(t)).split(u' '))
                if (order.contains(w)) at << order.indexOf(w);
            QVERIFY2(std::is_sorted(at.begin(), at.end()), qPrintable(tileWords(qint16(t))));
        }
    }

    void readings_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("car");
        QTest::addColumn<QString>("reading");
        QTest::newRow("curve") << 10 << 5 << false << "curve down left, row 2, column 2";
        QTest::newRow("empty") << 12 << 0 << false << "empty, row 2, column 4";
        QTest::newRow("tent") << 48 << 12 << false << "tent, row 6, column 8";
        QTest::newRow("crossing") << 8 << 3 << false << "crossing, row 1, column 8";
        QTest::newRow("exit") << 41 << 11 << false << "exit, row 6, column 1";
        QTest::newRow("car") << 1 << 1 << true << "straight across, row 1, column 1, car here";
    }
    void readings()
    {
        QFETCH(int, place);
        QFETCH(int, type);
        QFETCH(bool, car);
        QFETCH(QString, reading);
        QCOMPARE(placeName(qint16(place), qint16(type), car), reading);
    }

    // Every tile type reads differently, so a player can tell all of them apart by ear.
    void tilesReadApart()
    {
        QSet<QString> seen;
        for (int t : {0, 1, 2, 3, 4, 5, 6, 7, 11, 12})
            seen.insert(tileWords(qint16(t)));
        QCOMPARE(seen.size(), 10);
    }

    // A row and a column with their places numbered, and short enough to plan by: a row of
    // eight curves, the longest there is, stays near 30 words.
    void rowAndColumn()
    {
        const Board b =
            boardFrom({"15E00000", "T0000000", "00000000", "00000000", "00000000", "46754675"});
        QCOMPARE(rowReading(b, 1, 2).section(u';', 0, 2),
                 QStringLiteral("row 1: 1 straight across; 2 curve down left, car; 3 exit"));
        QCOMPARE(columnReading(b, 1, 0).section(u';', 0, 1),
                 QStringLiteral("column 1: 1 straight across; 2 tent"));
        QCOMPARE(columnReading(b, 3, 0).section(u';', 5, 5), QStringLiteral(" 6 curve up left"));
        const QString curves = rowReading(b, 6, 0);
        QVERIFY2(curves.split(u' ').size() <= 34, qPrintable(curves));
        QVERIFY(curves.startsWith("row 6: 1 curve right down; 2 curve up right; 3 curve up left; "
                                  "4 curve down left; 5 curve right down"));
    }

    // The trace from START (place 1 from the left) over small boards.
    void trace_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("said");
        const QString rest = "00000000";
        QTest::newRow("open road off the board")
            << QStringList{"11111111", rest, rest, rest, rest, rest}
            << "The road leaves the board at row 1, column 8, heading right, after 8 tiles";
        QTest::newRow("dead end") << QStringList{"11121111", rest, rest, rest, rest, rest}
                                  << "Blocked at row 1, column 4 after 3 tiles: straight up down, "
                                     "closed to a car heading right";
        QTest::newRow("tent") << QStringList{"1115T000", "000T0000", rest, rest, rest, rest}
                              << "Blocked by the tent at row 2, column 4, after 4 tiles";
        QTest::newRow("empty place") << QStringList{"11011111", rest, rest, rest, rest, rest}
                                     << "Blocked by the empty place at row 1, column 3, after 2 "
                                        "tiles";
        // Through the crossing twice, along and then across, and out at the top.
        QTest::newRow("crossing")
            << QStringList{"1350E000", "0670E000", rest, rest, rest, rest}
            << "The road leaves the board at row 1, column 2, heading up, after 6 tiles";
        QTest::newRow("exit") << QStringList{"1135E000", "000E0000", rest, rest, rest, rest}
                              << "The road reaches the exit at row 2, column 4 after 4 tiles";
        QTest::newRow("closed at once") << QStringList{"21111111", rest, rest, rest, rest, rest}
                                        << "Blocked at once at row 1, column 1: straight up down, "
                                           "closed to a car heading right";
        QTest::newRow("one tile") << QStringList{"12111111", rest, rest, rest, rest, rest}
                                  << "Blocked at row 1, column 2 after 1 tile: straight up down, "
                                     "closed to a car heading right";
        // Down the last column and off the board's bottom edge at place 48.
        QTest::newRow("off at 48")
            << QStringList{"11111115", "00000002", "00000002", "00000002", "00000002", "00000002"}
            << "The road leaves the board at row 6, column 8, heading down, "
               "after 13 tiles";
    }
    void trace()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, said);
        const Board b = boardFrom(rows);
        const RoadTrace t = traceRoad(b, 1, Side::Left);
        QCOMPARE(traceSentence(t, b.blocktype[t.blocked]), said);
    }

    // A ring laid around a driving car: the trace from its next place comes back round.
    void traceLoop()
    {
        const QString rest = "00000000";
        const Board b = boardFrom({rest, "00450000", "00670000", rest, rest, rest});
        const RoadTrace t = traceRoad(b, 12, Side::Left);
        QCOMPARE(t.end, RoadEnd::Loop);
        QCOMPARE(traceSentence(t, b.blocktype[t.blocked]),
                 QStringLiteral("The road runs 4 tiles, then loops back to row 2, column 4"));
    }

    // What one move would open the road where it stops, over small boards; "T" fills the rest
    // so that only the tiles laid out can move. The car stands on `car` (0: at START).
    void opening_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("car");
        QTest::addColumn<QString>("said");
        const QString tents = "TTTTTTTT";
        const QString hole = "TTTTTTT0"; // the empty place out of the way, at place 48
        QTest::newRow("turn once to an exit")
            << QStringList{"1112ETTT", tents, tents, tents, tents, hole} << 0
            << "Turn it once with R; then the road reaches the exit at row 1, column 5";
        QTest::newRow("turn twice")
            << QStringList{"116TTTTT", "TTETTTTT", tents, tents, tents, hole} << 0
            << "Turn it twice with R; then the road reaches the exit at row 2, column 3";
        // The last tile leads off the top edge: one turn back brings the road down to the exit.
        QTest::newRow("turn back off the board")
            << QStringList{"117TTTTT", "TTETTTTT", tents, tents, tents, hole} << 0
            << "Turn it back with Shift+R; then the road reaches the exit at row 2, column 3";
        QTest::newRow("slide in")
            << QStringList{"110TTTTT", "TT1TTTTT", tents, tents, tents, tents} << 0
            << "Slide in the tile from row 2, column 3: straight across; then the road runs 3 "
               "tiles and stops at row 1, column 4";
        QTest::newRow("nothing slides in")
            << QStringList{"110TTTTT", tents, tents, tents, tents, tents} << 0 << "";
        // The only tile that would join is the one the car stands on.
        QTest::newRow("not the car's tile")
            << QStringList{"110TTTTT", "TT1TTTTT", tents, tents, tents, tents} << 11 << "";
        QTest::newRow("tent")
            << QStringList{"11TTTTTT", "TT1TTTTT", tents, tents, tents, hole} << 0
            << "Press the tent: it jumps to the empty place at row 6, column 8; then slide in the "
               "tile from row 2, column 3: straight across";
    }
    void opening()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, car);
        QFETCH(QString, said);
        const Board b = boardFrom(rows);
        const RoadTrace t = traceRoad(b, 1, Side::Left);
        QCOMPARE(openingSentence(findOpening(b, 1, Side::Left, t, qint16(car)), b, "Shift+R"),
                 said);
    }

    // After a move, the word on the road's new end; off the board at once it names no place.
    void roadNews_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("said");
        const QString rest = "00000000";
        QTest::newRow("exit") << QStringList{"1135E000", "000E0000", rest, rest, rest, rest}
                              << "Road reaches the exit at row 2, column 4!";
        QTest::newRow("blocked") << QStringList{"11121111", rest, rest, rest, rest, rest}
                                 << "Road now 3 tiles; stops at row 1, column 4";
        QTest::newRow("one tile") << QStringList{"12111111", rest, rest, rest, rest, rest}
                                  << "Road now 1 tile; stops at row 1, column 2";
    }
    void roadNews()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, said);
        QCOMPARE(roadNewsSentence(traceRoad(boardFrom(rows), 1, Side::Left)), said);
    }

    // Sentences whose numbers and places must not trade sides.
    void sentences_data()
    {
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rank 10") << winSentence(120, 10)
                                 << "You won! 120 points, rank 10 in the top ten";
        QTest::newRow("rank 11") << winSentence(120, 11)
                                 << "You won! 120 points, not in the top ten";
        QTest::newRow("tent jump")
            << tentJumpSentence(9, 48)
            << "Tent jumped to row 6, column 8; the empty place is here now, "
               "at row 2, column 1";
        QTest::newRow("new game")
            << newGameSentence({7, 42}, 50)
            << "New game; the car leaves in 50 seconds. Exit 1: row 1, column 7. Exit 2: row 6, "
               "column 2";
        QTest::newRow("one exit") << newGameSentence({48}, 60)
                                  << "New game; the car waits until you press G. Exit: row 6, "
                                     "column 8";
        QTest::newRow("car driving") << carSentence(CarState::Driving, 20, Side::Up, -1)
                                     << "Car at row 3, column 4, heading up";
        QTest::newRow("intro place") << introPlaceName(16) << "no game yet, row 2, column 8";
    }
    void sentences()
    {
        QFETCH(QString, said);
        QFETCH(QString, expected);
        QCOMPARE(said, expected);
    }

    // The trace agrees with the drive: wherever the trace says the road ends, the car ends.
    void traceMatchesDrive_data() { trace_data(); }
    void traceMatchesDrive()
    {
        QFETCH(QStringList, rows);
        const Board b = boardFrom(rows);
        const RoadTrace t = traceRoad(b, 1, Side::Left);
        Car car;
        Outcome o = car.reentry(b, 1, Side::Left);
        int tiles = 0;
        while (o == Outcome::Drive && tiles < 100) {
            ++tiles;
            o = car.reentry(b, car.nextblock, car.nextentry);
        }
        QCOMPARE(o == Outcome::Win, t.end == RoadEnd::Exit);
        QCOMPARE(tiles, t.tiles);
    }

    void loss_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("said");
        const QString rest = "00000000";
        QTest::newRow("tent") << QStringList{"11T00000", rest, rest, rest, rest, rest}
                              << "You lost: the car ran into a tent at row 1, column 3";
        QTest::newRow("off the board") << QStringList{"11111111", rest, rest, rest, rest, rest}
                                       << "You lost: the car left the board at row 1, column 8, "
                                          "heading right";
        QTest::newRow("closed") << QStringList{"12000000", rest, rest, rest, rest, rest}
                                << "You lost: row 1, column 2 is closed to a car heading right";
    }
    void loss()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, said);
        QCOMPARE(lossSentence(traceRoad(boardFrom(rows), 1, Side::Left)), said);
    }

    void announcements_data()
    {
        QTest::addColumn<Verbosity>("verbosity");
        QTest::addColumn<Weight>("weight");
        QTest::addColumn<bool>("first");  // said the first time
        QTest::addColumn<bool>("second"); // said again right after
        QTest::newRow("full chatter") << Verbosity::Full << Weight::Chatter << true << false;
        QTest::newRow("full event") << Verbosity::Full << Weight::Event << true << false;
        QTest::newRow("full answer") << Verbosity::Full << Weight::Answer << true << true;
        QTest::newRow("brief chatter") << Verbosity::Brief << Weight::Chatter << false << false;
        QTest::newRow("brief event") << Verbosity::Brief << Weight::Event << true << false;
        QTest::newRow("brief answer") << Verbosity::Brief << Weight::Answer << true << true;
        QTest::newRow("silent event") << Verbosity::Silent << Weight::Event << false << false;
        QTest::newRow("silent answer") << Verbosity::Silent << Weight::Answer << false << false;
        QTest::newRow("silent setting") << Verbosity::Silent << Weight::Setting << true << true;
    }
    void announcements()
    {
        QFETCH(Verbosity, verbosity);
        QFETCH(Weight, weight);
        QFETCH(bool, first);
        QFETCH(bool, second);
        Announcements a;
        a.verbosity = verbosity;
        QCOMPARE(!a.pass("Paused", weight).isEmpty(), first);
        QCOMPARE(!a.pass("Paused", weight).isEmpty(), second);
    }

    // Only the same sentence twice running is held back; it may come again after another.
    void repeatAfterAnother()
    {
        Announcements a;
        QCOMPARE(a.pass("3 seconds", Weight::Chatter), QStringLiteral("3 seconds"));
        QCOMPARE(a.pass("The car is off", Weight::Event), QStringLiteral("The car is off"));
        QCOMPARE(a.pass("3 seconds", Weight::Chatter), QStringLiteral("3 seconds"));
    }

    void verbosityRoundTrip()
    {
        Announcements a;
        QStringList keys;
        for (int i = 0; i < 3; ++i) {
            a.nextVerbosity();
            keys << verbosityKey(a.verbosity);
            QCOMPARE(verbosityFromKey(keys.last()), a.verbosity);
        }
        QCOMPARE(keys, QStringList({"brief", "silent", "full"}));
        QCOMPARE(verbosityFromKey("loud"), Verbosity::Full);
    }
};

ROADSHIFT_TEST_RULES_MAIN(TestSpeech)
#include "test_speech.moc"
