// Moving, showing and hiding the board cursor.
#include "board/cursor.h"

#include "core/board.h"

void BoardCursor::move(CursorMove m)
{
    if (!reveal()) return;
    int column = (place - 1) % boardColumns;
    int row = (place - 1) / boardColumns;
    switch (m) {
    case CursorMove::Left:
        column = qMax(0, column - 1);
        break;
    case CursorMove::Right:
        column = qMin(boardColumns - 1, column + 1);
        break;
    case CursorMove::Up:
        row = qMax(0, row - 1);
        break;
    case CursorMove::Down:
        row = qMin(boardRows - 1, row + 1);
        break;
    }
    place = static_cast<qint16>(row * boardColumns + column + 1);
}

bool BoardCursor::reveal()
{
    const bool wasShown = shown;
    shown = true;
    return wasShown;
}

void BoardCursor::pointedAt(qint16 pressed)
{
    if (pressed >= 1 && pressed <= placeCount) place = pressed;
    shown = false;
}
