// What the game plays, heard: a real window plays through a private PulseAudio server whose only
// output is a null sink, and the sink's monitor is recorded and judged.
#include "roadtest.h"

#include "gamewindow.h"
#include "sound/soundplayer.h"
#include "sound/synth.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace roadtest;

namespace {

constexpr int rate = 44100;

// A private sound server and a recording of everything it plays.
class Recording
{
  public:
    bool start()
    {
        const QString pulse = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
        if (pulse.isEmpty() || parec.isEmpty()) return false;
        m_socket = m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.path());
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(
            pulse,
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
             QStringLiteral("--disable-shm=yes"), QStringLiteral("--log-target=stderr"),
             QStringLiteral("--log-level=0"), QStringLiteral("-L"),
             QStringLiteral("module-null-sink sink_name=out rate=%1 channels=2").arg(rate),
             QStringLiteral("-L"),
             QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + m_socket});
        if (!m_server.waitForStarted()) return false;
        for (int i = 0; i < 100 && !QFileInfo::exists(m_socket); ++i)
            QTest::qWait(50);
        qputenv("PULSE_SERVER", ("unix:" + m_socket).toLocal8Bit());
        m_recorder.setProcessEnvironment(env);
        m_recorder.start(parec, {QStringLiteral("--device=out.monitor"), QStringLiteral("--raw"),
                                 QStringLiteral("--format=s16le"), QStringLiteral("--channels=2"),
                                 QStringLiteral("--rate=%1").arg(rate),
                                 QStringLiteral("--latency-msec=20")});
        if (!m_recorder.waitForStarted()) return false;
        // The sink's monitor runs in real time from here: a sample's place is its time.
        if (!m_recorder.waitForReadyRead(5000)) return false;
        m_clock.start();
        m_audio = m_recorder.readAll();
        m_offset = m_audio.size() / 4; // frames already there when the clock started
        return true;
    }
    ~Recording()
    {
        for (QProcess *p : {&m_recorder, &m_server}) {
            p->kill();
            p->waitForFinished();
        }
    }
    qint64 now() const { return m_clock.elapsed(); }
    void collect() { m_audio += m_recorder.readAll(); }
    void stopServer()
    {
        m_server.kill();
        m_server.waitForFinished();
    }

    // The loudness in dBFS of each ear over [from, from + length) ms, after the clock.
    std::pair<double, double> level(qint64 from, qint64 length)
    {
        collect();
        const qint64 first = m_offset + from * rate / 1000;
        const qint64 last = std::min<qint64>(m_audio.size() / 4, first + length * rate / 1000);
        const auto *frames = reinterpret_cast<const qint16 *>(m_audio.constData());
        double left = 0.0, right = 0.0;
        for (qint64 i = first; i < last; ++i) {
            left += double(frames[2 * i]) * frames[2 * i];
            right += double(frames[2 * i + 1]) * frames[2 * i + 1];
        }
        const double n = std::max<qint64>(1, last - first);
        const auto db = [n](double sum) {
            return sum > 0 ? 10.0 * std::log10(sum / n / (32768.0 * 32768.0)) : -200.0;
        };
        return {db(left), db(right)};
    }
    // The loudest 20 ms in [from, from + length), either ear.
    double loudest(qint64 from, qint64 length)
    {
        double most = -200.0;
        for (qint64 at = from; at + 20 <= from + length; at += 10) {
            const auto [l, r] = level(at, 20);
            most = std::max({most, l, r});
        }
        return most;
    }
    qint64 recordedMs()
    {
        collect();
        return (m_audio.size() / 4 - m_offset) * 1000 / rate;
    }

  private:
    QTemporaryDir m_dir;
    QString m_socket;
    QProcess m_server;
    QProcess m_recorder;
    QElapsedTimer m_clock;
    QByteArray m_audio;
    qint64 m_offset = 0;
};

struct Heard
{
    QString what;
    qint64 at = 0; // ms on the recording's clock
    bool silent = false;
};

// Lets the event loop run for `ms`, so the player's thread plays and the timers tick.
void pass(int ms)
{
    QTest::qWait(ms);
}

} // namespace

class TestSoundWindow : public QObject
{
    Q_OBJECT

  private slots:
    void everyEventHeard();
};

