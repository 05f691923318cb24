// The board as a screen reader sees it: a list whose items are the places.
#include "speech/boardfocus.h"

#include "core/board.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>

#include <array>

namespace {

QRect placeRect(const QWidget *board, qint16 place)
{
    const QPoint corner((place - 1) % boardColumns * 60, (place - 1) / boardColumns * 60);
    return {board->mapToGlobal(corner), QSize(60, 60)};
}

// One place: no widget of its own, its words and state come from the board.
class PlaceAccessible : public QAccessibleInterface
{
  public:
    PlaceAccessible(BoardFocus *board, qint16 place) : board(board), place(place) {}

    bool isValid() const override { return board; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return board ? board->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(board.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && board && board->reading ? board->reading(place)
                                                                 : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return board ? placeRect(board, place) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        if (board && board->current() == place) {
            s.selected = true;
            s.focused = board->hasFocus();
        }
        if (!board || !board->isVisible()) s.invisible = true;
        return s;
    }

  private:
    QPointer<BoardFocus> board;
    qint16 place;
};

class BoardAccessible : public QAccessibleWidget
{
  public:
    explicit BoardAccessible(BoardFocus *board) : QAccessibleWidget(board, QAccessible::List) {}
    ~BoardAccessible() override
    {
        for (QAccessible::Id id : ids)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return placeCount; }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= placeCount) return nullptr;
        QAccessible::Id &id = ids[index];
        if (!id)
            id = QAccessible::registerAccessibleInterface(
                new PlaceAccessible(board(), static_cast<qint16>(index + 1)));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < placeCount; ++i)
            if (ids[i] && QAccessible::accessibleInterface(ids[i]) == child) return i;
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        return board()->hasFocus() ? child(board()->current() - 1) : nullptr;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint at = board()->mapFromGlobal(QPoint(x, y));
        if (!board()->rect().contains(at)) return nullptr;
        return child(at.y() / 60 * boardColumns + at.x() / 60);
    }

  private:
    BoardFocus *board() const { return static_cast<BoardFocus *>(widget()); }
    mutable std::array<QAccessible::Id, placeCount> ids{};
};

QAccessibleInterface *boardAccessible(const QString &key, QObject *object)
{
    if (key == QLatin1String("BoardFocus"))
        return new BoardAccessible(static_cast<BoardFocus *>(object));
    return nullptr;
}

} // namespace

BoardFocus::BoardFocus(QWidget *parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(boardAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

void BoardFocus::focusPlace(qint16 place)
{
    const bool moved = place != cursorplace;
    cursorplace = place;
    if (moved && hasFocus()) tellFocus();
}

void BoardFocus::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    // Qt tells of the board's own focus after this handler: the place follows it.
    focuspending = true;
    QTimer::singleShot(0, this, [this] {
        focuspending = false;
        if (hasFocus()) tellFocus();
    });
}

void BoardFocus::tellFocus()
{
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(cursorplace - 1);
    QAccessible::updateAccessibility(&event);
}
