#pragma once

#include "solver/Grid.h"

#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace pintu::solver {

// Why an arrangement cannot be solved.
enum class Flaw {
    NotSquare,      // the count of tiles is not N*N with N >= 2
    NotPermutation, // not every tile from 0 to N*N-1 exactly once
    Unsolvable,     // no sequence of slides reaches the solved board
};

// A short English reason, for the command line.
std::string_view describe(Flaw flaw);

// An arrangement that is known to be solvable: tiles()[c] is the tile lying in
// cell c, and the blank is tile N*N-1. Only `from` makes one, so every solver
// can take its input as sound.
class Puzzle {
public:
    static std::variant<Puzzle, Flaw> from(std::vector<int> tiles);

    Grid grid() const { return {side}; }
    const std::vector<int>& tiles() const { return cells; }

private:
    Puzzle(int side, std::vector<int> tiles) : side(side), cells(std::move(tiles)) {}

    int side;
    std::vector<int> cells;
};

} // namespace pintu::solver
