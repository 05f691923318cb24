// Draws every picture sheet of the game, at 1x and 2x, into PNG files, and the program's icon:
// drawart <picture folder> [<icon theme folder>]. The pictures' words are not drawn here: the game
// letters them in the player's language (ui/letterart).
#include "core/version.h"
#include "ui/letterart.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QtMath>

#include <array>
#include <functional>

namespace {

constexpr int tileSide = 60;
constexpr qreal roadHalf = 16;            // the road runs 14..46 across a tile
constexpr qreal roadNear = 30 - roadHalf; // 14
constexpr qreal roadFar = 30 + roadHalf;  // 46
constexpr qreal edgeLineInset = 3.5;      // white edge line, inside the road
constexpr qreal dashLength = 8;           // yellow centre dashes: 8 on, 7 off,
constexpr qreal dashGap = 7;              // half a gap at each tile edge

// The palette, shared by all sheets.
const QColor grass(92, 176, 62);
const QColor grassLight(124, 198, 84);
const QColor grassDark(66, 146, 46);
const QColor asphalt(94, 98, 106);
const QColor asphaltDark(58, 60, 66);
const QColor laneWhite(238, 238, 232);
const QColor laneYellow(255, 204, 32);
const QColor placeOrange(255, 140, 0);
const QColor windowGreen(0, 192, 0);
const QColor frameGreen(0, 150, 0);
const QColor frameLight(70, 220, 70);
const QColor lavender(204, 188, 240);
const QColor darkBlue(26, 34, 118);
const QColor plainBlue(0, 0, 255);
const QColor outlineDark(24, 24, 40);
const QColor signBlue(22, 96, 196);
const QColor carRed(214, 32, 32);

// ---------------------------------------------------------------- tiles

void fillGrass(QPainter &p)
{
    p.fillRect(QRectF(0, 0, tileSide, tileSide), grass);
    // A few tufts at fixed places, the same on every tile.
    quint32 seed = 7u;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<quint32>(range));
    };
    p.save();
    for (int i = 0; i < 22; ++i) {
        const qreal x = 3 + next(54);
        const qreal y = 3 + next(54);
        const QColor c = (i % 3 == 0) ? grassLight : grassDark;
        p.setPen(QPen(c, 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, y), QPointF(x - 1.2, y - 2.2));
        p.drawLine(QPointF(x, y), QPointF(x + 1.2, y - 2.2));
    }
    // A soft bevel so that neighbouring tiles read as separate pieces.
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(0.5, 0.5), QPointF(tileSide - 0.5, 0.5));
    p.drawLine(QPointF(0.5, 0.5), QPointF(0.5, tileSide - 0.5));
    p.setPen(QPen(QColor(0, 0, 0, 50), 1));
    p.drawLine(QPointF(0.5, tileSide - 0.5), QPointF(tileSide - 0.5, tileSide - 0.5));
    p.drawLine(QPointF(tileSide - 0.5, 0.5), QPointF(tileSide - 0.5, tileSide - 0.5));
    p.restore();
}

// A straight stretch of road from x0 to x1, running left-right across the middle.
void horizontalRoad(QPainter &p, qreal x0, qreal x1, bool dashes)
{
    p.fillRect(QRectF(x0, roadNear, x1 - x0, 2 * roadHalf), asphalt);
    p.fillRect(QRectF(x0, roadNear, x1 - x0, 1), asphaltDark);
    p.fillRect(QRectF(x0, roadFar - 1, x1 - x0, 1), asphaltDark);
    p.fillRect(QRectF(x0, roadNear + edgeLineInset - 0.6, x1 - x0, 1.2), laneWhite);
    p.fillRect(QRectF(x0, roadFar - edgeLineInset - 0.6, x1 - x0, 1.2), laneWhite);
    if (dashes) {
        for (qreal x = dashGap / 2; x + dashLength <= tileSide; x += dashLength + dashGap) {
            const QRectF dash(x, 29, dashLength, 2);
            if (dash.left() >= x0 && dash.right() <= x1) p.fillRect(dash, laneYellow);
        }
    }
}

// Draws something made for left-right turned a quarter so it runs top-bottom.
void turned(QPainter &p, const std::function<void()> &draw)
{
    p.save();
    p.translate(30, 30);
    p.rotate(90);
    p.translate(-30, -30);
    draw();
    p.restore();
}

void straightTile(QPainter &p, bool across)
{
    fillGrass(p);
    if (across)
        horizontalRoad(p, 0, tileSide, true);
    else
        turned(p, [&p] { horizontalRoad(p, 0, tileSide, true); });
}

