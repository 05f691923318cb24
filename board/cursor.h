// The keyboard's place on the board: where a key press lands, and whether the player sees it.
#pragma once

#include <QtGlobal>

enum class CursorMove { Left, Right, Up, Down };

// Starts on place 1, where the car enters, and stays where it was between games.
struct BoardCursor
{
    qint16 place = 1;
    bool shown = false;

    // An arrow key: one place over, stopping at the edges. The first arrow while the cursor is
    // hidden only shows it, so the player sees where it stands before it goes anywhere.
    void move(CursorMove m);

    // A key that acts on the cursor's place. True when the player could see the place, so the key
    // may act; otherwise the cursor is only shown.
    bool reveal();

    // A mouse press on a place: the cursor hides there, so it comes back where the mouse last was.
    void pointedAt(qint16 pressed);
};
