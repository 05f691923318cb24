// Tests of the records file: where it is, what may be read and replaced, and merged saving.
#include "roadtest.h"

#include "records/recordsfile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString freshFolder()
{
    return roadtest::freshFolder(QStringLiteral("store"));
}

using roadtest::writeFile;

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
}

TopTen descending(qint32 top, qint32 step)
{
    TopTen t;
    for (int n = 1; n <= topTenRows; ++n) {
        t.toptenpoint[n] = top - step * (n - 1);
        t.toptenname[n] = QStringLiteral("r%1").arg(n);
    }
    return t;
}

void storeAt(const QString &path, const TopTen &table, qint64 executed, qint64 games, qint64 tiles)
{
    QSettings s(path, QSettings::IniFormat);
    if (!saveRecords(s, table, executed, games, tiles)) qFatal("cannot store %s", qPrintable(path));
}

// Reads in another thread, so that a reader stuck on a FIFO fails the test instead of hanging
// it; the FIFO is then opened for writing and closed, which lets the reader go.
std::optional<StoredRecords> readWithin(const QString &path, const QString &fifo)
{
    auto reading = std::async(std::launch::async, [path] { return readRecords(path); });
    if (reading.wait_for(std::chrono::seconds(5)) == std::future_status::ready)
        return reading.get();
    const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
    reading.wait();
    return std::nullopt;
}

QStringList sharesBeside(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("rdshfv1.conf.share-*")}, QDir::Files | QDir::Hidden,
                               QDir::Name);
}

// Everything in the folder but the store itself.
QStringList besideTheStore(const QString &dir)
{
    QStringList all =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    all.removeAll(QStringLiteral("rdshfv1.conf"));
    return all;
}

// A live run that holds the store's lock until it is let go.
class LockHolder
{
  public:
    explicit LockHolder(const QString &store)
    {
        m_process.start(QStringLiteral(RECORDS_SAVER), {QStringLiteral("hold"), store});
        m_held = m_process.waitForReadyRead(10000) && m_process.readLine().trimmed() == "held";
    }
    ~LockHolder() { letGo(); }
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;
    bool held() const { return m_held; }
    bool letGo()
    {
        m_process.closeWriteChannel();
        return m_process.waitForFinished(10000) && m_process.exitCode() == 0;
    }

  private:
    QProcess m_process;
    bool m_held = false;
};

// Saving runs, each a process of its own, that are all let go at the same moment.
class Crowd
{
  public:
    explicit Crowd(const QString &dir) : m_fifo(dir + QStringLiteral("/start"))
    {
        if (::mkfifo(QFile::encodeName(m_fifo).constData(), 0600) != 0) qFatal("no FIFO");
        // Held open for writing, so that every run can open it and then wait for its end.
        m_fd = ::open(QFile::encodeName(m_fifo).constData(), O_RDWR | O_CLOEXEC);
        if (m_fd < 0) qFatal("cannot open the FIFO");
    }
    ~Crowd()
    {
        if (m_fd >= 0) ::close(m_fd);
        for (QProcess *p : m_runs) {
            p->kill();
            p->waitForFinished();
            delete p;
        }
    }
    Crowd(const Crowd &) = delete;
    Crowd &operator=(const Crowd &) = delete;

    void add(const QString &store, const QStringList &share)
    {
        auto *p = new QProcess;
        p->start(QStringLiteral(RECORDS_SAVER),
                 QStringList{QStringLiteral("save"), store, m_fifo} + share);
        m_runs.append(p);
    }
    // Waits until every run is ready, then lets them all go at once and waits for them to end.
    // Returns the longest save in milliseconds, or -1 when a run failed; counts in `waiting`
    // the runs that left their share beside the store.
    int release(int &waiting)
    {
        for (QProcess *p : m_runs) {
            if (!p->waitForReadyRead(30000) || p->readLine().trimmed() != "ready") return -1;
        }
        ::close(m_fd);
        m_fd = -1;
        int longest = 0;
        for (QProcess *p : m_runs) {
            if (!p->waitForFinished(30000) || p->exitCode() != 0) {
                qWarning() << "a run failed:" << p->exitCode() << p->readAllStandardError();
                return -1;
            }
            const QList<QByteArray> said = p->readAll().trimmed().split(' ');
            longest = std::max(longest, said.value(0).toInt());
            waiting += said.value(1) == "waiting";
        }
        return longest;
    }

  private:
    QString m_fifo;
    int m_fd = -1;
    QList<QProcess *> m_runs;
};

} // namespace

class TestRecordsFile : public QObject
{
    Q_OBJECT

