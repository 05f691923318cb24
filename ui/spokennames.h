// Sentences a screen reader reads for the score, the banner, the countdown and the top-ten rows.
#pragma once

#include <QString>
#include <QtGlobal>

// "Score: 120 points".
QString scoreName(qint32 points);

// The banner as one sentence: the words of cell `msgpic` (the score on the blank cell), the
// top-ten line `line` after a win, then what a click does (`tip`, the banner's hover text).
QString bannerName(qint16 msgpic, qint32 points, const QString &line, const QString &tip);

// The countdown label while it shows `secondsLeft` (0 stands for the whole last second).
QString countdownName(qint16 secondsLeft);

// "Rank 1: Racer, 230 points"; an empty name is said as "no name".
QString topTenRowName(int row, const QString &name, qint32 points);
