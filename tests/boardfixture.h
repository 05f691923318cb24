// Boards written as six short lines: one character a place, "0".."7" roads and the empty
// place, "E" an exit, "T" a tent; anything else is an error in the fixture.
#pragma once

#include "core/board.h"

#include <QString>
#include <QStringList>

inline qint16 fixtureType(QChar c)
{
    if (c == u'E') return tile::exit;
    if (c == u'T') return tile::obstacle;
    const int d = c.digitValue();
    Q_ASSERT(d >= 0 && d <= 7);
    return static_cast<qint16>(d);
}

inline QChar fixtureChar(qint16 type)
{
    if (type == tile::exit) return u'E';
    if (type == tile::obstacle) return u'T';
    if (type >= 0 && type <= 9) return QChar(u'0' + type);
    return u'?';
}

// A built board (tables and paths) holding the given tiles.
inline Board boardFrom(const QStringList &rows)
{
    Q_ASSERT(rows.size() == boardRows);
    Board b;
    b.buildCurves();
    b.buildPlaces();
    for (int r = 0; r < boardRows; ++r) {
        Q_ASSERT(rows[r].size() == boardColumns);
        for (int c = 0; c < boardColumns; ++c)
            b.setblock(static_cast<qint16>(r * 8 + c + 1), fixtureType(rows[r].at(c)));
    }
    return b;
}

// The board's tiles in the same six-line form.
inline QStringList rowsOf(const std::array<qint16, tableSize> &blocktype)
{
    QStringList rows;
    for (int r = 0; r < boardRows; ++r) {
        QString line;
        for (int c = 0; c < boardColumns; ++c)
            line += fixtureChar(blocktype[r * 8 + c + 1]);
        rows << line;
    }
    return rows;
}