  private slots:
    void pathIsTheSettingsFile();
    void aloneGivesTheRunsOwnRecords();
    void twoRunsBothKept_data();
    void twoRunsBothKept();
    void anySpellingOfTheCounterSection_data();
    void anySpellingOfTheCounterSection();
    void otherKeysSurviveASave();
    void notAPlainFile_data();
    void notAPlainFile();
    void linkToAPlainFile();
    void crowdOfRunsAllKept();
    void crowdMeetsAJunkLock();
    void lockHeldPastTheLimit();
    void waitingShareKeepsTheName_data();
    void waitingShareKeepsTheName();
    void interruptedMergeCountsOnce_data();
    void interruptedMergeCountsOnce();
    void deadLockCostsNothing_data();
    void deadLockCostsNothing();
    void failedSaveSaysWhy_data();
    void failedSaveSaysWhy();
    void failedSaveKeepsTheWaitingShares();
    void journalRemovesOnlyShares();
    void countersHeldAtTheCap_data();
    void countersHeldAtTheCap();
    void shareOutOfRangeIsLeftAlone_data();
    void shareOutOfRangeIsLeftAlone();
    void oldLeftoversCleared();
    void saveKeepsThePermissions_data();
    void saveKeepsThePermissions();
};

void TestRecordsFile::pathIsTheSettingsFile()
{
    QCOMPARE(recordsPath(), QSettings(recordsName, recordsName).fileName());
}

// One run with a store to itself saves what it kept in memory: its wins ranked into the table
// it loaded, and its counts on top of the stored ones.
void TestRecordsFile::aloneGivesTheRunsOwnRecords()
{
    const QString path = freshFolder() + QStringLiteral("/rdshfv1.conf");
    storeAt(path, descending(500, 50), 4, 9, 100);

    TopTen kept = readRecords(path).table;
    const QList<TopTenEntry> wins{{QStringLiteral("Ann"), 260},
                                  {QStringLiteral("Bo"), 260},
                                  {QStringLiteral("Cy"), 40},
                                  {QStringLiteral("Di"), 900}};
    for (const TopTenEntry &w : wins)
        insertIntoTopTen(kept, topTenRank(kept, w.points), w.name, w.points);

    QCOMPARE(saveRun(path, RunRecords{5, 77, wins}), SaveOutcome::Saved);
    const StoredRecords after = readRecords(path);
    QCOMPARE(after.table.toptenname, kept.toptenname);
    QCOMPARE(after.table.toptenpoint, kept.toptenpoint);
    QCOMPARE(after.table.toptenname[2], QStringLiteral("r1"));
    QCOMPARE(after.table.toptenname[7], QStringLiteral("Ann"));
    QCOMPARE(after.table.toptenname[8], QStringLiteral("Bo"));
    QCOMPARE(after.counters.executed, 5);
    QCOMPARE(after.counters.totalgames, 14);
    QCOMPARE(after.counters.tbpass, 177);
}

void TestRecordsFile::twoRunsBothKept_data()
{
    QTest::addColumn<bool>("firstRunSavesFirst");
    QTest::newRow("first run saves first") << true;
    QTest::newRow("second run saves first") << false;
}

// Two runs started on the same store; each wins and saves its own share, in either order.
void TestRecordsFile::twoRunsBothKept()
{
    QFETCH(bool, firstRunSavesFirst);
    const QString path = freshFolder() + QStringLiteral("/rdshfv1.conf");
    storeAt(path, descending(300, 30), 10, 20, 30);
    const RunRecords a{1, 11, {{QStringLiteral("Ann"), 100}}};
    const RunRecords b{3, 5, {{QStringLiteral("Bob"), 250}, {QStringLiteral("Bob"), 10}}};
    QCOMPARE(saveRun(path, firstRunSavesFirst ? a : b), SaveOutcome::Saved);
    QCOMPARE(saveRun(path, firstRunSavesFirst ? b : a), SaveOutcome::Saved);

    const StoredRecords after = readRecords(path);
    QCOMPARE(after.counters.executed, 12);
    QCOMPARE(after.counters.totalgames, 24);
    QCOMPARE(after.counters.tbpass, 46);
    QCOMPARE(after.table.toptenname[3], QStringLiteral("Bob"));
    QCOMPARE(after.table.toptenpoint[3], 250);
    QCOMPARE(after.table.toptenname[9], QStringLiteral("Ann"));
    QCOMPARE(after.table.toptenpoint[9], 100);
    QCOMPARE(after.table.toptenpoint[10], 90); // Bob's 10 points took no row
}

void TestRecordsFile::anySpellingOfTheCounterSection_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::newRow("as Qt writes it") << QByteArray("[%General]");
    QTest::newRow("[General] by hand") << QByteArray("[General]");
    QTest::newRow("[general] by hand") << QByteArray("[general]");
}

