// Letters the game's pictures: the faces, the fitting of a text into its box, and the words of
// every lettered cell, drawn over the wordless art in the player's language.
#include "ui/letterart.h"

#include "ui/fonts.h"
#include "ui/lettering.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace {

const QColor outlineDark(24, 24, 40);
const QColor laneWhite(238, 238, 232);

QString translated(Lettering which)
{
    return letteringText(which);
}

QString english(Lettering which)
{
    return QString::fromUtf8(letteringSource(which));
}

QString sheetPlace(const char *sheet, int k, const char *box)
{
    return QStringLiteral("%1 %2, %3").arg(QLatin1String(sheet)).arg(k).arg(QLatin1String(box));
}

// Adds a fit to `fits`, with its box as the cell sees it through `p`'s transformation.
void record(const QPainter &p, LetterFit fit, const QString &text, const QRectF &box,
            const QString &where, QList<LetterFit> &fits)
{
    fit.text = text;
    fit.where = where;
    fit.box = p.transform().mapRect(box);
    fits << fit;
}

// How much taller the letters of `text` stand than those of `english` in `font`.
qreal tallerThan(const QFont &font, const QString &text, const QString &english)
{
    const qreal model = letterHeight(font, english);
    return model > 0 ? letterHeight(font, text) / model : 1;
}

// The words of `which` fitted into `box` in `font`, as the English ones would be, a taller text
// free to take `headroom` and `footroom` (see fitWordsAt); the fit is added to `fits`.
QPainterPath fitted(const QPainter &p, Lettering which, const QString &text, const QFont &font,
                    const QRectF &box, const QString &where, QList<LetterFit> &fits,
                    qreal headroom = 0, qreal footroom = 0)
{
    LetterFit fit;
    const QPainterPath path = fitWordsAt(
        textPath(text, font), fitScale(textPath(english(which), font), box), box, font.pixelSize(),
        &fit, headroom, footroom, narrowestFor(text), tallerThan(font, text, english(which)));
    record(p, fit, text, box.adjusted(0, -headroom, 0, footroom), where, fits);
    return path;
}

// ---------------------------------------------------------------- the exits and the sign

// THE END! over an exit tile: a text with a space breaks there, into a short upper line and
// a wider lower one, as the English; one word takes both lines' room.
void endTileWords(QPainter &p, const QColor &letters, const QString &where, QList<LetterFit> &fits)
{
    const QFont font = artFont(QStringLiteral("DejaVu Sans"), 15, QFont::Black);
    // The English lines' boxes, and the wider room a longer line may take, over the chequered
    // bands but clear of the tile's edge; both centred alike.
    const QRectF upperBox(14, 14, 32, 13);
    const QRectF lowerBox(9, 31, 42, 13);
    const QRectF upperRoom(9, 14, 42, 13);
    const QRectF lowerRoom(4, 31, 52, 13);
    const QString source = english(Lettering::TheEnd);
    const qsizetype sourceBreak = source.indexOf(u' ');
    const QString englishUpper = source.left(sourceBreak);
    const QString englishLower = source.mid(sourceBreak + 1);
    const QString text = translated(Lettering::TheEnd).trimmed();
    const qsizetype at = text.indexOf(u' ');
    auto line = [&](const QString &words, const QString &model, const QRectF &box,
                    const QRectF &room, const char *name) {
        LetterFit fit;
        const QPainterPath path = fitWordsAt(
            textPath(words, font), fitScale(textPath(model, font), box), room, font.pixelSize(),
            &fit, 0, 0, narrowestFor(words), tallerThan(font, words, model));
        record(p, fit, words, room, where + QLatin1String(", ") + QLatin1String(name), fits);
        outlinedPath(p, path, letters, outlineDark, 3.2);
    };
    if (at < 0) {
        // As large as the lower English line, with both lines' height to stand in.
        LetterFit fit;
        const QRectF bothLines = lowerRoom.united(upperRoom);
        const QPainterPath path = fitWordsAt(
            textPath(text, font), fitScale(textPath(englishLower, font), lowerBox), bothLines,
            font.pixelSize(), &fit, 0, 0, narrowestFor(text), tallerThan(font, text, englishLower));
        record(p, fit, text, bothLines, where + QLatin1String(", one line"), fits);
        outlinedPath(p, path, letters, outlineDark, 3.2);
    } else {
        line(text.left(at), englishUpper, upperBox, upperRoom, "upper line");
        line(text.mid(at + 1).trimmed(), englishLower, lowerBox, lowerRoom, "lower line");
    }
}

