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

QString topTenNameText(int row, const QString &name)
{
    return blankSigned(row) + u'.' + nameOnOneLine(name);
}

QString topTenPointText(qint32 points)
{
    return blankSigned(points) + u' ';
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