void crossingTile(QPainter &p, bool dashes)
{
    fillGrass(p);
    for (int i = 0; i < 2; ++i) {
        auto arms = [&p, dashes] {
            horizontalRoad(p, 0, roadNear, dashes);
            horizontalRoad(p, roadFar, tileSide, dashes);
        };
        if (i == 0)
            arms();
        else
            turned(p, arms);
    }
    p.fillRect(QRectF(roadNear, roadNear, 2 * roadHalf, 2 * roadHalf), asphalt);
}

// A quarter ring of road around one corner of the tile.
void curveTile(QPainter &p, QPointF corner)
{
    fillGrass(p);
    p.save();
    p.setClipRect(QRectF(0, 0, tileSide, tileSide));
    auto ring = [&p, corner](qreal radius, const QColor &c, qreal width) {
        p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(corner, radius, radius);
    };
    ring(30, asphalt, 2 * roadHalf);
    ring(roadNear + 0.5, asphaltDark, 1);
    ring(roadFar - 0.5, asphaltDark, 1);
    ring(roadNear + edgeLineInset, laneWhite, 1.2);
    ring(roadFar - edgeLineInset, laneWhite, 1.2);
    // Dashes spaced like the straight ones: a half gap at each end of the quarter.
    const qreal unit = 90.0 / (3 * (dashLength + dashGap));
    p.setPen(QPen(laneYellow, 2, Qt::SolidLine, Qt::FlatCap));
    const QRectF circle(corner.x() - 30, corner.y() - 30, 60, 60);
    for (int quarter = 0; quarter < 4; ++quarter) {
        for (int d = 0; d < 3; ++d) {
            const qreal start = quarter * 90 + unit * (dashGap / 2 + d * (dashLength + dashGap));
            p.drawArc(circle, qRound(start * 16), qRound(unit * dashLength * 16));
        }
    }
    p.restore();
}

// The red tent alone, standing in a 60 x 60 box.
void tent(QPainter &p)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(31, 49), 25, 6);
    // Guy ropes and pegs.
    p.setPen(QPen(QColor(240, 230, 200), 0.9));
    p.drawLine(QPointF(30, 11), QPointF(4, 52));
    p.drawLine(QPointF(30, 11), QPointF(56, 52));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 30));
    p.drawRect(QRectF(3, 51, 2.5, 3));
    p.drawRect(QRectF(55, 51, 2.5, 3));
    // The canvas: lit left half, shaded right half.
    QPainterPath left;
    left.moveTo(30, 10);
    left.lineTo(9, 50);
    left.lineTo(30, 50);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(30, 10);
    right.lineTo(51, 50);
    right.lineTo(30, 50);
    right.closeSubpath();
    QLinearGradient lit(10, 10, 30, 50);
    lit.setColorAt(0, QColor(250, 80, 70));
    lit.setColorAt(1, QColor(214, 36, 36));
    p.setBrush(lit);
    p.drawPath(left);
    p.setBrush(QColor(170, 24, 30));
    p.drawPath(right);
    // The door, its flaps and a seam.
    QPainterPath door;
    door.moveTo(30, 26);
    door.lineTo(22, 50);
    door.lineTo(38, 50);
    door.closeSubpath();
    p.setBrush(QColor(60, 16, 20));
    p.drawPath(door);
    p.setBrush(QColor(236, 60, 56));
    QPainterPath flap;
    flap.moveTo(30, 26);
    flap.lineTo(22, 50);
    flap.lineTo(26, 50);
    flap.closeSubpath();
    p.drawPath(flap);
    p.setPen(QPen(QColor(120, 14, 20), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(left.united(right));
    // The pole tip with a little pennant.
    p.setPen(QPen(QColor(80, 60, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 11), QPointF(30, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 40));
    QPainterPath pennant;
    pennant.moveTo(30.5, 4);
    pennant.lineTo(37, 6);
    pennant.lineTo(30.5, 8);
    pennant.closeSubpath();
    p.drawPath(pennant);
    p.restore();
}

void tentTile(QPainter &p)
{
    fillGrass(p);
    tent(p);
}

// The finish: a crossing with chequered bands; the game letters its words over it.
void endTile(QPainter &p)
{
    crossingTile(p, false);
    // Chequered finish bands across the arms, just inside the edges of the junction.
    p.save();
    const qreal sq = 4;
    for (int side = 0; side < 4; ++side) {
        p.save();
        p.translate(30, 30);
        p.rotate(90 * side);
        p.translate(-30, -30);
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 8; ++col)
                p.fillRect(QRectF(roadNear + col * sq, 4 + row * sq, sq, sq),
                           ((row + col) % 2) ? QColor(30, 30, 34) : QColor(245, 245, 245));
        p.restore();
    }
    p.restore();
}

// The START plate, tall and narrow, in the left 15 x 60 of a tile-sized box; the game letters
// its word.
void startPlate(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(2.5, 3.5, 12.5, 54), 3, 3);
    QLinearGradient face(0, 2, 0, 56);
    face.setColorAt(0, signBlue.lighter(125));
    face.setColorAt(1, signBlue.darker(115));
    p.setBrush(face);
    p.setPen(QPen(Qt::white, 1.4));
    p.drawRoundedRect(QRectF(1.5, 2.5, 12.5, 54), 3, 3);
    p.restore();
}

