// The player's records on disk: the top ten and the lifetime counters in the per-user settings.
#pragma once

#include "records/topten.h"

#include <QSettings>
#include <QString>
#include <QtGlobal>

// Organisation and application name of the records store: QSettings(recordsName, recordsName).
inline const QString recordsName = QStringLiteral("rdshfv1");

// The characters in reverse order, by code point, so a surrogate pair stays a valid pair.
QString strev(const QString &stringname);

struct LifetimeCounters
{
    qint64 executed = 0;
    qint64 totalgames = 0;
    qint64 tbpass = 0;
};

// What the about box shows of the store; "executed" as its stored text.
struct StoredStats
{
    QString executedText = QStringLiteral("0");
    qint64 totalgames = 0;
    qint64 tbpass = 0;
};

// Each reader takes a damaged or out-of-range value as that key's default, so a broken store
// never stops the game from starting.
TopTen loadTopTen(QSettings &settings);
LifetimeCounters
loadCounters(QSettings &settings); // executed as stored; the caller counts this run
StoredStats readStoredStats(QSettings &settings);

// Writes all the records and syncs. The counters are final (this run already added in).
// Returns whether the store took them; the game ignores a failure since it happens at shutdown,
// when there is no one left to tell.
bool saveRecords(QSettings &settings, const TopTen &table, qint64 executed, qint64 totalgames,
                 qint64 tbpass);
