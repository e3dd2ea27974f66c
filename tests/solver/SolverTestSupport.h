#pragma once

#include "solver/Puzzle.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pintu::solver::test {

// Only for arrangements known to be solvable.
Puzzle puzzleOf(std::vector<int> tiles);

std::vector<int> solvedTiles(int side);

// The blank walked at random from the solved board, like the game's shuffle.
std::vector<int> walkedTiles(int side, int steps, std::uint64_t seed);

// Any solvable arrangement, all equally likely.
std::vector<int> randomTiles(int side, std::uint64_t seed);

// True when the slides are legal one after another and end solved.
bool solves(const Puzzle& puzzle, std::span<const int> slides);

struct KnownDistance {
    std::vector<int> tiles;
    int distance;
};

// Every arrangement within `depth` slides of solved, by plain breadth-first
// search, with its exact distance.
std::vector<KnownDistance> arrangementsNearSolved(int side, int depth);

} // namespace pintu::solver::test