// Left half: the START plate and the bit of road where the car waits, at the half's right
// edge; right half unused.
void startSignCell(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 60, 60), lavender);
    p.save();
    p.setClipRect(QRectF(0, 0, 30, 60));
    fillGrass(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(asphaltDark, 1));
    p.setBrush(asphalt);
    p.drawRoundedRect(QRectF(16.5, roadNear + 0.5, 30, 2 * roadHalf - 1), 5, 5);
    p.fillRect(QRectF(22, roadNear + edgeLineInset - 0.6, 8, 1.2), laneWhite);
    p.fillRect(QRectF(22, roadFar - edgeLineInset - 0.6, 8, 1.2), laneWhite);
    p.fillRect(
        QRectF(20, roadNear + edgeLineInset - 0.6, 1.6, 2 * (roadHalf - edgeLineInset) + 1.2),
        laneWhite);
    p.restore();
    startPlate(p);
}

void drawTile(QPainter &p, int type)
{
    switch (type) {
    case 0:
        p.fillRect(QRectF(0, 0, tileSide, tileSide), placeOrange);
        break;
    case 1:
    case 2:
        straightTile(p, type == 1);
        break;
    case 3:
        crossingTile(p, true);
        break;
    case 4:
        curveTile(p, QPointF(60, 60));
        break;
    case 5:
        curveTile(p, QPointF(0, 60));
        break;
    case 6:
        curveTile(p, QPointF(60, 0));
        break;
    case 7:
        curveTile(p, QPointF(0, 0));
        break;
    case 8:
        p.fillRect(QRectF(0, 0, tileSide, tileSide), plainBlue);
        break;
    case 9:
        endTile(p); // the words tell the three apart
        break;
    case 10:
        endTile(p); // the words tell the three apart
        break;
    case 11:
        endTile(p); // the words tell the three apart
        break;
    case 12:
        tentTile(p);
        break;
    case 23:
        startSignCell(p);
        break;
    default: {
        const int row = type / 2;
        const int col = type % 2;
        p.fillRect(QRectF(0, 0, tileSide, tileSide), (row + col) % 2 ? lavender : darkBlue);
        break;
    }
    }
}

// ---------------------------------------------------------------- the car

// A small red car seen from the front, in a 24 x 24 box.
void drawCar(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Shadow and wheels.
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QRectF(1.5, 19.5, 21, 4));
    p.setBrush(QColor(28, 28, 30));
    p.drawRoundedRect(QRectF(2.5, 15, 4.5, 7.5), 1.4, 1.4);
    p.drawRoundedRect(QRectF(17, 15, 4.5, 7.5), 1.4, 1.4);
    // Mirrors.
    p.setBrush(carRed.darker(130));
    p.drawEllipse(QRectF(0.4, 8.2, 3.4, 2.6));
    p.drawEllipse(QRectF(20.2, 8.2, 3.4, 2.6));
    // Cabin and body.
    QPainterPath cabin;
    cabin.moveTo(6.2, 2.2);
    cabin.lineTo(17.8, 2.2);
    cabin.quadTo(19, 2.2, 19.6, 4);
    cabin.lineTo(21.3, 10.5);
    cabin.lineTo(2.7, 10.5);
    cabin.lineTo(4.4, 4);
    cabin.quadTo(5, 2.2, 6.2, 2.2);
    cabin.closeSubpath();
    QLinearGradient paint(0, 2, 0, 20);
    paint.setColorAt(0, carRed.lighter(130));
    paint.setColorAt(0.5, carRed);
    paint.setColorAt(1, carRed.darker(140));
    p.setBrush(paint);
    p.drawPath(cabin);
    p.drawRoundedRect(QRectF(1.8, 9.5, 20.4, 10), 3.2, 3.2);
    // Windscreen with a glint.
    QPainterPath glass;
    glass.moveTo(6.8, 3.6);
    glass.lineTo(17.2, 3.6);
    glass.lineTo(19.2, 9.6);
    glass.lineTo(4.8, 9.6);
    glass.closeSubpath();
    QLinearGradient sky(0, 3.6, 0, 9.6);
    sky.setColorAt(0, QColor(200, 236, 255));
    sky.setColorAt(1, QColor(70, 130, 190));
    p.setBrush(sky);
    p.drawPath(glass);
    p.setBrush(QColor(255, 255, 255, 150));
    QPainterPath glint;
    glint.moveTo(8, 4.4);
    glint.lineTo(10.5, 4.4);
    glint.lineTo(8.2, 8.8);
    glint.lineTo(6.5, 8.8);
    glint.closeSubpath();
    p.drawPath(glint);
    // Headlights, grille and bumper.
    for (qreal x : {5.6, 18.4}) {
        QRadialGradient lamp(QPointF(x, 13.6), 2.4);
        lamp.setColorAt(0, QColor(255, 255, 235));
        lamp.setColorAt(0.7, QColor(255, 236, 140));
        lamp.setColorAt(1, QColor(180, 150, 60));
        p.setBrush(lamp);
        p.drawEllipse(QPointF(x, 13.6), 2.3, 2.1);
    }
    p.setBrush(QColor(40, 30, 34));
    p.drawRoundedRect(QRectF(8.8, 12.2, 6.4, 3.4), 1, 1);
    p.setPen(QPen(QColor(120, 110, 110), 0.5));
    for (qreal y : {13.3, 14.5})
        p.drawLine(QPointF(9.4, y), QPointF(14.6, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 206));
    p.drawRoundedRect(QRectF(3, 16.8, 18, 2.2), 1, 1);
    p.setBrush(QColor(255, 210, 0));
    p.drawRect(QRectF(10, 17.2, 4, 1.4)); // number plate
    p.restore();
}