// A store written by hand or another tool keeps its counters, and the save leaves one section.
void TestRecordsFile::anySpellingOfTheCounterSection()
{
    QFETCH(QByteArray, section);
    const QString path = freshFolder() + QStringLiteral("/rdshfv1.conf");
    writeFile(path, section + "\nexecuted=\" 7\"\ntotalgames=3\ntbpass= 40\n\n"
                              "[topten]\ntop1point=-9871\ntop1name=nnA\n");
    const StoredRecords before = readRecords(path);
    QCOMPARE(before.counters.executed, 7);
    QCOMPARE(before.counters.totalgames, 3);
    QCOMPARE(before.counters.tbpass, 40);
    QCOMPARE(before.stats.executedText, QStringLiteral(" 7"));

    QCOMPARE(saveRun(path, RunRecords{2, 6, {}}), SaveOutcome::Saved);
    const QByteArray saved = contentOf(path);
    QCOMPARE(saved.count("executed="), 1);
    QCOMPARE(saved.count("General]"), 1);
    QVERIFY(saved.contains("[%General]"));
    const StoredRecords after = readRecords(path);
    QCOMPARE(after.counters.executed, 8);
    QCOMPARE(after.counters.totalgames, 5);
    QCOMPARE(after.counters.tbpass, 46);
    QCOMPARE(after.table.toptenname[1], QStringLiteral("Ann"));
    QCOMPARE(after.table.toptenpoint[1], 230);
}

void TestRecordsFile::otherKeysSurviveASave()
{
    const QString path = freshFolder() + QStringLiteral("/rdshfv1.conf");
    writeFile(path, "[notes]\nmine=keep me\n[topten]\ntop3name=xoB\n");
    QCOMPARE(saveRun(path, RunRecords{}), SaveOutcome::Saved);
    QVERIFY(QFile::copy(path, path + QStringLiteral(".copy")));
    const QSettings back(path + QStringLiteral(".copy"), QSettings::IniFormat);
    QCOMPARE(back.value(QStringLiteral("notes/mine")).toString(), QStringLiteral("keep me"));
    QCOMPARE(back.value(QStringLiteral("topten/top3name")).toString(), QStringLiteral("xoB"));
    QCOMPARE(back.allKeys().size(), 24);
}

void TestRecordsFile::notAPlainFile_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("link to a FIFO") << QStringLiteral("link to fifo");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("link to a folder") << QStringLiteral("link to folder");
    QTest::newRow("dangling link") << QStringLiteral("dangling link");
}

// Whatever else stands where the store belongs is read as no store and never written over.
// (Never a real device: the tests run as root.)
void TestRecordsFile::notAPlainFile()
{
    QFETCH(QString, what);
    const QString dir = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    const QString fifo = dir + QStringLiteral("/pipe");
    const QString folder = dir + QStringLiteral("/folder");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(QDir().mkpath(folder));
    if (what == u"fifo")
        QVERIFY(QFile::rename(fifo, path));
    else if (what == u"link to fifo")
        QVERIFY(QFile::link(fifo, path));
    else if (what == u"folder")
        QVERIFY(QDir().rename(folder, path));
    else if (what == u"link to folder")
        QVERIFY(QFile::link(folder, path));
    else
        QVERIFY(QFile::link(dir + QStringLiteral("/nothing"), path));
    const QFileInfo before(path);

    const std::optional<StoredRecords> read =
        readWithin(path, QFileInfo(path).isSymLink() ? fifo : path);
    QVERIFY2(read, "reading the store hung");
    QCOMPARE(read->table.toptenname[1], defaultPlayerName);
    QCOMPARE(read->counters.executed, 0);
    QCOMPARE(read->stats.executedText, QStringLiteral("0"));

    QCOMPARE(saveRun(path, RunRecords{1, 1, {{QStringLiteral("Ann"), 10}}}), SaveOutcome::Failed);
    const QFileInfo after(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isDir(), before.isDir());
    QCOMPARE(after.isFile(), false);
    QCOMPARE(QDir(dir)
                 .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                 .filter(QStringLiteral("rdshfv1.conf.")),
             QStringList());
}

// Records kept elsewhere through a link are read and saved there, and the link stays.
void TestRecordsFile::linkToAPlainFile()
{
    const QString dir = freshFolder();
    const QString real = dir + QStringLiteral("/kept.conf");
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    storeAt(real, descending(50, 5), 2, 2, 2);
    QVERIFY(QFile::link(real, path));
    QCOMPARE(readRecords(path).counters.executed, 2);
    QCOMPARE(saveRun(path, RunRecords{1, 1, {}}), SaveOutcome::Saved);
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(readRecords(real).counters.executed, 3);
}

