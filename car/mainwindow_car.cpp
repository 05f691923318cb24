// The main window's side of the countdown, the drive, the exits and the end of a game.
#include "core/mainwindow.h"

#include "speech/spokennames.h"
#include "ui/presentation.h"
#include "ui/textfit.h"

void MainWindow::Timercarin_Timer()
{
    const Countdown::Tick t = countdown.tick(cartimein);
    Labelcartimein->setText(t.caption);
    if (t.release) {
        Timercar->start();
        Timercarin->stop();
        Labelcartimein->hide();
        say(departureSentence(), Weight::Event);
        playSound(Sound::Departure, 1);
        reentry(1, Side::Left);
    } else {
        nameCountdown();
        speakSecondsLeft();
        if (const std::optional<Cue> tick = tickCue(cartimein - countdown.cartimeinct))
            playSound(tick->sound, 0, tick->pitch);
    }
}

void MainWindow::Labelcartimein_DblClick()
{
    if (pause.paused()) return;
    countdown.hurry(cartimein);
}

void MainWindow::putcar(qint16 carlocx, qint16 carlocy)
{
    car->move(carlocx, carlocy);
}

void MainWindow::reentry(qint16 toblock, Side entrypoint)
{
    car->show();
    const qint16 from = carstate.carblock;
    const Outcome outcome = carstate.reentry(board, toblock, entrypoint);
    nameCar(carstate.carblock, false); // before the end of a game renames the exits
    switch (outcome) {
    case Outcome::Lose:
        playSound(lossSound(traceRoad(board, toblock, entrypoint).end), from);
        youlose();
        speakLoss(from, toblock, entrypoint);
        break;
    case Outcome::Win:
        playSound(Sound::Win, toblock);
        youwin();
        break;
    case Outcome::Drive:
        playSound(Sound::CarStep, toblock);
        points = addPoints(points, blockpoint);
        showpoint();
        break;
    }
    ++bpass;
    labelbp->setText(plainDecimal(bpass));
}

void MainWindow::Timercar_Timer()
{
    const bool pathDone = carstate.advance(carspeed);
    Labelx->setText(gamestate);
    updatetopten(0);
    if (toprank <= 10) rankbox->setVisible(carstate.carblockct % 2 == 1);
    if (pathDone) reentry(carstate.nextblock, carstate.nextentry);
    const PathPoint box = carstate.boxPosition(board);
    putcar(box.x, box.y);
}

void MainWindow::Timerexitblock_Timer()
{
    exitblink = nextPhase(exitblink);
    for (int i = 1; i <= totalexit; ++i)
        block[exitblock[i]]->setPixmap(picblocks.cell(exitblink + 9));
}

void MainWindow::youlose()
{
    gamestate = QStringLiteral("LOSE");
    reset();
    setbigmsg(banner::lost);
    labelbig->clear(); // a lost game has no top-ten line
    labelbig->show();
    ++gamelost;
    points = 0;
    rankbox->hide();
    labellost->setText(plainDecimal(gamelost));
}

void MainWindow::youwin()
{
    gamestate = QStringLiteral("WIN");
    reset();
    ++gamewon;
    rankbox->hide();
    labelwon->setText(plainDecimal(gamewon));
    Timerbigmsg->start();
    for (int i = 1; i <= totalexit; ++i)
        setblock(exitblock[i], exittype);
    labelbig->show();
    updatetopten(0);
    updatetopten(1);
    if (toprank <= topTenRows) topTenWins.append({playername, points});
    labelbig->setText(untimedgame ? untimedResultLine() : topTenResultLine(toprank));
    fitText(labelbig);
    say(winSentence(points, untimedgame ? untimedRank : toprank), Weight::Event);
}
