// The records as the main window uses them: loading, the top-ten panel, the about box, shutdown.
#include "gamewindow.h"
#include "records/aboutbox.h"
#include "records/recordsfile.h"
#include "records/store.h"
#include "roadtest.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QSettings>

using namespace roadtest;

namespace {

void store(const TopTen &table, qint64 executed, qint64 totalgames, qint64 tbpass)
{
    QSettings s(recordsName, recordsName);
    saveRecords(s, table, executed, totalgames, tbpass);
}

TopTen tableOf(std::initializer_list<std::pair<const char *, int>> rows)
{
    TopTen t;
    int n = 0;
    for (auto [name, points] : rows) {
        ++n;
        t.toptenname[n] = QString::fromUtf8(name);
        t.toptenpoint[n] = points;
    }
    return t;
}

} // namespace

class TestRecordsWindow : public QObject
{
    Q_OBJECT

  private slots:
    void init() { roadtest::forgetGameSettings(); }
    void startUpShowsTheStore()
    {
        store(tableOf({{"<b>Ann</b>", 500}, {"Bo", 300}, {"", 20}}), 4, 7, 90);
        MainWindow w;
        QCOMPARE(w.topname[1]->text(), QStringLiteral(" 1.<b>Ann</b>"));
        QCOMPARE(w.topname[1]->textFormat(), Qt::PlainText);
        QCOMPARE(w.toppoint[1]->text(), QStringLiteral(" 500 "));
        QCOMPARE(w.topname[3]->text(), QStringLiteral(" 3."));
        QCOMPARE(w.topname[10]->text(), QStringLiteral(" 10.Racer"));
        QCOMPARE(w.toppoint[10]->text(), QStringLiteral(" 0 "));
        QCOMPARE(w.topname[10]->x(), 519);
        QCOMPARE(w.topname[9]->geometry(), QRect(526, 63 + 240, 96, 21));
        QCOMPARE(w.toppoint[2]->geometry(), QRect(560, 105, 61, 41));
        QCOMPARE(w.topname[2]->palette().color(QPalette::WindowText), QColor(224, 16, 72));
        QCOMPARE(w.executed, 5); // this start counts
        QCOMPARE(w.totalgames, 7);
        QCOMPARE(w.tbpass, 90);
    }

    // The marker climbs the table while the score grows; the win is then inserted.
    void rankMarkerClimbsAndTheWinEnters()
    {
        store(tableOf({{"A", 30}, {"B", 20}, {"C", 10}}), 0, 0, 0);
        MainWindow w;
        w.show();
        w.restart();
        QCOMPARE(w.rankbox->x(), 2000);
        buildFirstBoardRoad(w);
        release(w); // 10 points: beats only the 0-point rows
        w.Timercar_Timer();
        QCOMPARE(w.toprank, 4);
        QCOMPARE(w.rankbox->pos(), QPoint(525, 63 + 90));
        QVERIFY(w.rankbox->isVisible());
        QList<int> ranks;
        while (w.Timercar->isActive()) {
            w.Timercar_Timer();
            if (ranks.isEmpty() || ranks.last() != w.toprank) ranks << w.toprank;
            if (w.Timercar->isActive()) QVERIFY(w.rankbox->isVisible());
        }
        QCOMPARE(ranks, (QList<int>{4, 3, 2, 1}));
        QVERIFY(!w.rankbox->isVisible()); // hidden at the end of the game
        QCOMPARE(w.topname[1]->text(), QStringLiteral(" 1.Your Name"));
        QCOMPARE(w.topname[2]->text(), QStringLiteral(" 2.A"));
        QCOMPARE(w.topname[4]->text(), QStringLiteral(" 4.C"));
        QCOMPARE(w.toppoint[1]->text(), QStringLiteral(" 100 "));
    }

    // Each game is ranked afresh: after a first win at #6, a second win of 10 points takes no
    // row, and the first win's rank is neither reported nor overwritten.
    void rankIsFreshEachGame()
    {
        store(tableOf({{"a", 500},
                       {"b", 400},
                       {"c", 300},
                       {"d", 200},
                       {"e", 150},
                       {"f", 90},
                       {"g", 80},
                       {"h", 70},
                       {"i", 60},
                       {"j", 50}}),
              0, 0, 0);
        MainWindow w;
        w.restart();
        buildFirstBoardRoad(w);
        release(w);
        driveToEnd(w);
        QCOMPARE(w.labelbig->text(), QStringLiteral("Your points is ranked #6 in the Top Ten"));
        w.bigmsg_Click();
        w.restart();
        w.setblock(2, w.exittype); // place 1, then straight into an exit: 10 points
        release(w);
        driveToEnd(w);
        QCOMPARE(w.gamestate, QStringLiteral("WIN"));
        QCOMPARE(w.points, 10);
        QCOMPARE(w.labelbig->text(), QStringLiteral("You failed to make it to the Top Ten"));
        QCOMPARE(w.topten.toptenpoint[6], 100);
        QCOMPARE(w.topten.toptenpoint[7], 90);
    }