// ---------------------------------------------------------------- digits and banners

void digitCell(QPainter &p, int k)
{
    p.fillRect(QRectF(0, 0, 36, 44), windowGreen);
    if (k < 10) {
        const QFont font = artFont(QStringLiteral("DejaVu Sans"), 44, QFont::Black);
        // One scale for all digits, taken from "0", so they share height and baseline.
        const QRectF zero = textPath(QStringLiteral("0"), font).boundingRect();
        const qreal s = qMin(28.0 / zero.width(), 36.0 / zero.height());
        QPainterPath digit = textPath(QString::number(k), font);
        QTransform t;
        t.translate(18, 40);
        t.scale(s, s);
        t.translate(-zero.center().x(), -zero.bottom());
        digit = t.map(digit);
        QLinearGradient ice(0, 4, 0, 40);
        ice.setColorAt(0, QColor(214, 242, 255));
        ice.setColorAt(0.55, QColor(120, 200, 255));
        ice.setColorAt(1, QColor(70, 150, 240));
        outlinedPath(p, digit, ice, QColor(10, 34, 90), 3.2, 1.6);
    }
    // Cell 10 is the unit after the score: the game letters it.
}

void bannerBackground(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 480, 80), windowGreen);
    p.fillRect(QRectF(0, 0, 480, 2), frameGreen);
    p.fillRect(QRectF(0, 78, 480, 2), frameGreen);
    p.fillRect(QRectF(0, 0, 2, 80), frameGreen);
    p.fillRect(QRectF(478, 0, 2, 80), frameGreen);
    p.fillRect(QRectF(2, 2, 476, 1), frameLight);
    p.fillRect(QRectF(2, 2, 1, 76), frameLight);
}

// The banners' words are lettered by the game over the plain banner.
void bannerCell(QPainter &p, int)
{
    bannerBackground(p);
}

// ---------------------------------------------------------------- help pictures

void miniTile(QPainter &p, int type, const QRectF &where)
{
    p.save();
    p.translate(where.topLeft());
    p.scale(where.width() / tileSide, where.height() / tileSide);
    p.setClipRect(QRectF(0, 0, tileSide, tileSide));
    drawTile(p, type);
    p.restore();
}

