// Narrows a control's face step by step until its text shows whole in the room its paint gives it.
#include "ui/textfit.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

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
    for (int stretch = 99; !fits(control, font) && stretch >= narrowestStretch; --stretch)
        font.setStretch(stretch);
    if (font != control->font()) control->setFont(font);
}
