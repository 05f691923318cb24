// Ranking and row texts of the top ten table.
#include "records/topten.h"

#include "core/numbertext.h"
#include "records/playername.h"

#include <QCoreApplication>

// Stored as it is and shown as it is, whatever the language: it stands for a player, like a typed
// name, and a store must read the same under every language.
const QString defaultPlayerName = QStringLiteral("Racer");

TopTen::TopTen()
{
    for (int n = 1; n <= topTenRows; ++n)
        toptenname[n] = defaultPlayerName;
}

int topTenRank(const TopTen &table, qint32 points, int toprank)
{
    for (int n = 1; n <= topTenRows; ++n) {
        if (points > table.toptenpoint[n]) return n;
    }
    return toprank;
}

void insertIntoTopTen(TopTen &table, int toprank, const QString &playername, qint32 points)
{
    if (toprank < 1 || toprank > topTenRows) return;
    for (int n = topTenRows; n > toprank; --n) {
        table.toptenname[n] = table.toptenname[n - 1];
        table.toptenpoint[n] = table.toptenpoint[n - 1];
    }
    table.toptenname[toprank] = playername;
    table.toptenpoint[toprank] = points;
}

namespace {

// Whether a name's characters could set the direction of the text around them.
bool mayTurnTheRow(const QString &name)
{
    for (const QChar c : name) {
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirPDF:
        case QChar::DirRLI:
        case QChar::DirLRI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            return true;
        default:
            break;
        }
    }
    return false;
}

// The name in an isolate of its own direction (FSI .. PDI), so that a right-to-left name, or
// one with direction marks in it, cannot move the rank before it. A mark that would close the
// isolate early is left out, and isolates the name opens are closed within it.
QString isolated(const QString &name)
{
    constexpr char16_t fsi = u'\u2068';
    constexpr char16_t pdi = u'\u2069';
    QString text(1, fsi);
    int open = 0;
    for (const QChar c : name) {
        const QChar::Direction d = c.direction();
        if (d == QChar::DirPDI) {
            if (open == 0) continue;
            --open;
        } else if (d == QChar::DirLRI || d == QChar::DirRLI || d == QChar::DirFSI) {
            ++open;
        }
        text += c;
    }
    return text + QString(open + 1, pdi);
}

} // namespace

QString topTenNameText(int row, const QString &name)
{
    const QString line = nameOnOneLine(name);
    return blankSigned(row) + u'.' + (mayTurnTheRow(line) ? isolated(line) : line);
}

QString topTenPointText(qint32 points)
{
    return blankSigned(points) + u' ';
}

QString untimedResultLine()
{
    //: shown under the banner after a win without countdown
    return QCoreApplication::translate("TopTen", "No countdown, so no place in the Top Ten");
}

QString topTenResultLine(int toprank)
{
    if (toprank < 1 || toprank > topTenRows)
        //: shown under the banner after a win whose points are too few for the top-ten table
        return QCoreApplication::translate("TopTen", "You failed to make it to the Top Ten");
    //: shown under the banner after a win that enters the top-ten table; %1 is the rank, 1 to 10
    return QCoreApplication::translate("TopTen", "Your points is ranked #%1 in the Top Ten")
        .arg(plainDecimal(toprank));
}
