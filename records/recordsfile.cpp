// Reading the records file safely and saving a run's share of it without losing anyone's.
#include "records/recordsfile.h"

#include "core/numbertext.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A save takes a few milliseconds, so even a crowd of runs quitting together gets through in
// well under this; a run that still finds the lock taken leaves its share beside the store.
constexpr int lockWaitMs = 700;
// Short fixed steps: QLockFile's own waiting backs off to whole seconds.
constexpr int lockStepMs = 5;
// A run writes its lock's content right after creating it, so an empty lock older than this was
// left by a run that died in between.
constexpr int emptyLockGraceMs = 1000;

const QString shareMark = QStringLiteral(".share-");
const QByteArray shareHeader = "roadshift share 1";

QString lockPath(const QString &store)
{
    return store + QStringLiteral(".lock");
}

// Names the shares merged by a save until their files are gone; see saveRun.
QString journalPath(const QString &store)
{
    return store + QStringLiteral(".merging");
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void sayNotSaved(const QString &file, const QString &reason)
{
    const QString line =
        //: one line on standard error; %1 is a file, %2 the reason the system gave
        QCoreApplication::translate("Records", "roadshift: the records could not be saved in "
                                               "%1: %2")
            .arg(QDir::toNativeSeparators(file), reason);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

// The regular file a path names, through any links; none when something else stands there.
// A path where nothing stands at all is its own target.
std::optional<QString> regularTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return path;
    if (!info.isFile()) return std::nullopt; // a FIFO, a folder, a device, a dangling link
    return info.isSymLink() ? info.canonicalFilePath() : path;
}

StoredRecords readSettings(const QString &file)
{
    QSettings settings(file, QSettings::IniFormat);
    StoredRecords r;
    r.table = loadTopTen(settings);
    r.counters = loadCounters(settings);
    r.stats = readStoredStats(settings);
    return r;
}

bool sameTexts(const QString &file, const QList<std::pair<QString, QString>> &texts)
{
    const QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) return false;
    for (const auto &[key, text] : texts) {
        if (storedTextOf(settings, key) != text) return false;
    }
    return true;
}

// Writes the merged records, and whatever else the old store held, to a new file beside it.
bool writeBeside(const QString &oldFile, const QString &newFile, const MergedRecords &merged)
{
    QSettings out(newFile, QSettings::IniFormat);
    // Keys that are not the game's own stay as they were.
    const QSettings old(oldFile, QSettings::IniFormat);
    for (const QString &key : old.allKeys()) {
        if (!isCounterKey(key)) out.setValue(key, old.value(key));
    }
    return saveRecords(out, merged.table, merged.executed, merged.totalgames, merged.tbpass);
}

// QSettings does not say why a file could not be written, nor always that it could not: the
// new store is read back to know, and writing as much again here finds the reason.
QString writeFailure(const QString &file, qint64 size)
{
    const int fd =
        ::open(QFile::encodeName(file).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return systemReason(errno);
    const QByteArray filler(size, '\n');
    int error = 0;
    for (qsizetype done = 0; done < filler.size() && error == 0;) {
        const ssize_t n = ::write(fd, filler.constData() + done, filler.size() - done);
        if (n > 0)
            done += n;
        else
            error = n < 0 ? errno : ENOSPC;
    }
    ::close(fd);
    return error ? systemReason(error) : QString();
}

// Qt keeps a parsed settings file in memory and parses it again only when its size or time
// has changed. A new store therefore always gets a later time than the one it replaces.
void stampLaterThan(const QString &file, const QString &replaced)
{
    QDateTime stamp = QDateTime::currentDateTimeUtc();
    const QFileInfo old(replaced);
    if (old.exists() && old.lastModified().toUTC() >= stamp)
        stamp = old.lastModified().toUTC().addMSecs(1);
    QFile f(file);
    if (f.open(QIODevice::ReadWrite)) f.setFileTime(stamp, QFileDevice::FileModificationTime);
}

QByteArray fileHash(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&f);
    return hash.result().toHex();
}

// Why a folder could not be made: something on its way that is no folder, or the system's
// reason for the first folder that could not be made.
QString folderFailure(const QString &folder)
{
    QString missing;
    for (QString part = folder;; part = QFileInfo(part).absolutePath()) {
        const QFileInfo info(part);
        if (info.exists()) {
            if (!info.isDir()) return systemReason(ENOTDIR);
            break;
        }
        missing = part;
        if (info.isRoot()) break;
    }
    errno = 0;
    if (!missing.isEmpty() && ::mkdir(QFile::encodeName(missing).constData(), 0700) != 0)
        return systemReason(errno);
    return systemReason(EACCES);
}

