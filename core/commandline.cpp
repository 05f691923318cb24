// The game's options, parsed without an application object so that no display is needed.
#include "core/commandline.h"

#include "core/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const QString program = QStringLiteral("roadshift");

QString refusal(const QString &why)
{
    //: printed when the command line holds something the game does not know: %1 is the
    //: program's name "roadshift", %2 what was wrong (a sentence); keep "--help" as it is
    return QCoreApplication::translate("CommandLine", "%1: %2 Try '%1 --help'.").arg(program, why) +
           u'\n';
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        //: the first lines of --help; keep the line break where a line would pass 80 characters
        QCoreApplication::translate("CommandLine",
                                    "Roadshift, a puzzle game: slide and turn road tiles to lead a "
                                    "car that drives by itself\ninto one of the exits."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        //: what --help does, in the list of options
        QCoreApplication::translate("CommandLine", "Show this help and leave."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        //: what --version does, in the list of options
        QCoreApplication::translate("CommandLine", "Show the version and leave."));
    parser.addOption(help);
    parser.addOption(version);

    if (!parser.parse(arguments)) return {CommandLineAction::Refuse, refusal(parser.errorText())};
    if (!parser.positionalArguments().isEmpty()) {
        return {CommandLineAction::Refuse,
                //: %1 is what the player typed after the program's name
                refusal(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                            .arg(parser.positionalArguments().constFirst()))};
    }
    if (parser.isSet(help)) {
        // Without an application object Qt's usage line cannot name the program; ours does.
        const QString options = parser.helpText().section(QLatin1Char('\n'), 1);
        //: the first line of --help: %1 is the program's name "roadshift"
        const QString usage = QCoreApplication::translate("CommandLine", "Usage: %1 [options]");
        //: the last line of --help
        const QString last =
            QCoreApplication::translate("CommandLine", "Without options the game starts.");
        return {CommandLineAction::Answer,
                usage.arg(program) + u'\n' + options + u'\n' + last + u'\n'};
    }
    if (parser.isSet(version)) {
        return {CommandLineAction::Answer,
                program + QLatin1Char(' ') + QLatin1String(roadshift::version) + QLatin1Char('\n')};
    }
    return {};
}
