// The game's options, parsed without an application object so that no display is needed.
#include "core/commandline.h"

#include "core/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace {

const QString program = QStringLiteral("roadshift");

QString refusal(const QString &why)
{
    return program + QStringLiteral(": ") + why + QStringLiteral(" Try '") + program +
           QStringLiteral(" --help'.\n");
}

} // namespace

bool printAnswer(std::FILE *out, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, bytes.size(), out) == std::size_t(bytes.size()) &&
        std::fflush(out) == 0 && !std::ferror(out))
        return true;
    const int error = errno;
    const QString line =
        //: on standard error when --help or --version could not print; %1 is the system's reason
        QCoreApplication::translate("CommandLine", "roadshift: the answer could not be written: %1")
            .arg(QString::fromLocal8Bit(std::strerror(error ? error : EIO)));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    return false;
}

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Roadshift, a puzzle game: slide and turn road tiles to lead a car that "
                       "drives by itself\ninto one of the exits."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and leave."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and leave."));
    parser.addOption(help);
    parser.addOption(version);

    if (!parser.parse(arguments)) return {CommandLineAction::Refuse, refusal(parser.errorText())};
    if (!parser.positionalArguments().isEmpty()) {
        return {CommandLineAction::Refuse,
                refusal(QStringLiteral("Unexpected argument '%1'.")
                            .arg(parser.positionalArguments().constFirst()))};
    }
    if (parser.isSet(help)) {
        // Without an application object Qt's usage line cannot name the program; ours does.
        const QString options = parser.helpText().section(QLatin1Char('\n'), 1);
        return {CommandLineAction::Answer,
                QStringLiteral("Usage: ") + program + QStringLiteral(" [options]\n") + options +
                    QStringLiteral("\nWithout options the game starts.\n")};
    }
    if (parser.isSet(version)) {
        return {CommandLineAction::Answer,
                program + QLatin1Char(' ') + QLatin1String(roadshift::version) + QLatin1Char('\n')};
    }
    return {};
}
