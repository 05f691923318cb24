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
// (a FIFO, a folder, a device) reads as an absent store.
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

// Saves this run's share at shutdown. Under a lock beside the store it reads the store again,
// merges, writes the result to a file beside it, reads that back, and only then puts it in the
// store's place; so a second run's records are kept, and a failed write (a full disk) leaves
// the old store exactly as it was. Only a regular file, or nothing, is ever replaced.
// Returns whether the store now holds the merged records.
bool saveRun(const QString &path, const RunRecords &run);
