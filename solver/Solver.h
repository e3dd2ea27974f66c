#pragma once

#include "solver/Answer.h"
#include "solver/patterns/PatternStore.h"
#include "solver/Puzzle.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <stop_token>

namespace pintu::solver {

struct SolverOptions {
    // Where pattern tables are kept between runs (the game's data folder);
    // without one they are built for this process only.
    std::optional<std::filesystem::path> tableFolder;
    // How long a 5x5 search may try to prove the shortest answer before the
    // best quick one is returned instead. Zero answers 5x5 boards at once,
    // without their tables.
    std::chrono::milliseconds budget{2000};
};

// Solves any solvable board:
//   2x2, 3x3  shortest, from a table of every arrangement, in microseconds;
//   4x4       shortest, by IDA* over pattern tables (1.4 MB);
//   5x5       shortest when proven within the budget, else found (6.4 MB
//             more, and the 4x4 tables for a better quick answer; 63.8 MB
//             of stronger tables follow, built while no search runs);
//   larger    found, line by line, in milliseconds.
// Tables are loaded or built at first use, which takes a second or two: call
// this off a user interface thread, or call `prepare` early. Safe to use from
// several threads at once. Memory that runs out, on the caller's thread or on
// one the solver works on beside it, comes out here as std::bad_alloc; tables
// left unbuilt then are built when next needed.
class Solver {
public:
    explicit Solver(SolverOptions options = {});

    // Stopped (with no slides) soon after `stop` is requested.
    Answer solve(const Puzzle& puzzle, std::stop_token stop = {});

    // Gets the tables boards of this side need ready ahead of the first
    // answer. Tables built before a stop are kept in the folder.
    TableStatus prepare(int side, std::stop_token stop = {});

    // As `prepare`, for a game: returns once the tables the first answers
    // need are ready, while the large 5x5 tables follow on a thread of the
    // solver's own, which goes on after `stop` until they are done or the
    // solver ends. A player who leaves a board early still gets them.
    TableStatus prepareForPlay(int side, std::stop_token stop = {});

    // How much of the tables being built is done, in percent; nothing while
    // none are being built, or only the large 5x5 ones, which no answer
    // waits for.
    std::optional<int> buildProgress() const;

private:
    Answer solveFourByFour(const Puzzle& puzzle, std::stop_token stop);
    Answer solveFiveByFive(const Puzzle& puzzle, std::stop_token stop);
    // All but the large 5x5 tables.
    TableStatus prepareFirst(int side, std::stop_token stop);

    SolverOptions options;
    PatternStore store;
};

} // namespace pintu::solver
