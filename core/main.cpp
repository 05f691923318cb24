// Roadshift: answers the command line, or starts the main window and runs until the player leaves.
#include "assets/appicon.h"
#include "core/commandline.h"
#include "core/language.h"
#include "core/mainwindow.h"
#include "core/version.h"
#include "records/shutdownsignals.h"
#include "ui/fonts.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Read before QApplication exists: --help, --version and a refusal must work without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine line = readCommandLine(arguments);
    if (line.action != CommandLineAction::Play) {
        // Qt installs translators only into an application object; a plain one needs no display.
        QCoreApplication answering(argc, argv);
        installTranslations();
        line = readCommandLine(arguments);
        const bool answered = line.action == CommandLineAction::Answer;
        std::fputs(line.text.toLocal8Bit().constData(), answered ? stdout : stderr);
        return answered ? 0 : refusedStatus;
    }

    QApplication app(argc, argv);
    installTranslations(); // before the first widget: every text is translated as it is made
    QApplication::setApplicationName(QStringLiteral("Roadshift"));
    QApplication::setApplicationVersion(QLatin1String(roadshift::version));
    // Lets the desktop match the window to its menu entry and show the game's icon.
    QGuiApplication::setDesktopFileName(QLatin1String(roadshift::appId));
    QApplication::setWindowIcon(applicationIcon());
    installFontSubstitutions();

    MainWindow window;
    ShutdownSignals terminationSignals;
    // A termination request from the system leaves the game like its close box does.
    QObject::connect(&terminationSignals, &ShutdownSignals::requested, &window,
                     &MainWindow::Form_Unload);
    QObject::connect(&window, &MainWindow::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