// Sixteen runs saving at the same moment, as when a desktop session ends, round after round:
// every run's counts and every win that belongs in the top ten are in the store exactly once.
void TestRecordsFile::crowdOfRunsAllKept()
{
    constexpr int runs = 16;
    constexpr int rounds = 4;
    const QString dir = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    QList<TopTenEntry> allWins;
    qint64 games = 0;
    qint64 tiles = 0;
    for (int round = 0; round < rounds; ++round) {
        QVERIFY(QDir(dir).mkpath(QString::number(round)));
        Crowd crowd(dir + u'/' + QString::number(round));
        for (int i = 0; i < runs; ++i) {
            // Every win distinct, and the later rounds' best beat the earlier rounds'.
            const TopTenEntry win{QStringLiteral("r%1p%2").arg(round).arg(i),
                                  100 * round + 5 * ((i * 7) % runs) + 10};
            allWins.append(win);
            games += i % 3 + 1;
            tiles += 1 + i + runs * round;
            crowd.add(path, {QString::number(i % 3 + 1), QString::number(1 + i + runs * round),
                             win.name, QString::number(win.points)});
        }
        int waiting = 0;
        const int longest = crowd.release(waiting);
        QVERIFY2(longest >= 0, "a run failed to save");
        qInfo("round %d: the longest save took %d ms; %d shares wait beside the store", round,
              longest, waiting);

        const StoredRecords after = readRecords(path);
        QCOMPARE(after.counters.executed, runs * (round + 1));
        QCOMPARE(after.counters.totalgames, games);
        QCOMPARE(after.counters.tbpass, tiles);
        QList<TopTenEntry> best = allWins;
        std::stable_sort(best.begin(), best.end(), [](const TopTenEntry &a, const TopTenEntry &b) {
            return a.points > b.points;
        });
        for (int n = 1; n <= topTenRows; ++n) {
            QCOMPARE(after.table.toptenname[n], best[n - 1].name);
            QCOMPARE(after.table.toptenpoint[n], best[n - 1].points);
        }
    }
}

// Runs quitting together find junk at the lock's name: one of them clears it, and no run's lock
// is cleared in its place, so every share is in the store once.
void TestRecordsFile::crowdMeetsAJunkLock()
{
    constexpr int runs = 16;
    const QString dir = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    for (int round = 0; round < 3; ++round) {
        writeFile(path + QStringLiteral(".lock"), "left here by something else\n");
        QVERIFY(QDir(dir).mkpath(QString::number(round)));
        Crowd crowd(dir + u'/' + QString::number(round));
        for (int i = 0; i < runs; ++i)
            crowd.add(path, {QStringLiteral("1"), QStringLiteral("1")});
        int waiting = 0;
        QVERIFY2(crowd.release(waiting) >= 0, "a run failed to save");
        QCOMPARE(readRecords(path).counters.executed, runs * (round + 1));
    }
}

// A live run keeps the lock past the limit: the shares of the runs that meet it wait beside the
// store, which stays as it was, and the next save merges each of them once.
void TestRecordsFile::lockHeldPastTheLimit()
{
    const QString dir = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    storeAt(path, descending(300, 30), 10, 20, 30);
    const QByteArray before = contentOf(path);
    {
        LockHolder holder(path);
        QVERIFY(holder.held());
        QCOMPARE(saveRun(path, RunRecords{1, 4, {{QStringLiteral("Ann"), 290}}}),
                 SaveOutcome::Waiting);
        QCOMPARE(saveRun(path, RunRecords{2, 5, {{QStringLiteral("Bob"), 295}}}),
                 SaveOutcome::Waiting);
        QCOMPARE(contentOf(path), before);
        QCOMPARE(sharesBeside(dir).size(), 2);
        // A run starting now already sees them.
        const StoredRecords seen = readRecords(path);
        QCOMPARE(seen.counters.executed, 12);
        QCOMPARE(seen.stats.executedText, QStringLiteral(" 12"));
        QCOMPARE(seen.stats.totalgames, 23); // as the about box shows them
        QCOMPARE(seen.stats.tbpass, 39);
        QCOMPARE(seen.table.toptenname[2], QStringLiteral("Bob"));
        QVERIFY(holder.letGo());
    }

    QCOMPARE(saveRun(path, RunRecords{1, 1, {}}), SaveOutcome::Saved);
    QCOMPARE(besideTheStore(dir), QStringList());
    QCOMPARE(saveRun(path, RunRecords{}), SaveOutcome::Saved);
    const StoredRecords after = readRecords(path);
    QCOMPARE(after.counters.executed, 14);
    QCOMPARE(after.counters.totalgames, 24);
    QCOMPARE(after.counters.tbpass, 40);
    const QStringList names{QStringLiteral("r1"), QStringLiteral("Bob"), QStringLiteral("Ann"),
                            QStringLiteral("r2")};
    for (int n = 1; n <= names.size(); ++n)
        QCOMPARE(after.table.toptenname[n], names[n - 1]);
    QCOMPARE(after.table.toptenpoint[2], 295);
    QCOMPARE(after.table.toptenpoint[3], 290);
}

