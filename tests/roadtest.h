// Test mains that keep every test process away from the player's real records.
#pragma once

#include <QCoreApplication>
#if __has_include("core/gamesettings.h") // not for the tests that see no game code
#include "core/gamesettings.h"
#endif
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace roadtest {

// Points the per-user settings store at a folder that dies with the process.
// Must run before the first QSettings is made.
inline QTemporaryDir &isolateSettings()
{
    static QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    return dir;
}

// A fresh folder named `stem`-N in the throwaway settings folder, so no test sees another's files.
inline QString freshFolder(const QString &stem)
{
    static int count = 0;
    const QString dir = isolateSettings().filePath(QStringLiteral("%1-%2").arg(stem).arg(++count));
    if (!QDir().mkpath(dir)) qFatal("cannot make %s", qPrintable(dir));
    return dir;
}

inline void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    f.write(content);
}

#if __has_include("core/gamesettings.h")
// The game's own settings (speech, sound, the difficulty last chosen) forgotten, so each test's
// window starts as on a first run.
inline void forgetGameSettings()
{
    QFile::remove(gameSettingsPath());
}
#endif

} // namespace roadtest

// For tests of the rules: no display at all.
#define ROADSHIFT_TEST_RULES_MAIN(TestObject)                                                      \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        roadtest::isolateSettings();                                                               \
        QCoreApplication app(argc, argv);                                                          \
        TestObject tc;                                                                             \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

#if __has_include(<QApplication>) // only tests that link the widgets get a GUI main
#include <QApplication>

// For widget tests: real widgets on the offscreen platform unless a display is chosen.
#define ROADSHIFT_TEST_GUI_MAIN(TestObject)                                                        \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        roadtest::isolateSettings();                                                               \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        TestObject tc;                                                                             \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
#endif
