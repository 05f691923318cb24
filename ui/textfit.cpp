// Narrows a control's face step by step until its text shows whole in the room its paint gives it.
#include "ui/textfit.h"

#include "ui/fonts.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVariant>
#include <QtMath>

namespace {

// Whether the control's text in `font` shows whole where the control's own painting puts it.
bool fits(const QWidget *control, const QFont &font)
{
    const QFontMetricsF fm(font);
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const int m = label->margin();
        const QRectF room = label->contentsRect().adjusted(m, m, -m, -m);
        if (!label->wordWrap()) return fm.horizontalAdvance(label->text()) <= room.width();
        const QRectF needed =
            fm.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text());
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        if (button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return fm.horizontalAdvance(button->text()) <= room.width();
    }
    return true;
}

} // namespace

void fitText(QWidget *control)
{
    QFont font = control->font();
    font.setStretch(QFont::AnyStretch); // the layout's own face, as before any earlier text
    // The size the layout gives: the control keeps it in its property, as a smaller face below
    // replaces the font's own.
    QVariant layoutPixels = control->property("layoutPixelSize");
    if (!layoutPixels.isValid()) {
        layoutPixels = font.pixelSize();
        control->setProperty("layoutPixelSize", layoutPixels);
    }
    if (layoutPixels.toInt() > 0) font.setPixelSize(layoutPixels.toInt());
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(control)) text = label->text();
    if (const auto *button = qobject_cast<const QPushButton *>(control)) text = button->text();
    if (hasCjk(text) && font.pixelSize() > 0) {
        // Chinese, Japanese and Korean characters are squares that read ill squeezed: a text
        // too long for its room is set smaller instead, down to the same share.
        const int least = qCeil(font.pixelSize() * narrowest);
        for (int px = font.pixelSize() - 1; !fits(control, font) && px >= least; --px)
            font.setPixelSize(px);
    } else {
        for (int stretch = 99; !fits(control, font) && stretch >= narrowestStretch; --stretch)
            font.setStretch(stretch);
    }
    if (font != control->font()) control->setFont(font);
}

void fitTogether(const QList<QWidget *> &controls)
{
    int stretch = 100;
    int pixels = 0;
    for (QWidget *control : controls) {
        fitText(control);
        const QFont font = control->font();
        if (font.stretch() > 0) stretch = qMin(stretch, font.stretch());
        if (font.pixelSize() > 0)
            pixels = pixels > 0 ? qMin(pixels, font.pixelSize()) : font.pixelSize();
    }
    for (QWidget *control : controls) {
        QFont font = control->font();
        if (stretch < 100) font.setStretch(stretch);
        if (pixels > 0) font.setPixelSize(pixels);
        if (font != control->font()) control->setFont(font);
    }
}

void inOneFaceOnBaseline(QLabel *label)
{
    const QFont layout = label->font();
    const QFont one = inOneFace(layout, label->text());
    if (one == layout) return;
    QFont own = layout;
    own.setFamilies({layout.families().value(0, layout.family())});
    const qreal lower = QFontMetricsF(one).ascent() - QFontMetricsF(own).ascent();
    label->setFont(one);
    label->move(label->x(), label->y() - qRound(lower));
}
