// The main window's side of the pause: P, a minimised window and an open box hold the game.
#include "core/mainwindow.h"

#include "speech/spokennames.h"

#include <QEvent>
#include <QProperty>

namespace {

// Gives a timer its own interval back after a shortened run: at its first tick, or when it is
// stopped before that, so that a new game starting it again keeps the right pace.
class IntervalBack : public QObject
{
  public:
    IntervalBack(QTimer *timer, int interval) : QObject(timer), timer(timer), interval(interval)
    {
        connect(timer, &QTimer::timeout, this, &IntervalBack::back);
        stopped = timer->bindableActive().addNotifier([this] {
            if (!this->timer->isActive()) back();
        });
    }

  private:
    void back()
    {
        if (done) return;
        done = true;
        timer->setInterval(interval);
        deleteLater();
    }

    QTimer *timer;
    int interval;
    bool done = false;
    QPropertyNotifier stopped;
};

} // namespace

void MainWindow::buildPause()
{
    pausepic = new QLabel(this);
    pausepic->setGeometry(35, 10, 480, 360);
    //: the name a screen reader gives the cover over the board while the game is paused
    pausepic->setAccessibleName(tr("paused"));
    pausepic->stackUnder(bigmsg); // over the tiles, the cursor and the car
    pausepic->hide();
    const auto timers = heldTimers();
    for (std::size_t i = 0; i < timers.size(); ++i)
        heldintervals[i] = timers[i]->interval();
}

// The countdown, the car and the exit blink; the refusal blink ends by itself under the cover.
std::array<QTimer *, 3> MainWindow::heldTimers() const
{
    return {Timercarin, Timercar, Timerexitblock};
}

void MainWindow::pauseKey()
{
    const bool before = pause.paused();
    pauseFor(PauseReason::Key, !pause.has(PauseReason::Key));
    if (pause.paused() == before) return;
    playSound(pause.paused() ? Sound::Pause : Sound::Resume);
    say(pauseSentence(pause.paused()), Weight::Event);
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        pauseFor(PauseReason::Minimised, isMinimized());
    else if (event->type() == QEvent::EnabledChange)
        pauseFor(PauseReason::HeldOff, !isEnabled()); // the help or about box is open
}

void MainWindow::pauseFor(PauseReason reason, bool on)
{
    const bool running = Timercarin->isActive() || Timercar->isActive();
    if (on ? pause.begin(reason, running) : pause.end(reason)) on ? holdGame() : goOn();
}

void MainWindow::holdGame()
{
    const auto timers = heldTimers();
    for (std::size_t i = 0; i < timers.size(); ++i) {
        // A coarse timer may report a little more than its interval; never more is owed.
        pause.left[i] =
            timers[i]->isActive() ? qBound(0, timers[i]->remainingTime(), heldintervals[i]) : -1;
        timers[i]->stop();
    }
    // The cover is decoded at the first pause, not at start-up.
    if (pausepic->pixmap().isNull()) pausepic->setPixmap(picpause.cell(0));
    pausepic->show();
}

void MainWindow::goOn()
{
    pausepic->hide();
    if (unloaded) return; // the records are saved: nothing runs any more
    const auto timers = heldTimers();
    for (std::size_t i = 0; i < timers.size(); ++i) {
        if (pause.left[i] < 0) continue;
        // The interrupted interval runs out first, so a pause neither loses nor adds time.
        timers[i]->start(pause.left[i]);
        new IntervalBack(timers[i], heldintervals[i]);
        pause.left[i] = -1;
    }
}
