// The main window's side of the score row, the banner, the difficulty panel and the help box.
#include "core/mainwindow.h"

#include "ui/helpbox.h"
#include "ui/presentation.h"
#include "ui/textfit.h"

void MainWindow::showpoint()
{
    setbigmsg(banner::blank);
    for (const ScoreSprite &s : scoreRow(points)) {
        digit[s.box]->move(s.left, digit[s.box]->y());
        digit[s.box]->setPixmap(picdigits.cell(s.cell));
        digit[s.box]->show();
    }
}

void MainWindow::setbigmsg(qint16 msgpic)
{
    bigmsgcell = msgpic;
    drawBanner();
    const QString tip = bannerTip(msgpic);
    if (!tip.isNull()) bigmsg->setToolTip(tip);
    nameBanner();
}

void MainWindow::drawBanner()
{
    // The score calls this on every tile; a banner repaint drags the panel beneath along. A
    // hidden banner waits for its picture until it is shown: the intro never decodes the sheet.
    if (bigmsg->isHidden() || bigmsgcell == bigmsgdrawn) return;
    bigmsgdrawn = bigmsgcell;
    bigmsg->setPixmap(picbigmsg.cell(bigmsgcell));
}

void MainWindow::bigmsg_Click()
{
    if (Timercarin->isActive() || pause.paused()) return; // a paused game cannot be given up unseen
    labelbig->hide();
    if (gamestate != QLatin1String("PLAY") && gamestate != QLatin1String("LOSE") &&
        gamestate != QLatin1String("WIN"))
        return;
    reset();
    showBanner(false);
    putcar(static_cast<qint16>(board.blockx[1] - 12), static_cast<qint16>(board.blocky[1] + 18));
    nameCar(0, true);
    Timerbigmsg->stop();
}

void MainWindow::Timerbigmsg_Timer()
{
    winflash = nextPhase(winflash);
    setbigmsg(static_cast<qint16>(winflash + 1));
    setblock(carstate.carblock, static_cast<qint16>(winflash * 2 + 7));
}

void MainWindow::settotalexit(qint16 te)
{
    totalexit = clampExits(totalexit + te);
    Label2->setText(QString::number(totalexit));
    Label3->setText(exitWord(totalexit));
    fitText(Label3);
}

void MainWindow::setcartimein(qint16 cti)
{
    cartimein = clampCountdown(cartimein + cti);
    Label5->setText(countdownCaption(cartimein));
    Label7->setText(countdownWord(cartimein));
    fitText(Label7);
}

void MainWindow::Cmd_el_Click()
{
    settotalexit(-1);
    rememberSettings();
    speakSettings();
}

void MainWindow::Cmd_er_Click()
{
    settotalexit(1);
    rememberSettings();
    speakSettings();
}

void MainWindow::cmd_cl_Click()
{
    setcartimein(-10);
    rememberSettings();
    speakSettings();
}

void MainWindow::Cmd_cr_Click()
{
    setcartimein(10);
    rememberSettings();
    speakSettings();
}

void MainWindow::rememberSettings()
{
    gameSettings->setText(settingKey::exits, QString::number(totalexit));
    gameSettings->setText(settingKey::countdown, QString::number(cartimein));
}

void MainWindow::recallSettings()
{
    // Read as the panel's own steps would set them: anything else is put in range.
    bool ok = false;
    const int exits = gameSettings->text(settingKey::exits).toInt(&ok);
    if (ok) settotalexit(static_cast<qint16>(clampExits(exits) - totalexit));
    const int seconds = gameSettings->text(settingKey::countdown).toInt(&ok);
    if (ok) setcartimein(static_cast<qint16>(clampCountdown(seconds / 10 * 10) - cartimein));
}

void MainWindow::cmd_help_Click()
{
    auto *help = new HelpBox(this);
    help->show();
}
