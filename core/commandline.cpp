// The game's options, parsed without an application object so that no display is needed.
#include "core/commandline.h"

#include "core/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <iterator>

namespace {

const QString program = QStringLiteral("roadshift");

// The options QGuiApplication and QApplication (Qt 6.4, with the X11 platform's own) take out of
// argv when they are constructed. They are skipped here, before any application object exists,
// so that --help and --version answer without a display while a Qt user's usual options still
// reach Qt. Qt reads each with one dash or with two; `takesValue` marks those that take the next
// word as their value, whatever it looks like, as Qt does. Only the ones marked `joinedValue` are
// also read as -name=value.
struct QtOption
{
    const char *name;
    bool takesValue;
    bool joinedValue = false;
};

constexpr QtOption qtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"reverse", false},
    {"session", true},
    {"style", true, true},
    {"stylesheet", true, true},
    {"widgetcount", false},
    {"testability", false},
    {"qmljsdebugger", true, true},
    // X11's traditional names: Qt reads the first three as -qwindowgeometry, -qwindowtitle and
    // -qwindowicon on X11, the others are the X11 platform's own.
    {"geometry", true},
    {"title", true},
    {"icon", true},
    {"display", true},
    {"name", true},
    {"visual", true},
    {"nograb", false},
    {"dograb", false},
};

QString refusal(const QString &why)
{
    //: %1 is the program's name, %2 says what was wrong with the command line
    return QCoreApplication::translate("CommandLine", "%1: %2 Try '%1 --help'.\n")
        .arg(program, why);
}

// The Qt option `word` names, or nullptr when it is none of them; `joined` tells whether the
// word carries the option's value after an equals sign.
const QtOption *qtOption(const QString &word, bool *joined)
{
    if (!word.startsWith(QLatin1Char('-'))) return nullptr;
    QStringView name = QStringView(word).mid(word.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    *joined = equals >= 0;
    if (*joined) name = name.left(equals);
    for (const QtOption &option : qtOptions) {
        if (name == QLatin1String(option.name) && (!*joined || option.joinedValue)) return &option;
    }
    return nullptr;
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
    // What is left once Qt's options are taken out, as QApplication will take them.
    QStringList ours;
    for (auto word = arguments.cbegin(); word != arguments.cend(); ++word) {
        bool joined = false;
        const QtOption *option = word == arguments.cbegin() ? nullptr : qtOption(*word, &joined);
        if (!option) {
            ours << *word;
        } else if (option->takesValue && !joined) {
            if (std::next(word) == arguments.cend()) {
                return {
                    CommandLineAction::Refuse,
                    //: %1 is an option given without the value it needs, e.g. -platform
                    refusal(QCoreApplication::translate("CommandLine", "Missing value after '%1'.")
                                .arg(*word))};
            }
            ++word;
        }
    }

    QCommandLineParser parser;
    // Qt's own options have one dash before a word, so -fullscreen is read as one unknown
    // option, not as the letters f, u, l, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        //: the first lines of --help; keep the line break where a line would pass 80 characters
        QCoreApplication::translate(
            "CommandLine", "Roadshift, a puzzle game: slide and turn road tiles to lead a car that "
                           "drives by itself\ninto one of the exits."));
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

    if (!parser.parse(ours)) return {CommandLineAction::Refuse, refusal(parser.errorText())};
    if (!parser.positionalArguments().isEmpty()) {
        return {CommandLineAction::Refuse,
                //: %1 is a word on the command line that is no option
                refusal(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                            .arg(parser.positionalArguments().constFirst()))};
    }
    if (parser.isSet(help)) {
        // Without an application object Qt's usage line cannot name the program; ours does.
        const QString options = parser.helpText().section(QLatin1Char('\n'), 1);
        //: %1 is the program's name; "[options]" stands for the options listed below
        return {CommandLineAction::Answer,
                QCoreApplication::translate("CommandLine", "Usage: %1 [options]\n").arg(program) +
                    options + QLatin1Char('\n') +
                    QCoreApplication::translate(
                        "CommandLine",
                        "Without options the game starts. The options every Qt program "
                        "takes,\nsuch as -platform, -style and -reverse, are passed on "
                        "to Qt.\n")};
    }
    if (parser.isSet(version)) {
        return {CommandLineAction::Answer,
                program + QLatin1Char(' ') + QLatin1String(roadshift::version) + QLatin1Char('\n')};
    }
    return {};
}
