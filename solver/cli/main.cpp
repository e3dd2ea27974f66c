#include "CommandLine.h"
#include "SolveLines.h"

#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

using namespace pintu::solver;

int main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto parsed = cli::parseCommandLine(arguments, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (const auto* error = std::get_if<cli::UsageError>(&parsed)) {
        std::cerr << "pintu-solve: " << error->message << "\nTry pintu-solve --help.\n";
        return static_cast<int>(cli::ExitStatus::WrongUsage);
    }
    const cli::Options& options = std::get<cli::Options>(parsed);
    if (options.help) {
        std::cout << cli::usageText();
        return static_cast<int>(cli::ExitStatus::AllAnswered);
    }
    Solver solver({options.tables, options.budget});
    return static_cast<int>(cli::solveLines(std::cin, std::cout, std::cerr, solver, options));
}
