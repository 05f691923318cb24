// The score row, the banner's course through a game, the difficulty panel and the help box.
#include "gamewindow.h"
#include "roadtest.h"
#include "ui/helpbox.h"

#include <QApplication>

using namespace roadtest;

class TestUiWindow : public QObject
{
    Q_OBJECT

    // True when `a` is drawn over `b` (both children of the main window).
    static bool above(const QWidget *a, const QWidget *b)
    {
        const QObjectList &order = a->parentWidget()->children();
        return order.indexOf(a) > order.indexOf(b);
    }

  private slots:
    void init() { roadtest::forgetGameSettings(); }
    void scoreRowDuringADrive()
    {
        MainWindow w;
        w.restart();
        release(w); // place 1 entered: 10 points
        QCOMPARE(shown(w.bigmsg), w.picbigmsg.cell(5).toImage());
        QCOMPARE(w.bigmsg->toolTip(), QStringLiteral("Click here to cancel this game"));
        const int lefts[] = {225, 261, 297};
        const int cells[] = {1, 0, 10};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(w.digit[i + 1]->pos(), QPoint(lefts[i], 390));
            QCOMPARE(shown(w.digit[i + 1]), w.picdigits.cell(cells[i]).toImage());
        }
        QCOMPARE(w.digit[0]->pos(), QPoint(700, 390));
        QCOMPARE(w.digit[4]->pos(), QPoint(700, 390));
        QVERIFY(w.digit[0]->pixmap().isNull());
        QVERIFY(w.digit[7]->pixmap().isNull());
        w.points = 140;
        w.reentry(1, Side::Left);
        QCOMPARE(w.digit[4]->pos(), QPoint(311, 390));
        QCOMPARE(shown(w.digit[4]), w.picdigits.cell(10).toImage());
        QCOMPARE(shown(w.digit[2]), w.picdigits.cell(5).toImage());
    }

    void stacking()
    {
        MainWindow w;
        QVERIFY(above(w.bigmsg, w.Label8));
        QVERIFY(above(w.bigmsg, w.namebox));
        QVERIFY(above(w.bigmsg, w.Cmd_el));
        QVERIFY(above(w.labelbig, w.bigmsg));
        for (QLabel *d : w.digit)
            QVERIFY(above(d, w.bigmsg));
        QVERIFY(above(w.car, w.block[1]));
        QVERIFY(above(w.car, w.block[48]));
        QVERIFY(above(w.blockred, w.block[48]));
    }

    // Start-up, a cancelled drive, a loss and a win, as the banner shows them.
    void bannerCourse()
    {
        MainWindow w;
        w.show();
        QCOMPARE(w.childAt(468, 440), w.Label8);
        QCOMPARE(w.childAt(90, 410), w.Cmd_el);

        QTest::mouseClick(w.Label8, Qt::LeftButton);
        QCOMPARE(shown(w.bigmsg), w.picbigmsg.cell(4).toImage());
        QCOMPARE(w.childAt(468, 440), w.bigmsg);
        QCOMPARE(w.childAt(90, 410), w.bigmsg);
        QCOMPARE(w.childAt(468, 457), w.Label8); // its lowest rows stay uncovered

        release(w);
        for (int i = 0; i < 5; ++i)
            w.Timercar_Timer();
        QTest::mouseClick(w.bigmsg, Qt::LeftButton); // cancel the drive
        QVERIFY(!w.bigmsg->isVisible());
        QVERIFY(!w.Timercar->isActive());
        QCOMPARE(w.car->pos(), QPoint(23, 28));
        QCOMPARE(w.gamestate, QStringLiteral("PLAY"));
        QCOMPARE(w.childAt(468, 440), w.Label8);
        const qint16 before = w.board.blocktype[11];
        w.block_MouseDown(11, MouseButton::Right); // the board still answers
        QCOMPARE(w.board.blocktype[11], rotated(before));
        QCOMPARE(w.gamelost + w.gamewon, 0);

        QTest::mouseClick(w.Label8, Qt::LeftButton); // a lost game
        // The second deal runs its car off the road by itself.
        release(w);
        driveToEnd(w);
        QCOMPARE(w.gamestate, QStringLiteral("LOSE"));
        QCOMPARE(shown(w.bigmsg), w.picbigmsg.cell(1).toImage());
        QVERIFY(w.bigmsg->isVisible());
        QTest::mouseClick(w.bigmsg, Qt::LeftButton);
        QVERIFY(!w.bigmsg->isVisible());
        QVERIFY(!w.labelbig->isVisible());
        QCOMPARE(w.car->pos(), QPoint(23, 28));
        QCOMPARE(w.gamestate, QStringLiteral("LOSE"));
    }

    // The top-ten line is readable over the banner's lower strip after a win.
    void winLineIsVisible()
    {
        MainWindow w;
        w.show();
        w.restart();
        buildFirstBoardRoad(w);
        release(w);
        driveToEnd(w);
        w.Timerbigmsg_Timer();
        QVERIFY(w.labelbig->isVisible());
        const QImage shot = w.grab(QRect(35, 424, 476, 31)).toImage();
        int light = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                light += QColor(shot.pixel(x, y)).lightness() > 200;
        QVERIFY2(light > 100, qPrintable(QString::number(light)));
        QTest::mouseClick(w.bigmsg, Qt::LeftButton);
        QVERIFY(!w.labelbig->isVisible());
        QVERIFY(!w.Timerbigmsg->isActive());
    }

    void difficultyButtons()
    {
        MainWindow w;
        w.show();
        QStringList exits, seconds;
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(w.Cmd_el, Qt::LeftButton);
            exits << w.Label2->text() + u' ' + w.Label3->text();
        }
        QTest::mouseClick(w.Cmd_er, Qt::LeftButton);
        exits << w.Label2->text() + u' ' + w.Label3->text();
        QCOMPARE(exits, (QStringList{"3 Novice", "2 Medium", "1 Ultra Hard!", "1 Ultra Hard!",
                                     "2 Medium"}));
        QTest::mouseClick(w.cmd_cl, Qt::LeftButton);
        seconds << w.Label5->text() + u' ' + w.Label7->text();
        for (int i = 0; i < 5; ++i) {
            QTest::mouseClick(w.Cmd_cr, Qt::LeftButton);
            seconds << w.Label5->text() + u' ' + w.Label7->text();
        }
        QCOMPARE(seconds, (QStringList{"10 Mission Impossible!", "20 Think Faster!",
                                       "30 Take it Easy", "40 Sit Down and Relax",
                                       "50 Walk the dog 1st!", "\u221e Time Stands Still!"}));
        QCOMPARE(w.totalexit, 2);
        QCOMPARE(w.cartimein, noCountdown);
        w.restart();
        QCOMPARE(w.Labelcartimein->text(), QStringLiteral("\u221e"));
        QTest::mouseClick(w.cmd_cl, Qt::LeftButton); // and back from no countdown to 50 s
        QCOMPARE(w.Label5->text(), QStringLiteral("50"));
        QCOMPARE(w.Label1->toolTip(),
                 QStringLiteral("More exit points means more chance of winning the game!"));
        QCOMPARE(w.Label4->toolTip(),
                 QStringLiteral("Enuff time for you to think ahead and built the path?"));
    }

    // The help box keeps the board out of reach, and the game waits behind it.
    void helpBoxDuringADrive()
    {
        MainWindow w;
        w.show();
        w.restart();
        release(w);
        QTest::mouseClick(w.cmd_help, Qt::LeftButton);
        QVERIFY(!w.isEnabled());
        HelpBox *help = openBox<HelpBox>();
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("How to play"));
        QVERIFY(!w.Timercar->isActive());
        QVERIFY(w.pausepic->isVisibleTo(&w));
        const qint16 t = w.board.blocktype[3];
        QTest::mousePress(w.block[3], Qt::RightButton); // a disabled window takes no press
        QCOMPARE(w.board.blocktype[3], t);
        QPointer<HelpBox> alive(help);
        help->close();
        QVERIFY(w.isEnabled());
        QVERIFY(w.Timercar->isActive());
        QVERIFY(!w.pausepic->isVisibleTo(&w));
        QTRY_VERIFY(!alive);
    }
};

ROADSHIFT_TEST_GUI_MAIN(TestUiWindow)
#include "test_ui_window.moc"
