// Reading the records file safely and saving a run's share of it without losing anyone's.
#include "records/recordsfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>
#include <optional>

namespace {

// Long enough for another run to finish its own save; a lock left by a crashed run is broken
// by QLockFile at once, so this only matters when another run is really saving.
constexpr int lockWaitMs = 3000;

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

} // namespace

QString recordsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           recordsName + u'/' + recordsName + QStringLiteral(".conf");
}

StoredRecords readRecords(const QString &path)
{
    const std::optional<QString> file = regularTarget(path);
    return file ? readSettings(*file) : StoredRecords{}; // no file reads as an empty store
}

MergedRecords mergeRun(const StoredRecords &stored, const RunRecords &run)
{
    MergedRecords m;
    m.table = stored.table;
    for (const TopTenEntry &win : run.wins)
        insertIntoTopTen(m.table, topTenRank(m.table, win.points), win.name, win.points);
    m.executed = stored.counters.executed + 1;
    m.totalgames = stored.counters.totalgames + run.games;
    m.tbpass = stored.counters.tbpass + run.tiles;
    return m;
}

bool saveRun(const QString &path, const RunRecords &run)
{
    const std::optional<QString> target = regularTarget(path);
    if (!target) return false;
    const QFileInfo targetInfo(*target);
    if (!QDir().mkpath(targetInfo.absolutePath())) return false;

    // Qt's own writer of this file takes the same lock, so it waits for us as we wait for it.
    QLockFile lock(*target + QStringLiteral(".lock"));
    lock.tryLock(lockWaitMs); // a lock that cannot be had still lets the records be saved

    const MergedRecords merged = mergeRun(readSettings(*target), run);

    QTemporaryFile reserve(targetInfo.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!reserve.open()) return false;
    const QString written = reserve.fileName();
    reserve.close();
    reserve.setAutoRemove(false);
    if (targetInfo.exists()) QFile::setPermissions(written, targetInfo.permissions());

    // The check reads the new file under a name Qt has never parsed, so it sees the disk, not a
    // copy kept in memory.
    const QString checked = written + QStringLiteral(".new");
    bool saved = writeBeside(*target, written, merged) &&
                 std::rename(QFile::encodeName(written).constData(),
                             QFile::encodeName(checked).constData()) == 0 &&
                 sameTexts(checked, recordTexts(merged.table, merged.executed, merged.totalgames,
                                                merged.tbpass));
    if (saved) {
        stampLaterThan(checked, *target);
        saved = std::rename(QFile::encodeName(checked).constData(),
                            QFile::encodeName(*target).constData()) == 0;
    }
    QFile::remove(written);
    QFile::remove(checked);
    return saved;
}
