#pragma once

#include <QString>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace pintu {

// What the player asked of a game about to start.
struct CommandLine {
    std::optional<std::string> picture; // to open in the menu, as the system's bytes
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

// Reads the arguments as main gets them, the program's name first, answering
// in the language whose translations are installed.
CommandLineOutcome parseCommandLine(const std::vector<std::string>& arguments);

// Reads main's arguments before any window system is touched, so that the
// help and the version need no display.
CommandLineOutcome readCommandLine(int argc, char* argv[]);

// Prints the answer on its stream and gives the status to exit with.
int printAnswer(const CommandLineAnswer& answer);

} // namespace pintu