void TestSoundWindow::everyEventHeard()
{
    Recording rec;
    QVERIFY2(rec.start(), "a private PulseAudio server with a null sink could not be started");
    QList<Heard> events;
    QList<Cue> cues;
    auto mark = [&](const QString &what, bool silent = false) {
        events.append({what, rec.now(), silent});
    };

    auto w = std::make_unique<MainWindow>();
    connect(w->sound, &SoundPlayer::played, this, [&cues](const Cue &c) { cues << c; });
    w->show();
    pass(1500); // the player starts after the first frame, then opens the device

    // The desktop sees the stream under the game's name and icon, from a client that plays a
    // game. (OpenAL Soft 1.19 clears the role on its stream itself; the client keeps it.)
    auto listed = [](const char *what) {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QLatin1String(what)});
        pactl.waitForFinished(5000);
        return pactl.readAllStandardOutput();
    };
    const QByteArray streams = listed("sink-inputs");
    QVERIFY2(streams.contains("application.name = \"Roadshift\""), streams.constData());
    QVERIFY2(streams.contains("application.icon_name = \"io.github.roadshift.Roadshift\""),
             streams.constData());
    const QByteArray clients = listed("clients");
    QVERIFY2(clients.contains("media.role = \"game\""), clients.constData());

    const int gap = 1100; // longer than any sound and the half second it must start in
    auto event = [&](const QString &what, const std::function<void()> &act) {
        mark(what);
        act();
        pass(gap);
    };
    // The first board's winning road, the countdown's last seconds, and the drive by ear.
    event("new game", [&] { w->restart(); });
    w->Timercarin->stop(); // the countdown is ticked by hand
    buildFirstBoardRoad(*w);
    pass(gap);
    w->countdown.cartimeinct = static_cast<qint16>(w->cartimein - 6);
    for (int left = 5; left >= 1; --left)
        event(QStringLiteral("tick %1").arg(left), [&] { w->Timercarin_Timer(); });
    QList<std::pair<qint64, qint16>> steps;
    mark("departure");
    for (int i = 0; i < 3 && !w->Timercar->isActive(); ++i)
        w->Timercarin_Timer();
    QVERIFY(w->Timercar->isActive());
    while (w->gamestate == QLatin1String("PLAY") && rec.now() < events.last().at + 20000) {
        const qint16 before = w->carstate.carblock;
        pass(2);
        if (w->carstate.carblock != before && w->carstate.carblock > 0)
            steps.append({rec.now(), w->carstate.carblock});
    }
    QCOMPARE(w->gamestate, QStringLiteral("WIN"));
    mark("win");
    pass(gap);

    event("new game", [&] { w->restart(); });
    w->Timercarin->stop();
    key(*w, Qt::Key_Right); // the keys go to the board now, not the name box
    QCOMPARE(w->focusWidget(), w->boardfocus);
    pass(gap);
    auto firstOf = [&w](auto wanted) {
        for (qint16 p = 1; p <= placeCount; ++p)
            if (wanted(w->board.blocktype[p])) return p;
        return qint16(0);
    };
    const qint16 road = firstOf([](qint16 t) { return turns(t); });
    w->setblock(11, tile::straightLR); // a road beside the empty place, whatever was dealt
    event("slide", [&] { w->block_MouseDown(11, MouseButton::Left); });
    event("turn", [&] { w->block_MouseDown(road, MouseButton::Right); });
    // A road far from the empty place: a left press on it moves nothing.
    qint16 far = 0;
    for (qint16 p = placeCount; p >= 1 && far == 0; --p) {
        const int d = std::abs(p - w->board.emptyblock);
        if (turns(w->board.blocktype[p]) && d != 1 && d != boardColumns) far = p;
    }
    event("refused", [&] { w->block_MouseDown(far, MouseButton::Left); });
    const qint16 tent = firstOf([](qint16 t) { return t == tile::obstacle; });
    QVERIFY(tent != 0);
    event("tent jump", [&] { w->block_MouseDown(tent, MouseButton::Left); });
    w->Timercarin->start(); // only a running game pauses
    event("pause", [&] { key(*w, Qt::Key_P); });
    event("resume", [&] { key(*w, Qt::Key_P); });
    w->Timercarin->stop();

    // Muted, the same kinds of event make no sound; M again brings them back.
    key(*w, Qt::Key_M);
    QVERIFY(w->sound->muted());
    pass(300);
    for (const char *what : {"new game", "turn", "refused"}) {
        mark(QStringLiteral("muted ") + what, true);
        if (QLatin1String(what) == QLatin1String("new game")) w->restart();
        if (QLatin1String(what) == QLatin1String("turn"))
            w->block_MouseDown(road, MouseButton::Right);
        if (QLatin1String(what) == QLatin1String("refused"))
            w->block_MouseDown(far, MouseButton::Left);
        pass(gap);
    }
    event("unmute", [&] { key(*w, Qt::Key_M); });
    QVERIFY(!w->sound->muted());

    // Each kind of loss, a few tiles after the departure.
    const std::pair<const char *, qint16> losses[] = {{"off the board", tile::curveLU},
                                                      {"into a tent", tile::obstacle},
                                                      {"into the empty place", tile::empty},
                                                      {"into a closed side", tile::straightUD}};
    for (const auto &[what, type] : losses) {
        w->restart();
        w->Timercarin->stop();
        pass(gap);
        for (qint16 p = 1; p <= 3; ++p)
            if (p != w->board.emptyblock) w->setblock(p, tile::straightLR);
        if (type == tile::empty)
            w->swapblock(4, w->board.emptyblock);
        else
            w->setblock(4, type);
        release(*w);
        while (w->gamestate == QLatin1String("PLAY") && w->carstate.carblock != 3)
            pass(2);
        while (w->gamestate == QLatin1String("PLAY"))
            pass(1);
        QCOMPARE(w->gamestate, QStringLiteral("LOSE"));
        mark(QStringLiteral("loss ") + what);
        pass(gap);
    }
    pass(500);

    // Judging: every event sounds within half a second, every muted one stays silent.
    const double silence = rec.loudest(events.first().at - 600, 400);
    QVERIFY2(silence < -70.0, qPrintable(QString::number(silence)));
    for (const Heard &e : events) {
        const double loudest = rec.loudest(e.at, 500);
        if (e.silent)
            QVERIFY2(
                loudest < -70.0,
                qPrintable(
                    QStringLiteral("%1 at %2 ms: %3 dBFS").arg(e.what).arg(e.at).arg(loudest)));
        else
            QVERIFY2(
                loudest > -40.0,
                qPrintable(
                    QStringLiteral("%1 at %2 ms: %3 dBFS").arg(e.what).arg(e.at).arg(loudest)));
    }

    // The car is heard crossing the board: left while in the left columns, right in the right.
    QVERIFY(steps.size() >= 8);
    double leftSide = 0.0, rightSide = 0.0;
    for (const auto &[at, place] : steps) {
        const auto [l, r] = rec.level(at, 60);
        const int column = (place - 1) % boardColumns + 1;
        qDebug("car at column %d: left %.1f dBFS, right %.1f dBFS", column, l, r);
        if (column <= 2) leftSide += l - r;
        if (column >= 6) rightSide += r - l;
    }
    QVERIFY2(leftSide > 6.0 && rightSide > 3.0,
             qPrintable(QStringLiteral("left %1 dB, right %2 dB").arg(leftSide).arg(rightSide)));

    // The cues behind the sounds: each event its own sound.
    QList<Sound> kinds;
    for (const Cue &c : cues)
        if (c.sound != Sound::CarStep) kinds << c.sound;
    for (Sound s :
         {Sound::NewGame, Sound::Slide, Sound::TurnClockwise, Sound::Refused, Sound::TentJump,
          Sound::Pause, Sound::Resume, Sound::Unmute, Sound::Tick, Sound::Departure, Sound::Win,
          Sound::LossOffBoard, Sound::LossTent, Sound::LossEmpty, Sound::LossClosed})
        QVERIFY2(kinds.contains(s), qPrintable(QString::number(int(s))));

    // The server goes away mid-game: the game goes on, silently, with its ticks on time.
    rec.stopServer();
    w->restart();
    QElapsedTimer handled;
    handled.start();
    for (int i = 0; i < 20; ++i)
        w->block_MouseDown(10, MouseButton::Right);
    QVERIFY(handled.elapsed() < 100);
    pass(500);
    QCOMPARE(w->gamestate, QStringLiteral("PLAY"));
    w.reset(); // and it closes without waiting on the lost server
}

ROADSHIFT_TEST_GUI_MAIN(TestSoundWindow)
#include "test_sound_window.moc"
