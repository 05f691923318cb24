// Painting the keyboard's marks.
#include "board/keymark.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int cursorReach = 2; // the cursor reaches this far over the neighbouring places
constexpr int ringGap = 4;     // the focus ring keeps this far off its control

} // namespace

KeyMark::KeyMark(Kind kind, QWidget *parent) : QWidget(parent), kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void KeyMark::surround(const QRect &target)
{
    const int m = kind == Kind::Cursor ? cursorReach : ringGap;
    setGeometry(target.adjusted(-m, -m, m, m));
}

void KeyMark::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF r = rect();
    if (kind == Kind::Focus) {
        // A black line with white dashes on it.
        const QRectF line = r.adjusted(1, 1, -1, -1);
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(line);
        p.setPen(QPen(Qt::white, 2, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin));
        QPen dashes = p.pen();
        dashes.setDashPattern({2, 2});
        p.setPen(dashes);
        p.drawRect(line);
        return;
    }
    // A frame along the place's edge: black, white, black from the outside in ...
    auto band = [&p, &r](qreal inset, qreal width, const QColor &c) {
        p.setPen(QPen(c, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        const qreal mid = inset + width / 2;
        p.drawRect(r.adjusted(mid, mid, -mid, -mid));
    };
    band(0, 3, Qt::black);
    band(3, 2, Qt::white);
    band(5, 1, Qt::black);
    // ... and heavy corner brackets, white edged with black, that no tile picture has.
    const qreal arm = 18;
    const qreal thick = 8;
    const QRectF box = r.adjusted(1, 1, -1, -1); // room for the brackets' black edge
    QPainterPath corners;
    for (int cx : {0, 1}) {
        for (int cy : {0, 1}) {
            const qreal x = cx ? box.right() - thick : box.left();
            const qreal y = cy ? box.bottom() - thick : box.top();
            const qreal ax = cx ? box.right() - arm : box.left();
            const qreal ay = cy ? box.bottom() - arm : box.top();
            corners.addRect(QRectF(ax, y, arm, thick));
            corners.addRect(QRectF(x, ay, thick, arm));
        }
    }
    corners.setFillRule(Qt::WindingFill);
    p.fillPath(corners.simplified(), Qt::white);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(corners.simplified());
}
