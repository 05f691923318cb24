// The main window's side of the accessible names a screen reader reads for places and messages.
#include "core/mainwindow.h"

#include "core/placenames.h"
#include "records/playername.h"
#include "speech/spokennames.h"

namespace {

// Only a real change goes out to assistive technology: the win flash and the restored exits set
// the same names again.
void rename(QWidget *w, const QString &name)
{
    if (w->accessibleName() != name) w->setAccessibleName(name);
}

} // namespace

void MainWindow::nameControls()
{
    //: the name a screen reader gives the "<" button beside the number of exits
    Cmd_el->setAccessibleName(tr("fewer exits"));
    //: the name a screen reader gives the ">" button beside the number of exits
    Cmd_er->setAccessibleName(tr("more exits"));
    //: the name a screen reader gives the "<" button beside the countdown's seconds
    cmd_cl->setAccessibleName(tr("shorter countdown"));
    //: the name a screen reader gives the ">" button beside the countdown's seconds
    Cmd_cr->setAccessibleName(tr("longer countdown"));
    // The whole label above the box, and its hover text, as a seeing player reads them.
    namebox->setAccessibleName(Label11->text());
    namebox->setAccessibleDescription(Label11->toolTip());
    //: the name a screen reader gives the little car on the board
    car->setAccessibleName(tr("car"));
}

void MainWindow::namePlace(qint16 place)
{
    if (place < 1 || place > placeCount) return;
    rename(block[place], placeReading(place));
}

void MainWindow::nameCar(qint16 place, bool waiting)
{
    const qint16 before = carplace;
    carplace = place;
    carwaits = waiting;
    namePlace(before);
    namePlace(place);
    rename(blockstart, startSignName(waiting));
}

void MainWindow::nameBanner()
{
    rename(bigmsg, bannerName(bigmsgcell, points, labelbig->text(), bigmsg->toolTip()));
}

void MainWindow::nameCountdown()
{
    rename(Labelcartimein, countdownName(static_cast<qint16>(cartimein - countdown.cartimeinct)));
}

void MainWindow::nameTopTen()
{
    for (int n = 1; n <= topTenRows; ++n)
        rename(topname[n],
               topTenRowName(n, nameOnOneLine(topten.toptenname[n]), topten.toptenpoint[n]));
}
