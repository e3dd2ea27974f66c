#include "solver/cli/CommandLine.h"
#include "solver/cli/SolveLines.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string_view>
#include <vector>

using namespace pintu::solver;

int main(int argc, char** argv)
{
    // A reader that went away then fails the next write, which is reported,
    // instead of ending the program without a word.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto parsed = cli::parseCommandLine(arguments, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (const auto* error = std::get_if<cli::UsageError>(&parsed)) {
        std::cerr << "pintu-solve: " << error->message << "\nTry pintu-solve --help.\n";
        return static_cast<int>(cli::ExitStatus::WrongUsage);
    }
    const cli::Options& options = std::get<cli::Options>(parsed);
    if (options.help) {
        if (std::cout << cli::usageText() << std::flush)
            return static_cast<int>(cli::ExitStatus::AllAnswered);
        std::cerr << "pintu-solve: the usage could not be written: " << std::strerror(errno) << '\n';
        return static_cast<int>(cli::ExitStatus::StreamFailed);
    }
    Solver solver({options.tables, options.budget});
    const cli::ExitStatus status = cli::solveLines(std::cin, std::cout, std::cerr, solver, options);
    // std::cin reads through stdin, which keeps the error that ended the input.
    if (std::ferror(stdin)) {
        std::cerr << "pintu-solve: standard input could not be read: " << std::strerror(errno) << '\n';
        return static_cast<int>(cli::ExitStatus::StreamFailed);
    }
    return static_cast<int>(status);
}