void TestRecordsFile::waitingShareKeepsTheName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("blank inside") << QStringLiteral("Ann Lee");
    QTest::newRow("percent and hex") << QStringLiteral("50%41 win");
    QTest::newRow("percent at the end") << QStringLiteral("100%");
    QTest::newRow("equals sign") << QStringLiteral("a=b");
    QTest::newRow("emoji") << QStringLiteral("\U0001F600 Bo");
}

// A win that waits beside the store keeps its name exactly, in the run that reads it and in the
// store that takes it.
void TestRecordsFile::waitingShareKeepsTheName()
{
    QFETCH(QString, name);
    const QString dir = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    storeAt(path, descending(300, 30), 10, 20, 30);
    {
        LockHolder holder(path);
        QVERIFY(holder.held());
        QCOMPARE(saveRun(path, RunRecords{1, 1, {{name, 500}}}), SaveOutcome::Waiting);
        QCOMPARE(readRecords(path).table.toptenname[1], name);
    }
    QCOMPARE(saveRun(path, RunRecords{}), SaveOutcome::Saved);
    QCOMPARE(besideTheStore(dir), QStringList());
    const StoredRecords after = readRecords(path);
    QCOMPARE(after.table.toptenname[1], name);
    QCOMPARE(after.table.toptenpoint[1], 500);
}

void TestRecordsFile::interruptedMergeCountsOnce_data()
{
    QTest::addColumn<bool>("storeInPlace");
    QTest::newRow("died after the store took the shares") << true;
    QTest::newRow("died before the store took them") << false;
}

// A run that dies in the middle of a merge leaves its journal and the shares. Whether the store
// it was writing took its place decides: the shares are then in it and go, or they count still.
void TestRecordsFile::interruptedMergeCountsOnce()
{
    QFETCH(bool, storeInPlace);
    const QString dir = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    storeAt(path, descending(300, 30), 10, 20, 30);
    {
        LockHolder holder(path);
        QVERIFY(holder.held());
        QCOMPARE(saveRun(path, RunRecords{1, 4, {}}), SaveOutcome::Waiting);
        QCOMPARE(saveRun(path, RunRecords{2, 5, {}}), SaveOutcome::Waiting);
    }
    const QStringList shares = sharesBeside(dir);
    QCOMPARE(shares.size(), 2);
    QByteArray journal;
    if (storeInPlace) {
        for (const QString &share : shares)
            QVERIFY(QFile::copy(dir + u'/' + share, dir + QStringLiteral("/kept-") + share));
        QCOMPARE(saveRun(path, RunRecords{}), SaveOutcome::Saved); // 3 runs, 3 games, 9 tiles
        for (const QString &share : shares)
            QVERIFY(QFile::rename(dir + QStringLiteral("/kept-") + share, dir + u'/' + share));
        QFile store(path);
        QVERIFY(store.open(QIODevice::ReadOnly));
        journal = QCryptographicHash::hash(store.readAll(), QCryptographicHash::Sha256).toHex();
    } else {
        journal = QByteArray(64, 'a'); // the store it names never took its place
    }
    journal += '\n' + shares.join(u'\n').toUtf8() + '\n';
    writeFile(path + QStringLiteral(".merging"), journal);
    const qint64 executed = storeInPlace ? 13 : 12;
    QCOMPARE(readRecords(path).counters.executed, executed);

    QCOMPARE(saveRun(path, RunRecords{1, 1, {}}), SaveOutcome::Saved);
    QCOMPARE(besideTheStore(dir), QStringList());
    const StoredRecords after = readRecords(path);
    QCOMPARE(after.counters.executed, executed + 1);
    QCOMPARE(after.counters.totalgames, 24);
    QCOMPARE(after.counters.tbpass, 40);
}

