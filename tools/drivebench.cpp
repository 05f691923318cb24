// Drives the car round a closed loop on the real 10 ms timer and reports pace, lateness and CPU.
//
// usage: QT_QPA_PLATFORM=offscreen drivebench [--seconds N]
// Exit status: 0 every target met, 1 a target missed, 2 the run went wrong.
#include "core/mainwindow.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {

constexpr double designPace = 0.150;   // seconds per place: 15 ticks of 10 ms
constexpr double paceTolerance = 0.02; // relative
constexpr double tickMs = 10.0;
constexpr double lateTargetMs = 2.0; // p99 of the lateness
constexpr double cpuTargetPercent = 3.0;

// The ring the car circles: place and tile, clockwise from the top-left corner.
struct RingTile
{
    qint16 place;
    qint16 type;
};
constexpr RingTile ring[] = {
    {1, tile::curveRD},  {2, tile::straightLR},  {3, tile::curveLD},  {11, tile::straightUD},
    {19, tile::curveLU}, {18, tile::straightLR}, {17, tile::curveUR}, {9, tile::straightUD},
};

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(u.ru_utime) + seconds(u.ru_stime);
}

// Nearest-rank percentile of sorted values, q in (0, 1].
double percentile(const std::vector<double> &sorted, double q)
{
    if (sorted.empty()) return 0.0;
    const auto rank = static_cast<std::size_t>(std::ceil(q * double(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

bool onRing(qint16 place)
{
    return std::any_of(std::begin(ring), std::end(ring),
                       [place](const RingTile &t) { return t.place == place; });
}

const char *verdict(bool ok)
{
    return ok ? "OK" : "MISS";
}

} // namespace

int main(int argc, char *argv[])
{
    // Never the player's records: the window loads (and could save) them in this folder.
    const QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "drivebench: no temporary folder\n");
        return 2;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("drivebench"));
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Drives the car round a closed loop and reports pace, lateness and CPU."));
    options.addHelpOption();
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           QStringLiteral("Length of the run (default 20)."),
                                           QStringLiteral("N"), QStringLiteral("20"));
    options.addOption(secondsOption);
    options.process(app);
    bool secondsOk = false;
    const double seconds = options.value(secondsOption).toDouble(&secondsOk);
    if (!secondsOk || seconds < 1.0 || seconds > 3600.0) {
        std::fprintf(stderr, "drivebench: --seconds wants a number from 1 to 3600\n");
        return 2;
    }
    installFontSubstitutions();

    MainWindow w;
    w.show();
    for (const RingTile &t : ring)
        w.setblock(t.place, t.type);
    w.bigmsg->show(); // as in a game: the score row over the banner
    w.gamestate = QStringLiteral("PLAY");

    std::vector<double> lateMs;
    lateMs.reserve(std::size_t(seconds * 1000.0 / tickMs) + 16);
    QElapsedTimer clock;
    qint64 lastTickNs = -1;
    qint64 lastBpass = 0;
    qint64 firstEntryNs = -1;
    qint64 lastEntryNs = -1;
    qint64 entries = 0; // entries after the first one seen on a tick
    qint16 offRing = 0;
    double cpuAtStart = 0.0;

    // Connected after the window's own handler, so it sees each tick's outcome.
    QObject::connect(w.Timercar, &QTimer::timeout, &app, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (lastTickNs >= 0)
            lateMs.push_back(std::max(0.0, double(now - lastTickNs) / 1e6 - tickMs));
        lastTickNs = now;
        if (w.bpass != lastBpass) {
            lastBpass = w.bpass;
            if (firstEntryNs < 0)
                firstEntryNs = now;
            else
                ++entries;
            lastEntryNs = now;
            if (!onRing(w.carstate.carblock)) offRing = w.carstate.carblock;
        }
    });

    QEventLoop run;
    QTimer::singleShot(0, &run, [&] {
        // Enters place 2 from the left: 2 > 3 > 11 > 19 > 18 > 17 > 9 > 1 > 2 ...
        w.reentry(2, Side::Left);
        lastBpass = w.bpass; // pace is timed between entries the car makes on its ticks
        cpuAtStart = cpuSeconds();
        clock.start();
        w.Timercar->start();
        QTimer::singleShot(int(seconds * 1000.0), Qt::PreciseTimer, &run, &QEventLoop::quit);
    });
    run.exec(); // a loop of its own: quitting the application would close the window first

    const double wall = double(clock.nsecsElapsed()) / 1e9;
    const double cpuPercent = 100.0 * (cpuSeconds() - cpuAtStart) / wall;
    if (offRing != 0 || w.gamestate != QLatin1String("PLAY") || !w.Timercar->isActive() ||
        entries < 2) {
        std::fprintf(stderr, "drivebench: the car left the loop (place %d, state %s)\n", offRing,
                     qPrintable(w.gamestate));
        return 2;
    }
    const double pace = double(lastEntryNs - firstEntryNs) / 1e9 / double(entries);
    std::sort(lateMs.begin(), lateMs.end());
    const double p50 = percentile(lateMs, 0.50);
    const double p99 = percentile(lateMs, 0.99);
    const bool paceOk = std::abs(pace - designPace) <= designPace * paceTolerance;
    const bool lateOk = p99 < lateTargetMs;
    const bool cpuOk = cpuPercent < cpuTargetPercent;

    std::printf("drivebench: %.1f s on the %s platform, %lld places, %zu tick intervals\n", wall,
                qPrintable(QGuiApplication::platformName()), static_cast<long long>(entries),
                lateMs.size());
    std::printf("%-22s %12s   %-16s %s\n", "measure", "value", "target", "");
    std::printf("%-22s %10.4f s   %-16s %s\n", "seconds per place", pace, "0.150 s +-2 %",
                verdict(paceOk));
    std::printf("%-22s %9.3f ms   %-16s\n", "tick lateness p50", p50, "");
    std::printf("%-22s %9.3f ms   %-16s %s\n", "tick lateness p99", p99, "< 2 ms", verdict(lateOk));
    std::printf("%-22s %10.2f %%   %-16s %s\n", "CPU of one core", cpuPercent, "< 3 %",
                verdict(cpuOk));
    return paceOk && lateOk && cpuOk ? 0 : 1;
}
