// Reads the game's command line: play, answer --help or --version, or refuse what it does not know.
#pragma once

#include <QString>
#include <QStringList>

enum class CommandLineAction {
    Play,   // no options: start the game
    Answer, // print `text` on standard output and leave with status 0
    Refuse, // print `text` on standard error and leave with refusedStatus
};

struct CommandLine
{
    CommandLineAction action = CommandLineAction::Play;
    QString text;
};

// The exit status for a command line the game does not understand, as usage errors go.
inline constexpr int refusedStatus = 2;

// `arguments` as main() got them, the program's own name first. Needs no application object,
// so the answers work without a display.
CommandLine readCommandLine(const QStringList &arguments);
