// What a screen reader hears from the real window: the cursor's place, the game's sentences, and
// the speech setting kept apart from the records.
#include "core/placenames.h"
#include "gamewindow.h"
#include "roadtest.h"
#include "speech/announcer.h"
#include "speech/boardfocus.h"

#include <QAccessible>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

using namespace roadtest;

namespace {

// W on the first board as dealt: the blocking place and the turn that opens it.
const QStringList firstBoardTrace = {
    "Blocked at row 2, column 2 after 2 tiles: curve down left, closed to a car heading down",
    "Turn it once with R; then the road runs 3 tiles and stops at row 2, column 1"};

// A shown, active window whose board has the keyboard focus.
std::unique_ptr<MainWindow> boardWindow()
{
    auto w = std::make_unique<MainWindow>();
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get())) return nullptr;
    w->boardfocus->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    return w;
}

QString said(const MainWindow &w)
{
    return w.announcer->said();
}

} // namespace

class TestSpeechWindow : public QObject
{
    Q_OBJECT

  private slots:
    void init() { roadtest::forgetGameSettings(); }
    // Each arrow moves the focus the board offers a screen reader: the cursor's place is the
    // board's focused child, and no other place is.
    void arrowsMoveTheFocus()
    {
        auto w = boardWindow();
        QVERIFY(w);
        QAccessibleInterface *board = QAccessible::queryAccessibleInterface(w->boardfocus);
        QCOMPARE(board->focusChild(), board->child(0));
        key(*w, Qt::Key_Right); // shows the cursor: said again, as nothing moved
        QCOMPARE(said(*w), w->block[1]->accessibleName());
        const int moves[] = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left};
        const int places[] = {2, 10, 18, 17};
        for (int i = 0; i < 4; ++i) {
            key(*w, moves[i]);
            QAccessibleInterface *focused = board->focusChild();
            QCOMPARE(focused, board->child(places[i] - 1));
            QVERIFY(focused->state().focused);
            QCOMPARE(focused->text(QAccessible::Name), w->block[places[i]]->accessibleName());
            for (int n = 1; n <= placeCount; ++n)
                QCOMPARE(board->child(n - 1)->state().focused, n == places[i]);
        }
        QCOMPARE(w->focusWidget(), w->boardfocus); // the announcements took no focus
    }

    // A place reads the same as the board's child and as its tile box, for all 48.
    void placesReadAlike()
    {
        MainWindow w;
        w.restart();
        QAccessibleInterface *board = QAccessible::queryAccessibleInterface(w.boardfocus);
        QCOMPARE(board->role(), QAccessible::List);
        QCOMPARE(board->childCount(), placeCount);
        QSet<QString> names;
        for (int n = 1; n <= placeCount; ++n) {
            QAccessibleInterface *place = board->child(n - 1);
            QCOMPARE(place->text(QAccessible::Name), w.block[n]->accessibleName());
            QCOMPARE(board->indexOfChild(place), n - 1);
            QCOMPARE(place->parent(), board);
            names.insert(place->text(QAccessible::Name));
        }
        QCOMPARE(names.size(), placeCount);
    }

    // What is said at one moment goes out together, through a notification that shows anew.
    void announcerIsAStatusBarNotification()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCoreApplication::processEvents(); // the focus settled: what is said goes out at once
        w.Cmd_cr_Click();
        w.cmd_cl_Click();
        QCoreApplication::processEvents();
        const AnnouncerVoice *voice = w.announcer->voice();
        const QAccessibleInterface *notification =
            QAccessible::queryAccessibleInterface(const_cast<AnnouncerVoice *>(voice));
        QCOMPARE(notification->role(), QAccessible::Notification);
        // Inside a status bar: Orca then reads the words alone, without "notification" first.
        QCOMPARE(notification->parent()->role(), QAccessible::StatusBar);
        QVERIFY(voice->isVisible());
        QCOMPARE(
            voice->accessibleName(),
            QStringLiteral("Exits: 4; countdown: 20 seconds. Exits: 4; countdown: 10 seconds"));
        QCOMPARE(voice->focusPolicy(), Qt::NoFocus);
        w.Cmd_cr_Click();
        QCoreApplication::processEvents();
        QVERIFY(w.announcer->voice() != voice); // the next one, in case the first is still read
        QCOMPARE(w.announcer->voice()->accessibleName(),
                 QStringLiteral("Exits: 4; countdown: 20 seconds"));
    }

    // A focus move right after a sentence went out (F1 just after F2): the screen reader drops
    // the sentence for the focused control, so it goes out again after the move.
    void sentenceSurvivesAQuickFocusMove()
    {
        const auto w = boardWindow();
        QVERIFY(w);
        key(*w, Qt::Key_F2);
        w->announcer->flush();
        const AnnouncerVoice *first = w->announcer->voice();
        const QString newGame = first->accessibleName();
        QVERIFY(newGame.startsWith(QLatin1String("New game;")));
        w->cmd_exit->setFocus(Qt::TabFocusReason);
        w->announcer->flush();
        QVERIFY(w->announcer->voice() != first); // a turn of its own
        QCOMPARE(w->announcer->voice()->accessibleName(), newGame);
    }

    // A game started from a control the banner comes to cover: the board takes the focus, and
    // the new game is announced only once the screen reader has had time to read the board's
    // place, as it drops a notification that comes with a focus move.
    void newGameWaitsForTheFocus()
    {
        const auto w = boardWindow();
        QVERIFY(w);
        w->namebox->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        const QString before = w->announcer->voice()->accessibleName();
        key(*w, Qt::Key_F2);
        QCOMPARE(w->focusWidget(), w->boardfocus);
        QCoreApplication::processEvents();
        QCOMPARE(w->announcer->voice()->accessibleName(), before);
        w->announcer->flush();
        QVERIFY2(w->announcer->voice()->accessibleName().startsWith(QLatin1String("New game;")),
                 qPrintable(w->announcer->voice()->accessibleName()));
    }

    // Space and R on the first board: what happened, or why not, with the board keeping the focus.
    void moves()
    {
        auto w = boardWindow();
        QVERIFY(w);
        key(*w, Qt::Key_F2);
        // The exits one a sentence, the nearest to where the road stops (row 2, column 2) first.
        QCOMPARE(said(*w), QStringLiteral("New game; the car leaves in 10 seconds. Exit 1: row 6, "
                                          "column 2. Exit 2: row 6, column 3. Exit 3: row 4, "
                                          "column 7. Exit 4: row 6, column 6"));
        key(*w, Qt::Key_Space); // shows the cursor on place 1
        key(*w, Qt::Key_Space);
        QCOMPARE(said(*w), QStringLiteral("Cannot slide: not next to the empty place"));
        for (int k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
            key(*w, k); // place 13, right of the empty place 12
        w->announcer->flush();
        key(*w, Qt::Key_Space);
        QCOMPARE(w->announcer->saidInTurn().value(0),
                 QStringLiteral("Slid left; the empty place is here now"));
        key(*w, Qt::Key_R);
        QCOMPARE(said(*w), QStringLiteral("Cannot turn the empty place"));
        key(*w, Qt::Key_Left);
        key(*w, Qt::Key_R);
        QCOMPARE(said(*w), tileWords(w->board.blocktype[12]));
        QCOMPARE(w->focusWidget(), w->boardfocus);
    }

    // A longer countdown warns at 10 seconds too.
    void countdownWarnsAtTen()
    {
        auto w = boardWindow();
        QVERIFY(w);
        w->Cmd_cr_Click();
        w->restart();
        for (int k = 1; k <= 9; ++k)
            w->Timercarin_Timer();
        QVERIFY(said(*w).startsWith(QLatin1String("New game;")));
        w->Timercarin_Timer();
        QCOMPARE(said(*w), QStringLiteral("10 seconds"));
    }

    // The game's events on the first board: countdown, departure, trace, win; then a loss.
    void events()
    {
        auto w = boardWindow();
        QVERIFY(w);
        w->restart();
        for (int k = 1; k <= 5; ++k)
            w->Timercarin_Timer();
        QCOMPARE(said(*w), QStringLiteral("5 seconds")); // a warning at 5 s
        w->Timercarin_Timer();
        QCOMPARE(said(*w), QStringLiteral("5 seconds")); // 4 s goes unsaid
        w->Timercarin_Timer();
        QCOMPARE(said(*w), QStringLiteral("3 seconds"));
        buildFirstBoardRoad(*w);
        key(*w, Qt::Key_W);
        QCOMPARE(said(*w),
                 QStringLiteral("The road reaches the exit at row 6, column 6 after 10 tiles"));
        key(*w, Qt::Key_C);
        QCOMPARE(said(*w), QStringLiteral("Car waits at START; countdown 3"));
        key(*w, Qt::Key_P);
        QCOMPARE(said(*w), QStringLiteral("Paused; press P to go on"));
        key(*w, Qt::Key_P);
        QCOMPARE(said(*w), QStringLiteral("Going on"));
        release(*w);
        QCOMPARE(said(*w), QStringLiteral("The car is off"));
        driveToEnd(*w);
        QCOMPARE(said(*w), QStringLiteral("You won! 100 points, rank 1 in the top ten"));

        w->bigmsg_Click();
        w->restart();
        w->rotateblock(1);
        release(*w);
        QCOMPARE(said(*w),
                 QStringLiteral("You lost: row 1, column 1 is closed to a car heading right"));
    }

    // W in every state of a game: where the road stops and what one move would open it, from
    // START before the car leaves, from the car's next place as it drives, and the same answer
    // however long the win's flash goes on.
    void traceInEveryState()
    {
        auto w = boardWindow();
        QVERIFY(w);
        key(*w, Qt::Key_W);
        QCOMPARE(said(*w), QStringLiteral("No game running; press N to start one"));
        w->restart();
        w->announcer->flush();
        key(*w, Qt::Key_W);
        QCOMPARE(w->announcer->saidInTurn(), firstBoardTrace);
        buildFirstBoardRoad(*w);
        w->announcer->flush();
        key(*w, Qt::Key_W);
        QCOMPARE(w->announcer->saidInTurn(),
                 QStringList("The road reaches the exit at row 6, column 6 after 10 tiles"));
        release(*w);
        for (int k = 0; k < 30 && w->carstate.carblock != 1; ++k)
            w->Timercar_Timer();
        QCOMPARE(w->carstate.carblock, qint16(1));
        key(*w, Qt::Key_W);
        QCOMPARE(said(*w),
                 QStringLiteral("The road reaches the exit at row 6, column 6 after 9 tiles"));
        key(*w, Qt::Key_C);
        QCOMPARE(said(*w), QStringLiteral("Car at row 1, column 1, heading right"));
        driveToEnd(*w);
        QCOMPARE(w->gamestate, QStringLiteral("WIN"));
        for (int flash = 0; flash < 4; ++flash) {
            w->Timerbigmsg_Timer();
            key(*w, Qt::Key_W);
            QCOMPARE(said(*w),
                     QStringLiteral("The road reaches the exit at row 6, column 6 after 10 tiles"));
        }
    }

    // Shift with an arrow reads the cursor's own row or column, the car's place marked.
    void lineReadings()
    {
        auto w = boardWindow();
        QVERIFY(w);
        w->restart();
        release(*w);
        w->Timercar_Timer(); // the car is on the board, at place 1
        for (int k : {Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
            key(*w, k);
        QCOMPARE(w->cursor.place, qint16(11)); // row 2, column 3
        key(*w, Qt::Key_Right, Qt::ShiftModifier);
        QVERIFY2(said(*w).startsWith(QLatin1String("row 2: 1 ")), qPrintable(said(*w)));
        key(*w, Qt::Key_Down, Qt::ShiftModifier);
        QVERIFY2(said(*w).startsWith(QLatin1String("column 3: 1 ")), qPrintable(said(*w)));
        QCOMPARE(said(*w).count(u';'), boardRows - 1);
        key(*w, Qt::Key_Home);
        key(*w, Qt::Key_Left, Qt::ShiftModifier);
        QVERIFY2(said(*w).startsWith(QLatin1String("row 1: 1 straight across, car; 2 ")),
                 qPrintable(said(*w)));
    }

    // A move that changes the road says where it stops now; one that does not says nothing more.
    void moveTellsTheRoad()
    {
        auto w = boardWindow();
        QVERIFY(w);
        w->restart();
        key(*w, Qt::Key_Space); // shows the cursor on place 1
        w->announcer->flush();
        key(*w, Qt::Key_R);
        const QStringList turned = w->announcer->saidInTurn();
        QCOMPARE(turned.size(), 2);
        QVERIFY2(turned[1].startsWith(QLatin1String("Road now ")), qPrintable(turned.join('|')));
        key(*w, Qt::Key_Right); // place 2, the road's end no more
        key(*w, Qt::Key_Right);
        key(*w, Qt::Key_Right);
        w->announcer->flush();
        key(*w, Qt::Key_Down);
        key(*w, Qt::Key_Down);
        key(*w, Qt::Key_Down);
        w->announcer->flush();
        key(*w, Qt::Key_R); // place 28, far from the road
        QCOMPARE(w->announcer->saidInTurn().size(), 1);
    }

    // Letters typed into the name box are the name's, not the speech keys'.
    void typingIsNotSpeechKeys()
    {
        auto w = boardWindow();
        QVERIFY(w);
        w->namebox->setFocus(Qt::MouseFocusReason);
        w->namebox->clear();
        w->announcer->flush();
        const QStringList before = w->announcer->saidInTurn();
        for (int k : {Qt::Key_W, Qt::Key_E, Qt::Key_X, Qt::Key_B, Qt::Key_C})
            QTest::keyClick(w->namebox, k == Qt::Key_W ? 'W' : char('a' + (k - Qt::Key_A)));
        QCOMPARE(w->namebox->text(), QStringLiteral("Wexbc"));
        QCOMPARE(w->announcer->saidInTurn(), before);
        QCOMPARE(w->cursor.shown, false);
    }

    // The screen reader's rectangle of each place is where that place's tile is drawn.
    void placeRectangles()
    {
        auto w = boardWindow();
        QVERIFY(w);
        QAccessibleInterface *board = QAccessible::queryAccessibleInterface(w->boardfocus);
        QVERIFY(board);
        for (int p = 1; p <= placeCount; ++p) {
            const QWidget *tile = w->block[p];
            const QRect drawn(tile->mapToGlobal(QPoint(0, 0)), tile->size());
            QCOMPARE(board->child(p - 1)->rect(), drawn);
            QCOMPARE(board->childAt(drawn.center().x(), drawn.center().y()), board->child(p - 1));
        }
    }

    // The panel's buttons tell the value they changed.
    void settings()
    {
        MainWindow w;
        w.Cmd_cr_Click();
        QCOMPARE(said(w), QStringLiteral("Exits: 4; countdown: 20 seconds"));
        w.Cmd_el_Click();
        QCOMPARE(said(w), QStringLiteral("Exits: 3; countdown: 20 seconds"));
    }

    // Silent holds the game's own sentences back; V says so even as it turns silent, and the
    // setting outlives the window, in a file of its own beside the records.
    void verbosity()
    {
        auto w = boardWindow();
        QVERIFY(w);
        key(*w, Qt::Key_V);
        QCOMPARE(said(*w), QStringLiteral("Speech brief"));
        key(*w, Qt::Key_V);
        QCOMPARE(said(*w), QStringLiteral("Speech silent"));
        key(*w, Qt::Key_F2);
        QCOMPARE(said(*w), QStringLiteral("Speech silent"));
        w = nullptr;

        MainWindow again;
        QCOMPARE(again.announcements.verbosity, Verbosity::Silent);
        const QString config =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QCOMPARE(QSettings(config + "/roadshift/speech.conf", QSettings::IniFormat)
                     .value("verbosity")
                     .toString(),
                 QStringLiteral("silent"));
        QVERIFY(!QDir(config + "/rdshfv1").exists()); // no record was written for it
        again.announcements.verbosity = Verbosity::Full;
        QSettings(config + "/roadshift/speech.conf", QSettings::IniFormat).clear();
    }
};

ROADSHIFT_TEST_GUI_MAIN(TestSpeechWindow)
#include "test_speech_window.moc"
