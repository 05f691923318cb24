// Tests of the records: the store's file forms, damaged stores, and the top ten rules.
#include "roadtest.h"

#include "records/playername.h"
#include "records/store.h"
#include "records/topten.h"

#include <QFile>
#include <QSettings>

namespace {

// A fresh file name in the throwaway settings folder, so that no test sees another's store.
QString freshStorePath()
{
    static int count = 0;
    return roadtest::isolateSettings().filePath(QStringLiteral("case-%1.conf").arg(++count));
}

QString writeStoreFile(const QByteArray &content)
{
    const QString path = freshStorePath();
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    f.write(content);
    return path;
}

// The store as the next run of the game finds it. Qt keeps each file it has parsed for the whole
// process, so a copy under a new name is what makes the reader parse what was really written.
QString asNextRun(const QString &path)
{
    const QString next = freshStorePath();
    if (!QFile::copy(path, next)) qFatal("cannot copy %s", qPrintable(path));
    return next;
}

// How a group stands in the file: Qt writes a group called "general" as [%General], since a plain
// [General] section holds the keys outside any group.
QByteArray sectionOf(const QString &group)
{
    return group == u"general" ? QByteArray("%General") : group.toUtf8();
}

// The text after "key=" in the group's section, byte for byte as the file holds it.
QString rawValue(const QString &path, const QString &group, const QString &key)
{
    const QString wanted = QString::fromUtf8(sectionOf(group));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("<no file>");
    QString section;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (line.startsWith(u'['))
            section = line.mid(1, line.indexOf(u']') - 1);
        else if (section == wanted && line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    }
    return QStringLiteral("<no key>");
}

// What the loaders make of one key, for tables that damage one key at a time.
qint64 readBack(const QString &path, const QString &key)
{
    QSettings s(path, QSettings::IniFormat);
    const LifetimeCounters c = loadCounters(s);
    const TopTen t = loadTopTen(s);
    if (key == u"general/executed") return c.executed;
    if (key == u"general/totalgames") return c.totalgames;
    if (key == u"general/tbpass") return c.tbpass;
    for (int n = 1; n <= topTenRows; ++n) {
        if (key == QStringLiteral("topten/top%1point").arg(n)) return t.toptenpoint[n];
    }
    qFatal("no reading for %s", qPrintable(key));
}

TopTen tableOf(const QList<qint32> &points)
{
    TopTen t;
    for (int n = 1; n <= topTenRows; ++n) {
        t.toptenpoint[n] = points.value(n - 1);
        t.toptenname[n] = QStringLiteral("r%1").arg(n);
    }
    return t;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

  private slots:
    void savedStoreHasTheGameForms();
    void roundTrip_data();
    void roundTrip();
    void countersGrowOverRuns();
    void emptyStoreReadsDefaults();
    void damagedValueReadsDefault_data();
    void damagedValueReadsDefault();
    void executedTextAsStored_data();
    void executedTextAsStored();
    void nameRoundTrip_data();
    void nameRoundTrip();
    void strevByCodePoint_data();
    void strevByCodePoint();
    void rankAndInsert_data();
    void rankAndInsert();
    void equalWinsOneAfterTheOther();
    void rowTexts_data();
    void rowTexts();
    void resultLine_data();
    void resultLine();
    void fitName_data();
    void fitName();
};

void TestRecords::savedStoreHasTheGameForms()
{
    QSettings s(recordsName, recordsName);
    s.clear();
    QVERIFY(saveRecords(s, TopTen(), 1, 0, 0));

    const QString path = s.fileName();
    QCOMPARE(path,
             qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/rdshfv1/rdshfv1.conf"));
    QCOMPARE(rawValue(path, QStringLiteral("general"), QStringLiteral("executed")),
             QStringLiteral("\" 1\""));
    QCOMPARE(rawValue(path, QStringLiteral("general"), QStringLiteral("totalgames")),
             QStringLiteral("\" 0\""));
    QCOMPARE(rawValue(path, QStringLiteral("topten"), QStringLiteral("top1point")),
             QStringLiteral("-10101"));
    QCOMPARE(rawValue(path, QStringLiteral("topten"), QStringLiteral("top1name")),
             QStringLiteral("recaR"));
    QCOMPARE(rawValue(path, QStringLiteral("topten"), QStringLiteral("top10point")),
             QStringLiteral("-10101"));

    QStringList expected{QStringLiteral("general/executed"), QStringLiteral("general/totalgames"),
                         QStringLiteral("general/tbpass")};
    for (int n = 1; n <= topTenRows; ++n) {
        expected << QStringLiteral("topten/top%1point").arg(n)
                 << QStringLiteral("topten/top%1name").arg(n);
    }
    QStringList keys = s.allKeys();
    keys.sort();
    expected.sort();
    QCOMPARE(keys, expected);
}

void TestRecords::roundTrip_data()
{
    QTest::addColumn<qint32>("points");
    QTest::addColumn<QString>("storedPoint");
    QTest::addColumn<qint64>("totalgames");
    QTest::addColumn<QString>("storedTotal");

    QTest::newRow("zero") << 0 << "-10101" << qint64(0) << "\" 0\"";
    QTest::newRow("230") << 230 << "-9871" << qint64(7) << "\" 7\"";
    QTest::newRow("15000") << 15000 << "4899" << qint64(40000) << "\" 40000\"";
    QTest::newRow("largest") << 32767 << "22666" << qint64(5'000'000'000) << "\" 5000000000\"";
}

void TestRecords::roundTrip()
{
    QFETCH(qint32, points);
    QFETCH(QString, storedPoint);
    QFETCH(qint64, totalgames);
    QFETCH(QString, storedTotal);

    TopTen table;
    table.toptenpoint[4] = points;
    table.toptenname[4] = QStringLiteral("Zed");
    table.toptenpoint[10] = 1;
    const QString path = freshStorePath();
    {
        QSettings s(path, QSettings::IniFormat);
        QVERIFY(saveRecords(s, table, 3, totalgames, totalgames + 1));
    }
    QCOMPARE(rawValue(path, QStringLiteral("topten"), QStringLiteral("top4point")), storedPoint);
    QCOMPARE(rawValue(path, QStringLiteral("general"), QStringLiteral("totalgames")), storedTotal);

    QSettings s(asNextRun(path), QSettings::IniFormat);
    const TopTen back = loadTopTen(s);
    QCOMPARE(back.toptenpoint, table.toptenpoint);
    QCOMPARE(back.toptenname, table.toptenname);
    const LifetimeCounters c = loadCounters(s);
    QCOMPARE(c.executed, 3);
    QCOMPARE(c.totalgames, totalgames);
    QCOMPARE(c.tbpass, totalgames + 1);
}

void TestRecords::countersGrowOverRuns()
{
    QString path = freshStorePath(); // the first run finds no store
    for (qint64 run = 1; run <= 3; ++run) {
        {
            QSettings s(path, QSettings::IniFormat);
            const LifetimeCounters c = loadCounters(s);
            QCOMPARE(c.executed, run - 1);
            QCOMPARE(c.totalgames, 2 * (run - 1));
            QCOMPARE(c.tbpass, 30 * (run - 1));
            QVERIFY(saveRecords(s, loadTopTen(s), c.executed + 1, c.totalgames + 2, c.tbpass + 30));
        }
        path = asNextRun(path);
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().count("[%General]"), 1);
}

void TestRecords::emptyStoreReadsDefaults()
{
    const QString path = freshStorePath();
    QSettings s(path, QSettings::IniFormat);
    const TopTen t = loadTopTen(s);
    for (int n = 1; n <= topTenRows; ++n) {
        QCOMPARE(t.toptenname[n], QStringLiteral("Racer"));
        QCOMPARE(t.toptenpoint[n], 0);
    }
    const LifetimeCounters c = loadCounters(s);
    QCOMPARE(c.executed, 0);
    QCOMPARE(c.totalgames, 0);
    QCOMPARE(c.tbpass, 0);
    const StoredStats stats = readStoredStats(s);
    QCOMPARE(stats.executedText, QStringLiteral("0"));
    QCOMPARE(stats.totalgames, 0);
    QCOMPARE(stats.tbpass, 0);
    // Reading alone must not create a store.
    s.sync();
    QVERIFY(!QFile::exists(path));
}

void TestRecords::damagedValueReadsDefault_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<qint64>("reading");

    const QString executed = QStringLiteral("general/executed");
    const QString total = QStringLiteral("general/totalgames");
    const QString tbpass = QStringLiteral("general/tbpass");
    const QString top1 = QStringLiteral("topten/top1point");
    const QString top10 = QStringLiteral("topten/top10point");

    QTest::newRow("letters") << executed << QByteArray("abc") << qint64(0);
    QTest::newRow("empty") << total << QByteArray("") << qint64(0);
    QTest::newRow("trailing letter") << tbpass << QByteArray("12x") << qint64(0);
    QTest::newRow("too big for any integer")
        << total << QByteArray("99999999999999999999") << qint64(0);
    QTest::newRow("negative counter") << executed << QByteArray("-5") << qint64(0);
    QTest::newRow("counter past the bound")
        << tbpass << QByteArray("1000000000000001") << qint64(0);
    QTest::newRow("fraction") << executed << QByteArray("1.5") << qint64(0);
    QTest::newRow("hex") << executed << QByteArray("0x10") << qint64(0);
    QTest::newRow("a list") << tbpass << QByteArray("1, 2") << qint64(0);
    QTest::newRow("blanks around accepted") << total << QByteArray("\" 12 \"") << qint64(12);
    QTest::newRow("the game's own form") << total << QByteArray("\" 40000\"") << qint64(40000);
    QTest::newRow("points below zero") << top1 << QByteArray("-10102") << qint64(0);
    QTest::newRow("points above 32767") << top1 << QByteArray("22667") << qint64(0);
    QTest::newRow("points 32767") << top10 << QByteArray("22666") << qint64(32767);
    QTest::newRow("points with blanks") << top10 << QByteArray("\" -9871 \"") << qint64(230);
    QTest::newRow("points letters") << top10 << QByteArray("abc") << qint64(0);
}

void TestRecords::damagedValueReadsDefault()
{
    QFETCH(QString, key);
    QFETCH(QByteArray, stored);
    QFETCH(qint64, reading);

    const qsizetype slash = key.indexOf(u'/');
    const QString path = writeStoreFile("[" + sectionOf(key.left(slash)) + "]\n" +
                                        key.mid(slash + 1).toUtf8() + "=" + stored + "\n");
    QCOMPARE(readBack(path, key), reading);
}

void TestRecords::executedTextAsStored_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");

    QTest::newRow("no store") << QByteArray() << "0";
    QTest::newRow("game's form") << QByteArray("[%General]\nexecuted=\" 12\"\n") << " 12";
    QTest::newRow("letters") << QByteArray("[%General]\nexecuted=abc\n") << "0";
    QTest::newRow("negative") << QByteArray("[%General]\nexecuted=-5\n") << "0";
}

void TestRecords::executedTextAsStored()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);

    QSettings s(writeStoreFile(file), QSettings::IniFormat);
    QCOMPARE(readStoredStats(s).executedText, text);
}

