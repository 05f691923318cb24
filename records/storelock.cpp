// Taking the store's lock without ever blocking on what stands at its name.
#include "records/storelock.h"

#include "records/sidefile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstring>

namespace {

// A save takes a few milliseconds, so even a crowd of runs quitting together gets through in
// well under this; a run that still finds the lock taken leaves its share beside the store.
constexpr int lockWaitMs = 700;
// Short fixed steps: QLockFile's own waiting backs off to whole seconds.
constexpr int lockStepMs = 5;
// A run writes its lock's content right after creating it, so an empty lock older than this was
// left by a run that died in between.
constexpr int emptyLockGraceMs = 1000;
// QLockFile writes a process id, a program name and a host name.
constexpr qint64 lockContentLimit = 4096;

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

// True when nothing, or a regular file that is no link, stands at `path`: only then may
// QLockFile look there, since it opens and reads what it finds.
bool lockableName(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) return false;
    return sideFileKind(path) != SideFileKind::Other;
}

// A lock no run can be holding: anything but a regular file, or one not in QLockFile's form.
// A run creates its lock file and fills it in one write, so only an empty file can be a run's
// lock still being written; it counts as dead once it has been empty for a while.
bool deadLockAt(const QString &lock)
{
    if (sideFileKind(lock) == SideFileKind::Absent) return false;
    if (!lockableName(lock)) return true;
    const std::optional<QByteArray> content = readSideFile(lock, lockContentLimit);
    if (!content) return !usableSideFile(lock, lockContentLimit); // too large to be a lock
    if (content->isEmpty())
        return QFileInfo(lock).lastModified().msecsTo(QDateTime::currentDateTime()) >
               emptyLockGraceMs;
    return !lockContentFromARun(*content);
}

// Clears a dead lock. Under a second lock, as QLockFile clears a stale one, so that no run can
// take the first one's place in between and lose its lock to a second clearer.
DeadLock clearDeadLock(const QString &lock)
{
    if (!deadLockAt(lock)) return DeadLock::None;
    const QString clearingName = lock + QStringLiteral(".rmlock");
    // The clearing lock is read by QLockFile too; junk there is no run's.
    if (!lockableName(clearingName) && !clearJunkAt(clearingName)) return DeadLock::Unusable;
    QLockFile clearing(clearingName);
    if (!clearing.tryLock(0)) return DeadLock::None; // another run is at it
    if (!deadLockAt(lock)) return DeadLock::None;
    if (clearJunkAt(lock)) return DeadLock::Cleared;
    return QFile::remove(lock) ? DeadLock::Cleared : DeadLock::Unusable;
}

} // namespace

QString lockPath(const QString &store)
{
    return store + QStringLiteral(".lock");
}

Locking takeLock(QLockFile &lock, QString &reason)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const bool lockable = lockableName(lock.fileName());
        if (lockable && lock.tryLock(0)) return Locking::Held;
        if (lockable && lock.error() != QLockFile::LockFailedError) {
            reason = lock.error() == QLockFile::PermissionError
                         ? QString::fromLocal8Bit(std::strerror(EACCES))
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
