// A stand-in for one run of the game at its shutdown, for tests that need many runs at once.
//
// records_saver save <store> <start fifo or -> <games> <tiles> [<name> <points>]
//   Opens the FIFO, prints "ready", waits until the FIFO's writer closes it, then saves this
//   share with the game's own save and prints how long the save took in milliseconds and
//   whether the share is in the store ("saved") or waits beside it ("waiting"). With "-" it
//   saves at once. RECORDS_SAVER_FILE_LIMIT=<bytes> limits the size of the files it writes.
// records_saver hold <store>
//   Takes the store's lock as a saving run does, prints "held", and keeps it until its standard
//   input closes.
#include "records/recordsfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

int save(const QStringList &args)
{
    if (args[3] != u"-") {
        const int fd = ::open(QFile::encodeName(args[3]).constData(), O_RDONLY);
        if (fd < 0) return 3;
        std::puts("ready");
        std::fflush(stdout);
        char byte = 0;
        while (::read(fd, &byte, 1) > 0) {
        }
        ::close(fd);
    }
    // A file size limit makes the disk as good as full, for root as for anyone.
    if (const qint64 limit = qEnvironmentVariableIntValue("RECORDS_SAVER_FILE_LIMIT")) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
        if (::setrlimit(RLIMIT_FSIZE, &small) != 0) return 3;
    }

    RunRecords run;
    run.games = args[4].toLongLong();
    run.tiles = args[5].toLongLong();
    if (args.size() > 7) run.wins.append({args[6], args[7].toInt()});
    QElapsedTimer clock;
    clock.start();
    const SaveOutcome outcome = saveRun(args[2], run);
    std::printf("%lld %s\n", static_cast<long long>(clock.elapsed()),
                outcome == SaveOutcome::Saved ? "saved" : "waiting");
    return outcome == SaveOutcome::Failed ? 1 : 0;
}

int hold(const QStringList &args)
{
    QLockFile lock(args[2] + QStringLiteral(".lock"));
    if (!lock.tryLock(5000)) return 3;
    std::puts("held");
    std::fflush(stdout);
    char byte = 0;
    while (::read(STDIN_FILENO, &byte, 1) > 0) {
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 6 && args[1] == u"save") return save(args);
    if (args.size() == 3 && args[1] == u"hold") return hold(args);
    std::fputs("usage: records_saver save <store> <fifo> <games> <tiles> [<name> <points>]\n"
               "       records_saver hold <store>\n",
               stderr);
    return 2;
}
