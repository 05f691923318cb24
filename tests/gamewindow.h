// Helpers for driving a real main window by its tick handlers and presses.
#pragma once

#include "core/mainwindow.h"

#include <QApplication>
#include <QtTest>

namespace roadtest {

// Sends a key where a real one goes: to the control with the focus, or to the window.
inline void key(MainWindow &w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWidget *target = w.focusWidget() ? w.focusWidget() : &w;
    QKeyEvent press(QEvent::KeyPress, k, mods);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, k, mods);
    QApplication::sendEvent(target, &release);
}

// Lets the car go: the countdown is cut short and the next second's tick releases it.
inline void release(MainWindow &w)
{
    w.Labelcartimein_DblClick();
    w.Timercarin_Timer();
}

// Car ticks until the game is no longer being driven, at most `limit`; returns the ticks run.
inline int driveToEnd(MainWindow &w, int limit = 10000)
{
    int ticks = 0;
    while (w.Timercar->isActive() && ticks < limit) {
        w.Timercar_Timer();
        ++ticks;
    }
    return ticks;
}

// The presses that lay a road from the start into the exit at place 46 on the first board.
inline void buildFirstBoardRoad(MainWindow &w)
{
    const std::pair<int, MouseButton> presses[] = {
        {10, MouseButton::Right}, {10, MouseButton::Right}, {11, MouseButton::Right},
        {13, MouseButton::Left},  {12, MouseButton::Right}, {12, MouseButton::Right},
        {12, MouseButton::Right}, {22, MouseButton::Right}, {30, MouseButton::Right}};
    for (auto [place, button] : presses)
        w.block_MouseDown(static_cast<qint16>(place), button);
}

// The box of type Box that stands open on the screen, or nullptr.
template <class Box> Box *openBox()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *b = qobject_cast<Box *>(top); b && b->isVisible()) return b;
    return nullptr;
}

// The top ten's name labels: the players' own words, not the game's.
inline QList<const QWidget *> topTenNames(const MainWindow &w)
{
    QList<const QWidget *> names;
    for (int n = 1; n <= topTenRows; ++n)
        names << w.topname[n];
    return names;
}

inline QImage shown(const QLabel *l)
{
    return l->pixmap().toImage();
}

} // namespace roadtest
