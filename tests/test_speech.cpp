// What the game says, without a display: place readings, the road trace, the announcement rules.
#include "boardfixture.h"
#include "car/drive.h"
#include "car/roadtrace.h"
#include "core/placenames.h"
#include "roadtest.h"
#include "speech/announcements.h"
#include "speech/spokennames.h"

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
        const QString words = tileWords(qint16(type));
        // Exit pictures 9 and 10 stand for the exit while it blinks or flashes.
        const qint16 rule = type == 9 || type == 10 ? tile::exit : qint16(type);
        const bool open = connectionFor(side, rule).has_value();
        const bool said = words.contains(QLatin1String("all sides")) ||
                          words.split(QRegularExpression("[ ,]+")).contains(sideWord(side));
        QCOMPARE(said, open);
    }

    void readings_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("car");
        QTest::addColumn<QString>("reading");
        QTest::newRow("curve") << 10 << 5 << false
                               << "curve, open to the left and down, row 2, column 2";
        QTest::newRow("empty") << 12 << 0 << false << "empty place, row 2, column 4";
        QTest::newRow("tent") << 48 << 12 << false << "tent, row 6, column 8";
        QTest::newRow("crossing") << 8 << 3 << false
                                  << "crossing, open on all sides, row 1, column 8";
        QTest::newRow("exit") << 41 << 11 << false << "exit, open on all sides, row 6, column 1";
        QTest::newRow("car") << 1 << 1 << true
                             << "straight, open to the left and right, row 1, column 1, car here";
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

    void rowAndColumn()
    {
        const Board b =
            boardFrom({"15E00000", "T0000000", "00000000", "00000000", "00000000", "00000000"});
        QCOMPARE(rowReading(b, 1, 2).section(u';', 0, 2),
                 QStringLiteral("row 1: straight, open to the left and right; curve, open to the "
                                "left and down, car here; exit, open on all sides"));
        QCOMPARE(columnReading(b, 1, 0).section(u';', 0, 1),
                 QStringLiteral("column 1: straight, open to the left and right; tent"));
    }

    // The trace from START (place 1 from the left) over small boards.
    void trace_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("said");
        const QString rest = "00000000";
        QTest::newRow("open road off the board")
            << QStringList{"11111111", rest, rest, rest, rest, rest}
            << "The road runs 8 tiles to row 1, column 8, then leaves the board facing right";
        QTest::newRow("dead end") << QStringList{"11121111", rest, rest, rest, rest, rest}
                                  << "The road runs 3 tiles to row 1, column 3, then ends facing "
                                     "right into a closed side";
        QTest::newRow("tent") << QStringList{"1115T000", "000T0000", rest, rest, rest, rest}
                              << "The road runs 4 tiles to row 1, column 4, then ends facing "
                                 "down into a tent";
        QTest::newRow("empty place") << QStringList{"11011111", rest, rest, rest, rest, rest}
                                     << "The road runs 2 tiles to row 1, column 2, then ends "
                                        "facing right into the empty place";
        // Through the crossing twice, along and then across, and out at the top.
        QTest::newRow("crossing")
            << QStringList{"1350E000", "0670E000", rest, rest, rest, rest}
            << "The road runs 6 tiles to row 1, column 2, then leaves the board facing up";
        QTest::newRow("exit") << QStringList{"1135E000", "000E0000", rest, rest, rest, rest}
                              << "The road reaches the exit at row 2, column 4 after 4 tiles";
        QTest::newRow("closed at once") << QStringList{"21111111", rest, rest, rest, rest, rest}
                                        << "The road ends at once, facing right into a closed "
                                           "side at row 1, column 1";
    }
    void trace()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, said);
        QCOMPARE(traceSentence(traceRoad(boardFrom(rows), 1, Side::Left)), said);
    }

    // A ring laid around a driving car: the trace from its next place comes back round.
    void traceLoop()
    {
        const QString rest = "00000000";
        const Board b = boardFrom({rest, "00450000", "00670000", rest, rest, rest});
        const RoadTrace t = traceRoad(b, 12, Side::Left);
        QCOMPARE(t.end, RoadEnd::Loop);
        QCOMPARE(traceSentence(t),
                 QStringLiteral("The road runs 4 tiles, then loops back to row 2, column 4"));
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