    // A score that holds only the last row still shows the marker there.
    void markerOnTheLastRow()
    {
        TopTen table;
        for (int n = 1; n <= 9; ++n)
            table.toptenpoint[n] = 1000;
        table.toptenpoint[10] = 5;
        store(table, 0, 0, 0);
        MainWindow w;
        w.show();
        w.restart();
        release(w); // place 1 scores 10
        w.Timercar_Timer();
        QCOMPARE(w.toprank, 10);
        QCOMPARE(w.rankbox->pos(), QPoint(525, 63 + 270));
        QVERIFY(w.rankbox->isVisible());
    }

    // A table with no row under the score: the marker stays away and the line says so.
    void winOutsideTheTable()
    {
        TopTen full;
        for (int n = 1; n <= 10; ++n)
            full.toptenpoint[n] = 1000 - n;
        store(full, 0, 0, 0);
        MainWindow w;
        w.restart();
        buildFirstBoardRoad(w);
        release(w);
        driveToEnd(w);
        QCOMPARE(w.gamestate, QStringLiteral("WIN"));
        QCOMPARE(w.toprank, 11);
        QCOMPARE(w.rankbox->x(), 2000);
        QCOMPARE(w.labelbig->text(), QStringLiteral("You failed to make it to the Top Ten"));
        QCOMPARE(w.topten.toptenpoint[10], 990);
    }

    void aboutBoxShowsThisRunAndTheStore()
    {
        store(TopTen(), 3, 5, 40);
        MainWindow w;
        w.show();
        w.restart();
        release(w);
        driveToEnd(w); // lost at place 10 after 3 tiles
        QTest::mouseClick(w.cmd_about, Qt::LeftButton);
        QVERIFY(!w.isEnabled());
        AboutBox *about = openBox<AboutBox>();
        QVERIFY(about);
        auto stat = [about](const char *name) {
            return about->findChild<QLabel *>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(stat("stat1"), QStringLiteral(" 3"));
        QCOMPARE(stat("stat2"), QStringLiteral(" 6"));
        QCOMPARE(stat("stat5"), QStringLiteral(" 43"));
        QCOMPARE(stat("stat3"), QStringLiteral("0"));
        QCOMPARE(stat("stat4"), QStringLiteral("1"));
        QCOMPARE(stat("stat6"), QStringLiteral("3"));
        // Nor can the game be left from the main window meanwhile.
        QSignalSpy finished(&w, &MainWindow::finished);
        QVERIFY(!w.close());
        QCOMPARE(finished.count(), 0);
        about->close();
        QVERIFY(w.isEnabled());
    }

    // A termination request while a box is open saves, and the quit that follows can close
    // the window although the box still holds it off.
    void terminationWithABoxOpen()
    {
        MainWindow w;
        w.show();
        QTest::mouseClick(w.cmd_help, Qt::LeftButton);
        QVERIFY(!w.isEnabled());
        QSignalSpy finished(&w, &MainWindow::finished);
        w.Form_Unload();
        QCOMPARE(finished.count(), 1);
        QVERIFY(w.close());
    }

    // "Exit game" and the close box store the same: this start, the finished games, the tiles
    // and the table; a cancelled game counts for nothing but its tiles.
    void shutdown_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Exit game") << true;
        QTest::newRow("close box") << false;
    }
    void shutdown()
    {
        QFETCH(bool, byButton);
        store(TopTen(), 10, 20, 30);
        {
            MainWindow w;
            w.show();
            QSignalSpy finished(&w, &MainWindow::finished);
            w.restart(); // won: 11 tiles
            buildFirstBoardRoad(w);
            release(w);
            driveToEnd(w);
            w.bigmsg_Click();
            w.restart(); // lost: 3 tiles
            release(w);
            driveToEnd(w);
            w.bigmsg_Click();
            w.restart(); // cancelled after 1 tile, then left during the next countdown
            release(w);
            w.bigmsg_Click();
            w.restart();
            if (byButton)
                QTest::mouseClick(w.cmd_exit, Qt::LeftButton);
            else
                w.close();
            QCOMPARE(finished.count(), 1);
            for (QTimer *t :
                 {w.Timercar, w.Timercarin, w.Timerexitblock, w.Timerblink, w.Timerbigmsg})
                QVERIFY(!t->isActive());
        }
        QSettings s(recordsName, recordsName);
        const LifetimeCounters c = loadCounters(s);
        QCOMPARE(c.executed, 11);
        QCOMPARE(c.totalgames, 22);
        QCOMPARE(c.tbpass, 30 + 11 + 3 + 1);
        const TopTen t = loadTopTen(s);
        QCOMPARE(t.toptenname[1], QStringLiteral("Your Name"));
        QCOMPARE(t.toptenpoint[1], 100);
        QCOMPARE(t.toptenname[2], defaultPlayerName);
    }

