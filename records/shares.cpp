// Shares beside the store, the journal of a merge, and a killed save's leftovers.
#include "records/shares.h"

#include "records/sidefile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUuid>

namespace {

const QString shareMark = QStringLiteral(".share-");
const QByteArray shareHeader = "roadshift share 1";

// A share holds a few lines per game won; far more than that is not one of ours.
constexpr qint64 shareLimit = 64 * 1024;
// One line per merged share: room for a crowd of tens of thousands.
constexpr qint64 journalLimit = 8 * 1024 * 1024;
// A save takes milliseconds; a temporary this old belongs to a save that was killed.
constexpr qint64 leftoverAgeMs = 60 * 1000;

QRegularExpression shareNamePattern(const QString &store)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(QFileInfo(store).fileName() + shareMark) +
        QStringLiteral("[0-9]{13}-[0-9a-f]{32}")));
}

// A whole number from a share, within what the store can hold.
std::optional<qint64> shareNumber(const QByteArray &text, qint64 high)
{
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    if (!ok || v < 0 || v > high) return std::nullopt;
    return v;
}

// Writes `text` as `file`, whole or not at all; the reason when not.
std::optional<QString> writeWhole(const QString &file, const QByteArray &text)
{
    QSaveFile f(file);
    if (f.open(QIODevice::WriteOnly) && f.write(text) == text.size() && f.commit())
        return std::nullopt;
    return f.errorString();
}

struct Journal
{
    QByteArray storeHash;
    QStringList shares;
};

// The journal as written; nothing when no regular journal of a sane size stands there.
std::optional<Journal> readJournal(const QString &store)
{
    const std::optional<QByteArray> text = readSideFile(journalPath(store), journalLimit);
    if (!text) return std::nullopt;
    const QStringList lines = QString::fromUtf8(*text).split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty()) return Journal{};
    return Journal{lines.first().toLatin1(), lines.mid(1)};
}

// Whether the store in place is the one `journal` names: then the shares it lists are in it.
bool storeHoldsJournal(const QString &store, const std::optional<Journal> &journal)
{
    return journal && !journal->storeHash.isEmpty() && fileHash(store) == journal->storeHash;
}

} // namespace

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
    if (!lines[0].startsWith("games=") || !lines[1].startsWith("tiles=")) return std::nullopt;
    const std::optional<qint64> games = shareNumber(lines[0].mid(6), maxCounter);
    const std::optional<qint64> tiles = shareNumber(lines[1].mid(6), maxCounter);
    if (!games || !tiles) return std::nullopt;
    RunRecords run{*games, *tiles, {}};
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const qsizetype blank = lines[i].indexOf(' ');
        if (!lines[i].startsWith("win=") || blank < 0) return std::nullopt;
        const std::optional<qint64> points = shareNumber(lines[i].mid(4, blank - 4), maxPoints);
        if (!points) return std::nullopt;
        run.wins.append(
            {QString::fromUtf8(QByteArray::fromPercentEncoding(lines[i].mid(blank + 1))),
             static_cast<qint32>(*points)});
    }
    return run;
}

bool isShareName(const QString &store, const QString &fileName)
{
    return shareNamePattern(store).match(fileName).hasMatch();
}

QList<WaitingShare> waitingShares(const QString &store)
{
    const QFileInfo info(store);
    const QRegularExpression name = shareNamePattern(store);
    QList<WaitingShare> shares;
    const QStringList files =
        info.dir().entryList({info.fileName() + shareMark + u'*'},
                             QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QString &file : files) {
        if (!name.match(file).hasMatch()) continue;
        const QString path = info.dir().filePath(file);
        const std::optional<QByteArray> text = readSideFile(path, shareLimit);
        if (!text) continue;
        if (const std::optional<RunRecords> run = parseShare(*text)) shares.append({path, *run});
    }
    return shares;
}

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

QString journalPath(const QString &store)
{
    return store + QStringLiteral(".merging");
}

QByteArray fileHash(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&f);
    return hash.result().toHex();
}

std::optional<QString> writeJournal(const QString &store, const QByteArray &storeHash,
                                    const QList<WaitingShare> &shares)
{
    QByteArray text = storeHash + '\n';
    for (const WaitingShare &s : shares)
        text += QFileInfo(s.file).fileName().toUtf8() + '\n';
    return writeWhole(journalPath(store), text);
}

bool settleJournal(const QString &store)
{
    const QString journal = journalPath(store);
    switch (sideFileKind(journal)) {
    case SideFileKind::Absent:
        return true;
    case SideFileKind::Other:
        // A link, a FIFO, a folder: nothing a save wrote. A journal is written through the name,
        // so a link left there would send it elsewhere.
        if (clearJunkAt(journal)) return true;
        sayPassedOver(journal, QCoreApplication::translate("Records", "it is not a plain file"));
        return false;
    case SideFileKind::Regular:
        break;
    }
    const std::optional<Journal> read = readJournal(store);
    if (storeHoldsJournal(store, read)) {
        // Only shares of this store, in its own folder, are ever taken away: whatever else a
        // journal names is not the game's to remove.
        const QDir dir = QFileInfo(store).dir();
        for (const QString &share : read->shares) {
            if (isShareName(store, share)) QFile::remove(dir.filePath(share));
        }
    }
    // A link to a regular file is cleared as a link; the file it names is left alone.
    if (!clearJunkAt(journal)) QFile::remove(journal);
    return sideFileKind(journal) == SideFileKind::Absent;
}

void clearLeftovers(const QString &store)
{
    const QFileInfo info(store);
    const QString suffix = QStringLiteral("(\\.new|\\.lock|\\.new\\.lock)?");
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(info.fileName()) + QStringLiteral("(\\.|") +
        QRegularExpression::escape(saveMark) + QStringLiteral(")([A-Za-z0-9]{6})") + suffix));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QStringList files =
        info.dir().entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    for (const QString &file : files) {
        const QRegularExpressionMatch m = leftover.match(file);
        if (!m.hasMatch()) continue;
        if (m.captured(1) == u".") {
            const QString drawn = m.captured(2);
            const int kinds = int(drawn.contains(QRegularExpression(QStringLiteral("[a-z]")))) +
                              int(drawn.contains(QRegularExpression(QStringLiteral("[A-Z]")))) +
                              int(drawn.contains(QRegularExpression(QStringLiteral("[0-9]"))));
            if (kinds < 2) continue;
        }
        const QFileInfo found(info.dir().filePath(file));
        if (found.isSymLink()) continue; // the game never leaves a link
        if (found.lastModified().toUTC().msecsTo(now) > leftoverAgeMs)
            QFile::remove(found.filePath());
    }
}

void addShare(TopTen &table, LifetimeCounters &counters, const RunRecords &run)
{
    for (const TopTenEntry &win : run.wins)
        insertIntoTopTen(table, topTenRank(table, win.points), win.name, win.points);
    counters.executed = addCounter(counters.executed, 1);
    counters.totalgames = addCounter(counters.totalgames, run.games);
    counters.tbpass = addCounter(counters.tbpass, run.tiles);
}

void addShares(StoredRecords &stored, const QList<WaitingShare> &shares)
{
    for (const WaitingShare &s : shares)
        addShare(stored.table, stored.counters, s.run);
}
