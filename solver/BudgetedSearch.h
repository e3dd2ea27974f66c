#pragma once

#include "Answer.h"
#include "PatternHeuristic.h"
#include "Puzzle.h"

#include <chrono>
#include <stop_token>

namespace pintu::solver {

// A shortest answer when the search proves one within nine tenths of
// `budget`; otherwise the shorter of two quick ones: lines down to 3x3, or
// lines down to 4x4 finished by a shortest 4x4 search (when `corner`, the 4x4
// tables, is given and that search ends within the budget).
Answer solveWithinBudget(const Puzzle& puzzle, const PatternHeuristic& heuristic, const PatternHeuristic* corner,
                         std::chrono::milliseconds budget, std::stop_token stop);

} // namespace pintu::solver