void TestRecords::nameRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");

    QTest::newRow("default") << "Racer"
                             << "recaR";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("markup") << "<b>x</b>"
                            << ">b/<x>b<";
    QTest::newRow("comma") << "a, b"
                           << "b ,a";
    QTest::newRow("ini characters") << "x=y;z\"q\\[w]"
                                    << "]w[\\q\"z;y=x";
    QTest::newRow("longer than a row") << "ABCDEFGHIJKLMNOPQRST"
                                       << "TSRQPONMLKJIHGFEDCBA";
    QTest::newRow("emoji") << QStringLiteral("Zo\u00eb \U0001F600\U0001F697")
                           << QStringLiteral("\U0001F697\U0001F600 \u00eboZ");
}

void TestRecords::nameRoundTrip()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);

    TopTen table;
    table.toptenname[2] = name;
    const QString path = freshStorePath();
    {
        QSettings s(path, QSettings::IniFormat);
        QVERIFY(saveRecords(s, table, 1, 0, 0));
    }
    QSettings s(asNextRun(path), QSettings::IniFormat);
    const QString storedText = s.value(QStringLiteral("topten/top2name")).toString();
    QCOMPARE(storedText, stored);
    QVERIFY(storedText.isValidUtf16());
    QCOMPARE(loadTopTen(s).toptenname[2], name);
}