void TestRecordsFile::deadLockCostsNothing_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<SaveOutcome>("outcome");
    QTest::newRow("junk file") << QStringLiteral("junk") << SaveOutcome::Saved;
    QTest::newRow("number alone") << QStringLiteral("number") << SaveOutcome::Saved;
    QTest::newRow("empty folder") << QStringLiteral("folder") << SaveOutcome::Saved;
    QTest::newRow("link to nowhere") << QStringLiteral("link") << SaveOutcome::Saved;
    // A run died between making its lock and writing it.
    QTest::newRow("empty file left long ago") << QStringLiteral("old empty") << SaveOutcome::Saved;
    // Nothing can take a lock there: the share waits beside the store, at once.
    QTest::newRow("folder with a file") << QStringLiteral("full folder") << SaveOutcome::Waiting;
}

// What stands at the lock's name but no run can hold costs no waiting at all. (QLockFile alone
// waits out its whole time for these.)
void TestRecordsFile::deadLockCostsNothing()
{
    QFETCH(QString, what);
    QFETCH(SaveOutcome, outcome);
    const QString dir = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    const QString lock = path + QStringLiteral(".lock");
    storeAt(path, descending(300, 30), 10, 20, 30);
    if (what == u"junk")
        writeFile(lock, "left here by something else\n");
    else if (what == u"number")
        writeFile(lock, "1\n");
    else if (what == u"old empty")
        writeFile(lock, QByteArray());
    else if (what == u"link")
        QVERIFY(QFile::link(dir + QStringLiteral("/nothing"), lock));
    else
        QVERIFY(QDir().mkpath(lock));
    if (what == u"full folder") writeFile(lock + QStringLiteral("/inside"), "x");
    if (what == u"old empty") {
        QFile f(lock);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-10),
                              QFileDevice::FileModificationTime));
    }

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(saveRun(path, RunRecords{1, 1, {}}), outcome);
    // The wait it replaces was 3 s; a loaded machine still saves in a small part of that.
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(readRecords(path).counters.executed, 11);
    if (outcome == SaveOutcome::Saved) QCOMPARE(besideTheStore(dir), QStringList());
}

void TestRecordsFile::failedSaveSaysWhy_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("reason");
    // The tests run as root, whom no permission stops: a file size limit stops everyone.
    QTest::newRow("full disk") << QStringLiteral("full") << QString::fromLocal8Bit(strerror(EFBIG));
    QTest::newRow("folder is a file")
        << QStringLiteral("not a folder") << QString::fromLocal8Bit(strerror(ENOTDIR));
    QTest::newRow("read-only file")
        << QStringLiteral("read-only") << QString::fromLocal8Bit(strerror(EACCES));
}

// A store that cannot be written stays as it was, and one line on standard error names the file
// and the reason.
void TestRecordsFile::failedSaveSaysWhy()
{
    QFETCH(QString, what);
    QFETCH(QString, reason);
    if (what == u"read-only" && ::geteuid() == 0) QSKIP("root writes read-only files");
    const QString dir = freshFolder();
    QString path = dir + QStringLiteral("/rdshfv1.conf");
    if (what == u"not a folder") {
        writeFile(dir + QStringLiteral("/plain"), "x");
        path = dir + QStringLiteral("/plain/rdshfv1.conf");
    } else {
        storeAt(path, descending(300, 30), 10, 20, 30);
    }
    if (what == u"read-only") QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    const QByteArray before = contentOf(path);

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (what == u"full")
        env.insert(QStringLiteral("RECORDS_SAVER_FILE_LIMIT"), QStringLiteral("300"));
    run.setProcessEnvironment(env);
    run.start(QStringLiteral(RECORDS_SAVER),
              {QStringLiteral("save"), path, QStringLiteral("-"), QStringLiteral("1"),
               QStringLiteral("2"), QStringLiteral("Ann"), QStringLiteral("500")});
    QVERIFY(run.waitForFinished(10000));
    QCOMPARE(run.exitCode(), 1);
    const QString said = QString::fromLocal8Bit(run.readAllStandardError());
    QCOMPARE(said.count(u'\n'), 1);
    QVERIFY2(said.contains(path) && said.contains(reason), qPrintable(said));
    QCOMPARE(contentOf(path), before);
    if (what != u"not a folder") QCOMPARE(besideTheStore(dir), QStringList());
}

