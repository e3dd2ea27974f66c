#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace pintu {

// What the player asked of a game about to start.
struct CommandLine {
    std::optional<QString> picture; // to open in the menu
};

// Text that answers the command line in place of a game: the help, the
// version, or what was wrong with it.
struct CommandLineAnswer {
    enum class Stream { Output, Error };

    QString text;
    Stream stream;
    int exitStatus;
};

using CommandLineOutcome = std::variant<CommandLine, CommandLineAnswer>;

// Reads the arguments, the program's name first, answering in the language
// whose translations are installed.
CommandLineOutcome parseCommandLine(const QStringList& arguments);

// Reads main's arguments before any window system is touched, so that the
// help and the version need no display.
CommandLineOutcome readCommandLine(int argc, char* argv[]);

// Prints the answer on its stream and gives the status to exit with.
int printAnswer(const CommandLineAnswer& answer);

} // namespace pintu