void TestRecords::strevByCodePoint_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reversed");

    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("two letters") << "AB"
                                 << "BA";
    QTest::newRow("name") << "Racer"
                          << "recaR";
    QTest::newRow("surrogate pair")
        << QStringLiteral("a\U0001F600b") << QStringLiteral("b\U0001F600a");
}

void TestRecords::strevByCodePoint()
{
    QFETCH(QString, text);
    QFETCH(QString, reversed);

    QCOMPARE(strev(text), reversed);
    QVERIFY(strev(text).isValidUtf16());
    QCOMPARE(strev(strev(text)), text);
}

void TestRecords::rankAndInsert_data()
{
    QTest::addColumn<QList<qint32>>("before");
    QTest::addColumn<qint32>("score");
    QTest::addColumn<int>("rank");
    QTest::addColumn<QList<qint32>>("afterPoints");
    QTest::addColumn<QStringList>("afterNames");

    const QList<qint32> zeros(topTenRows, 0);
    const QList<qint32> full{1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
    const QStringList rows{"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9", "r10"};

    QTest::newRow("first win on an empty table")
        << zeros << 230 << 1 << QList<qint32>{230, 0, 0, 0, 0, 0, 0, 0, 0, 0}
        << QStringList{"new", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"};
    QTest::newRow("equal score goes below")
        << QList<qint32>{500, 300, 200, 0, 0, 0, 0, 0, 0, 0} << 300 << 3
        << QList<qint32>{500, 300, 300, 200, 0, 0, 0, 0, 0, 0}
        << QStringList{"r1", "r2", "new", "r3", "r4", "r5", "r6", "r7", "r8", "r9"};
    QTest::newRow("rank 10 replaces row 10 only")
        << full << 150 << 10 << QList<qint32>{1000, 900, 800, 700, 600, 500, 400, 300, 200, 150}
        << QStringList{"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9", "new"};
    QTest::newRow("equal to row 10 stays out") << full << 100 << notRanked << full << rows;
    QTest::newRow("zero never enters zeros") << zeros << 0 << notRanked << zeros << rows;
    QTest::newRow("best score pushes row 10 out")
        << full << 5000 << 1 << QList<qint32>{5000, 1000, 900, 800, 700, 600, 500, 400, 300, 200}
        << QStringList{"new", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"};
}

void TestRecords::rankAndInsert()
{
    QFETCH(QList<qint32>, before);
    QFETCH(qint32, score);
    QFETCH(int, rank);
    QFETCH(QList<qint32>, afterPoints);
    QFETCH(QStringList, afterNames);

    TopTen table = tableOf(before);
    const int toprank = topTenRank(table, score, notRanked);
    QCOMPARE(toprank, rank);
    insertIntoTopTen(table, toprank, QStringLiteral("new"), score);
    QCOMPARE(QList<qint32>(table.toptenpoint.begin() + 1, table.toptenpoint.end()), afterPoints);
    QCOMPARE(QStringList(table.toptenname.begin() + 1, table.toptenname.end()), afterNames);
}

void TestRecords::equalWinsOneAfterTheOther()
{
    TopTen table;
    insertIntoTopTen(table, topTenRank(table, 300), QStringLiteral("first"), 300);
    insertIntoTopTen(table, topTenRank(table, 300), QStringLiteral("second"), 300);
    QCOMPARE(table.toptenname[1], QStringLiteral("first"));
    QCOMPARE(table.toptenname[2], QStringLiteral("second"));
    QCOMPARE(table.toptenpoint[2], 300);
    QCOMPARE(table.toptenname[3], QStringLiteral("Racer"));
    QCOMPARE(table.toptenpoint[3], 0);
}

void TestRecords::rowTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint32>("points");
    QTest::addColumn<QString>("nameText");
    QTest::addColumn<QString>("pointText");

    QTest::newRow("first row") << 1 << "Racer" << 230 << " 1.Racer"
                               << " 230 ";
    QTest::newRow("last row") << 10 << "Racer" << 0 << " 10.Racer"
                              << " 0 ";
    QTest::newRow("empty name") << 3 << "" << 32767 << " 3."
                                << " 32767 ";
    QTest::newRow("right-to-left name isolated")
        << 2 << QStringLiteral("\u05D3\u05E0") << 10
        << QStringLiteral(" 2.\u2068\u05D3\u05E0\u2069") << " 10 ";
    QTest::newRow("an isolate the name leaves open is closed")
        << 2 << QStringLiteral("\u2067A") << 10 << QStringLiteral(" 2.\u2068\u2067A\u2069\u2069")
        << " 10 ";
    QTest::newRow("a mark that would end the isolate early is left out")
        << 2 << QStringLiteral("\u2069\u202EA") << 10 << QStringLiteral(" 2.\u2068\u202EA\u2069")
        << " 10 ";
    QTest::newRow("line breaks stored by hand") << 2 << "A\nB\r\tC\u2028D" << 10 << " 2.A B  C D"
                                                << " 10 ";
}

void TestRecords::rowTexts()
{
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(qint32, points);
    QFETCH(QString, nameText);
    QFETCH(QString, pointText);

    QCOMPARE(topTenNameText(row, name), nameText);
    QCOMPARE(topTenPointText(points), pointText);
}

void TestRecords::resultLine_data()
{
    QTest::addColumn<int>("toprank");
    QTest::addColumn<QString>("line");

    QTest::newRow("first") << 1 << "Your points is ranked #1 in the Top Ten";
    QTest::newRow("tenth") << 10 << "Your points is ranked #10 in the Top Ten";
    QTest::newRow("outside") << notRanked << "You failed to make it to the Top Ten";
}

void TestRecords::resultLine()
{
    QFETCH(int, toprank);
    QFETCH(QString, line);

    QCOMPARE(topTenResultLine(toprank), line);
}

void TestRecords::fitName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor"); // where the edit left it
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("cursorAfter");

    const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    const QString e = QStringLiteral("e\u0301"); // e and a combining acute: one character
    QTest::newRow("fourteen letters") << "abcdefghijklmn" << 14 << "abcdefghijklmn" << 14;
    QTest::newRow("a fifteenth is refused") << "abcdefghijklmno" << 15 << "abcdefghijklmn" << 14;
    QTest::newRow("nor inserted in the middle") << "abcdefgXhijklmn" << 8 << "abcdefghijklmn" << 7;
    QTest::newRow("an emoji as the fourteenth") << QStringLiteral("abcdefghijklm\U0001F600") << 15
                                                << QStringLiteral("abcdefghijklm\U0001F600") << 15;
    QTest::newRow("a family as the fourteenth")
        << "abcdefghijklm" + family << 21 << "abcdefghijklm" + family << 21;
    QTest::newRow("an emoji as the fifteenth is not halved")
        << QStringLiteral("abcdefghijklmn\U0001F600") << 16 << "abcdefghijklmn" << 14;
    QTest::newRow("accents count with their letter")
        << e.repeated(14) + e << 30 << e.repeated(14) << 28;
    QTest::newRow("a paste cut to fit")
        << "Ann" + QStringLiteral("0123456789ABCDEF") + "Bo" << 19 << "Ann012345678Bo" << 12;
    QTest::newRow("the longest paste a box takes")
        << "Ra" + QString(32767, u'x') + "cer" << 32769 << "Raxxxxxxxxxcer" << 11;
    QTest::newRow("a long paste of accented letters")
        << e.repeated(20000) + "Bo" << 40000 << e.repeated(12) + "Bo" << 24;
    QTest::newRow("line breaks and tabs dropped")
        << "A\nB\r\nC\tD\u2028E\u0085F\u007F" << 16 << "ABCDEF" << 6;
    QTest::newRow("empty") << "" << 0 << "" << 0;
}

void TestRecords::fitName()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, name);
    QFETCH(int, cursorAfter);
    qsizetype at = cursor;
    QCOMPARE(::fitName(text, at), name);
    QCOMPARE(at, cursorAfter);
}

ROADSHIFT_TEST_RULES_MAIN(TestRecords)
#include "test_records.moc"