// A save that fails leaves the shares waiting beside the store where they were, still counted,
// and the next save that can write takes them in.
void TestRecordsFile::failedSaveKeepsTheWaitingShares()
{
    const QString dir = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    storeAt(path, descending(300, 30), 10, 20, 30);
    {
        LockHolder holder(path);
        QVERIFY(holder.held());
        QCOMPARE(saveRun(path, RunRecords{1, 4, {}}), SaveOutcome::Waiting);
        QCOMPARE(saveRun(path, RunRecords{2, 5, {}}), SaveOutcome::Waiting);
    }
    const QStringList shares = sharesBeside(dir);
    const QByteArray before = contentOf(path);

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("RECORDS_SAVER_FILE_LIMIT"), QStringLiteral("300"));
    run.setProcessEnvironment(env);
    run.start(QStringLiteral(RECORDS_SAVER), {QStringLiteral("save"), path, QStringLiteral("-"),
                                              QStringLiteral("1"), QStringLiteral("1")});
    QVERIFY(run.waitForFinished(10000));
    QCOMPARE(run.exitCode(), 1);
    QCOMPARE(contentOf(path), before);
    QCOMPARE(sharesBeside(dir), shares);
    QCOMPARE(readRecords(path).counters.executed, 12);

    QCOMPARE(saveRun(path, RunRecords{1, 1, {}}), SaveOutcome::Saved);
    QCOMPARE(besideTheStore(dir), QStringList());
    const StoredRecords after = readRecords(path);
    QCOMPARE(after.counters.executed, 13);
    QCOMPARE(after.counters.totalgames, 24);
    QCOMPARE(after.counters.tbpass, 40);
}

// A journal that holds the store's own hash names files for removal once the store is in place:
// only shares of this store, in its folder, are ever removed, whatever else it names.
void TestRecordsFile::journalRemovesOnlyShares()
{
    const QString dir = freshFolder();
    const QString victims = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    storeAt(path, descending(300, 30), 5, 10, 100);
    const QStringList outside = {victims + QStringLiteral("/x"), victims + QStringLiteral("/abs")};
    const QStringList beside = {dir + QStringLiteral("/notes.txt"),
                                dir + QStringLiteral("/other.conf.share-0000000000001-") +
                                    QString(32, u'b')};
    for (const QString &f : outside + beside)
        writeFile(f, "kept\n");
    const QString share = QStringLiteral("rdshfv1.conf.share-0000000000002-") + QString(32, u'c');
    QFile store(path);
    QVERIFY(store.open(QIODevice::ReadOnly));
    const QByteArray hash =
        QCryptographicHash::hash(store.readAll(), QCryptographicHash::Sha256).toHex();
    writeFile(dir + QStringLiteral("/rdshfv1.conf.merging"),
              hash + "\n../" + QFileInfo(victims).fileName().toUtf8() + "/x\n" +
                  QFile::encodeName(outside[1]) + "\nrdshfv1.conf\nnotes.txt\n" +
                  QFileInfo(beside[1]).fileName().toUtf8() + "\n" + share.toUtf8() + "\n");
    writeFile(dir + u'/' + share, "roadshift share 1\ngames=1\ntiles=1\n");

    QCOMPARE(saveRun(path, RunRecords{1, 2, {}}), SaveOutcome::Saved);
    for (const QString &f : outside + beside)
        QVERIFY2(QFileInfo::exists(f), qPrintable(f));
    QVERIFY(!QFileInfo::exists(dir + u'/' + share)); // the share the store holds did go
    const StoredRecords after = readRecords(path);
    QCOMPARE(after.counters.executed, 6);
    QCOMPARE(after.counters.totalgames, 11);
    QCOMPARE(after.counters.tbpass, 102);
}

// Every addition to a counter stops at the cap, and a share holding more than the cap is not the
// game's: it waits untouched and adds nothing.
void TestRecordsFile::countersHeldAtTheCap_data()
{
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QByteArray>("shareGames");
    QTest::addColumn<qint64>("expected");
    const qint64 cap = maxCounter;
    QTest::newRow("below the cap") << cap - 10 << QByteArray("3") << cap - 10 + 3 + 1;
    QTest::newRow("reaches the cap") << cap - 5 << QByteArray("4") << cap;
    QTest::newRow("would pass the cap") << cap - 5 << QByteArray("1000") << cap;
    QTest::newRow("at the cap already") << cap << QByteArray("1") << cap;
    QTest::newRow("a share of the cap") << qint64(7) << QByteArray::number(cap) << cap;
    QTest::newRow("a share over the cap")
        << qint64(7) << QByteArray("999999999999999999") << qint64(8);
    QTest::newRow("a share at qint64's end")
        << qint64(7) << QByteArray("9223372036854775807") << qint64(8);
    QTest::newRow("a share past qint64's end")
        << qint64(7) << QByteArray("9223372036854775808") << qint64(8);
}