// Shares -------------------------------------------------------------------------------------

// A share waiting beside the store: "<store>.share-<time>-<id>". Its name sorts by when it was
// left, so shares merge in the order their runs ended.
struct WaitingShare
{
    QString file;
    RunRecords run;
};

QByteArray shareText(const RunRecords &run)
{
    QByteArray text = shareHeader + "\ngames=" + QByteArray::number(run.games) +
                      "\ntiles=" + QByteArray::number(run.tiles) + '\n';
    for (const TopTenEntry &win : run.wins) {
        text += "win=" + QByteArray::number(win.points) + ' ' +
                win.name.toUtf8().toPercentEncoding() + '\n';
    }
    return text;
}

std::optional<RunRecords> parseShare(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 4 || lines.takeFirst() != shareHeader || !lines.takeLast().isEmpty())
        return std::nullopt;
    RunRecords run;
    bool gamesOk = false;
    bool tilesOk = false;
    if (lines[0].startsWith("games=")) run.games = lines[0].mid(6).toLongLong(&gamesOk);
    if (lines[1].startsWith("tiles=")) run.tiles = lines[1].mid(6).toLongLong(&tilesOk);
    if (!gamesOk || !tilesOk || run.games < 0 || run.tiles < 0) return std::nullopt;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const qsizetype blank = lines[i].indexOf(' ');
        bool ok = false;
        if (!lines[i].startsWith("win=") || blank < 0) return std::nullopt;
        const qint32 points = lines[i].mid(4, blank - 4).toInt(&ok);
        if (!ok) return std::nullopt;
        run.wins.append(
            {QString::fromUtf8(QByteArray::fromPercentEncoding(lines[i].mid(blank + 1))), points});
    }
    return run;
}

// Every complete share beside the store, oldest first. A share is written whole or not at all,
// so one that does not read is not the game's and is left alone.
QList<WaitingShare> waitingShares(const QString &store)
{
    const QFileInfo info(store);
    const QRegularExpression name(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(info.fileName() + shareMark) +
        QStringLiteral("[0-9]{13}-[0-9a-f]{32}")));
    QList<WaitingShare> shares;
    const QStringList files = info.dir().entryList({info.fileName() + shareMark + u'*'},
                                                   QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &file : files) {
        if (!name.match(file).hasMatch()) continue;
        const QString path = info.dir().filePath(file);
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) continue;
        if (const std::optional<RunRecords> run = parseShare(f.read(64 * 1024)))
            shares.append({path, *run});
    }
    return shares;
}

// The shares a save has merged are named, with the hash of the store it wrote, in a journal
// written before that store takes its place. The journal tells whether the merge got as far as
// the store: if the store is the one named, the shares are in it and go; if not, they wait on.
struct Journal
{
    QByteArray storeHash;
    QStringList shares;
};

std::optional<Journal> readJournal(const QString &store)
{
    QFile f(journalPath(store));
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty()) return Journal{};
    return Journal{lines.first().toLatin1(), lines.mid(1)};
}

// Writes `text` as `file`, whole or not at all; the reason when not.
std::optional<QString> writeWhole(const QString &file, const QByteArray &text)
{
    QSaveFile f(file);
    if (f.open(QIODevice::WriteOnly) && f.write(text) == text.size() && f.commit())
        return std::nullopt;
    return f.errorString();
}

bool writeJournal(const QString &store, const QByteArray &storeHash,
                  const QList<WaitingShare> &shares, QString &reason)
{
    QByteArray text = storeHash + '\n';
    for (const WaitingShare &s : shares)
        text += QFileInfo(s.file).fileName().toUtf8() + '\n';
    const std::optional<QString> failure = writeWhole(journalPath(store), text);
    if (failure) reason = *failure;
    return !failure;
}

// Whether the store in place is the one `journal` names: then the shares it lists are in it.
bool storeHoldsJournal(const QString &store, const std::optional<Journal> &journal)
{
    return journal && !journal->storeHash.isEmpty() && fileHash(store) == journal->storeHash;
}

// Finishes or forgets a merge that a run did not see through. Called under the lock.
void settleJournal(const QString &store)
{
    const std::optional<Journal> journal = readJournal(store);
    if (!journal) return;
    if (storeHoldsJournal(store, journal)) {
        const QDir dir = QFileInfo(store).dir();
        for (const QString &share : journal->shares)
            QFile::remove(dir.filePath(share));
    }
    QFile::remove(journalPath(store));
}

