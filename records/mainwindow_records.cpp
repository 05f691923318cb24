// The main window's side of the records: loading, the top-ten panel, the about box, shutdown.
#include "core/mainwindow.h"

#include "records/aboutbox.h"
#include "records/recordsfile.h"
#include "ui/textfit.h"

namespace {

// The row's digit face is too wide for five digits in the row's box. Such a score is drawn
// narrower, just enough to show whole; shorter scores keep the face as it is.
void showPoints(QLabel *label, const QString &text)
{
    if (label->text() == text) return; // the table is redrawn on every tick of the car
    label->setText(text);
    fitText(label);
}

} // namespace

void MainWindow::loadRecords()
{
    const StoredRecords stored = readRecords(recordsPath());
    topten = stored.table;
    updatetopten(0);
    nameTopTen();
    totalgames = stored.counters.totalgames;
    executed = stored.counters.executed;
    tbpass = stored.counters.tbpass;
    labelbp->setText(QStringLiteral("0"));
    executed = addCounter(executed, 1);
}

void MainWindow::updatetopten(qint16 urank)
{
    if (urank == 0) {
        // A game without countdown plays for the statistics alone: no row, and no rank shown.
        const int rank = untimedgame ? notRanked : topTenRank(topten, points, toprank);
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
        showPoints(toppoint[n], topTenPointText(topten.toptenpoint[n]));
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
    if (unloaded) return;
    unloaded = true;
    for (QTimer *t : {Timercar, Timercarin, Timerexitblock, Timerblink, Timerbigmsg})
        t->stop();
    // Another run may have saved since this one started: only this run's share is added to
    // what the store holds now. A store that cannot take it costs this run's records, and
    // the save says so on standard error.
    saveRun(recordsPath(), RunRecords{gamewon + gamelost, bpass, topTenWins});
    emit finished();
}
