// What the game tells a screen reader of its own accord, without taking the keyboard focus.
#pragma once

#include <QWidget>

// An invisible notification: each sentence shows it anew, and a screen reader speaks what a
// shown notification says.
class Announcer : public QWidget
{
    Q_OBJECT
  public:
    explicit Announcer(QWidget *parent);

    void say(const QString &sentence);
    QString said() const { return accessibleName(); }
};