// The shares the store does not hold yet, read without the lock: a journal whose store is in
// place means its shares are already counted.
QList<WaitingShare> sharesNotInStore(const QString &store)
{
    QList<WaitingShare> shares = waitingShares(store);
    if (shares.isEmpty()) return shares;
    const std::optional<Journal> journal = readJournal(store);
    if (storeHoldsJournal(store, journal)) {
        shares.removeIf([&journal](const WaitingShare &s) {
            return journal->shares.contains(QFileInfo(s.file).fileName());
        });
    }
    return shares;
}

// Leaves this run's share beside the store, whole or not at all.
bool leaveShare(const QString &store, const RunRecords &run)
{
    const QString file =
        store + shareMark +
        QStringLiteral("%1").arg(QDateTime::currentMSecsSinceEpoch(), 13, 10, QLatin1Char('0')) +
        u'-' + QUuid::createUuid().toString(QUuid::Id128);
    const std::optional<QString> failure = writeWhole(file, shareText(run));
    if (failure) sayNotSaved(file, *failure);
    return !failure;
}

// The lock -----------------------------------------------------------------------------------

enum class DeadLock { None, Cleared, Unusable };

// True when `content` could be what QLockFile writes: the holder's process id, its program and
// its host, one a line.
bool lockContentFromARun(const QByteArray &content)
{
    const QList<QByteArray> lines = content.split('\n');
    if (lines.size() < 4) return false;
    bool ok = false;
    return lines[0].toLongLong(&ok) > 0 && ok;
}

// A lock no run can be holding: a link, a folder, or a file that is not in QLockFile's form.
// A run creates its lock file and fills it in one write, so only an empty file can be a run's
// lock still being written; it counts as dead once it has been empty for a while.
bool deadLockAt(const QString &lock)
{
    const QFileInfo info(lock);
    if (info.isSymLink() || info.isDir()) return true;
    if (!info.isFile()) return false;
    QFile f(lock);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray content = f.read(4096);
    if (content.isEmpty())
        return info.lastModified().msecsTo(QDateTime::currentDateTime()) > emptyLockGraceMs;
    return !lockContentFromARun(content);
}

// Clears a dead lock. Under a second lock, as QLockFile clears a stale one, so that no run can
// take the first one's place in between and lose its lock to a second clearer.
DeadLock clearDeadLock(const QString &lock)
{
    if (!deadLockAt(lock)) return DeadLock::None;
    QLockFile clearing(lock + QStringLiteral(".rmlock"));
    if (!clearing.tryLock(0)) return DeadLock::None; // another run is at it
    if (!deadLockAt(lock)) return DeadLock::None;
    const QFileInfo info(lock);
    const bool cleared =
        info.isDir() && !info.isSymLink() ? QDir().rmdir(lock) : QFile::remove(lock);
    return cleared ? DeadLock::Cleared : DeadLock::Unusable;
}

enum class Locking { Held, Busy, Failed };

// Takes the store's lock in short steps; Busy when a live run keeps it past the limit, or when
// something that is no lock stands in its place and cannot be cleared.
Locking takeLock(QLockFile &lock, QString &reason)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (lock.tryLock(0)) return Locking::Held;
        if (lock.error() != QLockFile::LockFailedError) {
            reason = lock.error() == QLockFile::PermissionError
                         ? systemReason(EACCES)
                         : QCoreApplication::translate("Records", "the lock cannot be made");
            return Locking::Failed;
        }
        switch (clearDeadLock(lock.fileName())) {
        case DeadLock::Cleared:
            continue;
        case DeadLock::Unusable:
            return Locking::Busy;
        case DeadLock::None:
            break;
        }
        if (waited.elapsed() >= lockWaitMs) return Locking::Busy;
        QThread::msleep(lockStepMs);
    }
}

void addShare(TopTen &table, LifetimeCounters &counters, const RunRecords &run)
{
    for (const TopTenEntry &win : run.wins)
        insertIntoTopTen(table, topTenRank(table, win.points), win.name, win.points);
    counters.executed += 1;
    counters.totalgames += run.games;
    counters.tbpass += run.tiles;
}

void addShares(StoredRecords &stored, const QList<WaitingShare> &shares)
{
    for (const WaitingShare &s : shares)
        addShare(stored.table, stored.counters, s.run);
}

