// The top ten table: ranking a finished game, moving rows down for it, and the texts it shows.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The name a player has until they type one.
extern const QString defaultPlayerName;

constexpr int topTenRows = 10;
constexpr int notRanked = topTenRows + 1; // a toprank past the last row

// Rows 1..10; index 0 is unused so that row n is element n.
struct TopTen
{
    TopTen(); // every row: the default name, 0 points
    std::array<QString, topTenRows + 1> toptenname;
    std::array<qint32, topTenRows + 1> toptenpoint{};
};

// The colour of each row's name (rows 1..10), kept as plain numbers so the rules need no QtGui.
struct RowColour
{
    int red = 0;
    int green = 0;
    int blue = 0;
};
// Element 0 is unused, as in TopTen.
inline constexpr std::array<RowColour, topTenRows + 1> topcolor{{{0, 0, 0},
                                                                 {184, 8, 128},
                                                                 {224, 16, 72},
                                                                 {200, 56, 16},
                                                                 {112, 112, 16},
                                                                 {64, 156, 56},
                                                                 {32, 212, 168},
                                                                 {0, 208, 248},
                                                                 {16, 144, 248},
                                                                 {80, 36, 232},
                                                                 {152, 8, 184}}};

// The first row that `points` strictly beats (so equal scores go below), or `toprank` unchanged
// when no row is beaten.
int topTenRank(const TopTen &table, qint32 points, int toprank = notRanked);

// Rows toprank..9 move down one (row 10 drops out) and row toprank takes the new entry.
// Does nothing when toprank is outside 1..10.
void insertIntoTopTen(TopTen &table, int toprank, const QString &playername, qint32 points);

// " 1.Racer", " 10.Racer", " 3." for an empty name; the name on one line. A name that could
// turn the direction of the row (right-to-left letters, direction marks) stands in an isolate,
// so the rank stays at the row's start.
QString topTenNameText(int row, const QString &name);
// " 230 ".
QString topTenPointText(qint32 points);
// The line shown when a game is won.
QString topTenResultLine(int toprank);
// The same line after a win without countdown, which takes no row.
QString untimedResultLine();
