#pragma once

#include "CommandLine.h"
#include "Solver.h"

#include <istream>
#include <ostream>

namespace pintu::solver::cli {

enum class ExitStatus { AllAnswered = 0, LineRefused = 1, WrongUsage = 2 };

// Answers every arrangement on `in`, one line each on `out`, as soon as it is
// found; refused lines and notes go to `errors`.
ExitStatus solveLines(std::istream& in, std::ostream& out, std::ostream& errors, Solver& solver,
                      const Options& options);

} // namespace pintu::solver::cli