    // Every score the table can hold shows whole in its row, however the screen scales it
    // (CTest runs this once more at twice the scale).
    void topTenPointsFit()
    {
        store(tableOf({{"a", 32767},
                       {"b", 28888},
                       {"c", 20000},
                       {"d", 19999},
                       {"e", 10000},
                       {"f", 9990},
                       {"g", 0}}),
              0, 0, 0);
        MainWindow w;
        w.show();
        const QFont face = w.toppoint[10]->font();
        for (int n = 1; n <= 7; ++n) {
            QLabel *row = w.toppoint[n];
            const QByteArray what = row->text().toLatin1();
            QVERIFY2(QFontMetricsF(row->font()).horizontalAdvance(row->text()) <= row->width(),
                     what);
            // Nothing of the digits is cut off at the box's left edge.
            const QImage shot = row->grab().toImage();
            for (int y = 0; y < shot.height(); ++y) {
                const QColor c = shot.pixelColor(0, y);
                QVERIFY2(!(c.red() > 200 && c.green() < 80 && c.alpha() > 0), what);
            }
            QCOMPARE(row->font().family(), face.family());
            QCOMPARE(row->font().pixelSize(), face.pixelSize());
        }
        QCOMPARE(w.toppoint[6]->font(), face); // four digits keep the face as it is
    }

    // The name box takes fourteen characters as a player sees them, typed or pasted, never
    // half of one, and nothing that would break the line.
    void nameBox()
    {
        MainWindow w;
        w.show();
        const QString smiley = QStringLiteral("\U0001F600");
        w.namebox->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("abcdefghijklm") + smiley);
        w.namebox->paste();
        QCOMPARE(w.namebox->text(), QStringLiteral("abcdefghijklm") + smiley);
        QTest::keyClicks(w.namebox, QStringLiteral("z"));
        QCOMPARE(w.namebox->text(), QStringLiteral("abcdefghijklm") + smiley);

