// Reads the game's command line: play, answer --help or --version, or refuse what it does not know.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

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

// The exit status when an answer could not be written (its output closed, or a full disk).
inline constexpr int answerLostStatus = 1;

// Writes an answer to `out` (standard output) and flushes it. When it did not get there, says so
// on standard error and returns false, as the standard tools do.
bool printAnswer(std::FILE *out, const QString &text);

// `arguments` as main() got them, the program's own name first. Needs no application object,
// so the answers work without a display.
CommandLine readCommandLine(const QStringList &arguments);
