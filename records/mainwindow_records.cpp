// The main window's side of the records: loading, the top-ten panel, the about box, shutdown.
#include "core/mainwindow.h"

#include "records/aboutbox.h"
#include "records/store.h"

#include <QSettings>

void MainWindow::loadRecords()
{
    QSettings store(QStringLiteral("rdshfv1"), QStringLiteral("rdshfv1"));
    topten = loadTopTen(store);
    updatetopten(0);
    nameTopTen();
    const LifetimeCounters stored = loadCounters(store);
    totalgames = stored.totalgames;
    executed = stored.executed;
    tbpass = stored.tbpass;
    labelbp->setText(QStringLiteral("0"));
    ++executed;
}

void MainWindow::updatetopten(qint16 urank)
{
    if (urank == 0) {
        const int rank = topTenRank(topten, points, toprank);
        if (rank != toprank) {
            toprank = static_cast<qint16>(rank);
            rankbox->move(525, 63 + 30 * (toprank - 1));
        }
    } else {
        insertIntoTopTen(topten, toprank, playername, points);
        nameTopTen(); // the table changes only here; the tick's redraw repeats the same texts
    }
    for (int n = 1; n <= topTenRows; ++n) {
        topname[n]->setText(topTenNameText(n, topten.toptenname[n]));
        toppoint[n]->setText(topTenPointText(topten.toptenpoint[n]));
    }
}

void MainWindow::cmd_about_Click()
{
    auto *about = new AboutBox(this, labelwon, labellost, labelbp);
    about->show();
}

void MainWindow::cmd_exit_Click()
{
    close();
}

void MainWindow::Form_Unload()
{
    if (unloaded)
        return;
    unloaded = true;
    for (QTimer *t : {Timercar, Timercarin, Timerexitblock, Timerblink, Timerbigmsg})
        t->stop();
    QSettings store(QStringLiteral("rdshfv1"), QStringLiteral("rdshfv1"));
    saveRecords(store, topten, executed, totalgames + gamewon + gamelost, tbpass + bpass);
    emit finished();
}
