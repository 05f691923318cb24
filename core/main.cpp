// Roadshift: answers the command line, or starts the main window and runs until the player leaves.
#include "assets/appicon.h"
#include "core/commandline.h"
#include "core/language.h"
#include "core/mainwindow.h"
#include "core/version.h"
#include "records/shutdownsignals.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

// Gives the application the rest of its icon sizes once the window's first frame is on the
// screen: each size is decoded and sent to the display, and none is needed for the first frame.
class IconAfterFirstFrame : public QObject
{
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *window = qobject_cast<const QWindow *>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            watched->removeEventFilter(this);
            // Queued: the expose paints and shows the frame first.
            QTimer::singleShot(0, this,
                               [] { QApplication::setWindowIcon(applicationIcon(16, 128)); });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

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
        if (line.action == CommandLineAction::Answer)
            return printAnswer(stdout, line.text) ? 0 : answerLostStatus;
        std::fputs(line.text.toLocal8Bit().constData(), stderr);
        return refusedStatus;
    }

    QApplication app(argc, argv);
    installTranslations(); // before the first widget: every text is translated as it is made
    if (const QString language = translationLanguage(); !scriptFaceInstalled(language)) {
        // Empty boxes in place of every word would leave the game unplayable: English instead.
        const QString note = QCoreApplication::translate(
            //: one line on standard error when no installed font shows the player's language;
            //: %1 is the language's own name
            "Fonts", "roadshift: no installed font shows %1 (fonts-noto-cjk has it); playing in "
                     "English\n");
        std::fputs(note.arg(QLocale(language).nativeLanguageName()).toLocal8Bit().constData(),
                   stderr);
        installTranslations(QLocale(QLocale::English));
    }
    QApplication::setApplicationName(QStringLiteral("Roadshift"));
    QApplication::setApplicationVersion(QLatin1String(roadshift::version));
    // Lets the desktop match the window to its menu entry and show the game's icon.
    QGuiApplication::setDesktopFileName(QLatin1String(roadshift::appId));
    // One size before the window is shown, the one a title bar or task list shows at this scale;
    // the menu takes the installed theme icons, which hold the large sizes.
    const int iconSide = app.devicePixelRatio() > 1.0 ? 64 : 32;
    QApplication::setWindowIcon(applicationIcon(iconSide, iconSide));
    installFontSubstitutions();

    MainWindow window;
    ShutdownSignals terminationSignals;
    // A termination request from the system leaves the game like its close box does.
    QObject::connect(&terminationSignals, &ShutdownSignals::requested, &window,
                     &MainWindow::Form_Unload);
    QObject::connect(&window, &MainWindow::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    IconAfterFirstFrame fullIcon;
    if (QWindow *handle = window.windowHandle()) handle->installEventFilter(&fullIcon);
    return app.exec();
}
