// Roadshift: starts the main window and runs until the player leaves.
#include "core/mainwindow.h"
#include "records/shutdownsignals.h"
#include "ui/fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Roadshift"));
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
