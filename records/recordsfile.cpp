// Reading the records file safely and saving a run's share of it without losing anyone's.
#include "records/recordsfile.h"

#include "core/numbertext.h"
#include "records/shares.h"
#include "records/sidefile.h"
#include "records/storelock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The regular file a path names, through any links; none when something else stands there.
// A path where nothing stands at all is its own target.
std::optional<QString> regularTarget(const QString &path)
{
    switch (sideFileKind(path)) {
    case SideFileKind::Absent:
        return path;
    case SideFileKind::Other:
        return std::nullopt; // a FIFO, a folder, a device, a dangling link
    case SideFileKind::Regular:
        break;
    }
    const QFileInfo info(path);
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
    QTemporaryFile reserve(targetInfo.absoluteFilePath() + saveMark + QStringLiteral("XXXXXX"));
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
    // The player's own choice of who may read the store stays, whatever the writer did.
    if (ok && targetInfo.exists()) ok = QFile::setPermissions(checked, targetInfo.permissions());
    if (ok && !shares.isEmpty()) {
        if (const std::optional<QString> failure =
                writeJournal(target, fileHash(checked), shares)) {
            reason = *failure;
            ok = false;
        }
    }
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

    clearLeftovers(*target);
    // Shares are merged only where a journal can name them; else they wait for a later run.
    const QList<WaitingShare> shares =
        settleJournal(*target) ? waitingShares(*target) : QList<WaitingShare>();
    StoredRecords stored = readSettings(*target);
    addShares(stored, shares);
    return replaceStore(*target, mergeRun(stored, run), shares);
}
