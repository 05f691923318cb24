// What a screen reader reads from the real window: places, the car, controls, messages, top ten.
#include "core/placenames.h"
#include "gamewindow.h"
#include "roadtest.h"

#include <QAccessible>

#include <map>

using namespace roadtest;

class TestNamesWindow : public QObject
{
    Q_OBJECT

    static QString nameOf(QObject *o)
    {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
    }

    // The places whose names say the car is there.
    static QList<int> carPlaces(const MainWindow &w)
    {
        QList<int> places;
        for (int n = 1; n <= placeCount; ++n)
            if (nameOf(w.block[n]).endsWith(QLatin1String(", car here"))) places << n;
        return places;
    }

  private slots:
    void init() { roadtest::forgetGameSettings(); }
    void startUp()
    {
        MainWindow w;
        // The intro's tiles are a decoration, not a board to read.
        QCOMPARE(nameOf(w.block[1]), QStringLiteral("no game yet, row 1, column 1"));
        QCOMPARE(nameOf(w.block[23]), QStringLiteral("no game yet, row 3, column 7"));
        QCOMPARE(nameOf(w.block[41]), QStringLiteral("no game yet, row 6, column 1"));
        QCOMPARE(carPlaces(w), QList<int>{});
        QCOMPARE(nameOf(w.blockstart), QStringLiteral("START, the car waits here"));
        QCOMPARE(nameOf(w.bigmsg), QStringLiteral("CLICK TO PLAY! Click here to start playing."));
        for (int n = 1; n <= 10; ++n)
            QCOMPARE(nameOf(w.topname[n]), QStringLiteral("Rank %1: Racer, 0 points").arg(n));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("Cmd_el") << "Cmd_el"
                                << "fewer exits";
        QTest::newRow("Cmd_er") << "Cmd_er"
                                << "more exits";
        QTest::newRow("cmd_cl") << "cmd_cl"
                                << "shorter countdown";
        QTest::newRow("Cmd_cr") << "Cmd_cr"
                                << "longer countdown";
        QTest::newRow("namebox") << "namebox"
                                 << "Your name here";
        QTest::newRow("Label8") << "Label8"
                                << "START!";
        QTest::newRow("cmd_about") << "cmd_about"
                                   << "About Game";
        QTest::newRow("cmd_help") << "cmd_help"
                                  << "How to Play";
        QTest::newRow("cmd_exit") << "cmd_exit"
                                  << "Exit game";
    }
    void controls()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        MainWindow w;
        const std::map<QString, QWidget *> byName = {
            {"Cmd_el", w.Cmd_el},       {"Cmd_er", w.Cmd_er},     {"cmd_cl", w.cmd_cl},
            {"Cmd_cr", w.Cmd_cr},       {"namebox", w.namebox},   {"Label8", w.Label8},
            {"cmd_about", w.cmd_about}, {"cmd_help", w.cmd_help}, {"cmd_exit", w.cmd_exit}};
        QCOMPARE(nameOf(byName.at(control)), name);
    }

    // START! is met as a button, and its press action starts a game as a click does.
    void startIsAButton()
    {
        MainWindow w;
        QAccessibleInterface *start = QAccessible::queryAccessibleInterface(w.Label8);
        QVERIFY(start);
        QCOMPARE(start->role(), QAccessible::Button);
        QVERIFY(start->actionInterface());
        QVERIFY(start->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w.gamestate, QStringLiteral("PLAY"));
    }

    // The name box reads its whole text, in pieces that end where the text ends, and answers
    // at the text's end too (a screen reader asks there after every typed letter).
    void nameBoxText_data()
    {
        QTest::addColumn<int>("boundary");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("piece");
        QTest::addColumn<int>("start");
        const int word = QAccessible::WordBoundary, line = QAccessible::LineBoundary,
                  chr = QAccessible::CharBoundary;
        QTest::newRow("line") << line << 3 << 0 << "Your Name" << 0;
        QTest::newRow("line at end") << line << 9 << 0 << "Your Name" << 0;
        QTest::newRow("first word") << word << 0 << 0 << "Your " << 0;
        QTest::newRow("last word") << word << 7 << 0 << "Name" << 5;
        QTest::newRow("word at end") << word << 9 << 0 << "Name" << 5;
        QTest::newRow("word before end") << word << 9 << -1 << "Your " << 0;
        QTest::newRow("word after end") << word << 9 << 1 << "" << -1;
        QTest::newRow("word after first") << word << 1 << 1 << "Name" << 5;
        QTest::newRow("last character") << chr << 8 << 0 << "e" << 8;
        QTest::newRow("character at end") << chr << 9 << 0 << "" << 9;
        QTest::newRow("character before end") << chr << 9 << -1 << "e" << 8;
        QTest::newRow("past the end") << word << 10 << 0 << "" << -1;
    }
    void nameBoxText()
    {
        QFETCH(int, boundary);
        QFETCH(int, offset);
        QFETCH(int, step);
        QFETCH(QString, piece);
        QFETCH(int, start);
        MainWindow w;
        QAccessibleTextInterface *text =
            QAccessible::queryAccessibleInterface(w.namebox)->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("Your Name"));
        int from = -5, to = -5;
        text->attributes(8, &from, &to);
        QCOMPARE(std::pair(from, to), std::pair(0, 9)); // one run: the last letter is read too
        const auto type = QAccessible::TextBoundaryType(boundary);
        const QString got = step < 0   ? text->textBeforeOffset(offset, type, &from, &to)
                            : step > 0 ? text->textAfterOffset(offset, type, &from, &to)
                                       : text->textAtOffset(offset, type, &from, &to);
        QCOMPARE(got, piece);
        QCOMPARE(from, start);
        QCOMPARE(to, start < 0 ? -1 : start + int(piece.size()));
    }

    // What a screen reader is offered lies on the window and is not hidden beneath the banner:
    // no score digit parked beside the window, no marker left off the board, no control the
    // banner covers. Checked from start-up through a refused slide, a won game and a lost one.
    static bool offeredOnlyWhatIsSeen(MainWindow &w, const char *when)
    {
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&w);
        QStringList wrong;
        const QRect banner = w.bigmsg->isVisible() ? w.bigmsg->geometry() : QRect();
        const int bannerAt = int(w.children().indexOf(w.bigmsg));
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface *child = window->child(i);
            auto *widget = qobject_cast<QWidget *>(child->object());
            if (!widget || child->state().invisible) continue;
            const QString what = QStringLiteral("%1 '%2' at %3,%4")
                                     .arg(QLatin1String(widget->metaObject()->className()),
                                          child->text(QAccessible::Name))
                                     .arg(widget->x())
                                     .arg(widget->y());
            if (!child->rect().intersects(window->rect()))
                wrong << what + QStringLiteral(" off the window");
            else if (banner.contains(widget->geometry()) && w.children().indexOf(widget) < bannerAt)
                wrong << what + QStringLiteral(" under the banner");
        }
        if (!wrong.isEmpty()) qWarning() << when << wrong;
        return wrong.isEmpty();
    }

    // What a screen reader is offered lies on the window and is not hidden beneath the banner:
    // no score digit parked beside the window, no marker left off the board, no control the
    // banner covers. Checked from start-up through a won game, and through a refused slide, a
    // game given up and a lost one.
    void offeredOnlyWhatIsSeen()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(offeredOnlyWhatIsSeen(w, "at start-up"));
        w.namebox->setFocus(); // typing a name when the game starts: the board takes the keys
        w.restart();
        QCOMPARE(w.focusWidget(), w.boardfocus);
        QVERIFY(offeredOnlyWhatIsSeen(w, "in a game"));
        buildFirstBoardRoad(w);
        release(w);
        driveToEnd(w);
        QCOMPARE(w.gamestate, QStringLiteral("WIN"));
        QVERIFY(offeredOnlyWhatIsSeen(w, "after a win"));

        MainWindow v;
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        v.restart();
        release(v); // a refused slide of the car's tile, its blink run out
        v.setblock(12, tile::straightLR);
        v.setblock(9, tile::empty);
        v.block_MouseDown(1, MouseButton::Left);
        QVERIFY(v.Timerblink->isActive());
        while (v.Timerblink->isActive())
            v.Timerblink_Timer();
        QVERIFY(offeredOnlyWhatIsSeen(v, "after a refused slide"));
        v.bigmsg_Click(); // the game given up: back to the panel
        QVERIFY(v.namebox->isVisible());
        QVERIFY(offeredOnlyWhatIsSeen(v, "after giving up"));
        v.restart();
        release(v);
        driveToEnd(v);
        QCOMPARE(v.gamestate, QStringLiteral("LOSE"));
        QVERIFY(offeredOnlyWhatIsSeen(v, "after a loss"));
    }

    // A new deal names every place afresh; the exits' blink leaves the names alone.
    void restartNamesTheDeal()
    {
        MainWindow w;
        w.restart();
        QCOMPARE(nameOf(w.block[12]), QStringLiteral("empty, row 2, column 4"));
        QCOMPARE(nameOf(w.block[5]), QStringLiteral("tent, row 1, column 5"));
        w.Timerexitblock_Timer();
        w.Timerexitblock_Timer();
        QCOMPARE(nameOf(w.block[46]), QStringLiteral("exit, row 6, column 6"));
        for (qint16 n = 1; n <= placeCount; ++n)
            QCOMPARE(nameOf(w.block[n]), placeName(n, w.board.blocktype[n], false));
        QCOMPARE(
            nameOf(w.bigmsg),
            QStringLiteral("GOOD LUCK! ...YOU NEED LOTS OF 'EM. Click here to cancel this game."));
        QCOMPARE(nameOf(w.Labelcartimein), QStringLiteral("The car leaves in 10 seconds"));
        w.Timercarin_Timer();
        QCOMPARE(nameOf(w.Labelcartimein), QStringLiteral("The car leaves in 9 seconds"));
    }

    void slideAndTurn()
    {
        MainWindow w;
        w.restart();
        w.block_MouseDown(13, MouseButton::Left);
        QCOMPARE(nameOf(w.block[12]), QStringLiteral("curve up left, row 2, column 4"));
        QCOMPARE(nameOf(w.block[13]), QStringLiteral("empty, row 2, column 5"));
        w.block_MouseDown(10, MouseButton::Right);
        QCOMPARE(nameOf(w.block[10]), QStringLiteral("curve up left, row 2, column 2"));
    }

    // The car's place moves on entry to each place; the score, the win and the top ten follow.
    void carPlaceThroughAWin()
    {
        MainWindow w;
        w.restart();
        buildFirstBoardRoad(w);
        release(w);
        QCOMPARE(carPlaces(w), QList<int>{1});
        QCOMPARE(nameOf(w.block[1]), QStringLiteral("straight across, row 1, column 1, car here"));
        QCOMPARE(nameOf(w.blockstart), QStringLiteral("START"));
        QCOMPARE(nameOf(w.bigmsg),
                 QStringLiteral("Score: 10 points. Click here to cancel this game."));
        for (int i = 0; i < 15; ++i)
            w.Timercar_Timer();
        QCOMPARE(carPlaces(w), QList<int>{2});
        QCOMPARE(nameOf(w.bigmsg),
                 QStringLiteral("Score: 20 points. Click here to cancel this game."));

        driveToEnd(w);
        QCOMPARE(carPlaces(w), QList<int>{46});
        w.Timerbigmsg_Timer(); // the win flash: another picture on the same exit
        QCOMPARE(nameOf(w.block[46]), QStringLiteral("exit, row 6, column 6, car here"));
        QCOMPARE(nameOf(w.bigmsg),
                 QStringLiteral("CONGRATS! YOU WON! Your points is ranked #1 in the Top Ten. "
                                "Click here to play again."));
        QCOMPARE(nameOf(w.topname[1]), QStringLiteral("Rank 1: Your Name, 100 points"));
        QCOMPARE(nameOf(w.topname[2]), QStringLiteral("Rank 2: Racer, 0 points"));

        w.bigmsg_Click(); // the car goes back to the start
        QCOMPARE(carPlaces(w), QList<int>{});
        QCOMPARE(nameOf(w.blockstart), QStringLiteral("START, the car waits here"));
    }

    // A lost game leaves the car named where it ended; a new game, even mid-drive, clears it.
    void carPlaceAfterALossAndARestart()
    {
        MainWindow w;
        w.restart();
        release(w);
        driveToEnd(w);
        QCOMPARE(w.gamestate, QStringLiteral("LOSE"));
        QCOMPARE(carPlaces(w), QList<int>{10});
        QCOMPARE(nameOf(w.bigmsg), QStringLiteral("SORRY! YOU LOST! Click here to replay."));
        w.restart();
        release(w);
        QCOMPARE(carPlaces(w), QList<int>{1});
        w.restart(); // a click slipping past the banner while the car drives
        QCOMPARE(carPlaces(w), QList<int>{});
        QCOMPARE(nameOf(w.blockstart), QStringLiteral("START, the car waits here"));
    }
};

ROADSHIFT_TEST_GUI_MAIN(TestNamesWindow)
#include "test_names_window.moc"
