// The board model, the tile catalogue and the deal of a new game.
#include "boardfixture.h"
#include "core/commandline.h"
#include "core/newgame.h"
#include "core/placenames.h"
#include "roadtest.h"

#include <set>

class TestCore : public QObject
{
    Q_OBJECT

    static Board built()
    {
        Board b;
        b.buildCurves();
        b.buildPlaces();
        return b;
    }

  private slots:
    void curveTablesDecode()
    {
        const Board b = built();
        const QList<int> ax = {3,  4,  6,  7,  9,  10, 12, 13, 14, 15, 17, 18, 19, 20, 21,
                               22, 23, 24, 25, 26, 26, 27, 28, 28, 29, 29, 29, 30, 30, 30};
        const QList<int> ay = {1,  1,  1,  2,  2,  2,  3,  4,  4,  5,  6,  7,  7,  8,  9,
                               10, 11, 12, 14, 15, 16, 17, 19, 20, 21, 23, 24, 26, 27, 29};
        for (int i = 1; i <= 30; ++i) {
            QCOMPARE(b.arcx[i], ax[i - 1]);
            QCOMPARE(b.arcy[i], ay[i - 1]);
        }
        QCOMPARE(b.rotatemap, QStringLiteral("2135746"));
    }

    void neighbours_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<QList<int>>("lrud");
        QTest::newRow("1") << 1 << QList<int>{0, 2, 0, 9};
        QTest::newRow("48") << 48 << QList<int>{47, 0, 40, 0};
        QTest::newRow("9") << 9 << QList<int>{0, 10, 1, 17};
        QTest::newRow("16") << 16 << QList<int>{15, 0, 8, 24};
        QTest::newRow("8") << 8 << QList<int>{7, 0, 0, 16};
        QTest::newRow("41") << 41 << QList<int>{0, 42, 33, 0};
        QTest::newRow("20") << 20 << QList<int>{19, 21, 12, 28};
    }
    void neighbours()
    {
        QFETCH(int, place);
        QFETCH(QList<int>, lrud);
        const Board b = built();
        QCOMPARE((QList<int>{b.blockleft[place], b.blockright[place], b.blockup[place],
                             b.blockdown[place]}),
                 lrud);
    }

    void placesAndSentinel()
    {
        const Board b = built();
        QCOMPARE(b.blocktype[0], tile::straightLR);
        QCOMPARE(b.blockx[0], 0);
        QCOMPARE(b.blocky[0], 0);
        QCOMPARE(b.blockx[1], 35);
        QCOMPARE(b.blocky[1], 10);
        QCOMPARE(b.blockx[10], 95);
        QCOMPARE(b.blocky[10], 70);
        QCOMPARE(b.blockx[48], 455);
        QCOMPARE(b.blocky[48], 310);
        QCOMPARE(b.blockgrid[3][2], 11);
        QCOMPARE(b.blockgrid[0][1], 0);
        QCOMPARE(b.blockgrid[9][6], 0);
    }

    void paths_data()
    {
        QTest::addColumn<QString>("connection");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("lr 1") << "lr" << 1 << 2 << 30;
        QTest::newRow("lr 30") << "lr" << 30 << 60 << 30;
        QTest::newRow("rl 1") << "rl" << 1 << 59 << 30;
        QTest::newRow("rl 30") << "rl" << 30 << 1 << 30;
        QTest::newRow("ud 15") << "ud" << 15 << 30 << 30;
        QTest::newRow("du 30") << "du" << 30 << 30 << 1;
        QTest::newRow("lu 30") << "lu" << 30 << 30 << 1;
        QTest::newRow("dl 1") << "dl" << 1 << 29 << 57;
        QTest::newRow("rd 30") << "rd" << 30 << 30 << 59;
        QTest::newRow("ld 1") << "ld" << 1 << 3 << 31;
        QTest::newRow("ld 29") << "ld" << 29 << 30 << 57;
        QTest::newRow("ur 30") << "ur" << 30 << 59 << 30;
        QTest::newRow("ru 30") << "ru" << 30 << 30 << 1;
        QTest::newRow("ul 30") << "ul" << 30 << 1 << 30;
        QTest::newRow("dr 30") << "dr" << 30 << 59 << 30;
    }
    void paths()
    {
        QFETCH(QString, connection);
        QFETCH(int, step);
        QFETCH(int, x);
        QFETCH(int, y);
        const Board b = built();
        for (int c = 0; c < connectionCount; ++c) {
            if (connectionName(Connection(c)) != connection) continue;
            QCOMPARE(b.tilepath[c][step], (PathPoint{qint16(x), qint16(y)}));
            return;
        }
        QFAIL("no such connection");
    }

    // Every path starts next to its entry edge, ends on its exit edge and moves smoothly.
    void pathsJoinTheirEdges()
    {
        const Board b = built();
        for (int c = 0; c < connectionCount; ++c) {
            const Path &p = b.tilepath[c];
            const QString name = connectionName(Connection(c));
            auto edgeDistance = [](QChar side, PathPoint pt) {
                switch (side.unicode()) {
                case u'l':
                    return int(pt.x);
                case u'r':
                    return 60 - pt.x;
                case u'u':
                    return int(pt.y);
                default:
                    return 60 - pt.y;
                }
            };
            QVERIFY2(edgeDistance(name[0], p[1]) <= 3, qPrintable(name));
            QVERIFY2(edgeDistance(name[1], p[30]) <= 1, qPrintable(name));
            for (int i = 2; i <= 30; ++i)
                QVERIFY2(qAbs(p[i].x - p[i - 1].x) + qAbs(p[i].y - p[i - 1].y) <= 3,
                         qPrintable(name));
        }
    }

    void introLayoutDecodes()
    {
        const auto t = introLayout();
        std::array<qint16, tableSize> types{};
        std::copy(t.begin(), t.end(), types.begin());
        QCOMPARE(rowsOf(types), (QStringList{"11111115", "54115452", "26547637", "2T224565",
                                             "61767617", "TTTTTTTT"}));
    }

    void setblockKeepsEmptyblock()
    {
        Board b = built();
        b.setblock(20, tile::empty);
        QCOMPARE(b.emptyblock, 20);
        b.setblock(20, 5);
        QCOMPARE(b.blocktype[20], 5);
        QCOMPARE(b.emptyblock, 20);
        b.setblock(101, tile::empty); // outside the tables: ignored
        QCOMPARE(b.emptyblock, 20);
    }

    void traversal_data()
    {
        QTest::addColumn<QString>("side");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("expected"); // "" for no way through
        const QStringList sides = {"l", "r", "u", "d"};
        // Open sides of each type; a car entering side s of a tile open on s leaves by the
        // other open side, or straight on for the crossing and the exit.
        const std::map<int, QString> open = {{1, "lr"}, {2, "ud"}, {4, "rd"},
                                             {5, "ld"}, {6, "ur"}, {7, "lu"}};
        const std::map<QString, QString> across = {{"l", "r"}, {"r", "l"}, {"u", "d"}, {"d", "u"}};
        for (const QString &s : sides) {
            for (int type = 0; type <= 12; ++type) {
                QString expected;
                if (type == 3 || type == 11)
                    expected = s + across.at(s);
                else if (open.count(type) && open.at(type).contains(s))
                    expected = s + QString(open.at(type)).remove(s);
                QTest::addRow("%s into %d", qPrintable(s), type) << s << type << expected;
            }
        }
    }
    void traversal()
    {
        QFETCH(QString, side);
        QFETCH(int, type);
        QFETCH(QString, expected);
        const auto c = connectionFor(sideFromLetter(side[0]), qint16(type));
        QCOMPARE(c ? connectionName(*c) : QString(), expected);
    }

    void rotation_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        const int turns[][2] = {{1, 2}, {2, 1}, {3, 3}, {4, 5},   {5, 7},  {6, 4},
                                {7, 6}, {0, 0}, {9, 9}, {11, 11}, {12, 12}};
        for (auto [b, a] : turns)
            QTest::addRow("%d", b) << b << a;
    }
    void rotation()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QCOMPARE(rotated(qint16(before)), after);
        qint16 t = qint16(before);
        for (int i = 0; i < 4; ++i)
            t = rotated(t);
        QCOMPARE(t, before);
    }

    // A quarter turn clockwise turns each open side clockwise: l->u, u->r, r->d, d->l.
    void rotationTurnsOpenSides()
    {
        const auto turn = [](Side s) {
            switch (s) {
            case Side::Left:
                return Side::Up;
            case Side::Up:
                return Side::Right;
            case Side::Right:
                return Side::Down;
            default:
                return Side::Left;
            }
        };
        for (qint16 t = 1; t <= 7; ++t) {
            for (Side s : {Side::Left, Side::Right, Side::Up, Side::Down}) {
                const bool openBefore = connectionFor(s, t).has_value();
                const bool openAfter = connectionFor(turn(s), rotated(t)).has_value();
                QCOMPARE(openAfter, openBefore);
            }
        }
    }

    void roundsHalfToEven_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<qint64>("n");
        QTest::newRow("0.5") << 0.5 << qint64(0);
        QTest::newRow("1.5") << 1.5 << qint64(2);
        QTest::newRow("2.5") << 2.5 << qint64(2);
        QTest::newRow("3.5") << 3.5 << qint64(4);
        QTest::newRow("2.49") << 2.49 << qint64(2);
        QTest::newRow("2.51") << 2.51 << qint64(3);
        QTest::newRow("6.9") << 6.9 << qint64(7);
        QTest::newRow("0") << 0.0 << qint64(0);
    }
    void roundsHalfToEven()
    {
        QFETCH(double, v);
        QFETCH(qint64, n);
        QCOMPARE(roundHalfEven(v), n);
    }

    void randomIsUniformAndRepeatable()
    {
        Random a, b;
        std::array<int, 10> buckets{};
        for (int i = 0; i < 100000; ++i) {
            const double r = a.next();
            QCOMPARE(r, b.next());
            QVERIFY(r >= 0.0 && r < 1.0);
            ++buckets[int(r * 10)];
        }
        for (int count : buckets)
            QVERIFY2(count > 9500 && count < 10500, qPrintable(QString::number(count)));
    }

    // The first board of every run, on every platform.
    void firstDealIsPinned()
    {
        Random rng;
        Board b = built();
        const auto dealt = dealTypes(rng);
        for (qint16 n = 1; n <= placeCount; ++n)
            b.setblock(n, dealt[n]);
        QList<int> exits;
        for (int k = 1; k <= 4; ++k) {
            const qint16 p = drawExitPlace(rng, b);
            b.setblock(p, tile::exit);
            exits << p;
        }
        b.setblock(12, tile::empty);
        QCOMPARE(rowsOf(b.blocktype), (QStringList{"1533T543", "25207657", "2T363472", "275241E6",
                                                   "2T66623T", "7EE65E76"}));
        QCOMPARE(exits, (QList<int>{42, 31, 46, 43}));
    }

    void dealsKeepTheirRules()
    {
        Random rng;
        std::set<int> exitPlaces;
        std::array<int, 13> typeCounts{};
        for (int game = 0; game < 2000; ++game) {
            Board b = built();
            const auto dealt = dealTypes(rng);
            QCOMPARE(dealt[1], tile::straightLR);
            for (qint16 n = 1; n <= placeCount; ++n) {
                const qint16 t = dealt[n];
                QVERIFY((t >= 1 && t <= 7) || t == tile::obstacle);
                ++typeCounts[t];
                b.setblock(n, t);
            }
            std::set<int> thisGame;
            for (int k = 1; k <= 4; ++k) {
                const qint16 p = drawExitPlace(rng, b);
                QVERIFY(p >= 2 && p <= 48);
                QVERIFY2(!exitExcluded(p), qPrintable(QString::number(p)));
                QVERIFY(thisGame.insert(p).second);
                b.setblock(p, tile::exit);
                exitPlaces.insert(p);
            }
        }
        // Every allowed place, 48 included, gets an exit sometimes; the start region never.
        const std::set<int> allowed = {7,  8,  14, 15, 16, 21, 22, 23, 24, 29, 30, 31, 32, 33, 34,
                                       35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48};
        QCOMPARE(exitPlaces, allowed);
        // Ends of the range come up half as often as the middle (1/14 against 1/7).
        QVERIFY(typeCounts[12] > 0 && typeCounts[12] < typeCounts[4] * 0.6);
        QVERIFY(typeCounts[2] > typeCounts[12] * 1.6);
    }

    void exclusionList_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<bool>("excluded");
        for (int p = 2; p <= 48; ++p) {
            const int c = (p - 1) % 8, r = (p - 1) / 8;
            const bool inStartRegion = (r == 0 && c <= 5) || (r == 1 && c <= 4) ||
                                       (r == 2 && c <= 3) || (r == 3 && c <= 3);
            QTest::addRow("%d", p) << p << inStartRegion;
        }
    }
    void exclusionList()
    {
        QFETCH(int, place);
        QFETCH(bool, excluded);
        QCOMPARE(exitExcluded(qint16(place)), excluded);
    }

    // The answers are checked as the player sees them: one exact line, or the usage first.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<CommandLineAction>("action");
        QTest::addColumn<QString>("text");
        const auto play = CommandLineAction::Play;
        const auto answer = CommandLineAction::Answer;
        const auto refuse = CommandLineAction::Refuse;
        const QString usage = QStringLiteral("Usage: roadshift [options]\n");
        const QString version = QStringLiteral("roadshift 1.00\n");
        QTest::newRow("none") << QStringList() << play << QString();
        QTest::newRow("empty word")
            << QStringList{""} << refuse
            << "roadshift: Unexpected argument ''. Try 'roadshift --help'.\n";
        QTest::newRow("--help") << QStringList{"--help"} << answer << usage;
        QTest::newRow("-h") << QStringList{"-h"} << answer << usage;
        QTest::newRow("--version") << QStringList{"--version"} << answer << version;
        QTest::newRow("-v") << QStringList{"-v"} << answer << version;
        QTest::newRow("help wins over version") << QStringList{"-v", "-h"} << answer << usage;
        QTest::newRow("unknown long")
            << QStringList{"--fast"} << refuse
            << "roadshift: Unknown option 'fast'. Try 'roadshift --help'.\n";
        QTest::newRow("unknown short")
            << QStringList{"-x"} << refuse
            << "roadshift: Unknown option 'x'. Try 'roadshift --help'.\n";
        QTest::newRow("value on a flag") << QStringList{"--version=2"} << refuse
                                         << "roadshift: Unexpected value after '--version'. Try "
                                            "'roadshift --help'.\n";
        QTest::newRow("unknown next to help") << QStringList{"--help", "--fast"} << refuse
                                              << "roadshift: Unknown option 'fast'. Try "
                                                 "'roadshift --help'.\n";
        QTest::newRow("a file") << QStringList{"board.txt"} << refuse
                                << "roadshift: Unexpected argument 'board.txt'. Try "
                                   "'roadshift --help'.\n";
        QTest::newRow("after --")
            << QStringList{"--", "-v"} << refuse
            << "roadshift: Unexpected argument '-v'. Try 'roadshift --help'.\n";
        QTest::newRow("a word with one dash")
            << QStringList{"-fullscreen"} << refuse
            << "roadshift: Unknown option 'fullscreen'. Try 'roadshift --help'.\n";

        // What any Qt program takes is left to Qt, with one dash or two, its value beside it.
        QTest::newRow("-platform") << QStringList{"-platform", "offscreen"} << play << QString();
        QTest::newRow("--platform") << QStringList{"--platform", "xcb"} << play << QString();
        QTest::newRow("-style, -platform")
            << QStringList{"-style", "fusion", "-platform", "offscreen"} << play << QString();
        QTest::newRow("-style=") << QStringList{"-style=fusion"} << play << QString();
        QTest::newRow("--stylesheet=") << QStringList{"--stylesheet=a.qss"} << play << QString();
        QTest::newRow("flags") << QStringList{"-reverse", "-widgetcount", "--nograb"} << play
                               << QString();
        QTest::newRow("window") << QStringList{"--qwindowgeometry", "300x200",
                                               "-qwindowtitle",     "Road",
                                               "-qwindowicon",      "road.png"}
                                << play << QString();
        QTest::newRow("X11") << QStringList{"-display", ":1",   "-geometry", "+10+10",
                                            "-title",   "Road", "-name",     "road",
                                            "-visual",  "0x21", "-session",  "1_2"}
                             << play << QString();
        QTest::newRow("plugins") << QStringList{"-platformtheme",
                                                "gtk3",
                                                "-platformpluginpath",
                                                "/opt",
                                                "-plugin",
                                                "evdevmouse",
                                                "-qmljsdebugger=port:1234",
                                                "-testability"}
                                 << play << QString();
        QTest::newRow("a value like an option")
            << QStringList{"-qwindowtitle", "--version"} << play << QString();
        QTest::newRow("-platform, --version")
            << QStringList{"-platform", "offscreen", "--version"} << answer << version;
        QTest::newRow("--help, -reverse") << QStringList{"--help", "-reverse"} << answer << usage;
        QTest::newRow("value missing")
            << QStringList{"-style"} << refuse
            << "roadshift: Missing value after '-style'. Try 'roadshift --help'.\n";
        QTest::newRow("joined value Qt does not read")
            << QStringList{"-platform=offscreen"} << refuse
            << "roadshift: Unknown option 'platform'. Try 'roadshift --help'.\n";
        QTest::newRow("near a Qt option")
            << QStringList{"-platforms", "offscreen"} << refuse
            << "roadshift: Unknown option 'platforms'. Try 'roadshift --help'.\n";
        QTest::newRow("unknown beside Qt's")
            << QStringList{"-platform", "offscreen", "--fast"} << refuse
            << "roadshift: Unknown option 'fast'. Try 'roadshift --help'.\n";
        QTest::newRow("a file after a Qt option")
            << QStringList{"-reverse", "board.txt"} << refuse
            << "roadshift: Unexpected argument 'board.txt'. Try 'roadshift --help'.\n";
    }

    void commandLine()
    {
        QFETCH(QStringList, options);
        QFETCH(CommandLineAction, action);
        QFETCH(QString, text);
        const CommandLine line = readCommandLine(QStringList{"/usr/bin/roadshift"} + options);
        QCOMPARE(line.action, action);
        if (action == CommandLineAction::Answer && text.startsWith(QLatin1String("Usage"))) {
            QVERIFY2(line.text.startsWith(text), qPrintable(line.text));
            QVERIFY(line.text.contains(QLatin1String("-h, --help")));
            QVERIFY(line.text.contains(QLatin1String("-v, --version")));
            QVERIFY(!line.text.contains(QLatin1String("<executable_name>")));
            QVERIFY(line.text.endsWith(QLatin1Char('\n')));
        } else {
            QCOMPARE(line.text, text);
        }
    }

    // Each of Qt's options takes the next word as its value, or takes none, as Qt reads it: a
    // flag leaves --version to be answered, an option with a value swallows it.
    void eachQtOption_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("takesValue");
        for (const char *flag : {"reverse", "widgetcount", "testability", "nograb", "dograb"})
            QTest::newRow(flag) << QString::fromLatin1(flag) << false;
        for (const char *valued :
             {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
              "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "qmljsdebugger",
              "geometry", "title", "icon", "display", "name", "visual"})
            QTest::newRow(valued) << QString::fromLatin1(valued) << true;
    }
    void eachQtOption()
    {
        QFETCH(QString, option);
        QFETCH(bool, takesValue);
        for (const QString &dashes : {QStringLiteral("-"), QStringLiteral("--")}) {
            const CommandLine line =
                readCommandLine({QStringLiteral("roadshift"), dashes + option, "--version"});
            QCOMPARE(line.action, takesValue ? CommandLineAction::Play : CommandLineAction::Answer);
        }
    }

    // Every type a place can hold, and the pictures that never stand in the table.
    void tileWords_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("words");
        const QStringList words = {"empty",
                                   "straight across",
                                   "straight up down",
                                   "crossing",
                                   "curve right down",
                                   "curve down left",
                                   "curve up right",
                                   "curve up left",
                                   "plain tile",
                                   "exit",
                                   "exit",
                                   "exit",
                                   "tent"};
        for (int t = 0; t <= 23; ++t) {
            const QString w = t < words.size() ? words[t]
                              : t == 23        ? QStringLiteral("START sign")
                                               : QStringLiteral("plain tile");
            QTest::addRow("%d", t) << t << w;
        }
    }
    void tileWords()
    {
        QFETCH(int, type);
        QFETCH(QString, words);
        QCOMPARE(::tileWords(qint16(type)), words);
        // A road piece's words name exactly the sides the car can enter it by.
        if (turns(qint16(type)) && type != tile::crossing) {
            const std::pair<Side, const char *> sides[] = {{Side::Left, "left"},
                                                           {Side::Right, "right"},
                                                           {Side::Up, "up"},
                                                           {Side::Down, "down"}};
            const bool across = words.contains(QLatin1String("across"));
            for (auto [side, word] : sides)
                QCOMPARE(words.contains(QLatin1String(word)) ||
                             (across && (side == Side::Left || side == Side::Right)),
                         connectionFor(side, qint16(type)).has_value());
        }
    }

    void placeNames()
    {
        QCOMPARE(placeName(1, tile::straightLR, false),
                 QStringLiteral("straight across, row 1, column 1"));
        QCOMPARE(placeName(11, tile::curveLD, false),
                 QStringLiteral("curve down left, row 2, column 3"));
        QCOMPARE(placeName(8, tile::empty, false), QStringLiteral("empty, row 1, column 8"));
        QCOMPARE(placeName(41, tile::obstacle, false), QStringLiteral("tent, row 6, column 1"));
        QCOMPARE(placeName(48, tile::exit, true),
                 QStringLiteral("exit, row 6, column 8, car here"));
        QCOMPARE(startSignName(true), QStringLiteral("START, the car waits here"));
        QCOMPARE(startSignName(false), QStringLiteral("START"));
    }
};

ROADSHIFT_TEST_RULES_MAIN(TestCore)
#include "test_core.moc"
