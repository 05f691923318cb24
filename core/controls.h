// Small controls the main window is built from: clickable pictures and labels, filled frames.
#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

// A label or picture box that reports presses, clicks and double clicks.
class ClickLabel : public QLabel
{
    Q_OBJECT
  public:
    explicit ClickLabel(QWidget *parent = nullptr);

  signals:
    void pressed(Qt::MouseButton button);
    void clicked(); // left press and release inside the control
    void doubleClicked();

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

  private:
    bool armed = false; // a left press began here and may end as a click
};

// A clickable label that works as a button: a screen reader meets it as a push button, whose
// press action clicks it.
class ButtonLabel : public ClickLabel
{
    Q_OBJECT
  public:
    explicit ButtonLabel(QWidget *parent = nullptr);
};

// A borderless frame drawn beneath the controls: filled, or an outline of the given width.
class Shape : public QWidget
{
    Q_OBJECT
  public:
    enum class Kind { Rectangle, RoundedRectangle };
    Shape(Kind kind, const QColor &fill, QWidget *parent = nullptr);
    // An unfilled outline instead of a fill.
    void setOutline(const QColor &colour, int width);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    Kind kind;
    QColor colour;
    int outlineWidth = 0;
};
