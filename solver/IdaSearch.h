#pragma once

#include "solver/patterns/PatternHeuristic.h"
#include "solver/Puzzle.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

namespace pintu::solver {

struct SearchLimits {
    std::stop_token stop;
    std::optional<std::chrono::steady_clock::time_point> deadline;
};

enum class SearchEnd { Solved, Stopped, OutOfTime };

struct SearchResult {
    SearchEnd end = SearchEnd::Stopped;
    std::vector<int> slides; // fewest possible when solved, else empty
    std::uint64_t nodes = 0;
};

// Iterative-deepening A*: depth-first searches bounded by slides made plus the
// heuristic's bound, the bound raised by two each time (every slide changes
// the parity of the distance). With a bound that never overestimates, the
// first answer found is a shortest one. Large iterations are shared between
// the processor's cores. The puzzle must be 4x4 or 5x5, the heuristic's side.
SearchResult searchOptimal(const Puzzle& puzzle, const PatternHeuristic& heuristic, const SearchLimits& limits);

} // namespace pintu::solver
