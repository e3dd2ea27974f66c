#pragma once

#include <string_view>
#include <variant>
#include <vector>

namespace pintu::solver::cli {

struct BlankLine {};

// A word that is not a whole number, quoted back to the user.
struct NotNumbers {
    std::string_view word;
};

// The numbers of one input line, separated by spaces or tabs; a carriage
// return at the end (a line from a Windows file) counts as a space. Numbers
// too large for a tile stay too large, so that the puzzle check refuses them.
std::variant<BlankLine, NotNumbers, std::vector<int>> readArrangement(std::string_view line);

} // namespace pintu::solver::cli
