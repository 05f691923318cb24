// Times the fitting of a pasted name to the name box's fourteen characters, as the box's
// validator does it on every edit. Prints the time for each kind of paste.
//
// usage: namefitbench [characters]   (32767 by default, the most a line edit holds)
#include "records/playername.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>

namespace {

// The best of a few tries, in milliseconds.
double fitTime(const QString &pasted, qsizetype cursor)
{
    double best = 1e300;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer clock;
        clock.start();
        qsizetype c = cursor;
        const QString fitted = fitName(pasted, c);
        best = std::min(best, clock.nsecsElapsed() / 1e6);
        if (fitted.size() > 4 * nameLength) std::puts("fitted name too long!");
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const qsizetype length = args.size() > 1 ? args[1].toLongLong() : 32767;

    const QString letters = QString(length, u'a');
    // Letters with accents: two code units, one character.
    QString accented;
    while (accented.size() + 2 <= length)
        accented += QStringLiteral("e\u0301");
    // A paste that lands before what the box already holds.
    const QString before = letters + QStringLiteral("Racer");

    std::printf("fitting %lld pasted code units to %d characters:\n",
                static_cast<long long>(length), nameLength);
    std::printf("  plain letters          %10.3f ms\n", fitTime(letters, letters.size()));
    std::printf("  letters with accents   %10.3f ms\n", fitTime(accented, accented.size()));
    std::printf("  before the box's text  %10.3f ms\n", fitTime(before, length));
    return 0;
}