// The word of the START plate, one letter under the other; a longer word takes smaller steps,
// and a word whose letters would get too small that way runs up the plate sideways instead.
void startPlateWords(QPainter &p, const QString &where, QList<LetterFit> &fits)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QString word = translated(Lettering::Start).trimmed();
    const QFont font = artFont(QStringLiteral("DejaVu Sans"), 11, QFont::Black);
    // The English five letters stand 10.2 apart in boxes 9 high and 9.5 wide, from 4.8 down to
    // 54.6.
    constexpr qreal pitch = 10.2;
    constexpr qreal height = 9;
    constexpr qreal top = 4.8;
    constexpr qreal left = 3;
    constexpr qreal width = 9.5;
    const qsizetype sourceLetters = english(Lettering::Start).size();
    const qreal span = (sourceLetters - 1) * pitch + height;
    const QRectF plate(left, top, width, span);
    const qsizetype n = qMax<qsizetype>(1, word.size());
    const qreal step = n <= sourceLetters ? pitch : span / (n - 1 + height / pitch);
    const qreal first = top + (span - ((n - 1) * step + step * height / pitch)) / 2;
    LetterFit stacked;
    stacked.english = height;
    stacked.minimum = smallestShare * height;
    stacked.size = step * height / pitch;
    QList<QPainterPath> letters;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QRectF box(left, first + i * step, width, step * height / pitch);
        // Japanese lengthens a vowel with a dash along the line: in a column it stands upright.
        QString letter = word.mid(i, 1);
        if (letter == QStringLiteral("\u30fc")) letter = QStringLiteral("\ufe31");
        letters << fitPath(textPath(letter, font), box);
        // A wide letter meets the sides before the box's height.
        if (word.at(i).isLetter())
            stacked.size = qMin(stacked.size, letters.last().boundingRect().height());
    }
    if (stacked.readable()) {
        for (const QPainterPath &letter : letters)
            p.drawPath(letter);
        record(p, stacked, word, plate, where, fits);
    } else {
        // Read from the foot of the plate upwards, at the size that makes the English word's
        // capitals as tall as its stacked letters.
        const QPainterPath line = textPath(word, font);
        const qreal englishScale =
            height / textPath(english(Lettering::Start), font).boundingRect().height();
        const QRectF along(-span / 2, -width / 2, span, width);
        LetterFit fit;
        const QPainterPath path =
            fitWordsAt(line, englishScale, along, font.pixelSize(), &fit, 0, 0, narrowestFor(word),
                       tallerThan(font, word, english(Lettering::Start)));
        p.save();
        p.translate(plate.center());
        p.rotate(-90);
        p.drawPath(path);
        p.restore();
        record(p, fit, word, plate, where + QLatin1String(", sideways"), fits);
    }
    p.restore();
}

// ---------------------------------------------------------------- banners

// Banner words (outline and shadow included) stay above y = 50 and clear of the frame; a line
// with accents may take a little more of the height than the English.
const QRectF wordsBox(40, 5, 400, 38);
constexpr qreal wordsHeadroom = 1;
constexpr qreal wordsFootroom = 2;

void bannerWords(QPainter &p, Lettering which, const QBrush &fill, const QColor &rim, int k,
                 QList<LetterFit> &fits)
{
    const QPainterPath path =
        fitted(p, which, translated(which), bannerFont(60), wordsBox,
               sheetPlace("banner", k, "words"), fits, wordsHeadroom, wordsFootroom);
    outlinedPath(p, path, fill, rim, 4, 2.2);
}

