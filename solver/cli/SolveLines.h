#pragma once

#include "solver/cli/CommandLine.h"
#include "solver/Solver.h"

#include <cstddef>
#include <istream>
#include <ostream>

namespace pintu::solver::cli {

enum class ExitStatus { AllAnswered = 0, LineRefused = 1, StreamFailed = 1, WrongUsage = 2 };

// The largest board answered, chosen by measurement: a 100x100 board takes
// about two seconds and 2.6 million moves. The moves grow with the cube of
// the side and the time faster: a 200x200 board takes over twenty seconds.
inline constexpr int largestSide = 100;
// Far more than the largest board takes, even widely spaced.
inline constexpr std::size_t longestLine = 1 << 20;

// Answers every arrangement on `in`, one line each on `out`, as soon as it is
// found; refused lines and notes go to `errors`. Stops at the first answer
// that cannot be written, and at input that is not text (a NUL byte).
ExitStatus solveLines(std::istream& in, std::ostream& out, std::ostream& errors, Solver& solver,
                      const Options& options);

} // namespace pintu::solver::cli
