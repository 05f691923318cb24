// The records file on disk: read only when it is a plain file, saved by merging under a lock.
#pragma once

#include "records/store.h"
#include "records/topten.h"

#include <QList>
#include <QString>

// The file QSettings(recordsName, recordsName) uses, found without opening it: opening a
// FIFO that stands there would block the game before its window shows.
QString recordsPath();

// Everything the game reads from the store at once.
struct StoredRecords
{
    TopTen table;
    LifetimeCounters counters; // "executed" as stored
    StoredStats stats;         // as the about box shows them
};

// Reads the store at `path`. Only a regular file, or a link to one, is read; anything else
// (a FIFO, a folder, a device) reads as an absent store. Shares of runs that left them beside
// the store (see saveRun) are counted in, as the next save will put them there.
StoredRecords readRecords(const QString &path);

// A row one run's win added to the top ten.
struct TopTenEntry
{
    QString name;
    qint32 points = 0;
};

// What one run adds to the records: its own start, the games it finished, the tiles its car
// entered, and the rows its wins took, in the order they were won.
struct RunRecords
{
    qint64 games = 0;
    qint64 tiles = 0;
    QList<TopTenEntry> wins;
};

// The store as it will be saved: what is stored now with this run's share added on top. A run
// that was alone gives the table and counters it kept itself.
struct MergedRecords
{
    TopTen table;
    qint64 executed = 0;
    qint64 totalgames = 0;
    qint64 tbpass = 0;
};
MergedRecords mergeRun(const StoredRecords &stored, const RunRecords &run);

enum class SaveOutcome {
    Saved,   // the store holds this run's share, and every share that was waiting beside it
    Waiting, // another run kept the lock too long: the share waits beside the store
    Failed,  // nothing changed; a line on standard error says why
};

// Saves this run's share at shutdown. Under the store's lock it reads the store again, merges
// in the shares waiting beside it and this run's, writes the result to a file beside it, reads
// that back, and only then puts it in the store's place; so every run's records are kept, and a
// failed write (a full disk) leaves the old store exactly as it was. Only a regular file, or
// nothing, is ever replaced.
//
// The lock is waited for in short steps, for 0.7 s at most; a lock that no run can be
// holding (a folder, or a file not in QLockFile's form) is cleared at once. A run that cannot
// have the lock in time leaves its share in a file of its own beside the store, and the next
// run that saves merges it. A journal written before the new store takes its place names the
// shares it holds, so a run that dies before removing them cannot get them counted twice.
SaveOutcome saveRun(const QString &path, const RunRecords &run);
