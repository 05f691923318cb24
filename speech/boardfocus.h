// The board's stand-in in the focus chain, offering its 48 places to a screen reader.
#pragma once

#include <QWidget>

#include <functional>

// Lies beneath the tiles and takes the keyboard focus for the whole board. A screen reader sees
// it as a list of the 48 places, the cursor's place focused, and hears each place the cursor
// reaches.
class BoardFocus : public QWidget
{
    Q_OBJECT
  public:
    explicit BoardFocus(QWidget *parent);

    // The words for place 1..48, as the window knows them.
    std::function<QString(qint16)> reading;

    qint16 current() const { return cursorplace; }
    // True between taking the focus and telling the screen reader the place it is on.
    bool arriving() const { return focuspending; }
    // The cursor stands on `place` now; with the board focused the screen reader follows it.
    void focusPlace(qint16 place);

  protected:
    void focusInEvent(QFocusEvent *event) override;

  private:
    void tellFocus();
    qint16 cursorplace = 1;
    bool focuspending = false;
};
