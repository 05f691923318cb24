// Shares that runs left beside the store, the journal of a merge, and a save's leftovers.
#pragma once

#include "records/recordsfile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A share waiting beside the store: "<store>.share-<time>-<id>". Its name sorts by when it was
// left, so shares merge in the order their runs ended.
struct WaitingShare
{
    QString file;
    RunRecords run;
};

// A share's text, and the run it holds; nothing for a text the game did not write, or one whose
// counts or points lie outside what the store can hold.
QByteArray shareText(const RunRecords &run);
std::optional<RunRecords> parseShare(const QByteArray &text);

// True for the file name (no folder) of a share beside `store`.
bool isShareName(const QString &store, const QString &fileName);

// Every complete share beside the store, oldest first. A share is written whole or not at all,
// so one that does not read is not the game's and is left alone.
QList<WaitingShare> waitingShares(const QString &store);

// The shares the store does not hold yet, read without the lock: a journal whose store is in
// place means its shares are already counted.
QList<WaitingShare> sharesNotInStore(const QString &store);

// Leaves this run's share beside the store, whole or not at all.
bool leaveShare(const QString &store, const RunRecords &run);

// The journal: the shares a save merged, named with the hash of the store it wrote, written
// before that store takes its place. The journal tells whether the merge got as far as the
// store: if the store is the one named, the shares are in it and go; if not, they wait on.
QString journalPath(const QString &store);
QByteArray fileHash(const QString &file);
// Writes the journal; the reason when it could not be written.
std::optional<QString> writeJournal(const QString &store, const QByteArray &storeHash,
                                    const QList<WaitingShare> &shares);

// Finishes or forgets a merge that a run did not see through, and clears whatever else stands
// at the journal's name. False when something the game cannot clear stands there, so no journal
// can be written. Called under the lock.
bool settleJournal(const QString &store);

// What a save's temporaries beside the store are called: "<store>.saving-XXXXXX", with ".new" or
// ".lock" after it.
inline const QString saveMark = QStringLiteral(".saving-");

// Removes the temporaries a save that was killed left beside the store once they are older than
// a minute. Earlier versions named them "<store>.XXXXXX"; those are taken only when the six
// characters look drawn at random (two of lower case, upper case and digits), so that a player's
// own "rdshfv1.conf.backup" stays. Called under the lock.
void clearLeftovers(const QString &store);

// Adds a run's share to a table and counters, each counter held at its cap.
void addShare(TopTen &table, LifetimeCounters &counters, const RunRecords &run);
void addShares(StoredRecords &stored, const QList<WaitingShare> &shares);
