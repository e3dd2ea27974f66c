#include "solver/cli/CommandLine.h"

#include "solver/cli/QuotedWord.h"

#include <charconv>
#include <cmath>

namespace pintu::solver::cli {

namespace {

// A day is more than any search is worth, and keeps the milliseconds in range.
constexpr double longestBudget = 24 * 60 * 60;

std::optional<std::chrono::milliseconds> parseSeconds(std::string_view text)
{
    double seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(seconds) || seconds < 0
        || seconds > longestBudget)
        return std::nullopt;
    return std::chrono::milliseconds(std::llround(seconds * 1000));
}

std::optional<std::filesystem::path> defaultTables(const char* xdgDataHome, const char* home)
{
    if (xdgDataHome && *xdgDataHome)
        return std::filesystem::path(xdgDataHome) / "pintu";
    if (home && *home)
        return std::filesystem::path(home) / ".local" / "share" / "pintu";
    return std::nullopt;
}

} // namespace

std::variant<Options, UsageError> parseCommandLine(std::span<const std::string_view> arguments,
                                                   const char* xdgDataHome, const char* home)
{
    Options options;
    options.tables = defaultTables(xdgDataHome, home);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        std::optional<std::string_view> value;
        if (const auto equals = argument.find('='); argument.starts_with("--") && equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
        }
        const bool takesValue = argument == "--budget" || argument == "--tables";
        if (!takesValue && argument != "--stats" && argument != "--help")
            return UsageError{"unknown argument " + quotedWord(arguments[i])};
        if (takesValue && !value) {
            if (i + 1 == arguments.size())
                return UsageError{std::string(argument) + " needs a value"};
            value = arguments[++i];
        }
        if (!takesValue && value)
            return UsageError{std::string(argument) + " takes no value"};

        if (argument == "--stats") {
            options.stats = true;
        } else if (argument == "--help") {
            options.help = true;
        } else if (argument == "--budget") {
            const auto budget = parseSeconds(*value);
            if (!budget)
                return UsageError{"--budget needs a number of seconds from 0 to 86400, not " + quotedWord(*value)};
            options.budget = *budget;
        } else {
            if (value->empty())
                return UsageError{"--tables needs a folder"};
            options.tables = std::filesystem::path(*value);
        }
    }
    return options;
}

std::string_view usageText()
{
    return R"(Usage: pintu-solve [--stats] [--budget SECONDS] [--tables DIR]

Solves sliding-tile puzzles read from standard input, one a line: the tile in
each cell, row by row, separated by spaces, the blank written as N*N-1 (tile t
belongs in cell t). Prints one line each: the number of moves, "optimal" or
"found", then the tiles to slide, in order. 2x2 to 4x4 boards are always
solved optimally, 5x5 boards when the budget allows, larger boards up to
100x100 quickly (within seconds); a larger board is refused.

  --stats            also print the nodes searched and the milliseconds taken
                     for each line, and the seconds a build of the pattern
                     tables took, on standard error
  --budget SECONDS   how long a 5x5 search may try to prove the shortest answer
                     before the best quick one is given instead (default 2)
  --tables DIR       where the 4x4 and 5x5 pattern tables are kept (default
                     $XDG_DATA_HOME/pintu, else ~/.local/share/pintu); they are
                     built there on first use, which takes a second or two
  --help             show this text

A line that is not a puzzle is reported on standard error with its number and
gets no answer line; the others are still answered. Input that cannot be read
or is not text (a NUL byte), or answers that cannot be written, end the run.
Exit status: 0 when every line was answered, 1 when a line was refused or the
run ended early, 2 for a wrong command line.
)";
}

} // namespace pintu::solver::cli
