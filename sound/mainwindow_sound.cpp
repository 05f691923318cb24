// The main window's side of what the game plays: when each sound is heard, and the sound switch.
#include "core/mainwindow.h"

#include "sound/soundplayer.h"
#include "speech/spokennames.h"

#include <QPainter>
#include <QPushButton>

namespace {

// A loudspeaker with its sound waves, or struck through when the sound is off.
QIcon speakerIcon(bool on)
{
    QPixmap pm(QSize(36, 36) * 2);
    pm.setDevicePixelRatio(2.0);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 20, 60), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(20, 20, 60));
    p.drawPolygon(QPolygonF({{4, 13}, {10, 13}, {17, 7}, {17, 29}, {10, 23}, {4, 23}}));
    p.setBrush(Qt::NoBrush);
    if (on) {
        p.drawArc(QRectF(13, 12, 10, 12), -50 * 16, 100 * 16);
        p.drawArc(QRectF(13, 7, 18, 22), -50 * 16, 100 * 16);
    } else {
        p.setPen(QPen(QColor(200, 20, 20), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(21, 12), QPointF(31, 24));
        p.drawLine(QPointF(31, 12), QPointF(21, 24));
    }
    return QIcon(pm);
}

} // namespace

void MainWindow::buildSound()
{
    sound = new SoundPlayer(this);
    sound->setMuted(gameSettings->text(settingKey::sound) == QLatin1String("off"));
    // In the grass left of the board, below the countdown: out of every other control's way.
    cmd_sound = new QPushButton(this);
    cmd_sound->setGeometry(5, 343, 26, 26);
    cmd_sound->setIconSize(QSize(22, 22));
    // Only the loudspeaker on the grass, as the countdown stands there; the focus ring shows Tab.
    cmd_sound->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; }"));
    cmd_sound->setFocusPolicy(Qt::TabFocus);
    cmd_sound->setCheckable(true);
    connect(cmd_sound, &QPushButton::clicked, this, &MainWindow::cmd_sound_Click);
    showSoundState();
}

void MainWindow::showSoundState()
{
    const bool on = !sound->muted();
    cmd_sound->setChecked(on);
    cmd_sound->setIcon(speakerIcon(on));
    //: the sound switch's name for a screen reader and its tooltip
    cmd_sound->setAccessibleName(tr("Sound"));
    cmd_sound->setToolTip(on ? tr("Sound is on: click or press M to silence it")
                             : tr("Sound is off: click or press M to hear it"));
}

void MainWindow::cmd_sound_Click()
{
    sound->setMuted(!sound->muted());
    gameSettings->setText(settingKey::sound,
                          sound->muted() ? QStringLiteral("off") : QStringLiteral("on"));
    showSoundState();
    playSound(Sound::Unmute); // heard only when the sound has just come back
    say(soundSentence(!sound->muted()), Weight::Setting);
}

void MainWindow::playSound(Sound s, qint16 place, float pitch)
{
    sound->play(Cue{s, panForPlace(place), pitch});
}

RoadTrace MainWindow::roadAhead() const
{
    qint16 place = 0;
    Side entry = Side::None;
    roadStart(place, entry);
    return traceRoad(roadBoard(), place, entry);
}

void MainWindow::roadStart(qint16 &place, Side &entry) const
{
    const bool driving = Timercar->isActive();
    place = driving ? carstate.nextblock : qint16(1);
    entry = driving ? carstate.nextentry : Side::Left;
}

Board MainWindow::roadBoard() const
{
    Board b = board;
    for (int k = 1; k <= totalexit; ++k)
        if (exitblock[k] >= 1 && exitblock[k] <= placeCount) b.blocktype[exitblock[k]] = tile::exit;
    return b;
}

void MainWindow::soundPress(const PressResult &press, qint16 index, const RoadTrace &before,
                            bool counterClockwise)
{
    if (gamestate != QLatin1String("PLAY") || pause.paused()) return;
    const PressDone done =
        press.block1 != 0 ? (board.blocktype[press.block2] == tile::obstacle ? PressDone::TentJumped
                                                                             : PressDone::Slid)
        : press.rotate && turns(board.blocktype[index])
            ? (counterClockwise ? PressDone::TurnedBack : PressDone::Turned)
            : PressDone::Nothing;
    playSound(pressSound(done), press.block1 != 0 ? press.block2 : index);
    if (done == PressDone::Nothing) return;
    if (const std::optional<Sound> p = progressSound(before, roadAhead())) playSound(*p, index);
}