void badge(QPainter &p, const QString &letter, QPointF centre, const QColor &colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(colour);
    p.drawEllipse(centre, 7, 7);
    const QPainterPath l = fitPath(textPath(letter, artFont(QStringLiteral("DejaVu Sans"), 10)),
                                   QRectF(centre.x() - 4, centre.y() - 4, 8, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(l);
    p.restore();
}

void arrowHead(QPainter &p, QPointF tip, qreal angleDegrees, const QColor &colour, qreal size)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDegrees);
    QPainterPath head;
    head.moveTo(0, 0);
    head.lineTo(-size, -size * 0.6);
    head.lineTo(-size * 0.75, 0);
    head.lineTo(-size, size * 0.6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
    p.restore();
}

// A mouse with one button lit.
void mouseIcon(QPainter &p, QPointF at, bool leftButton)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(at);
    p.setPen(QPen(QColor(40, 40, 50), 1));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(0, 0, 12, 17), 6, 6);
    p.setBrush(QColor(255, 80, 60));
    QPainterPath button;
    if (leftButton) {
        button.moveTo(6, 0.5);
        button.lineTo(6, 7);
        button.lineTo(0.5, 7);
        button.lineTo(0.5, 6);
        button.quadTo(0.5, 0.5, 6, 0.5);
    } else {
        button.moveTo(6, 0.5);
        button.lineTo(6, 7);
        button.lineTo(11.5, 7);
        button.lineTo(11.5, 6);
        button.quadTo(11.5, 0.5, 6, 0.5);
    }
    button.closeSubpath();
    p.drawPath(button);
    p.drawLine(QPointF(6, 0.5), QPointF(6, 7));
    p.setPen(QPen(QColor(40, 40, 50), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0.5, 7), QPointF(11.5, 7));
    p.restore();
}

