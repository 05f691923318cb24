// The main window's side of sliding, turning and the refusal blink.
#include "core/mainwindow.h"

void MainWindow::block_MouseDown(qint16 index, MouseButton button)
{
    pressBlock(index, button, 1);
}

void MainWindow::pressBlock(qint16 index, MouseButton button, int times)
{
    const RoadTrace before = roadAhead();
    PressResult press;
    for (int i = 0; i < times; ++i) {
        press = decidePress(board, index, button, carstate.carblock,
                            gamestate == QLatin1String("PLAY") && !pause.paused());
        if (press.rotate) rotateblock(index);
        if (press.refused) startBlink(index);
        if (press.block1 != 0) swapblock(press.block1, press.block2);
    }
    soundPress(press, index, before, times == 3);
}

void MainWindow::swapblock(qint16 block1, qint16 block2)
{
    swapTypes(board, block1, block2);
    block[block1]->setPixmap(picblocks.cell(board.blocktype[block1]));
    block[block2]->setPixmap(picblocks.cell(board.blocktype[block2]));
    namePlace(block1);
    namePlace(block2);
    carryExit(exitblock, block1, block2);
}

void MainWindow::rotateblock(qint16 blocknum)
{
    const qint16 t = board.blocktype[blocknum];
    if (turns(t)) setblock(blocknum, rotated(t));
}

void MainWindow::startBlink(qint16 place)
{
    blink.start(board.blockx[place], board.blocky[place]);
    Timerblink->start();
    blockred->show();
}

void MainWindow::Timerblink_Timer()
{
    const RefusalBlink::Step step = blink.tick();
    blockred->move(step.marker.x, step.marker.y);
    if (step.done) {
        Timerblink->stop();
        blockred->hide(); // parked off the board: out of a screen reader's way too
    }
}