        w.namebox->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("Ann\nBob\tCy\r\n"));
        w.namebox->paste();
        QCOMPARE(w.namebox->text(), QStringLiteral("AnnBobCy"));
        w.restart();
        QCOMPARE(w.playername, QStringLiteral("AnnBobCy"));
    }

    // A name stored with a line break (by hand or an older game) shows on one line and is
    // saved back as it was.
    void storedNameOnOneLine()
    {
        store(tableOf({{"Ann\nBob", 50}}), 0, 0, 0);
        MainWindow w;
        QCOMPARE(w.topname[1]->text(), QStringLiteral(" 1.Ann Bob"));
        w.Form_Unload();
        QCOMPARE(readRecords(recordsPath()).table.toptenname[1], QStringLiteral("Ann\nBob"));
    }

    void rightToLeftNamesStayInTheirRow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Hebrew") << QStringLiteral("\u05D3\u05E0\u05D9");
        QTest::newRow("Arabic") << QStringLiteral("\u0633\u0644\u0645\u0649");
        QTest::newRow("Hebrew then Latin") << QStringLiteral("\u05D3\u05E0 Ann");
        QTest::newRow("right-to-left override") << QStringLiteral("\u202EAnn\u202C");
        QTest::newRow("override never ended") << QStringLiteral("\u202EAnn");
        QTest::newRow("isolate closed early") << QStringLiteral("\u2069\u202E\u05D3\u05E0");
        QTest::newRow("embedding") << QStringLiteral("\u202BAnn 12");
    }

    // The rank stands at the row's left edge whatever the name's direction: the drawn rank of a
    // row with such a name is the drawn rank of a row with no name. The name keeps its
    // characters as stored.
    void rightToLeftNamesStayInTheirRow()
    {
        QFETCH(QString, name);
        const auto rankPicture = [](const QString &rowName) {
            store(tableOf({{"Ann", 50}, {rowName.toUtf8().constData(), 40}}), 0, 0, 0);
            MainWindow w;
            w.show();
            QLabel *label = w.topname[2];
            const int rankWidth =
                QFontMetrics(label->font()).horizontalAdvance(QStringLiteral(" 2.")) - 1;
            return label->grab().toImage().copy(0, 0, rankWidth * label->devicePixelRatio(),
                                                label->height() * label->devicePixelRatio());
        };
        const QImage withName = rankPicture(name);
        QCOMPARE(withName, rankPicture(QString()));
        store(tableOf({{"Ann", 50}, {name.toUtf8().constData(), 40}}), 0, 0, 0);
        MainWindow w;
        w.Form_Unload();
        QCOMPARE(readRecords(recordsPath()).table.toptenname[2], name);
    }

    // An emoji in a name draws in colour, in the top ten and in the name box, as the smiley's
    // yellow shows; a face without colour emoji would draw it in the text's own colour.
    void emojiNamesInColour()
    {
        if (!QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji")))
            QSKIP("the colour emoji font (fonts-noto-color-emoji) is not installed");
        const auto yellowPixels = [](QWidget *widget) {
            const QImage image = widget->grab().toImage();
            int count = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    count += c.red() > 200 && c.green() > 150 && c.blue() < 100;
                }
            }
            return count;
        };
        store(tableOf({{"\xF0\x9F\x98\x80", 50}}), 0, 0, 0);
        MainWindow w;
        w.show();
        QVERIFY(yellowPixels(w.topname[1]) > 10);
        w.namebox->setText(QStringLiteral("\U0001F600"));
        QVERIFY(yellowPixels(w.namebox) > 10);
        w.namebox->setText(QStringLiteral("Ann"));
        QCOMPARE(yellowPixels(w.namebox), 0);
    }

    // Two runs of the game at once, each winning a game: whichever leaves first, the store
    // keeps both wins and the counts of both runs.
    void twoRunsAtOnce_data()
    {
        QTest::addColumn<bool>("firstLeavesFirst");
        QTest::newRow("first leaves first") << true;
        QTest::newRow("second leaves first") << false;
    }
    void twoRunsAtOnce()
    {
        QFETCH(bool, firstLeavesFirst);
        store(tableOf({{"Old", 500}}), 3, 4, 5);
        MainWindow first;
        MainWindow second;
        first.namebox->setText(QStringLiteral("Ann"));
        second.namebox->setText(QStringLiteral("Bob"));
        for (MainWindow *w : {&first, &second}) {
            w->restart();
            buildFirstBoardRoad(*w);
            release(*w);
            driveToEnd(*w);
            QCOMPARE(w->gamestate, QStringLiteral("WIN"));
            QCOMPARE(w->toprank, 2);
        }
        (firstLeavesFirst ? first : second).Form_Unload();
        (firstLeavesFirst ? second : first).Form_Unload();

        const StoredRecords saved = readRecords(recordsPath());
        QCOMPARE(saved.counters.executed, 5);
        QCOMPARE(saved.counters.totalgames, 6);
        QCOMPARE(saved.counters.tbpass, 5 + 11 + 11);
        QCOMPARE(saved.table.toptenname[1], QStringLiteral("Old"));
        // Equal scores: the one saved later goes below.
        const QStringList names{saved.table.toptenname[2], saved.table.toptenname[3]};
        QCOMPARE(names, firstLeavesFirst
                            ? (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob")})
                            : (QStringList{QStringLiteral("Bob"), QStringLiteral("Ann")}));
        QCOMPARE(saved.table.toptenpoint[2], 100);
        QCOMPARE(saved.table.toptenpoint[3], 100);
        QCOMPARE(saved.table.toptenname[4], defaultPlayerName);
    }

    // A store that cannot be written (here a folder stands where the file belongs, which stops
    // root as well) costs the records of this run, but the game still ends, without a word.
    void unwritableStoreStillEnds()
    {
        const QString file =
            roadtest::isolateSettings().filePath(QStringLiteral("rdshfv1/rdshfv1.conf"));
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        {
            MainWindow w;
            w.show();
            QSignalSpy finished(&w, &MainWindow::finished);
            QTest::mouseClick(w.cmd_exit, Qt::LeftButton);
            QCOMPARE(finished.count(), 1);
        }
        QVERIFY(QFileInfo(file).isDir());
        QVERIFY(QDir(file).removeRecursively());
    }
};

ROADSHIFT_TEST_GUI_MAIN(TestRecordsWindow)
#include "test_records_window.moc"