// Letter by letter, each turned by tilt degrees, alternately raised and lowered by bob; a line
// taller than box may take headroom above it and footroom below it.
void dancingWords(QPainter &p, Lettering which, qreal tilt, qreal bob, const QList<QColor> &colours,
                  const QRectF &box, qreal headroom, qreal footroom, qreal pixels,
                  const QColor &rim, const QString &where, QList<LetterFit> &fits)
{
    const QString text = translated(which);
    const QFont font = inOneFace(bannerFont(pixels), text);
    const QFontMetricsF fm(font);
    // Lay out the whole line first to find its scale.
    const QPainterPath whole = textPath(text, font);
    const QRectF wb = whole.boundingRect();
    LetterFit fit;
    const QRectF placed =
        fitWordsAt(whole, fitScale(textPath(english(which), bannerFont(pixels)), box), box, pixels,
                   &fit, headroom, footroom, narrowestFor(text),
                   tallerThan(bannerFont(pixels), text, english(which)))
            .boundingRect();
    QTransform place;
    place.translate(placed.center().x(), placed.center().y());
    place.scale(placed.width() / wb.width(), placed.height() / wb.height());
    place.translate(-wb.center().x(), -wb.center().y());
    // The turned and bobbing letters take more room than the line laid straight.
    QRectF room = box.adjusted(0, -headroom, 0, footroom);
    qreal x = 0;
    int coloured = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString ch = text.mid(i, 1);
        const qreal advance = fm.horizontalAdvance(ch);
        if (ch != QLatin1String(" ")) {
            QPainterPath glyph;
            glyph.addText(x, 0, font, ch);
            const QPointF c = glyph.boundingRect().center();
            QTransform turn;
            turn.translate(c.x(), c.y() + ((coloured % 2) ? bob : -bob));
            turn.rotate(tilt);
            turn.translate(-c.x(), -c.y());
            glyph = place.map(turn.map(glyph));
            room = room.united(glyph.boundingRect());
            outlinedPath(p, glyph, colours.at(coloured % colours.size()), rim, 3.6, 2);
            ++coloured;
        }
        x += advance;
    }
    record(p, fit, text, room, where, fits);
}

// ---------------------------------------------------------------- help captions

const QRectF captionBox(6, 70, 148, 36);
constexpr int captionFlags = Qt::AlignCenter | Qt::TextWordWrap;
constexpr Lettering captions[] = {Lettering::HelpSlide, Lettering::HelpTurn, Lettering::HelpGuide};

bool captionsFit(const QFont &font, const QStringList &texts)
{
    for (const QString &text : texts) {
        const QRectF need = QFontMetricsF(font).boundingRect(captionBox, captionFlags, text);
        if (need.width() > captionBox.width() || need.height() > captionBox.height()) return false;
    }
    return true;
}

// The largest size at which every English caption's wrapped lines fit its box.
int englishCaptionPixels()
{
    QFont font = artFont(QStringLiteral("Liberation Sans"), 12, QFont::Bold);
    QStringList texts;
    for (Lettering c : captions)
        texts << english(c);
    for (int px = 13; px > 7; --px) {
        font.setPixelSize(px);
        if (captionsFit(font, texts)) return px;
    }
    return 8;
}

// One face for all three captions, so they match: the English size, narrowed as far as needed,
// then a pixel smaller at a time; the smallest tried when nothing fits.
QFont captionFont(int *englishPixels)
{
    QStringList texts;
    for (Lettering c : captions)
        texts << translated(c);
    const int from = englishCaptionPixels();
    *englishPixels = from;
    const QString all = texts.join(u' ');
    QFont font = inOneFace(artFont(QStringLiteral("Liberation Sans"), from, QFont::Bold), all);
    const int least = qMin(from, 6);
    const int narrowestStretch = qRound(100 * narrowestFor(all));
    for (int px = from; px >= least; --px) {
        font.setPixelSize(px);
        for (int stretch = 100; stretch >= narrowestStretch; stretch -= 5) {
            font.setStretch(stretch == 100 ? int(QFont::AnyStretch) : stretch);
            if (captionsFit(font, texts)) return font;
        }
    }
    return font;
}

void caption(QPainter &p, int k, QList<LetterFit> &fits)
{
    int englishPixels = 0;
    const QFont font = captionFont(&englishPixels);
    const QString text = translated(captions[k]);
    LetterFit fit;
    fit.english = englishPixels;
    fit.size = font.pixelSize();
    fit.narrowed = font.stretch() > 0 ? font.stretch() / 100.0 : 1.0;
    fit.minimum = smallestShare * englishPixels;
    if (!captionsFit(font, {text})) fit.size = 0; // overflows its box even at the smallest
    record(p, fit, text, captionBox, sheetPlace("help", k, "caption"), fits);
    p.save();
    p.setFont(font);
    p.setPen(QColor(30, 40, 60));
    p.drawText(captionBox, captionFlags, text);
    p.restore();
}

} // namespace

