#pragma once

#include "solver/Answer.h"
#include "solver/patterns/PatternHeuristic.h"
#include "solver/Puzzle.h"

#include <chrono>
#include <stop_token>

namespace pintu::solver {

// The shorter of two quick answers, both found: lines down to 3x3, or lines
// down to 4x4 finished by a shortest 4x4 search over `corner` (the 4x4 tables,
// when given) if that search ends by `deadline`.
Answer quickAnswer(const Puzzle& puzzle, const PatternHeuristic* corner,
                   std::chrono::steady_clock::time_point deadline, std::stop_token stop);

// A shortest answer when the search proves one within 95% of `budget`;
// otherwise the quick answer, within what is left.
Answer solveWithinBudget(const Puzzle& puzzle, const PatternHeuristic& heuristic, const PatternHeuristic* corner,
                         std::chrono::milliseconds budget, std::stop_token stop);

} // namespace pintu::solver
