// Tests of the sound rules: which event sounds how, and the synthesized sounds themselves.
#include "roadtest.h"

#include "boardfixture.h"
#include "sound/soundcues.h"
#include "sound/synth.h"

#include <cmath>

namespace {

QList<Sound> allSounds()
{
    QList<Sound> all;
    for (int i = 0; i < soundCount; ++i)
        all << static_cast<Sound>(i);
    return all;
}

double peakDb(const std::vector<qint16> &x)
{
    int peak = 0;
    for (qint16 v : x)
        peak = std::max(peak, std::abs(int(v)));
    return 20.0 * std::log10(peak / 32768.0);
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

  private slots:
    // Every sound is short, below the peak limit with no clipped run, and as loud as the others
    // of its kind: the events alike, the frequent soft ones below them.
    void synthesizedSounds_data()
    {
        QTest::addColumn<int>("sound");
        for (Sound s : allSounds())
            QTest::addRow("sound %d", int(s)) << int(s);
    }
    void synthesizedSounds()
    {
        QFETCH(int, sound);
        const Sound s = static_cast<Sound>(sound);
        const std::vector<qint16> x = synthesize(s);
        const double seconds = double(x.size()) / soundRate;
        QVERIFY2(seconds >= 0.015 && seconds <= 1.0, qPrintable(QString::number(seconds)));
        QVERIFY2(peakDb(x) <= peakLimitDb, qPrintable(QString::number(peakDb(x))));
        int run = 0;
        for (qint16 v : x) {
            run = std::abs(int(v)) >= 32700 ? run + 1 : 0;
            QVERIFY(run < 2);
        }
        const double level = soundingLevelDb(x);
        const double wanted = eventLevelDb - levelBelowEvents(s);
        QVERIFY2(std::abs(level - wanted) <= 3.0,
                 qPrintable(QStringLiteral("%1 dBFS, wanted %2").arg(level).arg(wanted)));
        // Silence at the end, so the sound never stops with a click.
        QVERIFY(std::abs(int(x.back())) < 300);
        QCOMPARE(synthesize(s), x); // the same every time
    }

    void soundsDiffer()
    {
        const QList<Sound> all = allSounds();
        for (int i = 0; i < all.size(); ++i)
            for (int j = i + 1; j < all.size(); ++j)
                QVERIFY2(synthesize(all[i]) != synthesize(all[j]),
                         qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
    }

    void panByColumn_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<float>("pan");
        QTest::newRow("row 1, column 1") << 1 << -1.0F;
        QTest::newRow("row 1, column 8") << 8 << 1.0F;
        QTest::newRow("row 6, column 1") << 41 << -1.0F;
        QTest::newRow("row 6, column 8") << 48 << 1.0F;
        QTest::newRow("row 3, column 4") << 20 << -1.0F / 7.0F;
        QTest::newRow("row 3, column 5") << 21 << 1.0F / 7.0F;
        QTest::newRow("off the board") << 0 << 0.0F;
    }
    void panByColumn()
    {
        QFETCH(int, place);
        QFETCH(float, pan);
        QVERIFY(std::abs(panForPlace(static_cast<qint16>(place)) - pan) < 1e-5F);
    }

    // The last five seconds tick, each higher than the one before.
    void ticksRise()
    {
        QVERIFY(!tickCue(6));
        QVERIFY(!tickCue(0));
        float before = 0.0F;
        for (int left = 5; left >= 1; --left) {
            const std::optional<Cue> c = tickCue(left);
            QVERIFY(c);
            QCOMPARE(c->sound, Sound::Tick);
            QVERIFY(c->pitch > before);
            before = c->pitch;
        }
    }

    // A move is heard by what it did to the road ahead, traced on real boards.
    void progress_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("expected"); // -1: no progress sound
        // The car enters place 1 from the left; "1" is a straight road across, "E" an exit.
        const QString rest = "00000000";
        const QStringList open = {"11T00000", rest, rest, rest, rest, rest};
        const QStringList longer = {"111T0000", rest, rest, rest, rest, rest};
        const QStringList exit = {"11E00000", rest, rest, rest, rest, rest};
        QTest::newRow("longer") << open << longer << int(Sound::RoadLonger);
        QTest::newRow("shorter") << longer << open << int(Sound::RoadBroken);
        QTest::newRow("as it was") << open << open << -1;
        QTest::newRow("to an exit") << open << exit << int(Sound::RoadToExit);
        QTest::newRow("away from the exit") << exit << open << int(Sound::RoadBroken);
    }
    void progress()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(int, expected);
        const RoadTrace a = traceRoad(boardFrom(before), 1, Side::Left);
        const RoadTrace b = traceRoad(boardFrom(after), 1, Side::Left);
        const std::optional<Sound> s = progressSound(a, b);
        QCOMPARE(s ? int(*s) : -1, expected);
    }
};

ROADSHIFT_TEST_RULES_MAIN(TestSound)
#include "test_sound.moc"