QFont artFont(const QString &family, qreal pixels, int weight)
{
    QFont f(family);
    // Faces without Cyrillic letters hand them to a look-alike that has them; Chinese, Japanese
    // and Korean go to the face for the game's language.
    f.setFamilies(withScriptFaces(family));
    f.setPixelSize(qMax(1, qRound(pixels)));
    f.setWeight(static_cast<QFont::Weight>(weight));
    // Unhinted outlines so that the 1x and 2x drawings have the same shapes and layout.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QPainterPath textPath(const QString &text, const QFont &font)
{
    QPainterPath path;
    path.addText(0, 0, inOneFace(font, text), text);
    return path;
}

QPainterPath fitPath(const QPainterPath &path, const QRectF &box)
{
    const QRectF b = path.boundingRect();
    const qreal s = fitScale(path, box);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

qreal fitScale(const QPainterPath &path, const QRectF &box)
{
    const QRectF b = path.boundingRect();
    return qMin(box.width() / b.width(), box.height() / b.height());
}

qreal narrowestFor(const QString &text)
{
    return hasCjk(text) ? 1.0 : narrowest;
}

qreal letterHeight(const QFont &font, const QString &text)
{
    const QFont face = inOneFace(font, text);
    if (!hasCjk(text)) return QFontMetricsF(face).capHeight();
    qreal tallest = 0;
    for (QChar c : text) {
        if (hasCjk(QString(c)) && c.isLetter())
            tallest = qMax(tallest, textPath(QString(c), face).boundingRect().height());
    }
    return tallest > 0 ? tallest : QFontMetricsF(face).capHeight();
}

QPainterPath fitWordsAt(const QPainterPath &words, qreal englishScale, const QRectF &box,
                        qreal pixels, LetterFit *fit, qreal headroom, qreal footroom, qreal least,
                        qreal taller)
{
    const QRectF b = words.boundingRect();
    qreal sy = englishScale;
    if (b.height() > 0) sy = qMin(sy, (box.height() + headroom + footroom) / b.height());
    qreal sx = sy;
    if (b.width() > 0) sx = qMin(sx, box.width() / b.width());
    if (sx < least * sy) sy = sx / least;
    if (fit) {
        fit->size = pixels * sy * taller;
        fit->english = pixels * englishScale;
        fit->narrowed = sx / sy;
        fit->minimum = smallestShare * fit->english;
    }
    QTransform t;
    const qreal tall = b.height() * sy;
    // Taller than the box only by the room above and below it may take; without such room the
    // words fill the box's height exactly, give or take a rounding, and stay centred on it.
    const qreal over = tall - box.height();
    const qreal room = headroom + footroom;
    const bool rises = over > 0 && room > 0;
    const qreal rise = rises ? over * headroom / room : 0;
    t.translate(box.center().x(), rises ? box.top() - rise + tall / 2 : box.center().y());
    t.scale(sx, sy);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(words);
}

void outlinedPath(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &rim,
                  qreal rimWidth, qreal shadow)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(rim, rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (shadow > 0) {
        QColor shade(0, 0, 0, 90);
        p.setPen(QPen(shade, rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(shade);
        p.drawPath(path.translated(shadow, shadow));
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

QFont bannerFont(qreal pixels)
{
    return artFont(QStringLiteral("Comic Neue"), pixels, QFont::Bold);
}

QPointF helpSignOrigin()
{
    return QPointF(5, 16 + 36 / 2.0 - 30 * helpSignScale);
}

QRectF helpExitTile()
{
    return QRectF(29 + 2 * 36, 16, 36, 36);
}

QList<LetterFit> letterTile(QPainter &p, int k)
{
    QList<LetterFit> fits;
    const QString where = sheetPlace("tiles", k, k == 23 ? "sign" : "exit");
    switch (k) {
    case 9:
        endTileWords(p, QColor(255, 224, 0), where, fits);
        break;
    case 10:
        endTileWords(p, QColor(255, 255, 255), where, fits);
        break;
    case 11:
        endTileWords(p, QColor(150, 150, 156), where, fits);
        break;
    case 23:
        startPlateWords(p, where, fits);
        break;
    default:
        break;
    }
    return fits;
}

QList<LetterFit> letterDigit(QPainter &p, int k)
{
    QList<LetterFit> fits;
    if (k != 10) return fits;
    const QFont font = artFont(QStringLiteral("DejaVu Sans"), 16, QFont::Black);
    const QPainterPath pts = fitted(p, Lettering::Points, translated(Lettering::Points), font,
                                    QRectF(2, 24, 32, 16), sheetPlace("digits", k, "unit"), fits);
    outlinedPath(p, pts, QColor(255, 230, 0), QColor(90, 40, 0), 2.6, 1.2);
    return fits;
}

namespace {

// A banner word's fill: light at the letters' top, full in their middle, deep at their foot.
QLinearGradient bannerShade(const QColor &top, const QColor &middle, const QColor &foot)
{
    QLinearGradient shade(0, 8, 0, 44);
    shade.setColorAt(0, top);
    shade.setColorAt(0.5, middle);
    shade.setColorAt(1, foot);
    return shade;
}

} // namespace

QList<LetterFit> letterBanner(QPainter &p, int k)
{
    QList<LetterFit> fits;
    switch (k) {
    case 0: {
        bannerWords(p, Lettering::ClickToPlay,
                    bannerShade(QColor(255, 250, 150), QColor(255, 226, 0), QColor(255, 170, 0)),
                    QColor(90, 40, 0), k, fits);
        break;
    }
    case 1: {
        bannerWords(p, Lettering::YouLost,
                    bannerShade(QColor(255, 120, 110), QColor(240, 30, 30), QColor(170, 0, 10)),
                    QColor(255, 250, 235), k, fits);
        break;
    }
    case 2:
    case 3: {
        const QList<QColor> party{QColor(255, 226, 0), QColor(255, 255, 255), QColor(255, 150, 40),
                                  QColor(120, 220, 255)};
        const qreal sign = (k == 2) ? 1 : -1;
        dancingWords(p, Lettering::YouWon, 12 * sign, 2.5 * sign, party, QRectF(24, 9, 432, 32), 4,
                     0, 60, QColor(20, 40, 90), sheetPlace("banner", k, "words"), fits);
        break;
    }
    case 4: {
        const QList<QColor> rainbow{QColor(255, 60, 60),   QColor(255, 150, 30),
                                    QColor(255, 236, 40),  QColor(170, 255, 110),
                                    QColor(80, 200, 255),  QColor(120, 130, 255),
                                    QColor(220, 120, 255), QColor(255, 110, 200)};
        dancingWords(p, Lettering::GoodLuck, 0, 0, rainbow, QRectF(14, 4, 452, 27), 0, 1, 60,
                     QColor(30, 20, 60), sheetPlace("banner", k, "words"), fits);
        const QPainterPath sub =
            fitted(p, Lettering::LotsOfThem, translated(Lettering::LotsOfThem), bannerFont(30),
                   QRectF(14, 35.5, 452, 10.5), sheetPlace("banner", k, "second line"), fits, 0,
                   1.5); // the GOOD LUCK! line's rim above, the banner's own line below
        outlinedPath(p, sub, QColor(255, 236, 0), QColor(60, 40, 0), 2.4, 1);
        break;
    }
    default:
        break;
    }
    return fits;
}

QList<LetterFit> letterHelp(QPainter &p, int k)
{
    QList<LetterFit> fits;
    if (k < 0 || k > 2) return fits;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (k == 2) {
        // The small START sign and exit tile of the third picture carry their words too.
        p.save();
        p.translate(helpSignOrigin());
        p.scale(helpSignScale, helpSignScale);
        startPlateWords(p, sheetPlace("help", k, "sign"), fits);
        p.restore();
        const QRectF tile = helpExitTile();
        p.save();
        p.translate(tile.topLeft());
        p.scale(tile.width() / 60, tile.height() / 60);
        p.setClipRect(QRectF(0, 0, 60, 60));
        endTileWords(p, QColor(255, 224, 0), sheetPlace("help", k, "exit"), fits);
        p.restore();
    }
    caption(p, k, fits);
    p.restore();
    return fits;
}

QList<LetterFit> letterPaused(QPainter &p, int k)
{
    QList<LetterFit> fits;
    if (k != 0) return fits;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gold(0, 168, 0, 226);
    gold.setColorAt(0, QColor(255, 250, 150));
    gold.setColorAt(0.5, QColor(255, 226, 0));
    gold.setColorAt(1, QColor(255, 170, 0));
    const QPainterPath word =
        fitted(p, Lettering::Paused, translated(Lettering::Paused), bannerFont(60),
               QRectF(100, 166, 280, 58), sheetPlace("paused", k, "word"), fits);
    outlinedPath(p, word, gold, QColor(60, 30, 0), 5, 2.5);
    const QPainterPath hint =
        fitted(p, Lettering::PressToGoOn, translated(Lettering::PressToGoOn),
               artFont(QStringLiteral("Comic Neue"), 24), QRectF(120, 236, 240, 26),
               sheetPlace("paused", k, "hint"), fits);
    outlinedPath(p, hint, laneWhite, outlineDark, 2.5);
    p.restore();
    return fits;
}
