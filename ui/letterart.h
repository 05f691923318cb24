// The words drawn into the game's pictures: their faces, how they are fitted and painted, and the
// words of each picture sheet's cells, lettered in the player's language over the wordless art.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// A face for drawn words: unhinted outlines, so that the 1x and 2x drawings share their shapes.
QFont artFont(const QString &family, qreal pixels, int weight = QFont::Bold);
QPainterPath textPath(const QString &text, const QFont &font);
// Moves and scales a path, keeping its shape, so it fills box as far as it can, centred.
QPainterPath fitPath(const QPainterPath &path, const QRectF &box);
// Paints a path with a dark rim, an optional drop shadow and a fill.
void outlinedPath(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &rim,
                  qreal rimWidth, qreal shadow = 0);

// How one text was fitted into its box. Words are drawn at the size the English ones take in the
// same box; a longer text is first narrowed (down to narrowest), then made smaller, never cut.
struct LetterFit
{
    QString text;
    QString where;      // which picture and box, for a reader of a test's output
    QRectF box;         // the room the words are fitted into, in the cell's logical pixels
    qreal size = 0;     // the letters' size reached, in logical pixels (the face's em)
    qreal english = 0;  // the size the English words take in the same box
    qreal narrowed = 1; // horizontal against vertical scale; 1 is the face as it is
    qreal minimum = 0;  // the least size still read with ease
    bool readable() const { return size >= minimum - 0.01; }
};

// The narrowest a face is drawn, as a share of its width.
constexpr qreal narrowest = 0.75;
// The least a text is made smaller than the English words in the same box, as a share.
constexpr qreal smallestShare = 0.75;

// Places `words` in `box` at the scale `englishScale` the English words take there (see
// LetterFit); `pixels` is the size of the face both were laid out in. Fills `fit` when given. A
// text taller than `box` (accents over its capitals, a comma under its line) may take up to
// `headroom` above it and `footroom` below it, its overflow shared between the two as they allow.
// `least` is the narrowest the words may be drawn (see narrowestFor); `taller` is how much
// taller the words' letters stand than the English ones' at one size (see letterHeight): their
// size is told as the English letters' of the same height.
QPainterPath fitWordsAt(const QPainterPath &words, qreal englishScale, const QRectF &box,
                        qreal pixels, LetterFit *fit = nullptr, qreal headroom = 0,
                        qreal footroom = 0, qreal least = narrowest, qreal taller = 1);
// How tall the letters of `text` stand in `font` (as inOneFace letters it): a capital's height
// for alphabets, the tallest character's for Chinese, Japanese and Korean, whose characters
// fill more of the face's size than capitals do.
qreal letterHeight(const QFont &font, const QString &text);
// How narrow `text` may be drawn: Chinese, Japanese and Korean characters are squares that
// read ill squeezed, so such a text is only made smaller; others down to `narrowest`.
qreal narrowestFor(const QString &text);
// The scale at which `path` fills `box` as far as it can, keeping its shape.
qreal fitScale(const QPainterPath &path, const QRectF &box);

// The words of one cell of a sheet, drawn over its wordless picture; `p` paints in the cell's
// logical pixels, its origin at the cell's top left. Returns how each text was fitted (nothing
// for a cell without words). The texts are the game's translated ones.
QList<LetterFit> letterTile(QPainter &p, int k);   // "tiles": exits 9..11, the START sign 23
QList<LetterFit> letterDigit(QPainter &p, int k);  // "digits": the unit after the score, 10
QList<LetterFit> letterBanner(QPainter &p, int k); // "banners": 0..4
QList<LetterFit> letterHelp(QPainter &p, int k);   // "help": the captions, the START and exit
QList<LetterFit> letterPaused(QPainter &p, int k); // "paused": the word and the key's hint

// Where the help's third picture puts its small START sign (drawn at tile scale 0.9 from here)
// and its small exit tile; the art and its words share these.
QPointF helpSignOrigin();
constexpr qreal helpSignScale = 0.9;
QRectF helpExitTile();

// The banner face at a size.
QFont bannerFont(qreal pixels);