// Writes `merged` in the store's place, through a checked file beside it; the shares it holds
// are named in the journal first and removed once the store is in place.
SaveOutcome replaceStore(const QString &target, const MergedRecords &merged,
                         const QList<WaitingShare> &shares)
{
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && !targetInfo.isWritable()) {
        sayNotSaved(target, systemReason(EACCES));
        return SaveOutcome::Failed;
    }
    QTemporaryFile reserve(targetInfo.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!reserve.open()) {
        sayNotSaved(target, reserve.errorString());
        return SaveOutcome::Failed;
    }
    const QString written = reserve.fileName();
    reserve.close();
    reserve.setAutoRemove(false);
    if (targetInfo.exists()) QFile::setPermissions(written, targetInfo.permissions());

    // The check reads the new file under a name Qt has never parsed, so it sees the disk, not a
    // copy kept in memory.
    const QString checked = written + QStringLiteral(".new");
    QString reason;
    bool ok = writeBeside(target, written, merged) &&
              std::rename(QFile::encodeName(written).constData(),
                          QFile::encodeName(checked).constData()) == 0 &&
              sameTexts(checked, recordTexts(merged.table, merged.executed, merged.totalgames,
                                             merged.tbpass));
    if (!ok) reason = writeFailure(written, targetInfo.size() + 4096);
    if (ok && !shares.isEmpty()) ok = writeJournal(target, fileHash(checked), shares, reason);
    if (ok) {
        stampLaterThan(checked, target);
        ok = std::rename(QFile::encodeName(checked).constData(),
                         QFile::encodeName(target).constData()) == 0;
        if (!ok) reason = systemReason(errno);
    }
    QFile::remove(written);
    QFile::remove(checked);
    if (!ok) {
        QFile::remove(journalPath(target)); // the store did not change: the shares wait on
        sayNotSaved(target, reason.isEmpty() ? QCoreApplication::translate(
                                                   "Records", "the file system refused the write")
                                             : reason);
        return SaveOutcome::Failed;
    }
    for (const WaitingShare &s : shares)
        QFile::remove(s.file);
    QFile::remove(journalPath(target));
    return SaveOutcome::Saved;
}

} // namespace

QString recordsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           recordsName + u'/' + recordsName + QStringLiteral(".conf");
}

StoredRecords readRecords(const QString &path)
{
    const std::optional<QString> file = regularTarget(path);
    if (!file) return StoredRecords{}; // anything but a file reads as an empty store
    StoredRecords r = readSettings(*file);
    // Shares waiting beside the store belong to it already; the next save puts them in.
    const QList<WaitingShare> shares = sharesNotInStore(*file);
    addShares(r, shares);
    if (!shares.isEmpty()) {
        r.stats.executedText = blankSigned(r.counters.executed);
        r.stats.totalgames = r.counters.totalgames;
        r.stats.tbpass = r.counters.tbpass;
    }
    return r;
}

MergedRecords mergeRun(const StoredRecords &stored, const RunRecords &run)
{
    TopTen table = stored.table;
    LifetimeCounters counters = stored.counters;
    addShare(table, counters, run);
    return {table, counters.executed, counters.totalgames, counters.tbpass};
}

SaveOutcome saveRun(const QString &path, const RunRecords &run)
{
    const std::optional<QString> target = regularTarget(path);
    if (!target) {
        sayNotSaved(path, QCoreApplication::translate("Records", "it is not a plain file"));
        return SaveOutcome::Failed;
    }
    const QFileInfo targetInfo(*target);
    if (!QDir().mkpath(targetInfo.absolutePath())) {
        sayNotSaved(*target, folderFailure(targetInfo.absolutePath()));
        return SaveOutcome::Failed;
    }

    // Qt's own writer of this file takes the same lock, so it waits for us as we wait for it.
    QLockFile lock(lockPath(*target));
    QString reason;
    switch (takeLock(lock, reason)) {
    case Locking::Held:
        break;
    case Locking::Busy:
        // The run that holds the lock, or the next one, merges this share.
        return leaveShare(*target, run) ? SaveOutcome::Waiting : SaveOutcome::Failed;
    case Locking::Failed:
        sayNotSaved(*target, reason);
        return SaveOutcome::Failed;
    }

    settleJournal(*target);
    const QList<WaitingShare> shares = waitingShares(*target);
    StoredRecords stored = readSettings(*target);
    addShares(stored, shares);
    return replaceStore(*target, mergeRun(stored, run), shares);
}
