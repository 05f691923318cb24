// Whatever stands at the names beside the store and the settings, a saving run and the real game
// start and quit at once, lose no count, and change nothing outside their own folders.
#include "roadtest.h"

#include "records/recordsfile.h"
#include "records/store.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QThread>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Far beyond what either needs here: a start that waits on an intruder waits for ever.
constexpr int budgetMs = 1000;

QString freshFolder()
{
    return roadtest::freshFolder(QStringLiteral("home"));
}

using roadtest::writeFile;

QByteArray randomBytes()
{
    QByteArray bytes(4096, '\0');
    for (char &c : bytes)
        c = static_cast<char>(QRandomGenerator::global()->bounded(256));
    return bytes;
}

// What a folder holds, as a list of name, kind, size, time and mode: a change to any shows.
QStringList snapshot(const QString &dir)
{
    QStringList seen;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st
        {
        };
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0) continue;
        seen << QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(QDir(dir).relativeFilePath(path))
                    .arg(st.st_mode, 0, 8)
                    .arg(S_ISREG(st.st_mode) ? st.st_size : 0)
                    .arg(st.st_mtim.tv_sec)
                    .arg(st.st_mtim.tv_nsec);
    }
    seen.sort();
    return seen;
}

// Puts an intruder of `kind` at `path`; what it links to lives in `outside`.
void plant(const QString &kind, const QString &path, const QString &outside)
{
    const QByteArray name = QFile::encodeName(path);
    const QByteArray fifo = QFile::encodeName(outside + QStringLiteral("/fifo"));
    if (kind == u"FIFO") {
        QVERIFY(::mkfifo(name.constData(), 0600) == 0);
    } else if (kind == u"link to a FIFO") {
        QVERIFY(::mkfifo(fifo.constData(), 0600) == 0);
        QVERIFY(::symlink(fifo.constData(), name.constData()) == 0);
    } else if (kind == u"link to /dev/zero") {
        QVERIFY(::symlink("/dev/zero", name.constData()) == 0);
    } else if (kind == u"folder") {
        // Not empty, so it cannot simply be taken away; what is in it must stay.
        QVERIFY(QDir().mkpath(path));
        writeFile(path + QStringLiteral("/kept"), "someone's file\n");
    } else if (kind == u"unreadable file") {
        writeFile(path, "12\n");
        QVERIFY(QFile::setPermissions(path, {}));
    } else if (kind == u"random bytes") {
        writeFile(path, randomBytes());
    }
}

// Waits for a process to end within the budget; kills it when it does not.
bool endsWithin(QProcess &p, int ms)
{
    if (p.waitForFinished(ms)) return true;
    p.kill();
    p.waitForFinished();
    return false;
}

// True once the game catches SIGTERM: its window is made, and with it the records read. Until
// it has become the game, the forked child may still catch it with the test's own handler.
bool catchesTerm(qint64 pid)
{
    if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() !=
        QFileInfo(QStringLiteral(ROADSHIFT_BINARY)).canonicalFilePath())
        return false;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

} // namespace

class TestSideFiles : public QObject
{
    Q_OBJECT

  private slots:
    void intruders_data();
    void intruders();
    void damagedSpeechSettingSaysSo();
};

void TestSideFiles::intruders_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("place");
    const QStringList kinds = {QStringLiteral("FIFO"),
                               QStringLiteral("link to a FIFO"),
                               QStringLiteral("link to /dev/zero"),
                               QStringLiteral("folder"),
                               QStringLiteral("unreadable file"),
                               QStringLiteral("random bytes")};
    const QStringList places = {QStringLiteral("lock"), QStringLiteral("clearing lock"),
                                QStringLiteral("journal"), QStringLiteral("share"),
                                QStringLiteral("speech.conf")};
    for (const QString &place : places) {
        for (const QString &kind : kinds)
            QTest::addRow("%s at the %s", qPrintable(kind), qPrintable(place)) << kind << place;
    }
}

