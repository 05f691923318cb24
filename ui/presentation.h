// What the score row, the banner and the difficulty panel show: layouts, words and limits.
#pragma once

#include "car/drive.h"

#include <QString>
#include <QtGlobal>

#include <vector>

// The banner's cells.
namespace banner {
constexpr qint16 clickToPlay = 0;
constexpr qint16 lost = 1;
constexpr qint16 wonA = 2;
constexpr qint16 wonB = 3;
constexpr qint16 goodLuck = 4;
constexpr qint16 blank = 5;
} // namespace banner

// The hover text that goes with a banner cell; a null QString for cells that leave it alone.
QString bannerTip(qint16 msgpic);

// One sprite of the score row: digit box `box` at `left`, showing digit cell `cell` (10 = Pts).
struct ScoreSprite
{
    int box = 0;
    int left = 0;
    int cell = 0;
};
constexpr int scoreTop = 390;
constexpr int digitParkLeft = 700;

// The digits of `points` followed by Pts, centred over the banner.
std::vector<ScoreSprite> scoreRow(qint16 points);

// The difficulty values, each a saturating setting.
constexpr qint16 minExits = 1;
constexpr qint16 maxExitCount = 4;
constexpr qint16 minCountdown = 10;
constexpr qint16 maxCountdown = noCountdown; // one step past 50 s: no countdown
qint16 clampExits(int totalexit);
qint16 clampCountdown(int cartimein);
QString exitWord(qint16 totalexit);
QString countdownWord(qint16 cartimein);

// Phase of a two-picture blink (the exits, the win animation): 1, 2, 1, 2, ... from 0.
qint16 nextPhase(qint16 phase);
