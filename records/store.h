// The player's records on disk: the top ten and the lifetime counters in the per-user settings.
#pragma once

#include "records/topten.h"

#include <QList>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Organisation and application name of the records store: QSettings(recordsName, recordsName).
inline const QString recordsName = QStringLiteral("rdshfv1");

// The characters in reverse order, by code point, so a surrogate pair stays a valid pair.
QString strev(const QString &stringname);

// Counters never pass this: far beyond any real count, and far from qint64's end, so no sum of
// two counters can wrap.
inline constexpr qint64 maxCounter = 1'000'000'000'000'000;
// The most points a top-ten row can store.
inline constexpr qint32 maxPoints = 32767;

// Adds to a counter, holding it at maxCounter; `added` is never negative.
constexpr qint64 addCounter(qint64 counter, qint64 added)
{
    return added >= maxCounter - counter ? maxCounter : counter + added;
}

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

// The texts the records are saved as, key by key, in the order they are written: the twenty
// top-ten keys, then the three counters. The counters are final (this run already added in).
QList<std::pair<QString, QString>> recordTexts(const TopTen &table, qint64 executed,
                                               qint64 totalgames, qint64 tbpass);

// True for a counter's key under any spelling of its section.
bool isCounterKey(const QString &key);

// The text stored under a key as recordTexts names it, in whichever spelling of the section the
// file holds it; a null text when it is absent or not text.
QString storedTextOf(const QSettings &settings, const QString &key);

// Writes all the records and syncs. The counters are final (this run already added in); they
// end up in one section, whatever spellings the file held them under.
// Returns whether the store took them.
bool saveRecords(QSettings &settings, const TopTen &table, qint64 executed, qint64 totalgames,
                 qint64 tbpass);
