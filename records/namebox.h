// The box where the player types the name that enters the top ten.
#pragma once

#include <QLineEdit>

// A line edit whose text a screen reader reads whole: Qt's own accessible line edit gives its text
// no attribute runs, and Orca then leaves the last character of the line unsaid ("Your Nam").
class NameBox : public QLineEdit
{
    Q_OBJECT
  public:
    NameBox(const QString &text, QWidget *parent);
};