void TestRecordsFile::countersHeldAtTheCap()
{
    QFETCH(qint64, stored);
    QFETCH(QByteArray, shareGames);
    QFETCH(qint64, expected);
    const QString dir = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    storeAt(path, TopTen(), stored, stored, stored);
    writeFile(dir + QStringLiteral("/rdshfv1.conf.share-0000000000001-") + QString(32, u'a'),
              "roadshift share 1\ngames=" + shareGames + "\ntiles=" + shareGames + "\n");
    QCOMPARE(saveRun(path, RunRecords{1, 1, {}}), SaveOutcome::Saved);
    for (int round = 0; round < 2; ++round) {
        const StoredRecords after = readRecords(path);
        QCOMPARE(after.counters.totalgames, expected);
        QCOMPARE(after.counters.tbpass, expected);
        QVERIFY(after.counters.executed <= maxCounter);
        QCOMPARE(saveRun(path, RunRecords{0, 0, {}}), SaveOutcome::Saved); // and again: kept
    }
}

// A share whose win lies outside what a top-ten row can store is not the game's: the table
// stays as it was and stays sorted.
void TestRecordsFile::shareOutOfRangeIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("win");
    QTest::newRow("above the most points") << QByteArray("win=40000 big");
    QTest::newRow("one above") << QByteArray("win=32768 big");
    QTest::newRow("negative") << QByteArray("win=-5 small");
    QTest::newRow("past qint32") << QByteArray("win=4294967396 wrap");
}

void TestRecordsFile::shareOutOfRangeIsLeftAlone()
{
    QFETCH(QByteArray, win);
    const QString dir = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    storeAt(path, descending(300, 30), 5, 10, 100);
    const QString share =
        dir + QStringLiteral("/rdshfv1.conf.share-0000000000001-") + QString(32, u'a');
    writeFile(share, "roadshift share 1\ngames=1\ntiles=1\n" + win + "\n");
    QCOMPARE(saveRun(path, RunRecords{1, 1, {}}), SaveOutcome::Saved);
    const StoredRecords after = readRecords(path);
    QCOMPARE(after.table.toptenpoint, descending(300, 30).toptenpoint);
    QCOMPARE(after.counters.totalgames, 11);
    QVERIFY(QFileInfo::exists(share));
}

// Temporaries a killed save left are cleared once they are a minute old; younger ones may belong
// to a save going on now and stay.
void TestRecordsFile::oldLeftoversCleared()
{
    const QString dir = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    storeAt(path, TopTen(), 1, 1, 1);
    const QStringList names = {QStringLiteral("rdshfv1.conf.a1B2c3"),
                               QStringLiteral("rdshfv1.conf.d4E5f6.new"),
                               QStringLiteral("rdshfv1.conf.g7H8i9.lock"),
                               QStringLiteral("rdshfv1.conf.saving-abcdef"),
                               QStringLiteral("rdshfv1.conf.saving-abcdef.new"),
                               QStringLiteral("rdshfv1.conf.saving-abcdef.new.lock")};
    const QStringList notOurs = {
        QStringLiteral("rdshfv1.conf.backup"), QStringLiteral("rdshfv1.conf.BACKUP"),
        QStringLiteral("rdshfv1.conf.a1B2c3.txt"), QStringLiteral("other.conf.a1B2c3")};
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-61);
    for (const QString &n : names + notOurs) {
        writeFile(dir + u'/' + n, "left\n");
        QFile f(dir + u'/' + n);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    const QStringList young = {QStringLiteral("rdshfv1.conf.j1K2l3"),
                               QStringLiteral("rdshfv1.conf.saving-m4N5o6.new")};
    for (const QString &n : young)
        writeFile(dir + u'/' + n, "now\n");

    QCOMPARE(saveRun(path, RunRecords{1, 1, {}}), SaveOutcome::Saved);
    QStringList expected = notOurs + young;
    expected.sort();
    QStringList found = besideTheStore(dir);
    found.sort();
    QCOMPARE(found, expected);
}

// A player who made the store private, or shared it, finds it so after the next save.
void TestRecordsFile::saveKeepsThePermissions_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("private") << 0600;
    QTest::newRow("read by the group") << 0640;
    QTest::newRow("read by all") << 0644;
}

void TestRecordsFile::saveKeepsThePermissions()
{
    QFETCH(int, mode);
    const QString dir = freshFolder();
    const QString path = dir + QStringLiteral("/rdshfv1.conf");
    storeAt(path, TopTen(), 1, 1, 1);
    QVERIFY(::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode)) == 0);
    QCOMPARE(saveRun(path, RunRecords{1, 1, {}}), SaveOutcome::Saved);
    struct stat st
    {
    };
    QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
    QCOMPARE(static_cast<int>(st.st_mode & 07777), mode);
    QCOMPARE(readRecords(path).counters.executed, 2);
}

ROADSHIFT_TEST_RULES_MAIN(TestRecordsFile)
#include "test_recordsfile.moc"
