// The keyboard's marks: the cursor over a board place and the ring round the focused control.
#pragma once

#include <QWidget>

// Drawn in black and white together, so a mark stands out on grass, asphalt, the orange empty
// place and the red exit alike; the cursor is also told apart by its shape (corner brackets).
// Mouse presses go through to what lies beneath.
class KeyMark : public QWidget
{
    Q_OBJECT
  public:
    enum class Kind { Cursor, Focus };
    KeyMark(Kind kind, QWidget *parent);

    // Puts the mark round `target`, given in the parent's pixels.
    void surround(const QRect &target);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    Kind kind;
};