void TestSideFiles::intruders()
{
    QFETCH(QString, kind);
    QFETCH(QString, place);
    const QString home = freshFolder();
    const QString outside = home + QStringLiteral("/outside");
    const QString records = home + QStringLiteral("/rdshfv1");
    const QString store = records + QStringLiteral("/rdshfv1.conf");
    QVERIFY(QDir().mkpath(outside));
    QVERIFY(QDir().mkpath(records));
    QVERIFY(QDir().mkpath(home + QStringLiteral("/roadshift")));
    writeFile(outside + QStringLiteral("/victim"), "not the game's\n");
    {
        QSettings s(store, QSettings::IniFormat);
        QVERIFY(saveRecords(s, TopTen(), 5, 10, 100));
    }
    const QString at = place == u"lock"            ? store + QStringLiteral(".lock")
                       : place == u"clearing lock" ? store + QStringLiteral(".lock.rmlock")
                       : place == u"journal"       ? store + QStringLiteral(".merging")
                       : place == u"share"
                           ? store + QStringLiteral(".share-0000000000001-") + QString(32, u'a')
                           : home + QStringLiteral("/roadshift/speech.conf");
    // The clearing lock is looked at only when the lock itself is dead.
    if (place == u"clearing lock") QVERIFY(QDir().mkpath(store + QStringLiteral(".lock")));
    plant(kind, at, outside);
    if (QTest::currentTestFailed()) return;
    const QStringList outsideBefore = snapshot(outside);

    QElapsedTimer clock;
    clock.start();
    QProcess saver;
    saver.start(QStringLiteral(RECORDS_SAVER), {QStringLiteral("save"), store, QStringLiteral("-"),
                                                QStringLiteral("2"), QStringLiteral("30")});
    QVERIFY2(endsWithin(saver, budgetMs), "the saving run did not end within a second");
    QCOMPARE(saver.exitCode(), 0);

    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    game.setProcessEnvironment(env);
    clock.restart();
    game.start(QStringLiteral(ROADSHIFT_BINARY), QStringList());
    QVERIFY(game.waitForStarted());
    while (!catchesTerm(game.processId()) && clock.elapsed() < budgetMs * 10)
        QThread::msleep(5);
    const qint64 started = clock.elapsed();
    ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
    clock.restart();
    QVERIFY2(endsWithin(game, budgetMs * 10), "the game did not quit");
    const qint64 quit = clock.elapsed();
    qDebug("started in %lld ms, quit in %lld ms", started, quit);
    QVERIFY2(started < budgetMs,
             qPrintable(QStringLiteral("the game took %1 ms to start").arg(started)));
    QVERIFY2(quit < budgetMs, qPrintable(QStringLiteral("the game took %1 ms to quit").arg(quit)));
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 0);

    // Both runs counted, in the store or in a share waiting beside it.
    const StoredRecords after = readRecords(store);
    QCOMPARE(after.counters.executed, 7);
    QCOMPARE(after.counters.totalgames, 12);
    QCOMPARE(after.counters.tbpass, 130);
    QCOMPARE(snapshot(outside), outsideBefore);
    if (kind == u"folder") QVERIFY(QFileInfo::exists(at + QStringLiteral("/kept")));
    QVERIFY(QFileInfo(QStringLiteral("/dev/zero")).exists());
}

// Random bytes where the speech setting belongs are passed over out loud, not silently.
void TestSideFiles::damagedSpeechSettingSaysSo()
{
    const QString home = freshFolder();
    QVERIFY(QDir().mkpath(home + QStringLiteral("/roadshift")));
    writeFile(home + QStringLiteral("/roadshift/speech.conf"), randomBytes());
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(ROADSHIFT_BINARY), QStringList());
    QVERIFY(game.waitForStarted());
    QElapsedTimer clock;
    clock.start();
    while (!catchesTerm(game.processId()) && clock.elapsed() < 10000)
        QThread::msleep(5);
    ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
    QVERIFY(endsWithin(game, 10000));
    QList<QByteArray> said = game.readAllStandardError().trimmed().split('\n');
    said.removeIf([](const QByteArray &line) { return line.startsWith("QStandardPaths:"); });
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().contains("speech.conf"), said.join(" / ").constData());
    // Left as it was until the player changes a setting.
    QCOMPARE(QFileInfo(home + QStringLiteral("/roadshift/speech.conf")).size(), 4096);
}

ROADSHIFT_TEST_RULES_MAIN(TestSideFiles)
#include "test_sidefiles.moc"