void helpCell(QPainter &p, int k)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 0, 110);
    paper.setColorAt(0, QColor(255, 252, 236));
    paper.setColorAt(1, QColor(246, 238, 210));
    p.setPen(QPen(QColor(190, 170, 120), 1));
    p.setBrush(paper);
    p.drawRoundedRect(QRectF(1.5, 1.5, 157, 107), 6, 6);
    const QColor ink(220, 40, 40);
    switch (k) {
    case 0: {
        const QRectF a(18, 20, 40, 40);
        const QRectF b(102, 20, 40, 40);
        // Where the tile goes: the empty place, and a faint ghost of the tile on its way.
        miniTile(p, 0, b);
        p.setOpacity(0.35);
        miniTile(p, 1, a.translated(42, 0));
        p.setOpacity(1);
        miniTile(p, 1, a);
        p.setPen(QPen(QColor(0, 0, 0, 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(a);
        p.drawRect(b);
        QPainterPath hop;
        hop.moveTo(a.center().x() + 4, a.top() - 3);
        hop.quadTo(80, -4, b.center().x() - 4, b.top() - 3);
        p.setPen(QPen(ink, 2, Qt::DashLine, Qt::RoundCap));
        p.drawPath(hop);
        arrowHead(p, QPointF(b.center().x() - 3, b.top() - 2), 50, ink, 7);
        badge(p, QStringLiteral("A"), a.bottomLeft() + QPointF(2, -2), QColor(30, 90, 200));
        badge(p, QStringLiteral("B"), b.bottomLeft() + QPointF(2, -2), QColor(30, 90, 200));
        mouseIcon(p, a.center() + QPointF(6, 2), true);
        break;
    }
    case 1: {
        const QRectF t(60, 14, 40, 40);
        miniTile(p, 4, t);
        p.setPen(QPen(QColor(0, 0, 0, 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(t);
        // A clockwise turn around the tile, from upper left round to lower left.
        const QPointF c = t.center();
        const qreal r = 31;
        const qreal from = 150;
        const qreal span = -230;
        p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), qRound(from * 16), qRound(span * 16));
        const qreal end = qDegreesToRadians(from + span);
        const QPointF tip(c.x() + r * qCos(end), c.y() - r * qSin(end));
        arrowHead(p, tip + QPointF(qSin(end), qCos(end)) * 3,
                  qRadiansToDegrees(std::atan2(qCos(end), qSin(end))), ink, 8);
        mouseIcon(p, QPointF(124, 42), false);
        break;
    }
    default: {
        const qreal s = 36;
        const qreal top = 16;
        const qreal row = 29; // where the road row starts, right of the start box
        // The start box's bit of road, at tile scale, then its plate a little larger.
        p.save();
        p.translate(row - 30 * s / tileSide, top);
        p.scale(s / tileSide, s / tileSide);
        p.setClipRect(QRectF(15, 0, 15, 60));
        drawTile(p, 23);
        p.restore();
        p.save();
        p.translate(helpSignOrigin());
        p.scale(helpSignScale, helpSignScale);
        startPlate(p);
        p.restore();
        miniTile(p, 1, QRectF(row, top, s, s));
        miniTile(p, 1, QRectF(row + s, top, s, s));
        miniTile(p, 9, helpExitTile());
        p.setPen(QPen(QColor(0, 0, 0, 70), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(row, top, 3 * s, s));
        p.save();
        p.translate(row - 9, top + s / 2 - 9);
        p.scale(0.75, 0.75);
        drawCar(p);
        p.restore();
        p.setPen(QPen(ink, 2, Qt::DashLine, Qt::RoundCap));
        p.drawLine(QPointF(52, top + s + 5), QPointF(28 + 2.5 * s - 6, top + s + 5));
        arrowHead(p, QPointF(28 + 2.5 * s, top + s + 5), 0, ink, 7);
        break;
    }
    }
    p.restore();
}

// ---------------------------------------------------------------- about picture

void cloud(QPainter &p, QPointF at, qreal size)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(at, size * 1.2, size * 0.7);
    p.drawEllipse(at + QPointF(-size * 0.9, size * 0.2), size * 0.8, size * 0.55);
    p.drawEllipse(at + QPointF(size * 1.0, size * 0.25), size * 0.8, size * 0.5);
    p.drawEllipse(at + QPointF(-size * 0.2, -size * 0.4), size * 0.7, size * 0.6);
    p.restore();
}

void aboutPicture(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Sky, sun and clouds.
    QLinearGradient sky(0, 0, 0, 130);
    sky.setColorAt(0, QColor(70, 150, 235));
    sky.setColorAt(1, QColor(196, 232, 255));
    p.fillRect(QRectF(0, 0, 360, 240), sky);
    QRadialGradient sun(QPointF(310, 34), 26);
    sun.setColorAt(0, QColor(255, 250, 200));
    sun.setColorAt(0.6, QColor(255, 220, 60));
    sun.setColorAt(1, QColor(255, 220, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(310, 34), 26, 26);
    cloud(p, QPointF(52, 96), 14);
    cloud(p, QPointF(318, 92), 11);
    // Hills.
    QPainterPath far;
    far.moveTo(0, 130);
    far.cubicTo(60, 96, 120, 104, 180, 122);
    far.cubicTo(240, 100, 300, 92, 360, 118);
    far.lineTo(360, 240);
    far.lineTo(0, 240);
    far.closeSubpath();
    p.setBrush(QColor(120, 196, 90));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(0, 150);
    near.cubicTo(90, 130, 200, 150, 360, 138);
    near.lineTo(360, 240);
    near.lineTo(0, 240);
    near.closeSubpath();
    QLinearGradient field(0, 130, 0, 240);
    field.setColorAt(0, grassLight);
    field.setColorAt(1, grass.darker(115));
    p.setBrush(field);
    p.drawPath(near);
    // A road winding from the horizon down to the front, wider as it comes near.
    auto centreAt = [](qreal t) {
        const QPointF a(214, 126), b(100, 150), c(200, 168), d(192, 252);
        const qreal u = 1 - t;
        return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
    };
    const int steps = 80;
    QList<QPointF> left, right, centre;
    QList<qreal> widths;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const QPointF c = centreAt(t);
        const QPointF ahead = centreAt(qMin(1.0, t + 0.01)) - centreAt(qMax(0.0, t - 0.01));
        const qreal len = std::hypot(ahead.x(), ahead.y());
        const QPointF normal(-ahead.y() / len, ahead.x() / len);
        const qreal w = 2 + 44 * t * t + 8 * t;
        left << c + normal * w;
        right << c - normal * w;
        centre << c;
        widths << w;
    }
    QPainterPath road;
    road.moveTo(left.first());
    for (const QPointF &pt : std::as_const(left))
        road.lineTo(pt);
    for (auto it = right.crbegin(); it != right.crend(); ++it)
        road.lineTo(*it);
    road.closeSubpath();
    p.setBrush(asphalt);
    p.setPen(QPen(laneWhite, 1.6));
    p.drawPath(road);
    // Yellow centre dashes, longer and thicker in front.
    for (int i = 2; i < steps; i += 6) {
        const qreal w = widths.at(i);
        p.setPen(QPen(laneYellow, qMax(0.8, w / 14), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(centre.at(i), centre.at(qMin(steps, i + 3)));
    }
    // A tent on the hill and the car coming down the road.
    p.save();
    p.translate(36, 128);
    p.scale(0.6, 0.6);
    tent(p);
    p.restore();
    const QPointF carAt = centreAt(0.7);
    p.save();
    p.translate(carAt - QPointF(30, 44));
    p.scale(2.5, 2.5);
    drawCar(p);
    p.restore();
    // The title.
    QPainterPath title =
        fitPath(textPath(QStringLiteral("Roadshift"), artFont(QStringLiteral("Comic Neue"), 64)),
                QRectF(20, 8, 260, 66));
    QLinearGradient gold(0, 10, 0, 70);
    gold.setColorAt(0, QColor(255, 250, 160));
    gold.setColorAt(0.5, QColor(255, 214, 0));
    gold.setColorAt(1, QColor(255, 140, 0));
    outlinedPath(p, title, gold, QColor(120, 30, 0), 6, 3);
    const QPainterPath version =
        fitPath(textPath(QStringLiteral("v") + QLatin1String(roadshift::version),
                         artFont(QStringLiteral("Comic Neue"), 20)),
                QRectF(214, 74, 56, 15));
    outlinedPath(p, version, Qt::white, QColor(20, 60, 120), 3, 1.5);
    p.restore();
}

// ---------------------------------------------------------------- paused board

// Covers the whole board while the game is paused, so a pause cannot be spent planning the road.
void pausedPicture(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, 480, 360);
    p.fillRect(all, asphaltDark);
    // Broad diagonal stripes, as on a cover thrown over the board.
    p.setClipRect(all);
    p.setPen(Qt::NoPen);
    p.setBrush(asphalt);
    for (qreal x = -360; x < 480; x += 48) {
        const QPointF stripe[] = {{x, 360}, {x + 24, 360}, {x + 24 + 360, 0}, {x + 360, 0}};
        p.drawPolygon(stripe, 4);
    }
    // The sign in the middle: the pause mark; the game letters the word and the key that ends it
    // below it.
    const QRectF sign(70, 80, 340, 200);
    p.setBrush(signBlue);
    p.setPen(QPen(laneWhite, 6));
    p.drawRoundedRect(sign, 22, 22);
    p.setPen(QPen(outlineDark, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(sign.adjusted(-4, -4, 4, 4), 25, 25);
    p.setPen(QPen(outlineDark, 3));
    p.setBrush(laneWhite);
    p.drawRoundedRect(QRectF(212, 100, 20, 56), 4, 4);
    p.drawRoundedRect(QRectF(248, 100, 20, 56), 4, 4);
    p.restore();
}

// ---------------------------------------------------------------- sheets

struct Sheet
{
    QString name;
    QSize cell;
    int rows;
    int columns;
    std::function<void(QPainter &, int)> drawCell; // k = cell number; whole sheet when columns 0
};

QImage render(const Sheet &sheet, int scale)
{
    const QSize logical(sheet.cell.width() * sheet.columns, sheet.cell.height() * sheet.rows);
    QImage image(logical * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    for (int k = 0; k < sheet.rows * sheet.columns; ++k) {
        p.save();
        const QPointF origin((k % sheet.columns) * sheet.cell.width(),
                             (k / sheet.columns) * sheet.cell.height());
        p.translate(origin);
        p.setClipRect(QRectF(QPointF(0, 0), QSizeF(sheet.cell)));
        sheet.drawCell(p, k);
        p.restore();
    }
    p.end();
    return image;
}

// ---------------------------------------------------------------- the program's icon

constexpr qreal iconSide = 64; // the icon is drawn on a 64 x 64 grid, scaled to each size

// The car as the small icons show it: the same car, only its big shapes, so that a few pixels
// still read as a red car facing us rather than as a red smudge.
void boldCar(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 28, 30));
    p.drawRoundedRect(QRectF(2, 14, 6, 9), 1.5, 1.5);
    p.drawRoundedRect(QRectF(16, 14, 6, 9), 1.5, 1.5);
    p.setBrush(carRed);
    QPainterPath body;
    body.moveTo(6, 2);
    body.lineTo(18, 2);
    body.lineTo(21.5, 10);
    body.lineTo(2.5, 10);
    body.closeSubpath();
    body.addRoundedRect(QRectF(1, 9, 22, 11), 3, 3);
    p.drawPath(body.simplified());
    p.setBrush(QColor(200, 236, 255));
    QPainterPath glass;
    glass.moveTo(7, 4);
    glass.lineTo(17, 4);
    glass.lineTo(19, 9.5);
    glass.lineTo(5, 9.5);
    glass.closeSubpath();
    p.drawPath(glass);
    p.setBrush(QColor(255, 236, 140));
    p.drawEllipse(QPointF(5.5, 14), 2.6, 2.4);
    p.drawEllipse(QPointF(18.5, 14), 2.6, 2.4);
    p.restore();
}

// The red car on a straight road tile. Below 32 pixels fine lines blur into mud, so the small
// sizes get a wider road, a bigger car and no grass tufts or edge lines.
// `outline` is the width of the tile's edge line in grid units.
void iconPicture(QPainter &p, int pixels, qreal outline)
{
    const bool small = pixels < 32;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    QLinearGradient field(0, 0, 0, iconSide);
    field.setColorAt(0, grassLight);
    field.setColorAt(1, grassDark);
    p.setPen(Qt::NoPen);
    p.setBrush(field);
    p.drawPath(tile);
    p.setClipPath(tile);
    if (!small) {
        // A few grass tufts either side of the road, as on the board's tiles.
        for (const QPointF &at : {QPointF(6, 12), QPointF(9, 30), QPointF(5, 47), QPointF(57, 9),
                                  QPointF(55, 26), QPointF(58, 44)}) {
            p.setPen(QPen(grassLight, 1, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at, at + QPointF(-1.4, -2.6));
            p.drawLine(at, at + QPointF(1.4, -2.6));
        }
        p.setPen(Qt::NoPen);
    }

    const qreal half = small ? 22 : 19;
    p.fillRect(QRectF(32 - half, 0, 2 * half, iconSide), asphalt);
    p.fillRect(QRectF(32 - half, 0, 1.5, iconSide), asphaltDark);
    p.fillRect(QRectF(32 + half - 1.5, 0, 1.5, iconSide), asphaltDark);
    if (small) {
        p.fillRect(QRectF(29, 0, 6, 10), laneYellow);
    } else {
        p.fillRect(QRectF(32 - half + 3.5, 0, 1.6, iconSide), laneWhite);
        p.fillRect(QRectF(32 + half - 5.1, 0, 1.6, iconSide), laneWhite);
        // The finish band of the exits: where the car is heading.
        const qreal square = 2 * half / 10;
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 10; ++col)
                p.fillRect(QRectF(32 - half + col * square, 4 + row * square, square, square),
                           ((row + col) % 2) ? QColor(30, 30, 34) : QColor(245, 245, 245));
        p.fillRect(QRectF(30.5, 13, 3, 8), laneYellow);
    }

    const qreal carWidth = small ? 50 : 40;
    p.save();
    p.translate(32 - carWidth / 2, 61 - carWidth * 23 / 24);
    p.scale(carWidth / 24, carWidth / 24);
    if (small)
        boldCar(p);
    else
        drawCar(p);
    p.restore();
    p.setClipping(false);

    p.setPen(QPen(grassDark.darker(small ? 160 : 140), outline));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tile);
    p.restore();
}

// Writes the icon at every size desktops ask for, laid out as the hicolor theme wants it.
bool drawIcons(const QDir &theme, QTextStream &err)
{
    for (int pixels : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(pixels);
        QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        // The tile, 1..63 of the grid, and its edge line are laid into the icon leaving a
        // margin of a sixteenth of its side on every edge (whole pixels, at least one), as the
        // icons beside it in a menu or a dock do. The line is bolder on the small sizes, and at
        // least a pixel wide, as a thinner line is painted a pixel wide all the same.
        const int margin = qMax(1, qRound(pixels / 16.0));
        const qreal line = qMax(1.0, (pixels < 32 ? 2.5 : 1.5) * pixels / iconSide);
        const qreal scale = (pixels - 2 * margin - line) / (iconSide - 2);
        p.translate(margin + line / 2 - scale, margin + line / 2 - scale);
        p.scale(scale, scale);
        iconPicture(p, pixels, line / scale);
        p.end();
        const QString file =
            theme.filePath(folder + QLatin1Char('/') + QLatin1String(roadshift::appId) + ".png");
        if (!theme.mkpath(folder) || !image.save(file)) {
            err << "cannot write " << file << "\n";
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2 && argc != 3) {
        err << "usage: drawart <picture folder> [<icon theme folder>]\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        err << "cannot make " << out.path() << "\n";
        return 1;
    }
    const std::array<Sheet, 7> sheets{{
        {QStringLiteral("tiles"), QSize(60, 60), 12, 2, drawTile},
        {QStringLiteral("cars"), QSize(24, 24), 2, 10,
         [](QPainter &p, int k) {
             if (k == 0) drawCar(p);
         }},
        {QStringLiteral("digits"), QSize(36, 44), 1, 11, digitCell},
        {QStringLiteral("banners"), QSize(480, 80), 6, 1, bannerCell},
        {QStringLiteral("help"), QSize(160, 110), 1, 3, helpCell},
        {QStringLiteral("about"), QSize(360, 240), 1, 1, [](QPainter &p, int) { aboutPicture(p); }},
        {QStringLiteral("paused"), QSize(480, 360), 1, 1,
         [](QPainter &p, int) { pausedPicture(p); }},
    }};
    for (const Sheet &sheet : sheets) {
        for (int scale : {1, 2}) {
            const QString file =
                out.filePath(sheet.name + (scale == 2 ? QStringLiteral("@2x") : QString()) +
                             QStringLiteral(".png"));
            if (!render(sheet, scale).save(file)) {
                err << "cannot write " << file << "\n";
                return 1;
            }
        }
    }
    if (argc == 3 && !drawIcons(QDir(QString::fromLocal8Bit(argv[2])), err)) return 1;
    return 0;
}
