// Clickable labels and painted frames.
#include "core/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    armed = event->button() == Qt::LeftButton;
    emit pressed(event->button());
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        armed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    armed = false;
    if (click) emit clicked();
    event->accept();
}

// The second press of a double click is still a press (two quick right clicks turn a tile
// twice), but its release is no second click: a double click on the banner must not go on to
// start a game on the label that lies beneath it.
void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    armed = false;
    emit pressed(event->button());
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    event->accept();
}

namespace {

class ButtonLabelAccessible : public QAccessibleWidget
{
  public:
    explicit ButtonLabelAccessible(ButtonLabel *label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return own;
    }
    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && widget()->isEnabled())
            emit static_cast<ButtonLabel *>(widget())->clicked();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface *buttonLabelAccessible(const QString &key, QObject *object)
{
    if (key == QLatin1String("ButtonLabel"))
        return new ButtonLabelAccessible(static_cast<ButtonLabel *>(object));
    return nullptr;
}

} // namespace

ButtonLabel::ButtonLabel(QWidget *parent) : ClickLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(buttonLabelAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

Shape::Shape(Kind kind, const QColor &fill, QWidget *parent)
    : QWidget(parent), kind(kind), colour(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setOutline(const QColor &c, int width)
{
    colour = c;
    outlineWidth = width;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, kind == Kind::RoundedRectangle);
    QRectF r = rect();
    if (outlineWidth > 0) {
        const qreal half = outlineWidth / 2.0;
        r.adjust(half, half, -half, -half);
        p.setPen(QPen(colour, outlineWidth));
        p.setBrush(Qt::NoBrush);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
    }
    if (kind == Kind::RoundedRectangle)
        p.drawRoundedRect(r, 10, 10);
    else
        p.drawRect(r);
}
