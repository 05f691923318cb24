// The main window as it opens, and the set-up and stop of a game, on real widgets.
#include "boardfixture.h"
#include "gamewindow.h"
#include "roadtest.h"
#include "ui/fonts.h"
#include "ui/helpbox.h"

using namespace roadtest;

class TestCoreWindow : public QObject
{
    Q_OBJECT

  private slots:
    void init() { roadtest::forgetGameSettings(); }
    void initTestCase() { installFontSubstitutions(); }

    void startUp()
    {
        MainWindow w;
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Roadshift v1.00"));
        QCOMPARE(w.size(), QSize(627, 460));
        QCOMPARE(w.minimumSize(), w.maximumSize()); // fixed border
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 192, 0));
        QCOMPARE(w.gamestate, QStringLiteral("INTRO"));
        QCOMPARE(rowsOf(w.board.blocktype), (QStringList{"11111115", "54115452", "26547637",
                                                         "2T224565", "61767617", "TTTTTTTT"}));
        QCOMPARE(w.board.emptyblock, 0);
        QVERIFY(!w.bigmsg->isVisible());
        QVERIFY(!w.labelbig->isVisible());
        QCOMPARE(w.car->pos(), QPoint(23, 28));
        // The car box shows a whole car: the first cell of a sheet of 2 rows by 10 columns.
        const QPixmap carPicture = w.car->pixmap();
        QCOMPARE(carPicture.deviceIndependentSize(), QSizeF(24, 24));
        const QImage carImage = carPicture.toImage();
        QRect drawn;
        for (int y = 0; y < carImage.height(); ++y)
            for (int x = 0; x < carImage.width(); ++x)
                if (carImage.pixelColor(x, y).alpha() > 0) drawn |= QRect(x, y, 1, 1);
        const qreal ratio = carPicture.devicePixelRatio();
        QVERIFY2(drawn.width() >= 14 * ratio && drawn.height() >= 14 * ratio,
                 qPrintable(QStringLiteral("car drawn in %1 x %2 pixels")
                                .arg(drawn.width())
                                .arg(drawn.height())));
        QCOMPARE(w.Label2->text(), QStringLiteral("4"));
        QCOMPARE(w.Label3->text(), QStringLiteral("Kids Only"));
        QCOMPARE(w.Label5->text(), QStringLiteral("10"));
        QCOMPARE(w.Label7->text(), QStringLiteral("Mission Impossible!"));
        QCOMPARE(w.bigmsg->toolTip(), QStringLiteral("Click here to start playing"));
        QCOMPARE(w.Label8->text(), QStringLiteral("START!"));
        QCOMPARE(w.labelwon->text(), QStringLiteral("0"));
        QCOMPARE(w.labellost->text(), QStringLiteral("0"));
        QCOMPARE(w.labelbp->text(), QStringLiteral("0"));

        // The five timers as the window is created: at the intro nothing blinks, so no timer
        // wakes the program while it waits.
        struct Expect
        {
            QTimer *timer;
            int interval;
            bool on;
        };
        for (auto [timer, interval, on] :
             {Expect{w.Timercar, 10, false}, Expect{w.Timercarin, 1000, false},
              Expect{w.Timerexitblock, 200, false}, Expect{w.Timerblink, 40, false},
              Expect{w.Timerbigmsg, 100, false}}) {
            QCOMPARE(timer->interval(), interval);
            QCOMPARE(timer->isActive(), on);
        }
        QCOMPARE(w.Timercar->timerType(), Qt::PreciseTimer);
        QCOMPARE(w.Timerblink->timerType(), Qt::PreciseTimer);

        // Tiles show the picture of their type.
        QCOMPARE(w.block[26]->pixmap().toImage(), w.picblocks.cell(tile::obstacle).toImage());
        QCOMPARE(w.block[8]->pixmap().toImage(), w.picblocks.cell(5).toImage());
    }

    // Qt's -reverse (or a right-to-left language) leaves the drawn layout as it is: the window and
    // the help box look as they do left to right, every control reads left to right.
    void reversedDesktopKeepsTheLayout()
    {
        auto picture = [](Qt::LayoutDirection direction) {
            QGuiApplication::setLayoutDirection(direction);
            MainWindow w;
            w.show();
            w.cmd_help_Click();
            auto *help = roadtest::openBox<HelpBox>();
            const std::pair<QImage, QImage> shots{w.grab().toImage(),
                                                  help ? help->grab().toImage() : QImage()};
            QList<QWidget *> all = w.findChildren<QWidget *>();
            all << &w;
            for (const QWidget *c : all)
                if (c->layoutDirection() != Qt::LeftToRight) return std::pair<QImage, QImage>{};
            if (help) help->close();
            return shots;
        };
        const auto leftToRight = picture(Qt::LeftToRight);
        const auto reversed = picture(Qt::RightToLeft);
        QVERIFY(!leftToRight.second.isNull());
        QVERIFY2(!reversed.first.isNull(), "a control of the window reads right to left");
        // Two windows may differ by a shade where translucent pictures overlap; a mirrored control
        // differs by far more.
        auto alike = [](const QImage &a, const QImage &b) {
            if (a.size() != b.size()) return false;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x) {
                    const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
                    if (std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                            std::abs(p.blue() - q.blue()) >
                        48)
                        return false;
                }
            return true;
        };
        QVERIFY(alike(reversed.first, leftToRight.first));
        QVERIFY(alike(reversed.second, leftToRight.second));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }

    // Everything the player needs lies inside the client area; the run's counters, the parked
    // digits and the spare box lie beyond it.
    void windowMap()
    {
        MainWindow w;
        const QRect client = w.rect();
        const QList<QWidget *> inside = {w.block[1], w.block[48], w.blockstart,    w.Label8,
                                         w.bigmsg,   w.cmd_about, w.cmd_help,      w.cmd_exit,
                                         w.namebox,  w.Label9,    w.Label10,       w.topname[10],
                                         w.Cmd_el,   w.Cmd_cr,    w.Labelcartimein};
        for (QWidget *c : inside)
            QVERIFY2(client.contains(c->geometry()), qPrintable(c->objectName()));
        QCOMPARE(w.block[48]->geometry(), QRect(455, 310, 60, 60));
        QCOMPARE(w.Label8->geometry(), QRect(435, 428, 66, 31));
        QCOMPARE(w.bigmsg->geometry(), QRect(35, 375, 480, 80));
        for (QWidget *c : {static_cast<QWidget *>(w.labelwon), static_cast<QWidget *>(w.labellost),
                           static_cast<QWidget *>(w.labelbp), static_cast<QWidget *>(w.Labelx),
                           static_cast<QWidget *>(w.digit[0]), static_cast<QWidget *>(w.block[0])})
            QVERIFY(!client.intersects(c->geometry()));
        // The banner covers START! but its lowest rows.
        QCOMPARE(w.Label8->geometry().bottom() - w.bigmsg->geometry().bottom(), 4);
    }

    void introIgnoresPresses()
    {
        MainWindow w;
        const auto before = w.board.blocktype;
        for (qint16 n = 1; n <= placeCount; ++n) {
            w.block_MouseDown(n, MouseButton::Left);
            w.block_MouseDown(n, MouseButton::Right);
        }
        QTest::mouseClick(w.block[2], Qt::RightButton);
        QCOMPARE(w.board.blocktype, before);
    }

    void startDealsTheFirstBoard()
    {
        MainWindow w;
        w.show();
        QTest::mouseClick(w.Label8, Qt::LeftButton);
        QCOMPARE(w.gamestate, QStringLiteral("PLAY"));
        QCOMPARE(rowsOf(w.board.blocktype), (QStringList{"1533T543", "25207657", "2T363472",
                                                         "275241E6", "2T66623T", "7EE65E76"}));
        QCOMPARE(w.board.emptyblock, 12);
        QCOMPARE((QList<int>{w.exitblock[1], w.exitblock[2], w.exitblock[3], w.exitblock[4]}),
                 (QList<int>{42, 31, 46, 43}));
        QVERIFY(w.bigmsg->isVisible());
        QCOMPARE(w.bigmsg->toolTip(), QStringLiteral("Click here to cancel this game"));
        QVERIFY(w.Labelcartimein->isVisible());
        QCOMPARE(w.Labelcartimein->text(), QStringLiteral("10"));
        QVERIFY(w.Timercarin->isActive());
        QVERIFY(w.Timerexitblock->isActive());
        QVERIFY(!w.Timercar->isActive());
        QCOMPARE(w.toprank, 11);
        QCOMPARE(w.points, 0);
        QCOMPARE(w.playername, QStringLiteral("Your Name"));
        QCOMPARE(w.block[12]->pixmap().toImage(), w.picblocks.cell(tile::empty).toImage());
        // The banner now lies over the settings panel and START!.
        QCOMPARE(w.childAt(450, 440), w.bigmsg);
        QCOMPARE(w.childAt(100, 410), w.bigmsg);
    }

    void fewerExitsOnTheNextBoard()
    {
        MainWindow w;
        w.settotalexit(-3);
        w.restart();
        int exits = 0;
        for (qint16 n = 1; n <= placeCount; ++n)
            exits += w.board.blocktype[n] == tile::exit;
        QCOMPARE(exits, 1);
        QVERIFY(!exitExcluded(w.exitblock[1]) && w.exitblock[1] != 1);
    }

    void resetStopsTheGame()
    {
        MainWindow w;
        w.restart();
        w.countdown.cartimeinct = 4;
        w.Timercar->start();
        w.setblock(w.exitblock[2], tile::endYellow); // as the win animation leaves it
        const auto carAt = w.car->pos();
        w.reset();
        for (QTimer *t : {w.Timercar, w.Timercarin, w.Timerexitblock, w.Timerbigmsg})
            QVERIFY(!t->isActive());
        QVERIFY(w.bigmsg->isVisibleTo(&w));
        QVERIFY(!w.Labelcartimein->isVisibleTo(&w));
        QCOMPARE(w.countdown.cartimeinct, 0);
        QCOMPARE(w.carstate.carblockct, 1);
        QCOMPARE(w.board.blocktype[w.exitblock[2]], tile::exit);
        QCOMPARE(w.block[w.exitblock[2]]->pixmap().toImage(),
                 w.picblocks.cell(tile::exit).toImage());
        QCOMPARE(w.car->pos(), carAt);
        QCOMPARE(w.gamestate, QStringLiteral("PLAY"));
        for (QLabel *d : w.digit)
            QCOMPARE(d->pos(), QPoint(700, 390));
    }

    // START!'s lowest pixel rows stay uncovered by the banner. A click there, while a game runs
    // or after it ended, gives a new game exactly as a banner click and START! would.
    void startFromAnyState_data()
    {
        QTest::addColumn<QString>("state");
        QTest::newRow("driving") << QStringLiteral("driving");
        QTest::newRow("lost") << QStringLiteral("lost");
        QTest::newRow("won") << QStringLiteral("won");
    }
    void startFromAnyState()
    {
        QFETCH(QString, state);
        MainWindow w;
        w.show();
        w.restart();
        if (state == QLatin1String("won")) buildFirstBoardRoad(w);
        release(w);
        if (state == QLatin1String("driving")) {
            for (int i = 0; i < 20; ++i)
                w.Timercar_Timer();
        } else {
            driveToEnd(w);
            QCOMPARE(w.gamestate, state == QLatin1String("won") ? QStringLiteral("WIN")
                                                                : QStringLiteral("LOSE"));
            QVERIFY(w.labelbig->isVisible());
        }
        QVERIFY(w.carstate.carblock != 0);
        QVERIFY(w.car->pos() != QPoint(23, 28));
        QVERIFY(w.bigmsg->isVisible());
        const QPoint lowRows(460, 457);
        QCOMPARE(w.childAt(lowRows), w.Label8);
        QTest::mouseClick(w.Label8, Qt::LeftButton, {}, w.Label8->mapFrom(&w, lowRows));

        QCOMPARE(w.gamestate, QStringLiteral("PLAY"));
        QVERIFY(w.Timercarin->isActive());
        QVERIFY(!w.Timercar->isActive());
        QVERIFY(!w.Timerbigmsg->isActive());
        QCOMPARE(w.car->pos(), QPoint(23, 28));
        QCOMPARE(w.carstate.carblock, 0);
        QCOMPARE(w.countdown.cartimeinct, 0);
        QVERIFY(!w.labelbig->isVisible());
        QCOMPARE(w.toprank, 11);
        QCOMPARE(w.rankbox->x(), 2000);
        QCOMPARE(w.Labelcartimein->text(), QStringLiteral("10"));
        for (QLabel *d : w.digit)
            QCOMPARE(d->pos(), QPoint(700, 390));
        // The car waits at home through the whole countdown.
        for (int s = 0; s < 10; ++s) {
            w.Timercarin_Timer();
            QCOMPARE(w.car->pos(), QPoint(23, 28));
        }
    }
};

ROADSHIFT_TEST_GUI_MAIN(TestCoreWindow)
#include "test_core_window.moc"
